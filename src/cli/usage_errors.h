// The command-line parser's errors in French: the parser builds its texts in
// English, so each kind of error is recognised and written again.
#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// The French text of a parse error (without the "Erreur d'utilisation : "
// lead). Texts the commands' own checks give in French are kept as they are.
std::string frenchUsageError(const CLI::Error& error);

// The same from the parser's English text.
std::string frenchUsageError(const std::string& text);

}  // namespace ordinax::cli
