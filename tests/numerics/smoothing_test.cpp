// The smoothing lines: point to point, Bézier (direct and logarithmic
// weights), cubic spline with its end conditions, clamped quadratic B-spline,
// and the streaming of long polylines in pieces.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/fit_kind.h"
#include "numerics/smoothing.h"

namespace ordinax::numerics {
namespace {

using document::Point;

void expectPoint(const Point& actual, double x, double y, double tolerance, int index) {
    EXPECT_NEAR(actual.x, x, tolerance) << "point " << index;
    EXPECT_NEAR(actual.y, y, tolerance) << "point " << index;
}

TEST(SmoothLine, PointToPointIsThePointsThemselvesStreamedInOrder) {
    // More points than one chunk, so the sink is called several times.
    std::vector<Point> points;
    for (int i = 0; i < 10000; ++i) points.push_back({i * 0.5, std::sin(i * 0.01)});
    SmoothingWork work;
    std::vector<Point> received;
    int calls = 0;
    smoothLine(KindJPP, points, work, [&](std::span<const Point> part) {
        ++calls;
        EXPECT_LE(part.size(), SmoothingChunk);
        received.insert(received.end(), part.begin(), part.end());
    });
    EXPECT_EQ(received, points);
    EXPECT_EQ(calls, 3);  // 4096 + 4096 + 1808
}

TEST(SmoothLine, KindsWithoutALineAndTinyCurves) {
    const std::vector<Point> three = {{0, 0}, {1, 1}, {2, 0}};
    for (int kind : {0, 5, 17, -1, 99}) EXPECT_TRUE(smoothLine(kind, three).empty()) << kind;
    const std::vector<Point> one = {{3, 4}};
    for (int kind : {KindJPP, KindBSP, KindSPC, KindBEZ}) {
        EXPECT_EQ(smoothLine(kind, one), one) << kind;
        EXPECT_TRUE(smoothLine(kind, std::span<const Point>{}).empty()) << kind;
    }
}

TEST(SmoothLine, BezierOfTwoPointsIsTheSegmentSampledEveryHundredth) {
    const std::vector<Point> line = smoothLine(KindBEZ, std::vector<Point>{{1, 2}, {3, 6}});
    ASSERT_EQ(line.size(), 101u);
    expectPoint(line[0], 1, 2, 0, 0);
    // B(t) = (1 - t)·P0 + t·P1 at t = k/100, k = 1..99.
    for (int k = 1; k <= 99; ++k) expectPoint(line[static_cast<std::size_t>(k)], 1 + 2 * k / 100.0, 2 + 4 * k / 100.0, 1e-14, k);
    expectPoint(line[100], 3, 6, 0, 100);
}

TEST(SmoothLine, BezierOfThreePointsByHand) {
    const std::vector<Point> line = smoothLine(KindBEZ, std::vector<Point>{{0, 0}, {1, 2}, {2, 0}});
    ASSERT_EQ(line.size(), 101u);
    // t = 0.5: 0.25·P0 + 0.5·P1 + 0.25·P2 = (1, 1); t = 0.1: 0.81·P0 + 0.18·P1 + 0.01·P2.
    expectPoint(line[50], 1, 1, 1e-14, 50);
    expectPoint(line[10], 0.18 + 0.02, 0.36, 1e-14, 10);
}

// B(t) from the binomial coefficients (exact integers up to degree 29) and
// std::pow: an independent route to the same curve.
Point bernstein(const std::vector<Point>& p, double t) {
    const int c = static_cast<int>(p.size()) - 1;
    Point sum;
    double binomial = 1.0;
    for (int k = 0; k <= c; ++k) {
        const double w = binomial * std::pow(t, k) * std::pow(1.0 - t, c - k);
        sum.x += w * p[static_cast<std::size_t>(k)].x;
        sum.y += w * p[static_cast<std::size_t>(k)].y;
        binomial = binomial * (c - k) / (k + 1);
    }
    return sum;
}

TEST(SmoothLine, BezierWithLogarithmicWeightsMatchesTheDirectSum) {
    // 30 points: from 21 points on the weights go through logarithms.
    std::vector<Point> points;
    for (int i = 0; i < 30; ++i) points.push_back({i * 1.5 - 3, std::cos(i * 0.7) * 10 + i});
    const std::vector<Point> line = smoothLine(KindBEZ, points);
    ASSERT_EQ(line.size(), 101u);
    for (int k = 1; k <= 99; ++k) {
        const Point expected = bernstein(points, k / 100.0);
        expectPoint(line[static_cast<std::size_t>(k)], expected.x, expected.y, 1e-11, k);
    }
    // Twenty points still use the direct recurrence; the result is the same curve.
    points.resize(20);
    const std::vector<Point> direct = smoothLine(KindBEZ, points);
    for (int k = 1; k <= 99; ++k) {
        const Point expected = bernstein(points, k / 100.0);
        expectPoint(direct[static_cast<std::size_t>(k)], expected.x, expected.y, 1e-11, k);
    }
}

TEST(SmoothLine, BezierOfManyPointsNeitherOverflowsNorUnderflows) {
    // Bernstein polynomials reproduce linear functions: with x = k/c and a
    // constant y the curve is (t, 7) whatever the degree.
    const int n = 5000;
    std::vector<Point> points;
    for (int i = 0; i < n; ++i) points.push_back({static_cast<double>(i) / (n - 1), 7});
    const std::vector<Point> line = smoothLine(KindBEZ, points);
    ASSERT_EQ(line.size(), 101u);
    for (int k = 1; k <= 99; ++k) expectPoint(line[static_cast<std::size_t>(k)], k / 100.0, 7, 1e-9, k);
}

TEST(SmoothLine, CubicSplineThroughCollinearPointsIsTheLine) {
    // Unequal spacing; y = 2x - 1.
    const std::vector<Point> line = smoothLine(KindSPC, std::vector<Point>{{0, -1}, {0.5, 0}, {3, 5}});
    ASSERT_EQ(line.size(), 41u);
    for (std::size_t i = 0; i < line.size(); ++i) EXPECT_NEAR(line[i].y, 2 * line[i].x - 1, 1e-13) << i;
    EXPECT_EQ(line[20].x, 0.5);
    EXPECT_EQ(line[40].x, 3);
}

TEST(SmoothLine, CubicSplineOfTwoPointsIsTheSegment) {
    const std::vector<Point> line = smoothLine(KindSPC, std::vector<Point>{{0, 1}, {2, 5}});
    ASSERT_EQ(line.size(), 21u);
    // 20 equal steps after the start: x = k/10.
    for (int k = 0; k <= 20; ++k) expectPoint(line[static_cast<std::size_t>(k)], k / 10.0, 1 + 2 * (k / 10.0), 1e-14, k);
}

TEST(SmoothLine, CubicSplineEndConditionsWorkedByHand) {
    // Three points (0,0), (1,1), (2,0): one row 4·M2 = 6·(-1 - 1), so M2 = -3,
    // M1 = 2·M2 = -6, M3 = 0. At x = 0.5 (d = e = 0.5, h = 1):
    // (0.125·(-3) + 0.125·(-6))/6 + 0.5·(1 - (-3 + 6)/6) + 0 + 6/6 = 1.0625.
    const std::vector<Point> three = smoothLine(KindSPC, std::vector<Point>{{0, 0}, {1, 1}, {2, 0}});
    ASSERT_EQ(three.size(), 41u);
    expectPoint(three[10], 0.5, 1.0625, 1e-14, 10);
    expectPoint(three[20], 1, 1, 1e-14, 20);
    expectPoint(three[40], 2, 0, 1e-14, 40);

    // Four points (0,0), (1,1), (2,0), (3,1), unit steps: rows
    // 4·M2 + M3 = -12 and M2 + (4 - 0.5)·M3 = 12 (last diagonal reduced by h/2),
    // so M3 = 60/13, M2 = -54/13. At x = 1.5:
    // (0.125·60/13 - 0.125·54/13)/6 + 0.5·(-1 - 114/78) + 1 + 9/13 = 1 + (0.125 - 16 + 9)/13.
    const std::vector<Point> four = smoothLine(KindSPC, std::vector<Point>{{0, 0}, {1, 1}, {2, 0}, {3, 1}});
    ASSERT_EQ(four.size(), 61u);
    expectPoint(four[30], 1.5, 1 + (0.125 - 16 + 9) / 13, 1e-13, 30);
    for (int i = 0; i <= 3; ++i) EXPECT_NEAR(four[static_cast<std::size_t>(20 * i)].y, i % 2, 1e-13) << i;
}

TEST(SmoothLine, CubicSplineWithTwoPointsAtOneXFallsBackToTheJoinedPoints) {
    // A zero-width interval would divide by zero and draw nonsense.
    const std::vector<Point> points = {{0, 0}, {1, 1}, {1, 3}, {2, 0}};
    EXPECT_EQ(smoothLine(KindSPC, points), points);
}

TEST(SmoothLine, BSplineOfTwoOrThreePointsJoinsTheEnds) {
    const std::vector<Point> three = {{0, 0}, {1, 5}, {2, 1}};
    EXPECT_EQ(smoothLine(KindBSP, three), (std::vector<Point>{{0, 0}, {2, 1}}));
    const std::vector<Point> two = {{0, 0}, {1, 5}};
    EXPECT_EQ(smoothLine(KindBSP, two), two);
}

TEST(SmoothLine, BSplineOfFourPointsIsAQuadraticBezierThenASegment) {
    // Knots 0, 0, 0, 1, 1, 1: B(t) = (1-t)²·P0 + 2t(1-t)·P1 + t²·P2, t = 0.1..0.9.
    const std::vector<Point> p = {{0, 0}, {1, 4}, {3, 2}, {9, 9}};
    const std::vector<Point> line = smoothLine(KindBSP, p);
    ASSERT_EQ(line.size(), 11u);
    expectPoint(line[0], 0, 0, 0, 0);
    for (int k = 1; k <= 9; ++k) {
        const double t = k / 10.0;
        const double w0 = (1 - t) * (1 - t), w1 = 2 * t * (1 - t), w2 = t * t;
        expectPoint(line[static_cast<std::size_t>(k)], w1 * 1 + w2 * 3, w1 * 4 + w2 * 2 + w0 * 0, 1e-14, k);
    }
    expectPoint(line[10], 9, 9, 0, 10);
}

TEST(SmoothLine, BSplineOfFivePointsUsesTheFirstFourAsControlPoints) {
    // Knots 0, 0, 0, 1, 2, 2, 2. On [0, 1]: N0 = (1-t)², N2 = t²/2, N1 = 1 - N0 - N2;
    // on [1, 2] the mirror image with s = 2 - t (N3 = (1-s)², N1 = s²/2).
    const std::vector<Point> p = {{0, 1}, {2, 3}, {4, -1}, {6, 2}, {10, 10}};
    const std::vector<Point> line = smoothLine(KindBSP, p);
    ASSERT_EQ(line.size(), 21u);  // P0, t = 0.1 .. 1.9, P4
    expectPoint(line[0], 0, 1, 0, 0);
    for (int k = 1; k <= 19; ++k) {
        const double t = k / 10.0;
        double w[4] = {0, 0, 0, 0};
        if (t <= 1) {
            w[0] = (1 - t) * (1 - t);
            w[2] = t * t / 2;
            w[1] = 1 - w[0] - w[2];
        } else {
            const double s = 2 - t;
            w[3] = (1 - s) * (1 - s);
            w[1] = s * s / 2;
            w[2] = 1 - w[3] - w[1];
        }
        double x = 0, y = 0;
        for (int j = 0; j < 4; ++j) {
            x += w[j] * p[static_cast<std::size_t>(j)].x;
            y += w[j] * p[static_cast<std::size_t>(j)].y;
        }
        expectPoint(line[static_cast<std::size_t>(k)], x, y, 1e-14, k);
    }
    expectPoint(line[20], 10, 10, 0, 20);
}

TEST(SmoothLine, BSplineInteriorUsesTheUniformPieces) {
    // Eight points, knots 0,0,0,1,2,3,4,5,5,5. At t = 2.5 the three functions
    // starting at knots 0, 1, 2 give 0.5²/2, (1.5·0.5 + 1.5·0.5)/2, 0.5²/2:
    // B = 0.125·P2 + 0.75·P3 + 0.125·P4.
    std::vector<Point> p;
    for (int i = 0; i < 8; ++i) p.push_back({static_cast<double>(i * i), static_cast<double>(i % 3)});
    const std::vector<Point> line = smoothLine(KindBSP, p);
    ASSERT_EQ(line.size(), 2u + 49u);  // t = 0.1 .. 4.9
    expectPoint(line[25], 0.125 * 4 + 0.75 * 9 + 0.125 * 16, 0.125 * 2 + 0.75 * 0 + 0.125 * 1, 1e-13, 25);
}

TEST(SmoothLine, PointCountsAgreeWithThePolylines) {
    for (int kind : {KindJPP, KindBSP, KindSPC, KindBEZ}) {
        for (int n : {0, 1, 2, 3, 4, 5, 17, 25}) {
            std::vector<Point> p;
            for (int i = 0; i < n; ++i) p.push_back({i * 1.0, i * 0.5});
            EXPECT_EQ(smoothLine(kind, p).size(), smoothedPointCount(kind, p.size())) << kind << " " << n;
        }
    }
}

TEST(SmoothLine, WorkBufferReusedAcrossCurvesGivesTheSameLines) {
    std::vector<Point> big, small = {{0, 0}, {1, 3}, {2, 1}, {4, 2}};
    for (int i = 0; i < 3000; ++i) big.push_back({i * 0.1, std::sin(i * 0.1)});
    SmoothingWork work;
    std::vector<Point> gathered;
    const auto sink = [&gathered](std::span<const Point> part) { gathered.insert(gathered.end(), part.begin(), part.end()); };
    for (int kind : {KindSPC, KindBSP, KindBEZ}) {
        for (const std::vector<Point>* points : {&big, &small, &big}) {
            gathered.clear();
            smoothLine(kind, *points, work, sink);
            EXPECT_EQ(gathered, smoothLine(kind, *points)) << kind << " " << points->size();
        }
    }
    work.release();
    gathered.clear();
    smoothLine(KindSPC, small, work, sink);
    EXPECT_EQ(gathered.size(), 61u);
}

}  // namespace
}  // namespace ordinax::numerics
