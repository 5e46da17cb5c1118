// Choices of the label, legend and tag dialogs.
#include "document/label_choices.h"

#include <array>

#include "document/diagram_ops.h"

namespace ordinax::document {

namespace {

constexpr std::array<PlacementOption, 3> HorizontalOptions = {{
    {PlaceLeft, "A gauche"},
    {PlaceRight, "A droite"},
    {PlaceCentred, "Centré"},
}};

// "Au-dessus" is 1 on the left axis and 2 on the right one.
constexpr std::array<PlacementOption, 4> LeftYOptions = {{
    {1, "Au-dessus"},
    {4, "En haut"},
    {5, "En bas"},
    {6, "Centré"},
}};
constexpr std::array<PlacementOption, 4> RightYOptions = {{
    {2, "Au-dessus"},
    {4, "En haut"},
    {5, "En bas"},
    {6, "Centré"},
}};

// List order of the legend positions with their codes (the first two swapped).
constexpr std::array<PlacementOption, LegendPositionCount> LegendOptions = {{
    {1, "Intérieur, en haut à gauche"},
    {0, "Intérieur, en haut à droite"},
    {2, "Intérieur, en bas à gauche"},
    {3, "Intérieur, en bas à droite"},
    {4, "Extérieur, en haut à gauche"},
    {5, "Extérieur, centré à gauche"},
    {6, "Extérieur, en bas à gauche"},
    {7, "Extérieur, en haut à droite"},
    {8, "Extérieur, centré à droite"},
    {9, "Extérieur, en bas à droite"},
}};

bool hasUnit(const Curve& curve, int axis) {
    return curve.unit[static_cast<std::size_t>(axis)].factorCount > 0;
}

}  // namespace

std::span<const PlacementOption> placementOptions(int slot) {
    if (slot == LeftYLabelSlot) return LeftYOptions;
    if (slot == RightYLabelSlot) return RightYOptions;
    if (slot == LegendSlot) return LegendOptions;
    if (slot >= 0 && slot < LabelSlotCount) return HorizontalOptions;
    return {};
}

int placementIndex(int slot, int code) {
    const auto options = placementOptions(slot);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].code == code) return static_cast<int>(i);
    const int fallback = defaultPlacement(slot);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].code == fallback) return static_cast<int>(i);
    return 0;
}

int defaultPlacement(int slot) {
    if (slot == LegendSlot) return 0;
    if (slot == LeftYLabelSlot || slot == RightYLabelSlot) return 6;
    return PlaceCentred;
}

std::vector<int> insertableLabelSlots(const Diagram& diagram) {
    std::vector<int> slots;
    for (int slot = LowerTitleSlot; slot <= RightYLabelSlot; ++slot)
        if (diagram.labels[static_cast<std::size_t>(slot)].text.empty()) slots.push_back(slot);
    return slots;
}

std::vector<int> shownLabelSlots(const Diagram& diagram) {
    std::vector<int> slots;
    for (int slot = LowerTitleSlot; slot <= RightYLabelSlot; ++slot)
        if (!diagram.labels[static_cast<std::size_t>(slot)].text.empty()) slots.push_back(slot);
    return slots;
}

std::vector<int> tagsShown(const Diagram& diagram) {
    std::vector<int> tags;
    for (int tag = 0; tag < TagCount; ++tag)
        if (diagram.tagOrder[static_cast<std::size_t>(tag)] >= 0) tags.push_back(tag);
    return tags;
}

std::vector<int> curvesWithoutLegend(const Diagram& diagram) {
    std::vector<int> curves;
    for (int i = 0; i < diagram.curveCount(); ++i)
        if (diagram.curves[static_cast<std::size_t>(i)].legend.empty()) curves.push_back(i);
    return curves;
}

std::vector<int> curvesWithLegend(const Diagram& diagram) {
    std::vector<int> curves;
    for (int i = 0; i < diagram.curveCount(); ++i)
        if (!diagram.curves[static_cast<std::size_t>(i)].legend.empty()) curves.push_back(i);
    return curves;
}

int axisOfLabelSlot(int slot) {
    if (slot == LowerXLabelSlot || slot == UpperXLabelSlot) return 0;
    if (slot == LeftYLabelSlot || slot == RightYLabelSlot) return 1;
    return -1;
}

int unitCurve(const Diagram& diagram, int slot, int selectedCurve) {
    const int axis = axisOfLabelSlot(slot);
    if (axis < 0) return -1;
    if (selectedCurve >= 0 && selectedCurve < diagram.curveCount() &&
        hasUnit(diagram.curves[static_cast<std::size_t>(selectedCurve)], axis))
        return selectedCurve;
    for (int i = 0; i < diagram.curveCount(); ++i)
        if (hasUnit(diagram.curves[static_cast<std::size_t>(i)], axis)) return i;
    return -1;
}

bool setSlotText(Diagram& diagram, int slot, std::string text) {
    if (slot < 0 || slot >= LabelSlotCount) return false;
    if (slot >= FirstTagSlot && text.empty()) {
        deleteTag(diagram, slot - FirstTagSlot);
        return true;
    }
    diagram.labels[static_cast<std::size_t>(slot)].text = std::move(text);
    updateLabelLineCounts(diagram);
    return true;
}

bool setLegendText(Diagram& diagram, int curve, std::string text) {
    if (curve < 0 || curve >= diagram.curveCount()) return false;
    diagram.curves[static_cast<std::size_t>(curve)].legend = std::move(text);
    updateLabelLineCounts(diagram);
    return true;
}

std::string insertionCaption(std::string_view caption, bool another) {
    const std::size_t bar = caption.find('|');
    if (bar == std::string_view::npos) return std::string(caption);
    std::string text(caption.substr(0, bar));
    if (another) text += caption.substr(bar + 1);
    return text;
}

std::array<double, 2> tagPositionFromPercent(double x, double y) {
    return {x * TagUnitsPerPercent, y * TagUnitsPerPercent};
}

std::array<double, 2> tagPercent(const Diagram& diagram, int tag) {
    if (tag < 0 || tag >= TagCount) return {0.0, 0.0};
    const auto& position = diagram.tagPosition[static_cast<std::size_t>(tag)];
    return {position[0] / TagUnitsPerPercent, position[1] / TagUnitsPerPercent};
}

}  // namespace ordinax::document
