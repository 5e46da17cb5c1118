// Reading and writing a large diagram (10 curves of 1 000 000 points, 160 MB)
// against plain fread / fwrite of the same bytes, and copying such a diagram
// as the undo before-image does.
//
// Memory: the file image and the baseline buffers are warm (allocated and
// touched once, reused by every iteration). The point buffers a read creates
// are fresh at every iteration, as when a file is opened; the file itself is
// in the page cache after the first iteration.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "document/orx_file.h"

namespace {

using namespace ordinax::document;

constexpr int CurveCount = 10;
constexpr int PointsPerCurve = 1'000'000;

const Diagram& bigDiagram() {
    static const Diagram d = [] {
        Diagram d;
        resetDiagram(d, factoryDiagramDefaults());
        for (int c = 0; c < CurveCount; ++c) {
            Curve curve;
            curve.title = "Courbe " + std::to_string(c + 1);
            curve.modified = "10/12/2026 (09:30)";
            const std::span<Point> p = curve.points.assignUninitialised(PointsPerCurve);
            for (int i = 0; i < PointsPerCurve; ++i) p[static_cast<std::size_t>(i)] = {i * 0.001, c + i * 1e-6};
            d.curves.push_back(std::move(curve));
        }
        return d;
    }();
    return d;
}

const std::vector<std::uint8_t>& bigImage() {
    static const std::vector<std::uint8_t> bytes = [] {
        Diagram d = bigDiagram();
        return writeDiagramBytes(d, "x");
    }();
    return bytes;
}

std::string benchFolder() {
    // On the disk, not in a memory file system, so that fsync means something.
    static const std::string folder = [] {
        const std::string f = "bench-orx-" + std::to_string(::getpid());
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

const std::string& bigFile() {
    static const std::string path = [] {
        const std::string p = benchFolder() + "/big.orx";
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::fwrite(bigImage().data(), 1, bigImage().size(), f);
        std::fclose(f);
        return p;
    }();
    return path;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bigImage().size()));
}

// Parsing an image already in memory into fresh point buffers.
void BM_ReadDiagramBytes(benchmark::State& state) {
    const DiagramDefaults defaults = factoryDiagramDefaults();
    const auto& bytes = bigImage();
    for (auto _ : state) {
        Diagram d;
        if (!readDiagramBytes(bytes, defaults, d).ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(d.curves.data());
    }
    setBytes(state);
}

// Opening the file: read from the page cache, parse, extents and ranges.
void BM_OpenDiagramFile(benchmark::State& state) {
    const DiagramDefaults defaults = factoryDiagramDefaults();
    const std::string& path = bigFile();
    for (auto _ : state) {
        Diagram d;
        if (!openDiagramFile(path, defaults, d).ok) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(d.curves.data());
    }
    setBytes(state);
}

// Baseline: fread of the same file into a warm buffer.
void BM_FreadBaseline(benchmark::State& state) {
    const std::string& path = bigFile();
    std::vector<std::uint8_t> buffer(bigImage().size());
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        if (n != buffer.size()) state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    setBytes(state);
}

// The same read into fresh memory advised for huge pages, as the points of an
// opened diagram are: the fair baseline of opening.
void BM_FreadFreshBaseline(benchmark::State& state) {
    const std::string& path = bigFile();
    const std::size_t size = bigImage().size();
    for (auto _ : state) {
        PointBuffer fresh;
        const std::span<Point> target = fresh.assignUninitialised(size / sizeof(Point) + 1);
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const std::size_t n = std::fread(target.data(), 1, size, f);
        std::fclose(f);
        if (n != size) state.SkipWithError("short read");
        benchmark::DoNotOptimize(target.data());
    }
    setBytes(state);
}

// Serialising into one buffer in memory (fresh at each iteration).
void BM_WriteDiagramBytes(benchmark::State& state) {
    Diagram d = bigDiagram();
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = writeDiagramBytes(d, "x");
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}

// Saving: temporary file, write, fsync, rename over the target.
void BM_SaveDiagram(benchmark::State& state) {
    Diagram d = bigDiagram();
    const std::string path = benchFolder() + "/save.orx";
    for (auto _ : state) {
        if (!saveDiagram(d, path, "x").ok) state.SkipWithError("save failed");
    }
    setBytes(state);
}

// Baselines: fwrite of the same bytes from a warm buffer, with and without fsync.
void fwriteBaseline(benchmark::State& state, bool sync) {
    const auto& bytes = bigImage();
    const std::string path = benchFolder() + "/fwrite.orx";
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        const std::size_t n = std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fflush(f);
        if (sync) ::fsync(::fileno(f));
        std::fclose(f);
        if (n != bytes.size()) state.SkipWithError("short write");
    }
    setBytes(state);
}
void BM_FwriteBaseline(benchmark::State& state) { fwriteBaseline(state, false); }
void BM_FwriteFsyncBaseline(benchmark::State& state) { fwriteBaseline(state, true); }

// The undo before-image: a copy that shares the points.
void BM_CopyDiagram(benchmark::State& state) {
    const Diagram& d = bigDiagram();
    for (auto _ : state) {
        Diagram copy = d;
        benchmark::DoNotOptimize(copy.curves.data());
    }
}

void cleanUp() { std::filesystem::remove_all(benchFolder()); }

}  // namespace

BENCHMARK(BM_ReadDiagramBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_OpenDiagramFile)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FreadBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FreadFreshBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_WriteDiagramBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_SaveDiagram)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FwriteBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FwriteFsyncBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CopyDiagram)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    cleanUp();
    return 0;
}
