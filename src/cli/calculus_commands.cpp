// The calculus commands: the derivative curve, the surfaces and length between
// two bounds, and x = f(y) of a fitted curve. Each command reads the diagram,
// calls the numerical core and prints JSON.
#include "cli/calculus_commands.h"

#include <memory>
#include <optional>
#include <string>

#include "base/format.h"
#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "document/orx_file.h"
#include "numerics/derivative.h"
#include "numerics/fit_kind.h"
#include "numerics/integration.h"
#include "numerics/model_value.h"
#include "numerics/solve.h"

namespace ordinax::cli {

namespace {

using document::Curve;
using document::Diagram;

struct CalculusOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    int curve = 0;
    std::string lower, upper;
    std::string y;
    bool compact = false;
};

// A result as the contract prints it: the number, null when not available or
// not applicable, "error" when it failed.
Json calculusToJson(const numerics::CalculusValue& value) {
    switch (value.state) {
        case numerics::CalculusState::Available: return value.value;
        case numerics::CalculusState::Error: return "error";
        default: return nullptr;
    }
}

int runDerive(const CalculusOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve);
    if (!opened) return ExitFailure;

    Diagram& diagram = opened->diagram;
    const std::string title = numerics::derivativeTitle(diagram.curves[static_cast<std::size_t>(o.curve)].title);
    const numerics::DerivativeOutcome outcome =
        numerics::derivativeCurve(diagram, o.curve, title, opened->preferences.diagram);
    if (!outcome.message.empty()) return reportFailure(outcome.message);
    if (outcome.full)
        return reportFailure(errorMessage(
            "Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme."));

    // The number the new curve has in the saved file, where empty curves are dropped.
    int savedIndex = 0;
    for (int i = 0; i < outcome.index; ++i)
        if (diagram.curves[static_cast<std::size_t>(i)].pointCount() > 0) ++savedIndex;
    const Curve& derived = diagram.curves[static_cast<std::size_t>(outcome.index)];
    Json out = Json::object();
    out["curve"] = savedIndex;
    out["title"] = textToJson(derived.title);
    out["points"] = pointsToJson(derived);

    const document::SaveResult saved = document::saveDiagram(diagram, o.output, saveDateText());
    if (!saved.ok)
        return reportFailure(saved.message.empty()
                                 ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, o.output)
                                 : saved.message);
    return writeJson(out, {}, o.compact);
}

int runIntegrate(const CalculusOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve, Reading::OneCurve);
    if (!opened) return ExitFailure;

    const Curve& curve = opened->diagram.curves[static_cast<std::size_t>(o.curve)];
    // Bounds not given are those of "Etendue maximale": the curve's x extent.
    const numerics::Bounds extent = numerics::surfaceDefaultBounds(curve);
    const double lower = o.lower.empty() ? extent.lower : checkedNumber(o.lower);
    const double upper = o.upper.empty() ? extent.upper : checkedNumber(o.upper);
    const numerics::SurfaceResult result = numerics::surfaceAndLength(curve, lower, upper);
    if (!result.message.empty()) return reportFailure(result.message);

    Json out = Json::object();
    out["forward"] = calculusToJson(result.forward);
    out["backward"] = calculusToJson(result.backward);
    out["trapezoid"] = calculusToJson(result.trapezoid);
    out["simpson"] = calculusToJson(result.simpson);
    out["model"] = calculusToJson(result.model);
    out["length"] = calculusToJson(result.length);
    return writeJson(out, {}, o.compact);
}

int runSolve(const CalculusOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve, Reading::OneCurve);
    if (!opened) return ExitFailure;

    const Diagram& diagram = opened->diagram;
    const Curve& curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    if (!numerics::isRegressionKind(curve.treatment) && curve.treatment != numerics::KindFOU)
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) +
                                          " n'est pas ajustée : appliquez d'abord un modèle de régression."));
    const numerics::SolveResult result = numerics::solveFor(curve, checkedNumber(o.y),
                                                            numerics::solveScanRange(diagram, curve),
                                                            numerics::axisKinds(diagram));
    Json out = Json::object();
    out["x"] = result.x;
    out["method"] = result.method == numerics::SolveMethod::Closed ? "closed" : "scan";
    return writeJson(out, {}, o.compact);
}

}  // namespace

void addCalculusCommands(CLI::App& app, int& status) {
    std::shared_ptr<CalculusOptions> options;

    CLI::App* derive = addCurveCommand(app, status, "derive",
                                          "Ajoute la courbe dérivée d'une courbe et affiche ses points", runDerive,
                                          options);
    derive->add_option("-o,--output", options->output, "Fichier diagramme (.orx) à écrire")
        ->required()
        ->type_name("FICHIER");

    CLI::App* integrate = addCurveCommand(
        app, status, "integrate",
        "Surface (intégrale) et longueur de la courbe entre deux bornes (null : non disponible, \"error\" : erreur)",
        runIntegrate, options);
    integrate->add_option("--lower", options->lower, "Borne inférieure (défaut : plus petit x de la courbe)")
        ->type_name("A")
        ->check(numberText());
    integrate->add_option("--upper", options->upper, "Borne supérieure (défaut : plus grand x de la courbe)")
        ->type_name("B")
        ->check(numberText());

    CLI::App* solve = addCurveCommand(app, status, "solve",
                                         "Valeurs x = f(y) du modèle ajusté d'une courbe (6 au plus)", runSolve,
                                         options);
    solve->add_option("--y", options->y, "Ordonnée y")->required()->type_name("Y")->check(numberText());
}

}  // namespace ordinax::cli
