// Rules of the presentation dialogs: the grid choices of a direction, the
// lists and buttons of the scale dialog, the gradient value of the fill
// dialog, the sizes of the border and shadow dialogs and chosen fonts.
// Expected values worked by hand from the field tables of the scales and of
// PaintStyle.
#include <gtest/gtest.h>

#include <cstring>

#include "render/device_scale.h"
#include "render/font_choice.h"
#include "render/grid_rules.h"
#include "render/page_setup_rules.h"
#include "render/paint_rules.h"
#include "render/plot_mapping.h"
#include "render/scale_dialog_rules.h"

namespace ordinax::render {
namespace {

using document::AxisScale;
using document::Diagram;
using document::PaintStyle;

AxisScale& scale(Diagram& d, int direction, int side) {
    return d.scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
}

TEST(GridRules, TickBoxesAndGridMakeTheGraduationMode) {
    struct Case {
        bool inner, outer, grid;
        int mode;
    };
    const Case cases[] = {
        {true, false, false, 0},   {false, true, false, 1}, {true, true, false, 2},
        {false, false, false, -1}, {true, true, true, 3},   {false, false, true, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(graduationMode(c.inner, c.outer, c.grid), c.mode) << c.inner << c.outer << c.grid;
        Diagram d;
        scale(d, 1, 0).active = 1;
        GridChoice choice;
        choice.innerTicks = c.inner;
        choice.outerTicks = c.outer;
        choice.mainGrid = c.grid;
        applyGridChoice(d, 1, choice);
        EXPECT_EQ(scale(d, 1, 0).mainGraduate, c.mode);
        // Read back, the boxes say the same (a grid reads without ticks).
        const GridChoice read = readGridChoice(d, 1);
        EXPECT_EQ(read.mainGrid, c.grid);
        if (!c.grid) {
            EXPECT_EQ(read.innerTicks, c.inner);
            EXPECT_EQ(read.outerTicks, c.outer);
        }
    }
}

TEST(GridRules, TheMainScaleOfTheDirectionIsEdited) {
    Diagram d;
    // Only the upper X scale is active: it is the main one whatever is stored.
    scale(d, 0, 0).active = 0;
    scale(d, 0, 1).active = 1;
    d.scales.mainSide[0] = 0;
    EXPECT_EQ(mainSideOf(d.scales, 0), 1);
    GridChoice choice;
    choice.mainGrid = true;
    choice.mainGridStyle = 2;
    choice.dashLength = 8;
    applyGridChoice(d, 0, choice);
    EXPECT_EQ(scale(d, 0, 1).mainGraduate, 3);
    EXPECT_EQ(scale(d, 0, 1).mainGraduateLine, 2);
    EXPECT_EQ(scale(d, 0, 0).mainGraduate, -1);  // untouched
    EXPECT_EQ(d.dashLength[0], 8);
    // Both active: the stored main side; neither: side 0.
    scale(d, 0, 0).active = 1;
    d.scales.mainSide[0] = 1;
    EXPECT_EQ(mainSideOf(d.scales, 0), 1);
    scale(d, 0, 0).active = 0;
    scale(d, 0, 1).active = 0;
    EXPECT_EQ(mainSideOf(d.scales, 0), 0);
}

TEST(GridRules, SecondaryGridAndBothSidesAreOfferedOnlyWhereTheyApply) {
    Diagram d;
    scale(d, 0, 0).active = 1;
    GridChoice choice;
    choice.mainGrid = true;
    choice.subGrid = true;
    // LIN without sub-divisions: no secondary grid, stored off even when asked.
    EXPECT_FALSE(gridOffers(d, 0, choice).subGrid);
    applyGridChoice(d, 0, choice);
    EXPECT_EQ(scale(d, 0, 0).subGraduate, 0);
    scale(d, 0, 0).subdivisionIndex = 4;
    EXPECT_TRUE(gridOffers(d, 0, choice).subGrid);
    EXPECT_TRUE(gridOffers(d, 0, choice).subGridStyle);
    applyGridChoice(d, 0, choice);
    EXPECT_EQ(scale(d, 0, 0).subGraduate, 1);
    // A LOG scale always has its decades divided.
    scale(d, 0, 0).subdivisionIndex = 0;
    scale(d, 0, 0).kind = ScaleLog;
    EXPECT_TRUE(gridOffers(d, 0, choice).subGrid);
    // Without the main grid, neither the secondary grid nor the styles.
    choice.mainGrid = false;
    const GridOffers ticks = gridOffers(d, 0, choice);
    EXPECT_TRUE(ticks.ticks);
    EXPECT_FALSE(ticks.subGrid);
    EXPECT_FALSE(ticks.mainGridStyle);
    // "Graduer les 2 côtés" needs an inactive facing scale.
    EXPECT_TRUE(ticks.graduateBoth);
    scale(d, 0, 1).active = 1;
    EXPECT_FALSE(gridOffers(d, 0, choice).graduateBoth);
    choice.graduateBoth = true;
    applyGridChoice(d, 0, choice);
    EXPECT_EQ(scale(d, 0, 0).graduateBoth, 0);  // not offered: kept as it was
}

TEST(GridRules, OutOfRangeValuesAreBroughtBack) {
    Diagram d;
    scale(d, 1, 0).active = 1;
    GridChoice choice;
    choice.mainGrid = true;
    choice.mainGridStyle = 7;
    choice.dashLength = 500;
    applyGridChoice(d, 1, choice);
    EXPECT_EQ(scale(d, 1, 0).mainGraduateLine, GridLineStyleCount - 1);
    EXPECT_EQ(d.dashLength[1], MaxDashLength);
    choice.dashLength = 0;
    applyGridChoice(d, 1, choice);
    EXPECT_EQ(d.dashLength[1], MinDashLength);
}

TEST(ScaleDialogRules, ListsAndTabs) {
    const auto counts = subdivisionCounts();
    ASSERT_EQ(counts.size(), 25u);
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[10], 10);
    EXPECT_EQ(counts[11], 12);
    EXPECT_EQ(counts[24], 100);
    EXPECT_EQ(kindCount(0), 2);  // LIN, LOG
    EXPECT_EQ(kindCount(1), 3);  // and HENRY on Y
    // Tabs: X lower, Y left, X upper, Y right.
    EXPECT_EQ(scaleTabIndex(0, 0), 0);
    EXPECT_EQ(scaleTabIndex(1, 0), 1);
    EXPECT_EQ(scaleTabIndex(0, 1), 2);
    EXPECT_EQ(scaleTabIndex(1, 1), 3);
    // Orientation list "Horizontal", "Vertical", "(non)".
    const int stored[] = {0, 1, -1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(orientationFromList(i), stored[i]);
        EXPECT_EQ(orientationListIndex(stored[i]), i);
    }
    EXPECT_FALSE(formatUsesDecimals(1));
    EXPECT_FALSE(formatUsesDecimals(2));
    for (int f : {3, 4, 5}) EXPECT_TRUE(formatUsesDecimals(f));
}

TEST(ScaleDialogRules, CustomSymbolIsCutToTenBytes) {
    AxisScale s;
    setCustomSymbol(s, "k\x80/an et plus encore");
    EXPECT_EQ(customSymbolText(s), "k\x80/an et p");
    EXPECT_EQ(s.customSymbol[10], '\0');
    setCustomSymbol(s, "m");
    EXPECT_EQ(customSymbolText(s), "m");
}

TEST(ScaleDialogRules, LookCopiedToEveryScaleAndMainSideOnlyForActiveScales) {
    Diagram d;
    scale(d, 1, 1).colour = 255;
    std::strcpy(scale(d, 1, 1).font.faceName, "Courier New");
    scale(d, 1, 1).font.height = -20;
    scale(d, 0, 0).origin = 4;
    copyGraduationLook(d, 1, 1);
    for (int dir = 0; dir < 2; ++dir)
        for (int side = 0; side < 2; ++side) {
            EXPECT_EQ(scale(d, dir, side).colour, 255);
            EXPECT_STREQ(scale(d, dir, side).font.faceName, "Courier New");
            EXPECT_EQ(scale(d, dir, side).font.height, -20);
        }
    EXPECT_EQ(scale(d, 0, 0).origin, 4);  // only the look
    EXPECT_FALSE(setMainSide(d, 1, 1));
    scale(d, 1, 1).active = 1;
    EXPECT_TRUE(setMainSide(d, 1, 1));
    EXPECT_EQ(d.scales.mainSide[1], 1);
}

TEST(PaintRules, GradientValueOfKindProfileAndInversion) {
    struct Case {
        int kind, profile;
        bool inverted;
        int value;
    };
    const Case cases[] = {
        {2, 1, false, 102},                       // kind 2, "SINUS"
        {5, 0, false, 5},                         // symmetric left to right
        {19, 2, false, 219}, {3, 2, true, -203},  // "GINV": colours exchanged
        {0, 2, true, 0},                          // kind 0 is a plain fill whatever the rest
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeGradient({c.kind, c.profile, c.inverted}), c.value) << c.value;
        if (c.kind == 0) continue;
        const DecodedGradient back = decodeGradient(c.value);
        EXPECT_EQ(back.kind, c.kind);
        EXPECT_EQ(back.profile, c.profile);
        EXPECT_EQ(back.inverted, c.inverted);
    }
    // Out of range: kind 20 is plain, profile 3 comes back to cosine.
    EXPECT_EQ(encodeGradient({20, 1, false}), 0);
    EXPECT_EQ(encodeGradient({4, 3, false}), 204);
}

TEST(PaintRules, DialogsWriteTheirOwnFieldsOnly) {
    PaintStyle style;  // factory "0,0,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,10"
    FillChoice fill = readFill(style, nullptr);
    EXPECT_FALSE(fill.active);
    EXPECT_EQ(fill.colour1, 16777215);
    fill.active = true;
    fill.colour1 = 255;
    fill.colour2 = 0xFF0000;
    fill.gradient = {1, 1, false};
    fill.picture = true;  // ignored: a label box takes no picture
    applyFill(style, nullptr, fill);
    const PaintStyle filled = style;
    EXPECT_EQ(style[PaintStyle::Fill], 1);
    EXPECT_EQ(style[PaintStyle::Picture], 0);
    EXPECT_EQ(style[PaintStyle::Gradient], 101);
    EXPECT_EQ(style[PaintStyle::Border], 1);  // the border is another dialog's

    BorderChoice border = readBorder(style);
    EXPECT_EQ(border.width, 1);
    EXPECT_EQ(border.marginX, 3);
    border.width = 99;
    border.marginY = -4;
    applyBorder(style, border);
    EXPECT_EQ(style[PaintStyle::BorderWidthX], MaxBorderWidth);
    EXPECT_EQ(style[PaintStyle::BorderWidthY], MaxBorderWidth);
    EXPECT_EQ(style[PaintStyle::MarginY], 0);

    ShadowChoice shadow = readShadow(style);
    EXPECT_EQ(shadow.hardness, 25);
    EXPECT_EQ(shadow.depthX, 10);
    shadow.active = true;
    shadow.hardness = 140;
    shadow.depthY = 3;
    applyShadow(style, shadow);
    EXPECT_EQ(style[PaintStyle::Shadow], 1);
    EXPECT_EQ(style[PaintStyle::ShadowHardness], 100);
    EXPECT_EQ(style[PaintStyle::ShadowDepthY], 3);
    for (int i = PaintStyle::Fill; i <= PaintStyle::Gradient; ++i) EXPECT_EQ(style[i], filled[i]) << i;
}

TEST(PaintRules, PictureOfThePageAndThePlot) {
    PaintStyle style;
    std::array<char, document::PictureBufferSize> picture{};
    FillChoice fill;
    fill.picture = true;
    fill.pictureMode = 9;
    fill.pictureFile = std::string(300, 'a');
    applyFill(style, &picture, fill);
    EXPECT_EQ(style[PaintStyle::Picture], 1);
    EXPECT_EQ(style[PaintStyle::PicturePlacement], PictureModeCount - 1);
    // The path is cut so that the buffer keeps its terminating zero.
    EXPECT_EQ(pictureText(picture).size(), document::PictureBufferSize - 1);
    EXPECT_EQ(readFill(style, &picture).pictureFile.size(), document::PictureBufferSize - 1);
}

TEST(FontChoice, InstalledFamiliesGoBackToTheirFacesAndPointsToHeights) {
    EXPECT_EQ(windowsFaceForFamily("Liberation Sans"), "Arial");
    EXPECT_EQ(windowsFaceForFamily("Liberation Mono"), "Courier New");
    EXPECT_EQ(windowsFaceForFamily("Standard Symbols PS [urw]"), "Symbol");
    EXPECT_EQ(windowsFaceForFamily("DejaVu Serif"), "DejaVu Serif");

    base::LogFont previous = base::fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    EXPECT_DOUBLE_EQ(fontPoints(previous), 12.0);  // 16 px at 96 px/inch
    ChosenFont chosen;
    chosen.family = "Liberation Serif";
    chosen.points = 9;
    chosen.bold = true;
    const base::LogFont font = chosenFont(previous, chosen);
    EXPECT_STREQ(font.faceName, "Times New Roman");
    EXPECT_EQ(font.height, -12);  // 9 pt x 96 / 72
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.pitchAndFamily, 16 + 2);  // froman, variable pitch
    EXPECT_EQ(fontDescription(font), "Times New Roman, 9 pt, gras");
    // Same face: the pitch-and-family byte of the record stays.
    chosen.family = "Liberation Sans";
    EXPECT_EQ(chosenFont(previous, chosen).pitchAndFamily, 48);
}

TEST(PageSetupRules, MarginsAndSizeMustLeaveRoomOnTheSheet) {
    // A4 portrait 21 x 29.7 cm: 2.5 + 1.5 margins leave 17 cm, 2.5 + 2.0 leave 25.2 cm.
    const std::array<double, 6> usual = {2.5, 1.5, 2.5, 2.0, 1.5, 1.5};
    EXPECT_TRUE(checkMargins(usual, 0).empty());
    EXPECT_TRUE(checkDiagramSize({17.0, 18.0}, usual, 0).empty());
    const base::Message tooLarge = checkDiagramSize({17.5, 18.0}, usual, 0);
    EXPECT_EQ(tooLarge.text, "Le diagramme est plus grand que la page entre les marges (17 x 25.2 cm) !");
    // In landscape the same diagram is too high: 21 - 4.5 = 16.5 cm.
    EXPECT_FALSE(checkDiagramSize({17.0, 18.0}, usual, 1).empty());
    const std::array<double, 6> wide = {10.0, 9.5, 2.5, 2.0, 1.5, 1.5};
    EXPECT_EQ(checkMargins(wide, 0).heading, base::Heading::Error);
    EXPECT_NE(checkMargins(wide, 0).text.find("gauche et de droite"), std::string::npos);
    EXPECT_TRUE(checkMargins(wide, 1).empty());  // 29.7 - 19.5 leaves 10.2 cm
    const std::array<double, 6> high = {2.5, 1.5, 14.0, 14.0, 1.5, 1.5};
    EXPECT_NE(checkMargins(high, 0).text.find("haut et du bas"), std::string::npos);
}

TEST(PageSetupRules, BandPreviewKeepsReportBlocksAndLogoSizesAreStored) {
    PageCodeContext context;
    context.documentPath = "/tmp/essai.orx";
    const BandParts parts = bandPreview("&N&c{Page &P/&Q}&rfin", context);
    EXPECT_EQ(parts.left, "essai.orx");
    EXPECT_EQ(parts.centre, "Page 1/1");
    EXPECT_EQ(parts.right, "fin");
    document::LogoSettings logo;
    setLogoSizeMode(logo, LogoSizeMode::Zoom, 250);
    EXPECT_EQ(logo.dimension, 0);
    EXPECT_EQ(logo.zoom, 250);
    EXPECT_EQ(logoSizeMode(logo), LogoSizeMode::Zoom);
    setLogoSizeMode(logo, LogoSizeMode::Manual, 250);
    EXPECT_EQ(logoSizeMode(logo), LogoSizeMode::Manual);
    setLogoSizeMode(logo, LogoSizeMode::Natural, 250);
    EXPECT_EQ(logo.zoom, 100);
    EXPECT_EQ(logoSizeMode(logo), LogoSizeMode::Natural);
}

TEST(GraduationLegibility, ValuesStayReadableInTheNormalScreenMode) {
    // Normal mode draws stored sizes at 72/96: 12 px values would be 9 px.
    OutputKind normal;
    const DeviceScale screen(normal);
    EXPECT_EQ(screen.fontHeight(-12), -9);
    EXPECT_EQ(screen.valueFontHeight(-12), -LegibleValuePixels);
    EXPECT_EQ(screen.valueFontHeight(-24), -18);  // larger values keep their size
    normal.zoom = 2.0;
    EXPECT_EQ(DeviceScale(normal).valueFontHeight(-12), -18);
    // Printing at 600 px/inch converts as every size does: 12 x 6.25 = 75.
    OutputKind printer;
    printer.printing = true;
    printer.deviceDpiX = printer.deviceDpiY = 600;
    EXPECT_EQ(DeviceScale(printer).valueFontHeight(-12), -75);
}

}  // namespace
}  // namespace ordinax::render
