// ordinax-cli: units.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the commands of the group to the application.
void addUnitsCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
