// ordinax-cli scales: reads a diagram, runs "Échelles automatiques sur
// l'ensemble des courbes" when asked, and prints each scale with the texts
// of its graduation values as the drawing writes them (label markup, UTF-8).
#include "cli/scale_command.h"

#include <cmath>
#include <memory>
#include <string>

#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "document/orx_file.h"
#include "render/graduation.h"
#include "render/graduation_text.h"
#include "render/plot_mapping.h"
#include "render/scale_auto.h"

namespace ordinax::cli {

namespace {

struct ScaleCommandOptions {
    SettingsChoice settings;
    std::string input;
    bool automatic = false;
    bool compact = false;
};

Json numberJson(double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); }

// The graduation texts of one scale, in the order the walk visits them.
Json labelsJson(const document::Diagram& diagram, const render::PlotMapping& mapping, int direction, int side) {
    Json labels = Json::array();
    const document::AxisScale& scale =
        diagram.scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
    if (!render::showsValues(scale)) return labels;
    for (const render::GraduationMark& mark : render::graduationWalk(diagram, mapping, direction, side))
        if (mark.labelled) labels.push_back(textToJson(render::formatGraduationValue(mark.value, scale)));
    return labels;
}

int runScales(const ScaleCommandOptions& o) {
    base::Message error;
    std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    document::Diagram diagram;
    if (!openOrReport(o.input, *preferences, diagram)) return ExitFailure;
    if (o.automatic) render::autoScalesAllCurves(diagram);
    // Labels do not depend on the plot's size: any rectangle places them.
    const render::PlotMapping mapping = render::makePlotMapping(diagram.scales, render::DevRect{0, 0, 1000, 1000});
    Json axis = Json::array();
    for (int d = 0; d < 2; ++d) {
        Json sides = Json::array();
        for (int s = 0; s < 2; ++s) {
            const document::AxisScale& scale = diagram.scales.axis[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            Json entry = Json::object();
            entry["kind"] = scale.kind;
            entry["origin"] = numberJson(scale.origin);
            entry["extremity"] = numberJson(scale.extremity);
            entry["step"] = numberJson(scale.step);
            entry["format"] = scale.format;
            entry["decimals"] = scale.decimals;
            entry["labels"] = labelsJson(diagram, mapping, d, s);
            sides.push_back(std::move(entry));
        }
        axis.push_back(std::move(sides));
    }
    Json result = Json::object();
    result["axis"] = std::move(axis);
    return writeJson(result, {}, o.compact);
}

}  // namespace

void addScaleCommand(CLI::App& app, int& status) {
    std::shared_ptr<ScaleCommandOptions> options;
    CLI::App* command = addCommand(app, status, "scales",
                                   "Affiche les quatre échelles d'un diagramme et les textes de leurs graduations",
                                   runScales, options);
    addInputArgument(*command, options->input);
    command->add_flag("--auto", options->automatic,
                      "Échelles automatiques sur l'ensemble des courbes avant l'affichage");
    command->add_flag("--compact", options->compact, "JSON compact, sans indentation");
}

}  // namespace ordinax::cli
