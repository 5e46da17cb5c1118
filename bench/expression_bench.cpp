// Generating 1 000 000 points of y=a*sin(x)*exp(-x/b)+c*x^2-ln(abs(x)+1)
// (29 tokens once compiled). The whole "Calculer" path is measured: checks,
// compilation and the points. "Warm" regenerates the same curve, whose point
// buffer is reused; "Fresh" builds a new diagram each time, so the 16 MB of
// points are new memory. The evaluation alone is measured too.
#include <benchmark/benchmark.h>

#include "document/diagram.h"
#include "expression/compiler.h"
#include "expression/evaluator.h"
#include "expression/function_curves.h"

namespace {

using namespace ordinax;

constexpr int PointCount = 1'000'000;

document::FunctionDef benchFunction() {
    document::FunctionDef def;
    def.expression = "y=a*sin(x)*exp(-x/b)+c*x^2-ln(abs(x)+1)";
    def.constants = "a=2\nb=3\nc=0.5";
    def.anglesInDegrees = 0;
    def.from = -10.0;
    def.to = 10.0;
    def.pointNumber = PointCount;
    return def;
}

document::Diagram benchDiagram() {
    document::Diagram diagram;
    diagram.curves.emplace_back();
    diagram.curves[0].function = benchFunction();
    return diagram;
}

void report(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * PointCount);
    state.counters["points/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * PointCount, benchmark::Counter::kIsRate);
}

void BM_GenerateCurveWarm(benchmark::State& state) {
    document::Diagram diagram = benchDiagram();
    for (auto _ : state) {
        const expression::FunctionRun run = expression::computeFunction(diagram, 0, 1);
        if (!run.error.empty() || run.errorCount != 0) state.SkipWithError("the function was refused");
        benchmark::DoNotOptimize(diagram.curves[0].points[PointCount / 2]);
    }
    report(state);
}
BENCHMARK(BM_GenerateCurveWarm)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_GenerateCurveFresh(benchmark::State& state) {
    for (auto _ : state) {
        document::Diagram diagram = benchDiagram();
        const expression::FunctionRun run = expression::computeFunction(diagram, 0, 1);
        if (!run.error.empty()) state.SkipWithError("the function was refused");
        benchmark::DoNotOptimize(diagram.curves[0].points[PointCount / 2]);
    }
    report(state);
}
BENCHMARK(BM_GenerateCurveFresh)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_EvaluateOnly(benchmark::State& state) {
    expression::CompiledFunction compiled;
    if (!expression::compileExpression(benchFunction(), compiled).empty()) state.SkipWithError("not compiled");
    state.counters["tokens"] = compiled.tokenCount;
    const double step = 20.0 / (PointCount - 1);
    for (auto _ : state) {
        double sum = 0.0;
        expression::MathErrorFlag flag;
        for (int i = 0; i < PointCount; ++i) sum += expression::evaluateAt(compiled, -10.0 + i * step, 0.0, flag);
        benchmark::DoNotOptimize(sum);
    }
    report(state);
}
BENCHMARK(BM_EvaluateOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
