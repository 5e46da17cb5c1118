// ordinax-cli: the command table. Each command group adds its commands; the
// work itself lives in the group's file and in the core.
#include <CLI/CLI.hpp>

#include <csignal>

#include "cli/cli_support.h"
#include "cli/document_commands.h"
#include "cli/exchange_commands.h"
#include "cli/fit_commands.h"
#include "cli/function_command.h"
#include "cli/macro_command.h"
#include "cli/report_command.h"
#include "cli/calculus_commands.h"
#include "cli/digitize_command.h"
#include "cli/render_command.h"
#include "cli/scale_command.h"
#include "cli/smoothing_commands.h"
#include "cli/transform_command.h"
#include "cli/units_command.h"

namespace {

using AddCommands = void (*)(CLI::App&, int&);

constexpr AddCommands CommandGroups[] = {
    ordinax::cli::addDocumentCommands,
    ordinax::cli::addFunctionCommand,
    ordinax::cli::addFitCommands,
    ordinax::cli::addExchangeCommands,
    ordinax::cli::addMacroCommand,
    ordinax::cli::addSmoothingCommands,
    ordinax::cli::addCalculusCommands,
    ordinax::cli::addTransformCommand,
    ordinax::cli::addScaleCommand,
    ordinax::cli::addUnitsCommand,
    ordinax::cli::addDigitizeCommand,
    ordinax::cli::addRenderCommand,
    ordinax::cli::addReportCommand,
};

}  // namespace

int main(int argc, char** argv) {
    // A write past the size limit of files fails with its error (and its
    // message) instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    ordinax::cli::removeStaleTemporariesOfArguments(argc, argv);
    CLI::App app("Ordinax en ligne de commande : diagrammes, calculs et échanges sans fenêtre.", "ordinax-cli");
    ordinax::cli::prepareApp(app);
    int status = ordinax::cli::ExitSuccess;
    for (AddCommands addCommands : CommandGroups) addCommands(app, status);
    return ordinax::cli::runApp(app, argc, argv, status);
}
