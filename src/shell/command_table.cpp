// The command table of the main window.
#include "shell/command_table.h"

#include <array>
#include <cstddef>

namespace ordinax::shell {

namespace {

using A = Availability;
using C = CheckRule;
using I = CommandId;

constexpr std::string_view File = "&Fichier";
constexpr std::string_view Import = "&Fichier/Importer un &diagramme";
constexpr std::string_view Edit = "&Edition";
constexpr std::string_view CurveMenu = "&Courbe";
constexpr std::string_view Scales = "Ec&helles";
constexpr std::string_view Background = "For&mat/&Arrière-plan";
constexpr std::string_view Plot = "For&mat/&Diagramme";
constexpr std::string_view Labels = "For&mat/&Libellés";
constexpr std::string_view Legends = "For&mat/Lége&ndes";
constexpr std::string_view Tags = "For&mat/E&tiquettes";
constexpr std::string_view Tools = "O&utils";
constexpr std::string_view Options = "&Options";
constexpr std::string_view Language = "&Options/&Langue d'impression";
constexpr std::string_view View = "&Affichage";
constexpr std::string_view Help = "A&ide";

// Menu order is the order of this table; a menu appears where its first item is.
constexpr std::array Table = {
    CommandSpec{I::FileNew, File, "&Nouveau", "Ctrl+N", A::Always, C::None, 0, true},
    CommandSpec{I::FileOpen, File, "&Ouvrir...", "Ctrl+O", A::Always, C::None, 0, true},
    CommandSpec{I::FileSave, File, "&Enregistrer", "Ctrl+S", A::NeedsDisplay, C::None, 0, true},
    CommandSpec{I::FileSaveAs, File, "Enregistrer &sous...", "", A::NeedsDisplay},
    CommandSpec{I::FileImportClipboard, Import, "Depuis le presse-papiers...", "", A::Later},
    CommandSpec{I::FileImportText, Import, "A partir d'un fichier texte...", "", A::Later},
    CommandSpec{I::FileExport, File, "Exporter le diagramme...", "", A::NeedsDisplay},
    CommandSpec{I::FilePageSetup, File, "&Mise en page...", "Ctrl+M", A::Later, C::None, 0, false, true},
    CommandSpec{I::FilePrintPreview, File, "&Aperçu avant impression", "", A::NeedsDisplay, C::None, 0, true},
    CommandSpec{I::FilePrintSetup, File, "Con&figuration de l'impression...", "", A::NeedsDisplay},
    CommandSpec{I::FilePrint, File, "&Imprimer...", "Ctrl+P", A::NeedsDisplay, C::None, 0, true},
    CommandSpec{I::FileQuit, File, "&Quitter Ordinax", "", A::Always, C::None, 0, false, true},

    CommandSpec{I::EditUndo, Edit, "&Annuler", "Ctrl+Z", A::Undo, C::None, 0, true},
    CommandSpec{I::EditRedo, Edit, "&Rétablir", "Ctrl+Y", A::Redo, C::None, 0, true},
    CommandSpec{I::EditCopyDiagram, Edit, "Copier le &diagramme", "Ctrl+C", A::NeedsDisplay, C::None, 0, true, true},

    CommandSpec{I::CurveNew, CurveMenu, "&Nouvelle...", "", A::Later},
    CommandSpec{I::CurveDuplicate, CurveMenu, "&Dupliquer...", "", A::Later},
    CommandSpec{I::CurveConcatenate, CurveMenu, "Conca&téner...", "", A::Later},
    CommandSpec{I::CurveDelete, CurveMenu, "Su&pprimer...", "", A::Later},
    CommandSpec{I::CurveActivate, CurveMenu, "Activer, désa&ctiver...", "", A::Later},
    CommandSpec{I::CurveOrder, CurveMenu, "&Ordonner...", "", A::Later},
    CommandSpec{I::CurveDelimit, CurveMenu, "Délimiter le t&racé...", "", A::Later},
    CommandSpec{I::CurveInfo, CurveMenu, "&Informations...", "Ctrl+I", A::Later},
    CommandSpec{I::CurveSelect, CurveMenu, "&Sélectionner...", "", A::Later},
    CommandSpec{I::CurveEditPoints, CurveMenu, "&Modifier les points...", "Ctrl+T", A::Later, C::None, 0, false, true},
    CommandSpec{I::CurveSmoothing, CurveMenu, "&Lissage...", "Ctrl+L", A::Later},
    CommandSpec{I::CurveSymbol, CurveMenu, "Symbole associé aux points...", "", A::Later, C::None, 0, false, true},
    CommandSpec{I::CurveLine, CurveMenu, "Ligne de tracé (lissage, IC)...", "", A::Later},
    CommandSpec{I::CurveExport, CurveMenu, "&Exporter...", "", A::Later, C::None, 0, false, true},

    CommandSpec{I::ScaleAuto, Scales, "&Echelles auto", "", A::NeedsDisplay, C::None, 0, true},
    CommandSpec{I::ScaleManual, Scales, "&Définition manuelle...", "", A::Later},
    CommandSpec{I::ScaleGrid, Scales, "&Quadrillage...", "", A::Later},

    CommandSpec{I::BackgroundFill, Background, "&Fond...", "", A::Later},
    CommandSpec{I::BackgroundBorder, Background, "&Bordure...", "", A::Later},
    CommandSpec{I::BackgroundShadow, Background, "&Ombre...", "", A::Later},
    CommandSpec{I::PlotFill, Plot, "&Fond...", "", A::Later},
    CommandSpec{I::PlotBorder, Plot, "&Bordure...", "", A::Later},
    CommandSpec{I::PlotShadow, Plot, "&Ombre...", "", A::Later},
    CommandSpec{I::LabelText, Labels, "&Texte...", "", A::Later},
    CommandSpec{I::LabelInsert, Labels, "&Insérer...", "", A::Later},
    CommandSpec{I::LabelDelete, Labels, "&Supprimer...", "", A::Later},
    CommandSpec{I::LabelDeleteAll, Labels, "S&upprimer tous", "", A::Later},
    CommandSpec{I::LabelReposition, Labels, "&Repositionner...", "", A::Later},
    CommandSpec{I::LabelFill, Labels, "&Fond...", "", A::Later, C::None, 0, false, true},
    CommandSpec{I::LabelBorder, Labels, "&Bordure...", "", A::Later},
    CommandSpec{I::LabelShadow, Labels, "&Ombre...", "", A::Later},
    CommandSpec{I::LegendText, Legends, "&Texte...", "", A::Later},
    CommandSpec{I::LegendInsert, Legends, "&Insérer...", "", A::Later},
    CommandSpec{I::LegendDelete, Legends, "&Supprimer...", "", A::Later},
    CommandSpec{I::LegendDeleteAll, Legends, "S&upprimer toutes", "", A::Later},
    CommandSpec{I::LegendReposition, Legends, "&Repositionner...", "", A::Later},
    CommandSpec{I::LegendFill, Legends, "&Fond...", "", A::Later, C::None, 0, false, true},
    CommandSpec{I::LegendBorder, Legends, "&Bordure...", "", A::Later},
    CommandSpec{I::LegendShadow, Legends, "&Ombre...", "", A::Later},
    CommandSpec{I::TagText, Tags, "&Texte...", "", A::Later},
    CommandSpec{I::TagInsert, Tags, "&Insérer...", "", A::Later},
    CommandSpec{I::TagDelete, Tags, "&Supprimer...", "", A::Later},
    CommandSpec{I::TagDeleteAll, Tags, "S&upprimer toutes", "", A::Later},
    CommandSpec{I::TagReposition, Tags, "&Repositionner...", "", A::Later},
    CommandSpec{I::TagFill, Tags, "&Fond...", "", A::Later, C::None, 0, false, true},
    CommandSpec{I::TagBorder, Tags, "&Bordure...", "", A::Later},
    CommandSpec{I::TagShadow, Tags, "&Ombre...", "", A::Later},
    CommandSpec{I::TagRaise, Tags, "Placer au-dessus", "", A::NeedsTag, C::None, 0, false, true},
    CommandSpec{I::TagLower, Tags, "Placer au-dessous", "", A::NeedsTag},

    CommandSpec{I::ToolMacros, Tools, "&Macros...", "", A::Later},
    CommandSpec{I::ToolDerivative, Tools, "Déri&vée numérique...", "", A::Later, C::None, 0, false, true},
    CommandSpec{I::ToolSurface, Tools, "&Surface (intégrale) et longueur...", "", A::Later},
    CommandSpec{I::ToolYOfX, Tools, "y = f(x)...", "", A::Later},
    CommandSpec{I::ToolXOfY, Tools, "x = f(y)...", "", A::Later},
    CommandSpec{I::ToolResiduals, Tools, "Courbe des résiduels...", "", A::Later},
    CommandSpec{I::ToolIntensitySpectrum, Tools, "Spectre d'intensité...", "", A::Later},
    CommandSpec{I::ToolPhaseSpectrum, Tools, "Spectre de phase...", "", A::Later},
    CommandSpec{I::ToolExplorer, Tools, "E&xplorateur de fichiers Ordinax...", "Ctrl+E", A::Later, C::None, 0, false,
                true},
    CommandSpec{I::ToolPipette, Tools, "Pipette", "", A::Later},

    CommandSpec{I::OptionPreferences, Options, "&Préférences...", "", A::Later},
    CommandSpec{I::OptionLanguageFrench, Language, "&Français", "", A::Always, C::PrintLanguage, 0},
    CommandSpec{I::OptionLanguageEnglish, Language, "A&nglais", "", A::Always, C::PrintLanguage, 1},
    CommandSpec{I::OptionLanguageGerman, Language, "&Allemand", "", A::Always, C::PrintLanguage, 2},
    CommandSpec{I::OptionBeep, Options, "Messages &sonores", "", A::Always, C::Beep},

    CommandSpec{I::ViewRefresh, View, "&Rafraîchir", "", A::NeedsDisplay},
    CommandSpec{I::ViewDefaultMargins, View, "&Modifier marges et tirets par défaut...", "", A::Later},
    CommandSpec{I::ViewAllCurves, View, "&Toutes les courbes activées", "Ctrl+D", A::NeedsDisplay, C::AllCurves, 0,
                false, true},
    CommandSpec{I::ViewSelectedCurve, View, "&Courbe sélectionnée", "", A::NeedsDisplay, C::SelectedCurve},
    CommandSpec{I::ViewNormal, View, "&Normal", "", A::Always, C::DisplayMode, 1, true, true},
    CommandSpec{I::ViewPageWidth, View, "&Largeur page", "", A::Always, C::DisplayMode, 2, true},
    CommandSpec{I::ViewFullPage, View, "&Pleine page", "", A::Always, C::DisplayMode, 3, true},
    CommandSpec{I::ViewToolBar, View, "Barre d'&outils", "", A::Always, C::ToolBar, 0, false, true},
    CommandSpec{I::ViewStatusBar, View, "&Barre d'état", "", A::Always, C::StatusBar},
    CommandSpec{I::ViewWelcome, View, "&Ecran d'accueil", "", A::Always},

    CommandSpec{I::HelpTopics, Help, "&Rubriques d'aide", "", A::Later},
    CommandSpec{I::HelpUsingHelp, Help, "&Utilisation de l'aide de Windows", "", A::Later},
    CommandSpec{I::HelpAbout, Help, "&A propos de Ordinax ...", "", A::Always, C::None, 0, false, true},
};

// The table is indexed by id: a row out of place would give a command another's behaviour.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (static_cast<std::size_t>(Table[i].id) != i) return false;
    return true;
}

}  // namespace

std::span<const CommandSpec> commandTable() {
    return Table;
}

const CommandSpec& commandSpec(CommandId id) {
    static_assert(Table.size() == static_cast<std::size_t>(CommandId::HelpAbout) + 1, "one row per command");
    static_assert(inIdOrder(), "rows in the order of their ids");
    return Table[static_cast<std::size_t>(id)];
}

std::string menuText(const CommandSpec& spec) {
    std::string text(spec.label);
    if (!spec.accelerator.empty()) {
        text += '\t';
        text += spec.accelerator;
    }
    return text;
}

bool isEnabled(const CommandSpec& spec, const CommandContext& context) {
    const bool shown = context.displayMode >= 1 && context.displayMode <= 3;
    switch (spec.availability) {
        case Availability::Always:
            return true;
        case Availability::NeedsDisplay:
            return shown;
        case Availability::Undo:
            return shown && context.canUndo;
        case Availability::Redo:
            return shown && context.canRedo;
        case Availability::NeedsTag:
            return shown && context.tagSelected;
        case Availability::Later:
            return false;
    }
    return false;
}

}  // namespace ordinax::shell
