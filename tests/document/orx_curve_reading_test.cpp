// Reading one curve of a diagram file: the other point blocks stay in the
// file, the diagram otherwise reads as a whole reading gives it, and it is
// never written without them — a block damaged since the reading is refused.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

#include "base/strings.h"
#include "base/strings_files.h"
#include "base/strings_speed.h"
#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "orx_test_support.h"

namespace ordinax::document::test {
// Named: the tests of this folder share a unity build.
namespace curve_reading {

namespace fs = std::filesystem;

const std::string Now = "01/01/2026 (00:00)";

void addCurve(Diagram& d, const std::string& title, std::size_t count, double base) {
    d.curves.emplace_back();
    Curve& c = d.curves.back();
    c.title = title;
    c.legend = "l" + title;
    const auto points = c.points.assignUninitialised(count);
    for (std::size_t i = 0; i < count; ++i) points[i] = {base + double(i), base * 2 - double(i * i)};
}

// Four curves in the file, the second one empty (its record written with no
// points, as older files hold them): the opened diagram numbers three.
struct Fixture {
    std::string folder = scratchFolder();
    std::string path = folder + "/quatre.orx";
    DiagramDefaults defaults = factoryDiagramDefaults();
    Diagram full;

    Fixture() {
        Diagram d;
        resetDiagram(d, defaults);
        addCurve(d, "a", 3, 10.0);
        addCurve(d, "vide", 1, 12345.5);
        addCurve(d, "b", 5, -4.0);
        d.curves.back().hidden = 1;
        addCurve(d, "c", 4, 100.0);
        // Stored extents as the programs keep them, recomputed after each change.
        recomputeExtents(d);
        std::vector<std::uint8_t> bytes = writeDiagramBytes(d, Now);
        // The point of "vide" is found by its values; the block is cut out and
        // its count set to 0 (the int32 just before the legend "lvide").
        const Point lone{12345.5, 24691.0};
        const auto* pattern = reinterpret_cast<const std::uint8_t*>(&lone);
        const auto at = std::search(bytes.begin(), bytes.end(), pattern, pattern + sizeof lone);
        EXPECT_NE(at, bytes.end());
        bytes.erase(at, at + sizeof lone);
        const std::string legend = "lvide";
        const auto named = std::search(bytes.begin(), bytes.end(), legend.begin(), legend.end());
        patchI32(bytes, static_cast<std::size_t>(named - bytes.begin()) - 8, 0);
        writeFileBytes(path, bytes);
        EXPECT_TRUE(openDiagramFile(path, defaults, full).ok);
        EXPECT_EQ(full.curveCount(), 3);
    }
};

TEST(OrxCurveReading, OneCurveReadsAsTheWholeAndCompletesToIt) {
    Fixture f;
    for (int wanted = -1; wanted < 3; ++wanted) {
        SCOPED_TRACE(wanted);
        Diagram part;
        const ReadResult r = openDiagramCurve(f.path, f.defaults, wanted, part);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.format, "ASB_02");
        ASSERT_EQ(part.curveCount(), 3);
        ASSERT_TRUE(part.skippedPoints);
        EXPECT_EQ(part.skippedPoints->blocks.size(), wanted < 0 ? 3u : 2u);
        for (int i = 0; i < 3; ++i) {
            const Curve& c = part.curves[static_cast<std::size_t>(i)];
            EXPECT_EQ(c.title, f.full.curves[static_cast<std::size_t>(i)].title);
            EXPECT_EQ(storedPointCount(part, i), f.full.curves[static_cast<std::size_t>(i)].pointCount());
            if (i == wanted) {
                EXPECT_EQ(c.points, f.full.curves[static_cast<std::size_t>(i)].points);
                EXPECT_EQ(c.extent, f.full.curves[static_cast<std::size_t>(i)].extent);
            } else {
                EXPECT_EQ(c.pointCount(), 0);
            }
        }
        // The data range counts the visible curves "a" and "c" whichever was read.
        EXPECT_EQ(part.dataRange, f.full.dataRange);
        EXPECT_EQ(part.labels, f.full.labels);

        // Measuring reads every block for its extent and keeps no point.
        Diagram measured = part;
        ASSERT_TRUE(measureSkippedPoints(measured).ok);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(measured.curves[static_cast<std::size_t>(i)].extent,
                      f.full.curves[static_cast<std::size_t>(i)].extent);
            EXPECT_EQ(measured.curves[static_cast<std::size_t>(i)].pointCount(), i == wanted ? storedPointCount(part, i) : 0);
        }
        EXPECT_EQ(measured.dataRange, f.full.dataRange);

        ASSERT_TRUE(loadSkippedPoints(part).ok);
        EXPECT_FALSE(part.skippedPoints);
        EXPECT_EQ(diagramDiff(part, f.full), "");
        EXPECT_TRUE(part == f.full);
    }
}

TEST(OrxCurveReading, MeasuringLargeBlocksGivesTheExtentsOfTheWholeReading) {
    // Over 8 MiB of points (two measuring threads, blocks longer than the
    // streaming buffer), with NaN, infinite and signed-zero coordinates; on
    // plain scales and on a LOG x axis, which leaves out the points <= 0.
    const std::string folder = scratchFolder();
    const std::string path = folder + "/grand.orx";
    const DiagramDefaults defaults = factoryDiagramDefaults();
    for (int xKind : {0, 1}) {
        SCOPED_TRACE(xKind);
        Diagram d;
        resetDiagram(d, defaults);
        d.scales.axis[0][0].kind = xKind;
        addCurve(d, "a", 300'000, -7.5);
        addCurve(d, "b", 5, 3.0);
        addCurve(d, "c", 420'000, 11.0);
        auto a = d.curves[0].points.edit();
        a[0] = {std::nan(""), -1e300};
        a[16384] = {-0.0, std::numeric_limits<double>::infinity()};
        a[299'999] = {1e40, std::nan("")};
        ASSERT_TRUE(saveDiagram(d, path, Now).ok);
        Diagram full;
        ASSERT_TRUE(openDiagramFile(path, defaults, full).ok);
        Diagram measured;
        ASSERT_TRUE(openDiagramCurve(path, defaults, -1, measured).ok);
        ASSERT_TRUE(measureSkippedPoints(measured).ok);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(measured.curves[i].extent, full.curves[i].extent) << i;
        EXPECT_EQ(measured.dataRange, full.dataRange);
    }
    fs::remove_all(folder);
}

TEST(OrxCurveReading, SavingAPartialDiagramWritesTheWholeFile) {
    Fixture f;
    Diagram part;
    ASSERT_TRUE(openDiagramCurve(f.path, f.defaults, 1, part).ok);
    const std::string out = f.folder + "/copie.orx";
    ASSERT_TRUE(saveDiagram(part, out, Now).ok);
    Diagram whole = f.full;
    EXPECT_EQ(readFileBytes(out), writeDiagramBytes(whole, Now));
    // Saved in place over the file it was read from, too.
    Diagram again;
    ASSERT_TRUE(openDiagramCurve(f.path, f.defaults, 0, again).ok);
    ASSERT_TRUE(saveDiagram(again, f.path, Now).ok);
    EXPECT_EQ(readFileBytes(f.path), readFileBytes(out));
}

void expectRefused(const base::Message& message, int reason) {
    EXPECT_EQ(message.id, base::MsgFormatIncompatible);
    const std::string text = base::makeMessage(reason, base::Heading::None, "").text;
    const std::string stem = text.substr(0, text.find('%'));
    EXPECT_NE(message.text.find(stem.substr(0, 20)), std::string::npos) << message.text;
}

TEST(OrxCurveReading, ABlockDamagedAfterTheReadingIsRefusedWhenWrittenBack) {
    struct Damage {
        const char* what;
        void (*apply)(const std::string& path, std::vector<std::uint8_t>& bytes);
        int reason;
    };
    const Damage damages[] = {
        {"cut inside the last block",
         [](const std::string& path, std::vector<std::uint8_t>& bytes) {
             bytes.resize(bytes.size() - 20);
             writeFileBytes(path, bytes);
         },
         base::MsgReasonFileChanged},
        {"same size, other bytes",
         [](const std::string& path, std::vector<std::uint8_t>& bytes) {
             bytes[bytes.size() - 3] ^= 0xFF;
             writeFileBytes(path, bytes);
             // A later time even on a coarse clock.
             struct timespec times[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
             ::utimensat(AT_FDCWD, path.c_str(), times, 0);
         },
         base::MsgReasonFileChanged},
        {"removed", [](const std::string& path, std::vector<std::uint8_t>&) { fs::remove(path); },
         base::MsgReasonNoFile},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        Fixture f;
        Diagram part;
        ASSERT_TRUE(openDiagramCurve(f.path, f.defaults, 0, part).ok);
        std::vector<std::uint8_t> bytes = readFileBytes(f.path);
        damage.apply(f.path, bytes);

        // Measuring the skipped blocks is refused the same way.
        Diagram measured = part;
        const ReadResult m = measureSkippedPoints(measured);
        EXPECT_FALSE(m.ok);
        expectRefused(m.message, damage.reason);

        const std::string out = f.folder + "/sortie.orx";
        writeFileBytes(out, std::vector<std::uint8_t>{'o', 'l', 'd'});
        const SaveResult saved = saveDiagram(part, out, Now);
        EXPECT_FALSE(saved.ok);
        expectRefused(saved.message, damage.reason);
        EXPECT_EQ(readFileBytes(out), (std::vector<std::uint8_t>{'o', 'l', 'd'}));  // the previous file kept
        EXPECT_TRUE(part.skippedPoints);  // still partial: never written without its points
        EXPECT_TRUE(writeDiagramBytes(part, Now).empty());
        EXPECT_EQ(part.curveCount(), 3);
    }
}

TEST(OrxCurveReading, DamagedFilesAndOlderGenerations) {
    Fixture f;
    // A file cut inside a block that is skipped fails at once, as a whole reading does.
    std::vector<std::uint8_t> bytes = readFileBytes(f.path);
    bytes.resize(bytes.size() - 20);
    writeFileBytes(f.path, bytes);
    Diagram part;
    const ReadResult r = openDiagramCurve(f.path, f.defaults, 0, part);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.id, base::MsgFormatIncompatible);

    // Older generations have no blocks to skip: read whole.
    const fs::path legacy = fs::path(ORDINAX_SOURCE_DIR) / "examples/legacy/gen2_asb00.orx";
    Diagram old;
    Diagram oldWhole;
    ASSERT_TRUE(openDiagramCurve(legacy.string(), f.defaults, 0, old).ok);
    ASSERT_TRUE(openDiagramFile(legacy.string(), f.defaults, oldWhole).ok);
    EXPECT_FALSE(old.skippedPoints);
    EXPECT_TRUE(old == oldWhole);
}

}  // namespace curve_reading
}  // namespace ordinax::document::test
