// Saving and opening diagrams: round trips, the changes made on save and on
// open, and the safe replacement of files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "orx_hand_image.h"

namespace ordinax::document::test {
namespace {

namespace fs = std::filesystem;

Curve curveOf(std::initializer_list<Point> points, const std::string& title = {}) {
    Curve c;
    c.title = title;
    c.modified = "01/02/2026 (10:00)";
    c.points = PointBuffer(std::span<const Point>(points.begin(), points.size()));
    return c;
}

Diagram readBack(std::span<const std::uint8_t> bytes, const DiagramDefaults& defaults = factoryDiagramDefaults()) {
    Diagram out;
    const ReadResult r = readDiagramBytes(bytes, defaults, out);
    EXPECT_TRUE(r.ok) << r.message.text;
    return out;
}

TEST(OrxRoundTrip, EveryFieldSurvivesWriteAndRead) {
    const Diagram original = makeEveryFieldDiagram();
    Diagram written = original;
    const std::vector<std::uint8_t> bytes = writeDiagramBytes(written, "unused");
    EXPECT_TRUE(written == original) << "writing changed: " << diagramDiff(written, original);

    const DiagramDefaults defaults = distinctDefaults();
    Diagram read = readBack(bytes, defaults);
    // The report font is not stored: the reader leaves the defaults' one.
    Diagram expected = original;
    expected.reportFont = defaults.reportFont;
    EXPECT_TRUE(read == expected) << diagramDiff(read, expected);
}

TEST(OrxRoundTrip, ThroughAFileAndTheOpenSteps) {
    const std::string folder = scratchFolder();
    const std::string path = folder + "/diagramme.orx";
    Diagram original = makeEveryFieldDiagram();
    ASSERT_TRUE(saveDiagram(original, path, "unused").ok);

    Diagram opened;
    const ReadResult r = openDiagramFile(path, factoryDiagramDefaults(), opened);
    ASSERT_TRUE(r.ok) << r.message.text;
    // Extents, data ranges and line counts are recomputed on opening.
    Diagram expected = original;
    finishOpenedDiagram(expected);
    expected.reportFont = factoryDiagramDefaults().reportFont;
    EXPECT_TRUE(opened == expected) << diagramDiff(opened, expected);
    fs::remove_all(folder);
}

TEST(OrxOpen, LargePointBlocksReadOnTwoThreadsComeOutWhole) {
    // More than 8 MiB of points: the blocks are read after the records, the
    // bytes split in two halves; the cut falls inside the second curve, and a
    // curve too small to be put off lies between two large ones.
    const std::string folder = scratchFolder();
    const std::string path = folder + "/grand.orx";
    Diagram original;
    resetDiagram(original, factoryDiagramDefaults());
    for (std::size_t count : {200'000u, 350'000u, 7u, 150'000u}) {
        Curve c;
        c.title = "n" + std::to_string(count);
        const auto points = c.points.assignUninitialised(count);
        for (std::size_t i = 0; i < count; ++i)
            points[i] = {double(i) + 0.25 * double(count), std::sin(double(i)) * double(count)};
        original.curves.push_back(std::move(c));
    }
    ASSERT_TRUE(saveDiagram(original, path, "unused").ok);
    Diagram opened;
    const ReadResult r = openDiagramFile(path, factoryDiagramDefaults(), opened);
    ASSERT_TRUE(r.ok) << r.message.text;
    ASSERT_EQ(opened.curveCount(), 4);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_TRUE(opened.curves[k].points == original.curves[k].points) << "curve " << k;
    fs::remove_all(folder);
}

TEST(OrxWrite, EmptyCurvesDisappearAndTheOthersKeepTheirOrder) {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    d.curves = {curveOf({{1, 1}}, "A"), curveOf({}, "vide"), curveOf({{2, 2}}, "B"), curveOf({}, "vide2"),
                curveOf({{3, 3}}, "C")};
    const Diagram read = readBack(writeDiagramBytes(d, "x"));
    ASSERT_EQ(read.curveCount(), 3);
    EXPECT_EQ(read.curves[0].title, "A");
    EXPECT_EQ(read.curves[1].title, "B");
    EXPECT_EQ(read.curves[2].title, "C");
    // The working diagram is compacted too.
    EXPECT_EQ(d.curveCount(), 3);
}

TEST(OrxWrite, EmptyModifiedDateIsFilledButEmptyTitleStays) {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    d.curves = {curveOf({{1, 1}})};
    d.curves[0].modified.clear();
    const Diagram read = readBack(writeDiagramBytes(d, "10/12/2026 (09:30)"));
    EXPECT_EQ(read.curves[0].modified, "10/12/2026 (09:30)");
    EXPECT_EQ(read.curves[0].title, "");
    EXPECT_EQ(d.curves[0].modified, "10/12/2026 (09:30)");  // kept in the working diagram
}

TEST(OrxWrite, FreeTagIsWrittenWithAZeroPosition) {
    // The hand-written file stores tag 2 as free with a zero position; the
    // memory holds another position for it: the bytes must still be zeros.
    const HandFile h = handFile(factoryDiagramDefaults());
    Diagram d = h.expected;
    d.tagOrder[1] = -1;
    d.tagPosition[1] = {123.0, 456.0};
    EXPECT_EQ(writeDiagramBytes(d, "x"), h.image.bytes());
    // A tag in use keeps its position.
    d.tagOrder[1] = 1;
    const Diagram read = readBack(writeDiagramBytes(d, "x"));
    EXPECT_EQ(read.tagPosition[1], (std::array<double, 2>{123.0, 456.0}));
}

// Symbol numbers above 23 come back by steps of 22 on writing and on reading.
TEST(OrxSymbolNumber, ReducedOnWriteAndOnRead) {
    struct Case {
        int number, expected;
    } cases[] = {{23, 23}, {24, 2}, {45, 23}, {46, 2}, {47, 3}, {1, 1}, {0, 0}};
    for (const Case& k : cases) {
        Diagram d;
        resetDiagram(d, factoryDiagramDefaults());
        d.curves = {curveOf({{1, 1}})};
        d.curves[0].symbol.number = k.number;
        const Diagram read = readBack(writeDiagramBytes(d, "x"));
        EXPECT_EQ(read.curves[0].symbol.number, k.expected) << k.number;
        EXPECT_EQ(d.curves[0].symbol.number, k.expected) << k.number;
    }
    // Reading a file that holds 47 (written by hand, so no writer reduced it).
    HandFile h = handFile(factoryDiagramDefaults());
    patchI32(h.image.bytes(), h.image.at("curve0.symbol") + 4, 47);
    EXPECT_EQ(readBack(h.image.bytes()).curves[0].symbol.number, 3);
}

TEST(OrxRead, NegativeGradientBecomesItsAbsoluteValuePlus100) {
    HandFile h = handFile(factoryDiagramDefaults());
    std::vector<std::uint8_t>& b = h.image.bytes();
    patchI32(b, h.image.at("backPaint") + 5 * 4, -3);
    patchI32(b, h.image.at("backPaint") + (17 + 5) * 4, -250);  // diagramPaint
    patchI32(b, h.image.at("label16.paint") + 5 * 4, -1);
    patchI32(b, h.image.at("label3.paint") + 5 * 4, 4);  // positive: unchanged
    patchI32(b, h.image.at("label4.paint") + 5 * 4, INT32_MIN);
    const Diagram read = readBack(b);
    EXPECT_EQ(read.backPaint[PaintStyle::Gradient], 103);
    EXPECT_EQ(read.diagramPaint[PaintStyle::Gradient], 350);
    EXPECT_EQ(read.labels[16].paint[PaintStyle::Gradient], 101);
    EXPECT_EQ(read.labels[3].paint[PaintStyle::Gradient], 4);
    // No overflow for the most negative value: limited to the largest int32.
    EXPECT_EQ(read.labels[4].paint[PaintStyle::Gradient], INT32_MAX);
    // Other values of the paint are not touched.
    EXPECT_EQ(read.backPaint[4], 104);
}

TEST(OrxRead, NegativeZOrderZeroesTheStoredPosition) {
    HandFile h = handFile(factoryDiagramDefaults());
    patchI32(h.image.bytes(), h.image.at("tag1"), -1);
    const Diagram read = readBack(h.image.bytes());
    EXPECT_EQ(read.tagOrder[0], -1);
    EXPECT_EQ(read.tagPosition[0], (std::array<double, 2>{0.0, 0.0}));
}

TEST(OrxOpen, HenryIndexBelowThreeBecomes13) {
    const std::string folder = scratchFolder();
    for (int stored : {2, 0, -5, 3, 20}) {
        HandFile h = handFile(factoryDiagramDefaults());
        patchI32(h.image.bytes(), h.image.at("henry"), stored);
        writeFileBytes(folder + "/h.orx", h.image.bytes());
        Diagram d;
        ASSERT_TRUE(openDiagramFile(folder + "/h.orx", factoryDiagramDefaults(), d).ok);
        EXPECT_EQ(d.henryExtentIndex, stored < 3 ? 13 : stored) << stored;
    }
    fs::remove_all(folder);
}

TEST(OrxOpen, RecomputesExtentsRangesAndLineCounts) {
    const std::string folder = scratchFolder();
    HandFile h = handFile(factoryDiagramDefaults());
    writeFileBytes(folder + "/e.orx", h.image.bytes());
    Diagram d;
    ASSERT_TRUE(openDiagramFile(folder + "/e.orx", factoryDiagramDefaults(), d).ok);
    // Points (1,10) (2,20) (3,30), by hand; main scales are linear.
    const Curve& c = d.curves[0];
    EXPECT_EQ(c.extent[0], (std::array<double, 2>{1.0, 3.0}));
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{10.0, 30.0}));
    EXPECT_EQ(d.dataRange[1], (std::array<double, 2>{10.0, 30.0}));
    // Slot 0 holds "Titre": one line; the empty legend block is emptied.
    EXPECT_EQ(d.labels[0].lineCount, 1);
    EXPECT_EQ(d.labels[LegendSlot].lineCount, 0);
    fs::remove_all(folder);
}

TEST(OrxRead, MorePointsThanTheCapacityKeepsTheNextCurveInStep) {
    // Curve 0 claims MaxPoints + 1 points, all present; curve 1 follows with 2.
    HandFile h = handFile(factoryDiagramDefaults());
    std::vector<std::uint8_t> b = h.image.bytes();
    patchI32(b, h.image.at("curveCount"), 2);
    const std::size_t curveStart = h.image.at("curve0.title");
    const std::size_t pointsAt = h.image.at("curve0.points");
    std::vector<std::uint8_t> curveHead(b.begin() + static_cast<std::ptrdiff_t>(curveStart),
                                        b.begin() + static_cast<std::ptrdiff_t>(pointsAt));
    b.resize(pointsAt);
    patchI32(b, h.image.at("curve0.pointCount"), MaxPoints + 1);
    const std::size_t big = static_cast<std::size_t>(MaxPoints) + 1;
    b.resize(pointsAt + big * 16);
    for (std::size_t k = 0; k < big; ++k) {
        const double xy[2] = {static_cast<double>(k), -static_cast<double>(k)};
        std::memcpy(b.data() + pointsAt + k * 16, xy, 16);
    }
    // The second curve: the same head with 2 points, then its points.
    const std::size_t second = b.size();
    b.insert(b.end(), curveHead.begin(), curveHead.end());
    patchI32(b, second + (h.image.at("curve0.pointCount") - curveStart), 2);
    ImageBuilder tail;
    tail.f64(7.5).f64(8.5).f64(9.5).f64(10.5);
    b.insert(b.end(), tail.bytes().begin(), tail.bytes().end());

    const Diagram read = readBack(b);
    ASSERT_EQ(read.curveCount(), 2);
    ASSERT_EQ(read.curves[0].pointCount(), MaxPoints);
    EXPECT_EQ(read.curves[0].points[MaxPoints - 1], (Point{MaxPoints - 1.0, -(MaxPoints - 1.0)}));
    ASSERT_EQ(read.curves[1].pointCount(), 2);
    EXPECT_EQ(read.curves[1].points[0], (Point{7.5, 8.5}));
    EXPECT_EQ(read.curves[1].points[1], (Point{9.5, 10.5}));
    EXPECT_EQ(read.curves[1].title, "Mesure");

    // A curve holding more than the capacity in memory is written with the
    // count of the records really written, so the file reads back.
    Diagram d = read;
    d.curves[0].points.resize(static_cast<std::size_t>(MaxPoints) + 3);
    const Diagram again = readBack(writeDiagramBytes(d, "x"));
    ASSERT_EQ(again.curveCount(), 2);
    EXPECT_EQ(again.curves[0].pointCount(), MaxPoints);
    EXPECT_EQ(again.curves[1].points[1], (Point{9.5, 10.5}));
}

TEST(OrxSave, NewFileGetsTheUsualPermissionsAndExistingKeepsItsOwn) {
    const std::string folder = scratchFolder();
    Diagram d = makeEveryFieldDiagram();
    const std::string fresh = folder + "/neuf.orx";
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(saveDiagram(d, fresh, "x").ok);
    EXPECT_EQ(fs::status(fresh).permissions(), fs::perms(0644));

    const std::string kept = folder + "/garde.orx";
    writeFileBytes(kept, std::vector<std::uint8_t>{1, 2, 3});
    ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
    ASSERT_TRUE(saveDiagram(d, kept, "x").ok);
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms(0640));
    EXPECT_EQ(readFileBytes(kept), writeDiagramBytes(d, "x"));
    ::umask(mask);
    // Only the two diagrams are left in the folder: no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 2);
    fs::remove_all(folder);
}

TEST(OrxSave, SavingThroughALinkReplacesTheLinkedFile) {
    const std::string folder = scratchFolder();
    writeFileBytes(folder + "/vrai.orx", std::vector<std::uint8_t>{9});
    fs::create_symlink(folder + "/vrai.orx", folder + "/lien.orx");
    Diagram d = makeEveryFieldDiagram();
    ASSERT_TRUE(saveDiagram(d, folder + "/lien.orx", "x").ok);
    EXPECT_TRUE(fs::is_symlink(folder + "/lien.orx"));
    EXPECT_EQ(readFileBytes(folder + "/vrai.orx"), writeDiagramBytes(d, "x"));
    fs::remove_all(folder);
}

TEST(OrxReadFile, OnlyTheCurrentMagicsAreAccepted) {
    const std::string folder = scratchFolder();
    const DiagramDefaults defaults = factoryDiagramDefaults();
    const std::string longMessage = std::string(base::messageText(base::MsgFormatConvertFirst));
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<std::uint8_t> legacy(400, ' ');
    std::memcpy(legacy.data(), "ASB_97\r\n", 8);
    const std::vector<std::uint8_t> whole = handFile(defaults).image.bytes();
    const Case refused[] = {{"older generation", legacy},
                            {"23 bytes", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 23)},
                            {"empty", {}}};
    for (const Case& k : refused) {
        writeFileBytes(folder + "/m.orx", k.bytes);
        Diagram d = makeEveryFieldDiagram();
        const Diagram before = d;
        const ReadResult r = readDiagramFile(folder + "/m.orx", defaults, d);
        EXPECT_FALSE(r.ok) << k.name;
        EXPECT_EQ(r.message.text, longMessage) << k.name;
        EXPECT_EQ(r.message.heading, base::Heading::Error);
        EXPECT_TRUE(d == before) << k.name;
    }
    const HandFile h = handFile(defaults, false);
    writeFileBytes(folder + "/m.orx", h.image.bytes());
    Diagram d;
    ASSERT_TRUE(readDiagramFile(folder + "/m.orx", defaults, d).ok);
    EXPECT_TRUE(d == h.expected) << diagramDiff(d, h.expected);
    fs::remove_all(folder);
}

TEST(OrxOpen, MissingFileOrFolderIsRefusedWithAMessage) {
    const std::string folder = scratchFolder();
    Diagram d = makeEveryFieldDiagram();
    const Diagram before = d;
    for (const std::string& path : {folder + "/absent.orx", folder}) {
        const ReadResult r = openDiagramFile(path, factoryDiagramDefaults(), d);
        EXPECT_FALSE(r.ok) << path;
        EXPECT_EQ(r.message.id, base::MsgFileOpenFailed) << path;
        EXPECT_NE(r.message.text.find(path), std::string::npos);
        EXPECT_TRUE(d == before);
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace ordinax::document::test
