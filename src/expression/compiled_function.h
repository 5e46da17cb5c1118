// The compiled form of an analytic function y = f(x): its constant table, the
// flat token array built from the expression text, and the evaluation program
// derived from that array so that a point costs no parsing and no allocation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "expression/primitives.h"

namespace ordinax::expression {

inline constexpr int MaxConstants = 20;
// One token per character of the expression text.
inline constexpr int MaxTokens = 128;
inline constexpr std::size_t MaxConstantValueLength = 25;
// Brackets take two characters each, so a text of MaxTokens holds at most this many.
inline constexpr int MaxBrackets = MaxTokens / 2;
inline constexpr int MaxInstructions = 2 * MaxTokens + MaxBrackets;
inline constexpr int EvaluationStackSize = 16;

// Operators by position: '=' 0, '^' 1, '*' 2, '/' 3, '+' 4, '-' 5.
inline constexpr std::string_view OperatorTable = "=^*/+-";

// Function names with their opening bracket, searched in this order; the
// position is the function's number.
inline constexpr std::string_view FunctionTable[FunctionCount] = {
    "abs(", "acos(", "asin(", "atn(", "cos(", "cosh(", "exp(", "fix(", "int(",
    "log(", "ln(", "rnd(", "__sgn(", "sin(", "sinh(", "sqr(", "tan(", "tanh(",
};

enum class TokenKind : int {
    Void = 0,        // absorbed into a neighbouring token
    Variable = 1,    // the x of the expression
    OpenParen = 2,   // aux: the bracket's number, in order of opening
    CloseParen = 3,  // aux: minus the number of its opening bracket
    Value = 4,       // aux: index of the constant, 0 for a literal number
    Operator = 5,    // aux: position in OperatorTable
    Function = 6,    // aux: number in FunctionTable
    Unclassified = 7,
};

struct ExpressionToken {
    TokenKind kind = TokenKind::Unclassified;
    int aux = 0;
    bool isParameter = false;
    double value = 0.0;
    double coefficient = 1.0;  // the unary sign carried by the token
};

struct ConstantDef {
    std::string name;  // 1 or 2 characters
    double value = 0.0;
    bool isParameter = false;  // takes the family's parameter value
};

// One step of the evaluation program. Bracket contents are evaluated into
// slots, innermost (highest number) first, then the outer level; inside a
// level the operands are pushed and the operators applied in postfix order.
enum class OpCode : std::uint8_t {
    PushNumber,     // push value
    PushVariable,   // push x × value
    PushParameter,  // push p × value
    PushSlot,       // push slot[aux] × value
    Apply,          // pop b, pop a, push applyOperator(aux, a, b)
    KeepLeft,       // pop b, pop a, push a (a second '=' keeps what stands before it)
    CallFunction,   // top = applyFunction(aux, top) × value
    StoreSlot,      // slot[aux] = pop
};

struct Instruction {
    OpCode code = OpCode::PushNumber;
    std::uint8_t aux = 0;
    double value = 0.0;
};

struct CompiledFunction {
    std::array<ConstantDef, MaxConstants> constants;
    int constantCount = 0;
    std::array<ExpressionToken, MaxTokens> tokens;
    int tokenCount = 0;
    bool anglesInDegrees = true;
    std::array<Instruction, MaxInstructions> program;
    int programSize = 0;
};

}  // namespace ordinax::expression
