// Fuzz target of report templates: any template text, filled for a
// regression or a Fourier curve, gives a report without crashing; the
// ruling, the report panel's drawing, page codes and exports of the result
// survive too. A template without a single placeholder is a normal outcome;
// only crashes count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "render/page_codes.h"
#include "render/recording_device.h"
#include "reports/report_builder.h"
#include "reports/report_export.h"
#include "reports/report_format.h"
#include "reports/report_lines.h"
#include "reports/report_ruling.h"
#include "reports/report_template.h"

using namespace ordinax;

// Input: one byte of options (kind, model, harmonics, language), then the template text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t options = data[0];
    const std::string_view raw(reinterpret_cast<const char*>(data + 1), size - 1);

    static const int kinds[] = {17, 15, 32, 8, 18, 35, 39, 5};
    document::Curve curve;
    curve.treatment = kinds[options & 7];
    const std::vector<document::Point> points = {{0, 1}, {1, 3}, {2, 2}, {4, 5}};
    curve.points = document::PointBuffer(std::span<const document::Point>(points));
    curve.fit.harmonicCount = (options >> 3) & 1 ? 50 : (options >> 4) & 3;
    curve.fit.omega = 1.5;
    for (std::size_t i = 0; i < curve.fit.coefficient.size(); ++i) {
        curve.fit.coefficient[i] = 1.0 / static_cast<double>(i + 1) - 0.3;
        curve.fit.linearCoefficient[i] = static_cast<double>(i) * 1e7;
    }
    numerics::FitModel model;
    model.name = "mod\xE8le";
    model.equation = "y=a0+a1.x";
    model.flag = (options >> 6) & 1;
    numerics::FitReport last;
    last.intervals = {{0.5, 1.5}, {-1e-9, 1e12}};
    const int language = (options >> 7) ? 2 : 0;

    const std::string text = reports::normalizeTemplate(raw);
    const int kind = reports::reportKindOf(curve);
    const std::string report = reports::fillReport(text, kind, {&curve, &model, &last, language});
    // Filling is bounded: values are a few times longer than their
    // placeholders at most, and a row is copied 50 times at most.
    if (report.size() > 512 * (text.size() + 64)) std::abort();

    const std::vector<std::string> lines = reports::reportLines(report);
    if (lines.size() > static_cast<std::size_t>(reports::MaxReportLines)) std::abort();
    for (const reports::RuleStroke& stroke : reports::rulingStrokes(lines, 0, reports::MaxReportLines))
        (void)reports::strokeSegment(stroke, {0, 0, 8, 16, 0});
    // The panel's drawing from any first line, on a device of fixed metrics.
    render::RecordingDevice device;
    base::LogFont font;
    font.height = -16;
    const reports::ReportMetrics metrics = reports::measureReportFont(device, font, 0.0);
    reports::drawReportLines(device, lines, options % 40, reports::visibleLineCount(480, metrics.lineHeight), font,
                             {0, 0, 640, 480}, metrics, 0.0, 1);
    if (reports::reportToCsv(report).find(reports::RuleChar) != std::string::npos) std::abort();
    (void)reports::reportToPlainText(report);

    // The template read as a band text and as a field list.
    render::PageCodeContext context;
    context.documentPath = std::string(raw.substr(0, 40));
    (void)render::splitBandText(render::expandPageCodes(raw, options & 1 ? render::PageDiagram : render::PageReport, context));
    (void)reports::formatShortest(1234.5678, raw.substr(0, 64));
    std::string field(raw);
    reports::replaceInField(field, "@X@", " a\xB6s1\xB6s");
    return 0;
}
