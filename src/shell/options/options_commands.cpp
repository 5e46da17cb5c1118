// The commands of the page setup, the preferences, the macros and the default margins.
#include "shell/options/options_commands.h"

#include <QStatusBar>

#include "base/strings.h"
#include "base/strings_presentation.h"
#include "render/page_bands.h"
#include "settings/macros.h"
#include "shell/common/colour_choice.h"
#include "shell/common/diagram_edit.h"
#include "shell/main_frame.h"
#include "shell/options/macros_dialog.h"
#include "shell/options/margins_dialog.h"
#include "shell/options/page_setup_dialog.h"
#include "shell/options/preferences_dialog.h"

namespace ordinax::shell {

namespace {

ColourButton::Chooser colourChooser(CMainFrame& frame) {
    return [&frame](std::int32_t initial) { return chooseColour(&frame, initial, frame.preferences(), frame.store()); };
}

void pageSetup(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    PageSetupDialog dialog(edit, frame.prompts(),
                           render::pageCodeContextNow(frame.document().path(), frame.preferences().reportLanguage),
                           &frame);
    dialog.setColourChooser(colourChooser(frame));
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

void preferences(CMainFrame& frame) {
    PreferencesDialog dialog(frame.preferences(), frame.prompts(), &frame);
    dialog.setColourChooser(colourChooser(frame));
    if (dialog.exec() != QDialog::Accepted) return;
    // The custom colours may have changed meanwhile: they are not the sheet's.
    settings::Preferences chosen = dialog.preferences();
    chosen.customColours = frame.preferences().customColours;
    frame.preferences() = chosen;
    settings::writePreferences(frame.preferences(), frame.store());
    frame.document().setDefaults(frame.preferences().diagram);
}

void macros(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    MacrosDialog dialog(edit, frame.prompts(), settings::readMacroAttributes(frame.store()),
                        frame.preferences().diagram, &frame);
    dialog.setColourChooser(colourChooser(frame));
    if (dialog.exec() != QDialog::Accepted) return;
    settings::writeMacroAttributes(frame.store(), dialog.attributes());
    edit.commit();
    if (dialog.showAllCurves()) frame.view().setShownCurve(-1);
}

void defaultMargins(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    MarginsDialog dialog(edit, frame.prompts(), frame.preferences().diagram, &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.keepAsDefaults()) {
        document::DiagramDefaults& defaults = frame.preferences().diagram;
        defaults.drawSpace = edit.working().drawSpace;
        defaults.dashLength = edit.working().dashLength;
        settings::writePreferences(frame.preferences(), frame.store());
        frame.document().setDefaults(defaults);
    }
    edit.commit();
}

}  // namespace

void installOptionsCommands(CMainFrame& frame) {
    frame.setCommandHandler(CommandId::FilePageSetup, [&frame] { pageSetup(frame); });
    frame.setCommandHandler(CommandId::OptionPreferences, [&frame] { preferences(frame); });
    frame.setCommandHandler(CommandId::ToolMacros, [&frame] { macros(frame); });
    frame.setCommandHandler(CommandId::ViewDefaultMargins, [&frame] { defaultMargins(frame); });
}

}  // namespace ordinax::shell
