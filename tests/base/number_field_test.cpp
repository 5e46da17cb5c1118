// The rule of the numeric entry fields: what is accepted, forgotten or refused.
#include "base/number_field.h"

#include <gtest/gtest.h>

#include "base/strings.h"

namespace ordinax::base {
namespace {

using Outcome = NumberFieldCheck::Outcome;

TEST(NumberField, RealFieldsReadPointAndCommaAndRefuseOutOfBounds) {
    struct Case {
        const char* text;
        double minimum, maximum;
        Outcome outcome;
        double value;
        const char* message;
    };
    const Case cases[] = {
        {" 12.5 ", -1e35, 1e35, Outcome::Accepted, 12.5, ""},
        {"12,5", -1e35, 1e35, Outcome::Accepted, 12.5, ""},
        {"-3e2", -1e35, 1e35, Outcome::Accepted, -300.0, ""},
        {"+4", -1e35, 1e35, Outcome::Accepted, 4.0, ""},
        // A magnitude below 1e-35 is stored as zero.
        {"1e-40", -1e35, 1e35, Outcome::Accepted, 0.0, ""},
        {"abc", -1e35, 1e35, Outcome::Restore, 0.0, ""},
        {"1.2.3", -1e35, 1e35, Outcome::Restore, 0.0, ""},
        {"inf", -1e35, 1e35, Outcome::Restore, 0.0, ""},
        {"", -1e35, 1e35, Outcome::Restore, 0.0, ""},
        {"2e35", -1e35, 1e35, Outcome::Refused, 0.0, "Valeur maximale = 1e+035 !"},
        {"-2e35", -1e35, 1e35, Outcome::Refused, 0.0, "Valeur minimale = -1e+035 !"},
        {"0", 0.5, 100.0, Outcome::Refused, 0.0, "Valeur minimale = 0.5 !"},
        {"100", 0.5, 100.0, Outcome::Accepted, 100.0, ""},
    };
    for (const Case& c : cases) {
        const NumberFieldCheck check = checkRealField(c.text, c.minimum, c.maximum);
        EXPECT_EQ(check.outcome, c.outcome) << c.text;
        if (c.outcome == Outcome::Accepted) {
            EXPECT_EQ(check.value, c.value) << c.text;
        }
        EXPECT_EQ(check.message.text, c.message) << c.text;
    }
}

TEST(NumberField, IntegerFieldsRefuseFractionsAndUseIntegerMessages) {
    EXPECT_EQ(checkIntegerField("42", 1, 100).value, 42.0);
    EXPECT_EQ(checkIntegerField("4.5", 1, 100).outcome, Outcome::Restore);
    const NumberFieldCheck low = checkIntegerField("0", 1, 100);
    EXPECT_EQ(low.outcome, Outcome::Refused);
    EXPECT_EQ(low.message.id, MsgValueMinimumInteger);
    EXPECT_EQ(low.message.text, "Valeur minimale = 1 !");
    EXPECT_EQ(checkIntegerField("101", 1, 100).message.text, "Valeur maximale = 100 !");
}

TEST(NumberField, AnEmptyFieldIsRefusedOnlyWhenAsked) {
    EXPECT_EQ(checkRealField("  ").outcome, Outcome::Restore);
    const NumberFieldCheck empty = checkRealField("  ", -1e35, 1e35, true);
    EXPECT_EQ(empty.outcome, Outcome::Refused);
    EXPECT_EQ(empty.message.id, MsgFieldEmpty);
    EXPECT_EQ(checkIntegerField("", 0, 9, true).message.id, MsgFieldEmpty);
}

}  // namespace
}  // namespace ordinax::base
