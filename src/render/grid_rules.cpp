// The rules of the grid dialog.
#include "render/grid_rules.h"

#include <algorithm>

#include "render/plot_mapping.h"

namespace ordinax::render {

namespace {

const document::AxisScale& scaleAt(const document::Diagram& diagram, int direction, int side) {
    return diagram.scales.axis[static_cast<std::size_t>(direction & 1)][static_cast<std::size_t>(side & 1)];
}

}  // namespace

int mainSideOf(const document::Scales& scales, int direction) {
    const auto& pair = scales.axis[static_cast<std::size_t>(direction & 1)];
    const bool active0 = pair[0].active != 0;
    const bool active1 = pair[1].active != 0;
    if (active0 != active1) return active0 ? 0 : 1;
    if (!active0) return 0;
    return scales.mainSide[static_cast<std::size_t>(direction & 1)] == 1 ? 1 : 0;
}

int graduationMode(bool inner, bool outer, bool grid) {
    if (grid) return 3;
    if (inner && outer) return 2;
    if (outer) return 1;
    if (inner) return 0;
    return -1;
}

GridChoice readGridChoice(const document::Diagram& diagram, int direction) {
    const document::AxisScale& scale = scaleAt(diagram, direction, mainSideOf(diagram.scales, direction));
    GridChoice choice;
    const int mode = scale.mainGraduate;
    choice.innerTicks = mode == 0 || mode == 2;
    choice.outerTicks = mode == 1 || mode == 2;
    choice.mainGrid = mode == 3;
    choice.mainGridStyle = std::clamp(scale.mainGraduateLine, 0, GridLineStyleCount - 1);
    choice.subGrid = scale.subGraduate != 0;
    choice.subGridStyle = std::clamp(scale.subGraduateLine, 0, GridLineStyleCount - 1);
    choice.graduateBoth = scale.graduateBoth != 0;
    choice.dashLength = diagram.dashLength[static_cast<std::size_t>(direction & 1)];
    return choice;
}

GridOffers gridOffers(const document::Diagram& diagram, int direction, const GridChoice& choice) {
    const int main = mainSideOf(diagram.scales, direction);
    const document::AxisScale& scale = scaleAt(diagram, direction, main);
    const document::AxisScale& facing = scaleAt(diagram, direction, 1 - main);
    GridOffers offers;
    offers.ticks = !choice.mainGrid;
    offers.mainGridStyle = choice.mainGrid;
    const bool subdivided = scale.kind == ScaleLog || (scale.kind == ScaleLin && scale.subdivisionIndex > 0);
    offers.subGrid = choice.mainGrid && subdivided;
    offers.subGridStyle = offers.subGrid && choice.subGrid;
    offers.graduateBoth = facing.active == 0;
    return offers;
}

void applyGridChoice(document::Diagram& diagram, int direction, const GridChoice& choice) {
    const GridOffers offers = gridOffers(diagram, direction, choice);
    const int main = mainSideOf(diagram.scales, direction);
    document::AxisScale& scale =
        diagram.scales.axis[static_cast<std::size_t>(direction & 1)][static_cast<std::size_t>(main)];
    scale.mainGraduate = graduationMode(choice.innerTicks, choice.outerTicks, choice.mainGrid);
    scale.mainGraduateLine = std::clamp(choice.mainGridStyle, 0, GridLineStyleCount - 1);
    scale.subGraduate = offers.subGrid && choice.subGrid ? 1 : 0;
    scale.subGraduateLine = std::clamp(choice.subGridStyle, 0, GridLineStyleCount - 1);
    if (offers.graduateBoth) scale.graduateBoth = choice.graduateBoth ? 1 : 0;
    diagram.dashLength[static_cast<std::size_t>(direction & 1)] =
        std::clamp(choice.dashLength, MinDashLength, MaxDashLength);
}

}  // namespace ordinax::render
