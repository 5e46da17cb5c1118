// The definition page of the unit sheet: the cascade of its lists over a
// small database, what a chosen unit does with and without a selected
// factor, the multiple and exponent lists, and when the buttons can act.
#include <gtest/gtest.h>

#include "units/unit_algebra.h"
#include "units/unit_sheet.h"

namespace ordinax::units {
namespace {

// Two systems, two categories, three quantities; metre and gram accept a
// multiple, foot does not.
constexpr const char* Database =
    "Essai\n"
    "SI\nAnglo-saxon\n.\n"
    "Base\nMeca\n.\n"
    "Longueur\nMasse\nForce\n.\n"
    "1\t1\t1\t1\t1\tmetre\t*|1|m|1\t1\t1\t1\t0\t1|0|0|0|0|0|0|0|0\n"
    "2\t0\t1\t1\t2\tgramme\t*|1|g|1\t1\t1\t0.001\t0\t0|1|0|0|0|0|0|0|0\n"
    "3\t0\t2\t1\t1\tpied\t*|1|ft|1\t0\t1\t0.3048\t0\t1|0|0|0|0|0|0|0|0\n"
    "4\t0\t1\t2\t3\tnewton\t*|1|N|1\t1\t1\t1\t0\t1|1|-2|0|0|0|0|0|0\n"
    ".\n";

class UnitSheet : public ::testing::Test {
protected:
    UnitDatabase db = parseUnitDatabase(Database);
    const UnitDef& unit(int i) const { return db.units[static_cast<std::size_t>(i)].definition; }
};

TEST_F(UnitSheet, ListsFollowTheChoicesBeforeThem) {
    ASSERT_EQ(db.units.size(), 4u);
    EXPECT_EQ(sheetCategories(db, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(sheetCategories(db, 2), (std::vector<int>{1}));
    EXPECT_EQ(sheetQuantities(db, 1, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(sheetQuantities(db, 1, 2), (std::vector<int>{3}));
    EXPECT_EQ(sheetUnits(db, 1, 1, 1), (std::vector<int>{0}));
    EXPECT_EQ(sheetUnits(db, 2, 1, 1), (std::vector<int>{2}));
    EXPECT_TRUE(sheetUnits(db, 2, 2, 3).empty());
    EXPECT_TRUE(sheetCategories(db, 7).empty());
}

TEST_F(UnitSheet, ChosenUnitReplacesTheAxisUnlessAFactorIsSelected) {
    UnitSheetState s = openUnitSheet({});
    EXPECT_FALSE(sheetButtonEnabled(s, SheetButton::AppendDenominator));
    chooseGenericUnit(s, unit(0));
    EXPECT_EQ(unitExpression(s.axis), "\x82m\x82");
    chooseGenericUnit(s, unit(3));
    EXPECT_EQ(unitExpression(s.axis), "\x82N\x82");
    // Selected: the unit waits for a button.
    selectFactor(s, 0);
    chooseGenericUnit(s, unit(0));
    EXPECT_EQ(unitExpression(s.axis), "\x82N\x82");
    EXPECT_TRUE(sheetButtonEnabled(s, SheetButton::InsertNumerator));
    ASSERT_TRUE(pressSheetButton(s, SheetButton::AppendNumerator));
    EXPECT_EQ(unitExpression(s.axis), "\x82N\x82*m\x82");
    EXPECT_EQ(s.selected, -1);
    EXPECT_EQ(factorTexts(s.axis), (std::vector<std::string>{"N", "*m"}));
    // Without a selection the middle buttons and "Supprimer" wait.
    EXPECT_FALSE(sheetButtonEnabled(s, SheetButton::InsertNumerator));
    EXPECT_FALSE(pressSheetButton(s, SheetButton::Remove));
    selectFactor(s, 1);
    selectFactor(s, 1);  // a second click unselects
    EXPECT_EQ(s.selected, -1);
    selectFactor(s, 0);
    ASSERT_TRUE(pressSheetButton(s, SheetButton::Remove));
    EXPECT_EQ(unitExpression(s.axis), "\x82m\x82");
    ASSERT_TRUE(pressSheetButton(s, SheetButton::ClearAll));
    EXPECT_EQ(s.axis.factorCount, 0);
}

TEST_F(UnitSheet, MultipleAndExponentOfTheChosenUnit) {
    UnitSheetState s = openUnitSheet({});
    EXPECT_FALSE(multipleAllowed(s));
    chooseGenericUnit(s, unit(2));  // foot: no multiple
    EXPECT_FALSE(multipleAllowed(s));
    EXPECT_FALSE(chooseMultiple(s, 3));
    EXPECT_TRUE(exponentAllowed(s));
    chooseGenericUnit(s, unit(0));
    ASSERT_TRUE(chooseMultiple(s, 3));
    // kilo: 1000 (worked by hand), the axis follows the chosen unit.
    EXPECT_EQ(coefficientSI(s.axis).coefficient, 1000);
    ASSERT_TRUE(chooseExponent(s, 2));
    EXPECT_EQ(coefficientSI(s.axis).coefficient, 1e6);
    EXPECT_EQ(dimensionVector(s.axis)[0], 2);
    EXPECT_FALSE(chooseMultiple(s, 42));
}

}  // namespace
}  // namespace ordinax::units
