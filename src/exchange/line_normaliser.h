// Normalisation of the data lines of a text import: separators to tabs, the
// decimal comma, the DOS code page, lower case and accents, month and day
// names to numbers, then only the characters of numbers, dates and tabs kept.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ordinax::exchange {

enum class SeparatorKind { Blank, Tab, Lines, Character };

struct Separator {
    SeparatorKind kind = SeparatorKind::Character;
    char character = ';';
};

// The separator of a normalised separator text ("ESPACE", "TAB", "CR" or a character).
Separator separatorOf(std::string_view normalisedSeparator);

class LineNormaliser {
public:
    LineNormaliser(Separator separator, bool dosCharSet);

    // Normalises one data line (without its line feed) into `out`. Leading and
    // trailing blanks are alignment, never empty values.
    void normalise(std::string_view line, std::string& out);

    // Lower case, accents, and month and day names of a line in which the
    // separators are already tabs (exposed for the tests).
    void replaceNames(std::string& text) const;

private:
    void normaliseSlowly(std::string_view line, std::string& out);

    Separator separator_;
    // Bytes after the separator, decimal comma, code page, lower case and
    // accent steps; 0 when the byte is removed.
    std::array<std::uint8_t, 256> lowered_{};
    // The byte that remains of a lowered byte once only the characters of
    // numbers and tabs are kept; 0 when it goes.
    std::array<std::uint8_t, 256> kept_{};
    // Lowered bytes that may belong to a month or day name.
    std::array<bool, 256> nameLetter_{};
    // Raw byte to result in one lookup: a kept byte (9 and above) or one of
    // the codes of the loop (removed, blank, carriage return, name letter).
    std::array<std::uint8_t, 256> direct_{};
    std::string scratch_;
};

}  // namespace ordinax::exchange
