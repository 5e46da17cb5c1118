// Reader of the text older generations and of their ".LIS" point files.
#include "document/legacy_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "base/encoding.h"
#include "document/diagram_ops.h"
#include "document/legacy_mappings.h"

namespace ordinax::document::legacy {

namespace {

constexpr int TitleSlot = 1;
constexpr int XLabelSlot = 2;
constexpr int YLabelSlot = 4;
constexpr std::int32_t CentredPlacement = 3;  // titles and X labels
constexpr std::int32_t TopPlacement = 4;       // Y label beside the axis, at its top

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i]) return false;
    }
    return true;
}

// Splits at line feeds with the carriage returns removed.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') lines.emplace_back();
        else lines.back().push_back(c);
    }
    return lines;
}

bool parseInteger(std::string_view text, int& value) {
    double v = 0.0;
    if (!parseLegacyNumber(text, v) || std::fabs(v) > 1e9) return false;
    value = static_cast<int>(v);
    return true;
}

std::string labelText(std::string_view value) { return base::cp850ToWindows1252(trim(value)); }

void placeLabel(Diagram& d, int slot, std::int32_t placement, std::string_view prefix, const std::string& text) {
    LabelSlot& label = d.labels[static_cast<std::size_t>(slot)];
    label.text = alignedLabel(prefix, text);
    label.placement = label.text.empty() ? -1 : placement;
}

void applyFormat(AxisScale& scale, const ValueFormat& f) {
    scale.format = f.format;
    scale.decimals = f.decimals;
    if (!f.shown) scale.orientation = -1;
}

// A curve name must designate a file beside the diagram, nothing else.
bool plainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string_view("/\\\0:", 4)) == std::string_view::npos;
}

// Adds a curve whose points come from the companion file; curves beyond the
// capacity are read for their validity and left out.
bool addCurve(Diagram& out, Curve curve, const std::string& name, const CompanionReader& companion,
              bool* pointsDropped, bool legendFromTitle = false) {
    if (!plainFileName(name) || !companion) return false;
    const std::optional<std::string> points = companion(name);
    if (!points || !readPointList(*points, curve, pointsDropped)) return false;
    if (curve.title.empty()) curve.title = base::cp850ToWindows1252(name);
    if (legendFromTitle) curve.legend = curve.title;
    if (out.curveCount() < MaxCurves) out.curves.push_back(std::move(curve));
    return true;
}

struct CurveKeys {
    Curve curve;
    bool lineDrawn = true;
    std::string lineLetter;
};

bool applyCurveKey(std::string_view key, std::string_view value, CurveKeys& k) {
    int n = 0;
    double v = 0.0;
    Curve& c = k.curve;
    if (key == "EF" || key == "TF") {
        c.title = labelText(value);
    } else if (key == "LF") {
        c.legend = labelText(value);
    } else if (key == "PP" || key == "PL") {
        if (!parseInteger(value, n)) return false;
        if (n == 2) k.lineDrawn = false;
    } else if (key == "SP") {
        if (!parseInteger(value, n)) return false;
        if (n > 0) c.symbol.number = reduceSymbolNumber(n);
    } else if (key == "CP") {
        if (!parseInteger(value, n)) return false;
        c.symbol.outerColour = paletteColour(n);
    } else if (key == "NL") {
        if (!parseInteger(value, n)) return false;
        c.line.width[0] = lineWidthFromCode(n);
    } else if (key == "PI") {
        if (!parseInteger(value, n)) return false;
        c.symbol.fill = n == 1 ? 1 : 0;
    } else if (key == "mL" || key == "ML") {
        if (!parseLegacyNumber(value, v)) return false;
        c.bounds[0][key == "mL" ? 0 : 1] = v;
    } else if (key == "CL") {
        if (!parseInteger(value, n)) return false;
        c.line.colour[0] = paletteColour(n);
    } else if (key == "TL") {
        k.lineLetter = std::string(value);
    }
    return true;
}

struct DiagramKeys {
    int plx = 0;
    int ply = 0;
};

bool applyDiagramKey(std::string_view key, std::string_view value, Diagram& d, DiagramKeys& k) {
    AxisScale& x = d.scales.axis[0][0];
    AxisScale& y = d.scales.axis[1][0];
    const bool isX = key.size() >= 2 && key.back() == 'X';
    AxisScale& s = isX ? x : y;
    int n = 0;
    double v = 0.0;
    if (key == "TD") {
        placeLabel(d, TitleSlot, CentredPlacement, "&c", labelText(value));
    } else if (key == "LX") {
        placeLabel(d, XLabelSlot, CentredPlacement, "&c", labelText(value));
    } else if (key == "LY") {
        placeLabel(d, YLabelSlot, TopPlacement, "&r", labelText(value));
    } else if (key == "SX" || key == "SY") {
        s.kind = startsWithNoCase(value, "LOG") ? 1 : 0;
    } else if (key == "FX" || key == "FY") {
        if (!parseInteger(value, n)) return false;
        applyFormat(s, valueFormatFromCode(n));
    } else if (key == "LFX") {
        if (!parseInteger(value, n)) return false;
        x.decimals = std::clamp(n, 0, 5);
    } else if (key == "DX" || key == "DY" || key == "EX" || key == "EY" || key == "PX" || key == "PY") {
        if (!parseLegacyNumber(value, v)) return false;
        (key[0] == 'D' ? s.origin : key[0] == 'E' ? s.extremity : s.step) = v;
    } else if (key == "IX" || key == "IY") {
        if (!parseInteger(value, n)) return false;
        s.subdivisionIndex = std::clamp(n, 0, 9);
    } else if (key == "TAX" || key == "TAY") {
        if (!parseInteger(value, n)) return false;
        if (n == 2) s.mainGraduate = 3;
    } else if (key == "PLX" || key == "PLY") {
        if (!parseInteger(value, n)) return false;
        (key == "PLX" ? k.plx : k.ply) = n;
    }
    return true;
}

bool splitKey(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return false;
    key = trim(line.substr(0, colon));
    value = trim(line.substr(colon + 1));
    return true;
}

bool finishCurve(Diagram& out, CurveKeys& k, const std::string& name, const CompanionReader& companion,
                 bool* pointsDropped) {
    k.curve.line.type[0] = k.lineDrawn ? (k.lineLetter.empty() ? 1 : lineKindFromLetter(k.lineLetter)) : 0;
    return addCurve(out, std::move(k.curve), name, companion, pointsDropped);
}

bool readKeyed(const std::vector<std::string>& lines, const CompanionReader& companion, Diagram& out,
               bool* pointsDropped) {
    std::size_t i = 1;
    DiagramKeys keys;
    bool ended = false;
    for (; i < lines.size(); ++i) {
        if (startsWithNoCase(lines[i], ".END")) {
            ended = true;
            ++i;
            break;
        }
        std::string_view key, value;
        if (splitKey(lines[i], key, value) && !applyDiagramKey(key, value, out, keys)) return false;
    }
    if (!ended) return false;
    out.labels[LegendSlot].placement = legendFromPosition(keys.plx, keys.ply);

    std::optional<CurveKeys> open;
    std::string name;
    for (; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (open) {
            if (!line.empty() && line[0] == '.') {
                if (!finishCurve(out, *open, name, companion, pointsDropped)) return false;
                open.reset();
                continue;
            }
            std::string_view key, value;
            if (splitKey(line, key, value) && !applyCurveKey(key, value, *open)) return false;
            continue;
        }
        std::string_view key, value;
        if (splitKey(line, key, value) && key == "NF") {
            open.emplace();
            name = std::string(value);
        }
    }
    // A last section cut short by the end of the file still holds its curve.
    if (open && !finishCurve(out, *open, name, companion, pointsDropped)) return false;
    return true;
}

bool readFixedOrder(const std::vector<std::string>& lines, const CompanionReader& companion, Diagram& out,
                    bool* pointsDropped) {
    constexpr std::size_t ItemCount = 14;
    if (lines.size() < 1 + ItemCount) return false;
    // Not trimmed: the column of each letter tells its direction.
    const std::string_view grid = lines[1];
    for (std::size_t dir = 0; dir < 2; ++dir)
        if (grid.size() > dir && (grid[dir] == 'G' || grid[dir] == 'g')) out.scales.axis[dir][0].mainGraduate = 3;
    out.labels[LegendSlot].placement = legendCornerCode(trim(lines[2]));

    for (std::size_t dir = 0; dir < 2; ++dir) {
        AxisScale& s = out.scales.axis[dir][0];
        const std::size_t at = 3 + 3 * dir;
        const std::string_view log = trim(lines[at]);
        s.kind = (startsWithNoCase(log, "LOG") || log == "O" || log == "o" || log == "1") ? 1 : 0;
        applyFormat(s, valueFormatFromLetter(trim(lines[at + 1])));
        std::string_view label = trim(lines[at + 2]);
        label = label.substr(0, std::min(label.size(), Kind7LabelLength));
        if (dir == 0) placeLabel(out, XLabelSlot, CentredPlacement, "&c", base::cp850ToWindows1252(label));
        else placeLabel(out, YLabelSlot, TopPlacement, "&r", base::cp850ToWindows1252(label));
    }
    double numbers[6] = {};
    for (std::size_t n = 0; n < 6; ++n)
        if (!parseLegacyNumber(lines[9 + n], numbers[n])) return false;
    for (std::size_t dir = 0; dir < 2; ++dir) {
        AxisScale& s = out.scales.axis[dir][0];
        s.origin = numbers[3 * dir];
        s.extremity = numbers[3 * dir + 1];
        s.step = numbers[3 * dir + 2];
    }
    for (std::size_t i = 1 + ItemCount; i < lines.size(); ++i) {
        const std::string_view name = trim(lines[i]);
        if (name.empty()) continue;
        // This generation drew the legend from the curve names.
        if (!addCurve(out, Curve{}, std::string(name), companion, pointsDropped,
                      out.labels[LegendSlot].placement >= 0))
            return false;
    }
    return true;
}

}  // namespace

bool parseLegacyNumber(std::string_view text, double& value) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 64) return false;
    char buffer[65];
    for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = text[i] == ',' ? '.' : text[i];
    double v = 0.0;
    const auto [end, ec] = std::from_chars(buffer, buffer + text.size(), v);
    if (ec != std::errc() || end != buffer + text.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool readPointList(std::string_view text, Curve& curve, bool* pointsDropped) {
    std::vector<Point> points;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t to = text.find('\n', from);
        if (to == std::string_view::npos) to = text.size();
        std::string_view line = text.substr(from, to - from);
        from = to + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trim(line);
        if (line.empty()) continue;
        const std::size_t cut = line.find_first_of(" \t;");
        if (cut == std::string_view::npos) return false;
        std::string_view second = trim(line.substr(cut + 1));
        if (!second.empty() && second.front() == ';') second = trim(second.substr(1));
        Point p;
        if (!parseLegacyNumber(line.substr(0, cut), p.x) || !parseLegacyNumber(second, p.y)) return false;
        if (points.size() < static_cast<std::size_t>(MaxPoints)) points.push_back(p);
        else if (pointsDropped) *pointsDropped = true;
    }
    curve.points = PointBuffer(points);
    return true;
}

bool readLegacyText(int kind, std::string_view text, const CompanionReader& companion, Diagram& out,
                    bool* pointsDropped) {
    const std::vector<std::string> lines = splitLines(text);
    return kind == 7 ? readFixedOrder(lines, companion, out, pointsDropped)
                     : readKeyed(lines, companion, out, pointsDropped);
}

}  // namespace ordinax::document::legacy
