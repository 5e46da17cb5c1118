// The checks that accept or refuse a function definition before it is
// compiled: the expression with its constants, and the parametric family.
#pragma once

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::expression {

// Checks the syntax of the expression and the constants. Blanks are first
// removed from the stored expression (an empty text, "y" or "y=" becomes
// "y=0"); returns the message of the first failing check, or an empty message.
base::Message checkExpression(document::FunctionDef& def);

// Checks the parametric variable and its domain when the definition is
// parametric. `curveCount` is the number of curves of the diagram and
// `previousFamilySize` the number of curves the definition had when its editing
// began (1 when it was not parametric): the family must fit in the diagram.
base::Message checkParametricFamily(const document::FunctionDef& def, int curveCount, int previousFamilySize);

// The length of the expression once every "-(" is written "-1*(", which is the
// number of tokens its compilation needs.
std::size_t compiledLength(std::string_view expression);

}  // namespace ordinax::expression
