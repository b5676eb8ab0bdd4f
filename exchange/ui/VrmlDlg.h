#pragma once

#include "exchange/FormatParameters.h"
#include "exchange/ui/DialogButtons.h"

#include <QDialog>

class QColorDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarn {

class ISettingsStore;
class TFloatEdit;

// "Polygon Optimization Parameters" for the writers of polygon models: the
// triangle budget and height tolerance, the scaling, and for textured
// models the texture's file name and the background colour. The values
// come from and go back to the settings store's "VRML" section; the
// scaling starts from the map's size every time.
class TVRMLForm : public QDialog {
    Q_OBJECT

public:
    explicit TVRMLForm(ISettingsStore& settings, QWidget* parent = nullptr, THelpHandler showHelp = {});

    // Fills the fields for one export. Without texture the VRML group is
    // disabled, its texture empty and its colour black, and OK saves only
    // the budget and tolerance.
    void Prepare(const TMapHeader& header, bool textured);

    TPolygonExportOptions Options() const;

    // Saves the settings, then closes.
    void accept() override;

private:
    void SetBackgroundButtonClick();
    void ShowBackground(TColorRef colour);

    QSpinBox* PolygonsEdit;
    TFloatEdit* ToleranceEdit;
    QGroupBox* VRMLGroupBox;
    QLabel* VRMLTextureLabel;
    QLineEdit* VRMLOverlayFile;
    QFrame* BackgroundShape;
    QPushButton* SetBackgroundButton;
    QColorDialog* BackgroundColorDialog;
    TFloatEdit* VerticalEdit;
    TFloatEdit* HorizontalEdit;

    ISettingsStore& settings_;
    bool textured_ = true;
    TColorRef background_ = 0;
};

}  // namespace tarn
