// FlEdit.h: TFloatEdit, the edit box for real numbers.
#pragma once

#include <QLineEdit>
#include <QString>

#include <optional>

namespace tarn {

// A single-line edit for real numbers: a range, a fixed number of decimals,
// keystroke filtering and a check when the field is left. The decimal
// separator is the one of the default QLocale when the edit is created.
class TFloatEdit : public QLineEdit {
    Q_OBJECT

public:
    // The text that stands for "show no message".
    static inline const QString NoText = QStringLiteral("[No Text]");
    static constexpr int MaxDigits = 18;

    explicit TFloatEdit(QWidget* parent = nullptr);

    // The number in the text, limited to Min..Max; an empty text, "-" or the
    // separator alone count as 0, an unreadable text as Min.
    double Value() const;
    // Out-of-range values become the nearest bound (with ErrorMessage).
    void SetValue(double value);

    double Min() const { return min_; }
    // A minimum above Max is reported and becomes Max.
    void SetMin(double min);
    double Max() const { return max_; }
    // A maximum below Min is reported and becomes Min.
    void SetMax(double max);
    int Digits() const { return digits_; }
    // Decimals shown, 0..18; 0 forbids the separator.
    void SetDigits(int digits);
    const QString& ErrorMessage() const { return errorMessage_; }
    void SetErrorMessage(const QString& message) { errorMessage_ = message; }

    // Whether leaving the field checks the text against Min..Max (and puts
    // the old value back when it fails). A dialog that checks its fields
    // itself when OK is pressed turns it off, so the text stays as typed.
    bool CheckOnLeave() const { return checkOnLeave_; }
    void SetCheckOnLeave(bool check) { checkOnLeave_ = check; }

    QChar DecimalSeparator() const { return separator_; }
    // The value formatted with Digits decimals and this edit's separator.
    QString Format(double value) const;
    // The number a text stands for, or nothing when it is unreadable.
    std::optional<double> Parse(const QString& text) const;

signals:
    // Fired whenever the text changes, with the value it now stands for.
    void ValueChanged(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // True when the typed character may go in; may also rewrite the text
    // itself (a lone separator or minus) and then consume the key.
    bool FilterKey(QChar key);
    void ReportRange(double value) const;
    void CheckLeftText();

    QChar separator_;
    double min_ = 0;
    double max_ = 99999999.9;
    int digits_ = 1;
    QString errorMessage_ = NoText;
    // The value when the field was entered, and whether it still is.
    double oldValue_ = 0;
    bool inField_ = false;
    bool checkOnLeave_ = true;
};

}  // namespace tarn
