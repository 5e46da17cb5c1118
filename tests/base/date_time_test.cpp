// Tests of the date and time texts of the print languages.
#include "base/date_time.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

namespace ordinax::base {
namespace {

// Thursday 10 December 2026, 03:30:07 (weekday worked by hand: 1 January 2026
// is a Thursday and 10 December is 343 days, 49 weeks, later).
std::tm sampleTime() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 3;
    t.tm_min = 30;
    t.tm_sec = 7;
    t.tm_wday = 4;
    t.tm_yday = 343;
    return t;
}

TEST(FormatDateTime, ShortDateFollowsTheLanguageTable) {
    const std::tm t = sampleTime();
    EXPECT_EQ(formatDateTime("%x", t, Language::French), "10/12/2026");
    EXPECT_EQ(formatDateTime("%x", t, Language::English), "10/12/2026");
    EXPECT_EQ(formatDateTime("%x", t, Language::German), "10.12.2026");
    EXPECT_EQ(formatDateTime("%x", t, Language::Italian), "10/12/2026");
    EXPECT_EQ(formatDateTime("%x", t, Language::Spanish), "10/12/2026");
}

TEST(FormatDateTime, OtherConversionsAsInTheCLocale) {
    const std::tm t = sampleTime();
    EXPECT_EQ(formatDateTime("%x (%H:%M)", t, Language::French), "10/12/2026 (03:30)");
    EXPECT_EQ(formatDateTime("%d/%m/%Y %H:%M:%S", t, Language::German), "10/12/2026 03:30:07");
    EXPECT_EQ(formatDateTime("%A %B %j", t, Language::French), "Thursday December 344");
    EXPECT_EQ(formatDateTime("100%% le %x", t, Language::German), "100% le 10.12.2026");
    EXPECT_EQ(formatDateTime("fin %", t, Language::French), "fin %");
    EXPECT_EQ(formatDateTime("", t, Language::French), "");
}

// The process's time locale must not leak into the texts.
TEST(FormatDateTime, IgnoresTheProcessTimeLocale) {
    const std::string saved = std::setlocale(LC_TIME, nullptr);
    const char* french = nullptr;
    for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR"})
        if (std::setlocale(LC_TIME, name)) {
            french = name;
            break;
        }
    if (!french) GTEST_SKIP() << "no French locale installed";
    const std::tm t = sampleTime();
    EXPECT_EQ(formatDateTime("%A %x", t, Language::German), "Thursday 10.12.2026");
    std::setlocale(LC_TIME, saved.c_str());
}

TEST(FormatDateTime, PadsSmallDaysMonthsAndYears) {
    std::tm t{};
    t.tm_year = 999 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 5;
    EXPECT_EQ(formatDateTime("%x", t, Language::French), "05/01/0999");
    EXPECT_EQ(formatDateTime("%x", t, Language::German), "05.01.0999");
}

// 1796873400 is 2026-12-10 03:30:00 UTC (checked with `date -u -d @1796873400`).
TEST(ModificationDateText, LocalDateAndTime) {
    const char* saved = std::getenv("TZ");
    const std::string savedTz = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(modificationDateText(1796873400, Language::French), "10/12/2026 (03:30)");
    EXPECT_EQ(modificationDateText(1796873400, Language::German), "10.12.2026 (03:30)");
    setenv("TZ", "CET-1", 1);  // one hour east of UTC
    tzset();
    EXPECT_EQ(modificationDateText(1796873400, Language::French), "10/12/2026 (04:30)");
    if (saved) setenv("TZ", savedTz.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace ordinax::base
