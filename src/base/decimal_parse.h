// The fast path of decimal number reading: a plain decimal number whose
// digits fit a 53-bit integer and whose power of ten is at most 22 is exactly
// m * 10^e or m / 10^-e, one correctly rounded operation. Everything else is
// left to std::from_chars by the caller. Imports read millions of values.
#pragma once

#include <cstdint>
#include <string_view>

namespace ordinax::base {

// Reads the whole text ("-12.5", "3e-4", ".5", "7.") when it is in the fast
// case; false otherwise (not a number, or outside the fast case), and `out`
// is then unchanged. The result is always the correctly rounded double.
inline bool parseDecimalFast(std::string_view text, double& out) {
    static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p != end && *p == '-') {
        negative = true;
        ++p;
    }
    std::uint64_t mantissa = 0;
    int significant = 0;
    int exponent = 0;
    bool anyDigit = false;
    auto take = [&](char c) {
        if (mantissa == 0 && c == '0') return true;  // leading zeros carry nothing
        if (significant == 19) return false;
        mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        ++significant;
        return true;
    };
    for (; p != end && static_cast<unsigned>(*p - '0') < 10; ++p, anyDigit = true)
        if (!take(*p)) return false;
    if (p != end && *p == '.') {
        for (++p; p != end && static_cast<unsigned>(*p - '0') < 10; ++p, anyDigit = true) {
            if (!take(*p)) return false;
            --exponent;
        }
    }
    if (!anyDigit) return false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        if (p == end) return false;
        int e = 0;
        for (; p != end && static_cast<unsigned>(*p - '0') < 10; ++p)
            if (e < 100000) e = e * 10 + (*p - '0');
        exponent += negativeExponent ? -e : e;
    }
    if (p != end) return false;
    if (mantissa == 0) {
        out = negative ? -0.0 : 0.0;
        return true;
    }
    if (mantissa > (std::uint64_t{1} << 53) || exponent < -22 || exponent > 22) return false;
    double v = static_cast<double>(mantissa);
    v = exponent < 0 ? v / Powers[-exponent] : v * Powers[exponent];
    out = negative ? -v : v;
    return true;
}

}  // namespace ordinax::base
