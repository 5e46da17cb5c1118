// The conversion of picture points into data values, checked on pictures
// made by known transforms: each test maps data points to picture pixels with
// its own forward model, clicks the nearest pixel as a user would, and checks
// that the conversion gives the data back to within half a pixel's worth.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "acquisition/frame.h"

namespace ordinax::acquisition {
namespace {

struct Vec {
    double x, y;
};

// An affine map from data to pixels, through three pixel positions given
// for (xo, yo), (xe, yo) and (xo, ye).
struct AffinePicture {
    Vec origin, endX, endY;
    double xo, xe, yo, ye;

    Vec pixel(double x, double y) const {
        const double s = (x - xo) / (xe - xo), t = (y - yo) / (ye - yo);
        return {origin.x + s * (endX.x - origin.x) + t * (endY.x - origin.x),
                origin.y + s * (endX.y - origin.y) + t * (endY.y - origin.y)};
    }
    // Half a pixel's worth of data along x and y: the inverse Jacobian applied
    // to a displacement of at most 0.5 pixel on each picture axis.
    Vec halfPixel() const {
        const double a = (endX.x - origin.x) / (xe - xo), b = (endY.x - origin.x) / (ye - yo);
        const double c = (endX.y - origin.y) / (xe - xo), d = (endY.y - origin.y) / (ye - yo);
        const double det = a * d - b * c;
        return {0.5 * (std::abs(d) + std::abs(b)) / std::abs(det), 0.5 * (std::abs(c) + std::abs(a)) / std::abs(det)};
    }
};

// Half a pixel's worth of data at the axis fractions (s, q) of a picture made
// by `pixel`: the local Jacobian (central differences) inverted and applied
// to a displacement of at most 0.5 pixel on each picture axis, scaled by the
// data spans of the axes.
template <typename Pixel>
Vec halfPixelWorth(Pixel pixel, double s, double q, double spanX, double spanY) {
    const double h = 1e-5;
    const Vec ps = pixel(s + h, q), ms = pixel(s - h, q), pq = pixel(s, q + h), mq = pixel(s, q - h);
    const double a = (ps.x - ms.x) / (2 * h), c = (ps.y - ms.y) / (2 * h);
    const double b = (pq.x - mq.x) / (2 * h), d = (pq.y - mq.y) / (2 * h);
    const double det = a * d - b * c;
    return {spanX * 0.5 * (std::abs(d) + std::abs(b)) / std::abs(det),
            spanY * 0.5 * (std::abs(c) + std::abs(a)) / std::abs(det)};
}

ReferencePoints references(Vec o, Vec x, Vec y) {
    ReferencePoints r;
    r[Origin] = {int(o.x), int(o.y)};
    r[EndX] = {int(x.x), int(x.y)};
    r[EndY] = {int(y.x), int(y.y)};
    return r;
}

// Every data point of a grid (beyond the axes too) is placed on the picture,
// clicked at the nearest pixel and converted back.
void expectRecovered(const AffinePicture& picture, const AxisValues& xAxis, const AxisValues& yAxis) {
    const std::optional<Frame> frame =
        computeFrame(references(picture.origin, picture.endX, picture.endY));
    ASSERT_TRUE(frame);
    const Vec half = picture.halfPixel();
    for (double s = -0.2; s <= 1.2001; s += 0.1) {
        for (double t = -0.2; t <= 1.2001; t += 0.1) {
            const double x = picture.xo + s * (picture.xe - picture.xo);
            const double y = picture.yo + t * (picture.ye - picture.yo);
            const Vec exact = picture.pixel(x, y);
            const DataPoint atExact = pictureToData(*frame, xAxis, yAxis, exact.x, exact.y);
            EXPECT_NEAR(atExact.x, x, 1e-9 * (1 + std::abs(x))) << s << " " << t;
            EXPECT_NEAR(atExact.y, y, 1e-9 * (1 + std::abs(y))) << s << " " << t;
            const DataPoint clicked = pictureToData(*frame, xAxis, yAxis, std::round(exact.x), std::round(exact.y));
            EXPECT_LE(std::abs(clicked.x - x), half.x * (1 + 1e-9)) << s << " " << t;
            EXPECT_LE(std::abs(clicked.y - y), half.y * (1 + 1e-9)) << s << " " << t;
        }
    }
}

TEST(AcquisitionFrame, ThreePointsOnAnAxisAlignedPicture) {
    // x 0..50 over 500 pixels, y -20..80 over 400 pixels upwards.
    const AffinePicture picture{{60, 440}, {560, 440}, {60, 40}, 0, 50, -20, 80};
    const AxisValues xAxis{AxisKind::Linear, 0, 50}, yAxis{AxisKind::Linear, -20, 80};
    expectRecovered(picture, xAxis, yAxis);

    const Frame frame = *computeFrame(references({60, 440}, {560, 440}, {60, 40}));
    EXPECT_EQ(frame.lengthX, 500);
    EXPECT_EQ(frame.lengthY, 400);
    EXPECT_EQ(frame.shear, 0);
    // The end of X is the X extremity exactly; below the X axis the values
    // go on below the origin's value (worked by hand: 40 pixels = 10 units).
    EXPECT_EQ(pictureToData(frame, xAxis, yAxis, 560, 440).x, 50);
    EXPECT_DOUBLE_EQ(pictureToData(frame, xAxis, yAxis, 60, 480).y, -30);
    EXPECT_DOUBLE_EQ(pictureToData(frame, xAxis, yAxis, 20, 440).x, -4);
}

TEST(AcquisitionFrame, RotatedAndShearedPicture) {
    // The X axis turned by 7.01 degrees (atan 61/496), the Y axis by 10.2
    // degrees from the vertical (atan 71/395): rotated and sheared.
    const AffinePicture picture{{120, 470}, {616, 409}, {49, 75}, -5, 5, 100, 1100};
    expectRecovered(picture, {AxisKind::Linear, -5, 5}, {AxisKind::Linear, 100, 1100});
    const Frame frame = *computeFrame(references({120, 470}, {616, 409}, {49, 75}));
    EXPECT_NEAR(frame.a1 * 180 / M_PI, 7.0113, 1e-4);
    EXPECT_NEAR(std::atan(frame.shear) * 180 / M_PI, 10.1899 - 7.0113, 1e-3);
}

TEST(AcquisitionFrame, AxisPointingDownAndLeftIsFollowed) {
    // A chart whose y values grow downwards and x values leftwards.
    const AffinePicture picture{{500, 50}, {100, 50}, {500, 350}, 0, 8, 0, 3};
    expectRecovered(picture, {AxisKind::Linear, 0, 8}, {AxisKind::Linear, 0, 3});
}

TEST(AcquisitionFrame, LogarithmicAxes) {
    const Frame frame = *computeFrame(references({50, 350}, {350, 350}, {50, 50}));
    const AxisValues logX{AxisKind::Logarithmic, 1, 1000}, logY{AxisKind::Logarithmic, 0.01, 100};
    // Worked by hand: the middle of a 1..1000 axis is 10^1.5 = 31.62.
    EXPECT_NEAR(pictureToData(frame, logX, logY, 200, 350).x, 31.6227766, 1e-6);
    // x = 10^(3 s), y = 10^(-2 + 4 t) at (50 + 300 s, 350 - 300 t); half a pixel's
    // worth is the relative step 10^(3 * 0.5 / 300) - 1 for x, 10^(4 * 0.5 / 300) - 1 for y.
    for (double s = 0; s <= 1.0001; s += 0.125) {
        for (double t = 0; t <= 1.0001; t += 0.125) {
            const double x = std::pow(10, 3 * s), y = std::pow(10, -2 + 4 * t);
            const DataPoint d =
                pictureToData(frame, logX, logY, std::round(50 + 300 * s), std::round(350 - 300 * t));
            EXPECT_LE(std::abs(d.x / x - 1), std::pow(10, 1.5 / 300) - 1 + 1e-12) << s;
            EXPECT_LE(std::abs(d.y / y - 1), std::pow(10, 2.0 / 300) - 1 + 1e-12) << t;
        }
    }
}

TEST(AcquisitionFrame, LogarithmicValueRules) {
    const struct {
        AxisValues in;
        double origin, extremity;
    } cases[] = {
        {{AxisKind::Logarithmic, 0, 100}, 1, 100},
        {{AxisKind::Logarithmic, -3, -1}, 1, 10},
        {{AxisKind::Logarithmic, 5, 2}, 5, 10},
        {{AxisKind::Logarithmic, 0.5, 20}, 0.5, 20},
        {{AxisKind::Linear, -3, -10}, -3, -10},
    };
    for (const auto& c : cases) {
        const AxisValues out = checkedAxisValues(c.in);
        EXPECT_EQ(out.origin, c.origin);
        EXPECT_EQ(out.extremity, c.extremity);
    }
}

// The four-point model: the corner and the two axis ends give the oblique
// lengths Lx, Ly and the factors Px, Py; the model's forward direction is
// worked out by hand from its conversion formulas (u' = u Px / (w + Px),
// w' = w Py / (Py + u)) and places the data points on the picture.
struct PerspectivePicture {
    Vec o;
    double a1, t, lx, ly, px, py;

    static PerspectivePicture from(Vec o, Vec x, Vec y, Vec e) {
        PerspectivePicture p{o, std::atan2(o.y - x.y, x.x - o.x), 0, 0, 0, 0, 0};
        const double a2 = std::atan2(o.x - y.x, o.y - y.y);
        p.t = std::tan(a2 - p.a1);
        p.lx = p.rotU(x);
        p.ly = p.rotV(y) * std::sqrt(1 + p.t * p.t);
        const double ue = p.t * p.rotV(e) + p.rotU(e), le = p.rotV(e) * std::sqrt(1 + p.t * p.t);
        p.py = p.ly * ue / (le - p.ly);
        p.px = le * p.lx / (ue - p.lx);
        return p;
    }
    double rotU(Vec q) const { return std::cos(a1) * (q.x - o.x) + std::sin(a1) * (o.y - q.y); }
    double rotV(Vec q) const { return std::cos(a1) * (o.y - q.y) - std::sin(a1) * (q.x - o.x); }

    // The pixel of the data fractions (s, r) of the axes.
    Vec pixel(double s, double r) const {
        const double u1 = s * lx, w1 = r * ly;
        const double u = u1 * (w1 / px + 1) / (1 - u1 * w1 / (py * px));
        const double w = w1 * (py + u) / py;
        const double v = w / std::sqrt(1 + t * t);
        const double ur = u - t * v;
        return {o.x + std::cos(a1) * ur - std::sin(a1) * v, o.y - std::sin(a1) * ur - std::cos(a1) * v};
    }
};

TEST(AcquisitionFrame, FourPointPerspectiveModel) {
    // A chart photographed at an angle: the far side of the plot is shorter.
    const Vec o{100, 460}, x{600, 430}, y{130, 60}, e{560, 110};
    ReferencePoints r = references(o, x, y);
    r[Corner] = {560, 110};
    const Frame frame = *computeFrame(r);
    ASSERT_TRUE(frame.fourPoints);
    const AxisValues xAxis{AxisKind::Linear, 0, 20}, yAxis{AxisKind::Linear, 0, 5};
    // The four reference points are the four corners of the data rectangle.
    const std::array<std::array<double, 4>, 4> corners = {{{100, 460, 0, 0},
                                                          {600, 430, 20, 0},
                                                          {130, 60, 0, 5},
                                                          {560, 110, 20, 5}}};
    for (const auto& c : corners) {
        const DataPoint d = pictureToData(frame, xAxis, yAxis, c[0], c[1]);
        EXPECT_NEAR(d.x, c[2], 1e-9);
        EXPECT_NEAR(d.y, c[3], 1e-9);
    }
    // Inside, points placed by the model come back, exactly from their exact
    // positions and within half a pixel's worth from the nearest pixel (the
    // worth measured on the model's own local scale).
    const PerspectivePicture model = PerspectivePicture::from(o, x, y, e);
    for (double s = 0; s <= 1.0001; s += 0.1) {
        for (double q = 0; q <= 1.0001; q += 0.1) {
            const Vec p = model.pixel(s, q);
            const DataPoint exact = pictureToData(frame, xAxis, yAxis, p.x, p.y);
            EXPECT_NEAR(exact.x, 20 * s, 1e-9);
            EXPECT_NEAR(exact.y, 5 * q, 1e-9);
            const Vec half = halfPixelWorth([&](double a, double b) { return model.pixel(a, b); }, s, q, 20, 5);
            const DataPoint clicked = pictureToData(frame, xAxis, yAxis, std::round(p.x), std::round(p.y));
            EXPECT_LE(std::abs(clicked.x - 20 * s), half.x * 1.05) << s << " " << q;
            EXPECT_LE(std::abs(clicked.y - 5 * q), half.y * 1.05) << s << " " << q;
        }
    }
}

TEST(AcquisitionFrame, CornerAsHighAsTheEndOfYBehavesAsThreePoints) {
    ReferencePoints r = references({100, 400}, {500, 400}, {100, 100});
    r[Corner] = {470, 100};
    const std::optional<Frame> frame = computeFrame(r);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->fourPoints);
    r[Corner] = {};
    const Frame three = *computeFrame(r);
    const AxisValues a{AxisKind::Linear, 0, 1};
    for (const auto& [px, py] : std::vector<std::pair<int, int>>{{300, 250}, {480, 120}}) {
        EXPECT_EQ(pictureToData(*frame, a, a, px, py).x, pictureToData(three, a, a, px, py).x);
        EXPECT_EQ(pictureToData(*frame, a, a, px, py).y, pictureToData(three, a, a, px, py).y);
    }
}

TEST(AcquisitionFrame, CornerRightAboveTheEndOfXCorrectsOnlyY) {
    // Px would be infinite: x is left as it is, y is still corrected.
    ReferencePoints r = references({100, 400}, {500, 400}, {100, 100});
    r[Corner] = {500, 160};
    const Frame frame = *computeFrame(r);
    EXPECT_TRUE(frame.fourPoints);
    EXPECT_FALSE(frame.correctX);
    const AxisValues a{AxisKind::Linear, 0, 1};
    const DataPoint corner = pictureToData(frame, a, a, 500, 160);
    EXPECT_NEAR(corner.x, 1, 1e-12);
    EXPECT_NEAR(corner.y, 1, 1e-12);
    EXPECT_TRUE(std::isfinite(pictureToData(frame, a, a, 300, 200).x));
}

TEST(AcquisitionFrame, ReferencePointsThatMakeNoFrame) {
    const struct {
        const char* why;
        ReferencePoints r;
    } cases[] = {
        {"nothing set", {}},
        {"no end of Y", {{{100, 400}, {}, {}, {500, 400}}}},
        {"end of X on the origin", {{{100, 400}, {100, 100}, {}, {100, 400}}}},
        {"end of Y on the X axis", {{{100, 400}, {300, 400}, {}, {500, 400}}}},
        {"axes parallel", {{{100, 400}, {100, 100}, {}, {100, 200}}}},
    };
    for (const auto& c : cases) EXPECT_FALSE(computeFrame(c.r)) << c.why;
    // Pixel row and column 0 are places on the picture like any other.
    EXPECT_TRUE(computeFrame({{{0, 400}, {0, 0}, {}, {500, 400}}}));
}

TEST(AcquisitionFrame, PointsOnTheHorizonAreLimited) {
    ReferencePoints r = references({100, 460}, {600, 430}, {130, 60});
    r[Corner] = {560, 110};
    const Frame frame = *computeFrame(r);
    const AxisValues a{AxisKind::Linear, 0, 1};
    // u = -Py puts the y factor's denominator at 0.
    const double u = -frame.py;
    const double px = frame.x0 + std::cos(frame.a1) * u, py = frame.y0 - std::sin(frame.a1) * u;
    const DataPoint d = pictureToData(frame, a, a, px, py);
    EXPECT_LE(std::abs(d.x), 1e35);
    EXPECT_LE(std::abs(d.y), 1e35);
}

// A picture made by a true camera perspective (a homography), converted with
// the four-point model: the error is measured, not bounded by the model.
TEST(AcquisitionFrame, HomographyIsApproachedByTheFourPointModel) {
    // The homography taking the unit square (0,0) (1,0) (0,1) (1,1) to the
    // four corners, by the closed form of the square-to-quadrilateral map.
    const Vec p0{100, 460}, p1{600, 430}, p2{130, 60}, p3{560, 110};
    const double sx = p0.x - p1.x + p3.x - p2.x, sy = p0.y - p1.y + p3.y - p2.y;
    const double dx1 = p1.x - p3.x, dx2 = p2.x - p3.x, dy1 = p1.y - p3.y, dy2 = p2.y - p3.y;
    const double den = dx1 * dy2 - dx2 * dy1;
    const double g = (sx * dy2 - dx2 * sy) / den, h = (dx1 * sy - sx * dy1) / den;
    const double a = p1.x - p0.x + g * p1.x, b = p2.x - p0.x + h * p2.x, c = p0.x;
    const double d = p1.y - p0.y + g * p1.y, e = p2.y - p0.y + h * p2.y, f = p0.y;
    auto camera = [&](double s, double q) {
        const double z = g * s + h * q + 1;
        return Vec{(a * s + b * q + c) / z, (d * s + e * q + f) / z};
    };
    ReferencePoints r = references(p0, p1, p2);
    const Frame three = *computeFrame(r);
    r[Corner] = {560, 110};
    const Frame four = *computeFrame(r);
    const AxisValues unit{AxisKind::Linear, 0, 1};
    double worstFour = 0, worstThree = 0;
    for (double s = 0; s <= 1.0001; s += 0.05) {
        for (double q = 0; q <= 1.0001; q += 0.05) {
            const Vec p = camera(s, q);
            const DataPoint d4 = pictureToData(four, unit, unit, p.x, p.y);
            const DataPoint d3 = pictureToData(three, unit, unit, p.x, p.y);
            worstFour = std::max({worstFour, std::abs(d4.x - s), std::abs(d4.y - q)});
            worstThree = std::max({worstThree, std::abs(d3.x - s), std::abs(d3.y - q)});
        }
    }
    // In pixels' worth: the axes are about 400 pixels long.
    std::printf("homography: four-point model off by %.2f pixels, three points by %.2f pixels\n", worstFour * 400,
                worstThree * 400);
    // The model is not a homography: it is exact at the four corners only,
    // and still much closer than the affine frame of three points.
    EXPECT_LT(worstFour, worstThree / 2);
    const DataPoint corner = pictureToData(four, unit, unit, p3.x, p3.y);
    EXPECT_NEAR(corner.x, 1, 1e-9);
    EXPECT_NEAR(corner.y, 1, 1e-9);
}

}  // namespace
}  // namespace ordinax::acquisition
