// The regression commands: fitting a model to a curve, ranking every model on
// it, the residuals curve of a fitted curve and the value of its model at x.
// Each command reads the diagram, calls the regression core and prints JSON.
#include "cli/fit_commands.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/format.h"
#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "cli/report_command.h"
#include "document/orx_file.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/model_comparison.h"
#include "numerics/model_value.h"
#include "numerics/refine_curve.h"
#include "numerics/residuals.h"

namespace ordinax::cli {

namespace {

using document::Curve;
using document::Diagram;

struct FitCommandOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    int curve = 0;
    std::string model;
    std::string r, s, t;
    std::string confidence;
    std::string report;
    std::string x;
    bool refine = false;
    bool compact = false;
};

// The catalogue from the program's folder; nullopt (reported) when it cannot be read.
std::optional<numerics::Catalogue> catalogueOrReport() {
    numerics::CatalogueLoad load = numerics::loadCatalogue(programDataPath(numerics::CatalogueFileName));
    if (!load.catalogue) reportFailure(load.message);
    return std::move(load.catalogue);
}

bool henryY(const Diagram& diagram) { return numerics::axisKinds(diagram).y == numerics::ScaleHenry; }

// A curve whose stored fit gives values: a regression model or a Fourier series.
bool hasModel(const Curve& curve) {
    return numerics::isRegressionKind(curve.treatment) || curve.treatment == numerics::KindFOU;
}

Json fitToJson(const numerics::FitReport& report, bool statistics) {
    Json out = Json::object();
    out["model"] = std::string(numerics::codeName(report.kind));
    out["coefficients"] = report.coefficients;
    out["linear"] = report.linear;
    out["r2"] = report.determination;
    out["correlation"] = report.correlation;
    out["dof"] = report.dof;
    out["n"] = report.n;
    // Models without the catalogue's statistics switch get no Student's t,
    // F value, variances or intervals: those are "not available", not zero.
    out["studentT"] = statistics ? Json(report.studentT) : Json(nullptr);
    out["fValue"] = statistics ? Json(report.fValue) : Json(nullptr);
    out["meanX"] = report.meanX;
    out["meanY"] = report.meanY;
    out["varX"] = report.varX;
    out["varY"] = report.varY;
    out["residualVar"] = report.residualVar;
    out["explainedVar"] = report.explainedVar;
    if (statistics) {
        out["variances"] = report.variances;
        Json intervals = Json::array();
        for (const auto& bounds : report.intervals) intervals.push_back(Json::array({bounds[0], bounds[1]}));
        out["intervals"] = std::move(intervals);
    } else {
        out["variances"] = nullptr;
        out["intervals"] = nullptr;
    }
    return out;
}

// The code names of how a refinement ended, for scripts.
std::string_view refineStatusName(numerics::RefineStatus status) {
    using numerics::RefineStatus;
    switch (status) {
        case RefineStatus::Refined: return "refined";
        case RefineStatus::NotRefinable: return "not-refinable";
        case RefineStatus::ConstantY: return "constant-y";
        case RefineStatus::StartNotFinite: return "start-not-finite";
        case RefineStatus::NotConverged: return "not-converged";
        case RefineStatus::Cancelled: return "cancelled";
        case RefineStatus::NumericalFailure: return "numerical-failure";
        case RefineStatus::Undetermined: return "undetermined";
        case RefineStatus::OutOfRange: return "out-of-range";
    }
    return {};
}

// What `fit --refine` adds: how the refinement ended, its iterations and both
// sums of squared errors in y; the standard errors and the covariance of the
// refined coefficients.
Json refinementToJson(const numerics::Refinement& refinement) {
    Json out = Json::object();
    out["refined"] = refinement.refined();
    out["status"] = std::string(refineStatusName(refinement.status));
    out["reason"] = numerics::refineReason(refinement);
    out["iterations"] = refinement.iterations;
    out["evaluations"] = refinement.evaluations;
    out["sse"] = refinement.sse;
    out["linearisedSse"] = refinement.linearisedSse;
    out["linearisedCoefficients"] = refinement.linearisedCoefficients;
    const auto p = static_cast<std::size_t>(refinement.linearisedCoefficients.size());
    Json errors = Json::array(), covariance = Json::array();
    if (refinement.refined() && refinement.covariance.size() == p * p) {
        for (std::size_t i = 0; i < p; ++i) {
            errors.push_back(std::sqrt(std::max(0.0, refinement.covariance[i * p + i])));
            Json row = Json::array();
            for (std::size_t j = 0; j < p; ++j) row.push_back(refinement.covariance[i * p + j]);
            covariance.push_back(std::move(row));
        }
        out["standardErrors"] = std::move(errors);
        out["covariance"] = std::move(covariance);
    } else {
        out["standardErrors"] = nullptr;
        out["covariance"] = nullptr;
    }
    return out;
}

int runFit(const FitCommandOptions& o) {
    // Without -o the diagram is not written: its other point blocks stay in the file.
    std::optional<OpenedCurve> opened =
        openCurve(o.settings, o.input, o.curve, o.output.empty() ? Reading::OneCurve : Reading::Whole);
    if (!opened) return ExitFailure;
    const std::optional<numerics::Catalogue> catalogue = catalogueOrReport();
    if (!catalogue) return ExitFailure;

    Diagram& diagram = opened->diagram;
    // The fit works on a copy: a refused fit leaves the curve as it was.
    Curve curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    curve.treatment = numerics::kindFromCode(o.model);
    if (!o.r.empty()) curve.fit.stats[0] = checkedNumber(o.r);
    if (!o.s.empty()) curve.fit.stats[1] = checkedNumber(o.s);
    if (!o.t.empty()) curve.fit.stats[2] = checkedNumber(o.t);
    if (!o.confidence.empty()) curve.confidence = checkedNumber(o.confidence);

    numerics::CurveFit result;
    const int status = numerics::computeCurveFit(curve, *catalogue, henryY(diagram), o.refine, &result);
    if (status != numerics::FitOk) return reportFailure(base::makeMessage(status, base::Heading::Error));
    const numerics::FitReport& report = result.report;
    // A refinement that is not kept leaves the linearised fit: said, not an error.
    if (o.refine && !result.refinement.refined()) reportWarning(numerics::refineWarning(result.refinement));

    if (!o.report.empty()) {
        const int written = writeReportFile(curve, &(*catalogue)[curve.treatment], &report, diagram, o.report);
        if (written != ExitSuccess) return written;
    }
    if (!o.output.empty()) {
        diagram.curves[static_cast<std::size_t>(o.curve)] = std::move(curve);
        if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;
    }
    Json out = fitToJson(report, catalogue->statistics(report.kind) || report.refined);
    if (o.refine) out["refinement"] = refinementToJson(result.refinement);
    return writeJson(out, {}, o.compact);
}

int runRank(const FitCommandOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve, Reading::OneCurve);
    if (!opened) return ExitFailure;
    const std::optional<numerics::Catalogue> catalogue = catalogueOrReport();
    if (!catalogue) return ExitFailure;

    const Diagram& diagram = opened->diagram;
    const Curve& curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    const std::vector<numerics::RankEntry> ranking =
        numerics::compareModels(curve.points.view(), *catalogue, henryY(diagram));
    Json out = Json::array();
    for (const numerics::RankEntry& entry : ranking) {
        Json line = Json::object();
        line["code"] = entry.code;
        line["name"] = textToJson(entry.name);
        line["r2"] = entry.determination;
        out.push_back(std::move(line));
    }
    return writeJson(out, {}, o.compact);
}

int runResiduals(const FitCommandOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve);
    if (!opened) return ExitFailure;

    Diagram& diagram = opened->diagram;
    const Curve& source = diagram.curves[static_cast<std::size_t>(o.curve)];
    if (!hasModel(source))
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) +
                                          " n'est pas ajustée : appliquez d'abord un modèle de régression."));
    // Saving drops the curves without points: residuals of an empty curve
    // would be reported as created and then silently lost.
    if (source.pointCount() == 0)
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) + " n'a aucun point."));

    const numerics::ResidualsOutcome outcome =
        numerics::createResiduals(diagram, o.curve, numerics::residualsTitle(source.title), opened->preferences.diagram);
    if (outcome.full)
        return reportFailure(errorMessage(
            "Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme."));
    if (!outcome.message.empty()) return reportFailure(outcome.message);

    // The number the new curve has in the saved file, where empty curves are dropped.
    int savedIndex = 0;
    for (int i = 0; i < outcome.index; ++i)
        if (diagram.curves[static_cast<std::size_t>(i)].pointCount() > 0) ++savedIndex;
    const Curve& residuals = diagram.curves[static_cast<std::size_t>(outcome.index)];
    Json out = Json::object();
    out["curve"] = savedIndex;
    out["title"] = textToJson(residuals.title);
    out["points"] = pointsToJson(residuals);

    if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;
    return writeJson(out, {}, o.compact);
}

int runValue(const FitCommandOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve, Reading::OneCurve);
    if (!opened) return ExitFailure;

    const Diagram& diagram = opened->diagram;
    const Curve& curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    std::optional<double> y;
    if (hasModel(curve)) y = numerics::valueAt(curve, checkedNumber(o.x), numerics::axisKinds(diagram));
    Json out = Json::object();
    out["y"] = y ? Json(*y) : Json(nullptr);
    return writeJson(out, {}, o.compact);
}

// A confidence level in percent, strictly between 0 and 100 (Student's t has no
// finite value at 100 % and no meaning at 0 %).
CLI::Validator confidenceText() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const std::optional<double> value = base::parseNumber(text);
            if (!value) return "nombre attendu, « " + text + " » reçu";
            if (!(*value > 0.0 && *value < 100.0)) return "niveau de confiance entre 0 et 100 % exclus attendu";
            return {};
        },
        "]0;100[", "confiance");
}

// A regression model code (LIN, POL3, ...; POW reads as PUI); the smoothing
// kinds and the Fourier series are not models that `fit` can apply.
CLI::Validator modelCode() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (numerics::isRegressionKind(numerics::kindFromCode(text))) return {};
            return "modèle de régression inconnu « " + text + " » (LIN, POL2, EXP, PUI, ...)";
        },
        "", "modèle");
}

}  // namespace

void addFitCommands(CLI::App& app, int& status) {
    std::shared_ptr<FitCommandOptions> options;

    CLI::App* fit = addCurveCommand(app, status, "fit",
                               "Ajuste un modèle de régression à une courbe et affiche ses coefficients et "
                               "statistiques",
                               runFit, options);
    fit->add_option("--model", options->model, "Code du modèle de régression (LIN, POL3, EXP, PUI, ...)")
        ->required()
        ->type_name("CODE")
        ->check(modelCode());
    fit->add_option("--r", options->r, "Paramètre fixe r (GPOL2, GPOL3, modèles « TP »)")->type_name("R")->check(numberText());
    fit->add_option("--s", options->s, "Paramètre fixe s (GPOL2, GPOL3, modèles « TP »)")->type_name("S")->check(numberText());
    fit->add_option("--t", options->t, "Paramètre fixe t (GPOL3)")->type_name("T")->check(numberText());
    fit->add_option("--confidence", options->confidence,
                    "Niveau de confiance en % pour le t de Student et les intervalles (défaut : celui de la "
                    "courbe, 95 pour une nouvelle courbe)")
        ->type_name("C")
        ->check(confidenceText());
    fit->add_option("-o,--output", options->output,
                    "Fichier diagramme (.orx) où enregistrer la courbe ajustée (sinon rien n'est écrit)")
        ->type_name("FICHIER");
    fit->add_flag("--refine", options->refine,
                  "Affine l'ajustement par moindres carrés non linéaires sur y (modèles non linéaires en leurs "
                  "coefficients : EXP, PUI, NOR, CAUCHY, ...), à partir de l'ajustement linéarisé ; s'il n'aboutit pas, "
                  "l'ajustement linéarisé est conservé et la raison affichée");
    fit->add_option("--report", options->report,
                    "Fichier de la note de calcul : .txt (texte balisé), .rtf (traitement de texte) ou .csv (tableur)")
        ->type_name("FICHIER");

    addCurveCommand(app, status, "rank",
               "Compare tous les modèles de régression sur une courbe, le meilleur coefficient de détermination "
               "en premier",
               runRank, options);

    CLI::App* residuals = addCurveCommand(app, status, "residuals",
                                     "Ajoute la courbe des résiduels d'une courbe ajustée et affiche ses points",
                                     runResiduals, options);
    residuals->add_option("-o,--output", options->output, "Fichier diagramme (.orx) à écrire")
        ->required()
        ->type_name("FICHIER");

    CLI::App* value = addCurveCommand(app, status, "value",
                                 "Valeur y = f(x) du modèle ajusté d'une courbe (null sans modèle ou en cas "
                                 "d'erreur mathématique)",
                                 runValue, options);
    value->add_option("--x", options->x, "Abscisse x")->required()->type_name("X")->check(numberText());
}

}  // namespace ordinax::cli
