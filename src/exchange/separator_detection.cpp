// Separator and coordinate-count detection.
#include "exchange/separator_detection.h"

#include <algorithm>
#include <vector>

#include "base/encoding.h"
#include "base/input_file.h"
#include "base/strings.h"
#include "base/strings_files.h"
#include "base/system_reason.h"
#include "base/text.h"
#include "exchange/line_normaliser.h"
#include "exchange/line_source.h"
#include "exchange/text_import.h"

namespace ordinax::exchange {

namespace {

// Characters that belong to numbers, words and brackets, never separators.
constexpr std::string_view NotSeparators = ".+-_&(){}[]\"`^\xB0\xB2";

bool isNumberOrWord(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c >= 192 ||
           NotSeparators.find(static_cast<char>(c)) != std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The separators left in a line: blanks runs reduced, the line upper case,
// then digits, letters and number signs removed. Blanks at both ends are
// alignment, not separators. A comma between two digits is a decimal comma
// when the line has another separator ("12,5;3,75"): the import reads it as
// a decimal point, so it separates nothing.
std::string separatorsOf(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\r')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
    std::string out;
    std::vector<bool> decimalComma;
    char previous = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool repeatedBlank = c == ' ' && previous == ' ';
        previous = c;
        if (repeatedBlank || c == '\r') continue;
        const char upper = base::upperCase1252(c);
        if (isNumberOrWord(static_cast<unsigned char>(upper))) continue;
        out += upper;
        decimalComma.push_back(c == ',' && i > 0 && i + 1 < line.size() && isDigit(line[i - 1]) && isDigit(line[i + 1]));
    }
    const bool otherSeparator = std::any_of(out.begin(), out.end(), [](char c) { return c != ','; });
    if (!otherSeparator) return out;
    std::string kept;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (!decimalComma[i]) kept += out[i];
    return kept;
}

const std::string* firstDataLine(const ConversionProcedure& p, std::span<const std::string> lines) {
    const std::size_t at = static_cast<std::size_t>(std::max(p.headerLineCount, 0));
    return at < lines.size() ? &lines[at] : nullptr;
}

// xOrder and yOrder within a count of values: lowered to it, or for a single
// value both 1 (x then the record number).
void fitOrders(ConversionProcedure& p) {
    if (p.coordinateCount > 1) {
        p.xOrder = std::min(p.xOrder, p.coordinateCount);
        p.yOrder = std::min(p.yOrder, p.coordinateCount);
        return;
    }
    if (p.xOrder > 0) p.xOrder = 1;
    if (p.yOrder > 0) p.yOrder = 1;
    if (p.xOrder == 1 && p.yOrder == 1) p.xOrder = 0;
}

}  // namespace

std::vector<std::string> previewLines(std::string_view fileBytes, int charSet) {
    std::vector<std::string> lines;
    while (!fileBytes.empty()) {
        const std::size_t lf = fileBytes.find('\n');
        std::string_view line = fileBytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(charSet == 1 ? base::cp850ToWindows1252(line) : std::string(line));
        if (lf == std::string_view::npos) break;
        fileBytes.remove_prefix(lf + 1);
    }
    return lines;
}

std::optional<std::vector<std::string>> readDataLines(const std::string& path, const ConversionProcedure& procedure,
                                                      base::Message& error) {
    base::InputError failure;
    std::uint64_t size = 0;
    const int fd = base::openInput(path, failure, &size);
    if (fd < 0) {
        error = base::inputFailureMessage(path, failure);
        return std::nullopt;
    }
    LineSource source(fd, static_cast<std::size_t>(size), maxImportLineLength(procedure));
    std::vector<std::string> lines;
    const long long header = std::max(procedure.headerLineCount, 0);
    std::size_t nonEmpty = 0;
    std::string_view line;
    for (long long number = 0; nonEmpty < MaxPreviewDataLines && source.next(line); ++number) {
        if (number < header) continue;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(procedure.charSet == 1 ? base::cp850ToWindows1252(line) : std::string(line));
        if (!lines.back().empty()) ++nonEmpty;
    }
    if (source.tooLong()) {
        failure = base::InputError{base::InputStatus::LineTooLong, 0, source.maxLineLength(), source.tooLongLine()};
        error = base::withReason(base::makeMessage(base::MsgInputStopped, base::Heading::Error, path), failure.reason());
        return std::nullopt;
    }
    if (source.failed()) {
        failure = base::InputError{base::InputStatus::ReadFailed, source.error(), 0, 0};
        error = base::inputFailureMessage(path, failure);
        return std::nullopt;
    }
    return lines;
}

std::string detectSeparator(std::string_view firstDataLine) {
    const std::string separators = separatorsOf(firstDataLine);
    if (separators.empty()) return "CR";
    if (separators.front() == ' ') return "ESPACE";
    if (separators.front() == '\t') return "TAB";
    return std::string(1, separators.front());
}

void detectCoordinateCount(ConversionProcedure& p, std::span<const std::string> lines) {
    if (p.orientation == 1) {
        const std::size_t from = std::min(lines.size(), static_cast<std::size_t>(std::max(p.headerLineCount, 0)));
        const auto count = std::count_if(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
                                         [](const std::string& l) { return !l.empty(); });
        p.coordinateCount = static_cast<int>(std::min<std::ptrdiff_t>(count, 999));
    } else {
        const std::string* line = firstDataLine(p, lines);
        const std::string separators = line ? separatorsOf(*line) : std::string();
        p.coordinateCount =
            separators.empty() ? 1 : 1 + static_cast<int>(std::count(separators.begin(), separators.end(), separators.front()));
    }
    fitOrders(p);
}

int valuesOnLine(const ConversionProcedure& procedure, std::string_view line) {
    const Separator separator = separatorOf(procedure.separator);
    LineNormaliser normaliser(separator, procedure.charSet == 1);
    std::string values;
    normaliser.normalise(line, values);
    if (values.find_first_not_of('\t') == std::string::npos) return 0;
    if (separator.kind == SeparatorKind::Lines) return 1;
    return 1 + static_cast<int>(std::count(values.begin(), values.end(), '\t'));
}

}  // namespace ordinax::exchange
