// Message ids: derivative, integrals, length, y = f(x) and x = f(y).
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
};

}  // namespace ordinax::base
