#include "controls/Messages.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/UserActions.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(MessageSinkTest, InnermostSinkReceivesAndOuterReturnsAfterIt)
{
    QStringList outer;
    QStringList inner;
    ScopedMessageSink outerSink([&](const QString& text, const QString&) { outer << text; });
    {
        ScopedMessageSink innerSink([&](const QString& text, const QString& caption) { inner << text + "|" + caption; });
        ShowMessage("first", "Title");
    }
    ShowMessage("second");
    EXPECT_EQ(inner, QStringList{"first|Title"});
    EXPECT_EQ(outer, QStringList{"second"});
}

struct TShownBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const QWidget* parent = nullptr;
};

// Shows a message without a sink and reads the box that comes up.
TShownBox Show(const QString& text, const QString& caption, std::optional<MessageKind> kind = std::nullopt)
{
    TShownBox shown;
    test::OnNextModal([&shown](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        shown = {box->text(), box->windowTitle(), box->icon(), box->parentWidget()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    if (kind)
        ShowMessage(text, caption, *kind);
    else
        ShowMessage(text, caption);
    return shown;
}

TEST(MessageBoxTest, CodedMessagesShowAsErrorsOverTheActiveWindow)
{
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const TShownBox error = Show("E0007 Error saving lem file", "Saving");
    EXPECT_EQ(error.text, "E0007 Error saving lem file");
    EXPECT_EQ(error.caption, "Saving");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.parent, &window);
    EXPECT_EQ(Show("Out of range", {}, MessageKind::Warning).icon, QMessageBox::Warning);
    EXPECT_EQ(Show("Done", {}, MessageKind::Information).icon, QMessageBox::Information);
}

}  // namespace
}  // namespace tarn
