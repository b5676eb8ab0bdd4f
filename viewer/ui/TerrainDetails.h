#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

namespace tarn {

class TFloatEdit;

// The lighting values of one terrain slot: whole numbers 0..100.
struct TTerrainMaterialValues {
    std::int8_t specularity = 0;
    std::int8_t shininess = 0;
    std::int8_t emission = 0;
    friend bool operator==(const TTerrainMaterialValues&, const TTerrainMaterialValues&) = default;
};

// "Terrain Colour Details": specularity, shininess and emission of the
// terrain colour chosen on the Terrains page.
class TTerrainColourDetailsDlg : public QDialog {
    Q_OBJECT

public:
    explicit TTerrainColourDetailsDlg(QWidget* parent = nullptr);

    // Shows the values; on OK the truncated values of the three fields.
    std::optional<TTerrainMaterialValues> Edit(const TTerrainMaterialValues& values);

private:
    TFloatEdit* specularity_;
    TFloatEdit* shininess_;
    TFloatEdit* emission_;
};

}  // namespace tarn
