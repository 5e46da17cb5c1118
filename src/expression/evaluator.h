// The evaluation of a compiled function at one value of x and of the
// parametric variable.
#pragma once

#include "expression/compiled_function.h"
#include "expression/primitives.h"

namespace ordinax::expression {

// Returns y = f(x) with the parametric variable at p; a failed operation, or
// a result outside ±1e35, raises `flag` (the failed operation counts as 0,
// the final value is then the range limit or 0 as clampResult leaves it, and
// the caller replaces it). `rnd` draws from `random`. Costs no allocation.
double evaluateAt(const CompiledFunction& compiled, double x, double p, MathErrorFlag& flag, RandomGenerator& random);

// The same, `rnd` drawing from the calling thread's default generator.
double evaluateAt(const CompiledFunction& compiled, double x, double p, MathErrorFlag& flag);

}  // namespace ordinax::expression
