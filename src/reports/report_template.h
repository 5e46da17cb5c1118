// Report templates: the file names of both families in the program languages,
// and loading a template from the program's folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/message.h"

namespace ordinax::reports {

// The two report families.
enum ReportKind : int {
    ReportRegression = 0,
    ReportFourier = 1,
};

// Base names of the templates, one per program language, separated by "|".
inline constexpr std::string_view RegressionTemplateNames = "MSKF_REG|MSKG_REG|MSKD_REG|MSKI_REG|MSKS_REG";
inline constexpr std::string_view FourierTemplateNames = "MSKF_FOU|MSKG_FOU|MSKD_FOU|MSKI_FOU|MSKS_FOU";

// The template file name of a kind in a program language (0 French .. 4
// Spanish; other values read as French): base name, ".", "TXT".
std::string templateFileName(int kind, int language);

// The text of a template file as it is filled: carriage returns removed,
// trailing blanks and line feeds trimmed, exactly one line feed at the end.
std::string normalizeTemplate(std::string_view raw);

struct TemplateLoad {
    std::string text;      // empty when the template could not be read
    base::Message message;  // "Impossible d'ouvrir le fichier ... !" then
};

// Reads the template of `kind` in `language` from the program's folder; a file
// that cannot be opened or holds 9 bytes or less gives an empty text and the message.
TemplateLoad loadTemplate(const std::filesystem::path& programFolder, int kind, int language);

}  // namespace ordinax::reports
