// The factory values of the preferences.
#include "settings/preferences.h"

namespace ordinax::settings {

Preferences factoryPreferences() {
    Preferences preferences;
    preferences.diagram = document::factoryDiagramDefaults();
    preferences.drawingFont = base::fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    // A blank curve's symbol has no font; new curves take this one.
    preferences.symbol.font = base::fontFromTextOrDefault("-12,0,0,0,400,0,0,0,2,3,2,1,2,Wingdings");
    return preferences;
}

}  // namespace ordinax::settings
