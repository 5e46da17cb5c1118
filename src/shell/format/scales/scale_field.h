// An origin, extremity or step field of the scale dialog: checked when it
// loses the focus (or Enter is pressed) by the rules of the scale's kind; a
// refusal shows its message, puts the previous value back and keeps the
// focus, unless the focus went to the Cancel button.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "base/message.h"
#include "render/scale_checks.h"

namespace ordinax::shell {

class ScaleField : public QLineEdit {
    Q_OBJECT

public:
    explicit ScaleField(QWidget* parent = nullptr);

    void setField(render::ScaleField field) { field_ = field; }
    void setKind(int kind) { kind_ = kind; }
    // The button whose click is not held up by a refused value.
    void setCancelButton(QWidget* button) { cancel_ = button; }
    void setMessageSink(std::function<void(const base::Message&)> sink) { sink_ = std::move(sink); }

    double value() const { return value_; }
    // Shows a value ("%g") and takes it as the field's value.
    void setValue(double value);

    // Checks the typed text now; true when it was accepted.
    bool commit();

signals:
    void valueChanged(double value);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    render::ScaleField field_ = render::ScaleField::Origin;
    int kind_ = 0;
    double value_ = 0.0;
    bool checking_ = false;
    QPointer<QWidget> cancel_;
    std::function<void(const base::Message&)> sink_;
};

}  // namespace ordinax::shell
