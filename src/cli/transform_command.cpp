// ordinax-cli: transform.
#include "cli/transform_command.h"

namespace ordinax::cli {

void addTransformCommand(CLI::App&, int&) {}

}  // namespace ordinax::cli
