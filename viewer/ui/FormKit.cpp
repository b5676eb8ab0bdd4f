#include "viewer/ui/FormKit.h"

#include "controls/EnhTrackBar.h"
#include "controls/FlEdit.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace tarn {

namespace {

QString WithoutAccelerator(QString caption)
{
    return caption.remove('&');
}

}  // namespace

QGroupBox* MakeGroup(QWidget* parent, const QString& title)
{
    return new QGroupBox(title, parent);
}

QLabel* MakeCaption(QWidget* parent, const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, const QString& accessibleName, int minimum, int maximum)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(WithoutAccelerator(accessibleName));
    spin->setRange(minimum, maximum);
    spin->setKeyboardTracking(false);
    return spin;
}

QSpinBox* AddSpinRow(QGridLayout* grid, int row, int column, const char* name, const QString& caption, int minimum,
                     int maximum)
{
    QWidget* parent = grid->parentWidget();
    QSpinBox* spin = MakeSpin(parent, name, caption, minimum, maximum);
    grid->addWidget(MakeCaption(parent, caption, spin), row, column);
    grid->addWidget(spin, row, column + 1);
    return spin;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setAccessibleName(WithoutAccelerator(caption));
    return check;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(WithoutAccelerator(caption));
    button->setAutoDefault(false);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

void AddOkCancelHelpRow(QDialog* dialog, QBoxLayout* column, std::function<void()> showHelp)
{
    auto* buttons = new QHBoxLayout;
    auto* ok = MakeButton(dialog, "OKBtn", "OK");
    ok->setDefault(true);
    auto* cancel = MakeButton(dialog, "CancelBtn", "Cancel");
    auto* help = MakeButton(dialog, "HelpBtn", "&Help");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    column->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, std::move(showHelp));
}

TFloatEdit* MakeNumberEdit(QWidget* parent, const char* name, const QString& accessibleName, double minimum,
                           double maximum)
{
    auto* edit = new TFloatEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(WithoutAccelerator(accessibleName));
    edit->SetDigits(0);
    edit->SetMin(minimum);
    edit->SetMax(maximum);
    edit->SetValue(minimum);
    return edit;
}

QLineEdit* MakeLineEdit(QWidget* parent, const char* name, const QString& accessibleName, bool readOnly)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(WithoutAccelerator(accessibleName));
    edit->setReadOnly(readOnly);
    return edit;
}

TEnhTrackBar* MakeTrackBar(QWidget* parent, const char* name, const QString& accessibleName, int minimum, int maximum)
{
    auto* bar = new TEnhTrackBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(WithoutAccelerator(accessibleName));
    bar->setRange(minimum, maximum);
    return bar;
}

QFileDialog* MakeOpenFileDialog(QWidget* parent, const char* name, const QString& caption, const QString& filter)
{
    auto* dialog = new QFileDialog(parent, caption, {}, filter);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

QFileDialog* MakeSaveFileDialog(QWidget* parent, const char* name, const QString& caption, const QString& filter,
                                const QString& suffix)
{
    auto* dialog = new QFileDialog(parent, caption, {}, filter);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    return dialog;
}

}  // namespace tarn
