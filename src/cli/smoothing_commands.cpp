// ordinax-cli: smooth, fourier, spectrum.
#include "cli/smoothing_commands.h"

namespace ordinax::cli {

void addSmoothingCommands(CLI::App&, int&) {}

}  // namespace ordinax::cli
