// ordinax-cli units: searching the units database and setting the unit of a
// curve axis, with or without converting its values.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the commands of the group to the application.
void addUnitsCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
