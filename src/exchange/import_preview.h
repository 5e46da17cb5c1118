// What the text-import dialog shows and guesses before any extraction: the
// head of the data file (never the whole file, so a huge file previews at
// once), the "?" guesses of the separator and of the number of values read
// from the file, and the small rules of the dialog's fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "exchange/conversion_procedure.h"
#include "exchange/text_import.h"

namespace ordinax::exchange {

// The preview stops at whichever comes first.
inline constexpr std::size_t PreviewByteLimit = std::size_t{256} << 10;
inline constexpr std::size_t PreviewLineLimit = 2000;
// A series read across in a row counts at most this many lines.
inline constexpr int MaxSeriesLines = 999;

struct FilePreview {
    bool found = false;              // the file could be opened and read
    std::vector<std::string> lines;  // Windows-1252, line ends removed, from DOS when charSet is 1
    bool truncated = false;          // the file goes on past the lines shown
    std::size_t fileSize = 0;        // bytes, when the file has a size
};

// Reads the head of a data file: at most `maxBytes` bytes and `maxLines`
// lines. A line cut by the byte limit is shown as far as it was read.
FilePreview readFilePreview(const std::string& path, int charSet, std::size_t maxBytes = PreviewByteLimit,
                            std::size_t maxLines = PreviewLineLimit);

// The line the list shows for a file that cannot be opened (UTF-8):
// "Le fichier \"path\" est introuvable !".
std::string missingFileLine(const std::string& path);

// "?" of the separator: the separator guessed from the first data line of the
// file (the line after the header lines); false when the file cannot be read.
bool detectSeparatorInFile(const std::string& path, ConversionProcedure& procedure);

// "?" of the number of values: the first data line in orientation 0; in
// orientation 1 the non-empty lines after the header (at most 999). Only the
// lines needed are read. False when the file cannot be read.
bool detectCoordinateCountInFile(const std::string& path, ConversionProcedure& procedure);

// The label of the coordinate-count field, which follows the orientation.
std::string_view coordinateCountLabel(int orientation);

// The caption of the dialog for a mode.
std::string_view importCaption(ImportMode mode);

// Where the procedure file dialogs start: the folder of the current procedure
// file when it exists, otherwise the default folder for procedures.
std::string procedureStartFolder(const std::string& procedurePath, const std::string& defaultFolder);

// Brings a procedure's numbers within what the dialog offers (a procedure
// file may hold anything): counts and line numbers not negative, at least one
// value per record, sampling at least 1, base 2 to 16. True when it changed.
bool clampProcedure(ConversionProcedure& procedure);

// After "&TRACER": a whole-diagram import keeps only the curves it filled;
// then the extents of the curves, the data ranges and the automatic scale of
// the main sides are recomputed, and a diagram never shown is shown normally.
void showImportedCurves(document::Diagram& diagram, ImportMode mode);

}  // namespace ordinax::exchange
