// Dates and times of the print languages: %x from our own table, the other
// conversions as strftime writes them in the "C" locale.
#include "base/date_time.h"

#include <locale.h>

#include <cstddef>
#include <cstdio>

namespace ordinax::base {

namespace {

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

std::string shortDate(const std::tm& time, Language language) {
    const char separator = language == Language::German ? '.' : '/';
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", time.tm_mday, separator, time.tm_mon + 1, separator,
                  time.tm_year + 1900);
    return buffer;
}

// One strftime conversion ("%H", "%Ey", ...) in the "C" locale.
std::string conversionText(const std::string& conversion, const std::tm& time) {
    char buffer[256];
    const std::size_t n = strftime_l(buffer, sizeof buffer, conversion.c_str(), &time, cLocale());
    // 0 is also the length of an empty result (for instance %p in some locales).
    return std::string(buffer, n);
}

// Flags, field widths and the E and O modifiers that may stand between '%' and the conversion.
bool isModifier(char c) {
    return c == 'E' || c == 'O' || c == '_' || c == '-' || c == '^' || c == '#' || (c >= '0' && c <= '9');
}

}  // namespace

std::string formatDateTime(const char* format, const std::tm& time, Language language) {
    std::string out;
    for (std::size_t i = 0; format[i] != 0;) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        std::size_t j = i + 1;
        while (isModifier(format[j])) ++j;
        if (format[j] == 0) {
            // A lone '%' at the end is written as it stands.
            out.append(format + i, j - i);
            break;
        }
        if (format[j] == 'x') {
            out += shortDate(time, language);
        } else {
            out += conversionText(std::string(format + i, j + 1 - i), time);
        }
        i = j + 1;
    }
    return out;
}

std::string modificationDateText(std::time_t when, Language language) {
    std::tm local{};
    localtime_r(&when, &local);
    return formatDateTime("%x (%H:%M)", local, language);
}

}  // namespace ordinax::base
