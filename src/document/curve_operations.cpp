// Whole-curve operations: new, duplicate, concatenate, delete, activate,
// delimit, select and information (reordering is in curve_order.cpp).
#include "document/curve_operations.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/strings.h"
#include "base/text.h"
#include "document/diagram_ops.h"

namespace ordinax::document {

namespace {

constexpr std::size_t MaxTitleLength = 512;

bool validIndex(const Diagram& diagram, int index) { return index >= 0 && index < diagram.curveCount(); }

// The valid indices among `indices`, each once, ascending (the list order).
std::vector<int> validSorted(const Diagram& diagram, std::span<const int> indices) {
    std::vector<int> out;
    for (int i : indices)
        if (validIndex(diagram, i)) out.push_back(i);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// Bookkeeping after curves were added or removed: default titles follow the
// new numbering, the legend block its line count, the data range the curves.
void afterCurveSetChange(Diagram& diagram) {
    renumberDefaultTitles(diagram);
    updateLabelLineCounts(diagram);
    diagramDataRange(diagram, true, -1);
}

std::string limitedTitle(std::string_view title) {
    return std::string(title.substr(0, std::min(title.size(), MaxTitleLength)));
}

}  // namespace

base::Message diagramFullMessage() { return base::makeMessage(base::MsgDiagramFull, base::Heading::Error); }

CurveOpResult newCurve(Diagram& diagram, const DiagramDefaults& defaults, int selected) {
    if (diagram.curveCount() >= MaxCurves) return {false, selected, diagramFullMessage()};
    const AllocateResult slot = allocateCurve(diagram, defaults, selected);
    if (slot.full) return {false, selected, diagramFullMessage()};
    return {true, slot.index, {}};
}

CurveOpResult duplicateCurve(Diagram& diagram, int source, std::string_view title, int selected) {
    if (!validIndex(diagram, source)) return {false, selected, {}};
    if (diagram.curveCount() >= MaxCurves) return {false, selected, diagramFullMessage()};
    // Copied before the vector grows: a reference into it would dangle.
    Curve copy = diagram.curves[static_cast<std::size_t>(source)];
    copy.title = limitedTitle(title);
    // A family has a single holder of its definition: the copy of the holder
    // stands alone with the default settings.
    if (copy.function.functionId != 0 && copy.function.parametric != 0) copy.function = FunctionDef{};
    diagram.curves.push_back(std::move(copy));
    afterCurveSetChange(diagram);
    return {true, diagram.curveCount() - 1, {}};
}

CurveOpResult concatenateCurves(Diagram& diagram, std::span<const int> sources, std::string_view title,
                                const SymbolStyle& defaultSymbol, int selected) {
    if (diagram.curveCount() >= MaxCurves) return {false, selected, diagramFullMessage()};
    const std::vector<int> chosen = validSorted(diagram, sources);
    if (chosen.empty()) return {false, selected, {}};
    // Summed in 64 bits so that many large curves cannot wrap below the limit.
    std::int64_t total = 0;
    for (int i : chosen) total += diagram.curves[static_cast<std::size_t>(i)].pointCount();
    if (total > MaxPoints) {
        return {false, selected,
                base::makeMessage(base::MsgConcatenationTooBig, base::Heading::Error, std::to_string(MaxPoints))};
    }
    Curve merged;
    resetCurve(merged);
    std::span<Point> out = merged.points.assignUninitialised(static_cast<std::size_t>(total));
    std::size_t at = 0;
    for (int i : chosen) {
        const std::span<const Point> in = diagram.curves[static_cast<std::size_t>(i)].points.view();
        std::copy(in.begin(), in.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
        at += in.size();
    }
    merged.symbol = defaultSymbol;
    merged.title = limitedTitle(title);
    curveExtent(diagram, merged, -1);
    diagram.curves.push_back(std::move(merged));
    afterCurveSetChange(diagram);
    return {true, diagram.curveCount() - 1, {}};
}

base::Message deleteCurvesConfirmation(int count) {
    base::Message m = base::makeMessage(base::MsgDeleteCurvesConfirm, base::Heading::Warning);
    m.text = base::expandPlural(count, m.text);
    return m;
}

base::Message deleteFunctionsConfirmation(int count) {
    base::Message m = base::makeMessage(base::MsgDeleteFunctionsConfirm, base::Heading::Warning);
    m.text = base::expandPlural(count, m.text);
    return m;
}

CurveOpResult deleteCurves(Diagram& diagram, std::span<const int> indices, int selected) {
    const std::vector<int> chosen = validSorted(diagram, indices);
    if (chosen.empty()) return {false, selected, {}};
    // From the highest index down, so the indices still to remove stay valid.
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        const int index = *it;
        diagram.curves.erase(diagram.curves.begin() + index);
        if (selected >= index) selected = -1;  // deleted, or moved down one slot
    }
    if (diagram.curveCount() == 1) selected = 0;
    if (diagram.curveCount() == 0) selected = -1;
    afterCurveSetChange(diagram);
    return {true, selected, {}};
}

CurveOpResult deleteFunctions(Diagram& diagram, std::span<const int> indices, int selected) {
    bool changed = false;
    for (int i : validSorted(diagram, indices)) {
        const std::int32_t id = diagram.curves[static_cast<std::size_t>(i)].function.functionId;
        if (id == 0) continue;
        for (Curve& c : diagram.curves) {
            if (c.function.functionId != id) continue;
            c.function.functionId = 0;
            changed = true;
        }
    }
    return {changed, selected, {}};
}

bool setActiveCurves(Diagram& diagram, const std::vector<bool>& active) {
    bool changed = false;
    const std::size_t n = std::min(active.size(), diagram.curves.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t hidden = active[i] ? 0 : 1;
        if (diagram.curves[i].hidden == hidden) continue;
        diagram.curves[i].hidden = hidden;
        changed = true;
    }
    diagramDataRange(diagram, true, -1);
    return changed;
}

CurveBounds defaultBounds() { return {{{-ValueLimit, ValueLimit}, {-ValueLimit, ValueLimit}}}; }

CurveBounds extentBounds(const Diagram& diagram, int curve) {
    if (!validIndex(diagram, curve) || diagram.curves[static_cast<std::size_t>(curve)].points.empty())
        return defaultBounds();  // no points, no extent: the open bounds
    Curve probe = diagram.curves[static_cast<std::size_t>(curve)];  // points shared, not copied
    curveExtent(diagram, probe, -1);
    return probe.extent;
}

bool delimitCurves(Diagram& diagram, int selected, CurveBounds bounds, bool allCurves, bool excludePoints) {
    const bool every = allCurves || selected == -1;
    if (!every && !validIndex(diagram, selected)) return false;
    for (auto& direction : bounds)
        if (direction[0] > direction[1]) std::swap(direction[0], direction[1]);
    for (int i = 0; i < diagram.curveCount(); ++i) {
        if (!every && i != selected) continue;
        Curve& c = diagram.curves[static_cast<std::size_t>(i)];
        c.bounds = bounds;
        c.excludePoints = excludePoints ? 1 : 0;
    }
    return diagram.curveCount() > 0;
}

int selectCurve(const Diagram& diagram, int chosen, int selected) {
    return validIndex(diagram, chosen) ? chosen : selected;
}

std::optional<CurveInformation> curveInformation(const Diagram& diagram, int selected) {
    if (!validIndex(diagram, selected)) return std::nullopt;
    Curve probe = diagram.curves[static_cast<std::size_t>(selected)];  // points shared, not copied
    curveExtent(diagram, probe, -1);
    return CurveInformation{probe.title, probe.pointCount(), probe.extent};
}

}  // namespace ordinax::document
