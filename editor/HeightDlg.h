// HeightDlg.h: TSetHeightDlg, the "Set Height" dialog of the height tools.
#pragma once

#include "model/MapHeader.h"
#include "model/edits/HeightRule.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace tarn {

class TFloatEdit;

// Asks for a height and what to do with it: Set as Height, Add Height,
// Subtract Height (by the Difference) or Set to Null. Made once and reused,
// so the action and the heights stay as last used. Each tool prepares it
// with the pieces below, runs exec() and reads the answer; OK returns
// kOkResult, Cancel (or Escape) kCancelResult.
class TSetHeightDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kOkResult = 1;
    static constexpr int kCancelResult = 2;

    explicit TSetHeightDlg(QWidget* parent = nullptr);

    // Length and decimals of both number fields for a map's units.
    void SetNumberFormat(MapUnits units);
    void SetInfo(const QString& text);
    // Set to Null, Add Height and Subtract Height together.
    void EnableOtherActions(bool enabled);
    void CheckAction(THeightAction action);
    // The height field shows the value in the current format.
    void SetHeight(double height);

    // For one node: its place, the map's format, and its height (a Null
    // node checks Set to Null and shows 0).
    void PrepareForNode(const QString& info, MapUnits units, std::int16_t storedHeight);
    // For an area: every action offered, the last height shown, the
    // action kept from the last use.
    void PrepareForArea(MapUnits units, double lastHeight);
    // For a traced contour: Set as Height only, the last height shown, and
    // the map's number format first when units are given.
    void PrepareForContour(std::optional<MapUnits> units, double lastHeight);

    THeightAction Action() const;
    // The typed height and the difference, in display units.
    double Height() const;
    double Difference() const;
    THeightChange Change() const { return {Action(), Difference()}; }
    // The height field's text without surrounding blanks.
    QString HeightText() const;

    // A stored height as this dialog shows it: whole feet or metres, or
    // metres with one decimal on MicroMetric maps.
    static QString HeightText(MapUnits units, std::int16_t storedHeight);

    void reject() override;

private:
    void HeightRadioClick();

    QGroupBox* GroupBox2;
    QLabel* InfoLabel;
    QLabel* HeightLabel;
    TFloatEdit* HeightEdit;
    QGroupBox* GroupBox1;
    QRadioButton* HeightRadio;
    QRadioButton* AddRadio;
    QRadioButton* SubtractRadio;
    QRadioButton* NullRadio;
    QLabel* Label1;
    TFloatEdit* ActionHeight;
};

}  // namespace tarn
