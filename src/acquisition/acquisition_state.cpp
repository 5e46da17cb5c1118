// What the acquisition window's buttons and mouse do.
#include "acquisition/acquisition_state.h"

#include <algorithm>
#include <cstdint>

#include "base/format.h"
#include "base/strings.h"
#include "base/strings_data.h"

namespace ordinax::acquisition {

bool addClickedPoint(AcquisitionState& state, PixelPoint at) {
    if (static_cast<long long>(state.points.size()) >= document::MaxPoints) {
        state.lastClick.reset();
        return false;
    }
    state.points.push_back(at);
    state.lastClick = at;
    return true;
}

bool removeNearestPoint(AcquisitionState& state, PixelPoint at) {
    if (state.points.empty()) return false;
    auto squared = [&](const PixelPoint& p) {
        const std::int64_t dx = p.x - at.x, dy = p.y - at.y;
        return dx * dx + dy * dy;
    };
    const auto nearest = std::min_element(state.points.begin(), state.points.end(),
                                          [&](const PixelPoint& a, const PixelPoint& b) { return squared(a) < squared(b); });
    state.points.erase(nearest);
    return true;
}

PlaceOutcome placeReference(AcquisitionState& state, int index) {
    if (!state.lastClick || index < 0 || index >= ReferenceCount) return PlaceOutcome::NoClick;
    const PixelPoint at = *state.lastClick;
    for (int i = 0; i < ReferenceCount; ++i)
        if (i != index && state.references[static_cast<std::size_t>(i)].isSet() &&
            state.references[static_cast<std::size_t>(i)] == at)
            return PlaceOutcome::AlreadyUsed;
    state.references[static_cast<std::size_t>(index)] = at;
    // The click that marked the place is no curve point. A right click may
    // have removed it since: then the other points stay.
    const auto it = std::find(state.points.rbegin(), state.points.rend(), at);
    if (it != state.points.rend()) state.points.erase(std::next(it).base());
    state.lastClick.reset();
    return PlaceOutcome::Placed;
}

void deleteClickedPoints(AcquisitionState& state) {
    state.points.clear();
}

std::optional<Frame> stateFrame(const AcquisitionState& state) {
    return computeFrame(state.references);
}

std::optional<DataPoint> valueAt(const AcquisitionState& state, double px, double py) {
    const std::optional<Frame> frame = stateFrame(state);
    if (!frame) return std::nullopt;
    return pictureToData(*frame, checkedAxisValues(state.xAxis), checkedAxisValues(state.yAxis), px, py);
}

std::string readoutText(const DataPoint& point) {
    return base::formatPrintf("x = %+g - y = %+g", point.x, point.y);
}

ConversionResult convertClickedPoints(const AcquisitionState& state) {
    ConversionResult result;
    const std::optional<Frame> frame = stateFrame(state);
    if (!frame) {
        result.message = base::makeMessage(base::MsgAcquisitionFrameInvalid, base::Heading::Error);
        return result;
    }
    if (state.points.empty()) {
        result.message = base::makeMessage(base::MsgAcquisitionNoPoint, base::Heading::Error);
        return result;
    }
    const AxisValues x = checkedAxisValues(state.xAxis);
    const AxisValues y = checkedAxisValues(state.yAxis);
    result.points.reserve(state.points.size());
    for (const PixelPoint& p : state.points) {
        const DataPoint d = pictureToData(*frame, x, y, p.x, p.y);
        result.points.push_back({d.x, d.y});
    }
    result.ok = true;
    return result;
}

void fillAcquiredCurve(document::Curve& curve, const std::vector<document::Point>& points, const std::string& title) {
    curve.points = document::PointBuffer(points);
    curve.title = title;
}

}  // namespace ordinax::acquisition
