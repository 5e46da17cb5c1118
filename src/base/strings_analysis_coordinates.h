// Message ids: coordinate tools of the points grid.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
};

}  // namespace ordinax::base
