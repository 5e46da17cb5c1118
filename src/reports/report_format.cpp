// Number and field formatting of calculation reports.
#include "reports/report_format.h"

#include <array>

#include "base/format.h"
#include "base/text.h"
#include "richtext/markup_codes.h"

namespace ordinax::reports {

namespace {

// True when the format is flags, width, precision and exactly one of the
// conversions e E f F g G, with only "%%" elsewhere: any other format would
// read arguments that are not there.
bool isSingleFloatFormat(std::string_view format) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && std::string_view("-+ #0").find(format[j]) != std::string_view::npos) ++j;
        std::size_t digits = 0;
        while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 3) ++j, ++digits;
        if (j < format.size() && format[j] == '.') {
            ++j;
            digits = 0;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 2) ++j, ++digits;
        }
        if (j >= format.size() || std::string_view("eEfFgG").find(format[j]) == std::string_view::npos) return false;
        ++conversions;
        i = j;
    }
    return conversions == 1;
}

}  // namespace

std::string formatNumber(double value, std::string_view format, bool trimZeros) {
    const std::string chosen = (format.empty() || !isSingleFloatFormat(format)) ? std::string("%g") : std::string(format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::string text = base::formatPrintf(chosen.c_str(), value);
#pragma GCC diagnostic pop
    if (!trimZeros) return text;
    if (value == 0.0) return "0";
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    return text;
}

std::string formatShortest(double value, std::string_view formatList) {
    std::string best;
    bool first = true;
    std::size_t from = 0;
    while (from <= formatList.size()) {
        std::size_t bar = formatList.find('|', from);
        if (bar == std::string_view::npos) bar = formatList.size();
        const std::string text = formatNumber(value, formatList.substr(from, bar - from));
        if (first || text.size() < best.size()) best = text;
        first = false;
        from = bar + 1;
    }
    for (char& c : best) c = base::upperCase1252(c);
    const std::size_t e = best.find('E');
    if (e != std::string::npos && e > 0 && best.back() != '0') {
        for (bool again = true; again;) {
            again = false;
            for (std::string_view zero : {"E-0", "E+0"}) {
                if (const std::size_t at = best.find(zero); at != std::string::npos) {
                    best.erase(at + 2, 1);
                    again = true;
                }
            }
        }
    }
    return best;
}

int visibleLength(std::string_view markup) {
    int length = 0;
    richtext::MarkupReader reader(markup, 0);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        if (t.kind == richtext::MarkupTokenKind::Text)
            for (char c : t.raw) length += c != '\r';
        else if (t.kind != richtext::MarkupTokenKind::Code)
            ++length;
    }
    return length;
}

void replaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    if (placeholder.empty()) return;
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, from)) {
        out.append(text, from, at - from);
        out += value;
        from = at + placeholder.size();
    }
    if (from == 0) return;
    out.append(text, from, std::string::npos);
    text = std::move(out);
}

void replaceInField(std::string& text, std::string_view placeholder, std::string_view value, char delimiter) {
    if (placeholder.empty()) return;
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos) return;
    const std::size_t after = text.find(delimiter, at);
    const std::size_t before = at == 0 ? std::string::npos : text.rfind(delimiter, at - 1);
    if (after == std::string::npos || before == std::string::npos) return;
    const std::string field = text.substr(before + 1, after - before - 1);
    // A field is part of one line: delimiters found on other lines belong to
    // other tables, and taking them would swallow whole lines of the report.
    if (field.find('\n') != std::string::npos) return;
    const int width = static_cast<int>(field.size());
    const int shown = visibleLength(value);
    std::string padded;
    if (width > shown) {
        padded.assign(static_cast<std::size_t>((width - shown) / 2), ' ');
        padded += value;
        padded.append(static_cast<std::size_t>(width - shown - (width - shown) / 2), ' ');
    } else {
        padded = value;
    }
    replaceAll(text, field, padded);
}

std::string_view columnTitle(ColumnTitle column, int language) {
    // Rows: minimum, mean, maximum, standard deviation; columns: French, English, German.
    static constexpr std::array<std::array<std::string_view, 3>, 4> Titles = {{
        {"mini", "mini", "Min."},
        {"moyen", "mean", "Mittel"},
        {"maxi", "maxi", "Max."},
        {"\xE9" "cart-type", "std-deviat.", "Abw. art"},
    }};
    if (language < 0 || language > 2) return "?";
    return Titles[static_cast<std::size_t>(column)][static_cast<std::size_t>(language)];
}

}  // namespace ordinax::reports
