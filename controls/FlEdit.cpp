#include "controls/FlEdit.h"

#include "controls/ControlMessages.h"
#include "controls/Messages.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>

namespace tarn {

namespace {

// A double holds 15 significant decimal digits exactly; decimals beyond them are
// written as zeros instead of binary noise.
constexpr int SignificantDigits = 15;

// Runs an operation of the edit; a failure inside it is reported with the
// given message and does not stop the program.
template <typename Operation>
void Guarded(const char* failureMessage, Operation&& operation)
{
    try {
        operation();
    } catch (const std::exception&) {
        ShowMessage(failureMessage);
    }
}

}  // namespace

TFloatEdit::TFloatEdit(QWidget* parent) : QLineEdit(parent)
{
    Guarded(msg::FloatEditCreateFailed, [this] {
        const QString point = QLocale().decimalPoint();
        separator_ = point.isEmpty() ? QChar('.') : point.front();
        setText(Format(0));
        connect(this, &QLineEdit::textChanged, this, [this] { emit ValueChanged(Value()); });
    });
}

QString TFloatEdit::Format(double value) const
{
    const double magnitude = std::fabs(value);
    const int integerDigits = magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int exactDecimals = std::clamp(SignificantDigits - integerDigits, 0, digits_);
    QString text = QString::number(value, 'f', exactDecimals);
    if (exactDecimals < digits_) {
        if (exactDecimals == 0)
            text += '.';
        text += QString(digits_ - exactDecimals, '0');
    }
    text.replace('.', separator_);
    return text;
}

std::optional<double> TFloatEdit::Parse(const QString& text) const
{
    if (text.isEmpty() || text == "-" || text == QString(separator_))
        return 0.0;
    QString plain = text;
    // Only this edit's own separator counts; a foreign one makes the text unreadable.
    if (separator_ != '.' && plain.contains('.'))
        return std::nullopt;
    plain.replace(separator_, '.');
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double TFloatEdit::Value() const
{
    return std::clamp(Parse(text()).value_or(min_), min_, max_);
}

void TFloatEdit::ReportRange(double value) const
{
    if ((value > max_ || value < min_) && errorMessage_ != NoText)
        ShowMessage(errorMessage_, {}, MessageKind::Warning);
}

void TFloatEdit::SetValue(double value)
{
    Guarded(msg::FloatEditFailed, [&] {
        ReportRange(value);
        setText(Format(std::clamp(value, min_, max_)));
    });
}

void TFloatEdit::SetMin(double min)
{
    Guarded(msg::FloatEditFailed, [&] {
        if (min > max_) {
            ShowMessage(msg::MinAboveMax, {}, MessageKind::Warning);
            min = max_;
        }
        min_ = min;
        SetValue(Value());
    });
}

void TFloatEdit::SetMax(double max)
{
    Guarded(msg::FloatEditFailed, [&] {
        if (max < min_) {
            ShowMessage(msg::MaxBelowMin, {}, MessageKind::Warning);
            max = min_;
        }
        max_ = max;
        SetValue(Value());
    });
}

void TFloatEdit::SetDigits(int digits)
{
    Guarded(msg::FloatEditFailed, [&] {
        const double value = Value();
        digits_ = std::clamp(digits, 0, MaxDigits);
        SetValue(value);
    });
}

bool TFloatEdit::FilterKey(QChar key)
{
    const bool isSeparator = key == separator_;
    const bool isMinus = key == '-';
    if (!key.isDigit() && !isSeparator && !isMinus)
        return false;

    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString rest = QString(text()).remove(position, selectedText().size());
    const QString next = QString(rest).insert(position, key);

    if (isSeparator && (rest.contains(separator_) || digits_ == 0))
        return false;
    if (isMinus && (rest.contains('-') || min_ >= 0))
        return false;
    if (next.lastIndexOf('-') > 0)
        return false;
    const int separatorAt = next.indexOf(separator_);
    if (separatorAt >= 0 && next.size() - separatorAt - 1 > digits_)
        return false;

    if (next == QString(separator_)) {
        setText(QString("0") + separator_ + "0");
        setSelection(2, 1);
        return false;
    }
    if (next == "-") {
        setText("-0");
        setSelection(1, 1);
        return false;
    }
    return true;
}

void TFloatEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        SetValue(oldValue_);
        selectAll();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed.front().isPrint();
    if (!printable || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    bool accepted = false;
    Guarded(msg::FloatEditFailed, [&] { accepted = FilterKey(typed.front()); });
    if (accepted)
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

void TFloatEdit::focusInEvent(QFocusEvent* event)
{
    // Coming back from another window or a popup is no new entry into the field.
    if (!inField_) {
        inField_ = true;
        Guarded(msg::FloatEditFailed, [this] { oldValue_ = Value(); });
    }
    QLineEdit::focusInEvent(event);
}

void TFloatEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a popup is not leaving the
    // field: the user comes back to the same half-typed text.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    inField_ = false;
    if (checkOnLeave_)
        Guarded(msg::FloatEditFailed, [this] { CheckLeftText(); });
}

void TFloatEdit::CheckLeftText()
{
    const std::optional<double> typed = Parse(text());
    if (typed && *typed >= min_ && *typed <= max_) {
        setText(Format(*typed));
        return;
    }
    if (errorMessage_ != NoText)
        ShowMessage(errorMessage_, {}, MessageKind::Warning);
    SetValue(oldValue_);
    selectAll();
    // The focus is moving elsewhere right now; take it back once that is done.
    QTimer::singleShot(0, this, [this] {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

}  // namespace tarn
