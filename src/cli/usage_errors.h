// The command-line parser's errors and check descriptions in French: the
// parser builds its texts in English, so each is recognised and written again.
#pragma once

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

namespace ordinax::cli {

// The French text of a parse error (without the "Erreur d'utilisation : "
// lead). Texts the commands' own checks give in French are kept as they are.
std::string frenchUsageError(const CLI::Error& error);

// The same from the parser's English text.
std::string frenchUsageError(const std::string& text);

// The value descriptions the parser's checks add to the help ("NONNEGATIVE",
// "INT in [0 - 15]") in French.
std::string frenchCheckDescription(const std::string& text);

// A help formatter that writes those descriptions in French; the labels are
// set on it afterwards as on the parser's own.
std::shared_ptr<CLI::Formatter> frenchFormatter();

}  // namespace ordinax::cli
