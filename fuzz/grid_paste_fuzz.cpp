// Fuzz target of pasting clipboard text into the coordinates grid: the
// first bytes choose the curve's size and the selection, the rest is the
// clipboard text. A refusal must leave the grid as it was; a paste must keep
// one flag per point and no more points than the curve can hold.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "exchange/grid_paste.h"

using namespace ordinax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::vector<document::Point> points(data[0] % 8);
    for (std::size_t i = 0; i < points.size(); ++i) points[i] = {static_cast<double>(i), static_cast<double>(i) * 2};
    document::Curve curve;
    curve.points = document::PointBuffer(points);
    document::GridCurve grid = document::GridCurve::of(curve);
    document::GridSelection selection;
    if (data[1] & 1) {
        selection.left = 1 + (data[1] >> 1) % 2;
        selection.right = 1 + (data[1] >> 2) % 2;
        selection.top = data[2] % 10;
        selection.bottom = data[3] % 10;
    }
    const document::GridCurve before = grid;
    const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
    const exchange::PasteResult r = exchange::pasteCells(grid, selection, (data[1] & 0x80) ? std::nullopt
                                                                                          : std::optional(text));
    if (!r.changed) {
        if (!(grid == before) || r.message.empty()) std::abort();
        return 0;
    }
    const auto n = static_cast<std::size_t>(grid.pointCount());
    if (grid.xFlags.size() != n || grid.yFlags.size() != n || grid.pointCount() > document::MaxPoints) std::abort();
    return 0;
}
