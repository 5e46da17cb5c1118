// Message ids: smoothing, Fourier series and spectra.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
};

}  // namespace ordinax::base
