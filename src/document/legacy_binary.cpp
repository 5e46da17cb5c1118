// Reader of the binary older generations: the 18-byte header, the 254 curve
// records, the diagram block and the points.
#include "document/legacy_binary.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "document/byte_cursor.h"
#include "document/diagram_ops.h"
#include "document/legacy_mappings.h"

namespace ordinax::document::legacy {

namespace {

struct CurveRecord {
    std::int32_t symbolNumber = 0;
    std::int32_t colour = 0;
    std::int64_t pointCount = 0;
    std::uint8_t lineCode = 0;
    std::uint8_t flags = 0;
    std::string title;
};

// Integers are 32 bits wide in kinds 2 and 3 and 16 bits in kind 4.
class LegacyCursor {
public:
    LegacyCursor(std::span<const std::uint8_t> bytes, bool narrow) : in_(bytes), narrow_(narrow) {}

    ByteCursor& raw() { return in_; }
    std::int32_t integer() { return narrow_ ? i16() : in_.i32(); }
    std::int16_t i16() {
        std::int16_t v = 0;
        in_.raw(&v, sizeof v);
        return v;
    }
    std::uint8_t byte() {
        std::uint8_t v = 0;
        in_.raw(&v, 1);
        return v;
    }
    double f64() { return in_.f64(); }
    // A fixed text buffer: the text ends at its first zero byte or at the end.
    std::string text(std::size_t size) {
        std::string s(size, '\0');
        in_.raw(s.data(), size);
        s.resize(::strnlen(s.data(), size));
        return s;
    }
    base::LogFont font() {
        if (narrow_) {
            std::uint8_t record[Font16Size] = {};
            in_.raw(record, sizeof record);
            return widenFont16(record);
        }
        base::LogFont f;
        in_.raw(&f, sizeof f);
        f.faceName[sizeof f.faceName - 1] = '\0';
        return f;
    }
    bool narrow() const { return narrow_; }

private:
    ByteCursor in_;
    bool narrow_;
};

CurveRecord readRecord(LegacyCursor& in) {
    CurveRecord r;
    r.symbolNumber = in.integer();
    r.colour = in.integer();
    // The count is taken as an absolute value; 64 bits keep INT32_MIN whole.
    r.pointCount = std::llabs(static_cast<long long>(in.integer()));
    r.lineCode = in.byte();
    r.flags = in.byte();
    r.title = in.text(32);
    if (!in.narrow()) in.raw().skip(2);
    return r;
}

void readScale(LegacyCursor& in, AxisScale& scale) {
    const std::int32_t kind = in.integer();
    scale.kind = kind == 1 ? 1 : 0;
    const std::int32_t format = in.integer();
    if (format == 0) {
        scale.orientation = -1;
    } else if (format >= 1 && format <= 5) {
        scale.format = format;
    }
    scale.decimals = std::clamp(in.integer(), 0, 5);
    scale.subdivisionIndex = std::clamp(in.integer(), 0, 9);
    if (in.integer() == 1) scale.mainGraduate = 3;
    scale.colour = paletteColour(in.integer());
    scale.origin = in.f64();
    scale.extremity = in.f64();
    scale.step = in.f64();
    scale.font = in.font();
}

void placeLabel(Diagram& d, int slot, std::int32_t placement, std::string text) {
    if (text.empty()) return;
    d.labels[static_cast<std::size_t>(slot)].placement = placement;
    d.labels[static_cast<std::size_t>(slot)].text = std::move(text);
}

Curve makeCurve(const CurveRecord& r, bool withLegend) {
    Curve c;
    c.title = r.title;
    if (withLegend) c.legend = r.title;
    c.hidden = (r.flags & 1) ? 1 : 0;
    if (r.symbolNumber > 0) c.symbol.number = reduceSymbolNumber(r.symbolNumber);
    c.symbol.fill = (r.flags & 2) ? 1 : 0;
    c.symbol.outerColour = paletteColour(r.colour);
    c.line.type[0] = lineKindFromCode(r.lineCode);
    c.line.colour[0] = paletteColour(r.colour);
    return c;
}

// The points the records announce must fill the rest of the file exactly:
// a file cut short, or shifted by stray bytes, would otherwise be read with
// its values out of step. Only what a transfer or a DOS program may have
// added after the last point is allowed there.
bool pointsFitTheFile(const std::vector<CurveRecord>& records, std::span<const std::uint8_t> rest) {
    std::uint64_t expected = 0;
    for (const CurveRecord& r : records) expected += static_cast<std::uint64_t>(r.pointCount) * sizeof(Point);
    if (expected > rest.size()) return false;
    return isTrailingPadding(rest.subspan(static_cast<std::size_t>(expected)));
}

}  // namespace

bool isTrailingPadding(std::span<const std::uint8_t> tail) {
    if (tail.size() >= MaxTrailingPadding) return false;
    return std::all_of(tail.begin(), tail.end(), [](std::uint8_t b) { return b == DosEndOfFile; });
}

bool readLegacyBinary(int kind, std::span<const std::uint8_t> bytes, Diagram& out, bool* pointsDropped) {
    const bool narrow = kind == 4;
    LegacyCursor in(bytes, narrow);
    in.raw().skip(16);
    const std::int32_t declared = in.i16();

    std::vector<CurveRecord> records;
    for (int i = 0; i < BinaryRecordCount && in.raw().ok(); ++i) {
        const std::int16_t marker = in.i16();
        if (marker == 0) continue;
        if (marker != 1) return false;
        records.push_back(readRecord(in));
    }
    if (!in.raw().ok() || static_cast<std::int32_t>(records.size()) != declared) return false;

    const std::size_t blockStart = in.raw().position();
    out.size[0] = in.f64();
    out.size[1] = in.f64();
    for (int m = 0; m < 4; ++m) out.margins[0][static_cast<std::size_t>(m)] = in.f64();
    for (int dir = 0; dir < 2; ++dir) readScale(in, out.scales.axis[static_cast<std::size_t>(dir)][0]);
    const std::int32_t corner = in.integer();
    const std::string xLabel = in.text(LegacyTextSize);
    const std::string yLabel = in.text(LegacyTextSize);
    if (!narrow) in.raw().skip(WideDiagramBlockSize - (in.raw().position() - blockStart));
    if (!in.raw().ok()) return false;

    const bool legend = corner >= 0 && corner <= 3;
    if (legend) out.labels[LegendSlot].placement = corner;
    placeLabel(out, 2, 3, xLabel);
    placeLabel(out, 4, 6, yLabel);

    if (!pointsFitTheFile(records, bytes.last(static_cast<std::size_t>(in.raw().remaining())))) return false;
    for (const CurveRecord& r : records) {
        if (out.curveCount() >= MaxCurves) {
            in.raw().skip(static_cast<std::uint64_t>(r.pointCount) * sizeof(Point));
            continue;
        }
        Curve c = makeCurve(r, legend);
        const std::size_t kept = static_cast<std::size_t>(std::min<std::int64_t>(r.pointCount, MaxPoints));
        if (pointsDropped && r.pointCount > MaxPoints) *pointsDropped = true;
        std::span<Point> points = c.points.assignUninitialised(kept);
        in.raw().raw(points.data(), points.size_bytes());
        in.raw().skip(static_cast<std::uint64_t>(r.pointCount - static_cast<std::int64_t>(kept)) * sizeof(Point));
        out.curves.push_back(std::move(c));
    }
    return in.raw().ok();
}

}  // namespace ordinax::document::legacy
