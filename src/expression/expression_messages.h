// The messages of the function checks: "-> context\n\ntext" under the heading
// ERREUR, with the numbers of the family-size message substituted.
#pragma once

#include <string>

#include "base/message.h"

namespace ordinax::expression {

// Where an error was found: the context line shown after "-> ".
enum class ErrorContext {
    Function,   // "fonction y = f(x)"
    Constant,   // "constante n", n the 1-based rank of the faulty definition
    Parameter,  // "variable de paramètrage"
    Domain,     // "domaine de variation de la variable de paramètrage"
};

// Builds the error message of `id` in `context`; `constantNumber` is the rank
// shown by the Constant context; "@0" and "@1" of the text become `arg0` and `arg1`.
base::Message expressionError(int id, ErrorContext context, int constantNumber = 0, const std::string& arg0 = {},
                              const std::string& arg1 = {});

// A text of the string table with its first "%d" (or "%g") replaced by `number`.
std::string messageWithNumber(int id, const std::string& number);

}  // namespace ordinax::expression
