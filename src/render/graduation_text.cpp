// Graduation value texts: printf-style numbers rewritten into label markup.
#include "render/graduation_text.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "base/format.h"

namespace ordinax::render {

namespace {

// Largest value written by the integer format; from there on it overflows.
constexpr double IntegerLimit = 2147483647.0;

// Step 1: the number as printf writes it for the format.
std::string numberForFormat(double value, const document::AxisScale& scale) {
    const int decimals = scale.decimals < 0 ? 0 : (scale.decimals > 5 ? 5 : scale.decimals);
    switch (scale.format) {
    case 1:
        return base::formatPrintf("%g", value);
    case 2: {
        // The lower bound mirrors the upper one: truncating below INT_MIN
        // into an int would be undefined rather than a readable overflow.
        if (!(value < IntegerLimit) || !(value > -IntegerLimit - 1.0)) return OverflowText;
        return base::formatPrintf("%d", static_cast<int>(value));
    }
    case 3:
        return base::formatPrintf("%.*f", decimals, value);
    case 4:
        return base::formatPrintf("%.*e", decimals, value);
    case 5:
        return base::formatPrintf("%.*f", decimals, value * 100.0);
    default:
        return {};
    }
}

// Step 2: "2.5e+003" -> "2.5.10¶e+3¶e", "1e-005" -> "10¶e-5¶e".
std::string rewriteExponent(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string::npos) return text;
    const std::string mantissa = text.substr(0, e);
    std::string_view exponent(text);
    exponent.remove_prefix(e + 1);
    char sign = '+';
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        sign = exponent.front();
        exponent.remove_prefix(1);
    }
    while (!exponent.empty() && exponent.front() == '0') exponent.remove_prefix(1);
    std::string out = mantissa == "1" ? std::string("10") : mantissa + ".10";
    out += MarkupEscape;
    out += 'e';
    out += sign;
    out += exponent.empty() ? std::string_view("0") : exponent;
    out += MarkupEscape;
    out += 'e';
    return out;
}

// Step 3: the leading run of digits grouped by three from the right.
std::string groupThousands(const std::string& text) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    std::string out;
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out += ' ';
        out += text[i];
    }
    out.append(text, digits, std::string::npos);
    return out;
}

// Step 4: prefix and suffix of the symbol.
void addSymbol(std::string& text, const document::AxisScale& scale) {
    switch (scale.symbol) {
    case 1: text += " %"; break;
    case 2: text += " \x80"; break;  // euro sign in Windows-1252
    case 3: text += " F"; break;
    case 4: text += " $"; break;
    case 5: text += " \xA3"; break;  // pound sign in Windows-1252
    case 6: {
        // The buffer may be unterminated when read from a damaged file.
        const std::string_view custom(scale.customSymbol.data(),
                                      strnlen(scale.customSymbol.data(), scale.customSymbol.size()));
        const std::size_t slash = custom.find('/');
        if (slash == std::string_view::npos) {
            text += custom;
        } else {
            text = std::string(custom.substr(0, slash)) + text;
            text += custom.substr(slash + 1);
        }
        break;
    }
    default: break;
    }
}

}  // namespace

std::string formatGraduationValue(double value, const document::AxisScale& scale) {
    std::string number = numberForFormat(value, scale);
    if (number.empty() || number == OverflowText) return number;

    std::string text;
    for (char c : number)
        if (c != ' ') text += c;
    std::string sign;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        sign = text.substr(0, 1);
        text.erase(0, 1);
    }
    text = rewriteExponent(text);
    if (scale.thousands != 0) text = groupThousands(text);
    text = sign + text;
    addSymbol(text, scale);
    if (text.size() > MaxGraduationTextLength) return OverflowText;
    return text;
}

std::string formatGraduationValue(double value, const document::Diagram& diagram, int direction, int side) {
    return formatGraduationValue(value, diagram.scales.axis[static_cast<std::size_t>(direction & 1)]
                                            [static_cast<std::size_t>(side & 1)]);
}

}  // namespace ordinax::render
