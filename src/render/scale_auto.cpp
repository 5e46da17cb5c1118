// Automatic bounds and formats of the scales and the scale dialog's buttons.
#include "render/scale_auto.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "base/format.h"
#include "document/diagram_ops.h"
#include "render/plot_mapping.h"

namespace ordinax::render {

namespace {

struct Row {
    double p;
    double z;
    double phi;
};

constexpr Row Rows[] = {
    {0.6, 0.25, 0.5987},  {0.7, 0.53, 0.7019},  {0.8, 0.84, 0.7995},  {0.85, 1.04, 0.8508}, {0.9, 1.29, 0.9015},
    {0.95, 1.65, 0.9505}, {0.96, 1.75, 0.9599}, {0.97, 1.88, 0.9699}, {0.98, 2.05, 0.9798}, {0.99, 2.33, 0.9901},
    {0.995, 2.57, 0.9949}, {0.998, 2.88, 0.998}, {0.999, 3.09, 0.999},
};

constexpr double DataLimit = 1.0e35;
// Candidate steps tried per decade: 1, 2 and 5 times a power of ten.
constexpr double StepMantissas[] = {1.0, 2.0, 5.0};
// Enough candidates to go from the first decade past any finite span.
constexpr int MaxStepCandidates = 3 * 400;

const Row* rowAt(int row) {
    if (row < ProbabilityTable::FirstRow || row > ProbabilityTable::LastRow) return nullptr;
    return &Rows[row - 1];
}

document::AxisScale& scaleOf(document::Diagram& diagram, int direction, int side) {
    return diagram.scales.axis[static_cast<std::size_t>(direction & 1)][static_cast<std::size_t>(side & 1)];
}

double clampData(double v) {
    if (std::isnan(v)) return 0.0;
    return std::clamp(v, -DataLimit, DataLimit);
}

void autoLin(document::AxisScale& scale, double min, double max) {
    if (min == max) {
        scale.origin = min - 10.0;
        scale.extremity = max + 10.0;
        scale.step = 2.0;
        return;
    }
    const int l = static_cast<int>(std::trunc(std::log10(max - min))) - 1;
    double s = 0.0;
    for (int i = 0; i < MaxStepCandidates; ++i) {
        s = StepMantissas[i % 3] * std::pow(10.0, l + i / 3);
        if (s == 0.0) continue;  // a power of ten below the smallest double
        if (max / s - min / s <= 10.0) break;
    }
    if (!(s > 0.0) || !std::isfinite(s)) {
        // No usable step (a span near the smallest doubles): the bounds of a
        // single point rather than a division by zero.
        scale.origin = min - 10.0;
        scale.extremity = max + 10.0;
        scale.step = 2.0;
        return;
    }
    scale.origin = std::floor(min / s) * s;
    scale.extremity = std::ceil(max / s) * s;
    scale.step = s;
}

void autoLog(document::AxisScale& scale, double min, double max) {
    scale.origin = min > 0.0 ? std::pow(10.0, std::floor(std::log10(min))) : 0.1;
    scale.extremity = max > 0.0 ? std::pow(10.0, std::ceil(std::log10(max))) : 10.0;
    // A single power of ten (or only non-positive data above it) would leave
    // a scale without extent, on which nothing can be placed: one decade.
    if (!(scale.extremity > scale.origin)) scale.extremity = scale.origin * 10.0;
    scale.step = 1.0;
}

int autoHenry(document::AxisScale& scale, double min, double max) {
    int r = 3;
    while (r < ProbabilityTable::LastRow &&
           (1.0 - ProbabilityTable::probability(r) >= min || !(ProbabilityTable::probability(r) > max)))
        ++r;
    scale.origin = 1.0 - ProbabilityTable::probability(r);
    scale.extremity = ProbabilityTable::probability(r);
    scale.step = 0.01;
    return r;
}

}  // namespace

double ProbabilityTable::probability(int row) {
    const Row* r = rowAt(row);
    return r ? r->p : 0.5;
}

double ProbabilityTable::quantile(int row) {
    const Row* r = rowAt(row);
    return r ? r->z : 0.0;
}

double ProbabilityTable::tabulated(int row) {
    const Row* r = rowAt(row);
    return r ? r->phi : 0.5;
}

void autoScale(document::AxisScale& scale, double min, double max, int& henryExtentIndex) {
    min = clampData(min);
    max = clampData(max);
    if (min > max) std::swap(min, max);
    switch (scale.kind) {
    case ScaleLog: autoLog(scale, min, max); break;
    case ScaleHenry: henryExtentIndex = autoHenry(scale, min, max); break;
    default: autoLin(scale, min, max); break;
    }
}

void autoScale(document::Diagram& diagram, int direction, int side) {
    const auto& range = diagram.dataRange[static_cast<std::size_t>(direction & 1)];
    int henryIndex = diagram.henryExtentIndex;
    // Without points the range is still "nothing" (min above max): the
    // scale gets an ordinary extent instead of ±1e35.
    const bool empty = !(range[0] <= range[1]);
    autoScale(scaleOf(diagram, direction, side), empty ? EmptyRangeMin : range[0], empty ? EmptyRangeMax : range[1],
              henryIndex);
    // The probability extent is a field of the Y direction only.
    if ((direction & 1) == 1) diagram.henryExtentIndex = henryIndex;
}

void autoFormat(document::AxisScale& scale) {
    if (scale.kind == ScaleLog) {
        scale.format = 4;
        scale.decimals = 2;
        return;
    }
    if (scale.kind == ScaleHenry) {
        scale.format = 5;
        scale.decimals = 2;
        return;
    }
    const std::string text = base::trimmedNumberText(scale.step);
    const std::size_t e = text.find_first_of("eE");
    const std::size_t point = text.find('.');
    if (e == std::string::npos) {
        if (point == std::string::npos) {
            scale.format = 2;
            scale.decimals = 0;
            return;
        }
        const int after = static_cast<int>(text.size() - point - 1);
        if (after <= 5) {
            scale.format = 3;
            scale.decimals = after;
        } else {
            scale.format = 4;
            scale.decimals = 3;
        }
        return;
    }
    const int after = point == std::string::npos || point > e ? 0 : static_cast<int>(e - point - 1);
    scale.format = 4;
    scale.decimals = std::min(after, 3);
}

void settleScales(document::Scales& scales) {
    for (std::size_t d = 0; d < 2; ++d) {
        auto& pair = scales.axis[d];
        const bool active0 = pair[0].active != 0;
        const bool active1 = pair[1].active != 0;
        std::int32_t& main = scales.mainSide[d];
        if (active0 != active1) {
            main = active0 ? 0 : 1;
        } else if (active0) {
            if (main != 0 && main != 1) main = 0;
        } else {
            pair[0].active = 1;
            main = 0;
        }
        document::AxisScale& mainScale = pair[static_cast<std::size_t>(main)];
        document::AxisScale& facing = pair[static_cast<std::size_t>(1 - main)];
        if (mainScale.kind == ScaleLin && mainScale.subdivisionIndex == 0) mainScale.subGraduate = 0;
        facing.mainGraduate = mainScale.mainGraduate >= 0 && mainScale.mainGraduate <= 2 ? mainScale.mainGraduate : 0;
    }
}

void autoScalesAllCurves(document::Diagram& diagram) {
    // The extents are brought up to date first: the range must be that of
    // the points as they are now, not as they were last measured.
    document::recomputeExtents(diagram);
    document::diagramDataRange(diagram, true, -1);
    for (int d = 0; d < 2; ++d)
        for (int s = 0; s < 2; ++s) {
            autoScale(diagram, d, s);
            autoFormat(scaleOf(diagram, d, s));
        }
}

void defaultScale(document::Diagram& diagram, int direction, int side) {
    document::AxisScale& scale = scaleOf(diagram, direction, side);
    scale.kind = ScaleLin;
    scale.subdivisionIndex = 0;
    scale.symbol = 0;
    scale.orientation = 0;
    scale.customSymbol = {};
    scale.thousands = 0;
    autoScale(diagram, direction, side);
    autoFormat(scale);
}

void reducedScale(document::Diagram& diagram, int direction, int side) {
    autoScale(diagram, direction, side);
    autoFormat(scaleOf(diagram, direction, side));
}

void extendedScale(document::Diagram& diagram, int direction, int side) {
    document::AxisScale& scale = scaleOf(diagram, direction, side);
    scale.origin = 0.001;
    scale.extremity = 0.999;
    scale.step = 0.01;
    diagram.henryExtentIndex = ProbabilityTable::LastRow;
}

void duplicateFacingScale(document::Diagram& diagram, int direction, int side) {
    const document::AxisScale from = scaleOf(diagram, direction, 1 - (side & 1));
    document::AxisScale& to = scaleOf(diagram, direction, side);
    to.kind = from.kind;
    to.origin = from.origin;
    to.extremity = from.extremity;
    to.step = from.step;
    to.subdivisionIndex = from.subdivisionIndex;
    to.format = from.format;
    to.decimals = from.decimals;
    to.symbol = from.symbol;
    to.orientation = from.orientation;
    to.customSymbol = from.customSymbol;
    to.thousands = from.thousands;
}

void changeFormat(document::AxisScale& scale, int format) {
    scale.format = format;
    scale.decimals = 2;
}

bool changeKind(document::Diagram& diagram, int direction, int side, int kind) {
    if (kind < ScaleLin || kind > ScaleHenry) return false;
    if (kind == ScaleHenry && (direction & 1) == 0) return false;
    scaleOf(diagram, direction, side).kind = kind;
    reducedScale(diagram, direction, side);
    return true;
}

void prepareShownScale(document::Diagram& diagram, int direction, int side) {
    document::AxisScale& scale = scaleOf(diagram, direction, side);
    if (scale.step != 0.0) return;
    scale.kind = ScaleLin;
    autoScale(diagram, direction, side);
}

}  // namespace ordinax::render
