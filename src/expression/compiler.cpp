// The compilation of a function definition. Every character of the text first
// becomes one token; the recognised elements overwrite their characters in a
// working copy with blanks, so that whatever is left unblanked is unknown.
#include "expression/compiler.h"

#include <string>

#include "base/format.h"
#include "base/strings.h"
#include "expression/checker.h"
#include "expression/constants.h"
#include "expression/expression_messages.h"
#include "expression/program_builder.h"

namespace ordinax::expression {

namespace {

bool isNumberCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

std::string withNegatedBrackets(std::string_view expression) {
    std::string text;
    text.reserve(compiledLength(expression));
    for (std::size_t i = 0; i < expression.size(); ++i) {
        text += expression[i];
        if (expression[i] == '-' && i + 1 < expression.size() && expression[i + 1] == '(') text += "1*";
    }
    return text;
}

bool isOperandKind(TokenKind kind) {
    return kind == TokenKind::Variable || kind == TokenKind::OpenParen || kind == TokenKind::CloseParen ||
           kind == TokenKind::Value || kind == TokenKind::Function;
}

// The pairs of consecutive tokens that make a syntax error (no implicit product).
bool forbiddenPair(const ExpressionToken& a, const ExpressionToken& b) {
    switch (a.kind) {
        case TokenKind::Value:
            return b.kind == TokenKind::Variable || b.kind == TokenKind::Function || b.kind == TokenKind::OpenParen ||
                   b.kind == TokenKind::Value;
        case TokenKind::Variable:
            return b.kind == TokenKind::Value || b.kind == TokenKind::Function || b.kind == TokenKind::OpenParen;
        case TokenKind::CloseParen: return b.kind == TokenKind::Value || b.kind == TokenKind::Variable;
        case TokenKind::Function: return b.kind == TokenKind::Operator;
        default: return false;
    }
}

class Tokenizer {
public:
    Tokenizer(std::string text, CompiledFunction& compiled)
        : text_(std::move(text)), work_(text_), tokens_(compiled.tokens), compiled_(compiled) {
        for (std::size_t i = 0; i < text_.size(); ++i) tokens_[i] = ExpressionToken{};
    }

    void functions() {
        for (int number = 0; number < FunctionCount; ++number) {
            const std::string_view name = FunctionTable[number];
            for (auto at = work_.find(name); at != std::string::npos; at = work_.find(name, at + 1)) {
                tokens_[at] = ExpressionToken{TokenKind::Function, number, false, 0.0, 1.0};
                // The letters go; the bracket stays for the bracket step.
                for (std::size_t i = at; i + 1 < at + name.size(); ++i) {
                    work_[i] = ' ';
                    if (i > at) tokens_[i].kind = TokenKind::Void;
                }
            }
        }
    }

    void brackets() {
        int counter = 0;
        int open[MaxTokens];
        int depth = 0;
        for (std::size_t i = 0; i < work_.size(); ++i) {
            if (work_[i] == '(') {
                ++counter;
                open[depth++] = counter;
                tokens_[i] = ExpressionToken{TokenKind::OpenParen, counter, false, 0.0, 1.0};
                work_[i] = ' ';
            } else if (work_[i] == ')') {
                // A closing bracket without an open one gets 0, which the
                // program builder refuses as unbalanced.
                const int number = depth > 0 ? open[--depth] : 0;
                tokens_[i] = ExpressionToken{TokenKind::CloseParen, -number, false, 0.0, 1.0};
                work_[i] = ' ';
            }
        }
    }

    void constants() {
        for (int index = 0; index < compiled_.constantCount; ++index) {
            const ConstantDef& constant = compiled_.constants[static_cast<std::size_t>(index)];
            const std::string& name = constant.name;
            if (name.empty()) continue;
            for (auto at = work_.find(name); at != std::string::npos; at = work_.find(name, at + 1)) {
                // "2e5" style: an e right after a number is not the constant e.
                if (name[0] == 'e' && at > 0 && isNumberCharacter(work_[at - 1])) continue;
                tokens_[at] = ExpressionToken{TokenKind::Value, index, constant.isParameter, constant.value, 1.0};
                for (std::size_t i = at; i < at + name.size(); ++i) {
                    work_[i] = ' ';
                    if (i > at) tokens_[i].kind = TokenKind::Void;
                }
            }
        }
    }

    void variables() {
        for (std::size_t i = 0; i < work_.size(); ++i) {
            if (work_[i] != 'x') continue;
            tokens_[i] = ExpressionToken{TokenKind::Variable, 0, false, 0.0, 1.0};
            work_[i] = ' ';
        }
    }

    void numbers() {
        std::size_t i = 0;
        while (i < work_.size()) {
            if (!isNumberCharacter(work_[i])) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < work_.size() && isNumberCharacter(work_[end])) ++end;
            // A run that is not one number ("1.2.3") stays as an unknown element.
            if (const auto value = base::parseNumber(std::string_view(work_).substr(i, end - i))) {
                tokens_[i] = ExpressionToken{TokenKind::Value, 0, false, *value, 1.0};
                for (std::size_t j = i; j < end; ++j) {
                    work_[j] = ' ';
                    if (j > i) tokens_[j].kind = TokenKind::Void;
                }
            }
            i = end;
        }
    }

    void operators() {
        for (std::size_t i = 0; i < work_.size(); ++i) {
            const auto position = OperatorTable.find(work_[i]);
            if (work_[i] == ' ' || position == std::string_view::npos) continue;
            const char c = work_[i];
            const TokenKind before = i > 0 ? tokens_[i - 1].kind : TokenKind::Unclassified;
            const bool afterOperator = before == TokenKind::Operator || before == TokenKind::OpenParen;
            // Only + and - can be signs, and only in front of an operand; any
            // other operator there is left to the syntax check of the program.
            if (afterOperator && (c == '+' || c == '-') && i + 1 < work_.size() && isOperandKind(tokens_[i + 1].kind)) {
                tokens_[i + 1].coefficient = c == '-' ? -1.0 : 1.0;
                tokens_[i].kind = TokenKind::Void;
            } else {
                tokens_[i] = ExpressionToken{TokenKind::Operator, static_cast<int>(position), false, 0.0, 1.0};
            }
            work_[i] = ' ';
        }
    }

    // Drops the "y=", the blanks and the absorbed characters.
    int compact() {
        tokens_[0].kind = TokenKind::Void;
        tokens_[1].kind = TokenKind::Void;
        int count = 0;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            if (tokens_[i].kind == TokenKind::Void || text_[i] == ' ') continue;
            tokens_[static_cast<std::size_t>(count++)] = tokens_[i];
        }
        return count;
    }

    bool leftover() const { return work_.find_first_not_of(' ', 2) != std::string::npos; }

private:
    std::string text_;
    std::string work_;
    std::array<ExpressionToken, MaxTokens>& tokens_;
    CompiledFunction& compiled_;
};

}  // namespace

base::Message compileExpression(const document::FunctionDef& def, CompiledFunction& compiled) {
    compiled.tokenCount = 0;
    compiled.programSize = 0;
    compiled.anglesInDegrees = def.anglesInDegrees != 0;
    readConstants(def, compiled);

    std::string text = withNegatedBrackets(def.expression);
    if (!text.starts_with("y=")) return expressionError(base::MsgMustStartWithY, ErrorContext::Function);
    if (text.size() > static_cast<std::size_t>(MaxTokens))
        return expressionError(base::MsgExpressionTooLong, ErrorContext::Function);

    Tokenizer tokenizer(std::move(text), compiled);
    tokenizer.functions();
    tokenizer.brackets();
    tokenizer.constants();
    tokenizer.variables();
    tokenizer.numbers();
    tokenizer.operators();
    const int count = tokenizer.compact();
    compiled.tokenCount = count;
    if (tokenizer.leftover()) return expressionError(base::MsgUnknownElement, ErrorContext::Function);
    for (int i = 0; i + 1 < count; ++i)
        if (forbiddenPair(compiled.tokens[static_cast<std::size_t>(i)], compiled.tokens[static_cast<std::size_t>(i + 1)]))
            return expressionError(base::MsgSyntaxError, ErrorContext::Function);

    if (const int error = buildProgram(compiled)) {
        compiled.programSize = 0;
        return expressionError(error, ErrorContext::Function);
    }
    return {};
}

}  // namespace ordinax::expression
