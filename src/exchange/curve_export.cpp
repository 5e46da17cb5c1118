// Curve export in CSV, blank-separated, tab-separated and DOS text.
#include "exchange/curve_export.h"

#include <algorithm>

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "exchange/file_io.h"

namespace ordinax::exchange {

namespace {

char separatorOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::Csv: return ';';
        case ExportFormat::Blank: return ' ';
        default: return '\t';
    }
}

}  // namespace

std::string_view exportExtension(ExportFormat format) { return format == ExportFormat::Csv ? "csv" : "txt"; }

std::string exportText(const document::Curve& curve, const ExportOptions& options) {
    const bool dos = options.format == ExportFormat::Dos;
    const std::string_view lineEnd = dos ? "\r\n" : "\n";
    const char separator = separatorOf(options.format);
    std::string out;
    auto textLine = [&](const std::string& text) {
        out += dos ? base::windows1252ToCp850(text) : text;
        out += lineEnd;
    };
    if (options.title) textLine(curve.title);
    if (options.date) textLine(curve.modified);
    if (options.names) textLine(curve.axisName[0] + separator + curve.axisName[1]);
    if (options.coordinates) {
        const auto points = curve.points.view();
        out.reserve(out.size() + points.size() * 24);
        const char format[] = {'%', 'G', separator, '%', 'G', '\0'};
        for (const document::Point& p : points) {
            std::string line = base::formatPrintf(format, p.x, p.y);
            // A decimal comma never reaches the file, whatever formatted the number.
            std::replace(line.begin(), line.end(), ',', '.');
            out += line;
            out += lineEnd;
        }
    }
    return out;
}

bool exportCurve(const std::string& path, const document::Curve& curve, const ExportOptions& options,
                 base::Message& error) {
    return writeFileAtomically(path, exportText(curve, options), error);
}

}  // namespace ordinax::exchange
