// ordinax-cli: smooth, fourier, spectrum.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the commands of the group to the application.
void addSmoothingCommands(CLI::App& app, int& status);

}  // namespace ordinax::cli
