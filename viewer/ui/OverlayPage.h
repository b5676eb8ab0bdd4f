#pragma once

#include "viewer/ui/ScenePage.h"

class QCheckBox;
class QFileDialog;
class QLineEdit;

namespace tarn {

// "Overlay Scheme" of the Drawing page: the overlay bitmap and whether the
// map's overlay objects are drawn onto it.
class TOverlayPage : public TScenePage {
    Q_OBJECT

public:
    explicit TOverlayPage(QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;

    QString OverlayFile() const;
    // A new overlay bitmap was chosen since the dialog opened.
    bool OverlayChanged() const { return overlayChanged_; }

private:
    QLineEdit* overlayFile_;
    QCheckBox* plotOverlay_;
    QFileDialog* bitmapDialog_;
    bool overlayChanged_ = false;
};

}  // namespace tarn
