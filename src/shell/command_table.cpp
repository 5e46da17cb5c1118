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
    CommandEntry{I::FileNew, File, "&Nouveau", "Ctrl+N", A::Always, C::None, 0, true},
    CommandEntry{I::FileOpen, File, "&Ouvrir...", "Ctrl+O", A::Always, C::None, 0, true},
    CommandEntry{I::FileSave, File, "&Enregistrer", "Ctrl+S", A::NeedsDisplay, C::None, 0, true},
    CommandEntry{I::FileSaveAs, File, "Enregistrer &sous...", "", A::NeedsDisplay},
    CommandEntry{I::FileImportClipboard, Import, "Depuis le presse-papiers...", "", A::Always},
    CommandEntry{I::FileImportText, Import, "A partir d'un fichier texte...", "", A::Always},
    CommandEntry{I::FileExport, File, "Exporter le diagramme...", "", A::NeedsDisplay},
    CommandEntry{I::FilePageSetup, File, "&Mise en page...", "Ctrl+M", A::NeedsDisplay, C::None, 0, false, true},
    CommandEntry{I::FilePrintPreview, File, "&Aperçu avant impression", "", A::NeedsDisplay, C::None, 0, true},
    CommandEntry{I::FilePrintSetup, File, "Con&figuration de l'impression...", "", A::NeedsDisplay},
    CommandEntry{I::FilePrint, File, "&Imprimer...", "Ctrl+P", A::NeedsDisplay, C::None, 0, true},
    CommandEntry{I::FileQuit, File, "&Quitter Ordinax", "", A::Always, C::None, 0, false, true},

    CommandEntry{I::EditUndo, Edit, "&Annuler", "Ctrl+Z", A::Undo, C::None, 0, true},
    CommandEntry{I::EditRedo, Edit, "&Rétablir", "Ctrl+Y", A::Redo, C::None, 0, true},
    CommandEntry{I::EditCopyDiagram, Edit, "Copier le &diagramme", "Ctrl+C", A::NeedsDisplay, C::None, 0, true, true},

    CommandEntry{I::CurveNew, CurveMenu, "&Nouvelle...", "", A::Always},
    CommandEntry{I::CurveDuplicate, CurveMenu, "&Dupliquer...", "", A::NeedsCurve},
    CommandEntry{I::CurveConcatenate, CurveMenu, "Conca&téner...", "", A::NeedsCurve},
    CommandEntry{I::CurveDelete, CurveMenu, "Su&pprimer...", "", A::NeedsCurve},
    CommandEntry{I::CurveActivate, CurveMenu, "Activer, désa&ctiver...", "", A::NeedsCurve},
    CommandEntry{I::CurveOrder, CurveMenu, "&Ordonner...", "", A::NeedsCurve},
    CommandEntry{I::CurveDelimit, CurveMenu, "Délimiter le t&racé...", "", A::NeedsCurve},
    CommandEntry{I::CurveInfo, CurveMenu, "&Informations...", "Ctrl+I", A::NeedsCurve},
    CommandEntry{I::CurveSelect, CurveMenu, "&Sélectionner...", "", A::NeedsCurve},
    CommandEntry{I::CurveEditPoints, CurveMenu, "&Modifier les points...", "Ctrl+T", A::NeedsCurve, C::None, 0, false, true},
    CommandEntry{I::CurveSmoothing, CurveMenu, "&Lissage...", "Ctrl+L", A::NeedsCurve},
    CommandEntry{I::CurveSymbol, CurveMenu, "Symbole associé aux points...", "", A::NeedsCurve, C::None, 0, false, true},
    CommandEntry{I::CurveLine, CurveMenu, "Ligne de tracé (lissage, IC)...", "", A::NeedsCurve},
    CommandEntry{I::CurveExport, CurveMenu, "&Exporter...", "", A::NeedsCurve, C::None, 0, false, true},

    CommandEntry{I::ScaleAuto, Scales, "&Echelles auto", "", A::NeedsDisplay, C::None, 0, true},
    CommandEntry{I::ScaleManual, Scales, "&Définition manuelle...", "", A::NeedsDisplay},
    CommandEntry{I::ScaleGrid, Scales, "&Quadrillage...", "", A::NeedsDisplay},

    CommandEntry{I::BackgroundFill, Background, "&Fond...", "", A::NeedsDisplay},
    CommandEntry{I::BackgroundBorder, Background, "&Bordure...", "", A::NeedsDisplay},
    CommandEntry{I::BackgroundShadow, Background, "&Ombre...", "", A::NeedsDisplay},
    CommandEntry{I::PlotFill, Plot, "&Fond...", "", A::NeedsDisplay},
    CommandEntry{I::PlotBorder, Plot, "&Bordure...", "", A::NeedsDisplay},
    CommandEntry{I::PlotShadow, Plot, "&Ombre...", "", A::NeedsDisplay},
    CommandEntry{I::LabelText, Labels, "&Texte...", "", A::NeedsLabel},
    CommandEntry{I::LabelInsert, Labels, "&Insérer...", "", A::NeedsDisplay},
    CommandEntry{I::LabelDelete, Labels, "&Supprimer...", "", A::NeedsLabel},
    CommandEntry{I::LabelDeleteAll, Labels, "S&upprimer tous", "", A::NeedsDisplay},
    CommandEntry{I::LabelReposition, Labels, "&Repositionner...", "", A::NeedsLabel},
    CommandEntry{I::LabelFill, Labels, "&Fond...", "", A::NeedsLabel, C::None, 0, false, true},
    CommandEntry{I::LabelBorder, Labels, "&Bordure...", "", A::NeedsLabel},
    CommandEntry{I::LabelShadow, Labels, "&Ombre...", "", A::NeedsLabel},
    CommandEntry{I::LegendText, Legends, "&Texte...", "", A::NeedsLegend},
    CommandEntry{I::LegendInsert, Legends, "&Insérer...", "", A::NeedsCurve},
    CommandEntry{I::LegendDelete, Legends, "&Supprimer...", "", A::NeedsLegend},
    CommandEntry{I::LegendDeleteAll, Legends, "S&upprimer toutes", "", A::NeedsDisplay},
    CommandEntry{I::LegendReposition, Legends, "&Repositionner...", "", A::NeedsLegend},
    CommandEntry{I::LegendFill, Legends, "&Fond...", "", A::NeedsLegend, C::None, 0, false, true},
    CommandEntry{I::LegendBorder, Legends, "&Bordure...", "", A::NeedsLegend},
    CommandEntry{I::LegendShadow, Legends, "&Ombre...", "", A::NeedsLegend},
    CommandEntry{I::TagText, Tags, "&Texte...", "", A::NeedsTags},
    CommandEntry{I::TagInsert, Tags, "&Insérer...", "", A::NeedsDisplay},
    CommandEntry{I::TagDelete, Tags, "&Supprimer...", "", A::NeedsTags},
    CommandEntry{I::TagDeleteAll, Tags, "S&upprimer toutes", "", A::NeedsDisplay},
    CommandEntry{I::TagReposition, Tags, "&Repositionner...", "", A::NeedsTags},
    CommandEntry{I::TagFill, Tags, "&Fond...", "", A::NeedsTags, C::None, 0, false, true},
    CommandEntry{I::TagBorder, Tags, "&Bordure...", "", A::NeedsTags},
    CommandEntry{I::TagShadow, Tags, "&Ombre...", "", A::NeedsTags},
    CommandEntry{I::TagRaise, Tags, "Placer au-dessus", "", A::NeedsTag, C::None, 0, false, true},
    CommandEntry{I::TagLower, Tags, "Placer au-dessous", "", A::NeedsTag},

    CommandEntry{I::ToolMacros, Tools, "&Macros...", "", A::NeedsDisplay},
    CommandEntry{I::ToolDerivative, Tools, "Déri&vée numérique...", "", A::NeedsCurve, C::None, 0, false, true},
    CommandEntry{I::ToolSurface, Tools, "&Surface (intégrale) et longueur...", "", A::NeedsCurve},
    CommandEntry{I::ToolYOfX, Tools, "y = f(x)...", "", A::NeedsCurve},
    CommandEntry{I::ToolXOfY, Tools, "x = f(y)...", "", A::NeedsCurve},
    CommandEntry{I::ToolResiduals, Tools, "Courbe des résiduels...", "", A::NeedsCurve},
    CommandEntry{I::ToolIntensitySpectrum, Tools, "Spectre d'intensité...", "", A::NeedsCurve},
    CommandEntry{I::ToolPhaseSpectrum, Tools, "Spectre de phase...", "", A::NeedsCurve},
    CommandEntry{I::ToolExplorer, Tools, "E&xplorateur de fichiers Ordinax...", "Ctrl+E", A::Always, C::None, 0, false,
                true},
    CommandEntry{I::ToolPipette, Tools, "Pipette", "", A::NeedsDisplay},

    CommandEntry{I::OptionPreferences, Options, "&Préférences...", "", A::Always},
    CommandEntry{I::OptionLanguageFrench, Language, "&Français", "", A::Always, C::PrintLanguage, 0},
    CommandEntry{I::OptionLanguageEnglish, Language, "A&nglais", "", A::Always, C::PrintLanguage, 1},
    CommandEntry{I::OptionLanguageGerman, Language, "&Allemand", "", A::Always, C::PrintLanguage, 2},
    CommandEntry{I::OptionBeep, Options, "Messages &sonores", "", A::Always, C::Beep},

    CommandEntry{I::ViewRefresh, View, "&Rafraîchir", "", A::NeedsDisplay},
    CommandEntry{I::ViewDefaultMargins, View, "&Modifier marges et tirets par défaut...", "", A::NeedsDisplay},
    CommandEntry{I::ViewAllCurves, View, "&Toutes les courbes activées", "Ctrl+D", A::NeedsDisplay, C::AllCurves, 0,
                false, true},
    CommandEntry{I::ViewSelectedCurve, View, "&Courbe sélectionnée", "", A::NeedsDisplay, C::SelectedCurve},
    CommandEntry{I::ViewNormal, View, "&Normal", "", A::Always, C::DisplayMode, 1, true, true},
    CommandEntry{I::ViewPageWidth, View, "&Largeur page", "", A::Always, C::DisplayMode, 2, true},
    CommandEntry{I::ViewFullPage, View, "&Pleine page", "", A::Always, C::DisplayMode, 3, true},
    CommandEntry{I::ViewToolBar, View, "Barre d'&outils", "", A::Always, C::ToolBar, 0, false, true},
    CommandEntry{I::ViewStatusBar, View, "&Barre d'état", "", A::Always, C::StatusBar},
    CommandEntry{I::ViewWelcome, View, "&Ecran d'accueil", "", A::Always},

    CommandEntry{I::HelpTopics, Help, "&Rubriques d'aide", "F1", A::Always},
    CommandEntry{I::HelpUsingHelp, Help, "&Utilisation de l'aide", "", A::Always},
    CommandEntry{I::HelpAbout, Help, "&A propos de Ordinax ...", "", A::Always, C::None, 0, false, true},
};

// The table is indexed by id: a row out of place would give a command another's behaviour.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (static_cast<std::size_t>(Table[i].id) != i) return false;
    return true;
}

}  // namespace

std::span<const CommandEntry> commandTable() {
    return Table;
}

const CommandEntry& commandEntry(CommandId id) {
    static_assert(Table.size() == static_cast<std::size_t>(CommandId::HelpAbout) + 1, "one row per command");
    static_assert(inIdOrder(), "rows in the order of their ids");
    return Table[static_cast<std::size_t>(id)];
}

std::string menuText(const CommandEntry& entry) {
    std::string text(entry.label);
    if (!entry.accelerator.empty()) {
        text += '\t';
        text += entry.accelerator;
    }
    return text;
}

bool isEnabled(const CommandEntry& entry, const CommandContext& context) {
    const bool shown = context.displayMode >= 1 && context.displayMode <= 3;
    switch (entry.availability) {
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
        case Availability::NeedsCurve:
            return shown && context.curveCount > 0;
        case Availability::NeedsLabel:
            return shown && context.labelCount > 0;
        case Availability::NeedsLegend:
            return shown && context.legendShown;
        case Availability::NeedsTags:
            return shown && context.tagCount > 0;
        case Availability::Later:
            return false;
    }
    return false;
}

}  // namespace ordinax::shell
