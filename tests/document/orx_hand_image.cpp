// A diagram file written by hand, value after value, from the layout table.
#include "orx_hand_image.h"

#include <cstdio>

namespace ordinax::document::test {

namespace {

// Font record: five int32, eight bytes, a 32-byte face name.
void font(HandFile& h, LogFont& expected, int seed) {
    const std::int32_t height = -10 - seed;
    const std::uint8_t family = static_cast<std::uint8_t>(32 + seed);
    h.image.i32(height).i32(0).i32(0).i32(0).i32(400);
    h.image.byte(0).byte(1).byte(0).byte(0).byte(0).byte(0).byte(0).byte(family);
    char face[32] = {};
    std::snprintf(face, sizeof face, "Face%d", seed);
    h.image.raw(face, sizeof face);
    expected = LogFont{};
    expected.height = height;
    expected.weight = 400;
    expected.underline = 1;
    expected.pitchAndFamily = family;
    std::memcpy(expected.faceName, face, sizeof face);
}

void paint(HandFile& h, PaintStyle& expected, int seed) {
    for (int k = 0; k < 17; ++k) {
        h.image.i32(seed * 100 + k);
        expected.value[static_cast<std::size_t>(k)] = seed * 100 + k;
    }
}

void unitRecord(HandFile& h, UnitDef& u) {
    // factorCount, five int32 arrays, char[3], char[24], char[4] arrays,
    // 2 padding bytes, two int32 arrays, 4 padding bytes, doubles.
    u = UnitDef{};
    u.factorCount = 1;
    h.image.i32(1);
    for (int a = 0; a < 5; ++a)
        for (int k = 0; k < 10; ++k) h.image.i32(k == 0 ? 10 * (a + 1) : 0);
    u.reference[0] = 10;
    u.system[0] = 20;
    u.category[0] = 30;
    u.quantity[0] = 40;
    u.denominator[0] = 50;
    h.image.raw("m\0\0", 3).zeros(27);
    u.prefix[0] = {'m', 0, 0};
    char symbol[24] = "s";
    h.image.raw(symbol, 24).zeros(216);
    u.symbol[0][0] = 's';
    h.image.raw("-1\0\0", 4).zeros(36);
    u.exponent[0] = {'-', '1', 0, 0};
    h.image.zeros(2);
    h.image.i32(1).zeros(36).i32(0).zeros(36);
    u.prefixAllowed[0] = 1;
    h.image.zeros(4);
    h.image.f64(0.001).zeros(72).f64(0.5).zeros(72);
    u.coefficient[0] = 0.001;
    u.offset[0] = 0.5;
    h.image.f64(0).f64(0).f64(1).zeros(6 * 8).zeros(9 * 9 * 8);
    u.dimension[0][2] = 1.0;
}

void curve(HandFile& h, Curve& c) {
    ImageBuilder& im = h.image;
    im.mark("curve0.title").text("Mesure").text("10/12/2026 (09:30)").text("Temps").text("");
    c.title = "Mesure";
    c.modified = "10/12/2026 (09:30)";
    c.axisName = {"Temps", ""};
    im.i32(0).mark("curve0.pointCount").i32(3).text("");
    // symbol: type, number, character, font, size, option, fill, reserved, inner, outer, below.
    im.mark("curve0.symbol").i32(2).i32(5).i32(66);
    font(h, c.symbol.font, 7);
    im.i32(14).i32(1).i32(1).i32(9).i32(255).i32(65280).i32(1);
    c.symbol.type = 2;
    c.symbol.number = 5;
    c.symbol.character = 66;
    c.symbol.size = 14;
    c.symbol.option = 1;
    c.symbol.fill = 1;
    c.symbol.reserved = 9;
    c.symbol.innerColour = 255;
    c.symbol.outerColour = 65280;
    c.symbol.belowLine = 1;
    im.i32(3).i32(4).i32(2).i32(1).i32(128).i32(64);
    c.line.type = {3, 4};
    c.line.width = {2, 1};
    c.line.colour = {128, 64};
    im.i32(7).f64(90.0);
    c.treatment = 7;
    c.confidence = 90.0;
    // extent x-min, bounds x-lower, extent x-max, bounds x-upper, then y.
    im.f64(1.0).f64(-5.0).f64(3.0).f64(5.0).f64(10.0).f64(-50.0).f64(30.0).f64(50.0);
    c.extent = {{{1.0, 3.0}, {10.0, 30.0}}};
    c.bounds = {{{-5.0, 5.0}, {-50.0, 50.0}}};
    im.i32(1);
    c.excludePoints = 1;
    // stats, then s1, s4, s2, s5, s0, s3, s6, s7 written as 11, 14, 12, 15, 10, 13, 16, 17.
    im.mark("curve0.fit").f64(0.1).f64(0.2).f64(0.3);
    for (double v : {11.0, 14.0, 12.0, 15.0, 10.0, 13.0, 16.0, 17.0}) im.f64(v);
    c.fit.stats = {0.1, 0.2, 0.3};
    c.fit.studentT = 10.0;
    c.fit.meanX = 11.0;
    c.fit.meanY = 12.0;
    c.fit.fValue = 13.0;
    c.fit.varX = 14.0;
    c.fit.varY = 15.0;
    c.fit.residualVar = 16.0;
    c.fit.explainedVar = 17.0;
    for (int k = 0; k < 7; ++k) {
        im.f64(20.0 + k);
        c.fit.detail[static_cast<std::size_t>(k)] = 20.0 + k;
    }
    im.i32(12).f64(2.5).f64(3.5);
    c.fit.harmonicCount = 12;
    c.fit.omega = 2.5;
    c.fit.fourierA0 = 3.5;
    for (int k = 0; k < 51; ++k) {
        im.f64(100.0 + k).f64(200.0 + k);
        c.fit.coefficient[static_cast<std::size_t>(k)] = 100.0 + k;
        c.fit.linearCoefficient[static_cast<std::size_t>(k)] = 200.0 + k;
    }
    im.mark("curve0.unitX").i32(1).mark("curve0.unitX.record");
    unitRecord(h, c.unit[0]);
    im.mark("curve0.unitY").i32(0);
    im.mark("curve0.function").i32(4).i32(0).i32(1).f64(-2.0).f64(2.0).i32(50);
    im.text("y=a*x").text("a=2").text("").text("");
    c.function.functionId = 4;
    c.function.anglesInDegrees = 0;
    c.function.parametric = 1;
    c.function.from = -2.0;
    c.function.to = 2.0;
    c.function.pointNumber = 50;
    c.function.expression = "y=a*x";
    c.function.constants = "a=2";
    im.mark("curve0.points").f64(1).f64(10).f64(2).f64(20).f64(3).f64(30);
    const Point points[] = {{1, 10}, {2, 20}, {3, 30}};
    c.points = PointBuffer(points);
}

}  // namespace

HandFile handFile(const DiagramDefaults& defaults, bool withLogo) {
    HandFile h;
    Diagram& e = h.expected;
    resetDiagram(e, defaults);
    ImageBuilder& im = h.image;
    im.header(withLogo ? "ASB_02" : "ASB_01");
    im.i32(2).i32(1).i32(0);
    e.displayMode = 2;
    e.orientation = {1, 0};
    for (int page = 0; page < 2; ++page)
        for (int k = 0; k < 6; ++k) {
            im.f64(page * 10 + k + 0.5);
            e.margins[static_cast<std::size_t>(page)][static_cast<std::size_t>(k)] = page * 10 + k + 0.5;
        }
    im.i32(0).i32(1).f64(16.5).f64(12.25);
    e.centre = {0, 1};
    e.size = {16.5, 12.25};
    im.i32(6).i32(7).i32(8).i32(9);
    e.drawSpace = {6, 7};
    e.dashLength = {8, 9};
    im.mark("curveCount").i32(1);
    for (int b = 0; b < 2; ++b) {
        HeaderFooter& band = e.band[static_cast<std::size_t>(b)];
        band.print = b + 1;
        band.text = b == 0 ? "&S - &N" : "";
        band.colour = 255 << (8 * b);
        band.separator = b;
        im.i32(band.print).mark("band" + std::to_string(b) + ".text").text(band.text);
        font(h, band.font, b + 1);
        im.i32(band.colour).i32(band.separator);
    }
    if (withLogo) {
        im.mark("logo").i32(1).i32(1).text("logo.bmp").i32(2).f64(1.5).f64(2.5).i32(1).i32(80).f64(4.0).f64(5.0);
        e.logo.print = {1, 1};
        e.logo.file = "logo.bmp";
        e.logo.location = 2;
        e.logo.position = {1.5, 2.5};
        e.logo.dimension = 1;
        e.logo.zoom = 80;
        e.logo.logoSize = {4.0, 5.0};
    }
    im.mark("backPaint");
    paint(h, e.backPaint, 1);
    paint(h, e.diagramPaint, 2);
    // Picture paths: the text, its zero, then whatever the buffer held.
    char picture[260] = "C:\\fond.bmp";
    picture[200] = 'x';
    im.raw(picture, sizeof picture).zeros(260);
    std::memcpy(e.backPicture.data(), picture, sizeof picture);
    e.diagramPicture.fill(0);
    for (int slot = 0; slot < 17; ++slot) {
        LabelSlot& l = e.labels[static_cast<std::size_t>(slot)];
        l.placement = slot == 0 ? 3 : -1;
        l.lineCount = slot == 0 ? 1 : 0;
        l.option = slot;
        l.text = slot == 0 ? "Titre" : "";
        im.i32(l.placement).i32(l.lineCount).i32(l.option).mark("label" + std::to_string(slot) + ".paint");
        paint(h, l.paint, 10 + slot);
        im.text(l.text);
    }
    // Tag 1 in use; tag 2 and the others free, stored with a zero position.
    im.mark("tag1").i32(0).f64(1500.0).f64(-2500.0);
    e.tagOrder[0] = 0;
    e.tagPosition[0] = {1500.0, -2500.0};
    for (int t = 1; t < 10; ++t) im.i32(-1).zeros(16);
    for (int dir = 0; dir < 2; ++dir) {
        im.i32(dir);
        e.scales.mainSide[static_cast<std::size_t>(dir)] = dir;
        for (int side = 0; side < 2; ++side) {
            AxisScale& a = e.scales.axis[static_cast<std::size_t>(dir)][static_cast<std::size_t>(side)];
            const int n = dir * 2 + side;  // 0..3
            // active, kind, subdivisionIndex, mainGraduate, mainGraduateLine,
            // subGraduate, subGraduateLine, graduateBoth
            im.i32(side == 0).i32(n % 2).i32(n + 1).i32(n + 2).i32(n + 3).i32(n + 4).i32(n + 5).i32(n + 6);
            a.active = side == 0;
            a.kind = n % 2;
            a.subdivisionIndex = n + 1;
            a.mainGraduate = n + 2;
            a.mainGraduateLine = n + 3;
            a.subGraduate = n + 4;
            a.subGraduateLine = n + 5;
            a.graduateBoth = n + 6;
            font(h, a.font, 3 + n);
            // colour, format, decimals, symbol, orientation
            im.i32(1000 + n).i32(2).i32(n).i32(1).i32(-1);
            a.colour = 1000 + n;
            a.format = 2;
            a.decimals = n;
            a.symbol = 1;
            a.orientation = -1;
            im.raw("\xB0" "C\0\0\0\0\0\0\0\0\0", 11);
            a.customSymbol = {'\xB0', 'C'};
            im.i32(n % 2);
            a.thousands = n % 2;
            // origin, extremity, step, reserved, then the data range.
            im.f64(-n).f64(10.0 * (n + 1)).f64(n + 0.5).f64(7.0 + n).f64(side == 0 ? -1e3 - n : 1e3 + n);
            a.origin = -n;
            a.extremity = 10.0 * (n + 1);
            a.step = n + 0.5;
            a.reserved = 7.0 + n;
            e.dataRange[static_cast<std::size_t>(dir)][static_cast<std::size_t>(side)] = side == 0 ? -1e3 - n : 1e3 + n;
        }
    }
    im.mark("henry").i32(9);
    e.henryExtentIndex = 9;
    e.curves.resize(1);
    curve(h, e.curves[0]);
    return h;
}

}  // namespace ordinax::document::test
