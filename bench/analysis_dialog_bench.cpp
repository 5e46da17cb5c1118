// What the smoothing dialog computes on 1 000 000 points: "Calculer" with a
// regression (the fit, its statistics and its report) or a Fourier series,
// and "Test multi-régression" over a snapshot of the points with the list
// handed on after every model. The points are made once and shared by every
// iteration (warm memory); each iteration works on a copy of the curve, as
// the dialog's working copy does (the points are shared, not copied).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <stop_token>
#include <vector>

#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"
#include "numerics/model_comparison.h"
#include "reports/report_lines.h"
#include "reports/report_ruling.h"
#include "reports/treatment_report.h"

namespace {

namespace nx = ordinax::numerics;
using ordinax::document::Curve;
using ordinax::document::Point;

constexpr int PointCount = 1'000'000;
const std::filesystem::path DataFolder = std::filesystem::path(ORDINAX_SOURCE_DIR) / "data";

// A measured-looking curve: x in (0, 1), y positive with a deterministic wobble.
const Curve& sampleCurve() {
    static const Curve curve = [] {
        std::vector<Point> p(PointCount);
        for (int i = 0; i < PointCount; ++i) {
            const double x = (i + 0.5) / PointCount;
            p[static_cast<std::size_t>(i)] = {x, 2.0 * std::exp(1.5 * x) * (1.0 + 0.01 * std::sin(i * 0.7))};
        }
        Curve c;
        c.points = ordinax::document::PointBuffer(p);
        return c;
    }();
    return curve;
}

const nx::Catalogue& catalogue() {
    static const nx::Catalogue loaded =
        *nx::loadCatalogue((DataFolder / nx::CatalogueFileName).string()).catalogue;
    return loaded;
}

void computeWithReport(benchmark::State& state, int kind, int harmonics) {
    nx::TreatmentChoice choice;
    choice.kind = kind;
    choice.harmonics = harmonics;
    for (auto _ : state) {
        Curve working = sampleCurve();
        const ordinax::reports::TreatmentRun run =
            ordinax::reports::runTreatment(working, choice, catalogue(), false, DataFolder, 0);
        if (!run.ok) state.SkipWithError("computation refused");
        // What the panel keeps of the report.
        benchmark::DoNotOptimize(ordinax::reports::reportLines(run.report));
    }
}

void BM_CalculerLin(benchmark::State& state) { computeWithReport(state, nx::KindLIN, 0); }
void BM_CalculerExp(benchmark::State& state) { computeWithReport(state, nx::KindEXP, 0); }
void BM_CalculerPol6(benchmark::State& state) { computeWithReport(state, nx::KindPOL6, 0); }
void BM_CalculerFourier10(benchmark::State& state) { computeWithReport(state, nx::KindFOU, 10); }
void BM_CalculerFourier50(benchmark::State& state) { computeWithReport(state, nx::KindFOU, 50); }

void BM_CompareAllModels(benchmark::State& state) {
    for (auto _ : state) {
        const ordinax::document::PointBuffer snapshot = sampleCurve().points;
        std::vector<nx::RankEntry> shown;
        int tried = 0;
        std::stop_source stop;
        const auto ranked = nx::compareModels(
            snapshot.view(), catalogue(), false, [&](const std::vector<nx::RankEntry>& list) { shown = list; },
            stop.get_token(), [&](int n, int) { tried = n; });
        benchmark::DoNotOptimize(ranked);
        state.counters["models"] = static_cast<double>(ranked.size());
        state.counters["tried"] = tried;
    }
}

BENCHMARK(BM_CalculerLin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculerExp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculerPol6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculerFourier10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculerFourier50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareAllModels)->Unit(benchmark::kMillisecond);

}  // namespace
