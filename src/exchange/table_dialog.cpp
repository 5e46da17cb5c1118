// The rules of the clipboard-table dialog.
#include "exchange/table_dialog.h"

namespace ordinax::exchange {

TableDialogLabels tableDialogLabels(bool horizontal) {
    if (horizontal)
        return {"La première colonne sert de titre pour les courbes",
                "La première colonne sert de nom pour les variables",
                "La première colonne sert de libellé pour les courbes", "N° de la ligne pour les abscisses"};
    return {"La première ligne sert de titre pour les courbes", "La première ligne sert de nom pour les variables",
            "La première ligne sert de libellé pour les courbes", "N° de la colonne pour les abscisses"};
}

int tableSeriesCount(const ClipboardTable& table, bool horizontal) {
    return horizontal ? table.rowCount : table.columnCount;
}

}  // namespace ordinax::exchange
