// Typing filters of text fields: a change that would put a character the
// field does not take is refused with the warning sound, and the field keeps
// its text and selection. The rule itself is a core function over the
// Windows-1252 text of the field.
#pragma once

#include <QObject>
#include <QString>
#include <QValidator>
#include <functional>
#include <string>
#include <string_view>

#include "shell/common/model_text.h"

class QLineEdit;
class QPlainTextEdit;

namespace ordinax::shell {

using TextRule = std::function<bool(std::string_view)>;


// While one exists, the fields are being filled by the program: nothing is
// checked aloud and multi-line fields take the text as it is.
class ProgramFill {
public:
    ProgramFill();
    ~ProgramFill();
    ProgramFill(const ProgramFill&) = delete;
    ProgramFill& operator=(const ProgramFill&) = delete;
    static bool active();
};

class TypingFilter : public QValidator {
    Q_OBJECT

public:
    TypingFilter(TextRule rule, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    TextRule rule_;
};

// Filters what is typed into a line field.
void filterTyping(QLineEdit* field, TextRule rule);

// Filters what is typed into a multi-line field: a refused change is undone
// and the previous cursor and selection come back.
class PlainTextFilter : public QObject {
    Q_OBJECT

public:
    PlainTextFilter(QPlainTextEdit* field, TextRule rule);

private:
    void changed();
    void moved();

    QPlainTextEdit* field_;
    TextRule rule_;
    QString accepted_;
    int anchor_ = 0;
    int position_ = 0;
    bool restoring_ = false;
};

void filterTyping(QPlainTextEdit* field, TextRule rule);

}  // namespace ordinax::shell
