// Conversion procedures and their ".pca" files (current and older layout).
#include "exchange/conversion_procedure.h"

#include <charconv>
#include <climits>
#include <vector>

#include "base/strings.h"
#include "exchange/file_io.h"

namespace ordinax::exchange {

namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Lines of a procedure file; a CR before the line feed belongs to the line end.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

// A decimal integer read the lenient way of the file: blanks and tabs around
// it are ignored, a text that is not a number reads 0, and a number beyond the
// int range is held at its limit.
int readInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

void appendLine(std::string& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
    out += '\n';
}

}  // namespace

std::string normaliseSeparator(std::string_view separator) {
    const std::string_view trimmed = trimBlanks(separator);
    if (!separator.empty() && trimmed.empty()) return "ESPACE";
    if (trimmed == "\t") return "TAB";
    if (trimmed.find_first_not_of("\r\n") == std::string_view::npos) return "CR";
    // A line end typed around the separator is not part of it, and the
    // separator must stay on one line of the procedure file: what is left is
    // normalised again (it may be a blank or a tab).
    std::string_view text = trimmed.substr(trimmed.find_first_not_of("\r\n"));
    text = text.substr(0, text.find_first_of("\r\n"));
    if (text.size() != trimmed.size()) return normaliseSeparator(text);
    return std::string(text);
}

std::string procedureFileText(const ConversionProcedure& p) {
    std::string out;
    out.append(ProcedureMagic);
    out += '\n';
    for (int value : {p.charSet, p.headerLineCount, p.titleLine, p.dateLine, p.xNameLine, p.yNameLine,
                      p.recordCountLine, p.orientation + 1, p.coordinateCount, p.xOrder, p.yOrder})
        appendLine(out, value);
    out += normaliseSeparator(p.separator);
    out += '\n';
    appendLine(out, p.numericBase);
    appendLine(out, p.sampling);
    return out;
}

std::optional<ConversionProcedure> parseProcedure(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty()) return std::nullopt;
    const bool current = lines[0] == ProcedureMagic;
    const bool older = !current && lines[0].substr(0, OlderProcedureMagic.size()) == OlderProcedureMagic;
    if (!current && !older) return std::nullopt;

    // A missing line reads as 0 (or an empty separator) and reading goes on.
    std::size_t next = 1;
    auto line = [&]() -> std::string_view { return next < lines.size() ? lines[next++] : std::string_view{}; };
    auto number = [&]() { return readInteger(trimBlanks(line())); };

    ConversionProcedure p;
    p.charSet = current ? number() : 0;
    p.headerLineCount = number();
    p.titleLine = number();
    p.dateLine = number();
    p.xNameLine = number();
    p.yNameLine = number();
    p.recordCountLine = number();
    // Stored as 1 columns, 2 rows; anything else is read as columns.
    p.orientation = number() == 2 ? 1 : 0;
    p.coordinateCount = number();
    p.xOrder = number();
    p.yOrder = number();
    if (current) {
        p.separator = normaliseSeparator(line());
    } else {
        // The older layout stores the character code.
        const int code = number();
        p.separator = normaliseSeparator(code > 0 && code < 256 ? std::string(1, static_cast<char>(code)) : std::string());
    }
    p.numericBase = number();
    p.sampling = number();
    return p;
}

bool loadProcedure(const std::string& path, ConversionProcedure& procedure) {
    base::Message ignored;
    return loadProcedure(path, procedure, ignored);
}

bool loadProcedure(const std::string& path, ConversionProcedure& procedure, base::Message& error) {
    const std::optional<std::string> bytes = readFileBytes(path, ProcedureLimits, error);
    if (!bytes) return false;
    std::optional<ConversionProcedure> read = parseProcedure(*bytes);
    if (!read) {
        error = base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error);
        return false;
    }
    procedure = std::move(*read);
    return true;
}

bool saveProcedure(const std::string& path, const ConversionProcedure& procedure, base::Message& error) {
    return writeFileAtomically(path, procedureFileText(procedure), error);
}

}  // namespace ordinax::exchange
