// The readers of the older diagram generations: recognition of the first
// word, the value mappings, each generation's example file in
// examples/legacy (written by make_legacy_examples.py there, so the expected
// values below are those typed into that script), and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "document/diagram_defaults.h"
#include "document/legacy_binary.h"
#include "document/legacy_format.h"
#include "document/legacy_mappings.h"
#include "document/legacy_text.h"
#include "document/orx_file.h"
#include "base/strings.h"
#include "orx_test_support.h"

namespace ordinax::document {
namespace {

namespace fs = std::filesystem;
using legacy::ValueFormat;
using namespace test;

const std::string Examples = std::string(ORDINAX_SOURCE_DIR) + "/examples/legacy/";

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> header24(std::string_view text) {
    std::vector<std::uint8_t> h(HeaderSize, 0);
    std::memcpy(h.data(), text.data(), std::min(text.size(), HeaderSize));
    return h;
}

std::vector<Point> pointsOf(const Curve& c) { return {c.points.view().begin(), c.points.view().end()}; }

Diagram openExample(const std::string& name, std::string& format) {
    Diagram d;
    const ReadResult r = openDiagramFile(Examples + name, factoryDiagramDefaults(), d);
    EXPECT_TRUE(r.ok) << name << ": " << r.message.text;
    format = r.format;
    return d;
}

TEST(LegacyRecognition, FirstWordIsCutAndComparedExactly) {
    struct Case {
        std::string_view header;
        int kind;
    };
    // Worked from the rule: carriage returns removed, cut at the first zero,
    // space and line feed unless at position 0, then an exact comparison.
    const Case cases[] = {
        {std::string_view("ASB_00\0\0\0", 9), 2},
        {"ASB_97\r\nxxxxxxxxxxxxxxx", 3},
        {"ASB_96 16 bits", 4},
        {"ASB_91 diagramme", 5},
        {"ASSEMBLAGE_91\r\nTD: x", 6},
        {"ASSEMBLAGE_89\n G\nBD\n", 7},
        {"ASB\r_91\n", 5},
        {" ASB_91", 0},
        {"\nASB_91", 0},
        {"asb_91", 0},
        {"ASB_911", 0},
        {"ASB_9", 0},
        {"ASB_02 ", 0},
        {"ASSEMBLAGE_90", 0},
        {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recogniseLegacyHeader(header24(c.header)), c.kind) << std::string(c.header);
    EXPECT_EQ(legacyFormatName(6), "ASSEMBLAGE_91");
    EXPECT_EQ(legacyFormatName(1), "");
}

TEST(LegacyMappings, PaletteLinesAndLegendCorners) {
    // The 16 colours of the old palette, (r, g, b) written as 0x00BBGGRR.
    EXPECT_EQ(legacy::paletteColour(0), 0x000000);
    EXPECT_EQ(legacy::paletteColour(1), 0xAA0000);   // blue (0, 0, 170)
    EXPECT_EQ(legacy::paletteColour(4), 0x0000AA);   // red (170, 0, 0)
    EXPECT_EQ(legacy::paletteColour(6), 0x0055AA);   // brown (170, 85, 0)
    EXPECT_EQ(legacy::paletteColour(14), 0x55FFFF);  // yellow (255, 255, 85)
    EXPECT_EQ(legacy::paletteColour(15), 0xFFFFFF);
    EXPECT_EQ(legacy::paletteColour(-1), 0);
    EXPECT_EQ(legacy::paletteColour(16), 0);

    const std::pair<const char*, int> letters[] = {{"T", 2}, {"Tirets", 2}, {"p", 3}, {"Mixte", 4},
                                                   {"C", 1}, {"", 1}};
    for (const auto& [value, kind] : letters) EXPECT_EQ(legacy::lineKindFromLetter(value), kind) << value;
    EXPECT_EQ(legacy::lineWidthFromCode(3), 3);
    EXPECT_EQ(legacy::lineWidthFromCode(0), 1);
    EXPECT_EQ(legacy::lineWidthFromCode(6), 1);
    EXPECT_EQ(legacy::lineKindFromCode(0), 0);
    EXPECT_EQ(legacy::lineKindFromCode(4), 4);
    EXPECT_EQ(legacy::lineKindFromCode(200), 1);

    const std::pair<const char*, int> corners[] = {{"HG", 1}, {"HD", 0}, {"BG", 2}, {"bd", 3}, {"H", -1}, {"", -1}};
    for (const auto& [value, code] : corners) EXPECT_EQ(legacy::legendCornerCode(value), code) << value;
    struct Position {
        int plx, ply, code;
    };
    const Position positions[] = {{1, 0, 1}, {2, 0, 0}, {1, 2, 2}, {2, 2, 3}, {0, 2, -1}, {3, 0, -1}};
    for (const Position& p : positions)
        EXPECT_EQ(legacy::legendFromPosition(p.plx, p.ply), p.code) << p.plx << "," << p.ply;
}

TEST(LegacyMappings, ValueFormatsAlignmentAndFonts) {
    struct Case {
        const char* letter;
        ValueFormat expected;
    };
    const Case letters[] = {{"L", {1, 0, true}},  {"I", {2, 0, true}}, {"D3", {3, 3, true}}, {"E2", {4, 2, true}},
                            {"E9", {4, 5, true}}, {"D", {3, 0, true}}, {"S", {1, 0, false}}, {"X", {1, 0, true}}};
    for (const Case& c : letters) {
        const ValueFormat f = legacy::valueFormatFromLetter(c.letter);
        EXPECT_EQ(f.format, c.expected.format) << c.letter;
        EXPECT_EQ(f.decimals, c.expected.decimals) << c.letter;
        EXPECT_EQ(f.shown, c.expected.shown) << c.letter;
    }
    EXPECT_EQ(legacy::valueFormatFromCode(4).format, 4);
    EXPECT_FALSE(legacy::valueFormatFromCode(5).shown);
    EXPECT_EQ(legacy::valueFormatFromCode(9).format, 1);

    EXPECT_EQ(legacy::alignedLabel("&c", "Titre"), "&cTitre");
    EXPECT_EQ(legacy::alignedLabel("&r", ""), "");

    // 16-bit record: height -16 (0xFFF0), width 7, escapement 900, orientation 0,
    // weight 700, then eight bytes and a 32-byte face name without terminator.
    std::uint8_t record[legacy::Font16Size] = {0xF0, 0xFF, 7, 0, 0x84, 0x03, 0, 0, 0xBC, 0x02,
                                               1,    0,    1, 0, 3,    2,    1, 34};
    std::memset(record + 18, 'A', 32);
    const base::LogFont f = legacy::widenFont16(record);
    EXPECT_EQ(f.height, -16);
    EXPECT_EQ(f.width, 7);
    EXPECT_EQ(f.escapement, 900);
    EXPECT_EQ(f.weight, 700);
    EXPECT_EQ(f.italic, 1);
    EXPECT_EQ(f.strikeOut, 1);
    EXPECT_EQ(f.pitchAndFamily, 34);
    EXPECT_EQ(std::string(f.faceName), std::string(31, 'A'));
}

TEST(LegacyNumbers, DecimalCommaAndRefusals) {
    double v = 0.0;
    EXPECT_TRUE(legacy::parseLegacyNumber(" 12,5 ", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(legacy::parseLegacyNumber("+1e3", v));
    EXPECT_DOUBLE_EQ(v, 1000.0);
    for (const char* bad : {"", "abc", "1.5x", "inf", "nan", "1 2"}) EXPECT_FALSE(legacy::parseLegacyNumber(bad, v)) << bad;

    Curve c;
    EXPECT_TRUE(legacy::readPointList("1 2\r\n\r\n3,5\t-4\n5 ; 6", c));
    EXPECT_EQ(pointsOf(c), (std::vector<Point>{{1, 2}, {3.5, -4}, {5, 6}}));
    EXPECT_FALSE(legacy::readPointList("1 2\n3\n", c));
    EXPECT_FALSE(legacy::readPointList("1 x\n", c));
}

TEST(LegacyExamples, Generation2) {
    std::string format;
    const Diagram d = openExample("gen2_asb00.orx", format);
    EXPECT_EQ(format, "ASB_00");
    EXPECT_DOUBLE_EQ(d.size[0], 16.0);
    EXPECT_DOUBLE_EQ(d.size[1], 12.5);
    EXPECT_EQ(d.margins[0], (std::array<double, 6>{2.0, 1.0, 2.5, 1.5, 1.5, 1.5}));
    const AxisScale& x = d.scales.axis[0][0];
    EXPECT_EQ(x.kind, 0);
    EXPECT_EQ(x.format, 3);
    EXPECT_EQ(x.decimals, 2);
    EXPECT_EQ(x.subdivisionIndex, 4);
    EXPECT_EQ(x.mainGraduate, 3);
    EXPECT_EQ(x.colour, 0xAA0000);
    EXPECT_DOUBLE_EQ(x.extremity, 10.0);
    EXPECT_DOUBLE_EQ(x.step, 2.0);
    EXPECT_EQ(x.font.height, -13);
    EXPECT_EQ(x.font.weight, 700);
    EXPECT_STREQ(x.font.faceName, "Arial");
    const AxisScale& y = d.scales.axis[1][0];
    EXPECT_EQ(y.kind, 1);
    EXPECT_EQ(y.orientation, -1);
    EXPECT_EQ(y.colour, 0x00AA00);
    EXPECT_DOUBLE_EQ(y.origin, 1.0);
    EXPECT_DOUBLE_EQ(y.extremity, 1000.0);
    EXPECT_EQ(y.font.italic, 1);
    EXPECT_STREQ(y.font.faceName, "Times New Roman");
    EXPECT_EQ(d.labels[2].text, "Temps (s)");
    EXPECT_EQ(d.labels[2].placement, 3);
    EXPECT_EQ(d.labels[4].text, "D\xE9" "bit");
    EXPECT_EQ(d.labels[4].placement, 6);
    EXPECT_EQ(d.labels[LegendSlot].placement, 3);
    EXPECT_EQ(d.labels[LegendSlot].lineCount, 2);

    ASSERT_EQ(d.curveCount(), 2);
    const Curve& a = d.curves[0];
    EXPECT_EQ(a.title, "Temp\xE9rature");
    EXPECT_EQ(a.legend, a.title);
    EXPECT_EQ(a.hidden, 0);
    EXPECT_EQ(a.symbol.number, 3);
    EXPECT_EQ(a.symbol.fill, 1);
    EXPECT_EQ(a.symbol.outerColour, 0x0000AA);
    EXPECT_EQ(a.line.type[0], 2);
    EXPECT_EQ(a.line.colour[0], 0x0000AA);
    EXPECT_EQ(pointsOf(a), (std::vector<Point>{{0, 1}, {1, 2.5}, {2, 4}}));
    const Curve& b = d.curves[1];
    EXPECT_EQ(b.title, "Pression");
    EXPECT_EQ(b.hidden, 1);
    EXPECT_EQ(b.symbol.number, 3);  // 25 brought back by 22
    EXPECT_EQ(b.symbol.fill, 0);
    EXPECT_EQ(b.line.colour[0], 0xFF5555);
    EXPECT_EQ(pointsOf(b), (std::vector<Point>{{0, 10}, {5, 100}}));  // count stored as -2
}

TEST(LegacyExamples, Generation3) {
    std::string format;
    const Diagram d = openExample("gen3_asb97.orx", format);
    EXPECT_EQ(format, "ASB_97");
    ASSERT_EQ(d.curveCount(), 1);
    const Curve& c = d.curves[0];
    EXPECT_EQ(c.title, "Essai 97");
    EXPECT_EQ(c.legend, "");
    EXPECT_EQ(c.symbol.number, 7);
    EXPECT_EQ(c.symbol.outerColour, 0x5555FF);
    EXPECT_EQ(c.line.type[0], 3);
    EXPECT_EQ(pointsOf(c), (std::vector<Point>{{1, 1}, {2, 4}, {3, 9}, {4, 16}}));
    EXPECT_EQ(d.scales.axis[0][0].format, 2);
    EXPECT_EQ(d.scales.axis[1][0].format, 4);
    EXPECT_EQ(d.scales.axis[1][0].decimals, 3);
    EXPECT_EQ(d.scales.axis[1][0].mainGraduate, 3);
    EXPECT_EQ(d.labels[2].text, "x");
    EXPECT_EQ(d.labels[4].placement, -1);
    EXPECT_EQ(d.labels[LegendSlot].placement, -1);
}

TEST(LegacyExamples, Generation4WidensIntegersAndFonts) {
    std::string format;
    const Diagram d = openExample("gen4_asb96.orx", format);
    EXPECT_EQ(format, "ASB_96");
    const AxisScale& x = d.scales.axis[0][0];
    EXPECT_EQ(x.font.height, -16);
    EXPECT_EQ(x.font.weight, 700);
    EXPECT_EQ(x.font.italic, 1);
    EXPECT_EQ(x.font.pitchAndFamily, 34);
    EXPECT_STREQ(x.font.faceName, "Courier New");
    EXPECT_EQ(x.colour, 0x555555);
    EXPECT_EQ(x.subdivisionIndex, 3);
    EXPECT_DOUBLE_EQ(x.origin, -1.0);
    EXPECT_DOUBLE_EQ(x.step, 0.5);
    const AxisScale& y = d.scales.axis[1][0];
    EXPECT_EQ(y.format, 5);
    EXPECT_EQ(y.decimals, 1);
    EXPECT_EQ(y.colour, 0xFFFFFF);
    EXPECT_EQ(y.font.height, -10);
    EXPECT_DOUBLE_EQ(y.step, 0.25);
    EXPECT_EQ(d.labels[4].text, "Ordonn\xE9" "e");
    EXPECT_EQ(d.labels[LegendSlot].placement, 1);
    ASSERT_EQ(d.curveCount(), 2);
    EXPECT_EQ(d.curves[0].title, "S\xE9rie A");
    EXPECT_EQ(d.curves[0].symbol.number, 5);
    EXPECT_EQ(d.curves[0].symbol.fill, 1);
    EXPECT_EQ(d.curves[0].line.type[0], 4);
    EXPECT_EQ(d.curves[0].line.colour[0], 0x55FFFF);
    EXPECT_EQ(pointsOf(d.curves[0]), (std::vector<Point>{{-1, 0.5}, {1, -0.5}}));
    EXPECT_EQ(d.curves[1].symbol.number, 2);  // 0 keeps the default symbol
    EXPECT_EQ(d.curves[1].line.type[0], 0);
    EXPECT_EQ(pointsOf(d.curves[1]), (std::vector<Point>{{0, 0}, {0.5, 0.25}, {1, 1}}));
}

TEST(LegacyExamples, Generation5KeysAndPointFiles) {
    std::string format;
    const Diagram d = openExample("gen5_asb91.dia", format);
    EXPECT_EQ(format, "ASB_91");
    EXPECT_EQ(d.labels[1].text, "&cEssai de traction");
    EXPECT_EQ(d.labels[1].placement, 3);
    EXPECT_EQ(d.labels[2].text, "&cAllongement (mm)");
    EXPECT_EQ(d.labels[4].text, "&rEffort");
    EXPECT_EQ(d.labels[4].placement, 4);
    const AxisScale& x = d.scales.axis[0][0];
    const AxisScale& y = d.scales.axis[1][0];
    EXPECT_EQ(x.kind, 0);
    EXPECT_EQ(y.kind, 1);
    EXPECT_EQ(x.format, 3);
    EXPECT_EQ(x.decimals, 2);
    EXPECT_EQ(x.orientation, 0);
    EXPECT_EQ(y.orientation, -1);
    EXPECT_DOUBLE_EQ(x.extremity, 12.5);  // written "12,5"
    EXPECT_DOUBLE_EQ(x.step, 2.5);
    EXPECT_DOUBLE_EQ(y.origin, 1.0);
    EXPECT_DOUBLE_EQ(y.step, 10.0);
    EXPECT_EQ(x.subdivisionIndex, 4);
    EXPECT_EQ(y.subdivisionIndex, 1);
    EXPECT_EQ(x.mainGraduate, 3);
    EXPECT_EQ(y.mainGraduate, factoryDiagramDefaults().scale[1][0].mainGraduate);
    EXPECT_EQ(d.labels[LegendSlot].placement, 3);  // PLX 2, PLY 2: bottom right

    ASSERT_EQ(d.curveCount(), 2);
    const Curve& a = d.curves[0];
    EXPECT_EQ(a.title, "Eprouvette 1");
    EXPECT_EQ(a.legend, "Ep. 1");
    EXPECT_EQ(a.symbol.number, 4);
    EXPECT_EQ(a.symbol.outerColour, 0x5555FF);
    EXPECT_EQ(a.symbol.fill, 1);
    EXPECT_EQ(a.line.colour[0], 0xAA0000);
    EXPECT_EQ(a.line.width[0], 2);
    EXPECT_EQ(a.line.type[0], 2);
    EXPECT_DOUBLE_EQ(a.bounds[0][0], 0.5);
    EXPECT_DOUBLE_EQ(a.bounds[0][1], 10.0);
    EXPECT_EQ(pointsOf(a), (std::vector<Point>{{0, 1}, {2.5, 10}, {5, 100}, {7.5, 1000}}));
    const Curve& b = d.curves[1];
    EXPECT_EQ(b.title, "Eprouvette 2");
    EXPECT_EQ(b.line.type[0], 0);
    EXPECT_EQ(b.symbol.number, 2);
    EXPECT_EQ(pointsOf(b), (std::vector<Point>{{0, 2}, {10, 20}}));
}

TEST(LegacyExamples, Generation6ConvertsTheDosCodePage) {
    std::string format;
    const Diagram d = openExample("gen6_assemblage91.dia", format);
    EXPECT_EQ(format, "ASSEMBLAGE_91");
    // "é" is 0x82 in CP850 and 0xE9 in Windows-1252, "°" 0xF8 and 0xB0.
    EXPECT_EQ(d.labels[1].text, "&cD\xE9" "bit mesur\xE9");
    EXPECT_EQ(d.labels[4].text, "&rD\xE9" "bit");
    ASSERT_EQ(d.curveCount(), 1);
    EXPECT_EQ(d.curves[0].title, "Pompe n\xB0" "1");
    EXPECT_EQ(d.curves[0].line.type[0], 4);
    EXPECT_EQ(d.curves[0].symbol.outerColour, 0x00AA00);
    EXPECT_EQ(pointsOf(d.curves[0]), (std::vector<Point>{{-5, 0}, {0, 3.5}, {5, 7}}));
    EXPECT_DOUBLE_EQ(d.scales.axis[0][0].origin, -5.0);
    // PLX 1 asked for a legend, but no curve has one: the slot is freed.
    EXPECT_EQ(d.labels[LegendSlot].placement, -1);
}

TEST(LegacyExamples, Generation7FixedOrder) {
    std::string format;
    const Diagram d = openExample("gen7_assemblage89.dia", format);
    EXPECT_EQ(format, "ASSEMBLAGE_89");
    const AxisScale& x = d.scales.axis[0][0];
    const AxisScale& y = d.scales.axis[1][0];
    EXPECT_EQ(x.mainGraduate, factoryDiagramDefaults().scale[0][0].mainGraduate);
    EXPECT_EQ(y.mainGraduate, 3);
    EXPECT_EQ(x.kind, 1);
    EXPECT_EQ(x.format, 4);
    EXPECT_EQ(x.decimals, 2);
    EXPECT_EQ(y.kind, 0);
    EXPECT_EQ(y.format, 3);
    EXPECT_EQ(y.decimals, 1);
    EXPECT_EQ(d.labels[2].text, "&cFr\xE9quence (Hz)");
    EXPECT_EQ(d.labels[4].text, "&rGain (dB)");
    EXPECT_DOUBLE_EQ(x.origin, 10.0);
    EXPECT_DOUBLE_EQ(x.extremity, 10000.0);
    EXPECT_DOUBLE_EQ(y.origin, -40.0);
    EXPECT_DOUBLE_EQ(y.extremity, 0.0);
    EXPECT_DOUBLE_EQ(y.step, 10.0);
    EXPECT_EQ(d.labels[LegendSlot].placement, 3);
    ASSERT_EQ(d.curveCount(), 2);
    EXPECT_EQ(d.curves[0].title, "G7A");
    EXPECT_EQ(d.curves[0].legend, "G7A");
    EXPECT_EQ(pointsOf(d.curves[0]), (std::vector<Point>{{10, -1}, {100, -3}, {1000, -20}, {10000, -40}}));
    EXPECT_EQ(pointsOf(d.curves[1]), (std::vector<Point>{{10, 0}, {10000, -35}}));
}

// Reads bytes as a legacy file from a scratch folder holding `companions`.
ReadResult readInFolder(const std::vector<std::uint8_t>& bytes,
                        const std::vector<std::pair<std::string, std::string>>& companions, Diagram& d) {
    const std::string folder = scratchFolder();
    for (const auto& [name, text] : companions) writeFileBytes(folder + "/" + name, bytesOf(text));
    writeFileBytes(folder + "/d.dia", bytes);
    const ReadResult r = openDiagramFile(folder + "/d.dia", factoryDiagramDefaults(), d);
    fs::remove_all(folder);
    return r;
}

TEST(LegacyDamage, EveryCutOfTheBinaryExamplesIsRefused) {
    const std::string message(base::messageText(base::MsgFormatIncompatible));
    for (const char* name : {"gen2_asb00.orx", "gen3_asb97.orx", "gen4_asb96.orx"}) {
        const std::vector<std::uint8_t> whole = readFileBytes(Examples + name);
        ASSERT_FALSE(whole.empty()) << name;
        // Inside the header, the records, the diagram block and the points.
        const std::size_t cuts[] = {10, 17, 19, 60, 600, whole.size() / 2, whole.size() - 40, whole.size() - 1};
        for (std::size_t cut : cuts) {
            Diagram d = makeEveryFieldDiagram();
            const Diagram before = d;
            const ReadResult r = readInFolder({whole.begin(), whole.begin() + static_cast<long>(cut)}, {}, d);
            EXPECT_FALSE(r.ok) << name << " cut at " << cut;
            EXPECT_EQ(r.message.text, message) << name << " cut at " << cut;
            EXPECT_TRUE(d == before) << name;
        }
    }
}

TEST(LegacyDamage, BadMarkersCountsAndPointCounts) {
    const std::vector<std::uint8_t> gen2 = readFileBytes(Examples + "gen2_asb00.orx");
    const std::vector<std::uint8_t> gen4 = readFileBytes(Examples + "gen4_asb96.orx");
    ASSERT_FALSE(gen2.empty());
    ASSERT_FALSE(gen4.empty());
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    auto patched = [](std::vector<std::uint8_t> b, std::size_t at, std::vector<std::uint8_t> with) {
        std::copy(with.begin(), with.end(), b.begin() + static_cast<long>(at));
        return b;
    };
    // Offsets from the layout: header 18 bytes, marker of slot 0 at 18, its
    // record at 20 (count at 28) and slot 1's marker at 68; in the kind 4
    // example slot 0 is absent, so slot 1's record starts at 22 (count at 26).
    cases.push_back({"marker 2", patched(gen2, 68, {2, 0})});
    cases.push_back({"declared count 3", patched(gen2, 16, {3, 0})});
    cases.push_back({"absent record declared", patched(gen2, 18, {0, 0})});
    cases.push_back({"count beyond the file", patched(gen2, 28, {0x00, 0x00, 0x01, 0x00})});
    cases.push_back({"most negative count", patched(gen2, 28, {0x00, 0x00, 0x00, 0x80})});
    cases.push_back({"16-bit count beyond the file", patched(gen4, 26, {0xFF, 0x7F})});
    for (const Case& c : cases) {
        Diagram d;
        EXPECT_FALSE(readInFolder(c.bytes, {}, d).ok) << c.name;
    }
    // Bytes after the last point other than a transfer's padding refuse the
    // file: its values would be read out of step (legacy_length_test.cpp).
    std::vector<std::uint8_t> longer = gen2;
    longer.resize(longer.size() + 7, 0xEE);
    Diagram d;
    EXPECT_FALSE(readInFolder(longer, {}, d).ok);
}

TEST(LegacyDamage, TextFilesRefused) {
    const std::string pad(30, ' ');
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::pair<std::string, std::string>> companions;
    };
    const Case cases[] = {
        {"no .END", "ASB_91\nTD: x\n" + pad, {}},
        {"bad number", "ASB_91\nEX: douze\n.END\n" + pad, {}},
        {"missing point file", "ASB_91\n.END\nNF: ABSENT\n.\n" + pad, {}},
        {"name outside the folder", "ASB_91\n.END\nNF: ../P\n.\n" + pad, {{"P.LIS", "1 2\n"}}},
        {"bad point line", "ASSEMBLAGE_91\n.END\nNF: P\n.\n" + pad, {{"P.LIS", "1 2\n3\n"}}},
        {"bad curve number", "ASSEMBLAGE_91\n.END\nNF: P\nSP: x\n.\n" + pad, {{"P.LIS", "1 2\n"}}},
        {"kind 7 too short", "ASSEMBLAGE_89\nGG\nHG\nLOG\nL\nX\n\nL\nY\n1\n2\n3\n4\n5\n", {}},
        {"kind 7 bad number", "ASSEMBLAGE_89\nGG\nHG\nLOG\nL\nX\n\nL\nY\n1\n2\n3\n4\n5\nsix\n", {}},
    };
    for (const Case& c : cases) {
        Diagram d;
        const ReadResult r = readInFolder(bytesOf(c.text), c.companions, d);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(r.message.id, base::MsgFormatIncompatible) << c.name;
    }
    // The point file is found in lower case too, and an unterminated last
    // section still gives its curve.
    Diagram d;
    ASSERT_TRUE(readInFolder(bytesOf("ASB_91\n.END\nNF: P\nEF: T\n" + pad), {{"P.lis", "1 2\n3 4\n"}}, d).ok);
    ASSERT_EQ(d.curveCount(), 1);
    EXPECT_EQ(d.curves[0].title, "T");
    EXPECT_EQ(d.curves[0].pointCount(), 2);
}

TEST(LegacyLimits, CurvesBeyondTheCapacityAreLeftOut) {
    // A kind 3 image built by hand from the layout: 101 present records of one
    // point each, the diagram block left at zero, point i at (i, -i).
    constexpr int Present = MaxCurves + 1;
    std::vector<std::uint8_t> b(16, 0);
    std::memcpy(b.data(), "ASB_97", 6);
    auto put = [&b](const void* p, std::size_t n) {
        const auto* q = static_cast<const std::uint8_t*>(p);
        b.insert(b.end(), q, q + n);
    };
    const std::int16_t count = Present;
    put(&count, 2);
    for (int i = 0; i < legacy::BinaryRecordCount; ++i) {
        const std::int16_t marker = i < Present ? 1 : 0;
        put(&marker, 2);
        if (!marker) continue;
        std::uint8_t record[legacy::WideRecordSize] = {};
        record[8] = 1;  // point count
        record[12] = 1;  // solid line
        record[14] = 'C';
        put(record, sizeof record);
    }
    b.resize(b.size() + legacy::WideDiagramBlockSize, 0);
    for (int i = 0; i < Present; ++i) {
        const Point p{double(i), -double(i)};
        put(&p, sizeof p);
    }
    Diagram d;
    ASSERT_TRUE(readInFolder(b, {}, d).ok);
    ASSERT_EQ(d.curveCount(), MaxCurves);
    EXPECT_EQ(pointsOf(d.curves.back()), (std::vector<Point>{{99, -99}}));
}

TEST(LegacyLimits, Kind7LabelLengthAndUnknownCorner) {
    const std::string label(60, 'L');
    Diagram d;
    const std::string text = "ASSEMBLAGE_89\nGG\nXX\nO\nI\n" + label + "\n1\nS\n\n1\n2\n3\n4\n5\n6\nP\n";
    ASSERT_TRUE(readInFolder(bytesOf(text), {{"P.LIS", "1 2\n"}}, d).ok);
    EXPECT_EQ(d.labels[2].text, "&c" + std::string(51, 'L'));
    EXPECT_EQ(d.labels[4].placement, -1);  // empty Y label stays empty
    EXPECT_EQ(d.scales.axis[0][0].kind, 1);
    EXPECT_EQ(d.scales.axis[0][0].format, 2);
    EXPECT_EQ(d.scales.axis[1][0].kind, 1);
    EXPECT_EQ(d.scales.axis[1][0].orientation, -1);
    EXPECT_EQ(d.scales.axis[0][0].mainGraduate, 3);
    EXPECT_EQ(d.scales.axis[1][0].mainGraduate, 3);
    EXPECT_EQ(d.labels[LegendSlot].placement, -1);
    ASSERT_EQ(d.curveCount(), 1);
    EXPECT_EQ(d.curves[0].legend, "");
}

TEST(LegacyRead, ModelReaderRefusesOlderGenerations) {
    Diagram d;
    const ReadResult r = readDiagramFile(Examples + "gen2_asb00.orx", factoryDiagramDefaults(), d);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.id, base::MsgFormatConvertFirst);
}

}  // namespace
}  // namespace ordinax::document
