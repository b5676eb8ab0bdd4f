#include "controls/longprogress.h"

#include "controls/Animate.h"
#include "controls/GlobeStrip.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

TLongProgressDlg::TLongProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      activityLabel_(new QLabel(this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      globe_(new TAnimated(this))
{
    // The operation runs on the interface thread and lets events through
    // while it works; other windows must not start commands meanwhile.
    setWindowModality(Qt::ApplicationModal);
    activityLabel_->setObjectName("ActivityLabel");
    activityLabel_->setMinimumWidth(220);
    activityLabel_->setWordWrap(true);
    cancel_->setObjectName("Cancel");
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &TLongProgressDlg::CancelClick);

    auto* panel = new QFrame(this);
    panel->setObjectName("GlobePanel");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setStyleSheet("#GlobePanel { background: black; }");
    globe_->setObjectName("GlobeAnimation");
    globe_->setParent(panel);
    globe_->resize(GlobeSize, GlobeSize);
    globe_->SetBitMap(MakeGlobeStrip(GlobeSize, GlobeFrames));
    globe_->SetFrameCount(GlobeFrames);
    globe_->SetInterval(10);
    globe_->SetPlay(true);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    panelLayout->addWidget(globe_);
    globe_->setFixedSize(GlobeSize, GlobeSize);

    auto* right = new QVBoxLayout;
    right->addWidget(activityLabel_);
    right->addStretch();
    right->addWidget(cancel_, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(right);
}

void TLongProgressDlg::Begin(const QString& caption, const QString& activity)
{
    continue_ = true;
    setWindowTitle(caption);
    SetActivity(activity);
    show();
    raise();
}

void TLongProgressDlg::End()
{
    hide();
}

void TLongProgressDlg::SetActivity(const QString& text)
{
    activityLabel_->setText(text);
}

int TLongProgressDlg::Progress()
{
    if (!continue_)
        return 0;
    QCoreApplication::processEvents();
    return 1;
}

std::function<int()> TLongProgressDlg::ProgressCallback()
{
    return [this] { return Progress(); };
}

void TLongProgressDlg::CancelClick()
{
    continue_ = false;
}

void TLongProgressDlg::reject()
{
    CancelClick();
}

void TLongProgressDlg::closeEvent(QCloseEvent* event)
{
    CancelClick();
    event->ignore();
}

TLongProgressReporter::TLongProgressReporter(TLongProgressDlg& dialog, IProgress* also)
    : dialog_(dialog), also_(also)
{
}

void TLongProgressReporter::setCaptions(std::string_view operation, std::string_view step)
{
    const std::string_view shown = step.empty() ? operation : step;
    dialog_.SetActivity(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    if (also_)
        also_->setCaptions(operation, step);
}

void TLongProgressReporter::setPercent(int percent)
{
    if (also_)
        also_->setPercent(percent);
}

void TLongProgressReporter::hideProgress()
{
    if (also_)
        also_->hideProgress();
}

bool TLongProgressReporter::pump()
{
    const bool alsoGoesOn = !also_ || also_->pump();
    return dialog_.Progress() == 1 && alsoGoesOn;
}

}  // namespace tarn
