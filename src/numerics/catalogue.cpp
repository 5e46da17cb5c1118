// Reading the regression catalogue file and removing markup from its texts.
#include "numerics/catalogue.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "base/format.h"
#include "base/input_file.h"
#include "base/strings.h"

namespace ordinax::numerics {

namespace {

constexpr char MarkupEscape = '\xB6';
constexpr std::string_view MarkupLetters = "0DWRGBCYMZFSbiuosegt";

// Splits into lines at LF, dropping a CR before it.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::string next() {
        if (at_ >= text_.size()) return {};
        auto end = text_.find('\n', at_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(at_, end - at_);
        at_ = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return std::string(line);
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

int integerIn(const std::string& line, int low, int high) {
    const auto value = base::parseInteger(line);
    if (!value) return 0;
    return *value < low ? low : (*value > high ? high : *value);
}

}  // namespace

const FitModel& Catalogue::operator[](int kind) const {
    return model[static_cast<std::size_t>(kind >= 0 && kind < KindCount ? kind : 0)];
}

Catalogue parseCatalogue(std::string_view text) {
    Catalogue catalogue;
    LineReader lines(text);
    for (FitModel& record : catalogue.model) {
        record.code = lines.next();
        record.coefficientCount = integerIn(lines.next(), 0, MaxCoefficients);
        record.fixedCount = integerIn(lines.next(), 0, 3);
        record.flag = integerIn(lines.next(), -1000000, 1000000);
        record.name = lines.next();
        record.equation = lines.next();
    }
    return catalogue;
}

CatalogueLoad loadCatalogue(const std::string& path) {
    base::InputError error;
    const std::optional<std::string> content = base::readTextInput(path, base::SmallTextLimits, error);
    if (!content) return {std::nullopt, base::inputFailureMessage(path, error)};
    return {parseCatalogue(*content), {}};
}

std::string stripMarkup(std::string_view markup) {
    std::string plain;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c != MarkupEscape || i + 1 >= markup.size() || MarkupLetters.find(markup[i + 1]) == std::string_view::npos) {
            plain.push_back(c);
            continue;
        }
        const char code = markup[i + 1];
        std::size_t skip = 1;
        // Codes with an argument in brackets drop it too; an unclosed bracket
        // makes the code ordinary text.
        const bool needsBracket = code == 'Z' || code == 'F' || code == 'S';
        const bool mayBracket = code == 'e' || code == 's';
        if ((needsBracket || mayBracket) && i + 2 < markup.size() && markup[i + 2] == '[') {
            const auto close = markup.find(']', i + 3);
            if (close == std::string_view::npos) {
                plain.push_back(c);
                continue;
            }
            skip = close - i;
        } else if (needsBracket) {
            plain.push_back(c);
            continue;
        }
        i += skip;
    }
    return plain;
}

}  // namespace ordinax::numerics
