// Header and footer bands on the recording device, and the printed diagram
// page that carries them (body inside the margins, ThinFrame).
//
// Metrics used for the hand-worked positions: printing at 96 pixels per inch
// from a 96 pixels-per-inch screen is a scale of exactly 1, so the band font
// of height -16 stays 16 pixels; the recording device then gives a line
// height h = 16 (ascent 16 - 16/5 = 13, descent 3) and 8 pixels per byte.
// At 600 pixels per inch the scale is 6.25: the font is 100 pixels (ascent
// 80), a byte 50 pixels, and the rule round(6.25) = 6 pixels thick.
#include "render/page_bands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "render/pens.h"
#include "render/recording_device.h"

namespace ordinax::render {
namespace {

using document::HeaderFooter;

DeviceScale printScale(int dpi) {
    OutputKind output;
    output.printing = true;
    output.deviceDpiX = output.deviceDpiY = dpi;
    return DeviceScale(output);
}

HeaderFooter band(const std::string& text, int separator = 1, int colour = 0x0000FF) {
    HeaderFooter b;
    b.print = 1;
    b.text = text;
    b.font.height = -16;
    b.colour = colour;
    b.separator = separator;
    return b;
}

std::vector<RecordedOp> opsOf(const RecordingDevice& device, OpKind kind) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : device.ops())
        if (op.kind == kind) out.push_back(op);
    return out;
}

const RecordedOp* textOp(const RecordingDevice& device, const std::string& text) {
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Text && op.text == text) return &op;
    return nullptr;
}

// Page 800 × 1000, band area 50 .. 770 (left 50, right 30), header rule at
// y = 40, footer rule at y = 1000 - 60 = 940.
const DevRect Page{0, 0, 800, 1000};
const BandMargins Margins{50, 30, 40, 60};

TEST(PageBands, ThreePartsAndRulesOfBothBands) {
    RecordingDevice device(96, 96, true);
    const std::array<HeaderFooter, 2> bands{band("Gauche&cMilieu&rDroite"), band("Bas&rFin", 1, 0x00FF00)};
    drawPageBands(device, printScale(96), bands, Page, Margins, PageCodeContext{}, PageDiagram);

    const std::vector<RecordedOp> rules = opsOf(device, OpKind::Polyline);
    ASSERT_EQ(rules.size(), 2u);
    // Rules across the band area, right edge exclusive: x 50 .. 769.
    EXPECT_EQ(rules[0].points, (std::vector<DevPoint>{{50, 40}, {769, 40}}));
    EXPECT_EQ(rules[0].pen, (Pen{PenStyle::Solid, 1, 0x0000FF}));
    EXPECT_EQ(rules[1].points, (std::vector<DevPoint>{{50, 940}, {769, 940}}));
    EXPECT_EQ(rules[1].pen.colour, 0x00FF00u);

    struct Expected {
        const char* text;
        int x;
        int y;  // baseline
    };
    // Header line spans [40 - 24, 40 - 8) = [16, 32): baseline 16 + 13 = 29.
    // Centre: "Milieu" is 48 wide, x = 50 + (720 - 48) / 2 = 386; right
    // parts end at 770: "Droite" at 722. Footer line [948, 964): baseline 961;
    // "Fin" (24 wide) at 746.
    const Expected expected[] = {
        {"Gauche", 50, 29}, {"Milieu", 386, 29}, {"Droite", 722, 29}, {"Bas", 50, 961}, {"Fin", 746, 961},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        const RecordedOp* op = textOp(device, e.text);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->points.front(), (DevPoint{e.x, e.y}));
    }
    EXPECT_EQ(textOp(device, "Fin")->textColour, 0x00FF00u);
    EXPECT_EQ(opsOf(device, OpKind::Text).size(), 5u);
}

TEST(PageBands, PrinterResolutionScalesFontAndRule) {
    RecordingDevice device(600, 600, true);
    const std::array<HeaderFooter, 2> bands{band("&rDroite"), HeaderFooter{}};
    const DevRect page{0, 0, 4961, 7016};
    drawPageBands(device, printScale(600), bands, page, {591, 354, 354, 354}, PageCodeContext{}, PageDiagram);
    const std::vector<RecordedOp> rules = opsOf(device, OpKind::Polyline);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].pen.width, 6);
    const RecordedOp* op = textOp(device, "Droite");
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->font.height, -100);
    // h = 100: line [354 - 150, 354 - 50), baseline 204 + 80 = 284; the
    // right edge 4961 - 354 = 4607 minus 6 × 50.
    EXPECT_EQ(op->points.front(), (DevPoint{4307, 284}));
}

TEST(PageBands, PageNumberBlockOnlyOnReportPages) {
    PageCodeContext context;
    context.page = 2;
    context.pageCount = 3;
    const std::array<HeaderFooter, 2> bands{HeaderFooter{}, band("{Page &P/&Q}")};
    {
        RecordingDevice device(96, 96, true);
        drawPageBands(device, printScale(96), bands, Page, Margins, context, PageDiagram);
        // The diagram page drops the {..} block: the rule alone is drawn.
        EXPECT_TRUE(opsOf(device, OpKind::Text).empty());
        EXPECT_EQ(opsOf(device, OpKind::Polyline).size(), 1u);
    }
    {
        RecordingDevice device(96, 96, true);
        drawPageBands(device, printScale(96), bands, Page, Margins, context, PageReport);
        const RecordedOp* op = textOp(device, "Page 2/3");
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->points.front(), (DevPoint{50, 961}));
    }
}

TEST(PageBands, FlagsDecideWhatIsDrawn) {
    struct Case {
        const char* name;
        HeaderFooter header;
        std::size_t polylines;
        std::size_t texts;
    };
    HeaderFooter notPrinted = band("Titre");
    notPrinted.print = 0;
    const Case cases[] = {
        {"print flag 0: nothing", notPrinted, 0, 0},
        {"no separator: text only", band("Titre", 0), 0, 1},
        {"empty text: rule only", band(""), 1, 0},
        {"both", band("Titre"), 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDevice device(96, 96, true);
        drawPageBands(device, printScale(96), {c.header, HeaderFooter{}}, Page, Margins, PageCodeContext{},
                      PageDiagram);
        EXPECT_EQ(opsOf(device, OpKind::Polyline).size(), c.polylines);
        EXPECT_EQ(opsOf(device, OpKind::Text).size(), c.texts);
    }
}

TEST(PageBands, MarginsInPixelsOfThePage) {
    // 2.5 cm at 100 pixels per cm horizontally, 1.5 cm at 50 vertically.
    const std::array<double, 6> margins{2.5, 1.5, 2.5, 2.0, 1.5, 1.0};
    EXPECT_EQ(bandMargins(margins, 100.0, 50.0), (BandMargins{250, 150, 75, 50}));
    EXPECT_EQ(pageBody({0, 0, 2100, 1485}, margins, 100.0, 50.0), (DevRect{250, 125, 1950, 1385}));
}

// A printed page with wide lines everywhere: page and plot frames 3 pixels,
// a curve line 4 pixels with symbols, a header rule.
document::Diagram wideDiagram() {
    document::Diagram diagram;
    diagram.backPaint[document::PaintStyle::Border] = 1;
    diagram.backPaint[document::PaintStyle::BorderWidthX] = 3;
    diagram.backPaint[document::PaintStyle::BorderWidthY] = 3;
    diagram.diagramPaint[document::PaintStyle::Border] = 1;
    diagram.diagramPaint[document::PaintStyle::BorderWidthX] = 3;
    diagram.diagramPaint[document::PaintStyle::BorderWidthY] = 3;
    for (auto& direction : diagram.scales.axis) {
        for (auto& scale : direction) {
            scale.origin = 0.0;
            scale.extremity = 10.0;
            scale.step = 1.0;
            scale.orientation = -1;
            scale.mainGraduate = 0;
        }
        direction[0].active = 1;
    }
    document::Curve curve;
    curve.points = document::PointBuffer(std::vector<document::Point>{{1, 1}, {5, 8}, {9, 3}});
    curve.line.type[0] = 1;
    curve.line.width[0] = 4;
    curve.symbol.type = 1;
    curve.symbol.number = 5;
    diagram.curves.push_back(curve);
    diagram.band[0] = band("Haut");
    return diagram;
}

RenderRequest printedRequest(bool thinFrame) {
    RenderRequest request;
    request.pageRect = {0, 0, 4961, 7016};  // A4 at 600 pixels per inch
    request.output.printing = true;
    request.output.deviceDpiX = request.output.deviceDpiY = 600;
    request.output.pageWidthCm = 21.0;
    request.output.pageHeightCm = 29.7;
    request.thinFrame = thinFrame;
    return request;
}

int widestPen(const RecordingDevice& device) {
    int widest = 0;
    for (const RecordedOp& op : device.ops())
        if ((op.kind == OpKind::Polyline || op.kind == OpKind::Polygon) && op.pen.style != PenStyle::None)
            widest = std::max(widest, op.pen.width);
    return widest;
}

TEST(PrintedDiagramPage, ThinFrameDrawsEveryLineOnePixelWide) {
    const document::Diagram diagram = wideDiagram();
    RecordingDevice wide(600, 600, true);
    ASSERT_TRUE(drawPrintedDiagramPage(wide, diagram, printedRequest(false), PageCodeContext{}).complete);
    // Without the preference the frames print at 3 × 6.25 pixels: the check below means something.
    EXPECT_GT(widestPen(wide), 1);

    RecordingDevice thin(600, 600, true);
    const RenderResult result = drawPrintedDiagramPage(thin, diagram, printedRequest(true), PageCodeContext{});
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(widestPen(thin), 1);
    // Only the pens change: the same operations are drawn at the same places.
    ASSERT_EQ(thin.ops().size(), wide.ops().size());
    for (std::size_t i = 0; i < thin.ops().size(); ++i) EXPECT_EQ(thin.ops()[i].points, wide.ops()[i].points);
}

TEST(PrintedDiagramPage, DiagramCentredInsideTheMarginsBandsInThem) {
    document::Diagram diagram = wideDiagram();
    RecordingDevice device(600, 600, true);
    const RenderResult result = drawPrintedDiagramPage(device, diagram, printedRequest(false), PageCodeContext{});
    ASSERT_TRUE(result.complete);
    // 4961 / 21 = 236.24 pixels per cm horizontally, 7016 / 29.7 = 236.23
    // vertically: margins 2.5, 1.5, 2.5, 2.0 cm are 591, 354, 591 and 472
    // pixels, a body of 4016 × 5953. The diagram of 17 × 18 cm is 4016 × 4252
    // pixels, centred: top 591 + (5953 - 4252) / 2 = 1441.
    EXPECT_EQ(result.layout.diagramRect, (DevRect{591, 1441, 591 + 4016, 1441 + 4252}));
    // Not centred and narrower: against the left and top margins.
    diagram.centre = {0, 0};
    diagram.size = {10.0, 40.0};  // taller than the body: cut to it
    RecordingDevice top(600, 600, true);
    EXPECT_EQ(drawPrintedDiagramPage(top, diagram, printedRequest(false), PageCodeContext{}).layout.diagramRect,
              (DevRect{591, 591, 591 + 2362, 591 + 5953}));
    // The header rule 1.5 cm (354 pixels) below the top edge.
    const RecordedOp* op = textOp(device, "Haut");
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->points.front(), (DevPoint{591, 354 - 150 + 80}));
}

TEST(ThinPenDevice, NarrowsPensAndForwardsTheRest) {
    RecordingDevice target(300, 200, true);
    ThinPenDevice thin(target);
    EXPECT_EQ(thin.dpiX(), 300);
    EXPECT_EQ(thin.dpiY(), 200);
    EXPECT_TRUE(thin.isPrinter());
    thin.setPen({PenStyle::Dash, 9, 0x123456});
    thin.line({1, 2}, {3, 4});
    ASSERT_EQ(target.ops().size(), 1u);
    EXPECT_EQ(target.ops()[0].pen, (Pen{PenStyle::Dash, 1, 0x123456}));
    EXPECT_EQ(target.ops()[0].points, (std::vector<DevPoint>{{1, 2}, {3, 4}}));
}

}  // namespace
}  // namespace ordinax::render
