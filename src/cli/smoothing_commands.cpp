// ordinax-cli: smooth, fourier, spectrum. The polyline of a smoothing kind,
// the Fourier series of a curve, and the intensity or phase spectrum added as
// a new curve; each command reads the diagram, calls the core, prints JSON.
#include "cli/smoothing_commands.h"

#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "base/format.h"
#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "cli/report_command.h"
#include "document/orx_file.h"
#include "numerics/fit_kind.h"
#include "numerics/fourier.h"
#include "numerics/smoothing.h"
#include "numerics/spectrum.h"

namespace ordinax::cli {

namespace {

using document::Curve;
using document::Diagram;

struct SmoothingOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    std::string report;
    int curve = 0;
    std::string kind;
    int harmonics = -1;  // -1: the curve's own number of harmonics
    bool intensity = false;
    bool phase = false;
    bool compact = false;
};

// A kind given by code name (JPP, BSP, SPC, BEZ) or number (1 to 4).
int smoothingKind(const std::string& text) {
    if (const std::optional<int> number = base::parseInteger(text)) return *number;
    return numerics::kindFromCode(text);
}

bool isSmoothingKind(int kind) { return kind >= numerics::KindJPP && kind <= numerics::KindBEZ; }

// JSON number text; a value JSON cannot hold (infinite, not a number) is null.
void appendNumber(std::string& out, double value) {
    out += std::isfinite(value) ? base::shortestNumberText(value) : std::string("null");
}

int runSmooth(const SmoothingOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve, Reading::OneCurve);
    if (!opened) return ExitFailure;
    const Curve& curve = opened->diagram.curves[static_cast<std::size_t>(o.curve)];
    const int kind = o.kind.empty() ? curve.treatment : smoothingKind(o.kind);
    if (!isSmoothingKind(kind))
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) +
                                          " n'est pas lissée : précisez --kind JPP, BSP, SPC ou BEZ."));

    // The polyline of a large curve runs to millions of points: it is written
    // as it comes instead of being built as one JSON document first.
    const char* separator = o.compact ? "," : ",\n    ";
    std::string text = o.compact ? "{\"points\":[" : "{\n  \"points\": [";
    bool first = true;
    const auto flush = [&text] {
        std::cout << text;
        text.clear();
    };
    numerics::SmoothingWork work;
    numerics::smoothLine(kind, curve.points.view(), work, [&](std::span<const document::Point> part) {
        for (const document::Point& p : part) {
            text += first ? (o.compact ? "" : "\n    ") : separator;
            first = false;
            text += '[';
            appendNumber(text, p.x);
            text += o.compact ? "," : ", ";
            appendNumber(text, p.y);
            text += ']';
        }
        if (text.size() > (std::size_t{1} << 20)) flush();
    });
    text += o.compact || first ? "]}\n" : "\n  ]\n}\n";
    flush();
    std::cout << std::flush;
    if (!std::cout) return reportFailure(errorMessage("Impossible d'écrire la sortie standard !"));
    return ExitSuccess;
}

// Makes the curve a Fourier series with the chosen number of harmonics and
// computes it; reports a refusal and returns false.
bool computeSeries(Curve& curve, int harmonics) {
    curve.treatment = numerics::KindFOU;
    if (harmonics >= 0) curve.fit.harmonicCount = harmonics;
    const int status = numerics::fourierFit(curve);
    if (status == 0) return true;
    reportFailure(base::makeMessage(status, base::Heading::Error));
    return false;
}

int runFourier(const SmoothingOptions& o) {
    std::optional<OpenedCurve> opened =
        openCurve(o.settings, o.input, o.curve, o.output.empty() ? Reading::OneCurve : Reading::Whole);
    if (!opened) return ExitFailure;
    Diagram& diagram = opened->diagram;
    Curve& curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    if (!computeSeries(curve, o.harmonics)) return ExitFailure;

    const document::FitResult& fit = curve.fit;
    Json out = Json::object();
    out["harmonics"] = fit.harmonicCount;
    out["omega"] = fit.omega;
    // A constant curve keeps the omega it had, possibly none: no period then.
    const double period = 6.283185307179586 / fit.omega;
    out["period"] = std::isfinite(period) ? Json(period) : Json(nullptr);
    out["a0"] = fit.fourierA0;
    Json a = Json::array(), b = Json::array();
    for (int i = 1; i <= fit.harmonicCount; ++i) {
        a.push_back(fit.coefficient[static_cast<std::size_t>(i)]);
        b.push_back(fit.linearCoefficient[static_cast<std::size_t>(i)]);
    }
    out["a"] = std::move(a);
    out["b"] = std::move(b);

    if (!o.report.empty())
        if (const int written = writeReportFile(curve, nullptr, nullptr, diagram, o.report);
            written != ExitSuccess)
            return written;
    if (!o.output.empty())
        if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;
    return writeJson(out, {}, o.compact);
}

int runSpectrum(const SmoothingOptions& o) {
    std::optional<OpenedCurve> opened = openCurve(o.settings, o.input, o.curve);
    if (!opened) return ExitFailure;
    Diagram& diagram = opened->diagram;
    Curve& source = diagram.curves[static_cast<std::size_t>(o.curve)];
    if (o.harmonics >= 0) {
        if (!computeSeries(source, o.harmonics)) return ExitFailure;
    } else if (source.treatment != numerics::KindFOU) {
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) +
                                          " n'a pas de série de Fourier : appliquez d'abord fourier ou précisez "
                                          "--harmonics."));
    }
    const bool phase = o.phase;
    const numerics::SpectrumOutcome outcome = numerics::createSpectrum(
        diagram, o.curve, phase, numerics::spectrumTitle(source.title, phase), opened->preferences.diagram);
    if (outcome.full) return reportFailure(base::makeMessage(base::MsgDiagramFull, base::Heading::Error));
    if (!outcome.message.empty()) return reportFailure(outcome.message);

    const Curve& spectrum = diagram.curves[static_cast<std::size_t>(outcome.index)];
    Json out = Json::object();
    // Saving drops curves without points: a spectrum of no harmonic is not in
    // the file, and the number is that of the saved file otherwise.
    if (spectrum.pointCount() > 0) {
        int savedIndex = 0;
        for (int i = 0; i < outcome.index; ++i)
            if (diagram.curves[static_cast<std::size_t>(i)].pointCount() > 0) ++savedIndex;
        out["curve"] = savedIndex;
    } else {
        out["curve"] = nullptr;
    }
    out["title"] = textToJson(spectrum.title);
    Json points = Json::array();
    for (const document::Point& p : spectrum.points.view()) points.push_back(Json::array({p.x, p.y}));
    out["points"] = std::move(points);

    if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;
    return writeJson(out, {}, o.compact);
}

// A smoothing kind: JPP, BSP, SPC, BEZ or 1 to 4.
CLI::Validator kindText() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (isSmoothingKind(smoothingKind(text))) return {};
            return "lissage inconnu « " + text + " » (JPP, BSP, SPC ou BEZ)";
        },
        "JPP|BSP|SPC|BEZ", "lissage");
}

void addHarmonicsOption(CLI::App& command, SmoothingOptions& options, const char* description) {
    command.add_option("--harmonics", options.harmonics, description)
        ->type_name("H")
        ->check(CLI::Range(0, numerics::MaxHarmonics));
}

}  // namespace

void addSmoothingCommands(CLI::App& app, int& status) {
    std::shared_ptr<SmoothingOptions> options;

    CLI::App* smooth = addCurveCommand(app, status, "smooth",
                                       "Polyligne d'un lissage de la courbe, en coordonnées des données", runSmooth,
                                       options);
    smooth->add_option("--kind", options->kind,
                       "Lissage : JPP (point à point), BSP (B-splines), SPC (splines cubiques), BEZ (Bézier) ; "
                       "défaut : celui de la courbe")
        ->type_name("LISSAGE")
        ->check(kindText());

    CLI::App* fourier = addCurveCommand(app, status, "fourier",
                                        "Série de Fourier de la courbe (la courbe devient une transformée de Fourier)",
                                        runFourier, options);
    addHarmonicsOption(*fourier, *options, "Nombre d'harmoniques, 0 à 50 (défaut : celui de la courbe, 10 pour une nouvelle courbe)");
    fourier->add_option("-o,--output", options->output,
                        "Fichier diagramme (.orx) où enregistrer la courbe et sa série (sinon rien n'est écrit)")
        ->type_name("FICHIER");
    fourier->add_option("--report", options->report,
                        "Fichier de la note de calcul : .txt (texte balisé), .rtf (traitement de texte) ou .csv "
                        "(tableur)")
        ->type_name("FICHIER");

    CLI::App* spectrum = addCurveCommand(app, status, "spectrum",
                                         "Ajoute la courbe du spectre d'intensité ou de phase de la série de Fourier "
                                         "d'une courbe et affiche ses points",
                                         runSpectrum, options);
    // Exactly one of the two spectra.
    CLI::Option_group* which = spectrum->add_option_group("Spectre", "L'un des deux spectres");
    which->add_flag("--intensity", options->intensity, "Spectre d'intensité");
    which->add_flag("--phase", options->phase, "Spectre de phase, en degrés");
    which->require_option(1);
    addHarmonicsOption(*spectrum, *options,
                       "Recalcule d'abord la série avec ce nombre d'harmoniques (sinon la série enregistrée dans la "
                       "courbe)");
    spectrum->add_option("-o,--output", options->output, "Fichier diagramme (.orx) à écrire")
        ->required()
        ->type_name("FICHIER");
}

}  // namespace ordinax::cli
