// Curve export: the title, date, variable names and points of one curve as a
// text file in one of four formats.
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::exchange {

enum class ExportFormat {
    Csv = 0,    // ";" separator
    Blank = 1,  // blank separator
    Tab = 2,    // tab separator
    Dos = 3,    // tab separator, DOS code page, CR LF line ends
};

struct ExportOptions {
    bool title = false;
    bool date = false;
    bool names = false;
    bool coordinates = true;
    ExportFormat format = ExportFormat::Csv;
};

// The default extension of a format, without its dot ("csv" or "txt").
std::string_view exportExtension(ExportFormat format);

// The bytes of the export file of `curve`. Lines end with CR LF in the DOS
// format and with LF in the others.
std::string exportText(const document::Curve& curve, const ExportOptions& options);

// Writes the export file through the atomic write; false with "Impossible
// d'enregistrer le fichier %s !" and the reason in `error` when it cannot be
// written (the previous file then stays whole).
bool exportCurve(const std::string& path, const document::Curve& curve, const ExportOptions& options,
                 base::Message& error);

}  // namespace ordinax::exchange
