// ordinax-cli transform: the coordinate tools of the points grid on one curve
// of a diagram. The selection of the grid is given by --column and --rows;
// the confirmations the grid asks are taken as answered yes.
#include "cli/transform_command.h"

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "base/format.h"
#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "numerics/coordinate_tools.h"

namespace ordinax::cli {

namespace {

using document::Curve;
using document::Diagram;
using numerics::Selection;

enum class Tool {
    Sort,
    Invert,
    ToPolar,
    ToCartesian,
    Correction,
    Cumulate,
    CumulativeFrequency,
    Average,
    Limit,
    Sequence
};

struct TransformOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    int curve = 0;
    Tool tool = Tool::Sort;
    std::string column;  // "", "x" or "y"
    std::string rows;    // "A:B", 1-based
    bool descending = false;
    bool degrees = false;
    std::optional<double> mini, maxi;
    bool removeInside = false;
    std::optional<int> from, to;
    std::optional<double> first, step;
    bool abscissas = false;
    bool ordinates = false;
    std::optional<int> function;
    std::string operation;
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0, e = 0.0;
    std::optional<int> decimals;
    std::optional<double> roundStep;
    bool compact = false;
};

int usageFailure(const std::string& text) {
    std::cerr << "Erreur d'utilisation : " << text << "\nVoir « ordinax-cli transform --help ».\n" << std::flush;
    return ExitUsage;
}

// "A:B" with 1 <= A, B; nullopt when the text is not that.
std::optional<std::pair<int, int>> parseRows(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::optional<int> a = base::parseInteger(std::string_view(text).substr(0, colon));
    const std::optional<int> b = base::parseInteger(std::string_view(text).substr(colon + 1));
    if (!a || !b || *a < 1 || *b < 1) return std::nullopt;
    return std::pair{*a, *b};
}

// The operation text without blanks ("y = f(x)" reads as "y=f(x)").
std::optional<numerics::CorrectionOperation> parseOperation(const std::string& text) {
    std::string compact;
    for (char ch : text)
        if (ch != ' ') compact += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    if (compact == "x=f(x)") return numerics::CorrectionOperation::XOfX;
    if (compact == "y=f(y)") return numerics::CorrectionOperation::YOfY;
    if (compact == "x=f(y)") return numerics::CorrectionOperation::XOfY;
    if (compact == "y=f(x)") return numerics::CorrectionOperation::YOfX;
    return std::nullopt;
}

// Checks the options the chosen tool needs before anything is read.
std::optional<std::string> missingOptions(const TransformOptions& o) {
    if (o.tool == Tool::Correction) {
        if (!o.function) return "l'outil correction demande --function N (0 à 15)";
        if (o.operation.empty()) return "l'outil correction demande --operation \"y=f(y)\"";
        if (!parseOperation(o.operation)) return "--operation attend \"x=f(x)\", \"y=f(y)\", \"x=f(y)\" ou \"y=f(x)\"";
        if (o.decimals && o.roundStep) return "--decimals et --round-step s'excluent";
        if (o.roundStep && !(*o.roundStep > 0.0)) return "--round-step attend un pas strictement positif";
    }
    if (o.tool == Tool::Sequence && (!o.from || !o.to || !o.first || !o.step))
        return "l'outil sequence demande --from N --to N --first V --step P";
    if (!o.rows.empty() && !parseRows(o.rows)) return "--rows attend A:B, deux numéros de ligne depuis 1";
    return std::nullopt;
}

// The grid's selection: the column given (else whole rows) over the rows given
// (else every row); nothing at all when neither is given.
Selection selectionOf(const TransformOptions& o, int pointCount) {
    const Selection::Column column = o.column == "x"   ? Selection::Column::X
                                     : o.column == "y" ? Selection::Column::Y
                                                       : Selection::Column::Both;
    if (o.rows.empty()) {
        if (o.column.empty()) return Selection::none();
        return Selection::all(column, pointCount);
    }
    const auto rows = parseRows(o.rows);
    return Selection::rows(column, rows->first - 1, rows->second - 1);
}

// Every tool but the inversion and the sequence reads "nothing selected" as
// whole rows, which refuses the column tools with their own message.
Selection rowsWhenNone(const Selection& selection, int pointCount) {
    return selection.empty() ? Selection::all(Selection::Column::Both, pointCount) : selection;
}

numerics::ToolResult applyTool(const TransformOptions& o, Curve& curve) {
    const int n = curve.pointCount();
    const Selection selection = selectionOf(o, n);
    switch (o.tool) {
        case Tool::Sort:
            return numerics::sortPoints(curve, rowsWhenNone(selection, n), o.descending);
        case Tool::Invert:
            return numerics::invertCoordinates(curve, selection);
        case Tool::ToPolar:
            return numerics::cartesianToPolar(curve, o.degrees);
        case Tool::ToCartesian:
            return numerics::polarToCartesian(curve, o.degrees);
        case Tool::Cumulate:
            return numerics::cumulateCoordinates(curve, rowsWhenNone(selection, n));
        case Tool::CumulativeFrequency:
            return numerics::cumulativeFrequencies(curve);
        case Tool::Average:
            return numerics::averageCoordinates(curve, rowsWhenNone(selection, n));
        case Tool::Limit: {
            // The dialog closes without change when a bound is left empty; the
            // selection rule still applies.
            if (base::Message m = numerics::checkSelection(numerics::CoordinateTool::Limit, selection, n); !m.empty())
                return {false, std::move(m)};
            if (!o.mini || !o.maxi) return {};
            return numerics::limitCoordinates(curve, selection, *o.mini, *o.maxi, o.removeInside);
        }
        case Tool::Sequence: {
            numerics::SequenceParameters p;
            p.fromRow = *o.from;
            p.toRow = *o.to;
            p.first = *o.first;
            p.step = *o.step;
            p.abscissas = o.abscissas;
            p.ordinates = o.ordinates;
            return numerics::numericSequence(curve, p);
        }
        case Tool::Correction: {
            numerics::CorrectionParameters p;
            p.function = *o.function;
            p.coefficient = {o.a, o.b, o.c, o.d, o.e};
            p.degrees = o.degrees;
            p.decimals = o.decimals.value_or(0);
            p.byStep = o.roundStep.has_value();
            p.step = o.roundStep.value_or(0.0);
            return numerics::applyCorrection(curve, rowsWhenNone(selection, n), *parseOperation(o.operation), p);
        }
    }
    return {};
}

int runTransform(const TransformOptions& o) {
    if (const std::optional<std::string> missing = missingOptions(o)) return usageFailure(*missing);

    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    Diagram diagram;
    if (!openOrReport(o.input, *preferences, diagram)) return ExitFailure;
    if (o.curve < 0 || o.curve >= diagram.curveCount())
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) + " n'existe pas dans ce diagramme."));

    Curve& curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    if (!o.rows.empty()) {
        const auto rows = parseRows(o.rows);
        if (std::max(rows->first, rows->second) > curve.pointCount())
            return reportFailure(errorMessage("Les lignes " + o.rows + " dépassent les " +
                                              std::to_string(curve.pointCount()) + " points de la courbe."));
    }

    const numerics::ToolResult result = applyTool(o, curve);
    if (!result.changed && !result.message.empty()) return reportFailure(result.message);
    if (!result.message.empty()) reportWarning(result.message);
    document::curveExtent(diagram, curve, -1);

    Json points = Json::array();
    for (const document::Point& p : curve.points.view()) points.push_back(Json::array({p.x, p.y}));
    Json out = Json::object();
    out["points"] = std::move(points);

    if (!o.output.empty()) {
        const document::SaveResult saved = document::saveDiagram(diagram, o.output, saveDateText());
        if (!saved.ok)
            return reportFailure(saved.message.empty()
                                     ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, o.output)
                                     : saved.message);
    }
    return writeJson(out, {}, o.compact);
}

// Adds a real option read with base::parseNumber into `target`.
CLI::Option* addNumber(CLI::App& command, const char* name, std::optional<double>& target, const char* help) {
    return command
        .add_option_function<std::string>(
            name, [&target](const std::string& text) { target = base::parseNumber(text); }, help)
        ->type_name("V")
        ->check(numberText());
}

CLI::Option* addNumber(CLI::App& command, const char* name, double& target, const char* help) {
    return command
        .add_option_function<std::string>(
            name, [&target](const std::string& text) { target = base::parseNumber(text).value_or(0.0); }, help)
        ->type_name("V")
        ->check(numberText());
}

}  // namespace

void addTransformCommand(CLI::App& app, int& status) {
    std::shared_ptr<TransformOptions> options;
    CLI::App* command = addCommand(app, status, "transform",
                                   "Applique un outil de la grille des coordonnées à une courbe et affiche ses "
                                   "points transformés",
                                   runTransform, options);
    TransformOptions& o = *options;
    command->add_option("FICHIER", o.input, "Fichier diagramme à lire (toutes générations)")
        ->required()
        ->type_name("FICHIER");
    command->add_option("--curve", o.curve, "Numéro de la courbe (depuis 0)")
        ->required()
        ->type_name("N")
        ->check(CLI::NonNegativeNumber);
    const std::map<std::string, Tool> tools = {
        {"sort", Tool::Sort},
        {"invert", Tool::Invert},
        {"to-polar", Tool::ToPolar},
        {"to-cartesian", Tool::ToCartesian},
        {"correction", Tool::Correction},
        {"cumulate", Tool::Cumulate},
        {"cumfreq", Tool::CumulativeFrequency},
        {"average", Tool::Average},
        {"limit", Tool::Limit},
        {"sequence", Tool::Sequence},
    };
    command
        ->add_option("--tool", o.tool,
                     "Outil : sort (trier), invert (inverser X et Y), to-polar, to-cartesian, correction "
                     "(fonction), cumulate (cumuler), cumfreq (fréquences cumulées), average (moyenner), limit "
                     "(limiter), sequence (séquence numérique)")
        ->required()
        ->type_name("OUTIL")
        ->transform(CLI::CheckedTransformer(tools).description(""));
    command->add_option("--column", o.column, "Colonne sélectionnée, x ou y (sinon lignes entières)")
        ->type_name("x|y")
        ->check(CLI::IsMember({"x", "y"}));
    command->add_option("--rows", o.rows, "Lignes sélectionnées A:B, numérotées depuis 1 (sinon toutes)")
        ->type_name("A:B");
    command->add_flag("--descending", o.descending, "Tri décroissant (sort)");
    command->add_flag("--degrees", o.degrees, "Angles en degrés (to-polar, to-cartesian, correction)");
    addNumber(*command, "--mini", o.mini, "Borne mini (limit)");
    addNumber(*command, "--maxi", o.maxi, "Borne maxi (limit)");
    command->add_flag("--remove-inside", o.removeInside,
                      "Enlève les valeurs dans l'intervalle (limit ; par défaut celles hors de l'intervalle)");
    command->add_option("--from", o.from, "Depuis le n° (sequence, depuis 1)")->type_name("N");
    command->add_option("--to", o.to, "Jusqu'au n° (sequence)")->type_name("N");
    addNumber(*command, "--first", o.first, "Première valeur (sequence)");
    addNumber(*command, "--step", o.step, "Pas (sequence)");
    command->add_flag("--abscissas", o.abscissas, "Les abscisses (sequence)");
    command->add_flag("--ordinates", o.ordinates, "Les ordonnées (sequence)");
    command->add_option("--function", o.function, "Numéro de la fonction de correction, 0 à 15 (correction)")
        ->type_name("N")
        ->check(CLI::Range(0, numerics::CorrectionFunctionCount - 1));
    command->add_option("--operation", o.operation, "Opération \"x=f(x)\", \"y=f(y)\", \"x=f(y)\" ou \"y=f(x)\"")
        ->type_name("OP");
    addNumber(*command, "--a", o.a, "Coefficient a (correction)");
    addNumber(*command, "--b", o.b, "Coefficient b (correction)");
    addNumber(*command, "--c", o.c, "Coefficient c (correction)");
    addNumber(*command, "--d", o.d, "Coefficient d (correction)");
    addNumber(*command, "--e", o.e, "Coefficient e (correction)");
    command->add_option("--decimals", o.decimals, "Nombre de décimales de l'arrondi (fonction 15)")->type_name("N");
    addNumber(*command, "--round-step", o.roundStep,
              "Arrondi par pas : écart minimum entre deux nombres (fonction 15)");
    command->add_option("-o,--output", o.output, "Fichier diagramme (.orx) à écrire (sinon rien n'est écrit)")
        ->type_name("FICHIER");
    command->add_flag("--compact", o.compact, "JSON compact, sans indentation");
}

}  // namespace ordinax::cli
