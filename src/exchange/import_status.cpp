// Status texts of the text import, with their plural forms.
#include "exchange/import_status.h"

#include "base/format.h"
#include "base/text.h"

namespace ordinax::exchange {

std::string preparationStatus() { return "- préparation de l'extraction -"; }

std::string recordStatus(long long record) {
    return base::expandPlural(record, base::formatPrintf("[ %07lld enregistrement{|s} ]", record));
}

std::string endStatus(int curves, long long points) {
    if (curves <= 0 || points <= 0) return "- extraction terminée : aucun point trouvé -";
    // Each part has its own count, so each is expanded on its own.
    return "Extraction terminée " + base::expandPlural(curves, base::formatPrintf("[ %d courbe{|s} ", curves)) +
           base::expandPlural(points, base::formatPrintf("- %lld point{|s} ]", points));
}

}  // namespace ordinax::exchange
