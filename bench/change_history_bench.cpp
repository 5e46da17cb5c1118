// The change bracket on a large diagram: 100 curves of 10 000 points. A
// change of one presentation field must neither copy nor write any point; a
// change of one curve's points writes that curve only.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/change_history.h"
#include "document/diagram_ops.h"

namespace {

using namespace ordinax::document;

Diagram largeDiagram() {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    d.displayMode = 1;
    for (int c = 0; c < 100; ++c) {
        d.curves.emplace_back();
        const auto points = d.curves.back().points.assignUninitialised(10000);
        for (std::size_t i = 0; i < points.size(); ++i) points[i] = {double(i), double(c) * 0.5 + double(i % 37)};
    }
    return d;
}

std::string scratch() {
    const auto folder = std::filesystem::temp_directory_path() / "ordinax-bench-history";
    std::filesystem::create_directories(folder);
    return folder.string();
}

void BM_PresentationChange(benchmark::State& state) {
    Diagram d = largeDiagram();
    ChangeHistory history(scratch());
    int flip = 0;
    for (auto _ : state) {
        history.beginChange(d, -1);
        d.size[0] = 17.0 + (flip ^= 1);
        benchmark::DoNotOptimize(history.commitChange(d));
    }
}

void BM_OneCurveChange(benchmark::State& state) {
    Diagram d = largeDiagram();
    ChangeHistory history(scratch());
    double shift = 0.0;
    for (auto _ : state) {
        history.beginChange(d, 42);
        d.curves[42].points.edit()[5000].y = (shift += 1.0);
        benchmark::DoNotOptimize(history.commitChange(d));
    }
    state.SetLabel("the step file holds curve 42 only (160 KB of points)");
}

BENCHMARK(BM_PresentationChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneCurveChange)->Unit(benchmark::kMillisecond);

}  // namespace
