// The coordinates grid on large curves, in the application's widgets under
// the off-screen platform: opening the grid of a million points and painting
// its first page; one typed cell committed with the view drawn again (and,
// to see where the time goes, the cell alone and the drawing alone); copying
// a million rows to the clipboard; pasting 100 000 rows; sorting a million shuffled points through the grid's change
// path (the sort tool once its dialog is answered). The curves are a noisy
// wave sampled along x, built before timing; the memory is warm.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <clocale>
#include <cstdlib>
#include <algorithm>
#include <cmath>
#include <random>
#include <span>

#include "document/diagram_defaults.h"
#include "numerics/coordinate_tools.h"
#include "numerics/fit_kind.h"
#include "shell/grid/grid_dialog.h"
#include "shell/ordinax_doc.h"
#include "shell/ordinax_view.h"
#include "shell/user_prompts.h"

namespace {

using namespace ordinax;

constexpr int Million = 1'000'000;

// A measured signal: x increasing, y a noisy wave (as acquisitions are).
document::Curve signalCurve(int count) {
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 50.0);
    std::vector<document::Point> points(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = -1000.0 + 2000.0 * i / std::max(count, 1);
        points[static_cast<std::size_t>(i)] = {t, 700.0 * std::sin(t / 100.0) + noise(random)};
    }
    document::Curve curve;
    curve.title = "Mesures";
    curve.points = document::PointBuffer(points);
    curve.treatment = numerics::KindJPP;
    return curve;
}

// The same number of points in no order at all, for the sort.
document::Curve shuffledCurve(int count) {
    document::Curve curve = signalCurve(count);
    std::mt19937 random(5);
    const std::span<document::Point> points = curve.points.edit();
    std::shuffle(points.begin(), points.end(), random);
    return curve;
}

// A document of one curve, its view shown at a usual size and drawing the working copy.
struct Bench {
    explicit Bench(int points, bool shuffled = false) : document(document::factoryDiagramDefaults(), "/tmp") {
        document.diagram().displayMode = 1;
        document.diagram().curves.push_back(shuffled ? shuffledCurve(points) : signalCurve(points));
        for (int d = 0; d < 2; ++d) {
            auto& scale = document.diagram().scales.axis[static_cast<std::size_t>(d)][0];
            scale.active = 1;
            scale.origin = -1000.0;
            scale.extremity = 1000.0;
            scale.step = 200.0;
        }
        view.resize(1000, 700);
        view.show();
        working = document.diagram();
        view.setPreview(&working);
    }
    ~Bench() { view.setPreview(nullptr); }

    shell::COrdinaxDoc document;
    shell::COrdinaxView view{document};
    document::Diagram working;
    shell::UserPrompts prompts;
};

void BM_OpenGridMillionPoints(benchmark::State& state) {
    Bench bench(Million);
    for (auto _ : state) {
        shell::GridDialog grid(bench.prompts, bench.working, 0, &bench.view);
        grid.show();
        QCoreApplication::processEvents();  // the first page painted
        benchmark::DoNotOptimize(grid.table()->viewport()->grab());
        state.PauseTiming();
        grid.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGridMillionPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CellEditMillionPointsWithViewRedrawn(benchmark::State& state) {
    Bench bench(Million);
    shell::GridDialog grid(bench.prompts, bench.working, 0, &bench.view);
    grid.show();
    QCoreApplication::processEvents();
    QAbstractItemModel* model = grid.table()->model();
    int row = 0;
    for (auto _ : state) {
        // A new value each time (the grid records real changes only), in the middle of the curve.
        model->setData(model->index(Million / 2 + row % 100, 1), QString::number(row * 0.5 + 0.25));
        ++row;
    }
}
BENCHMARK(BM_CellEditMillionPointsWithViewRedrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ViewRedrawMillionPoints(benchmark::State& state) {
    Bench bench(Million);
    for (auto _ : state) bench.view.refresh();
}
BENCHMARK(BM_ViewRedrawMillionPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CellEditMillionPointsNoView(benchmark::State& state) {
    Bench bench(Million);
    shell::GridDialog grid(bench.prompts, bench.working, 0, nullptr);
    QAbstractItemModel* model = grid.table()->model();
    int row = 0;
    for (auto _ : state) {
        model->setData(model->index(Million / 2 + row % 100, 1), QString::number(row * 0.5 + 0.25));
        ++row;
    }
}
BENCHMARK(BM_CellEditMillionPointsNoView)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CopyMillionRows(benchmark::State& state) {
    Bench bench(Million);
    shell::GridDialog grid(bench.prompts, bench.working, 0, nullptr);
    grid.setSelection(document::GridSelection::rows(0, Million - 1));
    for (auto _ : state) grid.copyCells();
}
BENCHMARK(BM_CopyMillionRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PasteHundredThousandRows(benchmark::State& state) {
    QString text;
    text.reserve(100'000 * 24);
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0.0, 50.0);
    // Rows of a spreadsheet column pair: x increasing, y a noisy wave.
    for (int i = 0; i < 100'000; ++i) {
        const double t = -1000.0 + 0.02 * i;
        text += QString::number(t, 'g', 10) + QLatin1Char('\t') +
                QString::number(700.0 * std::sin(t / 100.0) + noise(random), 'g', 10) + QStringLiteral("\r\n");
    }
    QGuiApplication::clipboard()->setText(text);
    Bench bench(0);
    for (auto _ : state) {
        state.PauseTiming();
        bench.working = bench.document.diagram();
        auto grid = std::make_unique<shell::GridDialog>(bench.prompts, bench.working, 0, &bench.view);
        state.ResumeTiming();
        grid->pasteCells();
        state.PauseTiming();
        if (grid->grid().pointCount() != 100'000) state.SkipWithError("paste refused");
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteHundredThousandRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortMillionPointsFromTheGrid(benchmark::State& state) {
    Bench bench(Million, true);
    for (auto _ : state) {
        state.PauseTiming();
        bench.working = bench.document.diagram();
        auto grid = std::make_unique<shell::GridDialog>(bench.prompts, bench.working, 0, &bench.view);
        const numerics::Selection all = numerics::Selection::all(numerics::Selection::Column::X, Million);
        state.ResumeTiming();
        grid->changePoints([&all](document::Curve& curve) { return numerics::sortPoints(curve, all, false).message; });
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortMillionPointsFromTheGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
