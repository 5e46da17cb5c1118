// ordinax-cli: derive, integrate, solve.
#include "cli/calculus_commands.h"

namespace ordinax::cli {

void addCalculusCommands(CLI::App&, int&) {}

}  // namespace ordinax::cli
