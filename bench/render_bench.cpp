// The line layer on a million-point curve, on a device that only counts the
// points it is handed: the cost of transform, clipping and column reduction.
// The points are built once before timing (warm memory).
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "numerics/fit_kind.h"
#include "render/curve_drawing.h"

namespace {

using namespace ordinax;

class CountingDevice : public render::DrawDevice {
public:
    void setPen(const render::Pen&) override {}
    void setBrush(const render::Brush&) override {}
    void setTextColour(render::Colour) override {}
    void setFont(const base::LogFont&) override {}
    void polyline(std::span<const render::DevPoint> points) override {
        points_ += points.size();
        ++calls_;
    }
    void polygon(std::span<const render::DevPoint> points) override { points_ += points.size(); }
    void text(int, int, std::string_view) override {}
    render::TextExtent textExtent(std::string_view) override { return {}; }
    render::FontMetrics fontMetrics() override { return {}; }
    void setClip(const render::ClipArea&) override {}
    void clearClip() override {}
    void image(const render::DevRect&, const render::RasterImage&) override {}
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }

    std::size_t points_ = 0;
    std::size_t calls_ = 0;
};

document::Diagram noisyDiagram(int count, int kindX) {
    document::Diagram diagram;
    auto& x = diagram.scales.axis[0][0];
    x.kind = kindX;
    x.origin = kindX == render::ScaleLog ? 1.0 : 0.0;
    x.extremity = kindX == render::ScaleLog ? 1.0e6 : 1.0;
    auto& y = diagram.scales.axis[1][0];
    y.origin = -1.0;
    y.extremity = 1.0;
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 0.05);
    std::vector<document::Point> points(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / count;
        const double px = kindX == render::ScaleLog ? std::pow(10.0, 6.0 * t) : t;
        points[static_cast<std::size_t>(i)] = {px, std::sin(20.0 * t) * 0.7 + noise(random)};
    }
    document::Curve curve;
    curve.points = document::PointBuffer(points);
    curve.treatment = numerics::KindJPP;
    curve.symbol.type = 0;
    diagram.curves.push_back(curve);
    return diagram;
}

void lineLayer(benchmark::State& state, int kindX) {
    const document::Diagram diagram = noisyDiagram(static_cast<int>(state.range(0)), kindX);
    CountingDevice device;
    const render::PlotMapping mapping = render::makePlotMapping(diagram.scales, {40, 30, 1640, 1230});
    for (auto _ : state) {
        render::CurveContext context(device, diagram, mapping);
        render::drawCurveLine(context, diagram.curves[0]);
        benchmark::DoNotOptimize(device.points_);
    }
    state.counters["emitted"] = static_cast<double>(device.points_) / static_cast<double>(state.iterations());
    state.counters["polylines"] = static_cast<double>(device.calls_) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LineLayerLinear(benchmark::State& state) { lineLayer(state, render::ScaleLin); }
void BM_LineLayerLogX(benchmark::State& state) { lineLayer(state, render::ScaleLog); }

BENCHMARK(BM_LineLayerLinear)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineLayerLogX)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
