// Values of imported records: signs, dates, numbers, numeric bases and warnings.
#include <gtest/gtest.h>

#include <cmath>

#include "base/strings.h"
#include "exchange/value_reader.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

struct Read {
    double value;
    bool date;
    bool invalid;
    bool empty;
};

Read readOne(std::string_view text, int base = 10) {
    ValueReader r(base);
    bool date = false;
    const double v = r.read(text, date);
    return {v, date, r.sawInvalid(), r.sawEmpty()};
}

TEST(ValueReader, NumbersAndSigns) {
    const struct {
        std::string_view text;
        double value;
        bool invalid;
    } cases[] = {
        {"12.5", 12.5, false}, {"-3.75", -3.75, false}, {"1E-007", 1e-7, false}, {"2.5E+003", 2500, false},
        {"5-", -5, false},     {"+3+", 3, false},       {"3+", 3, false},       {"-5-", -5, false},
        {"+7", 7, false},      {".5", 0.5, false},      {"5.", 5, false},        {"1/2", 12, false},
        {"-", 0, true},        {"+", 0, true},          {"+-3", 0, true},        {"-3+", 0, true},
        {"1.2.3", 0, true},    {"E5", 0, true},         {"1E", 0, true},         {"1E400", 0, true},
        {"1/2/3/4", 1234, false},  // not exactly two "/": they are removed
    };
    for (const auto& c : cases) {
        const Read r = readOne(c.text);
        EXPECT_EQ(r.value, c.value) << c.text;
        EXPECT_EQ(r.invalid, c.invalid) << c.text;
        EXPECT_FALSE(r.date) << c.text;
    }
}

TEST(ValueReader, DatesAreLocalNoonWithTwoDigitYears) {
    testing::ScopedTimeZone utc("UTC0");
    // Seconds of 12:00 UTC on those days: Python calendar.timegm.
    const struct {
        std::string_view text;
        double seconds;
    } cases[] = {
        {"15/3/2004", 1079352000}, {"15/03/04", 1079352000}, {"15/03/40", -940334400},
        {"25/12/99", 946123200},   {"1/1/0", 946728000},     {"01/01/00", 946728000},
        {"10/12/2026", 1796904000},
    };
    for (const auto& c : cases) {
        const Read r = readOne(c.text);
        EXPECT_TRUE(r.date) << c.text;
        EXPECT_EQ(r.value, c.seconds) << c.text;
        EXPECT_FALSE(r.invalid) << c.text;
    }
    // Not dates the calendar could roll over: refused as invalid values.
    for (std::string_view text : {"32/1/2004", "0/1/2004", "1/13/2004", "1//2004", "a/b/c", "-1/2/3", "1.5/2/3"}) {
        const Read r = readOne(text);
        EXPECT_TRUE(r.invalid) << text;
        EXPECT_EQ(r.value, 0) << text;
    }
}

TEST(ValueReader, DateFollowsTheLocalZone) {
    // Central European winter time is UTC+1: noon there is 11:00 UTC.
    testing::ScopedTimeZone paris("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(readOne("15/3/2004").value, 1079352000 - 3600);
}

TEST(ValueReader, NumericBaseUntilTheFirstDate) {
    testing::ScopedTimeZone utc("UTC0");
    EXPECT_EQ(readOne("101", 2).value, 5);
    EXPECT_EQ(readOne("-17", 8).value, -15);
    EXPECT_EQ(readOne("1E", 16).value, 30);  // "E" is a digit in base 16
    EXPECT_TRUE(readOne("102", 2).invalid);
    EXPECT_TRUE(readOne("1.5", 2).invalid);  // integers only before a date
    EXPECT_EQ(readOne("1.5", 99).value, 1.5);  // an impossible base reads decimals

    ValueReader r(2);
    bool date = false;
    r.startRecord();
    EXPECT_EQ(r.read("11", date), 3);
    r.read("1/1/2000", date);
    EXPECT_TRUE(date);
    EXPECT_EQ(r.read("1.5", date), 1.5);  // decimal after the date
    r.startRecord();
    EXPECT_EQ(r.read("11", date), 3);  // the next record is in the base again
    EXPECT_FALSE(r.sawInvalid());
}

TEST(ValueReader, WarningsOnceEachInTheOrderMet) {
    ValueReader r;
    bool date = false;
    EXPECT_EQ(r.read("", date), 0);
    r.read("x", date);
    r.read("", date);
    r.read("y", date);
    auto w = r.warnings();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].id, base::MsgEmptyRecords);
    EXPECT_EQ(w[0].heading, base::Heading::Warning);
    EXPECT_EQ(w[0].text,
              "Le fichier de données comporte un\nou plusieurs enregistrements vides !\n\n Chacun de ces "
              "enregistrements est\nremplacé par un 0.");
    EXPECT_EQ(w[1].id, base::MsgInvalidRecords);

    ValueReader invalidFirst;
    invalidFirst.read("..", date);
    invalidFirst.read("", date);
    w = invalidFirst.warnings();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].id, base::MsgInvalidRecords);
    EXPECT_EQ(w[1].id, base::MsgEmptyRecords);
}

}  // namespace
}  // namespace ordinax::exchange
