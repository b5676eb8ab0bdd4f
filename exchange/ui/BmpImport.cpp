#include "exchange/ui/BmpImport.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr int kHelpTopic = 20;

struct TOrderButton {
    const char* name;
    const char* caption;
    ChannelOrder order;
};

// The captions' trailing blanks are the dialog's own.
constexpr std::array<TOrderButton, 6> kOrderButtons{{
    {"RGBRadio", "Red Green Blue", ChannelOrder::RGB},
    {"RBGRadio", "Red Blue Green ", ChannelOrder::RBG},
    {"GBRRadio", "Green Blue Red ", ChannelOrder::GBR},
    {"GRBRadio", "Green Red Blue ", ChannelOrder::GRB},
    {"BRGRadio", "Blue Red Green ", ChannelOrder::BRG},
    {"BGRRadio", "Blue Green Red ", ChannelOrder::BGR},
}};

QSpinBox* Spin(QWidget* parent, const char* name, const char* accessibleName, int min, int max, int step, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(accessibleName);
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setValue(value);
    return spin;
}

}  // namespace

TBMPImportForm::TBMPImportForm(QWidget* parent, THelpHandler showHelp) : QDialog(parent)
{
    setObjectName("BMPImportForm");
    setWindowTitle("BMP Import Parameters");
    const TPictureImportOptions defaults;

    auto* orderGroup = new QGroupBox("Red/Green/Blue order", this);
    auto* orderColumn = new QVBoxLayout(orderGroup);
    for (std::size_t i = 0; i < kOrderButtons.size(); ++i) {
        OrderRadios[i] = new QRadioButton(kOrderButtons[i].caption, orderGroup);
        OrderRadios[i]->setObjectName(kOrderButtons[i].name);
        OrderRadios[i]->setAccessibleName(QString(kOrderButtons[i].caption).trimmed());
        OrderRadios[i]->setChecked(kOrderButtons[i].order == defaults.order);
        orderColumn->addWidget(OrderRadios[i]);
    }

    auto* sizes = new QWidget(this);
    MaxHeightEdit = Spin(sizes, "MaxHeightEdit", "Maximum Height", TPictureImportOptions::kMinMaxHeight,
                         TPictureImportOptions::kMaxMaxHeight, 100, defaults.maxHeight);
    GridSpacingEdit = Spin(sizes, "GridSpacingEdit", "Grid spacing (Mtrs)", 1,
                           static_cast<int>(TPictureImportOptions::kMaxSpacing), 10, static_cast<int>(defaults.spacing));
    auto* sizeForm = new QFormLayout(sizes);
    sizeForm->setContentsMargins(0, 0, 0, 0);
    sizeForm->addRow("Maximum Height", MaxHeightEdit);
    sizeForm->addRow("Grid spacing (Mtrs)", GridSpacingEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(orderGroup);
    layout->addWidget(sizes);
    layout->addWidget(OkCancelHelpButtons(*this, std::move(showHelp), kHelpTopic));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TPictureImportOptions TBMPImportForm::Options() const
{
    TPictureImportOptions options;
    for (std::size_t i = 0; i < kOrderButtons.size(); ++i)
        if (OrderRadios[i]->isChecked())
            options.order = kOrderButtons[i].order;
    options.maxHeight = MaxHeightEdit->value();
    options.spacing = GridSpacingEdit->value();
    return options;
}

}  // namespace tarn
