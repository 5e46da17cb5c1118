// Printed calculation reports: pagination, lines with their ruling, bands and logo.
#include "reports/report_page.h"

#include <algorithm>
#include <cmath>

#include "render/markup_layout.h"
#include "render/page_bands.h"
#include "render/picture_placement.h"
#include "reports/report_ruling.h"
#include "richtext/markup_codes.h"

namespace ordinax::reports {

namespace {

constexpr double CmPerInch = 2.54;
constexpr int ScreenDpi = 96;

// The line height is measured on a line holding a subscript and a superscript,
// as the report panel does, so that raised and lowered runs never collide.
constexpr std::string_view LineSample =
    "X\xB6s0\xB6s\xB6"
    "e0\xB6"
    "eX";

base::LogFont deviceReportFont(const document::Diagram& diagram, const render::DeviceScale& scale) {
    base::LogFont font = diagram.reportFont;
    if (font.height != 0) font.height = scale.fontHeight(font.height);
    font.escapement = 0;
    font.orientation = 0;
    return font;
}

double pixelsPerPoint(const ReportPageSetup& setup) {
    const double screen = setup.screenDpiY > 0 ? setup.screenDpiY : ScreenDpi;
    return setup.scale.factorY() * screen / 72.0;
}

// The characters of a line as they show, markup codes left out and a tab
// counting as one blank: the columns of its `&` cells as the eye sees them.
std::string visibleLine(std::string_view line) {
    std::string shown;
    richtext::MarkupReader reader(line);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        if (t.kind == richtext::MarkupTokenKind::Text)
            shown += t.raw;
        else if (t.kind == richtext::MarkupTokenKind::Tab)
            shown += ' ';
    }
    return shown;
}

// Draws a line of markup; a line holding `&` cells is drawn piece by piece,
// each piece between two cells starting at its own column, so that the text
// of a table stays between its rules whatever the codes before it. Each
// piece is preceded by the codes met earlier on the line, which puts the
// fonts and colours back as they stood there.
void drawReportLine(render::DrawDevice& device, std::string_view line, const base::LogFont& font, int left, int top,
                    int right, int lineHeight, int cellWidth, double ppp) {
    auto draw = [&](std::string_view markup, int column) {
        if (markup.empty()) return;
        const int x = left + column * cellWidth;
        const render::DevRect box{x, top, std::max(right, x + 1), top + lineHeight};
        render::layoutMarkup(device, markup, font, 0, box, render::AlignLeft, 0, render::MarkupMode::Draw, ppp);
    };
    if (line.find('&') == std::string_view::npos) {
        draw(line, 0);
        return;
    }
    std::string codes;       // every code met so far on the line
    std::string piece;       // the piece under way, its codes included
    std::string pieceCodes;  // the codes in force where the piece starts
    int column = 0;
    int pieceColumn = 0;
    bool pieceHasText = false;
    richtext::MarkupReader reader(line);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        if (t.kind == richtext::MarkupTokenKind::Code) {
            codes += t.raw;
            piece += t.raw;
            continue;
        }
        if (t.kind == richtext::MarkupTokenKind::Tab) {
            piece += ' ';
            pieceHasText = true;
            ++column;
            continue;
        }
        if (t.kind != richtext::MarkupTokenKind::Text) continue;
        for (char c : t.raw) {
            if (c != '&') {
                piece += c;
                pieceHasText = true;
                ++column;
                continue;
            }
            if (pieceHasText) draw(pieceCodes + piece, pieceColumn);
            ++column;
            piece.clear();
            pieceCodes = codes;
            pieceColumn = column;
            pieceHasText = false;
        }
    }
    if (pieceHasText) draw(pieceCodes + piece, pieceColumn);
}

}  // namespace

ReportPageSetup printedReportSetup(const render::DevRect& sheet, double widthCm, double heightCm, int deviceDpiX,
                                   int deviceDpiY) {
    ReportPageSetup setup;
    setup.sheet = sheet;
    setup.pixelsPerCmX = widthCm > 0 ? sheet.width() / widthCm : deviceDpiX / CmPerInch;
    setup.pixelsPerCmY = heightCm > 0 ? sheet.height() / heightCm : deviceDpiY / CmPerInch;
    render::OutputKind output;
    output.printing = true;
    output.deviceDpiX = deviceDpiX;
    output.deviceDpiY = deviceDpiY;
    output.screenDpiX = output.screenDpiY = ScreenDpi;
    output.pageRect = sheet;
    output.pageWidthCm = widthCm;
    output.pageHeightCm = heightCm;
    setup.scale = render::DeviceScale(output);
    setup.screenDpiY = ScreenDpi;
    return setup;
}

std::vector<std::string> printedReportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return lines;
}

ReportPageLayout reportPageLayout(render::DrawDevice& device, const ReportPageSetup& setup,
                                  const document::Diagram& diagram) {
    ReportPageLayout layout;
    layout.body = render::pageBody(setup.sheet, diagram.margins[1], setup.pixelsPerCmX, setup.pixelsPerCmY);
    const base::LogFont font = deviceReportFont(diagram, setup.scale);
    const render::MarkupSize sample = render::layoutMarkup(device, LineSample, font, 0, {}, render::AlignLeft, 0,
                                                           render::MarkupMode::Measure, pixelsPerPoint(setup));
    layout.lineHeight = std::max(1, sample.height);
    device.setFont(font);
    layout.cellWidth = std::max(1, device.textExtent("0000000000").width / 10);
    layout.linesPerPage = std::max(1, layout.body.height() / layout.lineHeight);
    return layout;
}

int reportPageCount(render::DrawDevice& device, const ReportPageSetup& setup, const document::Diagram& diagram,
                    std::string_view text) {
    const int lines = static_cast<int>(printedReportLines(text).size());
    const int perPage = reportPageLayout(device, setup, diagram).linesPerPage;
    return std::max(1, (lines + perPage - 1) / perPage);
}

void drawReportPage(render::DrawDevice& device, const ReportPageSetup& setup, const document::Diagram& diagram,
                    std::string_view text, const render::PageCodeContext& context, render::PictureSource* pictures,
                    int pageIndex) {
    const ReportPageLayout layout = reportPageLayout(device, setup, diagram);
    const std::vector<std::string> lines = printedReportLines(text);
    const int lineCount = static_cast<int>(lines.size());
    const int pageCount = std::max(1, (lineCount + layout.linesPerPage - 1) / layout.linesPerPage);
    if (pageIndex < 0 || pageIndex >= pageCount) return;

    if (diagram.logo.print[1] != 0 && pictures)
        render::drawLogo(device, *pictures, setup.sheet, diagram.logo, setup.pixelsPerCmX, setup.pixelsPerCmY);

    const int first = pageIndex * layout.linesPerPage;
    const int count = std::min(layout.linesPerPage, lineCount - first);
    const base::LogFont font = deviceReportFont(diagram, setup.scale);
    const double ppp = pixelsPerPoint(setup);
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(first + i)];
        if (line.empty()) continue;
        drawReportLine(device, line, font, layout.body.left, layout.body.top + i * layout.lineHeight, layout.body.right,
                       layout.lineHeight, layout.cellWidth, ppp);
    }

    // The rules of the tables, on the columns as they show (a subscript code
    // before a cell would otherwise push its rules to the right), scaled like
    // the report's other strokes: one nominal pixel becomes as many device
    // pixels as the printer's resolution asks.
    std::vector<std::string> shown;
    shown.reserve(lines.size());
    for (const std::string& line : lines) shown.push_back(visibleLine(line));
    const std::vector<RuleStroke> strokes = rulingStrokes(shown, first, count);
    if (!strokes.empty()) {
        device.setPen({render::PenStyle::Solid, setup.scale.y(1), 0});
        const CellGeometry cells{layout.body.left, layout.body.top, layout.cellWidth, layout.lineHeight, first};
        for (const RuleStroke& stroke : strokes) {
            const RuleSegment s = strokeSegment(stroke, cells);
            device.line({s.x1, s.y1}, {s.x2, s.y2});
        }
    }

    render::PageCodeContext pageContext = context;
    pageContext.page = pageIndex + 1;
    pageContext.pageCount = pageCount;
    const render::BandMargins margins = render::bandMargins(diagram.margins[1], setup.pixelsPerCmX, setup.pixelsPerCmY);
    render::drawPageBands(device, setup.scale, diagram.band, setup.sheet, margins, pageContext, render::PageReport);
}

}  // namespace ordinax::reports
