// The codes of the label markup: writers and readers of the size, colour and
// font codes, family words, date texts, colour inversion and the token reader.
#include "richtext/markup_codes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace ordinax::richtext {

namespace {

// A code's argument is never longer than this (a ¶F code with a 31-byte face
// stays well below); the limit keeps a text full of stray "[" linear to read.
constexpr std::size_t MaxArgumentLength = 96;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A whole decimal integer, spaces around it allowed.
bool readInt(std::string_view s, int& value) {
    s = trimmed(s);
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

bool readIntIn(std::string_view s, int low, int high, int& value) {
    return readInt(s, value) && value >= low && value <= high;
}

bool readColour(std::string_view s, Colour& colour) {
    std::array<int, 3> c{};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::size_t comma = k < 2 ? s.find(',') : s.size();
        if (comma == std::string_view::npos || !readInt(s.substr(0, comma), c[k])) return false;
        s.remove_prefix(std::min(s.size(), comma + 1));
    }
    colour = rgbColour(std::clamp(c[0], 0, 255), std::clamp(c[1], 0, 255), std::clamp(c[2], 0, 255));
    return true;
}

bool readFont(std::string_view s, MarkupToken& token) {
    std::array<std::string_view, 3> field;
    for (std::string_view& f : field) {
        const std::size_t semicolon = s.find(';');
        if (semicolon == std::string_view::npos) return false;
        f = s.substr(0, semicolon);
        s.remove_prefix(semicolon + 1);
    }
    int charSet = 0;
    int pitch = 0;
    if (!readIntIn(field[1], 0, 255, charSet) || !readIntIn(field[2], 0, 15, pitch)) return false;
    token.charSet = static_cast<std::uint8_t>(charSet);
    token.pitchAndFamily = static_cast<std::uint8_t>(familyBitsOfWord(trimmed(field[0])) | pitch);
    // The face is the rest; font records hold 31 bytes of it.
    token.face = s.substr(0, std::min<std::size_t>(s.size(), sizeof(base::LogFont::faceName) - 1));
    return true;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The single code a whole text must be, for the parse functions.
std::optional<MarkupToken> singleCode(std::string_view text, char letter) {
    MarkupReader reader(text, 0);
    const MarkupToken token = reader.next();
    if (token.kind != MarkupTokenKind::Code || token.letter != letter || !token.bracketed ||
        token.raw.size() != text.size())
        return std::nullopt;
    return token;
}

std::string escapeAnd(char letter) { return std::string{MarkupEscape, letter}; }

}  // namespace

bool isCodeLetter(char letter) { return letter != 0 && MarkupCodeLetters.find(letter) != std::string_view::npos; }

std::optional<Colour> namedColour(char letter) {
    for (const NamedColour& n : NamedColours)
        if (n.letter == letter) return n.colour;
    return std::nullopt;
}

std::string sizeCode(double points) {
    const double halfPoints = std::min(std::round(2.0 * std::fabs(points)), 1e9);
    return escapeAnd('S') + "[" + std::to_string(std::isfinite(halfPoints) ? static_cast<long>(halfPoints) : 0L) + "]";
}

std::optional<double> parseSizeCode(std::string_view text) {
    const auto token = singleCode(text, 'S');
    if (!token) return std::nullopt;
    return -token->number / 2.0;
}

std::string colourCode(Colour colour) {
    return escapeAnd('Z') + "[" + std::to_string(colour & 0xFF) + "," + std::to_string((colour >> 8) & 0xFF) + "," +
           std::to_string((colour >> 16) & 0xFF) + "]";
}

std::optional<Colour> parseColourCode(std::string_view text) {
    const auto token = singleCode(text, 'Z');
    if (!token) return std::nullopt;
    return token->colour;
}

std::string_view familyWordOfFace(std::string_view face) {
    struct Family {
        std::string_view word;
        std::initializer_list<std::string_view> faces;
    };
    static const Family families[] = {
        {"froman", {"Times Roman", "Times New Roman", "Palatino", "Century Schoolbook"}},
        {"fswiss", {"Arial", "Arial Narrow", "Arial Rounded MT Bold", "Helvetica", "Swiss"}},
        {"fmodern", {"Courier", "Courier New", "Pica", "Elite"}},
        {"fscript", {"Cursive"}},
        {"fdecor", {"Old English", "ITC Zapf Chancery"}},
        {"ftech", {"Symbol", "Symbol New"}},
        {"fbidi", {"Miriam"}},
    };
    for (const Family& f : families)
        for (std::string_view name : f.faces)
            if (equalNoCase(face, name)) return f.word;
    return "fnil";
}

std::string_view familyWordOfPitchAndFamily(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 16: return "froman";
        case 32: return "fswiss";
        case 48: return "fmodern";
        case 64: return "fscript";
        case 80: return "fdecor";
        default: return "fnil";
    }
}

std::uint8_t familyBitsOfWord(std::string_view word) {
    if (word == "froman") return 16;
    if (word == "fswiss") return 32;
    if (word == "fmodern") return 48;
    if (word == "fscript") return 64;
    if (word == "fdecor") return 80;
    return 0;
}

int pitchOfFont(const base::LogFont& font) {
    return (font.pitchAndFamily & 3) == 2 ? 2 : (font.pitchAndFamily & 1);
}

std::string fontCode(const base::LogFont& font) {
    const std::string_view face(font.faceName, strnlen(font.faceName, sizeof font.faceName));
    std::string code = escapeAnd('F') + "[";
    code += familyWordOfFace(face);
    code += ";" + std::to_string(font.charSet) + ";" + std::to_string(pitchOfFont(font)) + ";";
    code += face;
    code += "]";
    return code;
}

std::optional<base::LogFont> parseFontCode(std::string_view text) {
    const auto token = singleCode(text, 'F');
    if (!token) return std::nullopt;
    base::LogFont font;
    font.charSet = token->charSet;
    font.pitchAndFamily = token->pitchAndFamily;
    std::memcpy(font.faceName, token->face.data(), token->face.size());
    return font;
}

std::string dateTimeText(int kind, const std::tm& time, base::Language language) {
    static constexpr const char* formats[] = {"%x", "%H:%M", "%x (%H:%M)"};
    if (kind < 0 || kind > 2) return {};
    return base::formatDateTime(formats[kind], time, language);
}

std::string dateTimeText(int kind, base::Language language) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dateTimeText(kind, local, language);
}

std::string invertColours(std::string_view text) {
    MarkupReader reader(text, 0);
    std::string out;
    out.reserve(text.size() + 16);
    bool first = true;
    std::size_t copied = 0;
    for (MarkupToken t = reader.next(); t.kind != MarkupTokenKind::End; t = reader.next()) {
        const bool colourCode = t.kind == MarkupTokenKind::Code && t.letter == 'Z';
        // A leading ¶Z overrides the base colour at once: no black is put
        // before it, so inverting twice gives the text back.
        if (first && !(colourCode && t.raw.data() == text.data())) out += escapeAnd('Z') + "[255,255,255]";
        first = false;
        if (!colourCode) continue;
        const auto at = static_cast<std::size_t>(t.raw.data() - text.data());
        out.append(text.substr(copied, at - copied));
        out += richtext::colourCode(~t.colour & 0x00FFFFFFu);
        copied = at + t.raw.size();
    }
    if (first && !text.empty()) out += escapeAnd('Z') + "[255,255,255]";
    out.append(text.substr(copied));
    return out;
}

std::size_t MarkupReader::readCode(MarkupToken& token) const {
    const std::size_t at = pos_;
    if (text_[at] != MarkupEscape || at + 1 >= text_.size() || !isCodeLetter(text_[at + 1])) return 0;
    const char letter = text_[at + 1];
    token.kind = MarkupTokenKind::Code;
    token.letter = letter;
    token.bracketed = false;
    if (const auto named = namedColour(letter)) token.colour = *named;

    const bool needsArgument = letter == 'Z' || letter == 'F' || letter == 'S';
    const bool mayHaveArgument = letter == 'e' || letter == 's';
    if (!needsArgument && !mayHaveArgument) return 2;

    // The argument runs to the first "]" on the same line.
    std::string_view argument;
    bool closed = false;
    if (at + 2 < text_.size() && text_[at + 2] == '[') {
        const std::size_t limit = std::min(text_.size(), at + 3 + MaxArgumentLength);
        for (std::size_t i = at + 3; i < limit && text_[i] != '\n'; ++i) {
            if (text_[i] == ']') {
                argument = text_.substr(at + 3, i - at - 3);
                closed = true;
                break;
            }
        }
    }
    bool read = false;
    if (closed) {
        switch (letter) {
            case 'Z': read = readColour(argument, token.colour); break;
            case 'S': read = readIntIn(argument, 1, MaxHalfPoints, token.number); break;
            case 'F': read = readFont(argument, token); break;
            default: read = readIntIn(argument, -MaxHalfPoints, MaxHalfPoints, token.number); break;
        }
    }
    if (read) {
        token.bracketed = true;
        return argument.size() + 4;
    }
    // ¶e and ¶s without a readable number are the toggles, and what follows
    // ("[x]" as an exponent) is text; ¶Z, ¶F and ¶S need their argument.
    return mayHaveArgument ? 2 : 0;
}

MarkupToken MarkupReader::next() {
    MarkupToken token;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '\r') {
            ++pos_;
            continue;
        }
        if (c == '\t' || c == '\n') {
            token.raw = text_.substr(pos_, 1);
            ++pos_;
            if (c == '\t') {
                token.kind = MarkupTokenKind::Tab;
                return token;
            }
            if (maxLines_ > 0 && ++lines_ > maxLines_) {
                pos_ = text_.size();
                return MarkupToken{};
            }
            token.kind = MarkupTokenKind::LineFeed;
            return token;
        }
        if (const std::size_t length = readCode(token); length > 0) {
            token.raw = text_.substr(pos_, length);
            pos_ += length;
            return token;
        }
        // Ordinary text up to the next tab, line end or code.
        const std::size_t start = pos_;
        ++pos_;
        MarkupToken probe;
        while (pos_ < text_.size()) {
            const char d = text_[pos_];
            if (d == '\t' || d == '\n' || d == '\r') break;
            if (d == MarkupEscape && readCode(probe) > 0) break;
            ++pos_;
        }
        token = MarkupToken{};
        token.kind = MarkupTokenKind::Text;
        token.raw = text_.substr(start, pos_ - start);
        return token;
    }
    return MarkupToken{};
}

}  // namespace ordinax::richtext
