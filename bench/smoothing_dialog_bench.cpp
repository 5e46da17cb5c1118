// "Calculer" in the smoothing dialog on a 1 000 000-point curve, as the user
// waits for it: the fit, the report and its panel, and the view redrawing the
// working copy (off-screen platform, a 1200 × 800 window). The first
// iteration draws into fresh memory; the others reuse it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "document/diagram_defaults.h"
#include "document/diagram_ops.h"
#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"
#include "render/scale_auto.h"
#include "settings/preferences.h"
#include "settings/store.h"
#include "shell/analysis/smoothing_dialog.h"
#include "shell/main_frame.h"

namespace {

namespace nx = ordinax::numerics;
namespace sh = ordinax::shell;

constexpr int PointCount = 1'000'000;

struct Application {
    Application() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_smoothing_dialog";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
    }
    std::unique_ptr<QApplication> app;
};

void dialogCompute(benchmark::State& state, int kind) {
    static Application application;
    ordinax::settings::MemoryStore store;
    ordinax::settings::Preferences preferences = ordinax::settings::factoryPreferences();
    const std::filesystem::path temp = std::filesystem::temp_directory_path() / "ordinax-bench-dialog";
    std::filesystem::create_directories(temp);
    sh::FrameFolders folders{temp / "secours", temp.string()};
    sh::CMainFrame frame(store, preferences, folders);
    frame.setCatalogue(*nx::loadCatalogue((std::filesystem::path(ORDINAX_SOURCE_DIR) / "data" /
                                           std::string(nx::CatalogueFileName)).string())
                            .catalogue);
    ordinax::document::Diagram& diagram = frame.document().diagram();
    std::vector<ordinax::document::Point> points(PointCount);
    for (int i = 0; i < PointCount; ++i) {
        const double x = (i + 0.5) / PointCount;
        points[static_cast<std::size_t>(i)] = {x, 2.0 * std::exp(1.5 * x) * (1.0 + 0.01 * std::sin(i * 0.7))};
    }
    const auto slot = ordinax::document::allocateCurve(diagram, frame.document().defaults(), -1);
    diagram.curves[static_cast<std::size_t>(slot.index)].points = ordinax::document::PointBuffer(points);
    diagram.curves[static_cast<std::size_t>(slot.index)].treatment = nx::KindJPP;
    diagram.displayMode = 1;
    ordinax::render::autoScalesAllCurves(diagram);
    frame.resize(1200, 800);
    frame.show();
    QApplication::processEvents();

    sh::SmoothingDialog dialog(frame, slot.index);
    nx::TreatmentChoice choice = dialog.choice();
    choice.kind = kind;
    dialog.showChoice(choice);
    for (auto _ : state) {
        if (!dialog.compute()) state.SkipWithError("computation refused");
    }
    std::filesystem::remove_all(temp);
}

void BM_DialogCalculerLin(benchmark::State& state) { dialogCompute(state, nx::KindLIN); }
void BM_DialogCalculerPol6(benchmark::State& state) { dialogCompute(state, nx::KindPOL6); }

BENCHMARK(BM_DialogCalculerLin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialogCalculerPol6)->Unit(benchmark::kMillisecond);

}  // namespace
