// Text helpers shared by every subsystem (plural forms, character filters,
// display form of paths). They work on Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace ordinax::base {

// Keeps the first form of every "{singular|plural}" group when count is 0 or 1,
// the second when it is greater; stops expanding at the first group that lacks
// its "|" or "}" (the rest is kept as it stands).
std::string expandPlural(long long count, std::string_view text);

// Trims the text, removes carriage returns, makes it upper case, then keeps
// only the characters that belong to `allowed`.
std::string keepOnly(std::string_view text, std::string_view allowed);

// Path rewritten for display: lower case, drive letter and the first letter
// of every word upper case, a short extension lower case, French elisions
// (" D'", " L'", ...) lower case, "Winnt" written "WinNT".
std::string pathDisplayForm(std::string_view path);

// Upper and lower case of Windows-1252 bytes, accented letters included.
char upperCase1252(char c);
char lowerCase1252(char c);

}  // namespace ordinax::base
