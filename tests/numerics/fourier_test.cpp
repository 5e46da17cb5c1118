// The Fourier series of a curve (sort, trailing equal x, exact segment
// integrals, the constant curve, too few points, math errors), its value
// through modelValue, and the intensity and phase spectra.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/strings_analysis_smoothing.h"
#include "numerics/fit_kind.h"
#include "numerics/fourier.h"
#include "numerics/model_value.h"
#include "numerics/spectrum.h"

namespace ordinax::numerics {
namespace {

using document::Curve;
using document::Point;
using std::numbers::pi;

Curve fourierCurve(const std::vector<Point>& points, int harmonics) {
    Curve curve;
    curve.treatment = KindFOU;
    curve.points = document::PointBuffer(points);
    curve.fit.harmonicCount = harmonics;
    return curve;
}

// (2/T)·∫ y·cos(iωx) dx (or sin) over [x0, x0 + T] by composite Simpson on
// each segment: an independent route to the coefficients.
double numericCoefficient(const std::vector<Point>& p, int i, bool sine) {
    const double period = p.back().x - p.front().x, w = i * 2 * pi / period;
    double total = 0;
    for (std::size_t j = 0; j + 1 < p.size(); ++j) {
        const double g = p[j].x, f = p[j + 1].x;
        if (!(f > g)) continue;
        const int steps = 2000;
        const double h = (f - g) / steps;
        auto integrand = [&](double x) {
            const double y = p[j].y + (p[j + 1].y - p[j].y) * (x - g) / (f - g);
            return y * (sine ? std::sin(w * x) : std::cos(w * x));
        };
        double s = integrand(g) + integrand(f);
        for (int k = 1; k < steps; ++k) s += integrand(g + k * h) * (k % 2 ? 4 : 2);
        total += s * h / 3;
    }
    return 2 / period * total;
}

TEST(FourierFit, FourPointsByHand) {
    const std::vector<Point> p = {{0, 0}, {1, 1}, {2, 0}, {3, 1}};
    Curve curve = fourierCurve(p, 1);
    ASSERT_EQ(fourierFit(curve), 0);
    // T = 3; a0 = (0.5 + 0.5 + 0.5)/3.
    EXPECT_NEAR(curve.fit.omega, 2 * pi / 3, 1e-15);
    EXPECT_NEAR(curve.fit.fourierA0, 0.5, 1e-15);
    EXPECT_EQ(curve.fit.harmonicCount, 1);
    EXPECT_NEAR(curve.fit.coefficient[1], numericCoefficient(p, 1, false), 1e-10);
    EXPECT_NEAR(curve.fit.linearCoefficient[1], numericCoefficient(p, 1, true), 1e-10);
    // By hand, integrating by parts twice with z = e^(2iπ/3):
    // ∫ y·e^(iwx) dx = -i/w + 2i√3/w², so a1 = 0 and b1 = 3√3/π² - 1/π.
    EXPECT_NEAR(curve.fit.coefficient[1], 0, 1e-15);
    EXPECT_NEAR(curve.fit.linearCoefficient[1], 3 * std::sqrt(3.0) / (pi * pi) - 1 / pi, 1e-15);
}

TEST(FourierFit, SawtoothAgainstItsKnownSeries) {
    // y = x on [0, 2π]: a0 = π, a_n = 0, b_n = -2/n. Linear segments
    // reproduce the ramp exactly, so only rounding separates the results.
    // The points are given out of order to exercise the sort.
    const int count = 1000;
    std::vector<Point> p;
    for (int k = count; k >= 0; --k) p.push_back({k * 2 * pi / count, k * 2 * pi / count});
    std::swap(p[10], p[500]);
    Curve curve = fourierCurve(p, 10);
    ASSERT_EQ(fourierFit(curve), 0);
    const auto sorted = curve.points.view();
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) ASSERT_LT(sorted[i].x, sorted[i + 1].x) << i;
    EXPECT_NEAR(curve.fit.fourierA0, pi, 1e-12);
    EXPECT_NEAR(curve.fit.omega, 1.0, 1e-15);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_NEAR(curve.fit.coefficient[static_cast<std::size_t>(n)], 0.0, 1e-9) << n;
        EXPECT_NEAR(curve.fit.linearCoefficient[static_cast<std::size_t>(n)], -2.0 / n, 1e-9) << n;
    }
    // modelValue sums the same series: π + Σ -2/n·sin(n·x).
    for (double x : {0.3, 1.0, 4.0}) {
        double expected = pi;
        for (int n = 1; n <= 10; ++n) expected += -2.0 / n * std::sin(n * x);
        expression::MathErrorFlag flag;
        EXPECT_NEAR(modelValue(curve, x, flag), expected, 1e-9) << x;
        EXPECT_FALSE(flag.isRaised());
    }
}

TEST(FourierFit, SquareWaveWithExactJumpsAgainstItsKnownSeries) {
    // 1 on [0, π), -1 on [π, 2π), many samples; the jump is two points at x = π,
    // whose order is kept by the sort. b_n = 4/(nπ) for odd n, 0 for even n.
    const int half = 500;
    std::vector<Point> p;
    for (int k = 0; k <= half; ++k) p.push_back({k * pi / half, 1});
    for (int k = half; k <= 2 * half; ++k) p.push_back({k * pi / half, -1});
    Curve curve = fourierCurve(p, 50);
    ASSERT_EQ(fourierFit(curve), 0);
    EXPECT_NEAR(curve.fit.fourierA0, 0.0, 1e-12);
    for (int n = 1; n <= 50; ++n) {
        EXPECT_NEAR(curve.fit.coefficient[static_cast<std::size_t>(n)], 0.0, 1e-9) << n;
        EXPECT_NEAR(curve.fit.linearCoefficient[static_cast<std::size_t>(n)], n % 2 ? 4 / (n * pi) : 0.0, 1e-9) << n;
    }
}

TEST(FourierFit, TrailingPointsAtTheLastXAreLeftOut) {
    const std::vector<Point> four = {{0, 0}, {1, 1}, {2, 0}, {3, 1}};
    Curve reference = fourierCurve(four, 3);
    ASSERT_EQ(fourierFit(reference), 0);
    Curve trailing = fourierCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}, {3, 40}, {3, -7}}, 3);
    ASSERT_EQ(fourierFit(trailing), 0);
    EXPECT_EQ(trailing.fit, reference.fit);
    EXPECT_EQ(trailing.pointCount(), 6);
}

TEST(FourierFit, TooFewPointsRefusedAfterTheSort) {
    const std::vector<std::vector<Point>> cases = {
        {},
        {{1, 1}},
        {{2, 0}, {0, 1}, {1, 5}},                 // three points
        {{0, 0}, {1, 1}, {2, 0}, {2, 3}},         // four, but the last two share x
        {{5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}},  // one x only
    };
    for (const auto& points : cases) {
        Curve curve = fourierCurve(points, 5);
        curve.fit.omega = 3.5;
        const document::FitResult before = curve.fit;
        EXPECT_EQ(fourierFit(curve), base::MsgFourierTooFewPoints) << points.size();
        EXPECT_EQ(curve.fit, before);
        const auto sorted = curve.points.view();
        for (std::size_t i = 0; i + 1 < sorted.size(); ++i) EXPECT_LE(sorted[i].x, sorted[i + 1].x);
    }
    EXPECT_EQ(base::makeMessage(base::MsgFourierTooFewPoints, base::Heading::Error).formatted(),
              "ERREUR\n\nLe calcul de la transformée de Fourier est impossible !\n\n\"Nombre insuffisant de points\".");
}

TEST(FourierFit, NoHarmonicsComputesOnlyTheMeanAndOmega) {
    Curve curve = fourierCurve({{0, 0}, {1, 1}, {2, 0}, {4, 2}}, 0);
    curve.fit.coefficient[1] = 9;
    curve.fit.linearCoefficient[1] = 8;
    ASSERT_EQ(fourierFit(curve), 0);
    // T = 4; a0 = (1·(0 + 1) + 1·(1 + 0) + 2·(0 + 2))/2/4 = 0.75.
    EXPECT_NEAR(curve.fit.fourierA0, 0.75, 1e-15);
    EXPECT_NEAR(curve.fit.omega, pi / 2, 1e-15);
    EXPECT_EQ(curve.fit.harmonicCount, 0);
    EXPECT_EQ(curve.fit.coefficient[1], 9);
    EXPECT_EQ(curve.fit.linearCoefficient[1], 8);
}

TEST(FourierFit, ConstantCurveHasNoHarmonicAndKeepsOmega) {
    Curve curve = fourierCurve({{0, 2.5}, {1, 2.5}, {3, 2.5}, {4, 2.5}}, 12);
    curve.fit.omega = 7;
    curve.fit.coefficient[3] = 1;
    curve.fit.linearCoefficient[50] = 1;
    ASSERT_EQ(fourierFit(curve), 0);
    EXPECT_EQ(curve.fit.fourierA0, 2.5);
    EXPECT_EQ(curve.fit.harmonicCount, 0);
    EXPECT_EQ(curve.fit.omega, 7);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(curve.fit.coefficient[static_cast<std::size_t>(i)], 0) << i;
        EXPECT_EQ(curve.fit.linearCoefficient[static_cast<std::size_t>(i)], 0) << i;
    }
}

TEST(FourierFit, HarmonicCountOutOfRangeIsBroughtIntoRange) {
    // A damaged record must not write past the 50 harmonic slots.
    Curve many = fourierCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, 500);
    ASSERT_EQ(fourierFit(many), 0);
    EXPECT_EQ(many.fit.harmonicCount, 50);
    Curve negative = fourierCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, -4);
    ASSERT_EQ(fourierFit(negative), 0);
    EXPECT_EQ(negative.fit.harmonicCount, 0);
}

TEST(FourierFit, ValuesBeyondTheNumericRangeAreAMathError) {
    Curve curve = fourierCurve({{0, 0}, {1, 1e300}, {2, -1e300}, {3, 1e300}}, 2);
    const document::FitResult before = curve.fit;
    EXPECT_EQ(fourierFit(curve), base::MsgFourierMathError);
    EXPECT_EQ(curve.fit, before);
}

class Spectrum : public ::testing::Test {
protected:
    void SetUp() override {
        diagram.displayMode = 1;
        Curve source = fourierCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, 6);
        source.title = "Signal";
        source.function.expression = "y=sin(x)";
        source.function.functionId = 3;
        // (a, b) of harmonics 1..6.
        const double a[] = {3, 1, -2, 0, 1, 1};
        const double b[] = {4, 0, 0, 0, 1, -1};
        for (int i = 1; i <= 6; ++i) {
            source.fit.coefficient[static_cast<std::size_t>(i)] = a[i - 1];
            source.fit.linearCoefficient[static_cast<std::size_t>(i)] = b[i - 1];
        }
        diagram.curves.push_back(source);
    }
    document::Diagram diagram;
    document::DiagramDefaults defaults;
};

TEST_F(Spectrum, IntensityIsTheAmplitudeOfEachHarmonic) {
    const Curve before = diagram.curves[0];
    const std::string title = spectrumTitle(before.title, false);
    EXPECT_EQ(title, "Spectre d'intensit\xE9 de Signal");
    const SpectrumOutcome outcome = createSpectrum(diagram, 0, false, title, defaults);
    ASSERT_EQ(outcome.index, 1);
    EXPECT_TRUE(outcome.message.empty());
    const Curve& s = diagram.curves[1];
    // √(a² + b²): 5, 1, 2, 0, √2, √2.
    const std::vector<Point> expected = {{1, 5}, {2, 1}, {3, 2}, {4, 0}, {5, std::sqrt(2.0)}, {6, std::sqrt(2.0)}};
    ASSERT_EQ(s.pointCount(), 6);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(s.points[i].x, expected[i].x);
        EXPECT_NEAR(s.points[i].y, expected[i].y, 1e-15) << i;
    }
    EXPECT_EQ(s.title, title);
    EXPECT_EQ(s.treatment, KindJPP);
    EXPECT_EQ(s.function, document::FunctionDef{});
    EXPECT_EQ(s.extent[0][0], 1);
    EXPECT_EQ(s.extent[0][1], 6);
    EXPECT_EQ(s.extent[1][1], 5);
    EXPECT_EQ(diagram.curves[0], before);
}

TEST_F(Spectrum, PhaseInDegreesWithTheZeroSineCases) {
    const SpectrumOutcome outcome = createSpectrum(diagram, 0, true, spectrumTitle("Signal", true), defaults);
    ASSERT_EQ(outcome.index, 1);
    const Curve& s = diagram.curves[1];
    ASSERT_EQ(s.pointCount(), 6);
    // atan(3/4) in degrees; b = 0 with a > 0, a < 0, a = 0; atan(1), atan(-1).
    const double expected[] = {std::atan(0.75) * 180 / pi, 90, -90, 0, 45, -45};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(s.points[i].x, static_cast<double>(i + 1));
        EXPECT_NEAR(s.points[i].y, expected[i], 1e-12) << i;
    }
    EXPECT_EQ(s.title, "Spectre de phase de Signal");
}

TEST_F(Spectrum, NoHarmonicGivesACurveWithoutPoints) {
    diagram.curves[0].fit.harmonicCount = 0;
    const SpectrumOutcome outcome = createSpectrum(diagram, 0, false, "S", defaults);
    ASSERT_EQ(outcome.index, 1);
    EXPECT_EQ(diagram.curves[1].pointCount(), 0);
}

TEST_F(Spectrum, MathErrorRemovesTheNewCurve) {
    diagram.curves[0].fit.coefficient[2] = 1e300;
    diagram.curves[0].fit.linearCoefficient[2] = 1e300;
    const SpectrumOutcome intensity = createSpectrum(diagram, 0, false, "S", defaults);
    EXPECT_EQ(intensity.index, -1);
    EXPECT_EQ(diagram.curveCount(), 1);
    EXPECT_EQ(intensity.message.formatted(),
              "ERREUR\n\nImpossible de créer la courbe du spectre d'intensité !\n\nErreur mathématique.");
    diagram.curves[0].fit.coefficient[2] = std::nan("");
    const SpectrumOutcome phase = createSpectrum(diagram, 0, true, "S", defaults);
    EXPECT_EQ(diagram.curveCount(), 1);
    EXPECT_EQ(phase.message.id, base::MsgPhaseSpectrumMathError);
}

TEST_F(Spectrum, FullDiagramCreatesNothing) {
    while (diagram.curveCount() < document::MaxCurves) diagram.curves.push_back(diagram.curves[0]);
    const SpectrumOutcome outcome = createSpectrum(diagram, 0, false, "S", defaults);
    EXPECT_TRUE(outcome.full);
    EXPECT_EQ(diagram.curveCount(), document::MaxCurves);
}

TEST(SpectrumMessages, ConfirmationsNameTheNewTitle) {
    EXPECT_EQ(spectrumConfirmation("Spectre de phase de Courbe n\xB0 1", true).formatted(),
              "ATTENTION\n\nUne courbe du spectre de phase va être créée.\n\nSon titre est :\n\n"
              "\"Spectre de phase de Courbe n° 1\"\n\nContinuer ?");
    EXPECT_EQ(spectrumConfirmation("T", false).text,
              "Une courbe du spectre d'intensité va être créée.\n\nSon titre est :\n\n\"T\"\n\nContinuer ?");
}

}  // namespace
}  // namespace ordinax::numerics
