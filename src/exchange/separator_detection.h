// Guessing the separator and the number of values per record from the first
// data line of a file, and the preview lines of a data file.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "exchange/conversion_procedure.h"

namespace ordinax::exchange {

// Every line of a data file (line ends removed), from the DOS code page when charSet is 1.
std::vector<std::string> previewLines(std::string_view fileBytes, int charSet);

// Data lines read for the detection: the first MaxPreviewDataLines non-empty
// lines at most.
inline constexpr std::size_t MaxPreviewDataLines = 999;

// The lines of the data file `path` that follow its procedure's header lines,
// as previewLines gives them, up to MaxPreviewDataLines non-empty ones: what
// the detection needs, read without keeping the header or the rest of the
// file and within the import's line length. nullopt with the message in
// `error` when the file cannot be opened or read or a line is too long.
std::optional<std::vector<std::string>> readDataLines(const std::string& path, const ConversionProcedure& procedure,
                                                      base::Message& error);

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
