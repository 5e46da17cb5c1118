// The regression commands of ordinax-cli: fit, rank, residuals, value.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the regression commands to the application; the status of the command
// that runs lands in `status`.
void addFitCommands(CLI::App& app, int& status);

}  // namespace ordinax::cli
