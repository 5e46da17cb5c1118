// Page codes of header and footer texts: expansion, {..} blocks, band split.
#include "render/page_codes.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "base/format.h"
#include "base/text.h"

namespace ordinax::render {

namespace {

// A piece of the text under expansion: literal pieces may still hold codes,
// values written by a code are frozen so that a file name holding "&P" or "{"
// is printed as it stands.
struct Piece {
    std::string text;
    bool frozen = false;
};

// The folder of the document with a trailing separator, "?" without a document.
std::string folderText(const std::string& path) {
    if (path.empty()) return "?";
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return base::pathDisplayForm(folder);
}

std::string fileNameText(const std::string& path) {
    if (path.empty()) return {};
    return std::filesystem::path(path).filename().string();
}

// Replaces every occurrence of `code` in the literal pieces; returns true when one was found.
bool replaceCode(std::vector<Piece>& pieces, std::string_view code, const std::string& value) {
    bool replaced = false;
    std::vector<Piece> out;
    out.reserve(pieces.size());
    for (Piece& piece : pieces) {
        if (piece.frozen || piece.text.find(code) == std::string::npos) {
            out.push_back(std::move(piece));
            continue;
        }
        std::size_t from = 0;
        for (std::size_t at = piece.text.find(code); at != std::string::npos; at = piece.text.find(code, from)) {
            if (at > from) out.push_back({piece.text.substr(from, at - from), false});
            out.push_back({value, true});
            from = at + code.size();
            replaced = true;
        }
        if (from < piece.text.size()) out.push_back({piece.text.substr(from), false});
    }
    pieces = std::move(out);
    return replaced;
}

// Joins adjacent literal pieces and drops empty ones, so that a code whose two
// characters met around an empty value ("&&NN" without a file) is seen by the next pass.
void mergeLiterals(std::vector<Piece>& pieces) {
    std::vector<Piece> out;
    for (Piece& piece : pieces) {
        if (piece.text.empty()) continue;
        if (!out.empty() && !out.back().frozen && !piece.frozen)
            out.back().text += piece.text;
        else
            out.push_back(std::move(piece));
    }
    pieces = std::move(out);
}

}  // namespace

std::string versionText(const ProgramVersion& version) {
    if (!version.present) return "6.0";
    std::string text = std::to_string(version.major) + "." + std::to_string(version.minor);
    if (version.release == 0)
        text += '\xDF';
    else if (version.release >= 2 && version.release <= 26)
        text += static_cast<char>('a' + version.release - 1);
    // Beyond 'z' the letter would leave the alphabet: no letter is written.
    return text;
}

std::string expandPageCodes(std::string_view text, int pageKind, const PageCodeContext& context) {
    if (text.empty()) return {};
    const std::array<std::pair<std::string_view, std::string>, 8> codes = {{
        {"&S", "VANTORIS-ORDINAX"},
        {"&V", versionText(context.version)},
        {"&D", base::formatDateTime("%x", context.now, context.language)},
        {"&T", base::formatDateTime("%H:%M", context.now, context.language)},
        {"&P", std::to_string(std::max(1, context.page))},
        {"&Q", std::to_string(std::max(1, context.pageCount))},
        {"&F", folderText(context.documentPath)},
        {"&N", fileNameText(context.documentPath)},
    }};
    std::vector<Piece> pieces{{std::string(text), false}};
    // Each pass can only shorten the literal text, so the loop ends.
    for (bool replaced = true; replaced;) {
        replaced = false;
        for (const auto& [code, value] : codes) replaced |= replaceCode(pieces, code, value);
        mergeLiterals(pieces);
    }

    // Braces count only where the template put them, never inside a value.
    std::string out;
    bool inBlock = false;
    for (const Piece& piece : pieces) {
        if (piece.frozen) {
            if (!inBlock || pageKind != PageDiagram) out += piece.text;
            continue;
        }
        for (char c : piece.text) {
            if (!inBlock && c == '{') {
                inBlock = true;
                continue;
            }
            if (inBlock && c == '}') {
                inBlock = false;
                continue;
            }
            if (!inBlock || pageKind != PageDiagram) out += c;
        }
    }
    return out;
}

BandParts splitBandText(std::string_view text) {
    BandParts parts;
    std::string_view rest = text;
    if (const std::size_t r = rest.find("&r"); r != std::string_view::npos) {
        parts.right = std::string(rest.substr(r + 2));
        rest = rest.substr(0, r);
    }
    if (const std::size_t c = rest.find("&c"); c != std::string_view::npos) {
        parts.centre = std::string(rest.substr(c + 2));
        rest = rest.substr(0, c);
    }
    parts.left = std::string(rest);
    return parts;
}

}  // namespace ordinax::render
