// The evaluation of a compiled function: the program runs over a small stack
// and the bracket slots, so that a point costs a few dozen steps and no
// allocation.
#include "expression/evaluator.h"

namespace ordinax::expression {

double evaluateAt(const CompiledFunction& compiled, double x, double p, MathErrorFlag& flag, RandomGenerator& random) {
    double stack[EvaluationStackSize];
    double slots[MaxBrackets + 1];
    int top = 0;
    const Instruction* in = compiled.program.data();
    const Instruction* const end = in + compiled.programSize;
    if (in == end) {
        flag.raise();
        return 0.0;
    }
    for (; in != end; ++in) {
        switch (in->code) {
            case OpCode::PushNumber: stack[top++] = in->value; break;
            case OpCode::PushVariable: stack[top++] = x * in->value; break;
            case OpCode::PushParameter: stack[top++] = p * in->value; break;
            case OpCode::PushSlot: stack[top++] = slots[in->aux] * in->value; break;
            case OpCode::Apply:
                --top;
                stack[top - 1] = applyOperator(static_cast<char>(in->aux), stack[top - 1], stack[top], flag);
                break;
            case OpCode::KeepLeft: --top; break;
            case OpCode::CallFunction:
                stack[top - 1] = applyFunction(in->aux, stack[top - 1], compiled.anglesInDegrees, flag, random) * in->value;
                break;
            case OpCode::StoreSlot: slots[in->aux] = stack[--top]; break;
        }
    }
    double y = stack[0];
    // Operations are range-checked as they go, but a lone number or constant
    // is not: the result obeys the same value range as every computed value.
    if (clampResult(y)) flag.raise();
    return y;
}

double evaluateAt(const CompiledFunction& compiled, double x, double p, MathErrorFlag& flag) {
    return evaluateAt(compiled, x, p, flag, defaultRandomGenerator());
}

}  // namespace ordinax::expression
