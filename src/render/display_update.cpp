// How a diagram comes on screen after new data.
#include "render/display_update.h"

#include "render/scale_auto.h"

namespace ordinax::render {

void showNewData(document::Diagram& diagram) {
    autoScalesAllCurves(diagram);
    if (diagram.displayMode < 1 || diagram.displayMode > 3) diagram.displayMode = 1;
}

bool prepareFirstDisplay(document::Diagram& diagram) {
    if (diagram.displayMode >= 1 && diagram.displayMode <= 3) return false;
    // An empty diagram stays as it is: there is nothing to scale on.
    if (diagram.curveCount() == 0) return false;
    autoScalesAllCurves(diagram);
    return true;
}

}  // namespace ordinax::render
