// Code-page conversions: the model holds Windows-1252 bytes, the screen and
// JSON UTF-8, DOS text files CP850.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ordinax::base {

// Every Windows-1252 byte has a character; the five unassigned bytes map to
// the C1 controls of the same value, so the conversion never fails.
std::string windows1252ToUtf8(std::string_view text);

// nullopt when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot write.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

// UTF-8 to Windows-1252, unrepresentable characters replaced by '?'.
std::string utf8ToWindows1252Lossy(std::string_view text);

// DOS code page 850 <-> Windows-1252; characters missing on the other side become '?'.
std::string cp850ToWindows1252(std::string_view text);
std::string windows1252ToCp850(std::string_view text);

}  // namespace ordinax::base
