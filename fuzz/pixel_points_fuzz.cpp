// Fuzz target of the positions read for an acquisition without a window: the
// list is parsed, its first four positions taken as reference points, and
// every position converted through that frame. Conversions must stay finite
// and within the value range, whatever the frame.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "acquisition/frame.h"
#include "acquisition/pixel_points.h"

using namespace ordinax::acquisition;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PixelPointList list = parsePixelPoints(text, 10000);
    if (list.points.size() > 10000) std::abort();
    if (list.points.size() < 3) return 0;
    ReferencePoints references;
    for (std::size_t i = 0; i < 4 && i < list.points.size(); ++i) references[i] = list.points[i];
    const std::optional<Frame> frame = computeFrame(references);
    if (!frame) return 0;
    const AxisValues axes[] = {{AxisKind::Linear, 0, 10}, checkedAxisValues({AxisKind::Logarithmic, -1, 0})};
    for (const PixelPoint& p : list.points) {
        for (const AxisValues& a : axes) {
            const DataPoint d = pictureToData(*frame, a, a, p.x, p.y);
            if (!(std::abs(d.x) <= 1e35) || !(std::abs(d.y) <= 1e35)) std::abort();
        }
    }
    return 0;
}
