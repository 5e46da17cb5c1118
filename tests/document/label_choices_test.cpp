// The painted areas of the paint dialogs and the choices of the label,
// legend and tag dialogs, by hand from the slot and placement tables.
#include "document/label_choices.h"

#include <gtest/gtest.h>

#include "base/strings_drawing.h"
#include "document/diagram_ops.h"
#include "document/paint_targets.h"

namespace ordinax::document {
namespace {

Diagram withCurves(int count) {
    Diagram d;
    d.curves.resize(static_cast<std::size_t>(count));
    return d;
}

TEST(PaintTargets, EachGroupListsTheAreasTheDiagramShows) {
    Diagram d = withCurves(2);
    EXPECT_TRUE(paintTargets(d, PaintGroup::Labels).empty());
    EXPECT_TRUE(paintTargets(d, PaintGroup::Legends).empty());
    EXPECT_TRUE(paintTargets(d, PaintGroup::Tags).empty());
    ASSERT_EQ(paintTargets(d, PaintGroup::Background).size(), 1u);
    EXPECT_EQ(&paintOf(d, paintTargets(d, PaintGroup::Background)[0]), &d.backPaint);
    EXPECT_EQ(&paintOf(d, paintTargets(d, PaintGroup::Plot)[0]), &d.diagramPaint);

    ASSERT_TRUE(insertLabel(d, UpperXLabelSlot, PlaceLeft));
    ASSERT_TRUE(insertLabel(d, LowerTitleSlot, PlaceCentred));
    ASSERT_TRUE(insertLegend(d, 1, 0, {}));
    for (int i = 0; i < 3; ++i) ASSERT_EQ(insertTag(d, PlaceCentred), i);
    deleteTag(d, 1);  // tags 1 and 3 stay
    const auto labels = paintTargets(d, PaintGroup::Labels);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].slot, LowerTitleSlot);
    EXPECT_EQ(labels[1].slot, UpperXLabelSlot);
    ASSERT_EQ(paintTargets(d, PaintGroup::Legends).size(), 1u);
    EXPECT_EQ(&paintOf(d, paintTargets(d, PaintGroup::Legends)[0]), &d.labels[LegendSlot].paint);
    const auto tags = paintTargets(d, PaintGroup::Tags);
    ASSERT_EQ(tags.size(), 2u);
    EXPECT_EQ(tags[0].slot, FirstTagSlot);
    EXPECT_EQ(tags[1].slot, FirstTagSlot + 2);

    // The selection chooses the area; an unknown one gives the first.
    EXPECT_EQ(preferredTarget(tags, FirstTagSlot + 2), 1);
    EXPECT_EQ(preferredTarget(tags, 3), 0);
    EXPECT_TRUE(takesPicture(paintTargets(d, PaintGroup::Plot)[0]));
    EXPECT_FALSE(takesPicture(tags[0]));
    EXPECT_EQ(paintTargetNameId(tags[1]), base::MsgSlotNameFirst + 9);
    EXPECT_EQ(paintTargetNameId(paintTargets(d, PaintGroup::Background)[0]), base::MsgBackgroundName);
}

TEST(LabelChoices, PlacementListsPerSlot) {
    struct Case {
        int slot;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {LowerTitleSlot, {1, 2, 3}},
        {LowerXLabelSlot, {1, 2, 3}},
        {LeftYLabelSlot, {1, 4, 5, 6}},                // "Au-dessus" is 1 on the left axis
        {RightYLabelSlot, {2, 4, 5, 6}},               // and 2 on the right one
        {LegendSlot, {1, 0, 2, 3, 4, 5, 6, 7, 8, 9}},  // top-left shown first
        {FirstTagSlot + 3, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        const auto options = placementOptions(c.slot);
        ASSERT_EQ(options.size(), c.codes.size()) << c.slot;
        for (std::size_t i = 0; i < options.size(); ++i) {
            EXPECT_EQ(options[i].code, c.codes[i]) << c.slot;
            EXPECT_TRUE(isValidPlacement(c.slot, options[i].code)) << c.slot;
            EXPECT_EQ(placementIndex(c.slot, options[i].code), static_cast<int>(i));
        }
    }
    EXPECT_EQ(placementOptions(RightYLabelSlot)[0].name, "Au-dessus");
    EXPECT_EQ(placementOptions(LegendSlot)[1].name, "Intérieur, en haut à droite");
    // A code the slot cannot hold shows the default position.
    EXPECT_EQ(placementIndex(LowerXLabelSlot, 7), 2);
    EXPECT_EQ(placementIndex(LeftYLabelSlot, 2), 3);
    EXPECT_EQ(defaultPlacement(LegendSlot), 0);
}

TEST(LabelChoices, InsertableAndShownSlotsAndLegends) {
    Diagram d = withCurves(3);
    EXPECT_EQ(insertableLabelSlots(d), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    insertLabel(d, LeftYLabelSlot, 4);
    EXPECT_EQ(insertableLabelSlots(d), (std::vector<int>{0, 1, 2, 3, 5}));
    EXPECT_EQ(shownLabelSlots(d), (std::vector<int>{4}));
    insertLegend(d, 2, 0, {});
    EXPECT_EQ(curvesWithLegend(d), (std::vector<int>{2}));
    EXPECT_EQ(curvesWithoutLegend(d), (std::vector<int>{0, 1}));
    ASSERT_TRUE(setLegendText(d, 2, ""));
    EXPECT_EQ(d.labels[LegendSlot].placement, -1);  // the block empties with its last legend
    EXPECT_FALSE(setLegendText(d, 3, "x"));
}

TEST(LabelChoices, TheUnitComesFromTheSelectedCurveFirst) {
    Diagram d = withCurves(3);
    d.curves[1].unit[1].factorCount = 1;
    d.curves[2].unit[1].factorCount = 1;
    d.curves[2].unit[0].factorCount = 1;
    EXPECT_EQ(unitCurve(d, LeftYLabelSlot, -1), 1);
    EXPECT_EQ(unitCurve(d, RightYLabelSlot, 2), 2);
    EXPECT_EQ(unitCurve(d, LeftYLabelSlot, 0), 1);  // the selected curve has no y unit
    EXPECT_EQ(unitCurve(d, UpperXLabelSlot, 0), 2);
    EXPECT_EQ(unitCurve(d, LowerTitleSlot, 2), -1);
    d.curves[2].unit[0].factorCount = 0;
    EXPECT_EQ(unitCurve(d, LowerXLabelSlot, -1), -1);
}

TEST(LabelChoices, TextEditedToNothingEmptiesTheSlot) {
    Diagram d;
    const int tag = insertTag(d, PlaceRight, {2000.0, -500.0});
    const int other = insertTag(d, PlaceLeft);
    ASSERT_TRUE(setSlotText(d, FirstTagSlot + tag, "deux\nlignes"));
    EXPECT_EQ(d.labels[FirstTagSlot].lineCount, 2);
    ASSERT_TRUE(setSlotText(d, FirstTagSlot + tag, ""));
    EXPECT_EQ(d.tagOrder[0], -1);
    EXPECT_EQ(d.labels[FirstTagSlot].placement, -1);
    EXPECT_EQ(d.tagPosition[0], (std::array<double, 2>{0.0, 0.0}));
    EXPECT_EQ(d.tagOrder[static_cast<std::size_t>(other)], 0);  // moved down to the bottom rank
    insertLabel(d, LowerTitleSlot, PlaceCentred);
    ASSERT_TRUE(setSlotText(d, LowerTitleSlot, ""));
    EXPECT_EQ(d.labels[LowerTitleSlot].placement, -1);
    EXPECT_FALSE(setSlotText(d, 17, "x"));
}

TEST(LabelChoices, InsertionCaptionsAndTagPercents) {
    EXPECT_EQ(insertionCaption("Insérer un libellé| supplémentaire", false), "Insérer un libellé");
    EXPECT_EQ(insertionCaption("Insérer un libellé| supplémentaire", true), "Insérer un libellé supplémentaire");
    EXPECT_EQ(insertionCaption("Sans barre", true), "Sans barre");
    // 100 % is the plot's edge: 100000 anchor units.
    EXPECT_EQ(tagPositionFromPercent(100.0, -50.0), (std::array<double, 2>{100000.0, -50000.0}));
    Diagram d;
    d.tagPosition[3] = {25000.0, 1000.0};
    EXPECT_EQ(tagPercent(d, 3), (std::array<double, 2>{25.0, 1.0}));
}

}  // namespace
}  // namespace ordinax::document
