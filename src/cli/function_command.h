// The function command of ordinax-cli: the curve(s) of an analytic function.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the function command to the application; its status lands in `status`.
void addFunctionCommand(CLI::App& app, int& status);

}  // namespace ordinax::cli
