// The macro command of ordinax-cli: one presentation macro over a diagram file.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the macro command to the application; its status lands in `status`.
void addMacroCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
