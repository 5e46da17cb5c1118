// The document commands: a new diagram, its summary, the whole record as JSON
// and back, and the conversion of any readable file to the current format.
#include "cli/document_commands.h"

#include <memory>

#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "cli/treatment_code.h"
#include "document/diagram_defaults.h"
#include "document/orx_file.h"

namespace ordinax::cli {

namespace {

using document::Diagram;

struct DocumentOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    bool compact = false;
};

// Saves with the application's routine (curve compaction included).
int saveOrReport(Diagram& diagram, const std::string& path) {
    const document::SaveResult saved = document::saveDiagram(diagram, path, saveDateText());
    if (saved.ok) return ExitSuccess;
    return reportFailure(saved.message.empty()
                             ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, path)
                             : saved.message);
}

Json curveSummary(const Diagram& diagram, int index) {
    const document::Curve& curve = diagram.curves[static_cast<std::size_t>(index)];
    Json out = Json::object();
    out["title"] = textToJson(curve.title);
    out["pointCount"] = document::storedPointCount(diagram, index);
    out["treatment"] = treatmentCode(curve.treatment);
    out["hidden"] = curve.hidden;
    out["extent"] = curve.extent;
    return out;
}

int runNew(const DocumentOptions& options) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(options.settings, error);
    if (!preferences) return reportFailure(error);
    Diagram diagram;
    document::resetDiagram(diagram, preferences->diagram);
    return saveOrReport(diagram, options.output);
}

int runInfo(const DocumentOptions& options) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(options.settings, error);
    if (!preferences) return reportFailure(error);
    Diagram diagram;
    std::string format;
    // No points kept: each curve's are read in turn for its extent only.
    if (!openCurveOrReport(options.input, *preferences, -1, diagram, &format)) return ExitFailure;
    if (const document::ReadResult measured = document::measureSkippedPoints(diagram); !measured.ok)
        return reportFailure(measured.message);
    Json curves = Json::array();
    for (int i = 0; i < diagram.curveCount(); ++i) curves.push_back(curveSummary(diagram, i));
    Json out = Json::object();
    out["format"] = textToJson(format);
    out["curveCount"] = diagram.curveCount();
    out["curves"] = std::move(curves);
    return writeJson(out, {});
}

int runDump(const DocumentOptions& options) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(options.settings, error);
    if (!preferences) return reportFailure(error);
    Diagram diagram;
    std::string format;
    if (!openOrReport(options.input, *preferences, diagram, &format)) return ExitFailure;
    return writeJson(diagramToJson(diagram, format), options.output, options.compact);
}

int runBuild(const DocumentOptions& options) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(options.settings, error);
    if (!preferences) return reportFailure(error);
    // The points are read aside as they come: a large dump costs its points, not its JSON values.
    DumpPoints points;
    const std::optional<Json> json = readJsonFile(options.input, error, &points);
    if (!json) return reportFailure(error);
    Diagram diagram;
    document::resetDiagram(diagram, preferences->diagram);
    error = applyDiagramJson(*json, diagram, &points);
    if (!error.empty()) return reportFailure(error);
    return saveOrReport(diagram, options.output);
}

int runConvert(const DocumentOptions& options) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(options.settings, error);
    if (!preferences) return reportFailure(error);
    Diagram diagram;
    std::string format;
    if (!openOrReport(options.input, *preferences, diagram, &format)) return ExitFailure;
    return saveOrReport(diagram, options.output);
}

void addInput(CLI::App& command, DocumentOptions& options, const char* description, const char* typeName) {
    command.add_option("FICHIER", options.input, description)->required()->type_name(typeName);
}

void addOutput(CLI::App& command, DocumentOptions& options, const char* description, bool required) {
    CLI::Option* output = command.add_option("-o,--output", options.output, description)->type_name("FICHIER");
    if (required) output->required();
}

}  // namespace

void addDocumentCommands(CLI::App& app, int& status) {
    std::shared_ptr<DocumentOptions> options;

    CLI::App* make = addCommand(app, status, "new", "Crée un nouveau diagramme à partir des préférences", runNew,
                                options);
    addOutput(*make, *options, "Fichier diagramme (.orx) à écrire", true);

    CLI::App* info = addCommand(app, status, "info",
                                "Résume un diagramme (format, courbes, traitements, étendues) en JSON", runInfo,
                                options);
    addInput(*info, *options, "Fichier diagramme à lire (toutes générations)", "FICHIER");

    CLI::App* dump = addCommand(app, status, "dump", "Écrit le diagramme entier en JSON, tous les champs", runDump,
                                options);
    addInput(*dump, *options, "Fichier diagramme à lire (toutes générations)", "FICHIER");
    addOutput(*dump, *options, "Fichier JSON à écrire (sinon la sortie standard)", false);
    dump->add_flag("--compact", options->compact, "JSON compact, sans indentation");

    CLI::App* build = addCommand(app, status, "build",
                                 "Construit un diagramme à partir d'un JSON (l'inverse de dump) ; les clés "
                                 "absentes gardent les valeurs d'un nouveau diagramme",
                                 runBuild, options);
    addInput(*build, *options, "Fichier JSON à lire", "FICHIER.json");
    addOutput(*build, *options, "Fichier diagramme (.orx) à écrire", true);

    CLI::App* convert = addCommand(app, status, "convert",
                                   "Ouvre un diagramme de n'importe quelle génération et l'enregistre au "
                                   "format actuel",
                                   runConvert, options);
    addInput(*convert, *options, "Fichier diagramme à lire", "FICHIER");
    addOutput(*convert, *options, "Fichier diagramme (.orx) à écrire", true);
}

}  // namespace ordinax::cli
