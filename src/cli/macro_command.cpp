// The macro command: reads FILE, applies one presentation macro of the
// catalogue with the attributes given as options, and saves to -o.
#include "cli/macro_command.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/strings.h"
#include "cli/cli_support.h"
#include "document/orx_file.h"
#include "settings/macros.h"

namespace ordinax::cli {

namespace {

struct MacroOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    int command = 0;
    settings::MacroAttributes attributes;
    std::string textFont;
    std::string symbolFont;
    std::vector<double> bounds;
    bool excludePoints = false;
};

// Parses a font option into `font`; false when the text is not a font record.
bool readFontOption(const std::string& text, base::LogFont& font) {
    return text.empty() || base::fontFromText(text, font);
}

int runMacro(MacroOptions options) {
    if (!settings::isMacroCommand(options.command)) {
        reportFailure(errorMessage("La commande " + std::to_string(options.command) +
                                   " n'est pas une macro du catalogue."));
        return ExitUsage;
    }
    if (!readFontOption(options.textFont, options.attributes.textFont) ||
        !readFontOption(options.symbolFont, options.attributes.symbolFont)) {
        reportFailure(errorMessage("Police invalide : 14 champs attendus, par exemple "
                                   "\"-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial\"."));
        return ExitUsage;
    }
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(options.settings, error);
    if (!preferences) return reportFailure(error);

    document::Diagram diagram;
    if (!openOrReport(options.input, *preferences, diagram)) return ExitFailure;

    settings::MacroInputs inputs;
    inputs.attributes = options.attributes;
    inputs.defaults = &preferences->diagram;
    if (options.bounds.size() == 4)
        inputs.bounds = {options.bounds[0], options.bounds[1], options.bounds[2], options.bounds[3]};
    inputs.excludePoints = options.excludePoints;

    const settings::MacroResult result = settings::applyMacro(diagram, options.command, inputs);
    switch (result.status) {
        case settings::MacroStatus::Done: break;
        case settings::MacroStatus::Refused: return reportFailure(result.message);
        case settings::MacroStatus::Unknown: return ExitUsage;
    }

    const document::SaveResult saved = document::saveDiagram(diagram, options.output, saveDateText());
    if (saved.ok) return ExitSuccess;
    return reportFailure(saved.message.empty()
                             ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, options.output)
                             : saved.message);
}

void addIntOption(CLI::App& command, const char* name, std::int32_t& value, const char* description) {
    command.add_option(name, value, description)->capture_default_str()->group("Attributs");
}

}  // namespace

void addMacroCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<MacroOptions>();
    CLI::App* command = app.add_subcommand(
        "macro", "Applique une macro de présentation (commande du catalogue des macros) à tout le diagramme");
    command->group("Commandes");
    addSettingsOptions(*command, options->settings);
    command->add_option("FICHIER", options->input, "Fichier diagramme à lire")->required()->type_name("FICHIER");
    command->add_option("-o,--output", options->output, "Fichier diagramme (.orx) à écrire")
        ->required()
        ->type_name("FICHIER");
    command->add_option("--command", options->command, "Identifiant de la macro (10001 .. 10702)")
        ->required()
        ->type_name("ID");

    settings::MacroAttributes& a = options->attributes;
    command->add_option("--file", a.fileName, "Diagramme modèle de « Copier la présentation »")
        ->type_name("FICHIER")
        ->group("Attributs");
    addIntOption(*command, "--text-color", a.textColor, "Couleur du texte (0x00BBGGRR)");
    addIntOption(*command, "--frame-color", a.frameColor, "Couleur de la bordure");
    addIntOption(*command, "--shadow-color", a.shadowColor, "Couleur de l'ombre");
    addIntOption(*command, "--gradient", a.noGradation, "Dégradé du fond (genre + 100 × profil)");
    addIntOption(*command, "--grad-color1", a.gradColor1, "Couleur 1 du fond");
    addIntOption(*command, "--grad-color2", a.gradColor2, "Couleur 2 du fond");
    addIntOption(*command, "--frame-width", a.frameWidth,
                 "Épaisseur de la bordure : horizontale (16 bits bas), verticale (16 bits hauts, 0 = la même)");
    addIntOption(*command, "--shadow-hard", a.shadowHard, "Dureté de l'ombre (0 .. 100)");
    addIntOption(*command, "--shadow-deep", a.shadowDeep, "Profondeur de l'ombre (pixels)");
    addIntOption(*command, "--line-type", a.typeLine, "Type de trait");
    addIntOption(*command, "--line-color", a.lineColor, "Couleur du trait");
    addIntOption(*command, "--line-size", a.sizeLine, "Épaisseur du trait");
    addIntOption(*command, "--symbol-type", a.typeSymbol, "Type de symbole");
    addIntOption(*command, "--symbol-number", a.definedSymbol, "Numéro du symbole prédéfini");
    addIntOption(*command, "--symbol-char", a.charSymbol, "Caractère du symbole");
    addIntOption(*command, "--first-symbol", a.firstSymbol, "Premier caractère des symboles automatiques");
    addIntOption(*command, "--symbol-option", a.optionSymbol, "Option du symbole");
    addIntOption(*command, "--symbol-fill", a.fillSymbol, "Remplissage du symbole (0 ou 1)");
    addIntOption(*command, "--symbol-color1", a.symbolColor1, "Couleur du contour des symboles");
    addIntOption(*command, "--symbol-color2", a.symbolColor2, "Couleur de remplissage des symboles");
    addIntOption(*command, "--symbol-size", a.sizeSymbol, "Taille des symboles");
    addIntOption(*command, "--various-color", a.variousColor, "Couleurs très différentes (1) ou dégradé (0)");
    command->add_option("--text-font", options->textFont, "Police du texte (14 champs)")
        ->type_name("POLICE")
        ->group("Attributs");
    command->add_option("--symbol-font", options->symbolFont, "Police des symboles (14 champs)")
        ->type_name("POLICE")
        ->group("Attributs");
    command->add_option("--bounds", options->bounds, "Délimitation : X mini, X maxi, Y mini, Y maxi")
        ->expected(4)
        ->type_name("X1 X2 Y1 Y2")
        ->group("Attributs");
    command->add_flag("--exclude-points", options->excludePoints, "Exclure aussi les points lors du tracé")
        ->group("Attributs");

    command->callback(commandCallback(status, [options] { return runMacro(*options); }));
}

}  // namespace ordinax::cli
