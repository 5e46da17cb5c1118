// Helpers of the diagram file tests.
#include "orx_test_support.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ordinax::document::test {

namespace {

// Hands out a new value at every call, so that two fields never hold the
// same value and a swapped pair shows up as a difference.
class Filler {
public:
    std::int32_t i() { return next_++; }
    double d() { return next_++ + 0.25; }
    std::string s() { return "t" + std::to_string(next_++); }
    LogFont font() {
        LogFont f;
        f.height = i();
        f.width = i();
        f.escapement = i();
        f.orientation = i();
        f.weight = i();
        auto b = [&] { return static_cast<std::uint8_t>(next_++ & 0xff); };
        f.italic = b();
        f.underline = b();
        f.strikeOut = b();
        f.charSet = b();
        f.outPrecision = b();
        f.clipPrecision = b();
        f.quality = b();
        f.pitchAndFamily = b();
        const std::string face = "Face" + std::to_string(next_++);
        std::memcpy(f.faceName, face.c_str(), face.size() + 1);
        // Bytes after the terminator are kept as they are.
        f.faceName[30] = 'z';
        return f;
    }
    PaintStyle paint() {
        PaintStyle p;
        for (auto& v : p.value) v = i();
        return p;
    }
    template <std::size_t N>
    void chars(std::array<char, N>& a, const std::string& s) {
        a.fill(0);
        const std::size_t n = std::min(s.size(), N - 1);
        for (std::size_t k = 0; k < n; ++k) a[k] = s[k];
        if (N > s.size() + 2) a[N - 1] = 'q';
    }
    UnitDef unit(int factors) {
        UnitDef u;
        u.factorCount = factors;
        for (int k = 0; k < MaxUnitFactors; ++k) {
            const auto f = static_cast<std::size_t>(k);
            u.reference[f] = i();
            u.system[f] = i();
            u.category[f] = i();
            u.quantity[f] = i();
            u.denominator[f] = i();
            chars(u.prefix[f], "k");
            chars(u.symbol[f], s());
            chars(u.exponent[f], "2");
            u.prefixAllowed[f] = i();
            u.exponentAllowed[f] = i();
            u.coefficient[f] = d();
            u.offset[f] = d();
            for (double& v : u.dimension[f]) v = d();
        }
        return u;
    }

private:
    std::int32_t next_ = 1000;
};

Curve everyFieldCurve(Filler& f, int index) {
    Curve c;
    c.title = f.s();
    c.modified = f.s();
    c.axisName = {f.s(), f.s()};
    c.hidden = f.i();
    c.legend = f.s();
    c.symbol.type = f.i();
    c.symbol.number = 3 + index;  // numbers above 23 are reduced on save
    c.symbol.character = f.i();
    c.symbol.font = f.font();
    c.symbol.size = f.i();
    c.symbol.option = f.i();
    c.symbol.fill = f.i();
    c.symbol.reserved = f.i();
    c.symbol.innerColour = f.i();
    c.symbol.outerColour = f.i();
    c.symbol.belowLine = f.i();
    c.line.type = {f.i(), f.i()};
    c.line.width = {f.i(), f.i()};
    c.line.colour = {f.i(), f.i()};
    c.treatment = f.i();
    c.confidence = f.d();
    for (auto& dir : c.extent)
        for (double& v : dir) v = f.d();
    for (auto& dir : c.bounds)
        for (double& v : dir) v = f.d();
    c.excludePoints = f.i();
    FitResult& r = c.fit;
    for (double& v : r.stats) v = f.d();
    r.studentT = f.d();
    r.meanX = f.d();
    r.meanY = f.d();
    r.fValue = f.d();
    r.varX = f.d();
    r.varY = f.d();
    r.residualVar = f.d();
    r.explainedVar = f.d();
    for (double& v : r.detail) v = f.d();
    r.harmonicCount = f.i();
    r.omega = f.d();
    r.fourierA0 = f.d();
    for (double& v : r.coefficient) v = f.d();
    for (double& v : r.linearCoefficient) v = f.d();
    // Curve 0 has both units, curve 1 only y, curve 2 none.
    if (index == 0) c.unit[0] = f.unit(MaxUnitFactors);
    if (index <= 1) c.unit[1] = f.unit(1 + index);
    c.function.functionId = f.i();
    c.function.anglesInDegrees = f.i();
    c.function.parametric = f.i();
    c.function.from = f.d();
    c.function.to = f.d();
    c.function.pointNumber = f.i();
    c.function.expression = f.s();
    c.function.constants = f.s();
    c.function.parameter = f.s();
    c.function.domain = f.s();
    std::vector<Point> points;
    for (int k = 0; k < 5 + index; ++k) points.push_back({f.d(), f.d()});
    c.points = PointBuffer(points);
    return c;
}

}  // namespace

void patchI32(std::vector<std::uint8_t>& image, std::size_t offset, std::int32_t value) {
    std::memcpy(image.data() + offset, &value, 4);
}

DiagramDefaults distinctDefaults() {
    DiagramDefaults d = factoryDiagramDefaults();
    d.logo.print = {1, 0};
    d.logo.file = "logo-from-preferences.bmp";
    d.logo.location = 3;
    d.logo.position = {4.5, 6.5};
    d.logo.dimension = 1;
    d.logo.zoom = 150;
    d.logo.logoSize = {2.0, 1.5};
    d.henryExtentIndex = 11;
    return d;
}

Diagram makeEveryFieldDiagram() {
    Filler f;
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    d.displayMode = f.i();
    d.orientation = {f.i(), f.i()};
    for (auto& page : d.margins)
        for (double& m : page) m = f.d();
    d.centre = {f.i(), f.i()};
    d.size = {f.d(), f.d()};
    d.drawSpace = {f.i(), f.i()};
    d.dashLength = {f.i(), f.i()};
    for (HeaderFooter& b : d.band) {
        b.print = f.i();
        b.text = f.s();
        b.font = f.font();
        b.colour = f.i();
        b.separator = f.i();
    }
    d.logo.print = {f.i(), f.i()};
    d.logo.file = f.s();
    d.logo.location = f.i();
    d.logo.position = {f.d(), f.d()};
    d.logo.dimension = f.i();
    d.logo.zoom = f.i();
    d.logo.logoSize = {f.d(), f.d()};
    d.backPaint = f.paint();
    d.diagramPaint = f.paint();
    f.chars(d.backPicture, "C:\\fonds\\" + f.s() + ".bmp");
    f.chars(d.diagramPicture, "C:\\fonds\\" + f.s() + ".jpg");
    for (LabelSlot& l : d.labels) {
        l.placement = f.i();
        l.lineCount = f.i();
        l.option = f.i();
        l.paint = f.paint();
        l.text = f.s();
    }
    for (std::size_t t = 0; t < TagCount; ++t) {
        d.tagOrder[t] = static_cast<std::int32_t>(t);
        d.tagPosition[t] = {f.d(), f.d()};
    }
    for (std::size_t dir = 0; dir < 2; ++dir) {
        d.scales.mainSide[dir] = f.i();
        for (std::size_t side = 0; side < 2; ++side) {
            AxisScale& a = d.scales.axis[dir][side];
            a.active = f.i();
            a.kind = f.i();
            a.subdivisionIndex = f.i();
            a.mainGraduate = f.i();
            a.mainGraduateLine = f.i();
            a.subGraduate = f.i();
            a.subGraduateLine = f.i();
            a.graduateBoth = f.i();
            a.font = f.font();
            a.colour = f.i();
            a.format = f.i();
            a.decimals = f.i();
            a.symbol = f.i();
            a.orientation = f.i();
            f.chars(a.customSymbol, "u" + std::to_string(dir * 2 + side));
            a.thousands = f.i();
            a.origin = f.d();
            a.extremity = f.d();
            a.step = f.d();
            a.reserved = f.d();
            d.dataRange[dir][side] = f.d();
        }
    }
    d.henryExtentIndex = f.i();
    for (int k = 0; k < 3; ++k) d.curves.push_back(everyFieldCurve(f, k));
    return d;
}

std::string diagramDiff(const Diagram& a, const Diagram& b) {
    std::ostringstream out;
    auto check = [&](bool same, const std::string& name) {
        if (!same) out << name << ' ';
    };
#define ORX_CHECK(field) check(a.field == b.field, #field)
    ORX_CHECK(displayMode);
    ORX_CHECK(orientation);
    ORX_CHECK(margins);
    ORX_CHECK(centre);
    ORX_CHECK(size);
    ORX_CHECK(drawSpace);
    ORX_CHECK(dashLength);
    ORX_CHECK(reportFont);
    ORX_CHECK(band[0]);
    ORX_CHECK(band[1]);
    ORX_CHECK(logo);
    ORX_CHECK(backPaint);
    ORX_CHECK(diagramPaint);
    ORX_CHECK(backPicture);
    ORX_CHECK(diagramPicture);
    ORX_CHECK(tagOrder);
    ORX_CHECK(tagPosition);
    ORX_CHECK(scales.mainSide);
    ORX_CHECK(dataRange);
    ORX_CHECK(henryExtentIndex);
#undef ORX_CHECK
    for (std::size_t i = 0; i < a.labels.size(); ++i) check(a.labels[i] == b.labels[i], "labels[" + std::to_string(i) + "]");
    for (std::size_t dir = 0; dir < 2; ++dir)
        for (std::size_t side = 0; side < 2; ++side)
            check(a.scales.axis[dir][side] == b.scales.axis[dir][side],
                  "scales.axis[" + std::to_string(dir) + "][" + std::to_string(side) + "]");
    if (a.curveCount() != b.curveCount()) {
        out << "curveCount(" << a.curveCount() << " vs " << b.curveCount() << ") ";
        return out.str();
    }
    for (std::size_t i = 0; i < a.curves.size(); ++i) {
        const Curve& x = a.curves[i];
        const Curve& y = b.curves[i];
        const std::string at = "curves[" + std::to_string(i) + "].";
#define ORX_CURVE(field) check(x.field == y.field, at + #field)
        ORX_CURVE(title);
        ORX_CURVE(modified);
        ORX_CURVE(axisName);
        ORX_CURVE(hidden);
        ORX_CURVE(legend);
        ORX_CURVE(symbol);
        ORX_CURVE(line);
        ORX_CURVE(treatment);
        ORX_CURVE(confidence);
        ORX_CURVE(extent);
        ORX_CURVE(bounds);
        ORX_CURVE(excludePoints);
        ORX_CURVE(fit);
        ORX_CURVE(unit[0]);
        ORX_CURVE(unit[1]);
        ORX_CURVE(function);
        ORX_CURVE(points);
#undef ORX_CURVE
    }
    return out.str();
}

std::string scratchFolder() {
    std::string templ = "/tmp/ordinax-orx-test-XXXXXX";
    if (!mkdtemp(templ.data())) throw std::runtime_error("cannot create a scratch folder");
    return templ;
}

std::vector<std::uint8_t> readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ordinax::document::test
