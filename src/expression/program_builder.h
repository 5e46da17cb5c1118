// The evaluation program of a compiled function, built from its compacted
// token array: the contents of the brackets from the innermost (highest
// number) to the outermost, each into a slot, then the outer level; inside a
// level, `^` before `*` and `/` before `+` and `-`, each from left to right.
#pragma once

#include "expression/compiled_function.h"

namespace ordinax::expression {

// Builds compiled.program from compiled.tokens; returns 0, or the error id of
// a token sequence that cannot be evaluated (unbalanced brackets, an operator
// without operands, an operand where an operator is due).
int buildProgram(CompiledFunction& compiled);

}  // namespace ordinax::expression
