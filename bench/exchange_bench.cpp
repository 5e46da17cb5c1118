// Text import throughput: a semicolon CSV of 1 000 000 rows x 10 columns with
// decimal commas (about 100 MB), imported as a whole diagram from the file.
// Each iteration imports into a fresh diagram, so the point buffers are fresh
// memory (asked for transparent huge pages); the file is in the page cache.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "exchange/text_import.h"

namespace {

using namespace ordinax;

constexpr int Rows = 1'000'000;
constexpr int Columns = 10;

// The data file, written once per run: values with 3 decimals, some negative.
const std::string& csvPath() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / ("ordinax_bench_" + std::to_string(::getpid()) + ".csv")).string();
        std::ofstream out(p, std::ios::binary);
        std::string line;
        unsigned state = 12345;
        char cell[32];
        for (int r = 0; r < Rows; ++r) {
            line.clear();
            for (int c = 0; c < Columns; ++c) {
                state = state * 1103515245u + 12345u;
                const int whole = static_cast<int>((state >> 8) % 100000);
                const int fraction = static_cast<int>((state >> 3) % 1000);
                const bool negative = (state & 0x10000) != 0 && c > 0;
                const int n = std::snprintf(cell, sizeof cell, "%s%d,%03d", negative ? "-" : "", c == 0 ? r : whole, fraction);
                if (c) line += ';';
                line.append(cell, static_cast<std::size_t>(n));
            }
            line += '\n';
            out << line;
        }
        std::atexit([] { std::remove(csvPath().c_str()); });
        return p;
    }();
    return path;
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void ImportSemicolonCsv(benchmark::State& state) {
    const std::string& path = csvPath();
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    exchange::ConversionProcedure p;
    p.coordinateCount = Columns;
    // The peak before the first import; Google Benchmark calls this function more than once.
    static const long before = peakResidentKiB();
    long long points = 0;
    for (auto _ : state) {
        document::Diagram diagram;
        const exchange::ImportResult r = exchange::extractData(path, p, exchange::ImportMode::Diagram, 0, diagram);
        if (r.curves != Columns - 1 || r.points != Rows) state.SkipWithError("unexpected import result");
        points = r.points * r.curves;
        benchmark::DoNotOptimize(diagram.curves.data());
    }
    state.SetBytesProcessed(bytes * state.iterations());
    const double pointBytes = static_cast<double>(points) * sizeof(document::Point);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["points_MB"] = pointBytes / 1e6;
    // Peak growth of the process during the imports over the size of the points.
    state.counters["peak_over_points"] = static_cast<double>(peakResidentKiB() - before) * 1024.0 / pointBytes;
}
BENCHMARK(ImportSemicolonCsv)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
