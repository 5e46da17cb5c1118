// Lists and small rules of the scale dialog.
#include "render/scale_dialog_rules.h"

#include <algorithm>
#include <cstring>

#include "render/plot_mapping.h"

namespace ordinax::render {

namespace {

constexpr int SubdivisionList[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 15,
                                   20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100};

}  // namespace

std::span<const int> subdivisionCounts() {
    return SubdivisionList;
}

int kindCount(int direction) {
    return (direction & 1) == 1 ? 3 : 2;
}

int scaleTabIndex(int direction, int side) {
    for (std::size_t i = 0; i < ScaleTabs.size(); ++i)
        if (ScaleTabs[i].direction == (direction & 1) && ScaleTabs[i].side == (side & 1)) return static_cast<int>(i);
    return 0;
}

bool formatUsesDecimals(int format) {
    return format >= 3 && format <= 5;
}

int orientationFromList(int index) {
    if (index == 1) return 1;
    if (index == 2) return -1;
    return 0;
}

int orientationListIndex(int orientation) {
    if (orientation == 1) return 1;
    if (orientation == -1) return 2;
    return 0;
}

std::string customSymbolText(const document::AxisScale& scale) {
    const auto& buffer = scale.customSymbol;
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return std::string(buffer.begin(), end);
}

void setCustomSymbol(document::AxisScale& scale, std::string_view text) {
    scale.customSymbol = {};
    const std::size_t length = std::min<std::size_t>(text.size(), MaxCustomSymbolLength);
    // A zero byte would end the text early when it is read back.
    for (std::size_t i = 0; i < length && text[i] != '\0'; ++i) scale.customSymbol[i] = text[i];
}

void copyGraduationLook(document::Diagram& diagram, int direction, int side) {
    const document::AxisScale& from =
        diagram.scales.axis[static_cast<std::size_t>(direction & 1)][static_cast<std::size_t>(side & 1)];
    const base::LogFont font = from.font;
    const std::int32_t colour = from.colour;
    for (auto& pair : diagram.scales.axis)
        for (document::AxisScale& scale : pair) {
            scale.font = font;
            scale.colour = colour;
        }
}

bool setMainSide(document::Diagram& diagram, int direction, int side) {
    const std::size_t d = static_cast<std::size_t>(direction & 1);
    if (diagram.scales.axis[d][static_cast<std::size_t>(side & 1)].active == 0) return false;
    diagram.scales.mainSide[d] = side & 1;
    return true;
}

}  // namespace ordinax::render
