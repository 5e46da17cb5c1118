// The compilation of a checked function definition into its flat token array
// and the evaluation program derived from it.
#pragma once

#include "base/message.h"
#include "document/diagram.h"
#include "expression/compiled_function.h"

namespace ordinax::expression {

// Compiles the expression and the constants of `def` into `compiled`; returns
// the error message (an unknown element or undefined constant, a syntax error,
// an expression too long for the token array), or an empty message.
base::Message compileExpression(const document::FunctionDef& def, CompiledFunction& compiled);

}  // namespace ordinax::expression
