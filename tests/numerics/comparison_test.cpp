// The comparison of all models: which models take part, the ranking and the
// list lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/fit_kind.h"
#include "numerics/model_comparison.h"

namespace ordinax::numerics {
namespace {

using document::Point;

Catalogue namedCatalogue() {
    Catalogue catalogue;
    for (int kind = 0; kind < KindCount; ++kind) catalogue.model[static_cast<std::size_t>(kind)].name = "\xB6" "b" + std::string(codeName(kind)) + " name";
    return catalogue;
}

TEST(Comparison, AllXEqualGivesNothing) {
    EXPECT_TRUE(compareModels(std::vector<Point>{{1, 1}, {1, 2}, {1, 3}}, namedCatalogue(), false).empty());
}

TEST(Comparison, AllYEqualListsTheModelsWithAConstant) {
    const auto entries = compareModels(std::vector<Point>{{1, 2}, {2, 2}, {3, 2}}, namedCatalogue(), false);
    std::vector<int> kinds;
    for (const RankEntry& e : entries) {
        kinds.push_back(e.kind);
        EXPECT_EQ(e.determination, 1.0);
    }
    const std::vector<int> expected = {KindBETA, KindEXP,    KindHYP,    KindHYP2,   KindLIN,  KindLINHYP,
                                       KindLOG,  KindLOG10,  KindMODEXP, KindMODGEO, KindPOL2, KindPOL3,
                                       KindPOL4, KindPOL5,   KindPOL6,   KindPUI,    KindSUPGEO};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(entries[0].name, "BETA name");  // markup removed
}

TEST(Comparison, RanksByDeterminationAndLeavesOutModelsWithFixedParameters) {
    // y = 1 + 2x exactly on 6 positive points.
    std::vector<Point> points;
    for (int i = 1; i <= 6; ++i) points.push_back({double(i), 1.0 + 2.0 * i});
    int calls = 0;
    std::size_t lastSize = 0;
    const auto entries = compareModels(points, namedCatalogue(), false, [&](const std::vector<RankEntry>& list) {
        ++calls;
        EXPECT_EQ(list.size(), lastSize + 1);
        lastSize = list.size();
        EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                                   [](const RankEntry& a, const RankEntry& b) { return a.determination > b.determination; }));
    });
    EXPECT_EQ(calls, static_cast<int>(entries.size()));
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].determination, 1.0);
    for (const RankEntry& e : entries) {
        EXPECT_GT(e.determination, 0.0);
        EXPECT_EQ(fixedParameterCount(e.kind), 0) << e.code;
        EXPECT_NE(e.kind, KindLINTO);
        EXPECT_NE(e.kind, KindPOL2TO);
        EXPECT_NE(e.kind, KindPOL6) << "7 coefficients on 6 points";
    }
    const auto lin = std::find_if(entries.begin(), entries.end(), [](const RankEntry& e) { return e.kind == KindLIN; });
    ASSERT_NE(lin, entries.end());
    EXPECT_EQ(lin->determination, 1.0);
}

TEST(Comparison, CountsEveryModelTriedAndStopsWhenAsked) {
    std::vector<Point> points;
    for (int i = 1; i <= 12; ++i) points.push_back({i * 0.05, 1.0 + i * 0.3 + 0.02 * (i % 3)});
    // 37 models less the 6 with a forced passage and the 2 with fixed exponents.
    EXPECT_EQ(comparedModelCount(12), 29);
    EXPECT_EQ(comparedModelCount(6), 28) << "POL6 needs 7 points";

    std::vector<int> steps;
    int total = 0;
    compareModels(points, namedCatalogue(), false, {}, {}, [&](int tried, int all) {
        steps.push_back(tried);
        total = all;
    });
    EXPECT_EQ(total, 29);
    ASSERT_EQ(steps.size(), 29u);
    EXPECT_EQ(steps.back(), 29);

    // A stop asked during the fifth model ends the comparison after it.
    std::stop_source stop;
    int tried = 0;
    const auto partial = compareModels(
        points, namedCatalogue(), false, {}, stop.get_token(), [&](int n, int) {
            tried = n;
            if (n == 5) stop.request_stop();
        });
    EXPECT_EQ(tried, 5);
    EXPECT_LE(partial.size(), 5u);
}

TEST(Comparison, ShellSortIsDescending) {
    std::vector<RankEntry> entries;
    const double values[] = {0.3, 0.9, 0.1, 0.95, 0.5, 0.7, 0.2, 0.8, 0.4, 0.6, 0.05, 0.99};
    for (double v : values) entries.push_back({KindLIN, "LIN", "n", v});
    sortByDetermination(entries);
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_GE(entries[i - 1].determination, entries[i].determination);
    EXPECT_EQ(entries.front().determination, 0.99);
    EXPECT_EQ(entries.back().determination, 0.05);
}

TEST(Comparison, ListLine) {
    EXPECT_EQ(rankLine({KindLIN, "LIN", "Lin\xE9" "aire", 0.987654}), "LIN\tLin\xE9" "aire\t0.9877");
    EXPECT_EQ(rankLine({KindPUI, "PUI", "Puissance", 1.0}), "PUI\tPuissance\t1.0000");
}

}  // namespace
}  // namespace ordinax::numerics
