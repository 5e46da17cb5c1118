// Regression fits on 1 000 000 points: a line, an exponential, a degree-6
// polynomial and the comparison of all models. The points are generated once
// and reused, so every iteration measures warm memory.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "document/point_buffer.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/model_comparison.h"

namespace {

using ordinax::document::Point;
namespace nx = ordinax::numerics;

constexpr int PointCount = 1'000'000;

// x in (0, 1) so that every model accepts the data (BETA needs x < 1);
// y positive with a deterministic wobble.
const std::vector<Point>& points(int shape) {
    static std::vector<Point> cache[3];
    std::vector<Point>& p = cache[shape];
    if (p.empty()) {
        p.resize(PointCount);
        for (int i = 0; i < PointCount; ++i) {
            const double x = (i + 0.5) / PointCount;
            const double wobble = 0.01 * std::sin(i * 0.7);
            double y = 0.0;
            if (shape == 0) y = 2.0 + 3.0 * x + wobble;
            if (shape == 1) y = 2.0 * std::exp(1.5 * x) * (1.0 + wobble);
            if (shape == 2) y = 1.0 + x - 2.0 * x * x + 0.5 * std::pow(x, 6) + wobble;
            p[static_cast<std::size_t>(i)] = {x, y};
        }
    }
    return p;
}

void fitBench(benchmark::State& state, int kind, int shape) {
    const auto& p = points(shape);
    nx::FitOptions options;
    options.statistics = true;
    for (auto _ : state) {
        nx::FitOutcome outcome = nx::computeFit(p, kind, {}, options);
        benchmark::DoNotOptimize(outcome);
        if (outcome.status != nx::FitOk) state.SkipWithError("fit failed");
    }
}

void BM_FitLin(benchmark::State& state) { fitBench(state, nx::KindLIN, 0); }
void BM_FitExp(benchmark::State& state) { fitBench(state, nx::KindEXP, 1); }
void BM_FitPol6(benchmark::State& state) { fitBench(state, nx::KindPOL6, 2); }

void BM_CompareAllModels(benchmark::State& state) {
    const auto& p = points(1);
    nx::Catalogue catalogue;
    for (auto _ : state) {
        auto ranked = nx::compareModels(p, catalogue, false);
        benchmark::DoNotOptimize(ranked);
        state.counters["models"] = static_cast<double>(ranked.size());
    }
}

BENCHMARK(BM_FitLin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitExp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitPol6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareAllModels)->Unit(benchmark::kMillisecond);

}  // namespace
