// A small diagram file written by hand from the layout table, next to the
// diagram it describes, also set field by field.
#pragma once

#include "orx_test_support.h"

namespace ordinax::document::test {

struct HandFile {
    ImageBuilder image;  // marks: "curveCount", "band0.text", "logo", "backPaint", "label0.paint",
                         // "tag1", "henry", "curve0.title", "curve0.pointCount", "curve0.symbol",
                         // "curve0.fit", "curve0.unitX", "curve0.unitX.record", "curve0.unitY",
                         // "curve0.function", "curve0.points"
    Diagram expected;    // reset from `defaults`, then every stored field set
};

// One curve of three points with an x unit and no y unit; "ASB_01" leaves
// out the logo block (the expected logo is then the defaults' one).
HandFile handFile(const DiagramDefaults& defaults, bool withLogo = true);

}  // namespace ordinax::document::test
