// ordinax-cli: units.
#include "cli/units_command.h"

namespace ordinax::cli {

void addUnitsCommand(CLI::App&, int&) {}

}  // namespace ordinax::cli
