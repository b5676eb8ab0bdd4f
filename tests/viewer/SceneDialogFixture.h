#pragma once

// A "Projection Parameters" dialog over the small test map, run as the
// Parameters command runs it, with a user acting on it while it is shown.
#include "TestFolder.h"
#include "UserActions.h"

#include "controls/Messages.h"
#include "model/LemFileIO.h"
#include "model/SettingsStore.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/Hints.h"
#include "viewer/ui/PreviewDisplay.h"
#include "viewer/ui/Projparm.h"
#include "viewer/ui/SceneConversions.h"
#include "viewer/ui/TerrainDetails.h"

namespace tarn::test {

class SceneDialog : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        NullProgress quiet;
        ASSERT_TRUE(LoadLemFile(std::filesystem::path(TARN_TEST_DATA) / "tiny-sample.lem", view, quiet));
        header = view.MapHeader;
        original = header;
        dialog = std::make_unique<TProjParms>(settings, hints, preview, details,
                                              [this](int topic) { topics.push_back(topic); });
        dialog->BuildPreview(view);
    }
    void TearDown() override
    {
        dialog.reset();
        TestFolder::TearDown();
    }

    // Opens the dialog on the header; `user` acts on it, then `answer` is
    // clicked. Returns what EditSceneParameters returned.
    bool Run(const std::function<void(QWidget*)>& user, const char* answer = "OKBtn")
    {
        WhenModal([user, answer](QWidget* shown) {
            if (user)
                user(shown);
            Click(Find(shown, answer));
        });
        return dialog->EditSceneParameters(header, view);
    }

    static void ShowPage(QWidget* shown, int page, int schemePage = -1)
    {
        ClickTab(Find<QTabWidget>(shown, "MainPageControl"), page);
        if (schemePage >= 0)
            ClickTab(Find<QTabWidget>(shown, "SchemePageControl"), schemePage);
    }

    // The positioning map's geometry for the header's world size.
    static TPositioningGeometry Geometry(QWidget* shown, const TMapHeader& h)
    {
        const QWidget* box = Find(shown, "LocPaintBox");
        const QWidget* image = Find(shown, "FlatImage");
        return {box->width(), box->height(), image->width(), image->height(), h.WorldWidth, h.WorldHeight};
    }

    MemorySettingsStore settings;
    THintSwitch hints;
    TPreviewForm preview;
    TTerrainColourDetailsDlg details;
    TViewNet view;
    TMapHeader header;
    TMapHeader original;
    std::unique_ptr<TProjParms> dialog;
    std::vector<int> topics;
    QStringList shownMessages;
    ScopedMessageSink messages{[this](const QString& text, const QString&) { shownMessages.append(text); }};
};

}  // namespace tarn::test
