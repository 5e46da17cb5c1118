// How a diagram comes on screen after new data.
#include "render/display_update.h"

#include "document/diagram_ops.h"
#include "render/scale_auto.h"

namespace ordinax::render {

void autoScalesOfMainSides(document::Diagram& diagram) {
    document::recomputeExtents(diagram);
    document::diagramDataRange(diagram, true, -1);
    autoScale(diagram, 0, diagram.scales.mainSide[0]);
    autoScale(diagram, 1, diagram.scales.mainSide[1]);
}

void showNewData(document::Diagram& diagram) {
    autoScalesOfMainSides(diagram);
    if (diagram.displayMode < 1 || diagram.displayMode > 3) diagram.displayMode = 1;
}

bool prepareFirstDisplay(document::Diagram& diagram) {
    if (diagram.displayMode >= 1 && diagram.displayMode <= 3) return false;
    // An empty diagram stays as it is: there is nothing to scale on.
    if (diagram.curveCount() == 0) return false;
    autoScalesOfMainSides(diagram);
    return true;
}

}  // namespace ordinax::render
