// Soft shadows of a full-page plot: on an in-memory raster (pixel read and
// write through the device) and on a device without pixels (the shadow is
// computed as images with alpha). Screen size 1600 × 1200 with depth 10, and
// a 600-ppi printed page (4960 × 7016) with depth 63. The raster is filled
// once before timing (warm memory); the images are allocated per shadow, as
// they are when drawing.
#include <benchmark/benchmark.h>

#include <vector>

#include "render/shadows.h"

namespace {

using namespace ordinax;

// The operations a shadow does not use do nothing.
class BenchDevice : public render::DrawDevice {
public:
    BenchDevice(int width, int height, bool raster)
        : width_(width), height_(height), raster_(raster),
          pixels_(raster ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height) : 0, 0xFFFFFFu) {}
    void setPen(const render::Pen&) override {}
    void setBrush(const render::Brush&) override {}
    void setTextColour(render::Colour) override {}
    void setFont(const base::LogFont&) override {}
    void polyline(std::span<const render::DevPoint>) override {}
    void polygon(std::span<const render::DevPoint>) override {}
    void text(int, int, std::string_view) override {}
    render::TextExtent textExtent(std::string_view) override { return {}; }
    render::FontMetrics fontMetrics() override { return {}; }
    void setClip(const render::ClipArea&) override {}
    void clearClip() override {}
    void image(const render::DevRect&, const render::RasterImage& picture) override {
        benchmark::DoNotOptimize(picture.pixels.data());
    }
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }
    bool hasPixels() const override { return raster_; }
    render::Colour pixel(int x, int y) const override {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    }
    void setPixel(int x, int y, render::Colour colour) override {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
    }

private:
    int width_;
    int height_;
    bool raster_;
    std::vector<render::Colour> pixels_;
};

void runShadow(benchmark::State& state, bool raster) {
    const bool printed = state.range(0) != 0;
    const int width = printed ? 4960 : 1600;
    const int height = printed ? 7016 : 1200;
    const int depth = printed ? 63 : 10;
    const int margin = printed ? 300 : 60;
    BenchDevice device(width + margin, height + margin, raster);
    const render::DevRect plot{margin, margin, width - margin, height - margin};
    for (auto _ : state) render::softShadow(device, plot, depth, depth, 1, 1, 0x404040u, 25);
}

void BM_SoftShadowRaster(benchmark::State& state) { runShadow(state, true); }
void BM_SoftShadowImages(benchmark::State& state) { runShadow(state, false); }

}  // namespace

BENCHMARK(BM_SoftShadowRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftShadowImages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
