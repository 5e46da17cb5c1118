// The evaluation program of a compiled function.
#include "expression/program_builder.h"

#include "base/strings.h"

namespace ordinax::expression {

namespace {

// Binding strength of the operators by position in OperatorTable ("=^*/+-"):
// a second "=" binds loosest of all and keeps what stands before it.
constexpr int Precedence[] = {0, 3, 2, 2, 1, 1};

struct Bracket {
    int open = -1;   // token index of the OpenParen
    int close = -1;  // token index of its CloseParen
};

class Builder {
public:
    explicit Builder(CompiledFunction& compiled) : c_(compiled) {}

    int build() {
        if (!matchBrackets()) return base::MsgBracketCount;
        // Innermost first (the highest number): a function of a bracket is then
        // computed in the same order as the brackets were reduced, rnd included.
        for (int k = bracketCount_; k >= 1; --k) {
            const Bracket& b = brackets_[k];
            if (!level(b.open + 1, b.close)) return base::MsgSyntaxError;
            if (b.open > 0 && token(b.open - 1).kind == TokenKind::Function) {
                const ExpressionToken& f = token(b.open - 1);
                if (!emit(OpCode::CallFunction, f.aux, f.coefficient)) return base::MsgSyntaxError;
            }
            if (!emit(OpCode::StoreSlot, k, 0.0)) return base::MsgSyntaxError;
        }
        if (!level(0, c_.tokenCount)) return base::MsgSyntaxError;
        return 0;
    }

private:
    const ExpressionToken& token(int i) const { return c_.tokens[static_cast<std::size_t>(i)]; }

    bool emit(OpCode code, int aux, double value) {
        if (c_.programSize >= MaxInstructions) return false;
        c_.program[static_cast<std::size_t>(c_.programSize++)] = Instruction{code, static_cast<std::uint8_t>(aux), value};
        return true;
    }

    // Pairs every bracket with its closing one; the numbers must be those of
    // a proper nesting (the compiler numbers them in order of opening).
    bool matchBrackets() {
        int stack[MaxTokens];
        int depth = 0;
        for (int i = 0; i < c_.tokenCount; ++i) {
            const ExpressionToken& t = token(i);
            if (t.kind == TokenKind::OpenParen) {
                if (t.aux != bracketCount_ + 1 || t.aux > MaxBrackets) return false;
                ++bracketCount_;
                brackets_[bracketCount_].open = i;
                stack[depth++] = t.aux;
            } else if (t.kind == TokenKind::CloseParen) {
                if (depth == 0 || t.aux != -stack[depth - 1]) return false;
                brackets_[stack[--depth]].close = i;
            }
        }
        return depth == 0;
    }

    // Emits one operand starting at token i; returns the token after it, or -1.
    int operand(int i, int end) {
        const ExpressionToken& t = token(i);
        switch (t.kind) {
            case TokenKind::Value:
                if (t.isParameter) return emit(OpCode::PushParameter, 0, t.coefficient) ? i + 1 : -1;
                return emit(OpCode::PushNumber, 0, t.value * t.coefficient) ? i + 1 : -1;
            case TokenKind::Variable: return emit(OpCode::PushVariable, 0, t.coefficient) ? i + 1 : -1;
            case TokenKind::Function: {
                // The function's own sign is applied with its value, in the slot.
                if (i + 1 >= end || token(i + 1).kind != TokenKind::OpenParen) return -1;
                const int k = token(i + 1).aux;
                return emit(OpCode::PushSlot, k, 1.0) ? brackets_[k].close + 1 : -1;
            }
            case TokenKind::OpenParen: {
                const int k = t.aux;
                return emit(OpCode::PushSlot, k, t.coefficient) ? brackets_[k].close + 1 : -1;
            }
            default: return -1;
        }
    }

    // Emits the postfix program of the flat range [begin, end): operands
    // alternating with operators, at least one operand.
    bool level(int begin, int end) {
        int pending[8];
        int pendingCount = 0;
        int depth = 0;
        int i = begin;
        while (true) {
            if (i >= end) return false;
            i = operand(i, end);
            if (i < 0 || i > end) return false;
            if (++depth > EvaluationStackSize) return false;
            if (i == end) break;
            const ExpressionToken& op = token(i);
            if (op.kind != TokenKind::Operator || op.aux < 0 || op.aux >= static_cast<int>(OperatorTable.size()))
                return false;
            // Left to right within a level: an operator of the same or a
            // stronger level waiting on the left is applied first.
            while (pendingCount > 0 && Precedence[pending[pendingCount - 1]] >= Precedence[op.aux]) {
                if (!apply(pending[--pendingCount])) return false;
                --depth;
            }
            pending[pendingCount++] = op.aux;
            ++i;
        }
        while (pendingCount > 0) {
            if (!apply(pending[--pendingCount])) return false;
            --depth;
        }
        return true;
    }

    bool apply(int position) {
        if (position == 0) return emit(OpCode::KeepLeft, 0, 0.0);
        return emit(OpCode::Apply, static_cast<unsigned char>(OperatorTable[static_cast<std::size_t>(position)]), 0.0);
    }

    CompiledFunction& c_;
    Bracket brackets_[MaxBrackets + 1];
    int bracketCount_ = 0;
};

}  // namespace

int buildProgram(CompiledFunction& compiled) {
    compiled.programSize = 0;
    return Builder(compiled).build();
}

}  // namespace ordinax::expression
