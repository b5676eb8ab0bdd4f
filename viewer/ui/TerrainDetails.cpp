#include "viewer/ui/TerrainDetails.h"

#include "controls/FlEdit.h"
#include "viewer/ui/FormKit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include <cmath>

namespace tarn {

namespace {
constexpr int kLargestValue = 100;
constexpr int kFieldCharacters = 4;

std::int8_t Truncated(const TFloatEdit& edit)
{
    return static_cast<std::int8_t>(std::trunc(edit.Value()));
}
}  // namespace

TTerrainColourDetailsDlg::TTerrainColourDetailsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("TerrainColourDetailsDlg");
    setWindowTitle("Terrain Colour Details");
    auto* form = new QFormLayout(this);
    const auto field = [this, form](const char* name, const char* caption) {
        TFloatEdit* edit = MakeNumberEdit(this, name, caption, 0, kLargestValue);
        edit->setMaxLength(kFieldCharacters);
        form->addRow(MakeCaption(this, caption, edit), edit);
        return edit;
    };
    specularity_ = field("SpecularityFloatEdit", "Specularity");
    shininess_ = field("ShininessFloatEdit", "Shininess");
    emission_ = field("EmissionFloatEdit", "Emission");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

std::optional<TTerrainMaterialValues> TTerrainColourDetailsDlg::Edit(const TTerrainMaterialValues& values)
{
    specularity_->SetValue(values.specularity);
    shininess_->SetValue(values.shininess);
    emission_->SetValue(values.emission);
    specularity_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return TTerrainMaterialValues{Truncated(*specularity_), Truncated(*shininess_), Truncated(*emission_)};
}

}  // namespace tarn
