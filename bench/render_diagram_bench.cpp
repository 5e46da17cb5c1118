// Whole drawing passes of a diagram onto a 1600 × 1200 picture through the
// QPainter device (drawing only, no encoding): one curve of a million points
// and ten curves of 100 000 points, each with a line and a symbol at every
// point; then the million points with one layer alone, and the frame of the
// diagram without points (scales, texts), to see where the time goes. The
// points are built once before timing and the picture is reused (warm memory).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>

#include "numerics/fit_kind.h"
#include "qt/image_output.h"
#include "qt/painter_device.h"
#include "render/diagram_renderer.h"

namespace {

using namespace ordinax;

// Which layers the curves have: both, or one of them alone (to see where the time goes).
enum class Layers { Both, SymbolsOnly, LineOnly };

document::Diagram noisyDiagram(int curves, int pointsPerCurve, Layers layers) {
    document::Diagram diagram;
    for (auto& direction : diagram.scales.axis) {
        direction[0].active = 1;
        direction[0].mainGraduate = 0;
        direction[0].format = 1;
    }
    diagram.scales.axis[0][0].origin = 0.0;
    diagram.scales.axis[0][0].extremity = 1.0;
    diagram.scales.axis[0][0].step = 0.1;
    diagram.scales.axis[1][0].origin = -1.0;
    diagram.scales.axis[1][0].extremity = 1.0;
    diagram.scales.axis[1][0].step = 0.2;
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 0.05);
    for (int c = 0; c < curves; ++c) {
        std::vector<document::Point> points(static_cast<std::size_t>(pointsPerCurve));
        for (int i = 0; i < pointsPerCurve; ++i) {
            const double t = static_cast<double>(i) / pointsPerCurve;
            points[static_cast<std::size_t>(i)] = {t, std::sin(20.0 * t + c) * 0.7 + noise(random)};
        }
        document::Curve curve;
        curve.points = document::PointBuffer(points);
        curve.treatment = numerics::KindJPP;
        curve.symbol.type = 1;
        curve.symbol.number = 5;  // square
        curve.symbol.size = 4;
        curve.line.colour[0] = static_cast<std::int32_t>(0x30 * c);
        if (layers == Layers::SymbolsOnly) curve.line.type[0] = 0;
        if (layers == Layers::LineOnly) curve.symbol.type = 0;
        diagram.curves.push_back(std::move(curve));
    }
    return diagram;
}

void drawPass(benchmark::State& state, int curves, int pointsPerCurve, Layers layers = Layers::Both) {
    qt::ensureGuiApplication();
    const document::Diagram diagram = noisyDiagram(curves, pointsPerCurve, layers);
    QImage picture(1600, 1200, QImage::Format_RGB32);
    render::RenderRequest request;
    request.pageRect = {0, 0, 1600, 1200};
    request.output.pageRect = request.pageRect;
    for (auto _ : state) {
        QPainter painter(&picture);
        qt::PainterDevice device(painter, false, 96, 96);
        const render::RenderResult result = render::drawDiagram(device, diagram, request);
        benchmark::DoNotOptimize(result.complete);
    }
    state.SetItemsProcessed(state.iterations() * curves * pointsPerCurve);
}

void BM_DrawDiagramOneMillion(benchmark::State& state) { drawPass(state, 1, 1'000'000); }
void BM_DrawDiagramTenTimes100k(benchmark::State& state) { drawPass(state, 10, 100'000); }

void BM_DrawDiagramOneMillionSymbolsOnly(benchmark::State& state) {
    drawPass(state, 1, 1'000'000, Layers::SymbolsOnly);
}
void BM_DrawDiagramOneMillionLineOnly(benchmark::State& state) { drawPass(state, 1, 1'000'000, Layers::LineOnly); }
void BM_DrawDiagramNoPoints(benchmark::State& state) { drawPass(state, 1, 0); }

BENCHMARK(BM_DrawDiagramOneMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawDiagramTenTimes100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawDiagramOneMillionSymbolsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawDiagramOneMillionLineOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawDiagramNoPoints)->Unit(benchmark::kMillisecond);

}  // namespace
