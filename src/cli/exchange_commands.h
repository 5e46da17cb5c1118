// The data-exchange commands of ordinax-cli: import, paste, export, procedure.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the data-exchange commands to the application; the status of the
// command that runs lands in `status`.
void addExchangeCommands(CLI::App& app, int& status);

}  // namespace ordinax::cli
