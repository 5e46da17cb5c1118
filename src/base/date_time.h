// Dates and times in the print languages, from a small table rather than the
// system locales (a fresh machine has none).
#pragma once

#include <ctime>
#include <string>

namespace ordinax::base {

enum class Language { French = 0, English = 1, German = 2, Italian = 3, Spanish = 4 };

// strftime-like formatting where %x is the language's short date
// ("10/12/2026", German "10.12.2026"); other conversions as strftime in "C".
std::string formatDateTime(const char* format, const std::tm& time, Language language);

// The modification date written into curves on save: "%x (%H:%M)" of the local time.
std::string modificationDateText(std::time_t when, Language language);

}  // namespace ordinax::base
