// Preferences: factory values, key names and units of section "Preference",
// the other sections, and the tolerance to damaged values.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "document/diagram_defaults.h"
#include "settings/distinct_preferences.h"
#include "settings/preferences.h"
#include "settings/store_values.h"

namespace ordinax::settings {
namespace {

using testing::distinctPreferences;
using testing::writeAllSections;

constexpr const char* DefaultPaint = "0,0,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,10";

// The integer keys of section "Preference" and the member each one fills,
// written out by hand from the table of keys.
struct IntKey {
    const char* key;
    std::function<int(const Preferences&)> member;
};

std::vector<IntKey> integerKeys() {
    return {
        {"ScanFloppy", [](const Preferences& p) { return p.scanFloppy; }},
        {"ScanFixe", [](const Preferences& p) { return p.scanFixe; }},
        {"ScanCDROM", [](const Preferences& p) { return p.scanCdrom; }},
        {"ScanNetwork", [](const Preferences& p) { return p.scanNetwork; }},
        {"AutoSave", [](const Preferences& p) { return p.autoSave; }},
        {"TimeSave", [](const Preferences& p) { return p.timeSave; }},
        {"DiagramOrient", [](const Preferences& p) { return p.diagram.orientation[0]; }},
        {"ReportOrient", [](const Preferences& p) { return p.diagram.orientation[1]; }},
        {"CenterHor", [](const Preferences& p) { return p.diagram.centre[0]; }},
        {"CenterVer", [](const Preferences& p) { return p.diagram.centre[1]; }},
        {"DrawSpaceCx", [](const Preferences& p) { return p.diagram.drawSpace[0]; }},
        {"DrawSpaceCy", [](const Preferences& p) { return p.diagram.drawSpace[1]; }},
        {"HFPrint0", [](const Preferences& p) { return p.diagram.band[0].print; }},
        {"HFPrint1", [](const Preferences& p) { return p.diagram.band[1].print; }},
        {"HFColor0", [](const Preferences& p) { return p.diagram.band[0].colour; }},
        {"HFColor1", [](const Preferences& p) { return p.diagram.band[1].colour; }},
        {"HFSep0", [](const Preferences& p) { return p.diagram.band[0].separator; }},
        {"HFSep1", [](const Preferences& p) { return p.diagram.band[1].separator; }},
        {"LogoPrint0", [](const Preferences& p) { return p.diagram.logo.print[0]; }},
        {"LogoPrint1", [](const Preferences& p) { return p.diagram.logo.print[1]; }},
        {"LogoLocate", [](const Preferences& p) { return p.diagram.logo.location; }},
        {"LogoDimension", [](const Preferences& p) { return p.diagram.logo.dimension; }},
        {"LogoZoom", [](const Preferences& p) { return p.diagram.logo.zoom; }},
        {"MainScale0", [](const Preferences& p) { return p.diagram.mainSide[0]; }},
        {"MainScale1", [](const Preferences& p) { return p.diagram.mainSide[1]; }},
        {"bScale00", [](const Preferences& p) { return p.diagram.scale[0][0].active; }},
        {"bScale01", [](const Preferences& p) { return p.diagram.scale[0][1].active; }},
        {"bScale10", [](const Preferences& p) { return p.diagram.scale[1][0].active; }},
        {"bScale11", [](const Preferences& p) { return p.diagram.scale[1][1].active; }},
        {"MainGraduate00", [](const Preferences& p) { return p.diagram.scale[0][0].mainGraduate; }},
        {"MainGraduate01", [](const Preferences& p) { return p.diagram.scale[0][1].mainGraduate; }},
        {"MainGraduate10", [](const Preferences& p) { return p.diagram.scale[1][0].mainGraduate; }},
        {"MainGraduate11", [](const Preferences& p) { return p.diagram.scale[1][1].mainGraduate; }},
        {"MainGraduateLine00", [](const Preferences& p) { return p.diagram.scale[0][0].mainGraduateLine; }},
        {"MainGraduateLine01", [](const Preferences& p) { return p.diagram.scale[0][1].mainGraduateLine; }},
        {"MainGraduateLine10", [](const Preferences& p) { return p.diagram.scale[1][0].mainGraduateLine; }},
        {"MainGraduateLine11", [](const Preferences& p) { return p.diagram.scale[1][1].mainGraduateLine; }},
        {"SubGraduate00", [](const Preferences& p) { return p.diagram.scale[0][0].subGraduate; }},
        {"SubGraduate01", [](const Preferences& p) { return p.diagram.scale[0][1].subGraduate; }},
        {"SubGraduate10", [](const Preferences& p) { return p.diagram.scale[1][0].subGraduate; }},
        {"SubGraduate11", [](const Preferences& p) { return p.diagram.scale[1][1].subGraduate; }},
        {"SubGraduateLine00", [](const Preferences& p) { return p.diagram.scale[0][0].subGraduateLine; }},
        {"SubGraduateLine01", [](const Preferences& p) { return p.diagram.scale[0][1].subGraduateLine; }},
        {"SubGraduateLine10", [](const Preferences& p) { return p.diagram.scale[1][0].subGraduateLine; }},
        {"SubGraduateLine11", [](const Preferences& p) { return p.diagram.scale[1][1].subGraduateLine; }},
        {"GraduateBoth00", [](const Preferences& p) { return p.diagram.scale[0][0].graduateBoth; }},
        {"GraduateBoth01", [](const Preferences& p) { return p.diagram.scale[0][1].graduateBoth; }},
        {"GraduateBoth10", [](const Preferences& p) { return p.diagram.scale[1][0].graduateBoth; }},
        {"GraduateBoth11", [](const Preferences& p) { return p.diagram.scale[1][1].graduateBoth; }},
        {"bIdemContour", [](const Preferences& p) { return p.idemContour; }},
        {"DrawDashCx", [](const Preferences& p) { return p.diagram.dashLength[0]; }},
        {"DrawDashCy", [](const Preferences& p) { return p.diagram.dashLength[1]; }},
        {"ColorScale", [](const Preferences& p) { return p.diagram.scaleColour; }},
        {"TypeSymbol", [](const Preferences& p) { return p.symbol.type; }},
        {"NoSymbol", [](const Preferences& p) { return p.symbol.number; }},
        {"SpecialSymbol", [](const Preferences& p) { return p.symbol.option; }},
        {"CharSymbol", [](const Preferences& p) { return p.symbol.character; }},
        {"SizeSymbol", [](const Preferences& p) { return p.symbol.size; }},
        {"FillSymbol", [](const Preferences& p) { return p.symbol.fill; }},
        {"IntColorSymbol", [](const Preferences& p) { return p.symbol.innerColour; }},
        {"ExtColorSymbol", [](const Preferences& p) { return p.symbol.outerColour; }},
        {"OverSymbol", [](const Preferences& p) { return p.symbol.belowLine; }},
        {"ChangeSymbol", [](const Preferences& p) { return p.changeSymbol; }},
        {"TypeLine0", [](const Preferences& p) { return p.line.type[0]; }},
        {"TypeLine1", [](const Preferences& p) { return p.line.type[1]; }},
        {"WidthLine0", [](const Preferences& p) { return p.line.width[0]; }},
        {"WidthLine1", [](const Preferences& p) { return p.line.width[1]; }},
        {"ColorLine0", [](const Preferences& p) { return p.line.colour[0]; }},
        {"ColorLine1", [](const Preferences& p) { return p.line.colour[1]; }},
        {"TrueType", [](const Preferences& p) { return p.trueType; }},
        {"KeepMacro", [](const Preferences& p) { return p.keepMacro; }},
        {"ThinFrame", [](const Preferences& p) { return p.thinFrame; }},
        {"Angle", [](const Preferences& p) { return p.angle; }},
        {"HenryScale", [](const Preferences& p) { return p.diagram.henryExtentIndex; }},
        {"SimpleShadow", [](const Preferences& p) { return p.simpleShadow; }},
        {"ReportLanguage", [](const Preferences& p) { return p.reportLanguage; }},
    };
}

struct LengthKey {
    const char* key;
    std::function<double(const Preferences&)> member;
};

std::vector<LengthKey> lengthKeys() {
    return {
        {"DiagramLMargin", [](const Preferences& p) { return p.diagram.margins[0][0]; }},
        {"DiagramRMargin", [](const Preferences& p) { return p.diagram.margins[0][1]; }},
        {"DiagramTMargin", [](const Preferences& p) { return p.diagram.margins[0][2]; }},
        {"DiagramBMargin", [](const Preferences& p) { return p.diagram.margins[0][3]; }},
        {"DiagramHMargin", [](const Preferences& p) { return p.diagram.margins[0][4]; }},
        {"DiagramFMargin", [](const Preferences& p) { return p.diagram.margins[0][5]; }},
        {"ReportLMargin", [](const Preferences& p) { return p.diagram.margins[1][0]; }},
        {"ReportRMargin", [](const Preferences& p) { return p.diagram.margins[1][1]; }},
        {"ReportTMargin", [](const Preferences& p) { return p.diagram.margins[1][2]; }},
        {"ReportBMargin", [](const Preferences& p) { return p.diagram.margins[1][3]; }},
        {"ReportHMargin", [](const Preferences& p) { return p.diagram.margins[1][4]; }},
        {"ReportFMargin", [](const Preferences& p) { return p.diagram.margins[1][5]; }},
        {"DiagramWidth", [](const Preferences& p) { return p.diagram.size[0]; }},
        {"DiagramHeight", [](const Preferences& p) { return p.diagram.size[1]; }},
        {"LogoPosition0", [](const Preferences& p) { return p.diagram.logo.position[0]; }},
        {"LogoPosition1", [](const Preferences& p) { return p.diagram.logo.position[1]; }},
        {"LogoSize0", [](const Preferences& p) { return p.diagram.logo.logoSize[0]; }},
        {"LogoSize1", [](const Preferences& p) { return p.diagram.logo.logoSize[1]; }},
    };
}

// Text keys: fonts, paints, band texts, logo file and folders.
struct TextKey {
    const char* key;
    std::function<std::string(const Preferences&)> member;  // in the store's form (UTF-8)
};

std::vector<TextKey> textKeys() {
    auto font = [](auto pick) {
        return [pick](const Preferences& p) { return base::fontToText(pick(p)); };
    };
    auto paint = [](auto pick) {
        return [pick](const Preferences& p) { return paintStyleText(pick(p)); };
    };
    std::vector<TextKey> keys = {
        {"DrawingFont", font([](const Preferences& p) { return p.drawingFont; })},
        {"ReportFont", font([](const Preferences& p) { return p.diagram.reportFont; })},
        {"HFFont0", font([](const Preferences& p) { return p.diagram.band[0].font; })},
        {"HFFont1", font([](const Preferences& p) { return p.diagram.band[1].font; })},
        {"FontScale", font([](const Preferences& p) { return p.diagram.scaleFont; })},
        {"FontSymbol", font([](const Preferences& p) { return p.symbol.font; })},
        {"BackPaint", paint([](const Preferences& p) { return p.diagram.backPaint; })},
        {"DiagPaint", paint([](const Preferences& p) { return p.diagram.diagramPaint; })},
        {"LabelPaint0", paint([](const Preferences& p) { return p.diagram.labelPaint[0]; })},
        {"LabelPaint1", paint([](const Preferences& p) { return p.diagram.labelPaint[1]; })},
        {"HFText0", [](const Preferences& p) { return p.diagram.band[0].text; }},
        {"HFText1", [](const Preferences& p) { return p.diagram.band[1].text; }},
        {"LogoFile", [](const Preferences& p) { return p.diagram.logo.file; }},
    };
    const char* folders[] = {"FolderOrdinax", "FolderProcess", "FolderImport", "FolderExport", "FolderScanner",
                             "FolderPicture", "FolderSample",  "FolderTest",   "FolderModel"};
    for (int i = 0; i < 9; ++i)
        keys.push_back({folders[i], [i](const Preferences& p) { return p.folders[i]; }});
    return keys;
}

TEST(PreferenceKeys, TheTableHoldsEveryKeyOnce) {
    // 116 keys: 76 integers, 18 lengths, 6 fonts, 4 paints, 3 model texts, 9 folders.
    EXPECT_EQ(integerKeys().size(), 76u);
    EXPECT_EQ(lengthKeys().size(), 18u);
    EXPECT_EQ(textKeys().size(), 22u);
}

TEST(PreferenceKeys, WritingStoresEveryKeyUnderItsNameAndNothingElse) {
    const Preferences p = distinctPreferences();
    MemoryStore store;
    writePreferences(p, store);

    for (const auto& k : integerKeys()) EXPECT_EQ(store.readInt("Preference", k.key), k.member(p)) << k.key;
    // Lengths are hundredths of a centimetre: 10.07 cm is stored as 1007.
    for (const auto& k : lengthKeys())
        EXPECT_EQ(store.readInt("Preference", k.key), static_cast<int>(k.member(p) * 100.0 + 0.5)) << k.key;
    // Fonts and paints in their text forms; texts as UTF-8.
    for (const auto& k : textKeys()) {
        const auto stored = store.readString("Preference", k.key);
        ASSERT_TRUE(stored.has_value()) << k.key;
        if (std::string(k.key).rfind("Folder", 0) == 0)
            EXPECT_EQ(*stored, k.member(p)) << k.key;  // paths are UTF-8 already
        else
            EXPECT_EQ(*stored, base::windows1252ToUtf8(k.member(p))) << k.key;
    }
    EXPECT_EQ(store.size(), integerKeys().size() + lengthKeys().size() + textKeys().size());
}

TEST(PreferenceKeys, ReadingFillsEachMemberFromItsOwnKey) {
    // Distinct stored values, so that two swapped keys show.
    MemoryStore store;
    int value = 5000;
    for (const auto& k : integerKeys())
        store.writeInt("Preference", k.key, std::string(k.key) == "HenryScale" ? 4 : value++);
    for (const auto& k : lengthKeys()) store.writeInt("Preference", k.key, value++);

    const Preferences p = readPreferences(store);
    for (const auto& k : integerKeys()) EXPECT_EQ(k.member(p), *store.readInt("Preference", k.key)) << k.key;
    for (const auto& k : lengthKeys())
        EXPECT_DOUBLE_EQ(k.member(p), *store.readInt("Preference", k.key) / 100.0) << k.key;
}

TEST(PreferenceKeys, TextsOfTheModelAreWindows1252InMemoryAndUtf8InTheStore) {
    MemoryStore store;
    store.writeString("Preference", "HFText0", "Cr\xC3\xA9\xC3\xA9 le &D");  // "Créé le &D" in UTF-8
    store.writeString("Preference", "LogoFile", "/images/\xC3\xA9t\xC3\xA9.png");
    const Preferences p = readPreferences(store);
    EXPECT_EQ(p.diagram.band[0].text, "Cr\xE9\xE9 le &D");
    EXPECT_EQ(p.diagram.logo.file, "/images/\xE9t\xE9.png");
}

TEST(Preferences, EmptyStoreGivesTheFactoryValues) {
    const Preferences p = readPreferences(MemoryStore{});
    EXPECT_EQ(p, factoryPreferences());

    const auto& d = p.diagram;
    for (int page = 0; page < 2; ++page) {
        const double margins[6] = {2.5, 1.5, 2.5, 2.0, 1.5, 1.5};
        for (int m = 0; m < 6; ++m) EXPECT_DOUBLE_EQ(d.margins[page][m], margins[m]) << page << " " << m;
        EXPECT_EQ(d.orientation[page], 0);
    }
    EXPECT_DOUBLE_EQ(d.size[0], 17.0);
    EXPECT_DOUBLE_EQ(d.size[1], 18.0);
    EXPECT_EQ(d.band[0].text, "&S/&V - &N");
    EXPECT_EQ(d.band[1].text, "{Page &P/&Q}");
    EXPECT_EQ(base::fontToText(d.band[0].font), "-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    EXPECT_EQ(base::fontToText(d.reportFont), "-16,0,0,0,400,0,0,0,0,0,0,0,49,Courier New");
    EXPECT_EQ(base::fontToText(d.scaleFont), "-12,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    EXPECT_EQ(base::fontToText(p.drawingFont), "-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    EXPECT_EQ(base::fontToText(p.symbol.font), "-12,0,0,0,400,0,0,0,2,3,2,1,2,Wingdings");
    EXPECT_EQ(paintStyleText(d.backPaint), DefaultPaint);
    EXPECT_EQ(paintStyleText(d.labelPaint[1]), DefaultPaint);
    EXPECT_EQ(d.scale[0][0].active, 1);
    EXPECT_EQ(d.scale[0][1].active, 0);
    EXPECT_EQ(d.scale[1][0].active, 1);
    EXPECT_EQ(d.scale[1][1].active, 0);
    EXPECT_EQ(d.henryExtentIndex, 13);
    EXPECT_DOUBLE_EQ(d.logo.position[0], 2.5);
    EXPECT_DOUBLE_EQ(d.logo.position[1], 1.0);
    EXPECT_DOUBLE_EQ(d.logo.logoSize[0], 3.0);
    EXPECT_EQ(d.logo.location, 5);
    EXPECT_EQ(d.logo.zoom, 100);
    EXPECT_EQ(p.scanFixe, 1);
    EXPECT_EQ(p.timeSave, 30);
    EXPECT_EQ(p.symbol.character, 65);
    EXPECT_EQ(p.line.type[0], 1);
    EXPECT_EQ(p.line.type[1], 0);
    EXPECT_EQ(p.maxMru, 7);
    EXPECT_EQ(p.beep, 1);
    EXPECT_EQ(p.numPreviewPages, 2);
    for (const int colour : p.customColours) EXPECT_EQ(colour, 16777215);
}

TEST(Preferences, NewDiagramFromAnEmptyStore) {
    document::Diagram diagram;
    diagram.size = {1.0, 1.0};
    document::resetDiagram(diagram, readPreferences(MemoryStore{}).diagram);
    const double margins[6] = {2.5, 1.5, 2.5, 2.0, 1.5, 1.5};
    for (int m = 0; m < 6; ++m) EXPECT_DOUBLE_EQ(diagram.margins[0][m], margins[m]);
    EXPECT_DOUBLE_EQ(diagram.size[0], 17.0);
    EXPECT_DOUBLE_EQ(diagram.size[1], 18.0);
    EXPECT_EQ(diagram.band[0].text, "&S/&V - &N");
    EXPECT_EQ(diagram.band[1].text, "{Page &P/&Q}");
}

TEST(Preferences, DiagramWidthInHundredthsOfACentimetre) {
    MemoryStore store;
    store.writeInt("Preference", "DiagramWidth", 2100);
    const Preferences p = readPreferences(store);
    EXPECT_DOUBLE_EQ(p.diagram.size[0], 21.0);
    EXPECT_DOUBLE_EQ(p.diagram.size[1], 18.0);  // untouched key keeps its default
}

TEST(Preferences, EverySectionRoundTrips) {
    const Preferences original = distinctPreferences();
    ASSERT_NE(original, factoryPreferences());
    MemoryStore store;
    writeAllSections(original, store);
    EXPECT_EQ(readPreferences(store), original);
}

TEST(Preferences, OtherSectionsUseTheirOwnKeys) {
    MemoryStore store;
    store.writeInt("Options", "MaxMRU", 4);
    store.writeInt("Options", "Beep", 0);
    store.writeString("Memory", "File0", "/a.orx");
    store.writeString("Memory", "File8", "/i.orx");
    store.writeInt("CustomColor", "Color0", 255);
    store.writeInt("CustomColor", "Color15", 65280);
    store.writeInt("Display", "PointColor", 16711680);
    store.writeInt("Document", "numPreviewPages", 1);
    const Preferences p = readPreferences(store);
    EXPECT_EQ(p.maxMru, 4);
    EXPECT_EQ(p.beep, 0);
    EXPECT_EQ(p.recentFiles[0], "/a.orx");
    EXPECT_EQ(p.recentFiles[1], "");
    EXPECT_EQ(p.recentFiles[8], "/i.orx");
    EXPECT_EQ(p.customColours[0], 255);
    EXPECT_EQ(p.customColours[1], 16777215);
    EXPECT_EQ(p.customColours[15], 65280);
    EXPECT_EQ(p.pointColour, 16711680);
    EXPECT_EQ(p.numPreviewPages, 1);
}

TEST(Preferences, StartupInfoAndSingleValueWriters) {
    MemoryStore store;
    writeStartupInfo(store, "/opt/ordinax/bin");
    EXPECT_EQ(store.readString("Appli", "Install"), "/opt/ordinax/bin");
    EXPECT_EQ(store.readString("Appli", "Version"), "6.0");

    Preferences p = factoryPreferences();
    p.reportLanguage = 2;
    writeReportLanguage(p, store);
    EXPECT_EQ(store.readInt("Preference", "ReportLanguage"), 2);
    EXPECT_EQ(store.size(), 3u);  // nothing but that key
}

TEST(Preferences, HenryScaleOutsideTheTableTakesTheDefault) {
    // The index selects rows 3..13 of the probability table.
    const struct {
        int stored;
        int expected;
    } cases[] = {{3, 3}, {13, 13}, {8, 8}, {2, 13}, {-1, 13}, {14, 13}, {1000000, 13}};
    for (const auto& c : cases) {
        MemoryStore store;
        store.writeInt("Preference", "HenryScale", c.stored);
        EXPECT_EQ(readPreferences(store).diagram.henryExtentIndex, c.expected) << c.stored;
    }
}

TEST(Preferences, MalformedFontsAndPaintsKeepTheirDefaults) {
    const Preferences factory = factoryPreferences();
    const char* badPaints[] = {
        "",
        "garbage",
        "0,0,0,16777215",                                            // too few
        "1,1,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,10,7",     // 18 fields
        "1,1,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,x",        // not a number
        "1,1,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,",         // empty last field
        "1,1,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,10,",      // trailing comma
        "1,1,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,99999999999",  // beyond 32 bits
        "1;1;0;16777215;16777215;0;1;0;1;1;3;3;0;0;25;10;10",
    };
    for (const char* bad : badPaints) {
        MemoryStore store;
        store.writeString("Preference", "BackPaint", bad);
        store.writeString("Preference", "DiagPaint", "1,0,0,255,65280,0,0,0,2,2,4,4,1,8421504,50,5,5");
        const Preferences p = readPreferences(store);
        EXPECT_EQ(p.diagram.backPaint, factory.diagram.backPaint) << bad;
        // The well-formed neighbour is still read.
        EXPECT_EQ(paintStyleText(p.diagram.diagramPaint), "1,0,0,255,65280,0,0,0,2,2,4,4,1,8421504,50,5,5");
    }

    const char* badFonts[] = {"", "Arial", "-16,0,0,0,400", "-16,0,0,0,bold,0,0,0,0,0,0,0,48,Arial"};
    for (const char* bad : badFonts) {
        MemoryStore store;
        store.writeString("Preference", "ReportFont", bad);
        store.writeString("Preference", "FontSymbol", bad);
        store.writeString("Preference", "FontScale", "-20,0,0,0,700,1,0,0,0,0,0,0,18,Times New Roman");
        const Preferences p = readPreferences(store);
        EXPECT_EQ(p.diagram.reportFont, factory.diagram.reportFont) << bad;
        EXPECT_EQ(p.symbol.font, factory.symbol.font) << bad;
        EXPECT_EQ(p.diagram.scaleFont.height, -20);
        EXPECT_EQ(p.diagram.scaleFont.weight, 700);
        EXPECT_STREQ(p.diagram.scaleFont.faceName, "Times New Roman");
    }
}

TEST(StoreValues, PaintTextAcceptsBlanksAndSigns) {
    const auto paint = parsePaintStyle(" 1, -2 ,3,4,5,6,7,8,9,10,11,12,13,14,15,16, +17 ");
    ASSERT_TRUE(paint.has_value());
    for (int i = 0; i < 17; ++i) EXPECT_EQ((*paint)[i], i == 1 ? -2 : i + 1);
    EXPECT_EQ(paintStyleText(*paint), "1,-2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17");
}

TEST(StoreValues, LengthsRoundToTheNearestHundredth) {
    // Worked by hand: cm x 100, rounded half away from zero, limited to int.
    const struct {
        double cm;
        int stored;
    } cases[] = {{2.5, 250}, {21.0, 2100}, {0.126, 13}, {0.124, 12}, {-1.004, -100}, {-0.005, -1},
                 {0.0, 0},   {1e300, 2147483647}, {-1e300, -2147483647 - 1}, {std::nan(""), 0}};
    for (const auto& c : cases) EXPECT_EQ(lengthToStore(c.cm), c.stored) << c.cm;
    // Every stored value comes back unchanged through memory.
    for (const int stored : {0, 1, 7, 99, 150, 333, 1801, -250, 123456789})
        EXPECT_EQ(lengthToStore(lengthFromStore(stored)), stored) << stored;
}

}  // namespace
}  // namespace ordinax::settings
