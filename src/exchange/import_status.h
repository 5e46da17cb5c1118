// Status texts of the text import (UTF-8, for display).
#pragma once

#include <string>

namespace ordinax::exchange {

// "- préparation de l'extraction -"
std::string preparationStatus();
// "[ 0000012 enregistrements ]" for the record number `record`.
std::string recordStatus(long long record);
// "Extraction terminée [ 3 courbes - 120 points ]", or
// "- extraction terminée : aucun point trouvé -" when no point was read.
std::string endStatus(int curves, long long points);

}  // namespace ordinax::exchange
