// Insertion, deletion and repositioning of titles, axis labels, legends and
// tags; placement codes and default texts by hand from the slot tables
// (texts in Windows-1252: "\xB0" is "°", "\xC9" "É", "\xE9" "é").
#include <gtest/gtest.h>

#include "document/label_slots.h"

namespace ordinax::document {
namespace {

LabelSlot& slot(Diagram& d, int i) { return d.labels[static_cast<std::size_t>(i)]; }

TEST(LabelPlacement, CodesOfTheChoices) {
    EXPECT_EQ(yLabelPlacement(LeftYLabelSlot, YLabelPosition::Above), 1);
    EXPECT_EQ(yLabelPlacement(RightYLabelSlot, YLabelPosition::Above), 2);
    for (int s : {LeftYLabelSlot, RightYLabelSlot}) {
        EXPECT_EQ(yLabelPlacement(s, YLabelPosition::Top), 4);
        EXPECT_EQ(yLabelPlacement(s, YLabelPosition::Bottom), 5);
        EXPECT_EQ(yLabelPlacement(s, YLabelPosition::Centred), 6);
    }
    // The list shows top-left first, then top-right; the rest keep their index.
    const int expected[LegendPositionCount] = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < LegendPositionCount; ++i) {
        EXPECT_EQ(legendPlacementFromList(i), expected[i]) << i;
        EXPECT_EQ(legendListIndex(expected[i]), i) << i;
    }
}

TEST(LabelPlacement, ValidCodesPerSlot) {
    struct Case {
        int slot, placement;
        bool valid;
    };
    const Case cases[] = {{0, 3, true},  {1, 1, true},  {2, 1, true},  {3, 4, false}, {4, 1, true},
                          {4, 2, false}, {5, 2, true},  {5, 1, false}, {5, 6, true},  {4, 3, false},
                          {6, 0, true},  {6, 9, true},  {6, 10, false}, {7, 3, true}, {16, 2, true},
                          {16, 4, false}, {17, 1, false}, {-1, 1, false}, {2, -1, true}};
    for (const Case& c : cases) EXPECT_EQ(isValidPlacement(c.slot, c.placement), c.valid) << c.slot << "/" << c.placement;
}

TEST(LabelInsertion, TitlesAndAxisLabels) {
    Diagram d;
    EXPECT_TRUE(insertLabel(d, LowerXLabelSlot, PlaceLeft));  // "A gauche"
    EXPECT_EQ(slot(d, 2).placement, 1);
    EXPECT_EQ(slot(d, 2).text, "Axe des X");
    EXPECT_EQ(slot(d, 2).lineCount, 1);
    EXPECT_TRUE(insertLabel(d, LeftYLabelSlot, yLabelPlacement(LeftYLabelSlot, YLabelPosition::Above)));
    EXPECT_TRUE(insertLabel(d, RightYLabelSlot, yLabelPlacement(RightYLabelSlot, YLabelPosition::Above)));
    EXPECT_EQ(slot(d, 4).placement, 1);
    EXPECT_EQ(slot(d, 5).placement, 2);
    EXPECT_EQ(slot(d, 5).text, "Axe des Y");
    EXPECT_TRUE(insertLabel(d, UpperTitleSlot, PlaceCentred));
    EXPECT_EQ(slot(d, 1).text, "Titre");
    EXPECT_EQ(slot(d, 1).placement, 3);
    EXPECT_TRUE(insertLabel(d, UpperXLabelSlot, PlaceCentred, "[m/s]"));
    EXPECT_EQ(slot(d, 3).text, "Axe des X [m/s]");

    // An occupied slot, a code the slot cannot hold, and the other slots are refused.
    const Diagram before = d;
    EXPECT_FALSE(insertLabel(d, LowerXLabelSlot, PlaceRight));
    EXPECT_FALSE(insertLabel(d, LowerTitleSlot, 4));
    EXPECT_FALSE(insertLabel(d, LegendSlot, 1));
    EXPECT_FALSE(insertLabel(d, 7, 3));
    EXPECT_EQ(d, before);
}

TEST(LabelInsertion, DefaultTexts) {
    EXPECT_EQ(defaultSlotText(0), "Titre");
    EXPECT_EQ(defaultSlotText(0, "[m]"), "Titre");  // titles carry no unit
    EXPECT_EQ(defaultSlotText(5), "Axe des Y");
    EXPECT_EQ(defaultSlotText(7), "\xC9tiquette 1");
    EXPECT_EQ(defaultSlotText(16), "\xC9tiquette 10");
    EXPECT_EQ(defaultSlotText(LegendSlot), "");
}

TEST(LegendText, TitleNumberCaseAndSizeCode) {
    Curve curve;
    curve.title = "vitesse du VENT";
    struct Case {
        bool number;
        LegendCase change;
        const char* expected;
    };
    const Case cases[] = {
        {false, LegendCase::AsIs, "vitesse du VENT"},
        {false, LegendCase::FirstUpper, "Vitesse du VENT"},
        {false, LegendCase::FirstUpperRestLower, "Vitesse du vent"},
        {false, LegendCase::AllLower, "vitesse du vent"},
        {true, LegendCase::AsIs, "Courbe n\xB0 3"},
        {true, LegendCase::AllLower, "courbe n\xB0 3"},
    };
    for (const Case& c : cases) {
        LegendTextOptions options;
        options.useCurveNumber = c.number;
        options.caseChange = c.change;
        EXPECT_EQ(defaultLegendText(curve, 2, options), c.expected);
    }
    // The size code goes in front of the text, after the case change.
    LegendTextOptions sized;
    sized.caseChange = LegendCase::AllLower;
    sized.fontCode = "\xB6S[20]";
    EXPECT_EQ(defaultLegendText(curve, 2, sized), "\xB6S[20]vitesse du vent");
    // An empty title gives the number.
    EXPECT_EQ(defaultLegendText(Curve{}, 0, {}), "Courbe n\xB0 1");
    // Accented letters change case too: "éTÉ".
    EXPECT_EQ(applyLegendCase("\xE9T\xC9", LegendCase::AllLower), "\xE9t\xE9");
    EXPECT_EQ(applyLegendCase("\xE9t\xE9", LegendCase::FirstUpper), "\xC9t\xE9");
    EXPECT_EQ(applyLegendCase("", LegendCase::FirstUpper), "");
}

TEST(LegendInsertion, BlockPlacementAndDeletion) {
    Diagram d;
    d.curves.resize(3);
    d.curves[1].title = "Mesures";
    EXPECT_TRUE(insertLegend(d, 1, legendPlacementFromList(0), {}));
    EXPECT_EQ(d.curves[1].legend, "Mesures");
    EXPECT_EQ(slot(d, LegendSlot).placement, 1);
    EXPECT_EQ(slot(d, LegendSlot).lineCount, 1);
    EXPECT_FALSE(insertLegend(d, 3, 0, {}));
    EXPECT_FALSE(insertLegend(d, 0, 10, {}));

    EXPECT_EQ(insertAllLegends(d, 5, {}), 2);
    EXPECT_EQ(d.curves[0].legend, "Courbe n\xB0 1");
    EXPECT_EQ(d.curves[1].legend, "Mesures");
    EXPECT_EQ(slot(d, LegendSlot).placement, 1);  // the block keeps its place
    EXPECT_EQ(slot(d, LegendSlot).lineCount, 3);

    deleteLegend(d, 0);
    deleteLegend(d, 2);
    EXPECT_EQ(slot(d, LegendSlot).lineCount, 1);
    EXPECT_EQ(slot(d, LegendSlot).placement, 1);
    deleteLegend(d, 1);
    EXPECT_EQ(slot(d, LegendSlot).placement, -1);
    EXPECT_EQ(slot(d, LegendSlot).lineCount, 0);
}

class TagSlots : public ::testing::Test {
protected:
    // Three tags, stacked in insertion order (ranks 0, 1, 2).
    void SetUp() override {
        for (int i = 0; i < 3; ++i) ASSERT_EQ(insertTag(d, PlaceCentred, {1000.0 * i, -500.0}), i);
    }
    std::array<std::int32_t, 3> ranks() const { return {d.tagOrder[0], d.tagOrder[1], d.tagOrder[2]}; }
    Diagram d;
};

TEST_F(TagSlots, InsertionFillsTheFirstFreeSlotOnTop) {
    EXPECT_EQ(ranks(), (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(slot(d, 8).text, "\xC9tiquette 2");
    EXPECT_EQ(slot(d, 8).placement, 3);
    EXPECT_EQ(slot(d, 8).lineCount, 1);
    EXPECT_EQ(d.tagPosition[1], (std::array<double, 2>{1000.0, -500.0}));
    EXPECT_EQ(insertTag(d, 4), -1);  // no such alignment
    for (int i = 3; i < TagCount; ++i) EXPECT_EQ(insertTag(d, PlaceLeft), i);
    EXPECT_EQ(insertTag(d, PlaceLeft), -1);  // all ten in use
    EXPECT_EQ(d.tagOrder[9], 9);
}

TEST_F(TagSlots, DeletionFreesTheSlotAndCloseTheStack) {
    deleteTag(d, 1);
    EXPECT_EQ(ranks(), (std::array<std::int32_t, 3>{0, -1, 1}));
    EXPECT_TRUE(slot(d, 8).text.empty());
    EXPECT_EQ(slot(d, 8).placement, -1);
    EXPECT_EQ(d.tagPosition[1], (std::array<double, 2>{0.0, 0.0}));
    // The freed slot is the next one used.
    EXPECT_EQ(insertTag(d, PlaceRight), 1);
    EXPECT_EQ(d.tagOrder[1], 2);
    deleteAllTags(d);
    EXPECT_EQ(tagsInUse(d), 0);
    EXPECT_EQ(slot(d, 7).placement, -1);
}

TEST_F(TagSlots, PlaceAboveAndBelow) {
    // "Placer au-dessous" on the top tag of three: it takes 0, the others rise.
    EXPECT_TRUE(lowerTag(d, 2));
    EXPECT_EQ(ranks(), (std::array<std::int32_t, 3>{1, 2, 0}));
    // "Placer au-dessus" on the bottom one: it takes 2, those above move down.
    EXPECT_TRUE(raiseTag(d, 2));
    EXPECT_EQ(ranks(), (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_TRUE(raiseTag(d, 0));
    EXPECT_EQ(ranks(), (std::array<std::int32_t, 3>{2, 0, 1}));
    // The middle one down: only the tag below it rises.
    EXPECT_TRUE(lowerTag(d, 2));
    EXPECT_EQ(ranks(), (std::array<std::int32_t, 3>{2, 1, 0}));
    EXPECT_FALSE(raiseTag(d, 5));   // free tag
    EXPECT_FALSE(lowerTag(d, 12));  // no such tag
}

TEST_F(TagSlots, MovingTags) {
    EXPECT_TRUE(moveTag(d, 0, {100000.0, 100000.0}));
    EXPECT_EQ(d.tagPosition[0], (std::array<double, 2>{100000.0, 100000.0}));
    EXPECT_FALSE(moveTag(d, 4, {1.0, 1.0}));
    EXPECT_EQ(d.tagPosition[4], (std::array<double, 2>{0.0, 0.0}));
    EXPECT_TRUE(repositionLabel(d, 7, PlaceLeft));
    EXPECT_EQ(slot(d, 7).placement, 1);
}

TEST(LabelEditing, RepositionAndDelete) {
    Diagram d;
    EXPECT_FALSE(repositionLabel(d, LowerXLabelSlot, PlaceRight));  // empty slot
    ASSERT_TRUE(insertLabel(d, LowerXLabelSlot, PlaceLeft));
    ASSERT_TRUE(insertLabel(d, LeftYLabelSlot, 6));
    EXPECT_TRUE(repositionLabel(d, LowerXLabelSlot, PlaceRight));
    EXPECT_EQ(slot(d, 2).placement, 2);
    EXPECT_FALSE(repositionLabel(d, LeftYLabelSlot, 2));
    EXPECT_TRUE(repositionLabel(d, LeftYLabelSlot, 1));
    EXPECT_EQ(slot(d, 4).placement, 1);

    ASSERT_EQ(insertTag(d, PlaceCentred), 0);
    deleteLabel(d, LowerXLabelSlot);
    EXPECT_TRUE(slot(d, 2).text.empty());
    EXPECT_EQ(slot(d, 2).placement, -1);
    EXPECT_EQ(slot(d, 2).lineCount, 0);
    deleteAllLabels(d);
    EXPECT_EQ(slot(d, 4).placement, -1);
    // Tags are not labels: they stay.
    EXPECT_EQ(slot(d, 7).placement, 3);
    EXPECT_EQ(tagsInUse(d), 1);
}

}  // namespace
}  // namespace ordinax::document
