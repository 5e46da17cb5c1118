// The fully populated diagram of the JSON and round-trip tests.
#include "cli/filled_diagram.h"

#include <cstring>
#include <string>

#include "base/logfont.h"

namespace ordinax::cli::test {

using namespace document;

namespace {

template <std::size_t N>
void setChars(std::array<char, N>& buffer, const char* text) {
    buffer.fill('\0');
    std::memcpy(buffer.data(), text, std::strlen(text));
}

PaintStyle paint(int seed) {
    PaintStyle style;
    for (int i = 0; i < PaintStyle::Count; ++i) style[i] = seed * 100 + i + 1;
    style[PaintStyle::Gradient] = 102 + seed;  // a negative gradient would be rewritten on reading
    return style;
}

UnitDef unit(int seed) {
    UnitDef u;
    u.factorCount = 2 + seed;
    for (int i = 0; i < MaxUnitFactors; ++i) {
        const auto k = static_cast<std::size_t>(i);
        u.reference[k] = seed * 1000 + i;
        u.system[k] = seed * 1000 + 10 + i;
        u.category[k] = seed * 1000 + 20 + i;
        u.quantity[k] = seed * 1000 + 30 + i;
        u.denominator[k] = i % 2;
        setChars(u.prefix[k], i % 2 ? "\xB5" : "k");  // µ in Windows-1252
        setChars(u.symbol[k], i % 2 ? "\xB0" "C" : "m");  // °C
        setChars(u.exponent[k], "-2");
        u.prefixAllowed[k] = 1 - i % 2;
        u.exponentAllowed[k] = i % 2;
        u.coefficient[k] = 0.1 * (i + 1) + seed;
        u.offset[k] = 273.15 - i;
        for (int d = 0; d < DimensionCount; ++d) u.dimension[k][static_cast<std::size_t>(d)] = d - i * 0.5;
    }
    setChars(u.padding1, "pq");  // padding, not text: no terminator needed
    setChars(u.padding2, "pad");
    return u;
}

Curve curve(int seed) {
    Curve c;
    c.title = seed == 0 ? "Temp\xE9rature \xB6" "c1" : "Pression";
    c.modified = "12/03/2025 (14:" + std::to_string(10 + seed) + ")";
    c.axisName = {"Temps " + std::to_string(seed), "Valeur \x80"};  // € in Windows-1252
    c.hidden = seed;
    c.legend = "L\xE9gende " + std::to_string(seed);
    c.symbol.type = 2 + seed;
    c.symbol.number = 7 + seed;  // at most 23: larger numbers are reduced when saved
    c.symbol.character = 108;
    c.symbol.font = base::fontFromTextOrDefault("-12,0,0,0,400,0,0,0,2,3,2,1,2,Wingdings");
    c.symbol.size = 9 + seed;
    c.symbol.option = 1;
    c.symbol.fill = 1;
    c.symbol.reserved = 77;
    c.symbol.innerColour = 255 + seed;
    c.symbol.outerColour = 65280;
    c.symbol.belowLine = 1;
    c.line.type = {3, 2};
    c.line.width = {2, 3};
    c.line.colour = {16711680, 12345};
    c.treatment = seed == 0 ? 5 : 17;
    c.confidence = 99.5;
    c.bounds = {{{-5.5, 123.25}, {-7.0, 1.0e30}}};
    c.excludePoints = 1;
    FitResult& f = c.fit;
    f.stats = {1.5, -2.5, 0.1};
    f.studentT = 2.2621571627409915;
    f.meanX = 3.5;
    f.meanY = -0.1;
    f.fValue = 1.0e-300;
    f.varX = 4.25;
    f.varY = 5.125;
    f.residualVar = 6.0625;
    f.explainedVar = 7.03125;
    for (std::size_t i = 0; i < f.detail.size(); ++i) f.detail[i] = 0.5 + static_cast<double>(i);
    f.harmonicCount = 3 + seed;
    f.omega = 0.6283185307179586;
    f.fourierA0 = -1.25e-7;
    for (std::size_t i = 0; i < HarmonicSlots; ++i) {
        f.coefficient[i] = 1.0 / (static_cast<double>(i) + 3.0);
        f.linearCoefficient[i] = -2.5e200 / (static_cast<double>(i) + 1.0);
    }
    c.unit = {unit(seed), unit(seed + 1)};
    c.function.functionId = 4 + seed;
    c.function.anglesInDegrees = 0;
    c.function.parametric = 1;
    c.function.from = -3.25;
    c.function.to = 8.5;
    c.function.pointNumber = 250;
    c.function.expression = "y=a*x^2+b";
    c.function.constants = "a=1;b=2";
    c.function.parameter = "p";
    c.function.domain = "1/2/0.5";
    // Positive coordinates: the logarithmic scales below skip nothing.
    const Point points[] = {{0.1, 20.5}, {1.0, 21.25}, {2.5, 19.75 + seed}, {4.0, 0.3}};
    c.points = PointBuffer(points);
    c.extent = {{{0.1, 4.0}, {0.3, 21.25}}};
    return c;
}

}  // namespace

Diagram filledDiagram() {
    Diagram d;
    d.displayMode = 2;
    d.orientation = {1, 1};
    d.margins = {{{1.1, 1.2, 1.3, 1.4, 1.5, 1.6}, {2.1, 2.2, 2.3, 2.4, 2.5, 2.6}}};
    d.centre = {0, 0};
    d.size = {15.5, 12.25};
    d.drawSpace = {6, 7};
    d.dashLength = {8, 9};
    d.reportFont = base::fontFromTextOrDefault("-13,1,2,3,700,1,1,1,0,3,2,1,49,Courier New");
    for (int b = 0; b < 2; ++b) {
        HeaderFooter& band = d.band[static_cast<std::size_t>(b)];
        band.print = 1;
        band.text = b == 0 ? "En-t\xEAte &N" : "Pied \xB6" "b";
        band.font = base::fontFromTextOrDefault(b == 0 ? "-20,0,0,0,700,1,0,0,0,0,0,0,34,Arial"
                                                       : "-18,0,0,0,400,0,1,0,0,0,0,0,18,Tr\xE9" "buchet MS");
        band.colour = 255 * (b + 1);
        band.separator = 0;
    }
    d.logo.print = {1, 1};
    d.logo.file = "/tmp/logo \xE9t\xE9.png";
    d.logo.location = 3;
    d.logo.position = {4.5, 2.75};
    d.logo.dimension = 1;
    d.logo.zoom = 150;
    d.logo.logoSize = {5.5, 2.5};
    d.backPaint = paint(1);
    d.diagramPaint = paint(2);
    setChars(d.backPicture, "/home/user/Images/fond \xE9t\xE9.bmp");
    setChars(d.diagramPicture, "C:\\Images\\grille.jpg");
    for (int s = 0; s < LabelSlotCount; ++s) {
        LabelSlot& label = d.labels[static_cast<std::size_t>(s)];
        label.placement = 10 + s;
        label.option = s + 1;
        label.paint = paint(3 + s);
        if (s < LegendSlot) {
            label.text = "\xB6" "B1Titre " + std::to_string(s);
            label.lineCount = 1;
        } else if (s == LegendSlot) {
            label.text = "l\xE9gendes";
            label.lineCount = 2;  // both curves have a legend
        } else {
            label.text = "\xC9tiquette\nligne " + std::to_string(s);
            label.lineCount = 2;  // one line feed
        }
    }
    for (int t = 0; t < TagCount; ++t) {
        const auto k = static_cast<std::size_t>(t);
        d.tagOrder[k] = TagCount - 1 - t;
        d.tagPosition[k] = {1000.5 * t - 3000.0, -250.25 * t};
    }
    d.scales.mainSide = {1, 1};
    for (int dir = 0; dir < 2; ++dir) {
        for (int side = 0; side < 2; ++side) {
            AxisScale& a = d.scales.axis[static_cast<std::size_t>(dir)][static_cast<std::size_t>(side)];
            const int seed = dir * 2 + side;
            a.active = 1;
            a.kind = 1;
            a.subdivisionIndex = 3 + seed;
            a.mainGraduate = 2;
            a.mainGraduateLine = 1;
            a.subGraduate = 1;
            a.subGraduateLine = 2;
            a.graduateBoth = 1;
            a.font = base::fontFromTextOrDefault("-11,0,900,900,400,0,0,0,0,0,0,0,48,Arial");
            a.colour = 128 + seed;
            a.format = 3;
            a.decimals = 2 + seed;
            a.symbol = 4;
            a.orientation = -1;
            setChars(a.customSymbol, seed == 3 ? "0123456789" : "\xB0" "C");  // the longest text the 11 bytes hold
            a.thousands = 1;
            a.origin = 0.01 * (seed + 1);
            a.extremity = 1.0e3 + seed;
            a.step = 0.25;
            a.reserved = -9.5;
        }
    }
    d.henryExtentIndex = 7;
    d.curves = {curve(0), curve(1)};
    d.dataRange = {{{0.1, 4.0}, {0.3, 21.25}}};
    return d;
}

}  // namespace ordinax::cli::test
