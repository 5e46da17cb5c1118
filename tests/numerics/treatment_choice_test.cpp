// The choices of the smoothing and fitting dialog: groups and kinds, the
// confidence list, fixed parameters, the band, and applying a choice.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"
#include "numerics/treatment_choice.h"

namespace ordinax::numerics {
namespace {

using document::Point;

document::Curve choiceCurve(std::vector<Point> points) {
    document::Curve curve;
    curve.points = document::PointBuffer(points);
    return curve;
}

Catalogue statisticsCatalogue() {
    Catalogue catalogue;
    for (int kind = FirstRegressionKind; kind <= LastRegressionKind; ++kind)
        catalogue.model[static_cast<std::size_t>(kind)].flag = 1;
    return catalogue;
}

TEST(TreatmentChoice, GroupsAndTheKindEachSelects) {
    EXPECT_EQ(treatmentGroup(KindNone), TreatmentGroup::None);
    EXPECT_EQ(treatmentGroup(KindJPP), TreatmentGroup::PointToPoint);
    EXPECT_EQ(treatmentGroup(KindSPC), TreatmentGroup::Neighbour);
    EXPECT_EQ(treatmentGroup(KindFOU), TreatmentGroup::Fourier);
    EXPECT_EQ(treatmentGroup(KindSUPGEO), TreatmentGroup::Regression);
    EXPECT_EQ(treatmentGroup(99), TreatmentGroup::None);

    struct Case {
        TreatmentGroup group;
        int current;
        int model;
        int kind;
    };
    const Case cases[] = {
        {TreatmentGroup::Neighbour, KindBEZ, 0, KindBEZ},  // a neighbour kind is kept
        {TreatmentGroup::Neighbour, KindLIN, 0, KindBSP},  // any other starts with the B-spline
        {TreatmentGroup::Neighbour, KindNone, 0, KindBSP},
        {TreatmentGroup::Regression, KindJPP, KindPOL6, KindPOL6},
        {TreatmentGroup::Regression, KindJPP, KindFOU, KindLIN},  // not a model
        {TreatmentGroup::Fourier, KindLIN, KindLIN, KindFOU},
        {TreatmentGroup::PointToPoint, KindLIN, KindLIN, KindJPP},
        {TreatmentGroup::None, KindLIN, KindLIN, KindNone},
    };
    for (const Case& c : cases) EXPECT_EQ(kindOfGroup(c.group, c.current, c.model), c.kind) << c.current;
}

TEST(TreatmentChoice, ConfidenceListEntries) {
    const std::pair<double, int> cases[] = {{99, 0}, {95, 1}, {90, 2}, {80, 3}, {97.5, 0}, {85, 2},
                                            {50, 3}, {0, 1},  {100, 1}, {NAN, 1}};
    for (const auto& [confidence, index] : cases) EXPECT_EQ(confidenceIndex(confidence), index) << confidence;
}

TEST(TreatmentChoice, FixedParameterFieldsFollowTheModel) {
    EXPECT_EQ(fixedParameterLabel(KindLIN, 0), "? =");
    EXPECT_EQ(fixedParameterLabel(KindLINTP, 0), "r =");
    EXPECT_EQ(fixedParameterLabel(KindLINTP, 1), "s =");
    EXPECT_EQ(fixedParameterLabel(KindLINTP, 2), "? =");
    EXPECT_EQ(fixedParameterLabel(KindGPOL3, 2), "t =");
    EXPECT_EQ((fixedParametersUsed(KindGPOL2)), (std::array<bool, 3>{true, true, false}));
    for (int kind : {KindEXP, KindLIN, KindLOG, KindLOG10, KindPUI}) EXPECT_TRUE(hasConfidenceBand(kind));
    for (int kind : {KindPOL2, KindLINTO, KindFOU, KindNone}) EXPECT_FALSE(hasConfidenceBand(kind));
}

TEST(TreatmentChoice, ARegressionStoresItsFitAndTheBand) {
    // y = 1 + 2x exactly: a0 = 1, a1 = 2 (by hand).
    document::Curve curve = choiceCurve({{0, 1}, {1, 3}, {2, 5}, {3, 7}});
    TreatmentChoice choice;
    choice.kind = KindLIN;
    choice.confidence = 90.0;
    choice.showBand = true;
    const TreatmentOutcome outcome = applyTreatment(curve, choice, statisticsCatalogue(), false);
    ASSERT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.reportable);
    EXPECT_EQ(curve.treatment, KindLIN);
    EXPECT_NEAR(curve.fit.coefficient[0], 1.0, 1e-12);
    EXPECT_NEAR(curve.fit.coefficient[1], 2.0, 1e-12);
    EXPECT_EQ(curve.confidence, 90.0);
    EXPECT_EQ(curve.line.type[1], BandLineType);
    EXPECT_EQ(outcome.lastFit.n, 4);
    EXPECT_EQ(currentChoice(curve).showBand, true);

    // A line style already chosen for the band is kept; asking for no band removes it.
    curve.line.type[1] = 4;
    ASSERT_EQ(applyTreatment(curve, choice, statisticsCatalogue(), false).status, 0);
    EXPECT_EQ(curve.line.type[1], 4);
    choice.showBand = false;
    ASSERT_EQ(applyTreatment(curve, choice, statisticsCatalogue(), false).status, 0);
    EXPECT_EQ(curve.line.type[1], 0);

    // A model without band leaves the band's line style alone.
    curve.line.type[1] = 3;
    choice.kind = KindPOL2;
    ASSERT_EQ(applyTreatment(curve, choice, statisticsCatalogue(), false).status, 0);
    EXPECT_EQ(curve.line.type[1], 3);
}

TEST(TreatmentChoice, RefinementIsAskedForTheModelsThatAllowIt) {
    // Points off an exponential: the fit of log y and the least squares in y differ.
    const std::vector<Point> points = {{0, 1}, {1, 3}, {2, 7}, {3, 20}, {4, 50}};
    const auto sse = [&points](const document::Curve& c) {
        double sum = 0.0;
        for (const Point& p : points) {
            const double r = p.y - c.fit.coefficient[0] * std::exp(c.fit.coefficient[1] * p.x);
            sum += r * r;
        }
        return sum;
    };
    document::Curve linearised = choiceCurve(points);
    TreatmentChoice choice;
    choice.kind = KindEXP;
    ASSERT_EQ(applyTreatment(linearised, choice, statisticsCatalogue(), false).status, 0);
    EXPECT_FALSE(currentChoice(linearised).refine);

    document::Curve refined = linearised;
    choice.refine = true;
    const TreatmentOutcome outcome = applyTreatment(refined, choice, statisticsCatalogue(), false);
    ASSERT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.lastFit.refined);
    EXPECT_TRUE(outcome.warning.empty());
    EXPECT_TRUE(currentChoice(refined).refine);  // the dialog opens with its box ticked
    // The refined fit is the least-squares one in y: it cannot do worse there.
    EXPECT_LT(sse(refined), sse(linearised));

    // Computed again without the box, the curve forgets its refinement.
    choice.refine = false;
    ASSERT_EQ(applyTreatment(refined, choice, statisticsCatalogue(), false).status, 0);
    EXPECT_FALSE(currentChoice(refined).refine);
    EXPECT_DOUBLE_EQ(refined.fit.coefficient[1], linearised.fit.coefficient[1]);

    // A linear model has nothing to refine: the box is ignored, nothing is said.
    document::Curve line = choiceCurve({{0, 1}, {1, 3}, {2, 5}});
    choice.kind = KindLIN;
    choice.refine = true;
    const TreatmentOutcome linear = applyTreatment(line, choice, statisticsCatalogue(), false);
    ASSERT_EQ(linear.status, 0);
    EXPECT_FALSE(linear.lastFit.refineAsked);
    EXPECT_TRUE(linear.warning.empty());
}

TEST(TreatmentChoice, ARefusedFitLeavesTheCurveAsItWas) {
    document::Curve curve = choiceCurve({{0, 1}, {1, 3}, {2, 5}});
    curve.treatment = KindJPP;
    const document::Curve before = curve;
    TreatmentChoice choice;
    choice.kind = KindPUI;  // x = 0 has no logarithm
    choice.confidence = 80.0;
    const TreatmentOutcome outcome = applyTreatment(curve, choice, statisticsCatalogue(), false);
    EXPECT_EQ(outcome.status, 117);
    EXPECT_TRUE(curve == before);

    choice.kind = KindFOU;  // three points make no series
    EXPECT_EQ(applyTreatment(curve, choice, statisticsCatalogue(), false).status, 148);
    EXPECT_TRUE(curve == before);
}

TEST(TreatmentChoice, DrawingKindsOnlyChangeTheKindAndFourierKeepsItsHarmonics) {
    document::Curve curve = choiceCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}});
    TreatmentChoice choice = currentChoice(curve);
    choice.kind = KindBEZ;
    const TreatmentOutcome drawn = applyTreatment(curve, choice, Catalogue{}, false);
    EXPECT_EQ(drawn.status, 0);
    EXPECT_FALSE(drawn.reportable);
    EXPECT_EQ(curve.treatment, KindBEZ);

    choice.kind = KindFOU;
    choice.harmonics = 1;
    const TreatmentOutcome series = applyTreatment(curve, choice, Catalogue{}, false);
    ASSERT_EQ(series.status, 0);
    EXPECT_TRUE(series.reportable);
    EXPECT_EQ(curve.fit.harmonicCount, 1);
    // T = 3 and the trapezoidal mean (0.5 + 0.5 + 0.5) / 3 (by hand).
    EXPECT_NEAR(curve.fit.fourierA0, 0.5, 1e-12);
    EXPECT_NEAR(curve.fit.omega, 2 * M_PI / 3, 1e-12);
    EXPECT_EQ(currentChoice(curve).harmonics, 1);
}

}  // namespace
}  // namespace ordinax::numerics
