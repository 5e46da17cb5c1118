// Number formatting and parsing under the "C" conventions whatever the
// process's locale, with three-digit printf exponents.
#include "base/format.h"

#include <locale.h>
#include <sys/types.h>

#include <cctype>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <system_error>

namespace ordinax::base {

namespace {

// The "C" locale, created once and never freed: it is shared by every thread.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the "C" locale for the lifetime of the guard,
// so printf writes "1.5" even when LC_NUMERIC is a comma locale.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

// One conversion of a printf format, split into its parts.
struct Conversion {
    std::string flags;
    int width = -1;  // -1: none
    int precision = -1;  // -1: none
    std::string length;
    char conversion = 0;
};

template <typename T>
std::string formatOne(const std::string& pattern, T value) {
    char buffer[128];
    const int n = std::snprintf(buffer, sizeof buffer, pattern.c_str(), value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), pattern.c_str(), value);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string conversionText(const Conversion& c, bool withWidth) {
    std::string pattern = "%";
    pattern += c.flags;
    if (withWidth && c.width >= 0) pattern += std::to_string(c.width);
    if (c.precision >= 0) {
        pattern += '.';
        pattern += std::to_string(c.precision);
    }
    pattern += c.length;
    pattern += c.conversion;
    return pattern;
}

// Widens the exponent of a %e or %g text to at least three digits.
void widenExponent(std::string& text) {
    const std::size_t e = text.find_last_of("eE");
    if (e == std::string::npos || e + 2 >= text.size()) return;
    if (text[e + 1] != '+' && text[e + 1] != '-') return;
    std::size_t end = e + 2;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    const std::size_t digits = end - (e + 2);
    if (digits > 0 && digits < 3) text.insert(e + 2, 3 - digits, '0');
}

// Pads a number text to `width` the way printf does for its flags.
void padNumber(std::string& text, const Conversion& c, bool finite) {
    if (c.width < 0 || text.size() >= static_cast<std::size_t>(c.width)) return;
    const std::size_t missing = static_cast<std::size_t>(c.width) - text.size();
    if (c.flags.find('-') != std::string::npos) {
        text.append(missing, ' ');
    } else if (c.flags.find('0') != std::string::npos && finite) {
        const std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-' || text[0] == ' ')) ? 1 : 0;
        text.insert(at, missing, '0');
    } else {
        text.insert(0, missing, ' ');
    }
}

template <typename Floating>
std::string formatFloating(const Conversion& c, Floating value) {
    const bool exponentForm = c.conversion == 'e' || c.conversion == 'E' || c.conversion == 'g' || c.conversion == 'G';
    if (!exponentForm) return formatOne(conversionText(c, true), value);
    // The width is applied after widening, so that "%10.2e" stays ten characters wide.
    Conversion bare = c;
    bare.flags.clear();
    for (char f : c.flags)
        if (f != '-' && f != '0') bare.flags += f;
    std::string text = formatOne(conversionText(bare, false), value);
    widenExponent(text);
    padNumber(text, c, std::isfinite(value));
    return text;
}

bool isFlag(char ch) { return ch == '-' || ch == '+' || ch == ' ' || ch == '#' || ch == '0' || ch == '\'' || ch == 'I'; }

// Reads the conversion starting after '%' at format[i]; returns the index after
// it, or 0 when the text is not a conversion this formatter knows.
std::size_t parseConversion(const char* format, std::size_t i, Conversion& c, va_list& args) {
    while (isFlag(format[i])) c.flags += format[i++];
    if (format[i] == '*') {
        int w = va_arg(args, int);
        if (w < 0) {
            // A negative width argument is a '-' flag and a positive width.
            c.flags += '-';
            w = w == INT_MIN ? INT_MAX : -w;
        }
        c.width = w;
        ++i;
    } else {
        int w = -1;
        while (std::isdigit(static_cast<unsigned char>(format[i]))) {
            w = (w < 0 ? 0 : w) * 10 + (format[i++] - '0');
            if (w > 1000000) return 0;
        }
        c.width = w;
    }
    if (format[i] == '.') {
        ++i;
        if (format[i] == '*') {
            const int p = va_arg(args, int);
            c.precision = p < 0 ? -1 : p;  // a negative precision is taken as omitted
            ++i;
        } else {
            int p = 0;
            while (std::isdigit(static_cast<unsigned char>(format[i]))) {
                p = p * 10 + (format[i++] - '0');
                if (p > 1000000) return 0;
            }
            c.precision = p;
        }
    }
    static constexpr const char* Lengths[] = {"hh", "ll", "h", "l", "L", "q", "j", "z", "Z", "t"};
    for (const char* length : Lengths) {
        const std::size_t n = std::char_traits<char>::length(length);
        if (std::char_traits<char>::compare(format + i, length, n) == 0) {
            c.length = length;
            i += n;
            break;
        }
    }
    c.conversion = format[i];
    if (std::char_traits<char>::find("diouxXeEfFgGaAcspn%", 19, c.conversion) == nullptr || c.conversion == 0)
        return 0;
    return i + 1;
}

std::string formatSigned(const Conversion& c, va_list& args) {
    const std::string pattern = conversionText(c, true);
    if (c.length == "l") return formatOne(pattern, va_arg(args, long));
    if (c.length == "ll" || c.length == "q") return formatOne(pattern, va_arg(args, long long));
    if (c.length == "j") return formatOne(pattern, va_arg(args, std::intmax_t));
    if (c.length == "z" || c.length == "Z") return formatOne(pattern, va_arg(args, ssize_t));
    if (c.length == "t") return formatOne(pattern, va_arg(args, std::ptrdiff_t));
    return formatOne(pattern, va_arg(args, int));
}

std::string formatUnsigned(const Conversion& c, va_list& args) {
    const std::string pattern = conversionText(c, true);
    if (c.length == "l") return formatOne(pattern, va_arg(args, unsigned long));
    if (c.length == "ll" || c.length == "q") return formatOne(pattern, va_arg(args, unsigned long long));
    if (c.length == "j") return formatOne(pattern, va_arg(args, std::uintmax_t));
    if (c.length == "z" || c.length == "Z") return formatOne(pattern, va_arg(args, std::size_t));
    if (c.length == "t") return formatOne(pattern, va_arg(args, std::ptrdiff_t));
    return formatOne(pattern, va_arg(args, unsigned int));
}

std::string formatConversion(const Conversion& c, va_list& args) {
    switch (c.conversion) {
        case 'd':
        case 'i': return formatSigned(c, args);
        case 'o':
        case 'u':
        case 'x':
        case 'X': return formatUnsigned(c, args);
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            if (c.length == "L") return formatFloating(c, va_arg(args, long double));
            return formatFloating(c, va_arg(args, double));
        case 'c':
            if (c.length == "l") return formatOne(conversionText(c, true), va_arg(args, wint_t));
            return formatOne(conversionText(c, true), va_arg(args, int));
        case 's':
            if (c.length == "l") return formatOne(conversionText(c, true), va_arg(args, const wchar_t*));
            return formatOne(conversionText(c, true), va_arg(args, const char*));
        case 'p': return formatOne(conversionText(c, true), va_arg(args, void*));
        case 'n':
            // Writing through a pointer of the argument list is never wanted here.
            (void)va_arg(args, void*);
            return {};
        default: return "%";
    }
}

std::string formatPrintfV(const char* format, va_list& args) {
    CLocaleScope scope;
    std::string out;
    for (std::size_t i = 0; format[i] != 0;) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        Conversion c;
        const std::size_t next = parseConversion(format, i + 1, c, args);
        if (next == 0) {
            // Not a conversion: written as it stands, no argument consumed.
            out += format[i++];
            continue;
        }
        out += formatConversion(c, args);
        i = next;
    }
    return out;
}

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Removes an optional leading '+' (a second sign after it is refused).
bool dropPlus(std::string_view& text) {
    if (text.empty() || text.front() != '+') return true;
    text.remove_prefix(1);
    return !text.empty() && text.front() != '+' && text.front() != '-';
}

}  // namespace

std::string formatPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    // Consumed through a reference by the conversions, one argument at a time.
    std::string out = formatPrintfV(format, args);
    va_end(args);
    return out;
}

std::string numberText(double value) { return formatPrintf("%g", value); }

std::string trimmedNumberText(double value) {
    if (value == 0.0) return "0";
    std::string text = numberText(value);
    // Only the mantissa is trimmed: the zeros of "1.5e+010" belong to the exponent.
    const std::size_t e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    const std::string exponent = e == std::string::npos ? std::string() : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

std::string shortestNumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!dropPlus(text)) return std::nullopt;
    // from_chars would also read "inf" and "nan": a number starts with a digit or a point.
    const std::size_t first = (!text.empty() && text.front() == '-') ? 1 : 0;
    if (first >= text.size() ||
        !(std::isdigit(static_cast<unsigned char>(text[first])) || text[first] == '.'))
        return std::nullopt;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ptr != end) return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as (signed) zero, overflow is not a number we can hold.
        const std::string copy(text);
        const double v = strtod_l(copy.c_str(), nullptr, cLocale());
        if (std::isinf(v)) return std::nullopt;
        return v;
    }
    if (result.ec != std::errc()) return std::nullopt;
    return value;
}

std::optional<int> parseInteger(std::string_view text) {
    text = trimBlanks(text);
    if (!dropPlus(text) || text.empty()) return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

}  // namespace ordinax::base
