// Rules of the curve menu's dialogs.
#include "document/curve_dialog_rules.h"

#include <algorithm>
#include <cstdio>

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/strings_curves.h"
#include "document/curve_style_rules.h"
#include "document/diagram_ops.h"

namespace ordinax::document {

namespace {

constexpr std::size_t MaxTitleLength = 512;

bool validIndex(const Diagram& diagram, int index) { return index >= 0 && index < diagram.curveCount(); }

std::string limited(std::string text) {
    if (text.size() > MaxTitleLength) text.resize(MaxTitleLength);
    return text;
}

}  // namespace

std::string titleOrDefault(std::string_view typed, int index) {
    const bool blank = std::all_of(typed.begin(), typed.end(), [](char c) { return c == ' ' || c == '\t'; });
    if (!blank) return limited(std::string(typed));
    char title[64];
    std::snprintf(title, sizeof title, DefaultCurveTitle, index + 1);
    return title;
}

std::string duplicateTitle(const Curve& source) {
    const std::string pattern = base::utf8ToWindows1252Lossy(base::messageText(base::MsgDuplicateTitle));
    std::string title = pattern;
    if (const auto at = title.find("%s"); at != std::string::npos) title.replace(at, 2, source.title);
    return limited(std::move(title));
}

std::string concatenateTitle() {
    return base::utf8ToWindows1252Lossy(base::messageText(base::MsgConcatenateTitle));
}

bool canDuplicate(const Diagram& diagram, int chosen) { return validIndex(diagram, chosen); }

bool canConcatenate(std::span<const int> chosen) {
    std::vector<int> distinct(chosen.begin(), chosen.end());
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    return distinct.size() >= 2;
}

bool anyFunction(const Diagram& diagram, std::span<const int> chosen) {
    return std::any_of(chosen.begin(), chosen.end(), [&](int i) {
        return validIndex(diagram, i) && diagram.curves[static_cast<std::size_t>(i)].function.functionId != 0;
    });
}

OrderButtons orderButtons(int position, int count) {
    OrderButtons b;
    b.sort = count >= 2;
    if (position < 0 || position >= count) return b;
    b.top = b.up = position > 0;
    b.down = b.bottom = position < count - 1;
    return b;
}

DelimitStart delimitStart(const Diagram& diagram, int selected) {
    DelimitStart start;
    start.bounds = defaultBounds();
    const bool single = validIndex(diagram, selected);
    const int shown = single ? selected : 0;
    if (validIndex(diagram, shown)) {
        const Curve& c = diagram.curves[static_cast<std::size_t>(shown)];
        start.bounds = c.bounds;
        start.excludePoints = c.excludePoints != 0;
    }
    start.allCurves = start.allCurvesFixed = !single;
    return start;
}

CurveBounds delimitExtent(const Diagram& diagram, int selected) {
    if (validIndex(diagram, selected)) return extentBounds(diagram, selected);
    CurveBounds all = defaultBounds();
    bool any = false;
    for (int i = 0; i < diagram.curveCount(); ++i) {
        if (diagram.curves[static_cast<std::size_t>(i)].points.empty()) continue;
        const CurveBounds one = extentBounds(diagram, i);
        for (int d = 0; d < 2; ++d) {
            all[d][0] = any ? std::min(all[d][0], one[d][0]) : one[d][0];
            all[d][1] = any ? std::max(all[d][1], one[d][1]) : one[d][1];
        }
        any = true;
    }
    return all;
}

std::vector<InformationLine> informationLines(const Diagram& diagram, int curve) {
    std::vector<InformationLine> lines;
    const auto info = curveInformation(diagram, curve);
    if (!info) return lines;
    lines.push_back({"Titre :", base::windows1252ToUtf8(info->title)});
    lines.push_back({"Nombre de points :", std::to_string(info->pointCount)});
    const bool none = info->pointCount == 0;
    const std::string nothing(base::messageText(base::MsgInfoNoPoint));
    const char* const labels[4] = {"x mini =", "x maxi =", "y mini =", "y maxi ="};
    for (int d = 0; d < 2; ++d)
        for (int m = 0; m < 2; ++m)
            lines.push_back({labels[d * 2 + m], none ? nothing : base::numberText(info->extent[d][m])});
    return lines;
}

CurveOpResult newManualCurve(Diagram& diagram, const DiagramDefaults& defaults, const SymbolStyle& symbol,
                             const LineStyle& line, bool changeSymbol, int selected) {
    CurveOpResult r = newCurve(diagram, defaults, selected);
    if (!r.changed) return r;
    Curve& curve = diagram.curves[static_cast<std::size_t>(r.selected)];
    const CurveStyle style = newCurveStyle(symbol, line, changeSymbol, r.selected);
    curve.symbol = style.symbol;
    curve.line = style.line;
    curve.title = titleOrDefault({}, r.selected);
    if (diagram.displayMode < 1 || diagram.displayMode > 3) diagram.displayMode = 1;
    return r;
}

CurveOpResult takeCurve(Diagram& diagram, const Curve& source, int selected) {
    if (diagram.curveCount() >= MaxCurves) return {false, selected, diagramFullMessage()};
    Curve copy = source;  // the points are shared until one side writes them
    if (copy.function.functionId != 0) {
        std::int32_t highest = 0;
        for (const Curve& c : diagram.curves) highest = std::max(highest, c.function.functionId);
        copy.function.functionId = highest + 1;
        // A family holder alone in this diagram would hold nothing.
        if (copy.function.parametric != 0) copy.function = FunctionDef{};
    }
    diagram.curves.push_back(std::move(copy));
    curveExtent(diagram, diagram.curveCount() - 1, -1);
    renumberDefaultTitles(diagram);
    updateLabelLineCounts(diagram);
    diagramDataRange(diagram, true, -1);
    if (diagram.displayMode < 1 || diagram.displayMode > 3) diagram.displayMode = 1;
    return {true, diagram.curveCount() - 1, {}};
}

int commandCurve(const Diagram& diagram, int selected) {
    if (validIndex(diagram, selected)) return selected;
    return diagram.curveCount() == 1 ? 0 : -1;
}

}  // namespace ordinax::document
