// ordinax-cli: transform.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the commands of the group to the application.
void addTransformCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
