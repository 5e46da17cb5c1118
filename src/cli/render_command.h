// ordinax-cli render: a diagram drawn by the same pass as the view and the
// printer into a PNG, SVG or PDF picture.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds `render FILE -o OUT.(png|svg|pdf) [--width PX --height PX]
// [--mode normal|page] [--dpi N]` to the application.
void addRenderCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
