// Insertion, deletion and repositioning of titles, axis labels, legends and tags.
#include "document/label_slots.h"

#include <algorithm>

#include "base/text.h"
#include "document/diagram_ops.h"

namespace ordinax::document {

namespace {

LabelSlot& slotOf(Diagram& diagram, int slot) { return diagram.labels[static_cast<std::size_t>(slot)]; }
std::int32_t& rankOf(Diagram& diagram, int tag) { return diagram.tagOrder[static_cast<std::size_t>(tag)]; }

bool isTag(int tag) { return tag >= 0 && tag < TagCount; }
bool isTitleOrAxisLabel(int slot) { return slot >= LowerTitleSlot && slot <= RightYLabelSlot; }

// The highest rank in use, −1 without tags.
int topRank(const Diagram& diagram) {
    int top = -1;
    for (const std::int32_t rank : diagram.tagOrder) top = std::max(top, rank);
    return top;
}

}  // namespace

int yLabelPlacement(int slot, YLabelPosition position) {
    switch (position) {
        case YLabelPosition::Above: return slot == RightYLabelSlot ? 2 : 1;
        case YLabelPosition::Top: return 4;
        case YLabelPosition::Bottom: return 5;
        case YLabelPosition::Centred: return 6;
    }
    return 6;
}

int legendPlacementFromList(int listIndex) {
    if (listIndex == 0) return 1;
    if (listIndex == 1) return 0;
    return listIndex;
}

// The swap of the first two entries is its own inverse.
int legendListIndex(int placement) { return legendPlacementFromList(placement); }

bool isValidPlacement(int slot, int placement) {
    if (placement == -1) return slot >= 0 && slot < LabelSlotCount;
    switch (slot) {
        case LowerTitleSlot:
        case UpperTitleSlot:
        case LowerXLabelSlot:
        case UpperXLabelSlot: return placement >= PlaceLeft && placement <= PlaceCentred;
        case LeftYLabelSlot: return placement == 1 || (placement >= 4 && placement <= 6);
        case RightYLabelSlot: return placement == 2 || (placement >= 4 && placement <= 6);
        case LegendSlot: return placement >= 0 && placement < LegendPositionCount;
        default:
            return slot >= FirstTagSlot && slot < LabelSlotCount && placement >= PlaceLeft && placement <= PlaceCentred;
    }
}

std::string defaultSlotText(int slot, std::string_view unitText) {
    std::string text;
    if (slot == LowerTitleSlot || slot == UpperTitleSlot)
        text = "Titre";
    else if (slot == LowerXLabelSlot || slot == UpperXLabelSlot)
        text = "Axe des X";
    else if (slot == LeftYLabelSlot || slot == RightYLabelSlot)
        text = "Axe des Y";
    else if (slot >= FirstTagSlot && slot < LabelSlotCount)
        return "\xC9tiquette " + std::to_string(slot - FirstTagSlot + 1);  // "Étiquette n"
    else
        return text;
    if (!unitText.empty() && slot >= LowerXLabelSlot) {
        text += ' ';
        text += unitText;
    }
    return text;
}

std::string applyLegendCase(std::string_view text, LegendCase change) {
    std::string result(text);
    if (result.empty()) return result;
    switch (change) {
        case LegendCase::AsIs: break;
        case LegendCase::FirstUpper: result[0] = base::upperCase1252(result[0]); break;
        case LegendCase::FirstUpperRestLower:
            result[0] = base::upperCase1252(result[0]);
            for (std::size_t i = 1; i < result.size(); ++i) result[i] = base::lowerCase1252(result[i]);
            break;
        case LegendCase::AllLower:
            for (char& c : result) c = base::lowerCase1252(c);
            break;
    }
    return result;
}

std::string defaultLegendText(const Curve& curve, int curveIndex, const LegendTextOptions& options) {
    std::string text = curve.title;
    if (text.empty() || options.useCurveNumber) text = "Courbe n\xB0 " + std::to_string(curveIndex + 1);
    return options.fontCode + applyLegendCase(text, options.caseChange);
}

bool insertLabel(Diagram& diagram, int slot, int placement, std::string_view unitText) {
    if (!isTitleOrAxisLabel(slot) || placement < 0 || !isValidPlacement(slot, placement)) return false;
    LabelSlot& label = slotOf(diagram, slot);
    if (!label.text.empty()) return false;
    label.text = defaultSlotText(slot, unitText);
    label.placement = placement;
    updateLabelLineCounts(diagram);
    return true;
}

bool insertLegend(Diagram& diagram, int curveIndex, int placement, const LegendTextOptions& options) {
    if (curveIndex < 0 || curveIndex >= diagram.curveCount() || placement < 0 ||
        !isValidPlacement(LegendSlot, placement))
        return false;
    Curve& curve = diagram.curves[static_cast<std::size_t>(curveIndex)];
    curve.legend = defaultLegendText(curve, curveIndex, options);
    slotOf(diagram, LegendSlot).placement = placement;
    updateLabelLineCounts(diagram);
    return true;
}

int insertAllLegends(Diagram& diagram, int placement, const LegendTextOptions& options) {
    if (placement < 0 || !isValidPlacement(LegendSlot, placement)) return 0;
    int added = 0;
    for (int i = 0; i < diagram.curveCount(); ++i) {
        Curve& curve = diagram.curves[static_cast<std::size_t>(i)];
        if (!curve.legend.empty()) continue;
        curve.legend = defaultLegendText(curve, i, options);
        ++added;
    }
    LabelSlot& block = slotOf(diagram, LegendSlot);
    if (added > 0 && block.placement < 0) block.placement = placement;
    updateLabelLineCounts(diagram);
    return added;
}

int insertTag(Diagram& diagram, int alignment, const std::array<double, 2>& position) {
    if (alignment < PlaceLeft || alignment > PlaceCentred) return -1;
    const int top = topRank(diagram);
    for (int tag = 0; tag < TagCount; ++tag) {
        if (rankOf(diagram, tag) >= 0) continue;
        const int slot = FirstTagSlot + tag;
        LabelSlot& label = slotOf(diagram, slot);
        label.text = defaultSlotText(slot);
        label.placement = alignment;
        // Ranks are normally packed 0 .. n − 1; a damaged file may leave gaps.
        rankOf(diagram, tag) = std::min(top + 1, TagCount - 1);
        diagram.tagPosition[static_cast<std::size_t>(tag)] = position;
        updateLabelLineCounts(diagram);
        return tag;
    }
    return -1;
}

void deleteLabel(Diagram& diagram, int slot) {
    if (!isTitleOrAxisLabel(slot)) return;
    slotOf(diagram, slot).text.clear();
    updateLabelLineCounts(diagram);
}

void deleteAllLabels(Diagram& diagram) {
    for (int slot = LowerTitleSlot; slot <= RightYLabelSlot; ++slot) slotOf(diagram, slot).text.clear();
    updateLabelLineCounts(diagram);
}

void deleteLegend(Diagram& diagram, int curveIndex) {
    if (curveIndex < 0 || curveIndex >= diagram.curveCount()) return;
    diagram.curves[static_cast<std::size_t>(curveIndex)].legend.clear();
    updateLabelLineCounts(diagram);
}

void deleteAllLegends(Diagram& diagram) {
    for (Curve& curve : diagram.curves) curve.legend.clear();
    updateLabelLineCounts(diagram);
}

void deleteTag(Diagram& diagram, int tag) {
    if (!isTag(tag)) return;
    const int rank = rankOf(diagram, tag);
    if (rank >= 0) {
        for (int other = 0; other < TagCount; ++other)
            if (rankOf(diagram, other) > rank) --rankOf(diagram, other);
    }
    rankOf(diagram, tag) = -1;
    slotOf(diagram, FirstTagSlot + tag).text.clear();
    diagram.tagPosition[static_cast<std::size_t>(tag)] = {0.0, 0.0};
    updateLabelLineCounts(diagram);
}

void deleteAllTags(Diagram& diagram) {
    for (int tag = 0; tag < TagCount; ++tag) {
        rankOf(diagram, tag) = -1;
        slotOf(diagram, FirstTagSlot + tag).text.clear();
        diagram.tagPosition[static_cast<std::size_t>(tag)] = {0.0, 0.0};
    }
    updateLabelLineCounts(diagram);
}

bool repositionLabel(Diagram& diagram, int slot, int placement) {
    if (slot < 0 || slot >= LabelSlotCount || placement < 0 || !isValidPlacement(slot, placement)) return false;
    LabelSlot& label = slotOf(diagram, slot);
    if (label.placement < 0) return false;
    label.placement = placement;
    return true;
}

bool moveTag(Diagram& diagram, int tag, const std::array<double, 2>& position) {
    if (!isTag(tag) || rankOf(diagram, tag) < 0) return false;
    diagram.tagPosition[static_cast<std::size_t>(tag)] = position;
    return true;
}

int tagsInUse(const Diagram& diagram) {
    return static_cast<int>(std::count_if(diagram.tagOrder.begin(), diagram.tagOrder.end(),
                                          [](std::int32_t rank) { return rank >= 0; }));
}

bool raiseTag(Diagram& diagram, int tag) {
    if (!isTag(tag) || rankOf(diagram, tag) < 0) return false;
    const int rank = rankOf(diagram, tag);
    for (int other = 0; other < TagCount; ++other)
        if (other != tag && rankOf(diagram, other) > rank) --rankOf(diagram, other);
    rankOf(diagram, tag) = tagsInUse(diagram) - 1;
    return true;
}

bool lowerTag(Diagram& diagram, int tag) {
    if (!isTag(tag) || rankOf(diagram, tag) < 0) return false;
    const int rank = rankOf(diagram, tag);
    for (int other = 0; other < TagCount; ++other)
        if (other != tag && rankOf(diagram, other) >= 0 && rankOf(diagram, other) < rank) ++rankOf(diagram, other);
    rankOf(diagram, tag) = 0;
    return true;
}

}  // namespace ordinax::document
