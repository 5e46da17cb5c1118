// The application object: creates Qt's application, sets numbers to the "C"
// convention, loads Qt's French translations, runs the start-up sequence,
// opens the file named on the command line and shows the main window.
#pragma once

#include <filesystem>

namespace ordinax::shell {

// The program's folder: the executable's when it holds the catalogue, else ../share/ordinax.
std::filesystem::path programFolder(const std::filesystem::path& executableFolder);

// Runs the application; returns the process exit code.
int runApplication(int argc, char** argv);

}  // namespace ordinax::shell
