// Line normalisation of the text import, one table lookup per byte; only the
// lines holding letters take the slower path that replaces month and day names.
#include "exchange/line_normaliser.h"

#include "base/encoding.h"
#include "base/text.h"

namespace ordinax::exchange {

namespace {

struct Name {
    std::string_view word;
    std::string_view number;
};

// Months first, then days, each replaced everywhere, in this order.
constexpr Name Names[] = {
    {"janvier", "1"}, {"fevrier", "2"},  {"mars", "3"},      {"avril", "4"},    {"mai", "5"},
    {"juin", "6"},    {"juillet", "7"},  {"aout", "8"},      {"septembre", "9"}, {"octobre", "10"},
    {"novembre", "11"}, {"decembre", "12"}, {"lundi", "1"},   {"mardi", "2"},    {"mercredi", "3"},
    {"jeudi", "4"},   {"vendredi", "5"}, {"samedi", "6"},    {"dimanche", "7"},
};

// Codes of the direct table; kept bytes are tabs and printable characters, all above them.
constexpr std::uint8_t Removed = 0;
constexpr std::uint8_t BlankByte = 1;
constexpr std::uint8_t CarriageReturn = 2;
constexpr std::uint8_t NameLetter = 3;

// What stays of a record: the characters of numbers and dates. "/" stays so
// that dates survive until their values are read.
constexpr std::string_view RecordCharacters = "-+0123456789.E/";

unsigned char byteOf(char c) { return static_cast<unsigned char>(c); }

std::array<std::uint8_t, 256> dosTable() {
    std::array<std::uint8_t, 256> table{};
    std::string all(256, '\0');
    for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<char>(i);
    const std::string converted = base::cp850ToWindows1252(all);
    // One byte in, one byte out; should the converter ever disagree, the byte stays.
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] =
            converted.size() == 256 ? byteOf(converted[static_cast<std::size_t>(i)]) : static_cast<std::uint8_t>(i);
    return table;
}

}  // namespace

Separator separatorOf(std::string_view normalisedSeparator) {
    if (normalisedSeparator == "ESPACE") return {SeparatorKind::Blank, ' '};
    if (normalisedSeparator == "TAB") return {SeparatorKind::Tab, '\t'};
    if (normalisedSeparator == "CR" || normalisedSeparator.empty()) return {SeparatorKind::Lines, '\n'};
    return {SeparatorKind::Character, normalisedSeparator.front()};
}

LineNormaliser::LineNormaliser(Separator separator, bool dosCharSet) : separator_(separator) {
    const std::array<std::uint8_t, 256> dos = dosCharSet ? dosTable() : std::array<std::uint8_t, 256>{};
    for (int i = 0; i < 256; ++i) {
        const char raw = static_cast<char>(i);
        char c = raw;
        if (raw == '\t') {
            if (separator.kind != SeparatorKind::Tab) continue;  // removed
        } else if (separator.kind == SeparatorKind::Character && raw == separator.character) {
            c = '\t';
        } else if (raw == ',') {
            c = '.';
        } else if (raw == '\r' || raw == ' ' || raw == '\0') {
            continue;  // blanks are handled by the loop; NUL is never data
        }
        if (dosCharSet && c != '\t') c = static_cast<char>(dos[byteOf(c)]);
        c = base::lowerCase1252(c);
        if (c == '\xE9') c = 'e';       // é
        else if (c == '\xF4') c = 'o';  // ô
        else if (c == '\xFB') c = 'u';  // û
        if (c == '\0') continue;
        lowered_[static_cast<std::size_t>(i)] = byteOf(c);
    }
    for (int i = 1; i < 256; ++i) {
        const char c = static_cast<char>(i);
        if (c == '\t') {
            kept_[static_cast<std::size_t>(i)] = separator.kind == SeparatorKind::Lines ? 0 : '\t';
            continue;
        }
        const char upper = base::upperCase1252(c);
        if (RecordCharacters.find(upper) != std::string_view::npos) kept_[static_cast<std::size_t>(i)] = byteOf(upper);
    }
    // Every name holds a letter other than 'e', so a line whose only letters
    // are exponent 'e's holds no name.
    for (const Name& n : Names)
        for (char c : n.word)
            if (c != 'e') nameLetter_[byteOf(c)] = true;
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t low = lowered_[static_cast<std::size_t>(i)];
        std::uint8_t& code = direct_[static_cast<std::size_t>(i)];
        if (i == ' ') code = BlankByte;
        else if (i == '\r') code = CarriageReturn;
        else if (nameLetter_[low]) code = NameLetter;
        else code = kept_[low];
    }
}

void LineNormaliser::replaceNames(std::string& text) const {
    for (const Name& n : Names) {
        std::size_t at = text.find(n.word);
        while (at != std::string::npos) {
            text.replace(at, n.word.size(), n.number);
            at = text.find(n.word, at + n.number.size());
        }
    }
}

void LineNormaliser::normalise(std::string_view line, std::string& out) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\r')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
    out.resize(line.size());
    char* o = out.data();
    const bool blankSeparates = separator_.kind == SeparatorKind::Blank;
    bool inBlanks = false;
    for (char raw : line) {
        const std::uint8_t code = direct_[byteOf(raw)];
        if (code > NameLetter) {
            *o++ = static_cast<char>(code);
            inBlanks = false;
            continue;
        }
        switch (code) {
            case BlankByte:
                // A run of blanks is one blank, which is a separator or nothing.
                if (blankSeparates && !inBlanks) *o++ = '\t';
                inBlanks = true;
                break;
            case CarriageReturn:
                break;  // removed before runs of blanks are reduced
            case NameLetter:
                normaliseSlowly(line, out);
                return;
            case Removed:
            default:
                inBlanks = false;
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

void LineNormaliser::normaliseSlowly(std::string_view line, std::string& out) {
    std::string& text = scratch_;
    text.clear();
    const bool blankSeparates = separator_.kind == SeparatorKind::Blank;
    bool inBlanks = false;
    for (char raw : line) {
        if (raw == ' ') {
            if (blankSeparates && !inBlanks) text += '\t';
            inBlanks = true;
            continue;
        }
        if (raw == '\r') continue;
        inBlanks = false;
        const std::uint8_t low = lowered_[byteOf(raw)];
        if (low) text += static_cast<char>(low);
    }
    replaceNames(text);
    out.clear();
    for (char c : text)
        if (const std::uint8_t kept = kept_[byteOf(c)]) out += static_cast<char>(kept);
}

}  // namespace ordinax::exchange
