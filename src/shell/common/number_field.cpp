// A numeric entry field.
#include "shell/common/number_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cmath>

namespace ordinax::shell {

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
}

void NumberField::setRealRange(double minimum, double maximum) {
    integer_ = false;
    minimum_ = minimum;
    maximum_ = maximum;
}

void NumberField::setIntegerRange(long long minimum, long long maximum) {
    integer_ = true;
    minimum_ = static_cast<double>(minimum);
    maximum_ = static_cast<double>(maximum);
}

void NumberField::setValue(double value) {
    value_ = integer_ ? std::round(value) : value;
    setText(integer_ ? QString::number(static_cast<long long>(value_))
                     : QString::fromStdString(base::realFieldText(value_)));
}

base::NumberFieldCheck NumberField::check() const {
    const std::string typed = text().toStdString();
    if (integer_)
        return base::checkIntegerField(typed, static_cast<long long>(minimum_), static_cast<long long>(maximum_),
                                       emptyRefused_);
    return base::checkRealField(typed, minimum_, maximum_, emptyRefused_);
}

bool NumberField::commit() {
    if (checking_) return false;
    const base::NumberFieldCheck result = check();
    switch (result.outcome) {
        case base::NumberFieldCheck::Outcome::Accepted: {
            const bool changed = result.value != value_;
            value_ = result.value;
            if (changed) emit valueChanged(value_);
            return true;
        }
        case base::NumberFieldCheck::Outcome::Restore:
            QApplication::beep();
            setValue(value_);
            return false;
        case base::NumberFieldCheck::Outcome::Refused:
            // The message box takes the focus away: do not check again meanwhile.
            checking_ = true;
            if (sink_) sink_(result.message);
            checking_ = false;
            setValue(value_);
            QTimer::singleShot(0, this, [this] {
                setFocus(Qt::OtherFocusReason);
                selectAll();
            });
            return false;
    }
    return false;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    // The new focus widget is already set when the old one hears of it.
    if (const QWidget* next = QApplication::focusWidget(); next && next->property(CancelProperty).toBool()) return;
    commit();
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The dialog's default button acts on the checked value only.
        if (!commit()) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace ordinax::shell
