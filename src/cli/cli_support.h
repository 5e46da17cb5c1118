// What every command of ordinax-cli shares: the choice of the preferences,
// the exit statuses, messages on standard error, JSON in and out, the save date.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "base/message.h"
#include "cli/diagram_json.h"
#include "settings/preferences.h"

namespace ordinax::cli {

enum ExitStatus : int {
    ExitSuccess = 0,  // done
    ExitFailure = 1,  // refused or failed: the message is on standard error
    ExitUsage = 2,    // bad command line
};

// Where a command takes the preferences from: an INI file, the factory
// values, or (neither given) the user's settings store.
struct SettingsChoice {
    std::string iniFile;
    bool factory = false;
};

// Adds --settings and --factory to a command.
void addSettingsOptions(CLI::App& command, SettingsChoice& choice);

// Reads the chosen preferences; nullopt with `error` set when the INI file
// named by --settings cannot be read.
std::optional<settings::Preferences> loadPreferences(const SettingsChoice& choice, base::Message& error);

// Opens a diagram file of any supported generation (its format read into
// `format` when given); reports the failure and returns false.
bool openOrReport(const std::string& path, const settings::Preferences& preferences, document::Diagram& diagram,
                  std::string* format = nullptr);

// How much of a diagram file a command reads: everything, or the records of
// every curve with the points of the one it works on (commands that do not
// write the diagram: the other point blocks are skipped, and a diagram so
// read is completed from its file before any save).
enum class Reading { Whole, OneCurve };

// Opens a diagram reading the points of curve `curve` alone (-1: none);
// reports the failure and returns false.
bool openCurveOrReport(const std::string& path, const settings::Preferences& preferences, int curve,
                       document::Diagram& diagram, std::string* format = nullptr);

// A diagram read for a command that works on one curve, with the
// preferences it was read with.
struct OpenedCurve {
    settings::Preferences preferences;
    document::Diagram diagram;
};

// Reads the preferences and the diagram and checks the curve number; reports
// the failure and returns nullopt when one of them fails.
std::optional<OpenedCurve> openCurve(const SettingsChoice& choice, const std::string& input, int curve,
                                     Reading reading = Reading::Whole);

// Builds an error message ("ERREUR", blank line, text) from a UTF-8 text.
base::Message errorMessage(std::string text);

// Prints the message on standard error exactly as built, and returns ExitFailure.
int reportFailure(const base::Message& message);

// Prints a message that does not stop the command on standard error.
void reportWarning(const base::Message& message);

// Returns the JSON text, UTF-8 (model texts were converted on the way in, and
// "¶" or accents stay readable instead of \u escapes): compact on one line, or
// indented with arrays of plain values kept on one line.
std::string formatJson(const Json& json, bool compact);

// Writes JSON (UTF-8, indented unless `compact`) on standard output, or into
// `path` when it is not empty. Returns ExitSuccess or reports the failure.
int writeJson(const Json& json, const std::string& path, bool compact = false);

// Writes an output file through the programs' atomic routine; a failure is
// reported with its reason (the previous file stays whole) and ExitFailure returned.
int writeOutputFile(const std::string& path, std::string_view bytes);

// Reads and parses a JSON file within the limits of readJsonInput; nullopt
// with `error` set when the file cannot be read, is not well-formed JSON or
// exceeds a limit. With `points`, the curves' points are taken aside.
std::optional<Json> readJsonFile(const std::string& path, base::Message& error, DumpPoints* points = nullptr);

// The text written into the curves' empty modification dates when saving now.
std::string saveDateText();

// Saves with the application's routine (curve compaction included); the
// exit status, the failure reported.
int saveOrReport(document::Diagram& diagram, const std::string& path);

// A decimal number option, read without the C locale ("." as decimal point).
CLI::Validator numberText();

// The value of an option text that numberText() already accepted.
double checkedNumber(const std::string& text);

// The points of a curve as [[x, y], ...].
Json pointsToJson(const document::Curve& curve);

// The path of a data file of the program (the regression catalogue, ...):
// next to the executable, else in ../share/ordinax/ beside its folder; when
// neither exists, the path next to the executable, for the message naming it.
std::string programDataPath(std::string_view name);

// Gives the application French help texts; call before adding the commands,
// which inherit the help flag and the labels.
void prepareApp(CLI::App& app);

// Wraps a command body for CLI11: the body's status lands in `status`, and an
// unexpected exception becomes a failure message instead of a crash.
std::function<void()> commandCallback(int& status, std::function<int()> body);

// Adds a command whose options (with the settings choice as `settings`) live
// as long as the application that parses them, and whose body is `run`.
template <typename Options>
CLI::App* addCommand(CLI::App& app, int& status, const char* name, const char* description, int (*run)(const Options&),
                     std::shared_ptr<Options>& options) {
    options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(name, description);
    command->group("Commandes");
    addSettingsOptions(*command, options->settings);
    command->callback(commandCallback(status, [run, options] { return run(*options); }));
    return command;
}

// The diagram file argument of the commands that read one (required).
CLI::Option* addInputArgument(CLI::App& command, std::string& input);

// The --curve option of the commands that work on one curve.
CLI::Option* addCurveOption(CLI::App& command, int& curve);

// A command on one curve of a diagram file: its FICHIER argument, --curve
// (both required) and --compact; Options has input, curve and compact.
template <typename Options>
CLI::App* addCurveCommand(CLI::App& app, int& status, const char* name, const char* description,
                          int (*run)(const Options&), std::shared_ptr<Options>& options) {
    CLI::App* command = addCommand(app, status, name, description, run, options);
    addInputArgument(*command, options->input);
    addCurveOption(*command, options->curve)->required();
    command->add_flag("--compact", options->compact, "JSON compact, sans indentation");
    return command;
}

// Removes the temporary files that killed runs left in the folders of the
// files named on the command line (and in the working folder).
void removeStaleTemporariesOfArguments(int argc, char** argv);

// Parses the command line and runs the chosen command; returns the exit status
// (help 0, usage errors 2, otherwise the command's own status).
int runApp(CLI::App& app, int argc, char** argv, const int& status);

}  // namespace ordinax::cli
