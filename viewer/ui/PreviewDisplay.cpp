#include "viewer/ui/PreviewDisplay.h"

#include "model/Errors.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Preview.h"

#include <QScreen>
#include <QVBoxLayout>

namespace tarn {

namespace {
constexpr QSize kClientSize{324, 222};
constexpr int kGap = 8;
}  // namespace

TPreviewForm::TPreviewForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), previewPanel_(new TGLPanel(this))
{
    setObjectName("PreviewForm");
    setWindowTitle("PreviewForm");
    setAccessibleName("Preview");
    setFixedSize(kClientSize);
    previewPanel_->setObjectName("PreviewGLPanel");
    previewPanel_->setAccessibleName("Preview of the scene");
    previewPanel_->SetGLFlags(GLf_DRAW_TO_WINDOW | GLf_SUPPORT_GDI | GLf_SUPPORT_OPENGL);
    // The preview keeps its picture too, so it repaints without drawing.
    previewPanel_->GLObjectLoaded = true;
    previewPanel_->OnGLInit = [this](TGLPanel&) { previewNet_.InitContext(); };
    previewPanel_->OnResize = [this](TGLPanel& panel) { previewNet_.SetViewSize(panel.width(), panel.height()); };
    previewPanel_->OnGLDraw = [this](TGLPanel&) {
        raise();
        previewNet_.Paint();
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previewPanel_);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().topLeft());
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::BuildFrom(const TNet& map)
{
    previewNet_.BuildFrom(map);
}

void TPreviewForm::ShowScene(const TMapHeader& header)
{
    CopySceneSettings(header, previewNet_.MapHeader);
    RedrawPreview();
}

void TPreviewForm::RedrawPreview()
{
    if (!isVisible() || !previewPanel_->HasSurface())
        return;
    try {
        previewPanel_->Redraw();
    } catch (const ETarnError&) {
        // A preview that cannot be drawn stays blank; the dialog works on.
    }
}

void TPreviewForm::ShowBeside(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    QPoint place(frame.right() + kGap, frame.top());
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        if (place.x() + width() > available.right())
            place.setX(std::max(available.left(), frame.left() - kGap - frameGeometry().width()));
    }
    move(place);
    show();
    raise();
}

}  // namespace tarn
