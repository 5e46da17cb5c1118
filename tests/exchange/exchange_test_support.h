// Helpers of the exchange tests: a fixed time zone for dates, temporary files.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"

namespace ordinax::exchange::testing {

// The points of one curve of a diagram, copied.
inline std::vector<document::Point> pointsOf(const document::Diagram& d, int curve) {
    const auto v = d.curves[static_cast<std::size_t>(curve)].points.view();
    return {v.begin(), v.end()};
}

// Dates are local noon: the tests fix the zone and restore it afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old, hadZone_ = true;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (hadZone_) ::setenv("TZ", saved_.c_str(), 1);
        else ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::string saved_;
    bool hadZone_ = false;
};

// A folder of its own under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ordinax_exchange_XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    std::string write(std::string_view name, std::string_view bytes) const {
        const std::string p = file(name);
        std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

private:
    std::filesystem::path path_;
};

inline std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace ordinax::exchange::testing
