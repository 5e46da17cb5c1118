// The named constants of a function: the definitions "name=value" of the
// constants field (and the parametric variable, defined as "p=?"), their check
// and their reading into the constant table of the compiled form.
#pragma once

#include <string>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "expression/compiled_function.h"

namespace ordinax::expression {

// Returns the definitions in order: the stored text without blanks and carriage
// returns, split at line feeds and ";", with "variable=?" appended for a
// parametric definition that names its variable.
std::vector<std::string> constantItems(const document::FunctionDef& def);

// Checks every definition (name, value, count); returns the error message of
// the first faulty one in the context "constante n", or an empty message.
base::Message checkConstants(const document::FunctionDef& def);

// Fills the constant table of `compiled` from the definitions (at most
// MaxConstants); a value "?" marks the parametric variable. Definitions are
// expected to have passed checkConstants; an unreadable value reads as 0.
void readConstants(const document::FunctionDef& def, CompiledFunction& compiled);

}  // namespace ordinax::expression
