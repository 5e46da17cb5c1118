// Typing filters of text fields.
#include "shell/analysis_function/typing_filter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>


namespace ordinax::shell {

namespace {

int& fillDepth() {
    static int depth = 0;
    return depth;
}

}  // namespace

ProgramFill::ProgramFill() { ++fillDepth(); }
ProgramFill::~ProgramFill() { --fillDepth(); }
bool ProgramFill::active() { return fillDepth() > 0; }

TypingFilter::TypingFilter(TextRule rule, QObject* parent) : QValidator(parent), rule_(std::move(rule)) {}

QValidator::State TypingFilter::validate(QString& input, int&) const {
    if (ProgramFill::active() || rule_(modelText(input))) return Acceptable;
    QApplication::beep();
    return Invalid;
}

void filterTyping(QLineEdit* field, TextRule rule) { field->setValidator(new TypingFilter(std::move(rule), field)); }

PlainTextFilter::PlainTextFilter(QPlainTextEdit* field, TextRule rule)
    : QObject(field), field_(field), rule_(std::move(rule)), accepted_(field->toPlainText()) {
    connect(field, &QPlainTextEdit::textChanged, this, &PlainTextFilter::changed);
    connect(field, &QPlainTextEdit::cursorPositionChanged, this, &PlainTextFilter::moved);
}

void PlainTextFilter::moved() {
    if (restoring_ || field_->toPlainText() != accepted_) return;
    anchor_ = field_->textCursor().anchor();
    position_ = field_->textCursor().position();
}

void PlainTextFilter::changed() {
    if (restoring_) return;
    const QString now = field_->toPlainText();
    if (ProgramFill::active() || rule_(modelText(now))) {
        accepted_ = now;
        anchor_ = field_->textCursor().anchor();
        position_ = field_->textCursor().position();
        return;
    }
    QApplication::beep();
    restoring_ = true;
    field_->setPlainText(accepted_);
    QTextCursor cursor = field_->textCursor();
    cursor.setPosition(std::min<int>(anchor_, static_cast<int>(accepted_.size())));
    cursor.setPosition(std::min<int>(position_, static_cast<int>(accepted_.size())), QTextCursor::KeepAnchor);
    field_->setTextCursor(cursor);
    restoring_ = false;
}

void filterTyping(QPlainTextEdit* field, TextRule rule) { new PlainTextFilter(field, std::move(rule)); }

}  // namespace ordinax::shell
