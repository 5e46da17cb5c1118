// Labels of test diagrams: a slot's placement code and text.
#pragma once

#include <cstddef>
#include <string>

#include "document/diagram.h"

namespace ordinax::render::fixtures {

inline void setLabel(document::Diagram& diagram, int slot, int placement, const std::string& text) {
    diagram.labels[static_cast<std::size_t>(slot)].placement = placement;
    diagram.labels[static_cast<std::size_t>(slot)].text = text;
}

}  // namespace ordinax::render::fixtures
