// Pieces of the diagram layout written and read on their own: the
// presentation fields (everything from the display mode to the Henry extent
// index, logo block included, without the curve count) and one curve record.
// The undo history stores its steps with them.
#pragma once

#include <cstdio>

#include "document/byte_cursor.h"
#include "document/diagram.h"

namespace ordinax::document {

// Writes the presentation fields of `diagram` to `out`; false on a write error.
bool writePresentation(std::FILE* out, const Diagram& diagram);

// Writes one curve record, points included; false on a write error.
bool writeCurve(std::FILE* out, const Curve& curve);

// Reads the presentation fields into `diagram` (its curves are untouched);
// false when the bytes are missing or damaged.
bool readPresentation(ByteCursor& in, Diagram& diagram);

// Reads one curve record into `curve`, reset first; false when damaged.
bool readCurve(ByteCursor& in, Curve& curve);

}  // namespace ordinax::document
