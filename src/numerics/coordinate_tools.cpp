// The tools of the points grid. Every tool works in place on the curve's
// point buffer (one detach at most, no allocation per point) so that a
// million points stay quick.
#include "numerics/coordinate_tools.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "base/strings.h"
#include "base/strings_analysis_coordinates.h"
#include "expression/primitives.h"

namespace ordinax::numerics {

namespace {

using base::Heading;
using base::makeMessage;
using document::Curve;
using document::Point;
using Column = Selection::Column;

constexpr double Pi = 3.141592653589793;

// The selected rows clipped to the curve, as a half-open range [begin, end).
struct RowRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

RowRange selectedRows(const Selection& selection, int pointCount) {
    if (selection.empty() || pointCount <= 0) return {};
    const int top = std::max(selection.top(), 0);
    const int bottom = std::min(selection.bottom(), pointCount - 1);
    if (top > bottom) return {};
    return {static_cast<std::size_t>(top), static_cast<std::size_t>(bottom) + 1};
}

bool isSingleColumn(const Selection& selection) {
    return selection.kind() == 0 || selection.kind() == 1;
}

// One column selected from the first point to the last.
bool isWholeColumn(const Selection& selection, int pointCount) {
    return isSingleColumn(selection) && pointCount > 0 && selection.top() <= 0 && selection.bottom() >= pointCount - 1;
}

double& coordinate(Point& p, Column column) {
    return column == Column::X ? p.x : p.y;
}
double coordinate(const Point& p, Column column) {
    return column == Column::X ? p.x : p.y;
}

// Orders numbers with the non-numbers last, so that a damaged value cannot
// break the ordering the sort relies on.
bool ascending(double a, double b) {
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
}
bool descendingOrder(double a, double b) {
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a > b;
}

ToolResult refused(base::Message message) {
    return ToolResult{false, std::move(message)};
}

ToolResult done(bool clipped) {
    ToolResult result{true, {}};
    if (clipped) result.message = makeMessage(base::MsgValuesClipped, Heading::Warning);
    return result;
}

}  // namespace

int Selection::kind() const {
    if (empty()) return -1;
    switch (column) {
        case Column::X:
            return 0;
        case Column::Y:
            return 1;
        case Column::Both:
            return 2;
    }
    return -1;
}

base::Message checkSelection(CoordinateTool tool, const Selection& selection, int pointCount) {
    switch (tool) {
        case CoordinateTool::Limit:
        case CoordinateTool::Average:
        case CoordinateTool::Cumulate:
            if (!isWholeColumn(selection, pointCount)) return makeMessage(base::MsgSelectColumnFirst, Heading::Warning);
            return {};
        case CoordinateTool::Sort:
        case CoordinateTool::Correction:
            if (!isSingleColumn(selection)) return makeMessage(base::MsgSingleColumnOnly, Heading::Warning);
            return {};
        case CoordinateTool::Invert:
            if (isSingleColumn(selection)) return makeMessage(base::MsgInvertSelectRows, Heading::Warning);
            return {};
        case CoordinateTool::PolarCartesian:
        case CoordinateTool::Sequence:
        case CoordinateTool::CumulativeFrequency:
            return {};
    }
    return {};
}

base::Message averageConfirmation(const Selection& selection) {
    if (selection.kind() == 0) return makeMessage(base::MsgAverageXConfirm, Heading::Warning);
    if (selection.kind() == 1) return makeMessage(base::MsgAverageYConfirm, Heading::Warning);
    return {};
}

base::Message cumulativeFrequencyConfirmation(const Selection& selection, int pointCount) {
    if (selection.kind() == 1 && isWholeColumn(selection, pointCount)) return {};
    return makeMessage(base::MsgCumulativeFrequencyConfirm, Heading::Warning);
}

ToolResult sortPoints(Curve& curve, const Selection& selection, bool descending) {
    if (base::Message m = checkSelection(CoordinateTool::Sort, selection, curve.pointCount()); !m.empty())
        return refused(std::move(m));
    const RowRange rows = selectedRows(selection, curve.pointCount());
    if (rows.end - rows.begin < 2) return {};
    const std::span<Point> points = curve.points.edit().subspan(rows.begin, rows.end - rows.begin);
    const Column key = selection.column;
    // Stable: points of equal value keep their order, which any order allows.
    if (descending)
        std::stable_sort(points.begin(), points.end(), [key](const Point& a, const Point& b) {
            return descendingOrder(coordinate(a, key), coordinate(b, key));
        });
    else
        std::stable_sort(points.begin(), points.end(), [key](const Point& a, const Point& b) {
            return ascending(coordinate(a, key), coordinate(b, key));
        });
    return done(false);
}

ToolResult invertCoordinates(Curve& curve, const Selection& selection) {
    if (base::Message m = checkSelection(CoordinateTool::Invert, selection, curve.pointCount()); !m.empty())
        return refused(std::move(m));
    const RowRange rows =
        selection.empty() ? RowRange{0, curve.points.size()} : selectedRows(selection, curve.pointCount());
    if (rows.begin == rows.end) return {};
    for (Point& p : curve.points.edit().subspan(rows.begin, rows.end - rows.begin)) std::swap(p.x, p.y);
    return done(false);
}

ToolResult averageCoordinates(Curve& curve, const Selection& selection) {
    if (base::Message m = checkSelection(CoordinateTool::Average, selection, curve.pointCount()); !m.empty())
        return refused(std::move(m));
    // The x column selected: runs share y and x is averaged; the y column the reverse.
    const Column averaged = selection.column;
    const Column shared = averaged == Column::X ? Column::Y : Column::X;
    const std::span<Point> points = curve.points.edit();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < points.size();) {
        const double value = coordinate(points[i], shared);
        double sum = 0.0;
        std::size_t j = i;
        for (; j < points.size() && coordinate(points[j], shared) == value; ++j) sum += coordinate(points[j], averaged);
        // A non-number equals nothing, not even itself: it stands alone.
        if (j == i) sum = coordinate(points[j++], averaged);
        Point first = points[i];
        coordinate(first, averaged) = j - i == 1 ? sum : sum / static_cast<double>(j - i);
        points[kept++] = first;
        i = j;
    }
    curve.points.resize(kept);
    return done(false);
}

ToolResult cumulateCoordinates(Curve& curve, const Selection& selection) {
    if (base::Message m = checkSelection(CoordinateTool::Cumulate, selection, curve.pointCount()); !m.empty())
        return refused(std::move(m));
    const Column column = selection.column;
    double sum = 0.0;
    bool clipped = false;
    for (Point& p : curve.points.edit()) {
        sum += coordinate(p, column);
        clipped |= expression::clampResult(sum);
        coordinate(p, column) = sum;
    }
    return done(clipped);
}

ToolResult cumulativeFrequencies(Curve& curve) {
    if (curve.pointCount() < 2) return refused(makeMessage(base::MsgCumulativeFrequencyTooFewPoints, Heading::Warning));
    // Both refusals are decided before anything moves, so that a refused
    // computation leaves the points in their order.
    bool allZero = true;
    for (const Point& p : curve.points.view()) {
        if (!(p.y >= 0.0)) return refused(makeMessage(base::MsgPositiveValuesOnly, Heading::Error, "y"));
        if (p.y != 0.0) allZero = false;
    }
    if (allZero) return refused(makeMessage(base::MsgSumIsZero, Heading::Warning));

    const std::span<Point> points = curve.points.edit();
    std::stable_sort(points.begin(), points.end(), [](const Point& a, const Point& b) { return ascending(a.x, b.x); });
    double total = 0.0;
    for (const Point& p : points) total += p.y;
    // Partial sums divided by the total, accumulated in the same order as the
    // total itself: the last frequency is exactly 1.
    double partial = 0.0;
    bool clipped = false;
    for (Point& p : points) {
        partial += p.y;
        double frequency = partial / total;
        clipped |= expression::clampResult(frequency);
        p.y = frequency;
    }
    return done(clipped);
}

ToolResult limitCoordinates(Curve& curve, const Selection& selection, double mini, double maxi, bool removeInside) {
    if (base::Message m = checkSelection(CoordinateTool::Limit, selection, curve.pointCount()); !m.empty())
        return refused(std::move(m));
    if (mini > maxi) std::swap(mini, maxi);
    const Column column = selection.column;
    const std::span<Point> points = curve.points.edit();
    std::size_t kept = 0;
    for (const Point& p : points) {
        const double v = coordinate(p, column);
        const bool inside = mini <= v && v <= maxi;
        if (inside != removeInside) points[kept++] = p;
    }
    const bool changed = kept != points.size();
    curve.points.resize(kept);
    return ToolResult{changed, {}};
}

ToolResult numericSequence(Curve& curve, const SequenceParameters& parameters) {
    int from = parameters.fromRow;
    int to = parameters.toRow;
    if (from > to) std::swap(from, to);
    if (from < 1) return refused(makeMessage(base::MsgSequenceRowTooLow, Heading::Warning));
    if (to > document::MaxPoints)
        return refused(makeMessage(base::MsgMaxPointsExceeded, Heading::Error, std::to_string(document::MaxPoints)));
    if (!parameters.abscissas && !parameters.ordinates) return {};

    // New rows come in as (0, 0): the coordinate not chosen stays 0.
    if (static_cast<std::size_t>(to) > curve.points.size()) curve.points.resize(static_cast<std::size_t>(to));
    const std::span<Point> points = curve.points.edit();
    bool clipped = false;
    for (int k = from; k <= to; ++k) {
        double value = parameters.first + static_cast<double>(k - from) * parameters.step;
        clipped |= expression::clampResult(value);
        Point& p = points[static_cast<std::size_t>(k - 1)];
        if (parameters.abscissas) p.x = value;
        if (parameters.ordinates) p.y = value;
    }
    return done(clipped);
}

ToolResult cartesianToPolar(Curve& curve, bool degrees) {
    if (curve.points.empty()) return {};
    for (Point& p : curve.points.edit()) {
        const double x = p.x;
        const double y = p.y;
        double theta;
        if (x > 0.0)
            theta = std::atan(y / x);
        else if (x < 0.0)
            theta = y > 0.0 ? std::atan(y / x) + Pi : std::atan(y / x) - Pi;
        else
            theta = y > 0.0 ? Pi / 2.0 : -Pi / 2.0;  // the origin too
        if (degrees) theta *= expression::RadiansToDegrees;
        // hypot is √(x² + y²) without an overflow of the squares.
        p.y = std::hypot(x, y);
        p.x = theta;
    }
    return done(false);
}

ToolResult polarToCartesian(Curve& curve, bool degrees) {
    if (curve.points.empty()) return {};
    for (Point& p : curve.points.edit()) {
        const double theta = degrees ? p.x * expression::DegreesToRadians : p.x;
        const double r = p.y;
        p.x = r * std::cos(theta);
        p.y = r * std::sin(theta);
    }
    return done(false);
}

ToolResult applyCorrection(Curve& curve, const Selection& selection, CorrectionOperation operation,
                           const CorrectionParameters& parameters) {
    if (base::Message m = checkSelection(CoordinateTool::Correction, selection, curve.pointCount()); !m.empty())
        return refused(std::move(m));
    const RowRange rows = selectedRows(selection, curve.pointCount());
    if (rows.begin == rows.end) return {};
    const Column source =
        operation == CorrectionOperation::XOfX || operation == CorrectionOperation::YOfX ? Column::X : Column::Y;
    const Column target =
        operation == CorrectionOperation::XOfX || operation == CorrectionOperation::XOfY ? Column::X : Column::Y;
    bool clipped = false;
    for (Point& p : curve.points.edit().subspan(rows.begin, rows.end - rows.begin)) {
        double value = correctionValue(parameters, coordinate(p, source));
        clipped |= expression::clampResult(value);
        coordinate(p, target) = value;
    }
    return done(clipped);
}

}  // namespace ordinax::numerics
