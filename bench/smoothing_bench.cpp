// smoothLine on 1 000 000 points, B-spline (kind 2) and cubic spline (kind 3),
// the way the renderer calls it: one work buffer kept between calls and a sink
// that reduces each piece (here to a bounding box) instead of storing it. The
// points and the work buffer are made once, so the iterations measure warm
// memory; the "Fresh" variants create the work buffer in every iteration.
#include <benchmark/benchmark.h>

#include <cmath>
#include <span>
#include <vector>

#include "numerics/fit_kind.h"
#include "numerics/smoothing.h"

namespace {

using ordinax::document::Point;
namespace nx = ordinax::numerics;

constexpr int PointCount = 1'000'000;

const std::vector<Point>& points() {
    static std::vector<Point> p;
    if (p.empty()) {
        p.resize(PointCount);
        for (int i = 0; i < PointCount; ++i)
            p[static_cast<std::size_t>(i)] = {i * 0.001, std::sin(i * 0.001) + 0.01 * std::sin(i * 0.7)};
    }
    return p;
}

struct Box {
    double minY = 1e300, maxY = -1e300;
    std::size_t count = 0;
};

void smooth(benchmark::State& state, int kind, nx::SmoothingWork& work) {
    Box box;
    nx::smoothLine(kind, points(), work, [&box](std::span<const Point> part) {
        for (const Point& p : part) {
            box.minY = std::min(box.minY, p.y);
            box.maxY = std::max(box.maxY, p.y);
        }
        box.count += part.size();
    });
    benchmark::DoNotOptimize(box);
    state.counters["polyline"] = static_cast<double>(box.count);
}

void BM_SmoothWarm(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    nx::SmoothingWork work;
    points();
    for (auto _ : state) smooth(state, kind, work);
}
BENCHMARK(BM_SmoothWarm)->Arg(nx::KindBSP)->Arg(nx::KindSPC)->Unit(benchmark::kMillisecond);

void BM_SmoothFresh(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    points();
    for (auto _ : state) {
        nx::SmoothingWork work;
        smooth(state, kind, work);
    }
}
BENCHMARK(BM_SmoothFresh)->Arg(nx::KindBSP)->Arg(nx::KindSPC)->Unit(benchmark::kMillisecond);

}  // namespace
