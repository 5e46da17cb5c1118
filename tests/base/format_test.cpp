// Tests of the locale-independent number formatting and parsing.
#include "base/format.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace ordinax::base {
namespace {

// Expected texts are glibc's printf output with the exponent widened by hand
// to three digits, and the padding recounted by hand for the width.
TEST(FormatPrintf, WidensExponentsOfEAndGConversions) {
    EXPECT_EQ(formatPrintf("%g", 1e-7), "1e-007");
    EXPECT_EQ(formatPrintf("%.1E", 2500.0), "2.5E+003");
    EXPECT_EQ(formatPrintf("%e", 0.0), "0.000000e+000");
    EXPECT_EQ(formatPrintf("%g", 1e35), "1e+035");
    EXPECT_EQ(formatPrintf("%G", 1.5e-10), "1.5E-010");
    EXPECT_EQ(formatPrintf("%g", 1234567.0), "1.23457e+006");
    EXPECT_EQ(formatPrintf("%+e", 1.0), "+1.000000e+000");
    EXPECT_EQ(formatPrintf("%Lg", 1e-7L), "1e-007");
    // Three digits already: unchanged.
    EXPECT_EQ(formatPrintf("%g", 1e100), "1e+100");
    EXPECT_EQ(formatPrintf("%g", 1e-300), "1e-300");
}

TEST(FormatPrintf, LeavesOtherConversionsAndArgumentsAlone) {
    EXPECT_EQ(formatPrintf("%g", 123456.0), "123456");
    EXPECT_EQ(formatPrintf("%f", 1e-7), "0.000000");
    EXPECT_EQ(formatPrintf("%s", "1e-07"), "1e-07");  // a text argument is never rewritten
    EXPECT_EQ(formatPrintf("x=1e-07 %d", 3), "x=1e-07 3");
    EXPECT_EQ(formatPrintf("%d point%s, %5.1f%%", 3, "s", 2.5), "3 points,   2.5%");
    EXPECT_EQ(formatPrintf("%x %X %o", 255u, 255u, 8u), "ff FF 10");
    EXPECT_EQ(formatPrintf("%lld|%zu|%ld", 1LL << 40, std::size_t{7}, -5L), "1099511627776|7|-5");
    EXPECT_EQ(formatPrintf("%5s|%-4s|%c", "ab", "cd", 'Z'), "   ab|cd  |Z");
    EXPECT_EQ(formatPrintf("%03d/%02d", 7, 5), "007/05");
    EXPECT_EQ(formatPrintf("%e", std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(formatPrintf("plain"), "plain");
}

// The width counts the widened exponent, as a three-digit printf would.
TEST(FormatPrintf, WidthIncludesTheWidenedExponent) {
    EXPECT_EQ(formatPrintf("[%10.2e]", 1.5), "[ 1.50e+000]");
    EXPECT_EQ(formatPrintf("[%-12.1e]", 1.5), "[1.5e+000    ]");
    EXPECT_EQ(formatPrintf("[%012.3e]", -1.5), "[-01.500e+000]");
    EXPECT_EQ(formatPrintf("[%*.*e]", 12, 2, 1.5), "[   1.50e+000]");
    EXPECT_EQ(formatPrintf("[%*g]", -8, 1e-7), "[1e-007  ]");
    EXPECT_EQ(formatPrintf("[%5.1e]", 1.5), "[1.5e+000]");  // wider than asked: no padding
    EXPECT_EQ(formatPrintf("[%08g]", std::numeric_limits<double>::infinity()), "[     inf]");
}

TEST(FormatPrintf, NeverWritesThroughPercentN) {
    int untouched = 1234;
    EXPECT_EQ(formatPrintf("ab%ncd", &untouched), "abcd");
    EXPECT_EQ(untouched, 1234);
}

// Finds a locale whose decimal separator is a comma, or nothing.
locale_t commaLocale(const char** name) {
    for (const char* candidate : {"fr_FR.UTF-8", "fr_FR.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR", "de_DE"}) {
        const locale_t locale = newlocale(LC_NUMERIC_MASK, candidate, static_cast<locale_t>(nullptr));
        if (locale != static_cast<locale_t>(nullptr)) {
            *name = candidate;
            return locale;
        }
    }
    return static_cast<locale_t>(nullptr);
}

TEST(FormatPrintf, IgnoresACommaLocale) {
    const char* name = nullptr;
    const locale_t comma = commaLocale(&name);
    if (comma == static_cast<locale_t>(nullptr)) GTEST_SKIP() << "no French or German locale installed";

    // The thread's own locale.
    const locale_t previous = uselocale(comma);
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5") << "the locale should write a comma";
    EXPECT_EQ(formatPrintf("%.1f %g", 1.5, 2.5e-7), "1.5 2.5e-007");
    EXPECT_EQ(numberText(0.25), "0.25");
    EXPECT_EQ(parseNumber("1.5"), 1.5);
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    uselocale(previous);
    EXPECT_EQ(uselocale(static_cast<locale_t>(nullptr)), previous) << "the caller's locale is restored";
    freelocale(comma);

    // The process's global locale.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, name), nullptr);
    EXPECT_EQ(formatPrintf("%.2f|%e", 0.5, 1e10), "0.50|1.000000e+010");
    EXPECT_EQ(trimmedNumberText(1.5), "1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, GFormatWithThreeDigitExponent) {
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(1e35), "1e+035");
    EXPECT_EQ(numberText(-0.0), "-0");
    EXPECT_EQ(numberText(100.0), "100");
}

TEST(NumberText, TrimmedForm) {
    struct Case {
        double value;
        const char* text;
    };
    // %g already drops the zeros of the mantissa; zero is "0" whatever its
    // sign, and the zeros of an exponent are never trimmed.
    const Case cases[] = {
        {0.0, "0"},     {-0.0, "0"},          {1.5, "1.5"},         {100.0, "100"},
        {0.1, "0.1"},   {1.5e10, "1.5e+010"}, {1e-5, "1e-005"},     {-2.5e-20, "-2.5e-020"},
        {1e30, "1e+030"}, {123456.0, "123456"}, {0.000123, "0.000123"},
    };
    for (const Case& c : cases) EXPECT_EQ(trimmedNumberText(c.value), c.text) << c.value;
}

TEST(ShortestNumberText, KnownForms) {
    EXPECT_EQ(shortestNumberText(0.1), "0.1");
    EXPECT_EQ(shortestNumberText(1e35), "1e+35");
    EXPECT_EQ(shortestNumberText(-1234.5), "-1234.5");
    EXPECT_EQ(shortestNumberText(0.0), "0");
}

// Every double must read back bit for bit; the values cover the extremes and
// pseudo-random bit patterns (a fixed linear congruential sequence).
TEST(ShortestNumberText, RoundTripsExactly) {
    std::vector<double> values = {0.1,
                                  1.0 / 3.0,
                                  M_PI,
                                  -1e-300,
                                  5e-324,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  1e35,
                                  -1e-35,
                                  123456789.123456789};
    std::uint64_t state = 88172645463325252ull;
    for (int i = 0; i < 2000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        double v;
        std::memcpy(&v, &state, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
    }
    for (double v : values) {
        const std::string text = shortestNumberText(v);
        const auto back = parseNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(std::memcmp(&*back, &v, sizeof v), 0) << text;
    }
}

TEST(ParseNumber, AcceptsWholeDecimalNumbers) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"1.5", 1.5},     {" 1.5 ", 1.5},        {"+2", 2.0},       {"-.5", -0.5}, {"1e3", 1000.0},
        {"1E-007", 1e-7}, {"5.", 5.0},           {"\t3\r\n", 3.0},  {"0", 0.0},    {"-1.25e+2", -125.0},
        {"007", 7.0},     {"1e-400", 0.0},       {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const Case& c : cases) {
        const auto parsed = parseNumber(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(*parsed, c.value) << c.text;
    }
    // Underflow keeps its sign.
    const auto negativeZero = parseNumber("-1e-400");
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(ParseNumber, RejectsEverythingElse) {
    for (const char* text : {"", " ", "1,5", "1.5x", "abc", "inf", "-inf", "nan", "+-1", "++1", "--1", "1e", ".",
                             "0x10", "1 2", "+", "-", "1e400", "-1e400", "e5", "1..2"})
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
}

TEST(ParseInteger, AcceptsInt32AndRejectsTheRest) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger(" -7 "), -7);
    EXPECT_EQ(parseInteger("+3"), 3);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), std::numeric_limits<int>::min());
    for (const char* text : {"2147483648", "-2147483649", "1.0", "", "12a", "+-1", "0x1", "1e3", " ", "--2"})
        EXPECT_FALSE(parseInteger(text).has_value()) << '"' << text << '"';
}

}  // namespace
}  // namespace ordinax::base
