// Every control a user can reach with the keyboard has a name that
// assistive technology reads out: in the main window and every dialog.
#include "SceneDialogFixture.h"

#include "controls/HelpWindow.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "viewer/ui/Makepath.h"
#include "viewer/ui/Viewform.h"

#include <QAccessible>
#include <QTabWidget>

using namespace tarn;
using namespace tarn::test;

namespace {

// Focusable widgets (Qt's own parts of composite widgets aside) whose
// accessible name is empty, by object name and class.
std::string Unnamed(const QWidget* root)
{
    QStringList unnamed;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->focusProxy() ||
            widget->objectName().startsWith("qt_"))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QString("%1 (%2)").arg(widget->objectName(), widget->metaObject()->className()));
    }
    return unnamed.join(", ").toStdString();
}

}  // namespace

TEST_F(SceneDialog, EveryControlOfTheParametersDialogHasAnAccessibleName)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        auto* pages = Find<QTabWidget>(shown, "MainPageControl");
        auto* schemes = Find<QTabWidget>(shown, "SchemePageControl");
        for (int page = 0; page < pages->count(); ++page)
            ClickTab(pages, page);
        for (int page = 0; page < schemes->count(); ++page)
            ClickTab(schemes, page);
        EXPECT_EQ(Unnamed(shown), "");
    }));
    EXPECT_EQ(Unnamed(&details), "");
    EXPECT_EQ(Unnamed(&preview), "");
}

TEST(AccessibleNames, EveryControlOfTheMainWindowAndHelpHasOne)
{
    MemorySettingsStore settings;
    TViewer viewer(settings);
    viewer.show();
    EXPECT_EQ(Unnamed(&viewer), "");
    auto* help = viewer.findChild<THelpWindow*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    help->ShowTopic(1);
    EXPECT_EQ(Unnamed(help), "");
}

TEST(AccessibleNames, EveryControlOfTheMakePathDialogHasOne)
{
    TNet map;
    CreateMap(map, {MapUnits::Metric, 21, 21, 10}, DefaultTerrainPalette());
    TCreatePath dialog(map, nullptr);
    dialog.show();
    EXPECT_EQ(Unnamed(&dialog), "");
}
