// The search page: occurrence clean-up, accent folding, name and symbol
// matching, whole-word matching and the listed lines.
#include <gtest/gtest.h>

#include "units/unit_algebra.h"
#include "units/unit_search.h"

namespace ordinax::units::test {
namespace {

class UnitSearch : public ::testing::Test {
protected:
    UnitSearch()
        : db(parseUnitDatabase("Titre\n"
                               "SI\n.\nBase\n.\nLongueur\nVitesse\nAire\n.\n"
                               "1\t0\t1\t1\t1\tm\xE8tre\t*|1|m|1\t1\t1\t1\t0\t1|0|0|0|0|0|0|0|0\n"
                               "2\t0\t1\t1\t1\tKilom\xC8tre\t*|k|m|1\t0\t0\t1000\t0\t1|0|0|0|0|0|0|0|0\n"
                               "3\t0\t1\t1\t2\tkilom\xE8tre  par heure\t*|k|m|1&/|1|h|1\t0\t0\t0.2777777777777778\t0\t1|0|-1|0|0|0|0|0|0\n"
                               "4\t0\t1\t1\t3\tm\xE8tre carr\xE9\t*|1|m|2\t0\t0\t1\t0\t1|0|0|0|0|0|0|0|0\n"
                               "5\t0\t1\t1\t1\tmicrom\xE8tre\t*|1|\x8Am\x8Am|1\t0\t0\t1e-6\t0\t1|0|0|0|0|0|0|0|0\n"
                               ".\n")) {}

    std::vector<int> found(std::string_view occurrence, SearchField field, bool wholeWord) const {
        std::vector<int> units;
        for (const UnitMatch& m : searchUnits(db, occurrence, field, wholeWord)) units.push_back(m.unit);
        return units;
    }

    UnitDatabase db;
};

TEST_F(UnitSearch, OccurrenceIsTrimmedAndItsBlanksReduced) {
    EXPECT_EQ(normaliseOccurrence("  degr\xE9 \t  Celsius  "), "degr\xE9 Celsius");
    EXPECT_EQ(normaliseOccurrence(" \t "), "");
}

TEST_F(UnitSearch, NamesAreFoldedToPlainLowerCase) {
    EXPECT_EQ(foldName("\xC0\xE9\xE8\xEA\xEB\xE7\xF1\xF6\xF8\xFC\xFD\xFF\xE6"), "aeeeecnoouyy\xE6");
    EXPECT_EQ(found("METRE", SearchField::Name, false), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(found("metre", SearchField::Name, true), (std::vector<int>{0}));
    EXPECT_EQ(found("kilomètre par heure", SearchField::Name, true), std::vector<int>{});  // UTF-8 é is not a 1252 letter
    EXPECT_EQ(found("kilometre   par heure", SearchField::Name, true), (std::vector<int>{2}));
    EXPECT_EQ(found("pouce", SearchField::Name, false), std::vector<int>{});
    EXPECT_EQ(found("   ", SearchField::Name, false), std::vector<int>{});
}

TEST_F(UnitSearch, SymbolsComparePlainExpressions) {
    EXPECT_EQ(symbolSearchText(db.units[2].definition), "km/h");
    EXPECT_EQ(symbolSearchText(db.units[3].definition), "m2");
    EXPECT_EQ(symbolSearchText(db.units[4].definition), "\xB5m");
    EXPECT_EQ(found("km", SearchField::Symbol, false), (std::vector<int>{1, 2}));
    EXPECT_EQ(found("km", SearchField::Symbol, true), (std::vector<int>{1}));
    EXPECT_EQ(found(" km/h ", SearchField::Symbol, true), (std::vector<int>{2}));
    EXPECT_EQ(found("\xB5m", SearchField::Symbol, true), (std::vector<int>{4}));
    EXPECT_EQ(found("KM", SearchField::Symbol, false), std::vector<int>{});  // symbols keep their case
}

TEST_F(UnitSearch, ListedLine) {
    const std::vector<UnitMatch> matches = searchUnits(db, "carr\xE9", SearchField::Name, false);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].line, "m\xB2 [m\xE8tre carr\xE9] : SI, Base, Aire");
}

}  // namespace
}  // namespace ordinax::units::test
