// The function command: checks, compiles and generates the curve(s) of an
// analytic function y = f(x), into a new diagram or one read from a file,
// either as a new curve or in place of the family of an existing one.
#include "cli/function_command.h"

#include <memory>

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "cli/cli_support.h"
#include "render/display_update.h"
#include "cli/diagram_json.h"
#include "document/diagram_defaults.h"
#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "expression/field_filters.h"
#include "expression/function_curves.h"
#include "expression/normalize.h"

namespace ordinax::cli {

namespace {

using document::Diagram;
using document::FunctionDef;

struct FunctionOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    int curve = -1;
    std::string expression;
    std::string constants;
    std::string from;
    std::string to;
    int points = 100;
    bool radians = false;
    std::string parameter;
    std::string domain;
    bool normalize = false;
    bool compact = false;
    // Which options the command line gave: with --curve, the others keep the stored definition.
    CLI::Option* expressionOption = nullptr;
    CLI::Option* constantsOption = nullptr;
    CLI::Option* fromOption = nullptr;
    CLI::Option* toOption = nullptr;
    CLI::Option* pointsOption = nullptr;
    CLI::Option* radiansOption = nullptr;
    CLI::Option* parameterOption = nullptr;
    CLI::Option* domainOption = nullptr;
};

bool given(const CLI::Option* option) { return option != nullptr && option->count() > 0; }

// A command-line text in the model's encoding; nullopt (and the message) when it cannot be.
std::optional<std::string> modelText(const std::string& utf8, const char* option, base::Message& error) {
    std::optional<std::string> text = base::utf8ToWindows1252(utf8);
    if (!text)
        error = errorMessage(std::string("Le texte de ") + option +
                             " contient un caractère qui ne peut pas être écrit en Windows-1252.");
    return text;
}

// A bound read as the dialog's range field reads it; nullopt with the message
// (status 2 for a text that is not a number, 1 for a refused value).
std::optional<double> boundValue(const std::string& text, const char* option, base::Message& error, int& status) {
    const expression::FieldCheck check = expression::checkRangeField(text);
    if (check.outcome == expression::FieldCheck::Outcome::Accepted) return check.value;
    if (check.outcome == expression::FieldCheck::Outcome::Restore) {
        error = errorMessage(std::string(option) + " : nombre attendu, « " + text + " » reçu.");
        status = ExitUsage;
    } else {
        error = check.message;
        status = ExitFailure;
    }
    return std::nullopt;
}

// Writes the given options over the definition; returns ExitSuccess or the status of the failure.
int applyOptions(const FunctionOptions& o, FunctionDef& def) {
    base::Message error;
    int status = ExitFailure;
    auto fail = [&] {
        reportFailure(error);
        return status;
    };
    if (given(o.expressionOption)) {
        const auto text = modelText(o.expression, "--expr", error);
        if (!text) return fail();
        def.expression = o.normalize ? expression::normalizeExpression(*text) : *text;
    } else if (o.normalize) {
        def.expression = expression::normalizeExpression(def.expression);
    }
    if (given(o.constantsOption)) {
        const auto text = modelText(o.constants, "--constants", error);
        if (!text) return fail();
        // The model separates definitions by line feeds; ";" is the command line's separator.
        std::string constants = *text;
        for (char& c : constants)
            if (c == ';') c = '\n';
        def.constants = constants;
    }
    if (o.normalize) def.constants = expression::cleanConstants(def.constants);
    if (given(o.fromOption)) {
        const auto value = boundValue(o.from, "--from", error, status);
        if (!value) return fail();
        def.from = *value;
    }
    if (given(o.toOption)) {
        const auto value = boundValue(o.to, "--to", error, status);
        if (!value) return fail();
        def.to = *value;
    }
    if (given(o.pointsOption)) def.pointNumber = o.points;
    if (given(o.radiansOption)) def.anglesInDegrees = o.radians ? 0 : 1;
    if (given(o.parameterOption)) {
        const auto text = modelText(o.parameter, "--parameter", error);
        if (!text) return fail();
        def.parameter = *text;
    }
    if (given(o.domainOption)) {
        const auto text = modelText(o.domain, "--domain", error);
        if (!text) return fail();
        def.domain = o.normalize ? expression::cleanDomain(*text) : *text;
    }
    if (given(o.parameterOption) || given(o.domainOption)) def.parametric = 1;
    return ExitSuccess;
}

Json runToJson(const Diagram& diagram, const expression::FunctionRun& run) {
    Json curves = Json::array();
    for (int i = 0; i < run.curveCount; ++i) {
        const document::Curve& curve = diagram.curves[static_cast<std::size_t>(run.firstCurve + i)];
        Json points = Json::array();
        for (const document::Point& p : curve.points.view()) points.push_back(Json::array({p.x, p.y}));
        Json out = Json::object();
        out["title"] = textToJson(curve.title);
        out["parameter"] = run.parameters.empty() ? Json(nullptr) : Json(run.parameters[static_cast<std::size_t>(i)]);
        out["points"] = std::move(points);
        curves.push_back(std::move(out));
    }
    Json out = Json::object();
    out["curves"] = std::move(curves);
    out["points"] = run.pointCount;
    out["errors"] = run.errorCount;
    return out;
}

int runFunction(const FunctionOptions& o) {
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);

    Diagram diagram;
    if (o.input.empty()) {
        document::resetDiagram(diagram, preferences->diagram);
    } else {
        if (!openOrReport(o.input, *preferences, diagram)) return ExitFailure;
    }

    int current = 0;
    int previousFamilySize = 1;
    if (o.curve >= 0) {
        if (o.curve >= diagram.curveCount())
            return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) + " n'existe pas dans ce diagramme."));
        const expression::HolderLookup holder = expression::findFunctionHolder(diagram, o.curve);
        if (!holder.error.empty()) return reportFailure(holder.error);
        current = holder.holder;
        previousFamilySize = expression::familyCurveCount(diagram, current);
    } else {
        if (!given(o.expressionOption))
            return reportFailure(errorMessage("--expr est obligatoire sans --curve."));
        const document::AllocateResult slot = document::allocateCurve(diagram, preferences->diagram, -1);
        if (slot.full)
            return reportFailure(errorMessage(
                "Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme."));
        current = slot.index;
    }

    if (const int status = applyOptions(o, diagram.curves[static_cast<std::size_t>(current)].function);
        status != ExitSuccess)
        return status;

    const expression::FunctionRun run = expression::computeFunction(diagram, current, previousFamilySize);
    if (!run.error.empty()) return reportFailure(run.error);
    if (!run.report.empty()) reportWarning(run.report);
    render::showNewData(diagram);

    if (!o.output.empty()) {
        const document::SaveResult saved = document::saveDiagram(diagram, o.output, saveDateText());
        if (!saved.ok)
            return reportFailure(saved.message.empty()
                                     ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, o.output)
                                     : saved.message);
    }
    return writeJson(runToJson(diagram, run), {}, o.compact);
}

}  // namespace

void addFunctionCommand(CLI::App& app, int& status) {
    auto o = std::make_shared<FunctionOptions>();
    CLI::App* command = app.add_subcommand(
        "function",
        "Calcule la ou les courbes d'une fonction analytique y = f(x) (avec constantes et famille paramétrée) ; "
        "sans FICHIER, part d'un nouveau diagramme");
    command->group("Commandes");
    addSettingsOptions(*command, o->settings);
    command->add_option("FICHIER", o->input, "Diagramme à lire (toutes générations)")->type_name("FICHIER");
    command->add_option("-o,--output", o->output, "Fichier diagramme (.orx) à écrire")->type_name("FICHIER");
    command->add_option("--curve", o->curve,
                        "Recalcule la fonction de cette courbe de FICHIER (numérotée depuis 0) ; les autres options "
                        "remplacent les champs de sa définition")
        ->type_name("N")
        ->check(CLI::NonNegativeNumber);
    o->expressionOption =
        command->add_option("--expr", o->expression, "Expression littérale sous la forme y = f(x)")->type_name("TEXTE");
    o->constantsOption = command->add_option("--constants", o->constants, "Constantes, séparées par « ; » (a=1;b=2)")
                             ->type_name("TEXTE");
    o->fromOption = command->add_option("--from", o->from, "Depuis x = (défaut -10)")->type_name("A");
    o->toOption = command->add_option("--to", o->to, "Jusqu'à x = (défaut 10)")->type_name("B");
    o->pointsOption = command->add_option("--points", o->points, "Nombre de points (défaut 100)")->type_name("N");
    o->radiansOption = command->add_flag("--radians", o->radians, "Angles en radians (sinon en degrés)");
    o->parameterOption =
        command->add_option("--parameter", o->parameter, "Variable de paramétrage (courbes paramétrées)")->type_name("p");
    o->domainOption = command->add_option("--domain", o->domain,
                                          "Domaine de variation : valeurs et début/fin/pas séparés par « ; » (1/2/0.5)")
                          ->type_name("TEXTE");
    command->add_flag("--normalize", o->normalize,
                      "Nettoie les textes comme les champs de la boîte de dialogue (sinon ils sont pris tels quels)");
    command->add_flag("--compact", o->compact, "JSON compact, sans indentation");
    command->callback(commandCallback(status, [o] { return runFunction(*o); }));
}

}  // namespace ordinax::cli
