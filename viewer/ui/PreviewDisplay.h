#pragma once

#include "viewer/render/PreviewNet.h"

#include <QWidget>

namespace tarn {

class TGLPanel;

// "PreviewForm": a small window that stays on top beside the scene-parameter
// dialog and shows the preview map, drawn again on every change.
class TPreviewForm : public QWidget {
    Q_OBJECT

public:
    explicit TPreviewForm(QWidget* parent = nullptr);
    ~TPreviewForm() override;

    TPreviewNet& PreviewNet() { return previewNet_; }
    // Samples the map into the preview (when the parameters dialog is made).
    void BuildFrom(const TNet& map);
    // Takes the scene settings of a header and draws the preview again.
    void ShowScene(const TMapHeader& header);
    // Draws the preview now, when the form is shown and can draw.
    void RedrawPreview();
    // Shows the form beside a window: right of it where the screen has room,
    // else left of it.
    void ShowBeside(const QWidget& window);

private:
    TPreviewNet previewNet_;
    TGLPanel* previewPanel_;
};

}  // namespace tarn
