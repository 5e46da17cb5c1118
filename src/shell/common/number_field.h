// A numeric entry field: the text is checked when the field loses the focus
// (or Enter is pressed); a text that is not a number beeps and shows the
// previous value again, a number out of bounds is refused with its message
// and the field keeps the focus. The checks are base::checkRealField and
// base::checkIntegerField.
#pragma once

#include <QLineEdit>
#include <functional>

#include "base/message.h"
#include "base/number_field.h"

namespace ordinax::shell {

class NumberField : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberField(QWidget* parent = nullptr);

    // A control whose property of this name is true (a dialog's "Annuler")
    // takes the focus without the field being checked: the edit is dropped.
    static constexpr const char* CancelProperty = "ordinaxCancel";

    // A real field within [minimum, maximum] (the default is ±1e35).
    void setRealRange(double minimum, double maximum);
    // An integer field within [minimum, maximum].
    void setIntegerRange(long long minimum, long long maximum);
    // An empty field is refused with "Introduire une valeur dans ce champ !"
    // instead of keeping its previous value.
    void setEmptyRefused(bool refused) { emptyRefused_ = refused; }

    double value() const { return value_; }
    int intValue() const { return static_cast<int>(value_); }
    // Shows the value ("%g" trimmed, or the integer) and takes it as the field's value.
    void setValue(double value);

    // Where a refusal is shown; without one the field only keeps its previous value.
    void setMessageSink(std::function<void(const base::Message&)> sink) { sink_ = std::move(sink); }

    // Checks the typed text now (what losing the focus does); true when accepted.
    bool commit();

signals:
    // A new value was accepted.
    void valueChanged(double value);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    base::NumberFieldCheck check() const;

    double value_ = 0.0;
    bool integer_ = false;
    bool emptyRefused_ = false;
    double minimum_ = -base::FieldLimit;
    double maximum_ = base::FieldLimit;
    bool checking_ = false;
    std::function<void(const base::Message&)> sink_;
};

}  // namespace ordinax::shell
