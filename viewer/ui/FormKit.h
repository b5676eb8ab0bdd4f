#pragma once

#include <QLabel>
#include <QString>

#include <functional>

class QBoxLayout;
class QCheckBox;
class QDialog;
class QFileDialog;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace tarn {

class TEnhTrackBar;
class TFloatEdit;

// Builders for the dialog controls: each gets its object name, and its
// caption (or hint) as accessible name; a caption is put in a label beside
// it, which is the control's buddy.
QGroupBox* MakeGroup(QWidget* parent, const QString& title);
QLabel* MakeCaption(QWidget* parent, const QString& caption, QWidget* buddy);
// A spin box that reports its value when editing finishes (Enter, leaving
// the field, the arrows), not on every keystroke.
QSpinBox* MakeSpin(QWidget* parent, const char* name, const QString& accessibleName, int minimum, int maximum);
// A spin with its caption on a grid row: caption in column, spin next to it.
QSpinBox* AddSpinRow(QGridLayout* grid, int row, int column, const char* name, const QString& caption, int minimum,
                     int maximum);
QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
// A whole-number edit (no decimals) of a range.
TFloatEdit* MakeNumberEdit(QWidget* parent, const char* name, const QString& accessibleName, double minimum,
                           double maximum);
QLineEdit* MakeLineEdit(QWidget* parent, const char* name, const QString& accessibleName, bool readOnly = false);
// The "OK" (default, so Enter presses it), "Cancel" and "&Help" row at the
// foot of a dialog: OK accepts, Cancel rejects, Help calls showHelp.
void AddOkCancelHelpRow(QDialog* dialog, QBoxLayout* column, std::function<void()> showHelp);
// File dialogs drawn by Qt rather than the desktop, so that tests and
// screen readers reach their fields: one that opens an existing file, and
// one that saves, adding `suffix` to a name typed without one.
QFileDialog* MakeOpenFileDialog(QWidget* parent, const char* name, const QString& caption, const QString& filter);
QFileDialog* MakeSaveFileDialog(QWidget* parent, const char* name, const QString& caption, const QString& filter,
                                const QString& suffix);
TEnhTrackBar* MakeTrackBar(QWidget* parent, const char* name, const QString& accessibleName, int minimum, int maximum);

}  // namespace tarn
