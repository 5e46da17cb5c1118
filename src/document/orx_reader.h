// The layout reader shared by the in-memory and the file-backed paths.
#pragma once

#include "document/byte_cursor.h"
#include "document/orx_file.h"

namespace ordinax::document {

// Reads the current layout from the start of `in` (header included) into
// `out`, which the caller has reset from the defaults.
ReadResult readCurrentLayout(ByteCursor& in, FileFormat format, Diagram& out);

}  // namespace ordinax::document
