// ordinax-cli: scales.
#include "cli/scale_command.h"

namespace ordinax::cli {

void addScaleCommand(CLI::App&, int&) {}

}  // namespace ordinax::cli
