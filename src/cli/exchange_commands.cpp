// The data-exchange commands: text import through a conversion procedure,
// the clipboard-table import from a file or standard input, curve export,
// and reading or writing procedure files.
#include "cli/exchange_commands.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/encoding.h"
#include "base/input_file.h"
#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "document/diagram_defaults.h"
#include "document/orx_file.h"
#include "exchange/clipboard_table.h"
#include "exchange/conversion_procedure.h"
#include "exchange/curve_export.h"
#include "exchange/file_io.h"
#include "exchange/separator_detection.h"
#include "exchange/import_preview.h"
#include "exchange/text_import.h"

namespace ordinax::cli {

namespace {

using document::Diagram;
using exchange::ConversionProcedure;

// ---------------------------------------------------------------------------
// Procedure options shared by import and procedure --write.

struct IntField {
    const char* name;
    int ConversionProcedure::*field;
    const char* help;
    int minimum;
    int maximum;
};

constexpr int LineLimit = 1'000'000'000;

const IntField IntFields[] = {
    {"--header-lines", &ConversionProcedure::headerLineCount, "Nombre total de lignes dans l'en-tête du fichier", 0,
     LineLimit},
    {"--title-line", &ConversionProcedure::titleLine, "Numéro de la ligne d'en-tête comportant le titre (0 : aucune)",
     0, LineLimit},
    {"--date-line", &ConversionProcedure::dateLine, "Numéro de la ligne d'en-tête comportant la date (0 : aucune)", 0,
     LineLimit},
    {"--x-name-line", &ConversionProcedure::xNameLine,
     "Numéro de la ligne d'en-tête comportant le nom de l'abscisse (0 : aucune)", 0, LineLimit},
    {"--y-name-line", &ConversionProcedure::yNameLine,
     "Numéro de la ligne d'en-tête comportant le nom de l'ordonnée (0 : aucune)", 0, LineLimit},
    {"--record-count-line", &ConversionProcedure::recordCountLine,
     "Numéro de la ligne d'en-tête comportant le nombre total d'enregistrements (0 : aucune)", 0, LineLimit},
    {"--coordinate-count", &ConversionProcedure::coordinateCount,
     "Nombre de coordonnées par enregistrement (colonnes en orientation columns, lignes en orientation rows)", 1, 999},
    {"--x-order", &ConversionProcedure::xOrder,
     "Numéro d'ordre de l'abscisse dans l'enregistrement (0 : numéro de l'enregistrement)", 0, 999},
    {"--y-order", &ConversionProcedure::yOrder,
     "Numéro d'ordre de l'ordonnée, import dans une courbe (0 : numéro de l'enregistrement)", 0, 999},
    {"--sampling", &ConversionProcedure::sampling, "Échantillonnage : garde un enregistrement sur N", 1, LineLimit},
    {"--numeric-base", &ConversionProcedure::numericBase, "Base numérique des valeurs entières (2 à 16)", 2, 16},
};

struct ProcedureOptions {
    std::string file;  // --procedure
    ConversionProcedure values;
    std::vector<std::pair<CLI::Option*, int ConversionProcedure::*>> given;
    CLI::Option* fileOption = nullptr;
    CLI::Option* separatorOption = nullptr;
    CLI::Option* coordinateOption = nullptr;

    bool anyGiven() const {
        if (fileOption->count() > 0 || separatorOption->count() > 0) return true;
        return std::any_of(given.begin(), given.end(), [](const auto& g) { return g.first->count() > 0; });
    }
};

// A separator from the command line: UTF-8 converted to the model's code page,
// and one character or one of the words of the procedure file. Used as a
// transform, since CLI11 hands checks a copy of the value.
CLI::Validator separatorValidator() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            const std::optional<std::string> converted = base::utf8ToWindows1252(value);
            if (!converted) return "le séparateur ne s'écrit pas en Windows-1252";
            const std::string normalised = exchange::normaliseSeparator(*converted);
            if (normalised.size() != 1 && normalised != "ESPACE" && normalised != "TAB" && normalised != "CR") {
                return "le séparateur est un caractère, ESPACE, TAB ou CR";
            }
            value = normalised;
            return {};
        },
        "");
}

void addProcedureOptions(CLI::App& command, ProcedureOptions& o) {
    o.fileOption = command
                       .add_option("--procedure", o.file,
                                   "Procédure de conversion (.pca) à charger ; les options ci-dessous en "
                                   "remplacent les champs")
                       ->type_name("P.pca");
    const std::map<std::string, int> charSets = {{"ansi", 0}, {"dos", 1}};
    o.given.emplace_back(command
                             .add_option("--charset", o.values.charSet,
                                         "Jeu de caractères du fichier : ansi (Windows) ou dos (page de code 850)")
                             ->transform(CLI::CheckedTransformer(charSets, CLI::ignore_case).description(""))
                             ->type_name("ansi|dos"),
                         &ConversionProcedure::charSet);
    const std::map<std::string, int> orientations = {{"columns", 0}, {"rows", 1}};
    o.given.emplace_back(command
                             .add_option("--orientation", o.values.orientation,
                                         "Orientation des séries : columns (un enregistrement par ligne) ou rows "
                                         "(une série par ligne)")
                             ->transform(CLI::CheckedTransformer(orientations, CLI::ignore_case).description(""))
                             ->type_name("columns|rows"),
                         &ConversionProcedure::orientation);
    for (const IntField& f : IntFields) {
        CLI::Option* option = command.add_option(f.name, o.values.*(f.field), f.help)
                                  ->type_name("N")
                                  ->check(CLI::Range(f.minimum, f.maximum).description(""));
        if (f.field == &ConversionProcedure::coordinateCount) o.coordinateOption = option;
        o.given.emplace_back(option, f.field);
    }
    o.separatorOption = command
                            .add_option("--separator", o.values.separator,
                                        "Séparateur entre deux valeurs : un caractère, ESPACE (blanc), TAB "
                                        "(tabulation) ou CR (une valeur par ligne)")
                            ->type_name("SÉPARATEUR")
                            ->transform(separatorValidator());
}

// Loads a procedure file; the message tells an unreadable file from another format.
bool loadProcedureOrMessage(const std::string& path, ConversionProcedure& procedure, base::Message& error) {
    return exchange::loadProcedure(path, procedure, error);
}

// The procedure of the command: the file given (else the defaults), then the options given.
bool resolveProcedure(const ProcedureOptions& o, ConversionProcedure& procedure, base::Message& error) {
    procedure = ConversionProcedure{};
    if (!o.file.empty() && !loadProcedureOrMessage(o.file, procedure, error)) return false;
    for (const auto& [option, field] : o.given) {
        if (option->count() > 0) procedure.*field = o.values.*field;
    }
    if (o.separatorOption->count() > 0) procedure.separator = o.values.separator;
    return true;
}

Json procedureToJson(const ConversionProcedure& p) {
    Json out = Json::object();
    out["charSet"] = p.charSet;
    out["orientation"] = p.orientation;
    out["headerLineCount"] = p.headerLineCount;
    out["titleLine"] = p.titleLine;
    out["dateLine"] = p.dateLine;
    out["xNameLine"] = p.xNameLine;
    out["yNameLine"] = p.yNameLine;
    out["recordCountLine"] = p.recordCountLine;
    out["coordinateCount"] = p.coordinateCount;
    out["xOrder"] = p.xOrder;
    out["yOrder"] = p.yOrder;
    out["sampling"] = p.sampling;
    out["numericBase"] = p.numericBase;
    out["separator"] = textToJson(p.separator);
    return out;
}

// ---------------------------------------------------------------------------
// Shared steps.

bool curveExists(const Diagram& diagram, int curve) {
    if (curve >= 0 && curve < diagram.curveCount()) return true;
    reportFailure(errorMessage("La courbe " + std::to_string(curve) + " n'existe pas dans ce diagramme."));
    return false;
}

int usageFailure(const std::string& command, const std::string& text) {
    std::cerr << "Erreur d'utilisation : " << text << "\nVoir « ordinax-cli " << command << " --help ».\n"
              << std::flush;
    return ExitUsage;
}

// A model text from the command line (UTF-8); refused when Windows-1252 cannot write it.
CLI::Validator modelTextValidator(std::size_t maximum) {
    return CLI::Validator(
        [maximum](std::string& value) -> std::string {
            const std::optional<std::string> converted = base::utf8ToWindows1252(value);
            if (!converted) return "le texte ne s'écrit pas en Windows-1252";
            if (converted->size() > maximum) return "le texte dépasse " + std::to_string(maximum) + " caractères";
            value = *converted;
            return {};
        },
        "");
}

// The status line of the import on a terminal: one line rewritten in place,
// erased at the end (the final status is in the printed result).
class ProgressLine {
public:
    ProgressLine() : enabled_(isatty(STDERR_FILENO) == 1) {}
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    exchange::ProgressCallback callback() {
        if (!enabled_) return {};
        return [this](const exchange::ImportProgress& progress) { show(progress); };
    }

    void finish() {
        if (width_ == 0) return;
        std::string blank = "\r";
        blank.append(width_, ' ');
        blank += '\r';
        std::fputs(blank.c_str(), stderr);
        std::fflush(stderr);
        width_ = 0;
    }

private:
    void show(const exchange::ImportProgress& progress) {
        std::string line(progress.status);
        if (progress.bytesTotal > 0) {
            const std::size_t read = std::min(progress.bytesRead, progress.bytesTotal);
            line += "  " + std::to_string(read * 100 / progress.bytesTotal) + " %";
        }
        std::string out = "\r" + line;
        // Bytes, not characters: a few extra blanks cost nothing and always cover the old line.
        if (line.size() < width_) out.append(width_ - line.size(), ' ');
        width_ = std::max(width_, line.size());
        std::fputs(out.c_str(), stderr);
        std::fflush(stderr);
    }

    bool enabled_;
    std::size_t width_ = 0;
};

// ---------------------------------------------------------------------------
// import

struct ImportOptions {
    SettingsChoice settings;
    std::string data;
    ProcedureOptions procedure;
    bool detectSeparator = false;
    bool detectCoordinates = false;
    std::string into;
    int curve = 0;
    std::string output;
};

// The "?" buttons of the dialog: separator and value count guessed from the
// first data line of the file.
bool applyDetection(const ImportOptions& o, ConversionProcedure& procedure) {
    if (!o.detectSeparator && !o.detectCoordinates) return true;
    // Only the lines after the header are read, and not all of them.
    base::Message error;
    const std::optional<std::vector<std::string>> lines = exchange::readDataLines(o.data, procedure, error);
    if (!lines) {
        reportFailure(error);
        return false;
    }
    if (o.detectSeparator) procedure.separator = exchange::detectSeparator(lines->empty() ? "" : lines->front());
    if (o.detectCoordinates) {
        ConversionProcedure afterHeader = procedure;
        afterHeader.headerLineCount = 0;
        exchange::detectCoordinateCount(afterHeader, *lines);
        procedure.coordinateCount = afterHeader.coordinateCount;
        procedure.xOrder = afterHeader.xOrder;
        procedure.yOrder = afterHeader.yOrder;
    }
    return true;
}

// A file read with the default procedure whose first data line holds more
// values than the procedure reads: the user is told which values were left
// and how to read them, since the import itself succeeds silently.
void reportUnreadValues(const ImportOptions& o, const ConversionProcedure& procedure) {
    if (!o.into.empty() || o.procedure.fileOption->count() > 0 || o.procedure.coordinateOption->count() > 0 ||
        o.detectCoordinates || procedure.orientation != 0)
        return;
    constexpr std::size_t HeadBytes = 1 << 20;
    const std::optional<std::string> head = exchange::readFileHead(o.data, HeadBytes);
    if (!head) return;
    const std::vector<std::string> lines = exchange::previewLines(*head, procedure.charSet);
    const auto first = static_cast<std::size_t>(std::max(procedure.headerLineCount, 0));
    // The first data line must be whole: a cut head may end inside it.
    if (first >= lines.size() || (head->size() == HeadBytes && first + 1 >= lines.size())) return;
    const int found = exchange::valuesOnLine(procedure, lines[first]);
    const int left = found - procedure.coordinateCount;
    if (left <= 0) return;
    reportWarning(base::Message{
        0, base::Heading::Remark,
        "La première ligne de données compte " + std::to_string(found) +
            " valeurs ; la procédure n'en lit que " + std::to_string(procedure.coordinateCount) + " : " +
            std::to_string(left) + (left > 1 ? " valeurs sont ignorées." : " valeur est ignorée.") +
            "\nPour les lire, ajoutez --detect-coordinates ou --coordinate-count " +
            std::to_string(found) + "."});
}

int runImport(const ImportOptions& o) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    ConversionProcedure procedure;
    if (!resolveProcedure(o.procedure, procedure, error)) return reportFailure(error);
    if (!applyDetection(o, procedure)) return ExitFailure;

    Diagram diagram;
    exchange::ImportMode mode = exchange::ImportMode::Diagram;
    if (o.into.empty()) {
        document::resetDiagram(diagram, preferences->diagram);
    } else {
        if (!openOrReport(o.into, *preferences, diagram)) return ExitFailure;
        if (!curveExists(diagram, o.curve)) return ExitFailure;
        mode = exchange::ImportMode::Curve;
    }

    ProgressLine progress;
    const exchange::ImportResult result =
        exchange::extractData(o.data, procedure, mode, o.curve, diagram, progress.callback());
    progress.finish();
    if (!result.completed) {
        return reportFailure(result.error.empty() ? errorMessage("L'extraction des données a échoué.") : result.error);
    }
    for (const base::Message& warning : result.warnings) reportWarning(warning);
    reportUnreadValues(o, procedure);
    exchange::showImportedCurves(diagram, mode);
    if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;

    Json out = Json::object();
    out["curves"] = result.curves;
    out["points"] = result.points;
    out["status"] = result.status;  // already UTF-8
    return writeJson(out, {});
}

// ---------------------------------------------------------------------------
// paste

struct PasteOptions {
    SettingsChoice settings;
    std::string table;
    bool horizontal = false;
    int abscissa = 1;
    bool titles = false;
    bool names = false;
    bool legends = false;
    std::string yLabel;  // Windows-1252 once validated
    std::string output;
};

// The clipboard text held in a file or on standard input ("-"), its limits
// checked while reading.
std::optional<std::string> readTableText(const std::string& source, base::Message& error) {
    if (source == "-") return exchange::readTableText(STDIN_FILENO, "(entrée standard)", error);
    base::InputError failure;
    const int fd = base::openInput(source, failure);
    if (fd < 0) {
        error = base::inputFailureMessage(source, failure);
        return std::nullopt;
    }
    std::optional<std::string> text = exchange::readTableText(fd, source, error);
    ::close(fd);
    return text;
}

int runPaste(const PasteOptions& o) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    std::optional<std::string> text = readTableText(o.table, error);
    if (!text) return reportFailure(error);
    // The clipboard holds 8-bit text; a table saved or piped today is mostly
    // UTF-8, which would otherwise land in the titles as two odd characters.
    if (std::optional<std::string> converted = base::utf8ToWindows1252(*text)) text = std::move(converted);

    const exchange::TableOpenResult opened = exchange::openClipboardTable(std::move(*text));
    if (!opened.table) return reportFailure(opened.error);
    const int series = o.horizontal ? opened.table->rowCount : opened.table->columnCount;
    // The dialog only offers the existing series; a number past them would
    // leave every abscissa at 0 without a word.
    if (o.abscissa > series && series <= document::MaxCurves + 1) {
        return reportFailure(errorMessage("Le numéro de la série des abscisses doit être compris entre 1 et " +
                                          std::to_string(series) + "."));
    }

    exchange::TableOptions options;
    options.horizontal = o.horizontal;
    options.abscissa = o.abscissa;
    options.titles = o.titles;
    options.names = o.names;
    options.legends = o.legends;
    options.yLabel = o.yLabel;
    options.labelPaint = preferences->diagram.labelPaint[0];

    Diagram diagram;
    document::resetDiagram(diagram, preferences->diagram);
    const exchange::TableImportResult result = exchange::importClipboardTable(*opened.table, options, diagram);
    if (!result.imported) return reportFailure(result.error);
    for (const base::Message& warning : result.warnings) reportWarning(warning);
    exchange::showImportedCurves(diagram, exchange::ImportMode::Diagram);
    if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;

    Json out = Json::object();
    out["curves"] = result.curves;
    out["points"] = result.points;
    return writeJson(out, {});
}

// ---------------------------------------------------------------------------
// export

struct ExportCommandOptions {
    SettingsChoice settings;
    std::string input;
    int curve = 0;
    int format = 0;
    bool title = false;
    bool date = false;
    bool names = false;
    bool noCoordinates = false;
    std::string output;
};

int runExport(const ExportCommandOptions& o) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    Diagram diagram;
    if (!openCurveOrReport(o.input, *preferences, o.curve, diagram)) return ExitFailure;
    if (!curveExists(diagram, o.curve)) return ExitFailure;
    exchange::ExportOptions options;
    options.title = o.title;
    options.date = o.date;
    options.names = o.names;
    options.coordinates = !o.noCoordinates;
    options.format = static_cast<exchange::ExportFormat>(o.format);
    if (!exchange::exportCurve(o.output, diagram.curves[static_cast<std::size_t>(o.curve)], options, error)) {
        return reportFailure(error);
    }
    return ExitSuccess;
}

// ---------------------------------------------------------------------------
// procedure

struct ProcedureCommandOptions {
    SettingsChoice settings;
    std::string read;
    std::string write;
    ProcedureOptions procedure;
};

int runProcedure(const ProcedureCommandOptions& o) {
    base::Message error;
    ConversionProcedure procedure;
    if (!o.read.empty()) {
        if (o.procedure.anyGiven()) {
            return usageFailure("procedure", "les options de procédure ne s'emploient qu'avec --write");
        }
        if (!loadProcedureOrMessage(o.read, procedure, error)) return reportFailure(error);
        return writeJson(procedureToJson(procedure), {});
    }
    if (o.write.empty()) return usageFailure("procedure", "--read ou --write est requis");
    if (!resolveProcedure(o.procedure, procedure, error)) return reportFailure(error);
    if (!exchange::saveProcedure(o.write, procedure, error)) return reportFailure(error);
    // What the file now holds: the separator as normalised on writing.
    procedure.separator = exchange::normaliseSeparator(procedure.separator);
    return writeJson(procedureToJson(procedure), {});
}

// ---------------------------------------------------------------------------
// Registration.

void addImport(CLI::App& app, int& status) {
    std::shared_ptr<ImportOptions> o;
    CLI::App* command = addCommand(app, status, "import",
                                   "Importe un fichier texte de valeurs selon une procédure de conversion : un "
                                   "diagramme entier (une courbe par colonne), ou une courbe avec --into",
                                   runImport, o);
    command->add_option("DONNÉES", o->data, "Fichier texte de valeurs à importer")->required()->type_name("FICHIER");
    addProcedureOptions(*command, o->procedure);
    command
        ->add_flag("--detect-separator", o->detectSeparator,
                   "Déduit le séparateur de la première ligne de données (après l'en-tête)")
        ->excludes(o->procedure.separatorOption);
    command
        ->add_flag("--detect-coordinates", o->detectCoordinates,
                   "Déduit le nombre de coordonnées du fichier et y ramène les numéros d'ordre")
        ->excludes(o->procedure.coordinateOption);
    CLI::Option* into = command
                            ->add_option("--into", o->into,
                                         "Diagramme existant : seule la courbe --curve est remplie (abscisse "
                                         "--x-order, ordonnée --y-order)")
                            ->type_name("FICHIER");
    command->add_option("--curve", o->curve, "Numéro de la courbe à remplir avec --into (depuis 0)")
        ->type_name("N")
        ->needs(into);
    into->needs(command->get_option("--curve"));
    command->add_option("-o,--output", o->output, "Fichier diagramme (.orx) à écrire")
        ->required()
        ->type_name("FICHIER");
}

void addPaste(CLI::App& app, int& status) {
    std::shared_ptr<PasteOptions> o;
    CLI::App* command = addCommand(app, status, "paste",
                                   "Importe un tableau copié d'un tableur (cellules séparées par des tabulations) "
                                   "dans un nouveau diagramme",
                                   runPaste, o);
    command
        ->add_option("TABLEAU", o->table,
                     "Fichier contenant le texte du presse-papiers, ou - pour l'entrée standard (UTF-8 ou "
                     "Windows-1252)")
        ->required()
        ->type_name("FICHIER|-");
    command->add_flag("--horizontal", o->horizontal, "Chaque ligne est une série (sinon chaque colonne)");
    command->add_option("--abscissa", o->abscissa, "N° de la série des abscisses (depuis 1 ; 1 par défaut)")
        ->type_name("N")
        ->check(CLI::PositiveNumber.description(""));
    command->add_flag("--titles", o->titles, "La première série sert de titre pour les courbes");
    command->add_flag("--names", o->names, "La première série sert de nom pour les variables");
    command->add_flag("--legends", o->legends, "La première série sert de libellé pour les courbes");
    command->add_option("--ylabel", o->yLabel, "Libellé de l'axe des y (facultatif, 512 caractères au plus)")
        ->type_name("TEXTE")
        ->transform(modelTextValidator(512));
    command->add_option("-o,--output", o->output, "Fichier diagramme (.orx) à écrire")
        ->required()
        ->type_name("FICHIER");
}

void addExport(CLI::App& app, int& status) {
    std::shared_ptr<ExportCommandOptions> o;
    CLI::App* command = addCommand(app, status, "export", "Exporte une courbe dans un fichier texte", runExport, o);
    command->add_option("FICHIER", o->input, "Fichier diagramme à lire (toutes générations)")
        ->required()
        ->type_name("FICHIER");
    command->add_option("--curve", o->curve, "Numéro de la courbe à exporter (depuis 0)")->required()->type_name("N");
    const std::map<std::string, int> formats = {{"csv", 0}, {"space", 1}, {"tab", 2}, {"dos", 3}};
    command
        ->add_option("--format", o->format,
                     "Format : csv (séparateur point-virgule, par défaut), space (séparateur espace), tab "
                     "(séparateur tabulation), dos (tabulation, page de code 850, fins de ligne CR LF)")
        ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case).description(""))
        ->type_name("csv|space|tab|dos");
    command->add_flag("--title", o->title, "Écrit le titre de la courbe");
    command->add_flag("--date", o->date, "Écrit la date d'enregistrement");
    command->add_flag("--names", o->names, "Écrit les noms de l'abscisse et de l'ordonnée");
    command->add_flag("--no-coordinates", o->noCoordinates, "N'écrit pas les coordonnées X et Y");
    command->add_option("-o,--output", o->output, "Fichier texte à écrire")->required()->type_name("FICHIER");
}

void addProcedure(CLI::App& app, int& status) {
    std::shared_ptr<ProcedureCommandOptions> o;
    CLI::App* command = addCommand(app, status, "procedure",
                                   "Lit une procédure de conversion (.pca) et en affiche les champs en JSON, ou en "
                                   "écrit une à partir des options de procédure d'import",
                                   runProcedure, o);
    CLI::Option* read = command->add_option("--read", o->read, "Procédure à lire")->type_name("P.pca");
    CLI::Option* write =
        command->add_option("--write", o->write, "Procédure à écrire avec les options données")->type_name("P.pca");
    read->excludes(write);
    addProcedureOptions(*command, o->procedure);
}

}  // namespace

void addExchangeCommands(CLI::App& app, int& status) {
    addImport(app, status);
    addPaste(app, status);
    addExport(app, status);
    addProcedure(app, status);
}

}  // namespace ordinax::cli
