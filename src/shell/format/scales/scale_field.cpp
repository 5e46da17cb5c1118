// A checked bound or step field of the scale dialog.
#include "shell/format/scales/scale_field.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include "base/format.h"

namespace ordinax::shell {

ScaleField::ScaleField(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
}

void ScaleField::setValue(double value) {
    value_ = value;
    setText(QString::fromStdString(base::numberText(value)));
}

bool ScaleField::commit() {
    if (checking_) return false;
    const QString typed = text();
    if (typed == QString::fromStdString(base::numberText(value_))) return true;
    const render::ScaleFieldCheck result = render::checkScaleField(typed.toStdString(), field_, kind_);
    switch (result.outcome) {
        case render::ScaleFieldCheck::Outcome::Accepted: {
            const bool changed = result.value != value_;
            value_ = result.value;
            if (changed) emit valueChanged(value_);
            return true;
        }
        case render::ScaleFieldCheck::Outcome::Restore:
            setValue(value_);
            return false;
        case render::ScaleFieldCheck::Outcome::Refused:
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

void ScaleField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    // Leaving for Cancel gives up the edit: no message stands in the way.
    if (cancel_ && QApplication::focusWidget() == cancel_) return;
    commit();
}

void ScaleField::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !commit()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace ordinax::shell
