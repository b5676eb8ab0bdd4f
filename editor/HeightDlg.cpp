#include "editor/HeightDlg.h"

#include "controls/FlEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

// The longest text a QLineEdit takes by default: no limit in practice.
constexpr int kNoLengthLimit = 32767;

struct TNumberFormat {
    int length;
    int digits;
};

TNumberFormat FormatFor(MapUnits units)
{
    switch (units) {
    case MapUnits::Imperial:
        return {5, 0};
    case MapUnits::MicroMetric:
        return {6, 1};
    case MapUnits::Metric:
        break;
    }
    return {4, 0};
}

QRadioButton* ActionRadio(QWidget* parent, const char* name, const char* caption)
{
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    return radio;
}

TFloatEdit* NumberEdit(QWidget* parent, const char* name, const char* accessibleName)
{
    auto* edit = new TFloatEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->SetDigits(0);
    edit->setMaxLength(kNoLengthLimit);
    edit->setText("0");
    return edit;
}

}  // namespace

TSetHeightDlg::TSetHeightDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("SetHeightDlg");
    setWindowTitle("Set Height");
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);

    GroupBox2 = new QGroupBox("Height", this);
    GroupBox2->setObjectName("GroupBox2");
    InfoLabel = new QLabel("Grid Point 999,999 dummy string", GroupBox2);
    InfoLabel->setObjectName("InfoLabel");
    HeightLabel = new QLabel("Height", GroupBox2);
    HeightLabel->setObjectName("HeightLabel");
    HeightEdit = NumberEdit(GroupBox2, "HeightEdit", "Height");
    HeightEdit->SetMin(-1000.0);
    HeightEdit->SetMax(99999999.9);
    HeightLabel->setBuddy(HeightEdit);
    auto* heightGrid = new QGridLayout(GroupBox2);
    heightGrid->addWidget(InfoLabel, 0, 0, 1, 2);
    heightGrid->addWidget(HeightLabel, 1, 0);
    heightGrid->addWidget(HeightEdit, 1, 1);

    GroupBox1 = new QGroupBox("Action", this);
    GroupBox1->setObjectName("GroupBox1");
    HeightRadio = ActionRadio(GroupBox1, "HeightRadio", "Set as Height");
    AddRadio = ActionRadio(GroupBox1, "AddRadio", "Add Height");
    SubtractRadio = ActionRadio(GroupBox1, "SubtractRadio", "Subtract Height");
    NullRadio = ActionRadio(GroupBox1, "NullRadio", "Set to Null");
    HeightRadio->setChecked(true);
    Label1 = new QLabel("Difference", GroupBox1);
    Label1->setObjectName("Label1");
    ActionHeight = NumberEdit(GroupBox1, "ActionHeight", "Difference");
    ActionHeight->SetMax(99999999.9);
    Label1->setBuddy(ActionHeight);
    auto* actionGrid = new QGridLayout(GroupBox1);
    actionGrid->addWidget(HeightRadio, 0, 0);
    actionGrid->addWidget(AddRadio, 1, 0);
    actionGrid->addWidget(SubtractRadio, 2, 0);
    actionGrid->addWidget(NullRadio, 3, 0);
    actionGrid->addWidget(Label1, 1, 1);
    actionGrid->addWidget(ActionHeight, 2, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("CancelButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox2);
    layout->addWidget(GroupBox1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QRadioButton* radio : {HeightRadio, AddRadio, SubtractRadio, NullRadio})
        connect(radio, &QRadioButton::clicked, this, [this] { HeightRadioClick(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TSetHeightDlg::reject);
    HeightRadioClick();
}

void TSetHeightDlg::reject()
{
    done(kCancelResult);
}

void TSetHeightDlg::HeightRadioClick()
{
    HeightEdit->setEnabled(!NullRadio->isChecked());
    ActionHeight->setEnabled(AddRadio->isChecked() || SubtractRadio->isChecked());
}

void TSetHeightDlg::SetNumberFormat(MapUnits units)
{
    const TNumberFormat format = FormatFor(units);
    for (TFloatEdit* edit : {HeightEdit, ActionHeight}) {
        edit->SetDigits(format.digits);
        edit->setMaxLength(format.length);
    }
}

void TSetHeightDlg::SetInfo(const QString& text)
{
    InfoLabel->setText(text);
}

void TSetHeightDlg::EnableOtherActions(bool enabled)
{
    for (QRadioButton* radio : {NullRadio, AddRadio, SubtractRadio})
        radio->setEnabled(enabled);
}

void TSetHeightDlg::CheckAction(THeightAction action)
{
    switch (action) {
    case THeightAction::SetHeight:
        HeightRadio->setChecked(true);
        break;
    case THeightAction::AddHeight:
        AddRadio->setChecked(true);
        break;
    case THeightAction::SubtractHeight:
        SubtractRadio->setChecked(true);
        break;
    case THeightAction::SetNull:
        NullRadio->setChecked(true);
        break;
    }
    HeightRadioClick();
}

void TSetHeightDlg::SetHeight(double height)
{
    HeightEdit->setText(HeightEdit->Format(height));
}

void TSetHeightDlg::PrepareForNode(const QString& info, MapUnits units, std::int16_t storedHeight)
{
    EnableOtherActions(true);
    SetInfo(info);
    SetNumberFormat(units);
    if (storedHeight == kNullHeight) {
        CheckAction(THeightAction::SetNull);
        HeightEdit->setText("0");
    } else {
        CheckAction(THeightAction::SetHeight);
        // MicroMetric heights keep the field's width of six, as typed ones have.
        HeightEdit->setText(units == MapUnits::MicroMetric ? QString("%1").arg(storedHeight * 0.1, 6, 'f', 1)
                                                           : HeightText(units, storedHeight));
    }
}

void TSetHeightDlg::PrepareForArea(MapUnits units, double lastHeight)
{
    EnableOtherActions(true);
    SetInfo("Set area height");
    SetNumberFormat(units);
    SetHeight(lastHeight);
    HeightRadioClick();
}

void TSetHeightDlg::PrepareForContour(std::optional<MapUnits> units, double lastHeight)
{
    EnableOtherActions(false);
    CheckAction(THeightAction::SetHeight);
    SetInfo("Set contour height");
    if (units)
        SetNumberFormat(*units);
    SetHeight(lastHeight);
}

THeightAction TSetHeightDlg::Action() const
{
    if (HeightRadio->isChecked())
        return THeightAction::SetHeight;
    if (NullRadio->isChecked())
        return THeightAction::SetNull;
    if (AddRadio->isChecked())
        return THeightAction::AddHeight;
    return THeightAction::SubtractHeight;
}

double TSetHeightDlg::Height() const
{
    return HeightEdit->Value();
}

double TSetHeightDlg::Difference() const
{
    return ActionHeight->Value();
}

QString TSetHeightDlg::HeightText() const
{
    return HeightEdit->text().trimmed();
}

QString TSetHeightDlg::HeightText(MapUnits units, std::int16_t storedHeight)
{
    if (units == MapUnits::MicroMetric)
        return QString::number(storedHeight * 0.1, 'f', 1);
    return QString::number(storedHeight);
}

}  // namespace tarn
