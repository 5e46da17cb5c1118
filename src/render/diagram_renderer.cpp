// The drawing pass of a whole diagram. (Stand-in until the layout lands:
// fills the page white.)
#include "render/diagram_renderer.h"

namespace ordinax::render {

RenderResult drawDiagram(DrawDevice& device, const document::Diagram&, const RenderRequest& request) {
    RenderResult result;
    device.fillRect(request.pageRect, rgb(255, 255, 255));
    result.complete = true;
    return result;
}

}  // namespace ordinax::render
