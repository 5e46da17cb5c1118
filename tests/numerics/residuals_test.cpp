// The residuals curve: a sorted copy of the fitted curve holding y minus the
// model, and what happens on a math error or in a full diagram.
#include <gtest/gtest.h>

#include <string>

#include "base/strings.h"
#include "numerics/fit_kind.h"
#include "numerics/residuals.h"

namespace ordinax::numerics {
namespace {

using document::Point;

class Residuals : public ::testing::Test {
protected:
    void SetUp() override {
        diagram.displayMode = 1;
        document::Curve source;
        source.title = "Mesures";
        source.treatment = KindLIN;
        source.fit.coefficient[0] = 1;
        source.fit.coefficient[1] = 2;
        source.function.expression = "y=x";
        const Point points[] = {{3, 8}, {1, 2}, {2, 5}};
        source.points = document::PointBuffer(points);
        diagram.curves.push_back(source);
    }
    document::Diagram diagram;
    document::DiagramDefaults defaults;
};

TEST_F(Residuals, SortedCopyWithResiduals) {
    const document::Curve before = diagram.curves[0];
    const ResidualsOutcome outcome = createResiduals(diagram, 0, residualsTitle("Mesures"), defaults);
    ASSERT_EQ(outcome.index, 1);
    EXPECT_TRUE(outcome.message.empty());
    const document::Curve& r = diagram.curves[1];
    // y - (1 + 2x) at x = 1, 2, 3.
    const Point expected[] = {{1, -1}, {2, 0}, {3, 1}};
    ASSERT_EQ(r.pointCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.points[static_cast<std::size_t>(i)], expected[i]);
    EXPECT_EQ(r.title, "R\xE9siduels de Mesures");
    EXPECT_EQ(r.treatment, KindJPP);
    EXPECT_EQ(r.function, document::FunctionDef{});
    EXPECT_EQ(diagram.curves[0], before);  // the source is untouched
    EXPECT_EQ(r.extent[1][0], -1.0);
    EXPECT_EQ(r.extent[1][1], 1.0);
}

TEST_F(Residuals, TitleIsCut) {
    const ResidualsOutcome outcome = createResiduals(diagram, 0, std::string(600, 'a'), defaults);
    ASSERT_EQ(outcome.index, 1);
    EXPECT_EQ(diagram.curves[1].title.size(), static_cast<std::size_t>(ResidualsTitleLimit));
}

TEST_F(Residuals, MathErrorRemovesTheNewCurve) {
    diagram.curves[0].treatment = KindRECLIN;  // 1 / (1 + 2x) at x = -0.5
    const Point points[] = {{1, 1}, {-0.5, 2}};
    diagram.curves[0].points = document::PointBuffer(points);
    const ResidualsOutcome outcome = createResiduals(diagram, 0, "R", defaults);
    EXPECT_EQ(outcome.index, -1);
    EXPECT_EQ(diagram.curveCount(), 1);
    EXPECT_EQ(outcome.message.id, 460);
    EXPECT_EQ(outcome.message.heading, base::Heading::Error);
    EXPECT_EQ(outcome.message.text, "Impossible de cr\xC3\xA9" "er la courbe des r\xC3\xA9siduels !\n\nErreur math\xC3\xA9matique.");
}

TEST_F(Residuals, FullDiagram) {
    diagram.curves.resize(document::MaxCurves, diagram.curves[0]);
    const ResidualsOutcome outcome = createResiduals(diagram, 0, "R", defaults);
    EXPECT_TRUE(outcome.full);
    EXPECT_EQ(diagram.curveCount(), document::MaxCurves);
}

TEST(ResidualsMessages, Confirmation) {
    const base::Message m = residualsConfirmation("R\xE9siduels de A");
    EXPECT_EQ(m.id, 122);
    EXPECT_EQ(m.text,
              "Une courbe des r\xC3\xA9siduels va \xC3\xAAtre cr\xC3\xA9\xC3\xA9" "e.\n\nSon titre est :\n\n\"R\xC3\xA9siduels de A\"\n\nContinuer ?");
}

}  // namespace
}  // namespace ordinax::numerics
