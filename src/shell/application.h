// The application object: creates Qt's application, sets numbers to the "C"
// convention, loads Qt's French translations, runs the start-up sequence,
// opens the file named on the command line and shows the main window.
// With ORDINAX_STARTUP_PROBE=1 in the environment the program prints
// "first paint after N ms" (N counted from the process start) on standard
// error once the view has drawn its first frame, and quits. With
// ORDINAX_OPEN_PROBE=1 the diagram named on the command line is opened from
// the event loop once the empty window is drawn, as "Ouvrir..." opens it, and
// the program prints "diagram drawn after N ms" (N counted from the command)
// once the view shows it, and quits.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace ordinax::shell {

// The program's folder: the executable's when it holds the catalogue, else ../share/ordinax.
std::filesystem::path programFolder(const std::filesystem::path& executableFolder);

// Milliseconds since boot at which a process started, from the text of its
// /proc/<pid>/stat (field 22 in ticks of `ticksPerSecond`); nullopt when unreadable.
std::optional<double> processStartMs(std::string_view statText, long ticksPerSecond);

// Runs the application; returns the process exit code.
int runApplication(int argc, char** argv);

}  // namespace ordinax::shell
