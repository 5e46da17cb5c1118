// A diagram whose every field holds a value other than its default, chosen so
// that opening the saved file recomputes nothing differently.
#pragma once

#include "document/diagram.h"

namespace ordinax::cli::test {

// Two curves with points, units, fits and functions; all 17 labels, all 10
// tags, the four scales and the page settings set away from their defaults.
// Texts hold Windows-1252 bytes above 0x7F (the markup byte 0xB6 among them).
document::Diagram filledDiagram();

}  // namespace ordinax::cli::test
