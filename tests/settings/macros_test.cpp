// The presentation macros over in-memory diagrams: catalogue, attribute keys,
// the label scopes, the curve and symbol commands, and the whole-page ones.
#include <gtest/gtest.h>

#include <set>

#include "document/diagram_ops.h"
#include "settings/macro_uses.h"
#include "settings/preference_rules.h"
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include "settings/macros.h"

namespace ordinax::settings {
namespace {

using document::Curve;
using document::Diagram;
using document::PaintStyle;

Curve curveWithPoints(int count) {
    Curve c;
    c.points.resize(static_cast<std::size_t>(count));
    return c;
}

// Title (slot 0), Y label (slot 4), tag 1 (slot 7); three curves of 0, 2 and 3 points.
Diagram sampleDiagram() {
    Diagram d;
    d.labels[0].placement = 1;
    d.labels[0].text = "Titre";
    d.labels[4].placement = 4;
    d.labels[4].text = "Y";
    d.labels[7].placement = 2;
    d.labels[7].text = "Tag";
    d.tagOrder[0] = 0;
    d.curves = {curveWithPoints(0), curveWithPoints(2), curveWithPoints(3)};
    document::updateLabelLineCounts(d);
    return d;
}

MacroResult run(Diagram& d, int id, const MacroAttributes& a = {}) {
    MacroInputs inputs;
    inputs.attributes = a;
    return applyMacro(d, id, inputs);
}

TEST(MacroCatalogue, HeadingsAndCommands) {
    std::set<int> ids;
    for (const MacroEntry& e : macroCatalogue()) EXPECT_TRUE(ids.insert(e.id).second) << e.id;
    // 8 headings, 4+9+9+4+7+8+14+2 commands, counted from the table.
    EXPECT_EQ(ids.size(), 65u);
    EXPECT_EQ(macroCaption(10209), "Supprimer toutes les étiquettes du diagramme");
    EXPECT_EQ(macroCaption(10501), "Attribuer automatiquement la couleur de chaque courbe");
    EXPECT_TRUE(isMacroCommand(10702));
    EXPECT_FALSE(isMacroCommand(10600));
    EXPECT_FALSE(isMacroCommand(10615));
    Diagram d = sampleDiagram();
    const Diagram before = d;
    EXPECT_EQ(run(d, 10600).status, MacroStatus::Unknown);
    EXPECT_EQ(run(d, 99).status, MacroStatus::Unknown);
    EXPECT_EQ(d, before);
}

TEST(MacroAttributesStore, DefaultsRoundTripAndKeys) {
    MemoryStore store;
    store.writeInt(SectionMacro, "ShadowHard", 60);  // an existing value is kept at first start
    writeMacroDefaults(store);
    const SettingsStore& stored = store;
    // 1 text + 26 integers + 2 fonts, counted from the attribute table.
    EXPECT_EQ(store.size(), 29u);
    EXPECT_EQ(stored.readInt(SectionMacro, "ShadowHard", 0), 60);
    EXPECT_EQ(stored.readInt(SectionMacro, "SymbolColor2", 0), 16777215);
    EXPECT_EQ(stored.readInt(SectionMacro, "FirstSymbol", 0), 65);
    EXPECT_EQ(stored.readString(SectionMacro, "TextFont", ""), "-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");

    MacroAttributes a;
    a.fileName = "/tmp/modèle.orx";
    a.frameWidth = (4 << 16) | 2;
    a.textFont = base::fontFromTextOrDefault("-20,0,0,0,700,1,0,0,0,0,0,0,34,Times");
    writeMacroAttributes(store, a);
    EXPECT_EQ(readMacroAttributes(store), a);
    EXPECT_EQ(readMacroAttributes(MemoryStore{}), MacroAttributes{});
}

TEST(MacroAttributesStore, FrameWidthHalves) {
    // {stored, horizontal, vertical}: by hand from the 16-bit halves.
    struct Case { std::int32_t stored; std::int32_t h; std::int32_t v; };
    for (const Case c : {Case{1, 1, 1}, Case{3, 3, 3}, Case{(2 << 16) | 5, 5, 2}, Case{0x00010000, 0, 1}, Case{0, 0, 0}}) {
        const BorderWidths w = splitFrameWidth(c.stored);
        EXPECT_EQ(w.horizontal, c.h) << c.stored;
        EXPECT_EQ(w.vertical, c.v) << c.stored;
    }
}

TEST(MacroLabels, FillBorderShadowOnlyInScope) {
    MacroAttributes a;
    a.gradColor1 = 0x112233;
    a.gradColor2 = 0x445566;
    a.noGradation = 203;
    a.frameColor = 0x0000FF;
    a.frameWidth = 1;  // default: both widths 1
    a.shadowColor = 0x808080;
    a.shadowHard = 40;
    a.shadowDeep = 7;
    Diagram d = sampleDiagram();
    const Diagram before = d;
    ASSERT_EQ(run(d, 10101, a).status, MacroStatus::Done);
    ASSERT_EQ(run(d, 10102, a).status, MacroStatus::Done);
    ASSERT_EQ(run(d, 10103, a).status, MacroStatus::Done);
    const PaintStyle expected{{1, 0, 0, 0x112233, 0x445566, 203, 1, 0x0000FF, 1, 1, 3, 3, 1, 0x808080, 40, 7, 7}};
    EXPECT_EQ(d.labels[0].paint, expected);
    EXPECT_EQ(d.labels[4].paint, expected);
    for (int slot : {1, 2, 3, 5, 6, 7, 8}) EXPECT_EQ(d.labels[slot], before.labels[slot]) << slot;

    ASSERT_EQ(run(d, 10105, a).status, MacroStatus::Done);
    EXPECT_EQ(d.labels[0].paint[PaintStyle::Border], 0);
    EXPECT_EQ(d.labels[0].paint[PaintStyle::Fill], 1);
    ASSERT_EQ(run(d, 10104, a).status, MacroStatus::Done);
    ASSERT_EQ(run(d, 10106, a).status, MacroStatus::Done);
    EXPECT_EQ(d.labels[4].paint[PaintStyle::Fill], 0);
    EXPECT_EQ(d.labels[4].paint[PaintStyle::Shadow], 0);
    EXPECT_EQ(d.labels[4].paint[PaintStyle::ShadowHardness], 40);
}

TEST(MacroLabels, FrameTitlesWhenOnlyATagLeavesDiagramUnchanged) {
    Diagram d;
    d.labels[9].placement = 3;
    d.labels[9].text = "Seule";
    d.tagOrder[2] = 0;
    document::updateLabelLineCounts(d);
    const Diagram before = d;
    EXPECT_EQ(run(d, 10102).status, MacroStatus::Done);
    EXPECT_EQ(d, before);
}

TEST(MacroLabels, DeleteTagsKeepsTitlesAndDeleteLabelsKeepsTags) {
    Diagram d = sampleDiagram();
    const Diagram before = d;
    ASSERT_EQ(run(d, 10209).status, MacroStatus::Done);
    EXPECT_EQ(d.labels[0], before.labels[0]);
    EXPECT_EQ(d.labels[4], before.labels[4]);
    EXPECT_EQ(d.labels[7].placement, -1);
    EXPECT_EQ(d.labels[7].text, "");
    EXPECT_EQ(d.labels[7].lineCount, 0);

    Diagram e = sampleDiagram();
    ASSERT_EQ(run(e, 10109).status, MacroStatus::Done);
    EXPECT_EQ(e.labels[7], before.labels[7]);
    EXPECT_EQ(e.labels[0].placement, -1);
    EXPECT_EQ(e.labels[4].text, "");
}

// 10301 on curves titled "", "vitesse" and one with a legend already: the
// number for the untitled one, the title otherwise, TextFont's size (16 px =
// 12 pt = ¶S[24]) in front; the existing legend is kept.
TEST(MacroLegends, InsertAllLegendsWritesTheDefaultLegends) {
    Diagram d = sampleDiagram();
    d.curves[1].title = "vitesse";
    d.curves[2].legend = "gardée";
    MacroInputs inputs;
    inputs.legendOptions.caseChange = document::LegendCase::FirstUpper;
    ASSERT_EQ(applyMacro(d, 10301, inputs).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[0].legend, "\xB6" "S[24]Courbe n\xB0 1");
    EXPECT_EQ(d.curves[1].legend, "\xB6" "S[24]Vitesse");
    EXPECT_EQ(d.curves[2].legend, "gardée");
    EXPECT_EQ(d.labels[document::LegendSlot].placement, 0);
    EXPECT_GT(d.labels[document::LegendSlot].lineCount, 0);
}

// Texts rewritten by the font and colour commands; expected markup written by
// hand from the code rules (Arial -16 px = 12 pt = ¶S[24]; the default font's
// pitch-and-family 48 has no variable-pitch bit, so its pitch is 0).
TEST(MacroLabels, SameFontAndColourRewriteTheMarkupOfTheirScope) {
    const std::string arialCode = "\xB6" "F[fswiss;0;0;Arial]\xB6" "S[24]";
    struct Case {
        int id;
        std::size_t changedSlot;
        std::size_t keptSlot;
        std::string expected;
    };
    const Case cases[] = {
        {10107, 0, 7, arialCode + "\xB6" "RAB"},  // colours kept, font codes and toggles dropped
        {10207, 7, 0, arialCode + "\xB6" "RAB"},
        {10108, 0, 7, "\xB6" "Z[255,0,0]A\xB6" "bB\xB6" "b"},
        {10208, 7, 0, "\xB6" "Z[255,0,0]A\xB6" "bB\xB6" "b"},
    };
    for (const Case& c : cases) {
        Diagram d = sampleDiagram();
        const std::string styled = "\xB6" "F[froman;0;2;Times New Roman]\xB6" "S[20]\xB6" "RA\xB6" "bB\xB6" "b";
        d.labels[0].text = styled;
        d.labels[7].text = styled;
        MacroAttributes a;
        a.textColor = 0x0000FF;  // red
        ASSERT_EQ(run(d, c.id, a).status, MacroStatus::Done) << c.id;
        if (c.id % 100 == 8) {
            // The colour command keeps the font codes and drops only the colours.
            const std::string fonts = "\xB6" "F[froman;0;2;Times New Roman]\xB6" "S[20]";
            EXPECT_EQ(d.labels[c.changedSlot].text, "\xB6" "Z[255,0,0]" + fonts + "A\xB6" "bB\xB6" "b") << c.id;
        } else {
            EXPECT_EQ(d.labels[c.changedSlot].text, c.expected) << c.id;
        }
        EXPECT_EQ(d.labels[c.keptSlot].text, styled) << c.id;
        // The Y label (slot 4) is a "libellé": changed with the title, kept with the tags.
        const std::string y = c.id % 100 == 7 ? arialCode + "Y" : "\xB6" "Z[255,0,0]Y";
        EXPECT_EQ(d.labels[4].text, c.changedSlot == 0 ? y : "Y") << c.id;
    }
}

TEST(MacroLegends, SameFontAndColourForEveryLegend) {
    Diagram d = sampleDiagram();
    d.curves[0].legend = "\xB6" "S[16]\xB6" "GCourbe";
    MacroAttributes a;
    a.textColor = 0x00FF00;
    a.textFont.weight = 700;
    ASSERT_EQ(run(d, 10303, a).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[0].legend, "\xB6" "Z[0,255,0]\xB6" "S[16]Courbe");
    EXPECT_EQ(d.curves[1].legend, "");  // an empty legend stays empty
    ASSERT_EQ(run(d, 10302, a).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[0].legend, "\xB6" "F[fswiss;0;0;Arial]\xB6" "S[24]\xB6" "b\xB6" "Z[0,255,0]Courbe");
    EXPECT_EQ(d.curves[1].legend, "");
}

TEST(MacroLegends, DeleteAllLegends) {
    Diagram d = sampleDiagram();
    d.curves[1].legend = "B";
    d.labels[document::LegendSlot].placement = 5;
    document::updateLabelLineCounts(d);
    ASSERT_EQ(run(d, 10304).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[1].legend, "");
    EXPECT_EQ(d.labels[document::LegendSlot].placement, -1);
    EXPECT_EQ(d.labels[document::LegendSlot].lineCount, 0);
}

TEST(MacroSmoothing, TreatmentNeedsEnoughPoints) {
    // {id, treatments of the curves of 0, 2 and 3 points}, starting from 7, 7, 7.
    struct Case { int id; std::array<int, 3> treatment; };
    for (const Case c : {Case{10401, {7, 1, 1}}, Case{10402, {7, 7, 2}}, Case{10403, {7, 7, 3}},
                         Case{10404, {7, 4, 4}}, Case{10407, {0, 0, 0}}}) {
        Diagram d = sampleDiagram();
        for (Curve& k : d.curves) k.treatment = 7;
        ASSERT_EQ(run(d, c.id).status, MacroStatus::Done);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(d.curves[i].treatment, c.treatment[i]) << c.id << " curve " << i;
    }
}

TEST(MacroSmoothing, BoundsSetAndCleared) {
    Diagram d = sampleDiagram();
    MacroInputs in;
    in.bounds = {-1.0, 2.0, -3.0, 4.0};
    in.excludePoints = true;
    ASSERT_EQ(applyMacro(d, 10405, in).status, MacroStatus::Done);
    for (const Curve& c : d.curves) {
        EXPECT_EQ(c.bounds[0][0], -1.0);
        EXPECT_EQ(c.bounds[1][1], 4.0);
        EXPECT_EQ(c.excludePoints, 1);
    }
    ASSERT_EQ(run(d, 10406).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[2].bounds[0][0], -1.0e35);
    EXPECT_EQ(d.curves[2].bounds[1][1], 1.0e35);
}

TEST(MacroCurves, LineTypesCycleOverDrawnCurves) {
    Diagram d;
    d.curves.resize(8);
    // treatment 0 for curve 2: skipped, the others get 1,2,3,4,5,1,2.
    for (std::size_t i = 0; i < 8; ++i) d.curves[i].treatment = i == 2 ? 0 : 1;
    ASSERT_EQ(run(d, 10504).status, MacroStatus::Done);
    const std::array<int, 8> expected = {1, 2, 1, 3, 4, 5, 1, 2};  // curve 2 keeps its default type 1
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(d.curves[i].line.type[0], expected[i]) << i;
}

TEST(MacroCurves, SameValuesForEveryCurve) {
    MacroAttributes a;
    a.typeLine = 3;
    a.sizeLine = 4;
    a.lineColor = 0x00FF00;
    a.sizeSymbol = 20;
    a.symbolColor1 = 0x0000FF;
    a.symbolColor2 = 0x00FFFF;
    Diagram d = sampleDiagram();
    for (int id : {10502, 10505, 10506, 10508, 10603, 10605, 10607}) ASSERT_EQ(run(d, id, a).status, MacroStatus::Done);
    for (const Curve& c : d.curves) {
        EXPECT_EQ(c.line.type[0], 3);
        EXPECT_EQ(c.line.width[0], 4);
        EXPECT_EQ(c.line.colour[0], 0x00FF00);
        EXPECT_EQ(c.symbol.belowLine, 1);
        EXPECT_EQ(c.symbol.size, 20);
        EXPECT_EQ(c.symbol.outerColour, 0x0000FF);
        EXPECT_EQ(c.symbol.fill, 1);
        EXPECT_EQ(c.symbol.innerColour, 0x00FFFF);
    }
    ASSERT_EQ(run(d, 10609).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[0].symbol.innerColour, 0xFFFF00);  // 255-255, 255-0, 255-0 -> 00 BB=FF GG=FF RR=00
    ASSERT_EQ(run(d, 10608).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[1].symbol.innerColour, 0x0000FF);
    ASSERT_EQ(run(d, 10503).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[2].line.colour[0], 0x0000FF);
    ASSERT_EQ(run(d, 10611).status, MacroStatus::Done);
    ASSERT_EQ(run(d, 10612).status, MacroStatus::Done);
    ASSERT_EQ(run(d, 10613).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[0].symbol.fill, 0);
    EXPECT_EQ(d.curves[0].symbol.type, 0);
    EXPECT_EQ(d.curves[0].symbol.belowLine, 0);
}

TEST(MacroColours, ComplementAndAutomaticSequences) {
    // By hand: each byte replaced by 255 minus itself.
    EXPECT_EQ(complementColour(0), 0xFFFFFF);
    EXPECT_EQ(complementColour(0x123456), 0xEDCBA9);
    EXPECT_EQ(complementColour(static_cast<std::int32_t>(0xFF000000u)), 0xFFFFFF);
    // Distinct: first red, then blue, and the sequence repeats after 16.
    EXPECT_EQ(automaticColour(0, 3, true), 0x0000FF);
    EXPECT_EQ(automaticColour(1, 3, true), 0xFF0000);
    EXPECT_EQ(automaticColour(16, 20, true), 0x0000FF);
    // Ramp over 3 curves: hues 0, 150, 300 at value 200 -> (200,0,0), (0,200,100), (200,0,200).
    EXPECT_EQ(automaticColour(0, 3, false), 200);
    EXPECT_EQ(automaticColour(1, 3, false), (200 << 8) | (100 << 16));
    EXPECT_EQ(automaticColour(2, 3, false), 200 | (200 << 16));

    Diagram d = sampleDiagram();
    ASSERT_EQ(run(d, 10501).status, MacroStatus::Done);
    ASSERT_EQ(run(d, 10604).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[2].line.colour[0], 0x008000);
    EXPECT_EQ(d.curves[2].symbol.outerColour, 0x008000);
}

TEST(MacroSymbols, AutomaticAndSameSymbol) {
    MacroAttributes a;
    a.definedSymbol = 22;
    Diagram d = sampleDiagram();
    ASSERT_EQ(run(d, 10601, a).status, MacroStatus::Done);
    // 22, 23, then back to 2 (numbers run over 2..23).
    EXPECT_EQ(d.curves[0].symbol.number, 22);
    EXPECT_EQ(d.curves[1].symbol.number, 23);
    EXPECT_EQ(d.curves[2].symbol.number, 2);

    a.typeSymbol = 2;
    a.firstSymbol = 97;
    ASSERT_EQ(run(d, 10601, a).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[2].symbol.character, 99);
    EXPECT_EQ(d.curves[2].symbol.type, 2);
    EXPECT_EQ(d.curves[2].symbol.font, a.symbolFont);

    a.charSymbol = 70;
    a.fillSymbol = 1;
    ASSERT_EQ(run(d, 10602, a).status, MacroStatus::Done);
    EXPECT_EQ(d.curves[0].symbol.character, 70);
    EXPECT_EQ(d.curves[0].symbol.fill, 1);
    EXPECT_EQ(d.curves[0].symbol.number, 22);
}

TEST(MacroMisc, RemoveEmptyCurvesAndShowAll) {
    Diagram d = sampleDiagram();
    d.curves[1].hidden = 1;
    MacroResult r = run(d, 10702);
    EXPECT_TRUE(r.showAllCurves);
    EXPECT_EQ(d.curves[1].hidden, 0);
    ASSERT_EQ(run(d, 10701).status, MacroStatus::Done);
    ASSERT_EQ(d.curveCount(), 2);
    EXPECT_EQ(d.curves[0].pointCount(), 2);
}

TEST(MacroPresentation, InvertTwiceRestoresAndMonochrome) {
    Diagram d = sampleDiagram();
    d.backPaint[PaintStyle::FillColour1] = 0x102030;
    d.curves[0].line.colour[0] = 0x0000FF;
    const Diagram before = d;
    ASSERT_EQ(run(d, 10004).status, MacroStatus::Done);
    EXPECT_EQ(d.backPaint[PaintStyle::FillColour1], 0xEFDFCF);
    EXPECT_EQ(d.curves[0].line.colour[0], 0xFFFF00);
    ASSERT_EQ(run(d, 10004).status, MacroStatus::Done);
    // Texts in the base colour got a black colour code in front the first
    // time (white once inverted, black again now): they draw as before.
    EXPECT_EQ(d.labels[0].text, "\xB6" "Z[0,0,0]Titre");
    for (std::size_t slot : {0u, 4u, 7u}) d.labels[slot].text = before.labels[slot].text;
    EXPECT_EQ(d, before);

    d.labels[0].text = "\xB6" "Z[1,2,3]A\xB6" "RB";
    ASSERT_EQ(run(d, 10003).status, MacroStatus::Done);
    EXPECT_EQ(d.labels[0].text, "AB");
    EXPECT_EQ(d.backPaint[PaintStyle::FillColour1], 16777215);
    EXPECT_EQ(d.curves[0].line.colour[0], 0);
    EXPECT_EQ(d.curves[0].symbol.innerColour, 16777215);

    ASSERT_EQ(run(d, 10002).status, MacroStatus::Done);
    EXPECT_EQ(d.labels[0].paint[PaintStyle::Border], 0);
    EXPECT_EQ(d.diagramPaint[PaintStyle::Border], before.diagramPaint[PaintStyle::Border]);
    EXPECT_EQ(d.diagramPaint[PaintStyle::Shadow], 0);
}

TEST(MacroPresentation, CopyFromMissingFileIsRefused) {
    Diagram d = sampleDiagram();
    const Diagram before = d;
    MacroAttributes a;
    a.fileName = "/nonexistent/folder/model.orx";
    const MacroResult r = run(d, 10001, a);
    EXPECT_EQ(r.status, MacroStatus::Refused);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(d, before);
}

}  // namespace
}  // namespace ordinax::settings

namespace ordinax::settings {
namespace {

// The attribute panel follows the command: by hand from what each command reads.
TEST(MacroUses, EachCommandShowsTheAttributesItReads) {
    EXPECT_EQ(macroUses(10000), UsesNothing);  // a heading
    EXPECT_EQ(macroUses(10001), UsesFile);
    EXPECT_EQ(macroUses(10101), UsesFill);
    EXPECT_EQ(macroUses(10202), UsesFrame);
    EXPECT_EQ(macroUses(10103), UsesShadow);
    EXPECT_EQ(macroUses(10303), UsesTextColour);
    EXPECT_EQ(macroUses(10301) & UsesLegend, UsesLegend);
    EXPECT_EQ(macroUses(10405), UsesBounds);
    EXPECT_EQ(macroUses(10506), UsesLineSize);
    EXPECT_EQ(macroUses(10607), UsesSymbolColour2);
    EXPECT_EQ(macroUses(10702), UsesNothing);
    // Every command of the catalogue has an entry that names only known attributes.
    for (const MacroEntry& entry : macroCatalogue()) EXPECT_LT(macroUses(entry.id), 1u << 16) << entry.id;
}

}  // namespace
}  // namespace ordinax::settings

namespace ordinax::settings {
namespace {

TEST(PreferenceRules, MissingFoldersAreMadeAndSoftShadowsWarn) {
    const auto root = std::filesystem::temp_directory_path() / ("ordinax-prefs-" + std::to_string(::getpid()));
    std::array<std::string, FolderCount> folders;
    for (std::size_t i = 0; i < folders.size(); ++i) folders[i] = (root / ("d" + std::to_string(i)) / "x").string();
    EXPECT_TRUE(ensureWorkingFolders(folders).empty());
    for (const std::string& folder : folders) EXPECT_TRUE(std::filesystem::is_directory(folder));
    // A folder under a plain file cannot be made; an empty one is refused.
    { std::ofstream((root / "fichier").string()) << "x"; }
    folders[4] = (root / "fichier" / "sous").string();
    const base::Message refused = ensureWorkingFolders(folders);
    EXPECT_EQ(refused.heading, base::Heading::Error);
    EXPECT_NE(refused.text.find(folders[4]), std::string::npos);
    folders[4].clear();
    EXPECT_FALSE(ensureWorkingFolders(folders).empty());
    std::filesystem::remove_all(root);
    EXPECT_TRUE(warnsAboutSoftShadows(1, 0));
    EXPECT_FALSE(warnsAboutSoftShadows(0, 1));
    EXPECT_FALSE(warnsAboutSoftShadows(0, 0));
}

}  // namespace
}  // namespace ordinax::settings
