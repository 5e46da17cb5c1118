// ordinax-cli digitize: the conversion of the picture acquisition without a
// window, for digitising many points or many pictures in a batch.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the command to the application.
void addDigitizeCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
