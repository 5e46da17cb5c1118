// Text helpers on Windows-1252 bytes: plural groups, character filters, the
// display form of paths and the case of accented letters.
#include "base/text.h"

#include <cstddef>

namespace ordinax::base {

namespace {

unsigned char byteOf(char c) { return static_cast<unsigned char>(c); }

bool isPathSeparator(char c) { return c == '\\' || c == '/' || c == '.' || c == ' ' || c == '_'; }

// True when text[at..] starts with `word` and the word ends there (at a
// separator or at the end of the text).
bool wordAt(const std::string& text, std::size_t at, std::string_view word) {
    if (text.compare(at, word.size(), word) != 0) return false;
    const std::size_t end = at + word.size();
    return end == text.size() || isPathSeparator(text[end]);
}

}  // namespace

char upperCase1252(char c) {
    const unsigned char b = byteOf(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    // à..þ except ÷ (0xF7); ß (0xDF) and µ (0xB5) have no capital in the code page.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);  // š Š
        case 0x9C: return static_cast<char>(0x8C);  // œ Œ
        case 0x9E: return static_cast<char>(0x8E);  // ž Ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ Ÿ
        default: return c;
    }
}

char lowerCase1252(char c) {
    const unsigned char b = byteOf(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
    // À..Þ except × (0xD7).
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

std::string expandPlural(long long count, std::string_view text) {
    const bool plural = count > 1;
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find('{', i);
        if (open == std::string_view::npos) break;
        // A group ends at its first '}' and must hold a '|' before it.
        const std::size_t close = text.find('}', open + 1);
        if (close == std::string_view::npos) break;
        const std::size_t bar = text.find('|', open + 1);
        if (bar == std::string_view::npos || bar > close) break;
        out.append(text.substr(i, open - i));
        out.append(plural ? text.substr(bar + 1, close - bar - 1) : text.substr(open + 1, bar - open - 1));
        i = close + 1;
    }
    out.append(text.substr(i));
    return out;
}

std::string keepOnly(std::string_view text, std::string_view allowed) {
    // Only blanks are trimmed: a leading or trailing tab is an empty column of
    // the tables this filter prepares, not padding.
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r') continue;
        const char upper = upperCase1252(c);
        if (allowed.find(upper) != std::string_view::npos) out += upper;
    }
    return out;
}

std::string pathDisplayForm(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) out += lowerCase1252(c);

    // The first letter of every word, the drive letter included.
    for (std::size_t i = 0; i < out.size(); ++i)
        if (i == 0 || isPathSeparator(out[i - 1])) out[i] = upperCase1252(out[i]);

    // A short extension at the end of the path stays in lower case.
    const std::size_t dot = out.rfind('.');
    if (dot != std::string::npos) {
        const std::size_t length = out.size() - dot - 1;
        bool extension = length >= 1 && length <= 3;
        for (std::size_t i = dot + 1; extension && i < out.size(); ++i)
            if (isPathSeparator(out[i])) extension = false;
        if (extension)
            for (std::size_t i = dot + 1; i < out.size(); ++i) out[i] = lowerCase1252(out[i]);
    }

    // French elisions after a blank: "Rapport D'essai" is "Rapport d'essai".
    for (std::size_t i = 0; i + 2 < out.size(); ++i) {
        if (out[i] != ' ' || out[i + 2] != '\'') continue;
        const char c = out[i + 1];
        if (c == 'D' || c == 'L' || c == 'C' || c == 'T' || c == 'N') out[i + 1] = lowerCase1252(c);
    }

    for (std::size_t i = 0; i + 5 <= out.size(); ++i)
        if ((i == 0 || isPathSeparator(out[i - 1])) && wordAt(out, i, "Winnt")) out.replace(i, 5, "WinNT");
    return out;
}

}  // namespace ordinax::base
