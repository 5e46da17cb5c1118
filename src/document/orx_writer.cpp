// Writing a diagram in the current layout ("ASB_02"). The layout is walked
// twice by the same code: once to count the bytes, once to store them into a
// buffer reserved at its final size.
#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "document/orx_image.h"
#include "document/orx_parts.h"

namespace ordinax::document {

static_assert(std::endian::native == std::endian::little, "diagram files are written by copying little-endian bytes");

namespace {

// Counts the bytes of the layout.
struct SizeSink {
    std::size_t bytes = 0;
    std::size_t runs = 0;
    void raw(const void*, std::size_t size) { bytes += size; }
    void zeros(std::size_t size) { bytes += size; }
    void points(std::span<const Point>) { ++runs; }
};

// Stores the layout into a buffer of the size counted first.
struct StoreSink {
    OrxImage& image;
    std::uint8_t* at;
    void raw(const void* data, std::size_t size) {
        std::memcpy(at, data, size);
        at += size;
    }
    void zeros(std::size_t size) {
        std::memset(at, 0, size);
        at += size;
    }
    void points(std::span<const Point> p) {
        image.pointRuns.push_back({static_cast<std::size_t>(at - image.bytes.data()), p});
    }
};

template <class Sink>
class LayoutWriter {
public:
    explicit LayoutWriter(Sink& sink) : out_(sink) {}

    void diagram(const Diagram& d) {
        char header[HeaderSize] = {};
        std::memcpy(header, MagicCurrent, std::strlen(MagicCurrent));
        out_.raw(header, sizeof header);
        pageFields(d);
        i32(d.curveCount());
        presentationRest(d);
        for (const Curve& c : d.curves) curve(c);
    }

    // The presentation fields without the curve count that the file puts among them.
    void presentation(const Diagram& d) {
        pageFields(d);
        presentationRest(d);
    }

    void curve(const Curve& c) {
        // The count written is the count of records that follow: a larger one
        // would make the reader skip into the next curve.
        const std::span<const Point> points = c.points.view().first(std::min<std::size_t>(c.points.size(), MaxPoints));
        text(c.title);
        text(c.modified);
        text(c.axisName[0]);
        text(c.axisName[1]);
        i32(c.hidden);
        i32(static_cast<std::int32_t>(points.size()));
        text(c.legend);
        out_.raw(&c.symbol, sizeof c.symbol);
        out_.raw(&c.line, sizeof c.line);
        i32(c.treatment);
        f64(c.confidence);
        for (std::size_t dir = 0; dir < 2; ++dir) {
            f64(c.extent[dir][0]);
            f64(c.bounds[dir][0]);
            f64(c.extent[dir][1]);
            f64(c.bounds[dir][1]);
        }
        i32(c.excludePoints);
        fit(c.fit);
        unit(c.unit[0]);
        unit(c.unit[1]);
        function(c.function);
        out_.points(points);
    }

private:
    void pageFields(const Diagram& d) {
        i32(d.displayMode);
        i32(d.orientation[0]);
        i32(d.orientation[1]);
        for (const auto& page : d.margins)
            for (double m : page) f64(m);
        i32(d.centre[0]);
        i32(d.centre[1]);
        f64(d.size[0]);
        f64(d.size[1]);
        out_.raw(d.drawSpace.data(), sizeof d.drawSpace);
        out_.raw(d.dashLength.data(), sizeof d.dashLength);
    }

    void presentationRest(const Diagram& d) {
        for (const HeaderFooter& b : d.band) band(b);
        logo(d.logo);
        paint(d.backPaint);
        paint(d.diagramPaint);
        out_.raw(d.backPicture.data(), d.backPicture.size());
        out_.raw(d.diagramPicture.data(), d.diagramPicture.size());
        for (const LabelSlot& l : d.labels) {
            i32(l.placement);
            i32(l.lineCount);
            i32(l.option);
            paint(l.paint);
            text(l.text);
        }
        for (std::size_t tag = 0; tag < TagCount; ++tag) {
            i32(d.tagOrder[tag]);
            // A free tag keeps no position, whatever the memory held.
            if (d.tagOrder[tag] < 0)
                out_.zeros(sizeof d.tagPosition[tag]);
            else
                out_.raw(d.tagPosition[tag].data(), sizeof d.tagPosition[tag]);
        }
        scales(d);
        i32(d.henryExtentIndex);
    }

    void i32(std::int32_t v) { out_.raw(&v, sizeof v); }
    void f64(double v) { out_.raw(&v, sizeof v); }
    void paint(const PaintStyle& p) { out_.raw(p.value.data(), sizeof p.value); }
    void font(const LogFont& f) { out_.raw(&f, sizeof f); }

    // Length, characters, zero byte. The text ends at a zero byte it may hold,
    // as the reader takes it, so that the file stays self-consistent.
    void text(const std::string& s) {
        const std::size_t length = std::min(s.size(), std::strlen(s.c_str()));
        i32(static_cast<std::int32_t>(length));
        out_.raw(s.data(), length);
        out_.zeros(1);
    }

    void band(const HeaderFooter& b) {
        i32(b.print);
        text(b.text);
        font(b.font);
        i32(b.colour);
        i32(b.separator);
    }

    void logo(const LogoSettings& l) {
        i32(l.print[0]);
        i32(l.print[1]);
        text(l.file);
        i32(l.location);
        f64(l.position[0]);
        f64(l.position[1]);
        i32(l.dimension);
        i32(l.zoom);
        f64(l.logoSize[0]);
        f64(l.logoSize[1]);
    }

    void scales(const Diagram& d) {
        for (std::size_t dir = 0; dir < 2; ++dir) {
            i32(d.scales.mainSide[dir]);
            for (std::size_t side = 0; side < 2; ++side) {
                const AxisScale& a = d.scales.axis[dir][side];
                i32(a.active);
                i32(a.kind);
                i32(a.subdivisionIndex);
                i32(a.mainGraduate);
                i32(a.mainGraduateLine);
                i32(a.subGraduate);
                i32(a.subGraduateLine);
                i32(a.graduateBoth);
                font(a.font);
                i32(a.colour);
                i32(a.format);
                i32(a.decimals);
                i32(a.symbol);
                i32(a.orientation);
                out_.raw(a.customSymbol.data(), a.customSymbol.size());
                i32(a.thousands);
                f64(a.origin);
                f64(a.extremity);
                f64(a.step);
                f64(a.reserved);
                f64(d.dataRange[dir][side]);
            }
        }
    }

    void fit(const FitResult& f) {
        for (double v : f.stats) f64(v);
        f64(f.meanX);
        f64(f.varX);
        f64(f.meanY);
        f64(f.varY);
        f64(f.studentT);
        f64(f.fValue);
        f64(f.residualVar);
        f64(f.explainedVar);
        for (double v : f.detail) f64(v);
        i32(f.harmonicCount);
        f64(f.omega);
        f64(f.fourierA0);
        for (std::size_t k = 0; k < HarmonicSlots; ++k) {
            f64(f.coefficient[k]);
            f64(f.linearCoefficient[k]);
        }
    }

    void unit(const UnitDef& u) {
        i32(u.factorCount);
        if (u.factorCount > 0) out_.raw(&u, sizeof u);
    }

    void function(const FunctionDef& f) {
        i32(f.functionId);
        i32(f.anglesInDegrees);
        i32(f.parametric);
        f64(f.from);
        f64(f.to);
        i32(f.pointNumber);
        text(f.expression);
        text(f.constants);
        text(f.parameter);
        text(f.domain);
    }

    Sink& out_;
};

// Writes the layout straight to a file, points included, for the parts
// written on their own.
struct FileSink {
    std::FILE* file;
    bool ok = true;
    void raw(const void* data, std::size_t size) {
        if (ok && size > 0 && std::fwrite(data, 1, size, file) != size) ok = false;
    }
    void zeros(std::size_t size) {
        static constexpr char Zero[16] = {};
        for (; size > 0 && ok; size -= std::min(size, sizeof Zero)) raw(Zero, std::min(size, sizeof Zero));
    }
    void points(std::span<const Point> p) { raw(p.data(), p.size_bytes()); }
};

// Fresh 4 KiB pages are what a large image costs most here: the untouched
// reserved block is asked for huge pages before it is first written.
void adviseHugePages(std::uint8_t* data, std::size_t size) {
    constexpr std::uintptr_t HugePage = std::uintptr_t{2} << 20;
    if (size < 2 * HugePage) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + HugePage - 1) & ~(HugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(HugePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

void prepareForWriting(Diagram& diagram, const std::string& now) {
    compactCurves(diagram);
    for (Curve& c : diagram.curves) {
        if (c.modified.empty()) c.modified = now;
        c.symbol.number = reduceSymbolNumber(c.symbol.number);
    }
}

}  // namespace

OrxImage buildOrxImage(Diagram& diagram, const std::string& now) {
    // The compaction would drop the curves whose points are still in the
    // file: a partial diagram is completed by the callers first.
    if (diagram.skippedPoints) throw std::logic_error("diagram read in part");
    prepareForWriting(diagram, now);
    SizeSink size;
    LayoutWriter<SizeSink>(size).diagram(diagram);

    OrxImage image;
    image.bytes.resize(size.bytes);
    image.pointRuns.reserve(size.runs);
    StoreSink store{image, image.bytes.data()};
    LayoutWriter<StoreSink>(store).diagram(diagram);

    image.fileSize = image.bytes.size();
    for (const OrxImage::PointRun& run : image.pointRuns) image.fileSize += run.points.size_bytes();
    return image;
}

std::vector<std::uint8_t> writeDiagramBytes(Diagram& diagram, const std::string& now) {
    if (diagram.skippedPoints && !loadSkippedPoints(diagram).ok) return {};
    const OrxImage image = buildOrxImage(diagram, now);
    std::vector<std::uint8_t> out;
    out.reserve(image.fileSize);
    adviseHugePages(out.data(), image.fileSize);
    out.resize(image.fileSize);
    std::uint8_t* at = out.data();
    std::size_t from = 0;
    for (const OrxImage::PointRun& run : image.pointRuns) {
        at = std::copy(image.bytes.begin() + static_cast<std::ptrdiff_t>(from),
                       image.bytes.begin() + static_cast<std::ptrdiff_t>(run.offset), at);
        if (!run.points.empty()) std::memcpy(at, run.points.data(), run.points.size_bytes());
        at += run.points.size_bytes();
        from = run.offset;
    }
    std::copy(image.bytes.begin() + static_cast<std::ptrdiff_t>(from), image.bytes.end(), at);
    return out;
}

bool writePresentation(std::FILE* out, const Diagram& diagram) {
    FileSink sink{out};
    LayoutWriter<FileSink>(sink).presentation(diagram);
    return sink.ok;
}

bool writeCurve(std::FILE* out, const Curve& curve) {
    FileSink sink{out};
    LayoutWriter<FileSink>(sink).curve(curve);
    return sink.ok;
}

}  // namespace ordinax::document
