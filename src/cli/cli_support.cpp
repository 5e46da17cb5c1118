// Shared plumbing of ordinax-cli: preferences, messages, JSON files, exit statuses.
#include "cli/cli_support.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <sstream>

#include "base/date_time.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/input_file.h"
#include "cli/json_input.h"
#include "cli/usage_errors.h"
#include "document/orx_file.h"
#include "document/safe_file.h"
#include "qt/qsettings_store.h"

namespace ordinax::cli {

namespace {

// CLI11 writes its errors in English: they are told again in French.
std::string usageFailureText(const CLI::App* app, const CLI::Error& error) {
    std::string text = "Erreur d'utilisation : ";
    text += frenchUsageError(error);
    text += "\nVoir « ";
    text += app->get_name().empty() ? std::string("ordinax-cli") : app->get_name();
    text += " --help ».\n";
    return text;
}

void translateHelpLabels(CLI::App& app) {
    const auto formatter = app.get_formatter();
    formatter->label("Usage", "Utilisation");
    formatter->label("OPTIONS", "OPTIONS");
    formatter->label("SUBCOMMAND", "COMMANDE");
    formatter->label("SUBCOMMANDS", "COMMANDES");
    formatter->label("REQUIRED", "(obligatoire)");
    formatter->label("Positionals", "Arguments");
    formatter->label("Options", "Options");
    formatter->label("Subcommands", "Commandes");
    formatter->label("Needs", "Requiert");
    formatter->label("Excludes", "Exclut");
    formatter->label("TEXT", "TEXTE");
    formatter->label("INT", "ENTIER");
    formatter->label("UINT", "ENTIER");
    formatter->label("FLOAT", "RÉEL");
    formatter->label("FILE", "FICHIER");
}

bool isScalar(const Json& value) {
    return !value.is_array() && !value.is_object();
}

// Scalars through the library's own writer: shortest round-trip numbers,
// NaN as null, UTF-8 kept as is.
std::string scalarText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::strict);
}

// Indented JSON where an array of scalars stays on one line: a paint style,
// a pair of margins or a point [x, y] reads at a glance, and a dump of many
// points keeps one line per point.
void writeIndented(const Json& value, int depth, std::string& out) {
    if (isScalar(value)) {
        out += scalarText(value);
        return;
    }
    const bool isArray = value.is_array();
    if (value.empty()) {
        out += isArray ? "[]" : "{}";
        return;
    }
    if (isArray && std::all_of(value.begin(), value.end(), isScalar)) {
        out += '[';
        bool first = true;
        for (const Json& item : value) {
            if (!first) out += ", ";
            out += scalarText(item);
            first = false;
        }
        out += ']';
        return;
    }
    const std::string inner(static_cast<std::size_t>(depth + 1) * 2, ' ');
    out += isArray ? "[\n" : "{\n";
    bool first = true;
    for (auto item = value.begin(); item != value.end(); ++item) {
        if (!first) out += ",\n";
        out += inner;
        if (!isArray) {
            out += scalarText(Json(item.key()));
            out += ": ";
        }
        writeIndented(item.value(), depth + 1, out);
        first = false;
    }
    out += '\n';
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
    out += isArray ? ']' : '}';
}

}  // namespace

std::string formatJson(const Json& json, bool compact) {
    if (compact) return scalarText(json);
    std::string out;
    writeIndented(json, 0, out);
    return out;
}

void addSettingsOptions(CLI::App& command, SettingsChoice& choice) {
    CLI::Option* ini = command.add_option("--settings", choice.iniFile,
                                          "Lit les préférences dans ce fichier INI au lieu des préférences de "
                                          "l'utilisateur")
                           ->type_name("FICHIER.ini");
    command.add_flag("--factory", choice.factory, "Utilise les préférences d'usine")->excludes(ini);
}

std::optional<settings::Preferences> loadPreferences(const SettingsChoice& choice, base::Message& error) {
    if (choice.factory) return settings::factoryPreferences();
    if (!choice.iniFile.empty()) {
        // A store over a missing file would silently read as empty: a mistyped
        // name must not pass for the factory values. Only a regular file of a
        // sensible size is handed to the store, which would wait on a FIFO and
        // read a device without end.
        document::ReadableFile probe;
        base::InputError failure;
        if (!document::openReadableFile(choice.iniFile, probe, &failure)) {
            error = base::inputFailureMessage(choice.iniFile, failure);
            return std::nullopt;
        }
        if (probe.size() > base::SmallTextLimits.maxBytes) {
            failure = base::InputError{base::InputStatus::TooLarge, 0, base::SmallTextLimits.maxBytes, 0};
            error = base::inputFailureMessage(choice.iniFile, failure);
            return std::nullopt;
        }
        const qt::QSettingsStore store = qt::QSettingsStore::iniFile(choice.iniFile);
        return settings::readPreferences(store);
    }
    const qt::QSettingsStore store = qt::QSettingsStore::userStore();
    return settings::readPreferences(store);
}

base::Message errorMessage(std::string text) {
    return base::Message{0, base::Heading::Error, std::move(text)};
}

namespace {

bool reportRead(const document::ReadResult& read, std::string* format) {
    if (!read.ok) {
        reportFailure(read.message.empty() ? base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error)
                                           : read.message);
        return false;
    }
    for (const base::Message& warning : read.warnings) reportWarning(warning);
    if (format) *format = read.format;
    return true;
}

}  // namespace

bool openOrReport(const std::string& path, const settings::Preferences& preferences, document::Diagram& diagram,
                  std::string* format) {
    return reportRead(document::openDiagramFile(path, preferences.diagram, diagram), format);
}

bool openCurveOrReport(const std::string& path, const settings::Preferences& preferences, int curve,
                       document::Diagram& diagram, std::string* format) {
    return reportRead(document::openDiagramCurve(path, preferences.diagram, curve, diagram), format);
}

std::optional<OpenedCurve> openCurve(const SettingsChoice& choice, const std::string& input, int curve,
                                     Reading reading) {
    base::Message error;
    std::optional<settings::Preferences> preferences = loadPreferences(choice, error);
    if (!preferences) {
        reportFailure(error);
        return std::nullopt;
    }
    OpenedCurve opened{std::move(*preferences), {}};
    const bool read = reading == Reading::OneCurve
                          ? openCurveOrReport(input, opened.preferences, curve, opened.diagram)
                          : openOrReport(input, opened.preferences, opened.diagram);
    if (!read) return std::nullopt;
    if (curve < 0 || curve >= opened.diagram.curveCount()) {
        reportFailure(errorMessage("La courbe " + std::to_string(curve) + " n'existe pas dans ce diagramme."));
        return std::nullopt;
    }
    return opened;
}

int reportFailure(const base::Message& message) {
    std::cerr << message.formatted() << '\n' << std::flush;
    return ExitFailure;
}

void reportWarning(const base::Message& message) {
    std::cerr << message.formatted() << '\n' << std::flush;
}

int writeJson(const Json& json, const std::string& path, bool compact) {
    const std::string text = formatJson(json, compact) + "\n";
    if (path.empty()) {
        std::cout << text << std::flush;
        if (!std::cout) return reportFailure(errorMessage("Impossible d'écrire la sortie standard !"));
        return ExitSuccess;
    }
    return writeOutputFile(path, text);
}

int writeOutputFile(const std::string& path, std::string_view bytes) {
    const document::WriteStatus written = document::replaceFile(path, bytes);
    if (written.ok()) return ExitSuccess;
    return reportFailure(document::writeFailureMessage(path, written.error));
}

std::optional<Json> readJsonFile(const std::string& path, base::Message& error, DumpPoints* points) {
    return readJsonInput(path, points, error);
}

std::string saveDateText() {
    return base::modificationDateText(std::time(nullptr), base::Language::French);
}

int saveOrReport(document::Diagram& diagram, const std::string& path) {
    const document::SaveResult saved = document::saveDiagram(diagram, path, saveDateText());
    if (saved.ok) return ExitSuccess;
    return reportFailure(saved.message.empty() ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, path)
                                               : saved.message);
}

CLI::Validator numberText() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (base::parseNumber(text)) return {};
            return "nombre attendu, « " + text + " » reçu";
        },
        "RÉEL", "nombre");
}

double checkedNumber(const std::string& text) { return base::parseNumber(text).value_or(0.0); }

Json pointsToJson(const document::Curve& curve) {
    Json points = Json::array();
    for (const document::Point& p : curve.points.view()) points.push_back(Json::array({p.x, p.y}));
    return points;
}

std::string programDataPath(std::string_view name) {
    namespace fs = std::filesystem;
    std::error_code failure;
    const fs::path executable = fs::read_symlink("/proc/self/exe", failure);
    // Without /proc the working folder is the best remaining guess.
    const fs::path folder = failure ? fs::current_path(failure) : executable.parent_path();
    const fs::path beside = folder / fs::path(name);
    const fs::path shared = folder.parent_path() / "share" / "ordinax" / fs::path(name);
    if (fs::exists(beside, failure)) return beside.string();
    if (fs::exists(shared, failure)) return shared.string();
    return beside.string();
}

CLI::Option* addInputArgument(CLI::App& command, std::string& input) {
    return command.add_option("FICHIER", input, "Fichier diagramme à lire (toutes générations)")
        ->required()
        ->type_name("FICHIER");
}

CLI::Option* addCurveOption(CLI::App& command, int& curve) {
    return command.add_option("--curve", curve, "Numéro de la courbe (depuis 0)")
        ->type_name("N")
        ->check(CLI::NonNegativeNumber);
}

void prepareApp(CLI::App& app) {
    app.formatter(frenchFormatter());
    app.set_help_flag("-h,--help", "Affiche cette aide et quitte");
    translateHelpLabels(app);
    app.failure_message(usageFailureText);
    app.require_subcommand(1);
}

std::function<void()> commandCallback(int& status, std::function<int()> body) {
    return [&status, body = std::move(body)] {
        try {
            status = body();
        } catch (const std::bad_alloc&) {
            status = reportFailure(errorMessage("Mémoire insuffisante !"));
        } catch (const std::exception& failure) {
            status = reportFailure(errorMessage(std::string("Erreur inattendue : ") + failure.what()));
        }
    };
}

void removeStaleTemporariesOfArguments(int argc, char** argv) {
    std::vector<std::string> folders{"."};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.empty() || argument.front() == '-') continue;
        const std::string folder = document::folderOfPath(argument);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
    for (const std::string& folder : folders) document::removeStaleTemporaries(folder);
}

int runApp(CLI::App& app, int argc, char** argv, const int& status) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version requests are "errors" with status 0 in CLI11.
        return app.exit(error) == 0 ? ExitSuccess : ExitUsage;
    }
    return status;
}

}  // namespace ordinax::cli
