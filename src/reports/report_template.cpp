// Report templates: file names and loading.
#include "reports/report_template.h"

#include <fstream>
#include <sstream>

#include "base/strings.h"
#include "base/input_file.h"
#include "base/strings_files.h"
#include "base/system_reason.h"

namespace ordinax::reports {

std::string templateFileName(int kind, int language) {
    const std::string_view list = kind == ReportFourier ? FourierTemplateNames : RegressionTemplateNames;
    if (language < 0 || language > 4) language = 0;
    std::size_t from = 0;
    for (int token = 0; token < language; ++token) from = list.find('|', from) + 1;
    const std::size_t end = list.find('|', from);
    return std::string(list.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from)) + ".TXT";
}

std::string normalizeTemplate(std::string_view raw) {
    std::string text;
    text.reserve(raw.size() + 1);
    for (char c : raw)
        if (c != '\r') text += c;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n')) text.pop_back();
    text += '\n';
    return text;
}

TemplateLoad loadTemplate(const std::filesystem::path& programFolder, int kind, int language) {
    const std::filesystem::path path = programFolder / templateFileName(kind, language);
    TemplateLoad load;
    base::InputError error;
    const std::optional<std::string> raw = base::readTextInput(path.string(), base::SmallTextLimits, error);
    if (!raw || raw->size() <= 9) {
        // A file too short to be a template has no system reason to add.
        load.message = base::withReason(base::makeMessage(base::MsgFileOpenFailed, base::Heading::Error, path.string()),
                                        raw ? std::string() : error.reason());
        return load;
    }
    load.text = normalizeTemplate(*raw);
    return load;
}

}  // namespace ordinax::reports
