// ordinax-cli: derive, integrate, solve.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the commands of the group to the application.
void addCalculusCommands(CLI::App& app, int& status);

}  // namespace ordinax::cli
