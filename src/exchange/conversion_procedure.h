// Conversion procedures: how a text data file is read (header lines, separator,
// orientation, value positions, sampling, numeric base, character set), and
// their ".pca" files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"

namespace ordinax::exchange {

struct ConversionProcedure {
    int charSet = 0;          // 1: the file is in the DOS code page
    int orientation = 0;      // 0 one record per line, 1 one series per line
    int headerLineCount = 0;  // lines read as header before the data
    int titleLine = 0;        // 1-based header line numbers, 0 none
    int dateLine = 0;
    int xNameLine = 0;
    int yNameLine = 0;
    int recordCountLine = 0;
    int coordinateCount = 2;  // values per record
    int xOrder = 1;           // 1-based position of x; 0: x is the record number
    int yOrder = 2;           // 1-based position of y (curve mode); 0: y is the record number
    int sampling = 1;         // keep every n-th record
    int numericBase = 10;     // base of integer values, 2 to 16
    std::string separator = ";";  // one character, "ESPACE", "TAB" or "CR"

    bool operator==(const ConversionProcedure&) const = default;
};

inline constexpr std::string_view ProcedureMagic = "ORDINAX_6A";
inline constexpr std::string_view OlderProcedureMagic = "ORDINAX_PC";

// Normalises a separator text: a blank gives "ESPACE", a tab "TAB", a carriage
// return, a line feed or CR LF "CR", any other text is trimmed of blanks, and
// an empty separator gives "CR".
std::string normaliseSeparator(std::string_view separator);

// The content of a procedure file for `procedure` (current layout, separator normalised).
std::string procedureFileText(const ConversionProcedure& procedure);

// Reads the content of a procedure file, current or older layout; nullopt when
// the first line is not one of the two magics.
std::optional<ConversionProcedure> parseProcedure(std::string_view text);

// Loads a procedure file into `procedure`; false (procedure unchanged) when the
// file cannot be read or has another magic.
bool loadProcedure(const std::string& path, ConversionProcedure& procedure);
// The same with the message of a failure: "Impossible d'ouvrir le fichier %s !"
// and its reason (missing, a device, over the size of a procedure file), or
// the format message for another magic.
bool loadProcedure(const std::string& path, ConversionProcedure& procedure, base::Message& error);

// Saves `procedure` to `path` through the atomic write; false with
// "Impossible d'enregistrer le fichier %s !" and the reason in `error` when
// the file cannot be written (the previous file then stays whole).
bool saveProcedure(const std::string& path, const ConversionProcedure& procedure, base::Message& error);

}  // namespace ordinax::exchange
