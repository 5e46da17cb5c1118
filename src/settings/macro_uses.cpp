// The attributes each macro command uses.
#include "settings/macro_uses.h"

namespace ordinax::settings {

unsigned macroUses(int id) {
    switch (id) {
        case 10001:
            return UsesFile;
        case 10101:
        case 10201:
            return UsesFill;
        case 10102:
        case 10202:
            return UsesFrame;
        case 10103:
        case 10203:
            return UsesShadow;
        case 10107:
        case 10207:
        case 10302:
            return UsesTextFont;
        case 10108:
        case 10208:
        case 10303:
            return UsesTextColour;
        case 10301:
            return UsesLegend | UsesTextFont;
        case 10405:
            return UsesBounds;
        case 10501:
        case 10604:
            return UsesVarious;
        case 10502:
            return UsesLineColour;
        case 10505:
            return UsesLineType;
        case 10506:
            return UsesLineSize;
        case 10601:
        case 10602:
            return UsesSymbol;
        case 10603:
            return UsesSymbolSize;
        case 10605:
            return UsesSymbolColour1;
        case 10607:
            return UsesSymbolColour2;
        default:
            return UsesNothing;
    }
}

}  // namespace ordinax::settings
