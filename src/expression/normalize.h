// The clean-up of the function texts when their fields lose the focus: the
// expression is brought to the form "y=..." and the constants to one
// definition per line.
#pragma once

#include <string>
#include <string_view>

namespace ordinax::expression {

// Returns the expression without blanks, with "y=" in front and every "=" and
// "y" of the right-hand side deleted ("x^y1" becomes "y=x^1").
std::string normalizeExpression(std::string_view expression);

// Returns the constants as stored: blanks and carriage returns removed, ";"
// turned into line feeds, runs of line feeds collapsed, trailing ones removed.
std::string cleanConstants(std::string_view constants);

// Returns the stored constants as the edit field shows them (CR LF line ends).
std::string constantsForDisplay(std::string_view constants);

// Removes every blank.
std::string withoutBlanks(std::string_view text);

}  // namespace ordinax::expression
