#pragma once

#include "viewer/ui/ScenePage.h"

class QColorDialog;
class QFileDialog;
class QLineEdit;
class QRadioButton;

namespace tarn {

class ISettingsStore;
class TColourSwatch;

// "Background" of the Drawing page: the background type, the sky (and
// hidden ground) texture files kept in the settings, and the sky, mist,
// ground and light colours.
class TBackgroundPage : public TScenePage {
    Q_OBJECT

public:
    explicit TBackgroundPage(ISettingsStore& settings, QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;
    // The texture files go to "Drawing"/"SkyFile" and "GroundFile".
    void SaveSettings() const;

private:
    QWidget* BuildTypeGroup();
    QWidget* BuildFilesGroup();
    QWidget* BuildColoursGroup();
    TColourSwatch* AddColour(QWidget* group, int row, const char* shapeName, const char* buttonName,
                             const QString& caption);
    void ChooseFile(QLineEdit* edit);

    ISettingsStore& settings_;
    QRadioButton* solid_;
    QRadioButton* graduated_;
    QRadioButton* textured_;
    QLineEdit* skyFile_;
    QLineEdit* groundFile_;
    TColourSwatch* sky_;
    TColourSwatch* mist_;
    TColourSwatch* ground_;
    TColourSwatch* light_;
    QColorDialog* colourDialog_;
    QFileDialog* bitmapDialog_;
};

}  // namespace tarn
