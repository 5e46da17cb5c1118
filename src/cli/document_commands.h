// The document commands of ordinax-cli: new, info, dump, build, convert.
#pragma once

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// Adds the document commands to the application; the status of the command
// that runs lands in `status`.
void addDocumentCommands(CLI::App& app, int& status);

}  // namespace ordinax::cli
