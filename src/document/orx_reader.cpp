// Reading a diagram file image of the current layout ("ASB_02", and "ASB_01"
// which lacks the logo block). Every length and count is checked against the
// bytes that remain and against the capacities of the model before it is used:
// a damaged file gives the format message, never a crash or a huge allocation.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "base/strings.h"
#include "document/byte_cursor.h"
#include "document/diagram_ops.h"
#include "document/legacy_format.h"
#include "document/orx_file.h"
#include "document/orx_parts.h"
#include "document/orx_reader.h"

namespace ordinax::document {

namespace {

constexpr std::size_t PointBytes = sizeof(Point);

template <std::size_t N>
void terminate(char (&text)[N]) {
    // A fixed text buffer without any zero byte would be read past its end
    // by whoever takes it as a C string.
    if (!std::memchr(text, 0, N)) text[N - 1] = 0;
}

template <std::size_t N>
void terminate(std::array<char, N>& text) {
    if (!std::memchr(text.data(), 0, N)) text[N - 1] = 0;
}

void readFont(ByteCursor& in, LogFont& font) {
    in.raw(&font, sizeof font);
    terminate(font.faceName);
}

void readPaint(ByteCursor& in, PaintStyle& paint) { in.raw(paint.value.data(), sizeof paint.value); }

bool readUnit(ByteCursor& in, UnitDef& unit) {
    const std::int32_t count = in.i32();
    if (count < 0 || count > MaxUnitFactors) return false;
    if (count == 0) return in.ok();
    in.raw(&unit, sizeof unit);
    if (unit.factorCount < 0 || unit.factorCount > MaxUnitFactors) return false;
    for (auto& t : unit.prefix) terminate(t);
    for (auto& t : unit.symbol) terminate(t);
    for (auto& t : unit.exponent) terminate(t);
    return in.ok();
}

void readBand(ByteCursor& in, HeaderFooter& band) {
    band.print = in.i32();
    band.text = in.text();
    readFont(in, band.font);
    band.colour = in.i32();
    band.separator = in.i32();
}

void readLogo(ByteCursor& in, LogoSettings& logo) {
    logo.print[0] = in.i32();
    logo.print[1] = in.i32();
    logo.file = in.text();
    logo.location = in.i32();
    logo.position[0] = in.f64();
    logo.position[1] = in.f64();
    logo.dimension = in.i32();
    logo.zoom = in.i32();
    logo.logoSize[0] = in.f64();
    logo.logoSize[1] = in.f64();
}

void readScales(ByteCursor& in, Diagram& d) {
    for (std::size_t dir = 0; dir < 2; ++dir) {
        d.scales.mainSide[dir] = in.i32();
        for (std::size_t side = 0; side < 2; ++side) {
            AxisScale& a = d.scales.axis[dir][side];
            a.active = in.i32();
            a.kind = in.i32();
            a.subdivisionIndex = in.i32();
            a.mainGraduate = in.i32();
            a.mainGraduateLine = in.i32();
            a.subGraduate = in.i32();
            a.subGraduateLine = in.i32();
            a.graduateBoth = in.i32();
            readFont(in, a.font);
            a.colour = in.i32();
            a.format = in.i32();
            a.decimals = in.i32();
            a.symbol = in.i32();
            a.orientation = in.i32();
            in.raw(a.customSymbol.data(), a.customSymbol.size());
            terminate(a.customSymbol);
            a.thousands = in.i32();
            a.origin = in.f64();
            a.extremity = in.f64();
            a.step = in.f64();
            a.reserved = in.f64();
            d.dataRange[dir][side] = in.f64();
        }
    }
}

void readFit(ByteCursor& in, FitResult& fit) {
    for (double& v : fit.stats) v = in.f64();
    // The statistics are stored in pairs (s1, s4), (s2, s5), then s0, s3, s6, s7.
    fit.meanX = in.f64();
    fit.varX = in.f64();
    fit.meanY = in.f64();
    fit.varY = in.f64();
    fit.studentT = in.f64();
    fit.fValue = in.f64();
    fit.residualVar = in.f64();
    fit.explainedVar = in.f64();
    for (double& v : fit.detail) v = in.f64();
    fit.harmonicCount = in.i32();
    fit.omega = in.f64();
    fit.fourierA0 = in.f64();
    for (std::size_t k = 0; k < HarmonicSlots; ++k) {
        fit.coefficient[k] = in.f64();
        fit.linearCoefficient[k] = in.f64();
    }
}

void readFunction(ByteCursor& in, FunctionDef& f) {
    f.functionId = in.i32();
    f.anglesInDegrees = in.i32();
    f.parametric = in.i32();
    f.from = in.f64();
    f.to = in.f64();
    f.pointNumber = in.i32();
    f.expression = in.text();
    f.constants = in.text();
    f.parameter = in.text();
    f.domain = in.text();
}

// Point records: all of them must be in the file; beyond MaxPoints they are
// skipped so that the next curve is still read in step. A block that `scope`
// leaves out is checked the same way and only its place is noted.
bool readPoints(ByteCursor& in, Curve& c, std::int32_t count, PointScope* scope) {
    if (count < 0) return false;
    const std::uint64_t bytes = static_cast<std::uint64_t>(count) * PointBytes;
    if (bytes > in.remaining()) return false;
    const std::size_t kept = static_cast<std::size_t>(std::min(count, MaxPoints));
    if (scope) {
        // Empty curves are dropped by the compaction: they take no number.
        const int slot = scope->record++;
        const int number = kept > 0 ? scope->nonEmpty++ : -1;
        if (kept > 0 && number != scope->curve) {
            scope->skipped.push_back({number, in.position(), static_cast<std::int32_t>(kept)});
            scope->skippedSlots.push_back(slot);
            in.skip(bytes);
            return in.ok();
        }
    }
    const std::span<Point> points = c.points.assignUninitialised(kept);
    if (kept) in.blockLater(points.data(), kept * PointBytes);
    in.skip(bytes - kept * PointBytes);
    return in.ok();
}

bool readCurveRecord(ByteCursor& in, Curve& c, PointScope* scope) {
    c.title = in.text();
    c.modified = in.text();
    c.axisName[0] = in.text();
    c.axisName[1] = in.text();
    c.hidden = in.i32();
    const std::int32_t pointCount = in.i32();
    c.legend = in.text();
    in.raw(&c.symbol, sizeof c.symbol);
    terminate(c.symbol.font.faceName);
    in.raw(&c.line, sizeof c.line);
    c.treatment = in.i32();
    c.confidence = in.f64();
    for (std::size_t dir = 0; dir < 2; ++dir) {
        // Extent and bounds are interleaved: min, lower, max, upper.
        c.extent[dir][0] = in.f64();
        c.bounds[dir][0] = in.f64();
        c.extent[dir][1] = in.f64();
        c.bounds[dir][1] = in.f64();
    }
    c.excludePoints = in.i32();
    readFit(in, c.fit);
    if (!readUnit(in, c.unit[0]) || !readUnit(in, c.unit[1])) return false;
    readFunction(in, c.function);
    if (!in.ok()) return false;
    return readPoints(in, c, pointCount, scope);
}

void readPageFields(ByteCursor& in, Diagram& d) {
    d.displayMode = in.i32();
    d.orientation[0] = in.i32();
    d.orientation[1] = in.i32();
    for (auto& page : d.margins)
        for (double& m : page) m = in.f64();
    d.centre[0] = in.i32();
    d.centre[1] = in.i32();
    d.size[0] = in.f64();
    d.size[1] = in.f64();
    in.raw(d.drawSpace.data(), sizeof d.drawSpace);
    in.raw(d.dashLength.data(), sizeof d.dashLength);
}

// Items after the curve count, up to the Henry extent index.
bool readPresentationRest(ByteCursor& in, bool withLogo, Diagram& d) {
    readBand(in, d.band[0]);
    readBand(in, d.band[1]);
    if (withLogo) readLogo(in, d.logo);
    readPaint(in, d.backPaint);
    readPaint(in, d.diagramPaint);
    in.raw(d.backPicture.data(), d.backPicture.size());
    in.raw(d.diagramPicture.data(), d.diagramPicture.size());
    terminate(d.backPicture);
    terminate(d.diagramPicture);
    for (LabelSlot& label : d.labels) {
        label.placement = in.i32();
        label.lineCount = in.i32();
        label.option = in.i32();
        readPaint(in, label.paint);
        label.text = in.text();
    }
    for (std::size_t tag = 0; tag < TagCount; ++tag) {
        d.tagOrder[tag] = in.i32();
        in.raw(d.tagPosition[tag].data(), sizeof d.tagPosition[tag]);
        if (d.tagOrder[tag] < 0) d.tagPosition[tag] = {0.0, 0.0};
    }
    readScales(in, d);
    d.henryExtentIndex = in.i32();
    return in.ok();
}

bool readLayout(ByteCursor& in, bool withLogo, Diagram& d, PointScope* scope) {
    readPageFields(in, d);
    const std::int32_t curveCount = in.i32();
    if (!in.ok() || curveCount < 0 || curveCount > MaxCurves) return false;
    if (!readPresentationRest(in, withLogo, d)) return false;

    d.curves.resize(static_cast<std::size_t>(curveCount));
    for (Curve& c : d.curves) {
        resetCurve(c);
        if (!readCurveRecord(in, c, scope)) return false;
    }
    return in.ok();
}

// Gradients stored with a negative value by older versions of the program.
void mendGradient(PaintStyle& paint) {
    std::int32_t& g = paint.value[PaintStyle::Gradient];
    // Computed in 64 bits: a hostile value near the minimum would overflow.
    if (g < 0) g = static_cast<std::int32_t>(std::min<std::int64_t>(100 - std::int64_t{g}, INT32_MAX));
}

ReadResult formatError() {
    ReadResult r;
    r.message = base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error);
    return r;
}

bool hasMagic(std::span<const std::uint8_t> header, const char* magic) {
    const std::size_t n = std::strlen(magic);
    return std::memcmp(header.data(), magic, n) == 0 && header[n] == 0;
}

}  // namespace

FileFormat detectFormat(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < HeaderSize) return FileFormat::Unknown;
    if (hasMagic(bytes, MagicCurrent)) return FileFormat::Asb02;
    if (hasMagic(bytes, MagicNoLogo)) return FileFormat::Asb01;
    return FileFormat::Legacy;
}

ReadResult readCurrentLayout(ByteCursor& in, FileFormat format, Diagram& out, PointScope* scope) {
    try {
        in.skip(HeaderSize);
        if (!readLayout(in, format == FileFormat::Asb02, out, scope) || !in.readBlocks()) return formatError();

        mendGradient(out.backPaint);
        mendGradient(out.diagramPaint);
        for (LabelSlot& label : out.labels) mendGradient(label.paint);
        for (Curve& c : out.curves) c.symbol.number = reduceSymbolNumber(c.symbol.number);

        ReadResult r;
        r.ok = true;
        r.format = format == FileFormat::Asb02 ? MagicCurrent : MagicNoLogo;
        return r;
    } catch (const std::bad_alloc&) {
        // Only the points are allocated, within the size of the file: running
        // out of memory here still must not take the program down.
        return formatError();
    }
}

ReadResult readDiagramBytes(std::span<const std::uint8_t> bytes, const DiagramDefaults& defaults, Diagram& out,
                            const std::string& path) {
    resetDiagram(out, defaults);
    const FileFormat format = detectFormat(bytes);
    if (format == FileFormat::Unknown) return formatError();
    if (format == FileFormat::Legacy) return readLegacyDiagram(bytes.first(HeaderSize), bytes, path, defaults, out);
    ByteCursor in(bytes);
    return readCurrentLayout(in, format, out, nullptr);
}

bool readPresentation(ByteCursor& in, Diagram& diagram) {
    readPageFields(in, diagram);
    return readPresentationRest(in, true, diagram);
}

bool readCurve(ByteCursor& in, Curve& curve) {
    try {
        resetCurve(curve);
        return readCurveRecord(in, curve, nullptr);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace ordinax::document
