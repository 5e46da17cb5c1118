// The fast decimal path must give exactly what std::from_chars gives, or
// decline the text.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "base/decimal_parse.h"

namespace ordinax::base {
namespace {

// from_chars over the whole text, the reference.
bool reference(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == end;
}

void expectAgrees(const std::string& text) {
    double fast = 12345.0;
    double slow = 0.0;
    if (!parseDecimalFast(text, fast)) {
        EXPECT_EQ(fast, 12345.0) << text << ": a declined text leaves the value alone";
        return;
    }
    ASSERT_TRUE(reference(text, slow)) << text << ": accepted a text from_chars refuses";
    EXPECT_EQ(std::memcmp(&fast, &slow, sizeof fast), 0) << text << ": " << fast << " vs " << slow;
}

TEST(DecimalFast, KnownForms) {
    // Values worked by hand.
    const std::pair<const char*, double> cases[] = {
        {"0", 0.0},        {"-12.5", -12.5},  {"3e-4", 3e-4},           {".5", 0.5},   {"7.", 7.0},
        {"1E-007", 1e-7},  {"0.001", 0.001},  {"123456.78", 123456.78}, {"1e22", 1e22}, {"9007199254740992", 9007199254740992.0},
        {"0.1", 0.1},      {"000123", 123.0}, {"1.5E+3", 1500.0}};
    for (const auto& [text, value] : cases) {
        double v = 0.0;
        ASSERT_TRUE(parseDecimalFast(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    double negativeZero = 1.0;
    ASSERT_TRUE(parseDecimalFast("-0.0", negativeZero));
    EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(DecimalFast, DeclinesWhatItCannotReadExactly) {
    for (const char* text : {"", "-", ".", "+1", "1e", "1e+", "1,5", "1.5.2", "12a", "e5", "inf", "nan", " 1", "1 ",
                             "1e23", "1e-23", "9007199254740993", "12345678901234567890", "1--2"}) {
        double v = 42.0;
        EXPECT_FALSE(parseDecimalFast(text, v)) << text;
        EXPECT_EQ(v, 42.0) << text;
    }
}

TEST(DecimalFast, AgreesWithFromCharsOnRandomTexts) {
    std::mt19937_64 random(20261210);
    const char alphabet[] = "0123456789.-eE+";
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 14);
        for (int k = 0; k < length; ++k) {
            // Mostly digits, so that most texts are numbers.
            const unsigned r = random() % 100;
            text += r < 80 ? static_cast<char>('0' + r % 10) : alphabet[10 + r % 5];
        }
        expectAgrees(text);
    }
    // Plain numbers with up to 17 digits and every usable power of ten.
    for (int i = 0; i < 200000; ++i) {
        std::string text = std::to_string(random() % 100000000000000000ULL);
        const std::size_t point = random() % (text.size() + 1);
        text.insert(point, ".");
        if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 45) - 22);
        if (random() % 2) text.insert(0, "-");
        expectAgrees(text);
    }
}

}  // namespace
}  // namespace ordinax::base
