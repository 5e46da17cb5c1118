// Refinement by nonlinear least squares of every refinable model on
// 1 000 000 points, from the linearised fit (made once, outside the timing).
// The points of the model being measured are generated once into a buffer
// reused by every iteration: warm memory. Time is wall-clock time; CPU time
// is that of the whole process, both threads of the reduction. Counters:
// iterations and evaluations of the model over the points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/model_value.h"
#include "numerics/refine_fit.h"

namespace {

using ordinax::document::Point;
namespace nx = ordinax::numerics;

constexpr int PointCount = 1'000'000;

struct Shape {
    int kind;
    std::vector<double> a;
    double lo, hi, r, s;
};

// The coefficients and ranges of the tests' reference sets.
const std::vector<Shape>& shapes() {
    static const std::vector<Shape> list = {
        {nx::KindBETA, {2.0, 1.5, 2.5}, 0.05, 0.95, 0, 0},     {nx::KindCAUCHY, {0.5, -2.0, 0.25}, -1.0, 5.0, 0, 0},
        {nx::KindEXP, {2.0, -0.5}, 0.0, 6.0, 0, 0},            {nx::KindGAMMA, {1.0, 2.0, -1.5}, 0.5, 6.0, 0, 0},
        {nx::KindHOERL, {1.5, 0.6, 1.8}, 0.2, 8.0, 0, 0},      {nx::KindHOMO, {2.0, 1.0, 0.5}, 0.0, 10.0, 0, 0},
        {nx::KindLOGNOR, {3.0, 1.0, -0.5}, 0.5, 10.0, 0, 0},   {nx::KindMODEXP, {2.0, 1.5}, 0.5, 5.0, 0, 0},
        {nx::KindMODGEO, {1.5, 2.0}, 0.5, 8.0, 0, 0},          {nx::KindMODHOERL, {2.0, 0.5, 0.8}, 0.3, 6.0, 0, 0},
        {nx::KindMODPOW, {3.0, 0.7}, 0.0, 8.0, 0, 0},          {nx::KindNOR, {5.0, 3.0, -2.0}, 0.0, 6.0, 0, 0},
        {nx::KindPUI, {1.2, 1.7}, 0.5, 10.0, 0, 0},            {nx::KindRECHYP, {0.5, 2.0}, 0.5, 10.0, 0, 0},
        {nx::KindRECLIN, {0.5, 0.3}, 0.0, 10.0, 0, 0},         {nx::KindRECLINTP, {1.6, 0.4}, 0.0, 10.0, 1.0, 0.5},
        {nx::KindRECLOG, {0.5, 0.4}, 1.0, 20.0, 0, 0},         {nx::KindROOT, {2.0, 3.0}, 0.5, 10.0, 0, 0},
        {nx::KindSUPGEO, {1.5, 0.3}, 0.5, 4.0, 0, 0},
    };
    return list;
}

// y of the model with 1 % multiplicative noise (twelve uniforms of a 64-bit LCG).
void generate(const Shape& shape, std::vector<Point>& points) {
    ordinax::document::Curve model;
    model.treatment = shape.kind;
    for (std::size_t i = 0; i < shape.a.size(); ++i) model.fit.coefficient[i] = shape.a[i];
    model.fit.stats = {shape.r, shape.s, 0.0};
    std::uint64_t state = 12345u + static_cast<std::uint64_t>(shape.kind);
    points.resize(PointCount);
    for (int i = 0; i < PointCount; ++i) {
        double noise = -6.0;
        for (int k = 0; k < 12; ++k) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            noise += static_cast<double>(state >> 11) * (1.0 / 9007199254740992.0);
        }
        const double x = shape.lo + (shape.hi - shape.lo) * i / (PointCount - 1);
        ordinax::expression::MathErrorFlag flag;
        points[static_cast<std::size_t>(i)] = {x, nx::modelValue(model, x, flag) * (1.0 + 0.01 * noise)};
    }
}

void BM_Refine(benchmark::State& state, const Shape& shape) {
    static std::vector<Point> points;
    generate(shape, points);
    const nx::FitParameters fixed{shape.r, shape.s, 0.0};
    const nx::FitOutcome linearised = nx::computeFit(points, shape.kind, fixed, nx::FitOptions{});
    if (linearised.status != nx::FitOk) {
        state.SkipWithError("linearised fit failed");
        return;
    }
    nx::RefineOutcome outcome;
    for (auto _ : state) {
        outcome = nx::refineFit(points, shape.kind, fixed, linearised.report, nx::FitOptions{});
        benchmark::DoNotOptimize(outcome);
    }
    if (!outcome.refinement.refined()) state.SkipWithError(nx::refineReason(outcome.refinement).c_str());
    state.counters["iterations"] = outcome.refinement.iterations;
    state.counters["evaluations"] = outcome.refinement.evaluations;
}

const bool registered = [] {
    for (const Shape& shape : shapes())
        benchmark::RegisterBenchmark(("BM_Refine/" + std::string(nx::codeName(shape.kind))).c_str(),
                                     [&shape](benchmark::State& state) { BM_Refine(state, shape); })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()  // both threads of the reduction
            ->UseRealTime();
    return true;
}();

}  // namespace
