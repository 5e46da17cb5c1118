// ordinax-cli scales: the four axis scales of a diagram, optionally after the
// automatic choice of bounds and formats, with their graduation texts.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the command `scales FILE [--auto]` to the application.
void addScaleCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
