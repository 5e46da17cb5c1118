// The elements of a drawn diagram for screen readers: order, names and
// rectangles, by hand from a small laid-out diagram.
#include "render/view_elements.h"

#include <gtest/gtest.h>

#include "document/label_slots.h"

namespace ordinax::render {
namespace {

using document::Diagram;

TEST(ViewElements, ReadingOrderNamesAndPlaces) {
    Diagram d;
    d.curves.resize(2);
    d.curves[0].title = "Sonde int\xE9rieure";
    d.curves[0].points.resize(13);
    d.curves[1].hidden = 1;  // not drawn, not listed
    d.curves[0].legend =
        "\xB6"
        "bInt\xB6"
        "b";
    document::insertLabel(d, document::LowerTitleSlot, 3);
    d.labels[document::LowerTitleSlot].text =
        "T\xB6s1\xB6s = 22 \xB0"
        "C";
    ASSERT_EQ(document::insertTag(d, 3), 0);
    ASSERT_EQ(document::insertTag(d, 3), 1);
    d.labels[document::FirstTagSlot].text = "deux\nlignes";
    d.tagOrder = {1, 0, -1, -1, -1, -1, -1, -1, -1, -1};  // tag 2 at the bottom
    d.scales.axis[0][0].active = 1;
    d.scales.axis[0][0].origin = 0;
    d.scales.axis[0][0].extremity = 24;
    d.scales.axis[0][0].step = 3;

    DiagramLayout layout;
    layout.plotRect = {50, 20, 450, 320};
    layout.blocks[document::LowerTitleSlot] = {200, 360, 300, 380};
    layout.blocks[document::FirstTagSlot] = {100, 40, 160, 70};
    layout.blocks[document::FirstTagSlot + 1] = {300, 40, 360, 60};
    layout.scaleAreas[0][0] = {50, 320, 450, 345};
    layout.legendLines = {{0, {60, 25, 140, 35}}};

    const std::vector<ViewElement> elements = viewElements(layout, d);
    std::vector<std::string> names;
    for (const ViewElement& e : elements) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Zone de tracé",
                         "Échelle Axe des X, côté inférieur (LIN) : 0 à 24, pas 3",
                         "Courbe Sonde intérieure, 13 points",
                         "Légende : Int",
                         "Étiquette 2 : Étiquette 2",
                         "Étiquette 1 : deux lignes",
                         "Titre, côté inférieur : T1 = 22 °C",
                     }));
    EXPECT_EQ(elements[0].rect, layout.plotRect);
    EXPECT_EQ(elements[2].curve, 0);
    EXPECT_EQ(elements[4].slot, document::FirstTagSlot + 1);
    EXPECT_EQ(elements[6].rect, layout.blocks[document::LowerTitleSlot]);
    // Only the filtered curve; nothing before a pass laid the plot out.
    EXPECT_EQ(viewElements(layout, d, 1).size(), elements.size() - 1);
    EXPECT_TRUE(viewElements(DiagramLayout{}, d).empty());
}

TEST(ViewElements, GreekRunsAreSpokenInGreek) {
    // ¶g q ¶g is θ in the Symbol font; the rest stays as it is.
    EXPECT_EQ(spokenText("\xB6gq\xB6g = 2\xB6gp\xB6gr\nfin"), "θ = 2πr fin");
    EXPECT_EQ(spokenText("\xB6gDT\xB6g"), "ΔΤ");
}

}  // namespace
}  // namespace ordinax::render
