// Guessing the separator and the number of values per record from the first
// data line of a file, and the preview lines of a data file.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/conversion_procedure.h"

namespace ordinax::exchange {

// Every line of a data file (line ends removed), from the DOS code page when charSet is 1.
std::vector<std::string> previewLines(std::string_view fileBytes, int charSet);

// The separator of a data line: "ESPACE", "TAB", one character, or "CR" when
// the line holds nothing but number characters.
std::string detectSeparator(std::string_view firstDataLine);

// Sets coordinateCount from the file's lines (all of them, header included)
// and brings xOrder and yOrder within it.
void detectCoordinateCount(ConversionProcedure& procedure, std::span<const std::string> lines);

// The number of values the import reads from one data line with the
// procedure's separator (0 for a line without any); with the "CR" separator
// a line is one value.
int valuesOnLine(const ConversionProcedure& procedure, std::string_view line);

}  // namespace ordinax::exchange
