// The command table of the main window: every menu item with its menu, label,
// accelerator, enabling rule, check mark and tool-bar presence. The window
// builds its menus and tool bar from this table; nothing here needs Qt.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ordinax::shell {

enum class CommandId : int {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileImportClipboard,
    FileImportText,
    FileExport,
    FilePageSetup,
    FilePrintPreview,
    FilePrintSetup,
    FilePrint,
    FileQuit,
    EditUndo,
    EditRedo,
    EditCopyDiagram,
    CurveNew,
    CurveDuplicate,
    CurveConcatenate,
    CurveDelete,
    CurveActivate,
    CurveOrder,
    CurveDelimit,
    CurveInfo,
    CurveSelect,
    CurveEditPoints,
    CurveSmoothing,
    CurveSymbol,
    CurveLine,
    CurveExport,
    ScaleAuto,
    ScaleManual,
    ScaleGrid,
    BackgroundFill,
    BackgroundBorder,
    BackgroundShadow,
    PlotFill,
    PlotBorder,
    PlotShadow,
    LabelText,
    LabelInsert,
    LabelDelete,
    LabelDeleteAll,
    LabelReposition,
    LabelFill,
    LabelBorder,
    LabelShadow,
    LegendText,
    LegendInsert,
    LegendDelete,
    LegendDeleteAll,
    LegendReposition,
    LegendFill,
    LegendBorder,
    LegendShadow,
    TagText,
    TagInsert,
    TagDelete,
    TagDeleteAll,
    TagReposition,
    TagFill,
    TagBorder,
    TagShadow,
    TagRaise,
    TagLower,
    ToolMacros,
    ToolDerivative,
    ToolSurface,
    ToolYOfX,
    ToolXOfY,
    ToolResiduals,
    ToolIntensitySpectrum,
    ToolPhaseSpectrum,
    ToolExplorer,
    ToolPipette,
    OptionPreferences,
    OptionLanguageFrench,
    OptionLanguageEnglish,
    OptionLanguageGerman,
    OptionBeep,
    ViewRefresh,
    ViewDefaultMargins,
    ViewAllCurves,
    ViewSelectedCurve,
    ViewNormal,
    ViewPageWidth,
    ViewFullPage,
    ViewToolBar,
    ViewStatusBar,
    ViewWelcome,
    HelpTopics,
    HelpUsingHelp,
    HelpAbout,
};

// When a command can be chosen.
enum class Availability {
    Always,        // whatever the display mode
    NeedsDisplay,  // display mode 1..3
    Undo,          // the history has a step to undo (and a diagram is shown)
    Redo,          // the history has a step to redo (and a diagram is shown)
    NeedsTag,      // a tag is selected (and a diagram is shown)
    NeedsCurve,    // the shown diagram has at least one curve
    NeedsLabel,    // the shown diagram has a title or an axis label
    NeedsLegend,   // the shown diagram shows its legend block
    NeedsTags,     // the shown diagram has a tag in use
    Later,         // its dialog is not part of this version: shown disabled with a tooltip
};

// What a command's check mark follows.
enum class CheckRule { None, DisplayMode, PrintLanguage, Beep, AllCurves, SelectedCurve, ToolBar, StatusBar };

struct CommandEntry {
    CommandId id;
    std::string_view menu;         // menu path, submenus separated by '/': "For&mat/&Libellés"
    std::string_view label;        // the label with its '&' mnemonic
    std::string_view accelerator;  // "Ctrl+N", empty when none
    Availability availability;
    CheckRule check = CheckRule::None;
    int checkValue = 0;            // the display mode or language the item stands for
    bool toolBar = false;          // also on the tool bar
    bool separatorBefore = false;  // a separator line precedes it in its menu
};

// Every command, in menu order.
std::span<const CommandEntry> commandTable();

// The entry of a command.
const CommandEntry& commandEntry(CommandId id);

// The label as a menu shows it: label, then a tab and the accelerator when there is one.
std::string menuText(const CommandEntry& entry);

// The facts the enabling rules look at.
struct CommandContext {
    int displayMode = 0;
    bool canUndo = false;
    bool canRedo = false;
    bool tagSelected = false;
    int curveCount = 0;
    int selectedCurve = -1;  // -1: all curves
    int labelCount = 0;      // titles and axis labels with a text
    bool legendShown = false;
    int tagCount = 0;        // tags in use
};

// Whether the command can be chosen now.
bool isEnabled(const CommandEntry& entry, const CommandContext& context);

}  // namespace ordinax::shell
