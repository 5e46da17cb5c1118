// Markup to RTF: the frame file, the tables and the body writer.
#include "richtext/rtf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "richtext/markup_codes.h"
#include "base/input_file.h"

namespace ordinax::richtext {

const std::string_view BuiltInRtfTemplate =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}}\r\n"
    "{\\colortbl\\red0\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\plain @@@TEXT@@@}\r\n";

namespace {

// Offset of the brace that closes the group opened at `open`, or npos.
std::size_t groupEnd(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;  // an escaped brace or backslash does not count
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Replaces the group that starts with `head` ("{\fonttbl") by `group`.
bool replaceGroup(std::string& text, std::string_view head, std::string_view group) {
    const std::size_t open = text.find(head);
    if (open == std::string::npos) return false;
    const std::size_t close = groupEnd(text, open);
    if (close == std::string::npos) return false;
    text.replace(open, close - open + 1, group);
    return true;
}

void appendHex(std::string& out, unsigned char c) {
    static constexpr char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[c >> 4];
    out += digits[c & 15];
}

// Text bytes as RTF: braces and backslash escaped, 8-bit and control bytes
// as "\'xx" so that the document stays 7-bit.
void appendText(std::string& out, std::string_view text, bool escapeSemicolon = false) {
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '{' || ch == '}') {
            out += '\\';
            out += ch;
        } else if (c >= 0x80 || c < 0x20 || (escapeSemicolon && ch == ';')) {
            appendHex(out, c);
        } else {
            out += ch;
        }
    }
}

bool isFamilyWord(std::string_view word) {
    static constexpr std::string_view words[] = {"froman", "fswiss", "fmodern", "fscript",
                                                 "fdecor", "ftech",  "fbidi",   "fnil"};
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

std::string fontEntry(std::size_t k, std::string_view family, int charSet, int pitch, std::string_view face) {
    std::string entry = "{\\f" + std::to_string(k) + "\\" + std::string(family) + "\\fcharset" +
                        std::to_string(charSet) + "\\fprq" + std::to_string(pitch) + " ";
    appendText(entry, face, true);  // a ";" would end the entry early
    entry += ";}";
    return entry;
}

// The family word as written in a ¶F code (between "[" and the first ";").
std::string_view familyWordOfCode(std::string_view raw) {
    const std::size_t open = raw.find('[');
    const std::size_t semicolon = raw.find(';');
    if (open == std::string_view::npos || semicolon == std::string_view::npos || semicolon < open) return "fnil";
    std::string_view word = raw.substr(open + 1, semicolon - open - 1);
    while (!word.empty() && word.front() == ' ') word.remove_prefix(1);
    while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
    return isFamilyWord(word) ? word : std::string_view("fnil");
}

// The character formatting in force, as the markup says or as the RTF
// written so far gives it.
struct Formatting {
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strike = false;
    char shiftLetter = 0;  // 'e' for \up, 's' for \dn, 0 before any shift
    int shift = 0;
    int colour = -1;  // colour table entry, -1 before any colour code
    int font = 0;     // font table entry, 0 the base font
    int size = 0;     // half-points

    bool operator==(const Formatting&) const = default;
};

class BodyWriter {
public:
    BodyWriter(const base::LogFont& baseFont, int baseSize) {
        markup_.size = rtf_.size = baseSize;
        const std::string_view face(baseFont.faceName, strnlen(baseFont.faceName, sizeof baseFont.faceName));
        fonts_.push_back(face.empty() ? std::string("{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}")
                                      : fontEntry(0, familyWordOfFace(face), baseFont.charSet,
                                                  pitchOfFont(baseFont), face));
        body_ = "\\fs" + std::to_string(baseSize) + " \\f0 ";
    }

    void write(std::string_view markup) {
        MarkupReader reader(markup, 0);
        for (MarkupToken t = reader.next(); t.kind != MarkupTokenKind::End; t = reader.next()) {
            switch (t.kind) {
                case MarkupTokenKind::Text: appendText(body_, t.raw); break;
                case MarkupTokenKind::Tab: body_ += "\\tab "; break;
                case MarkupTokenKind::LineFeed: body_ += "\\par "; break;
                case MarkupTokenKind::Code: code(t); break;
                case MarkupTokenKind::End: break;
            }
        }
        // Open runs close at the end; what was switched inside them is
        // written again so that a closing word inside a group still counts.
        while (!groups_.empty()) closeGroup();
        sync();
    }

    void writeWords(std::string_view words) { body_ += words; }

    std::string body() const { return body_; }

    std::string fontTable() const {
        std::string table = "{\\fonttbl";
        for (const std::string& f : fonts_) table += f;
        return table + "}";
    }

    std::string colourTable() const {
        std::string table = "{\\colortbl\\red0\\green0\\blue0;";
        for (const Colour c : colours_)
            table += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
                     std::to_string((c >> 16) & 0xFF) + ";";
        return table + "}";
    }

private:
    struct Group {
        char letter;          // 'e' superscript, 's' subscript
        Formatting outside;   // what the RTF restores when the group closes
    };

    void code(const MarkupToken& t) {
        switch (t.letter) {
            case 'b': markup_.bold = !markup_.bold; break;
            case 'u': markup_.underline = !markup_.underline; break;
            case 'i': markup_.italic = !markup_.italic; break;
            case 'o': markup_.strike = !markup_.strike; break;
            case 'e':
            case 's':
                if (t.bracketed) {
                    markup_.shiftLetter = t.letter;
                    markup_.shift = t.number;
                } else {
                    toggleGroup(t.letter);
                }
                break;
            case 'Z': setColour(t.colour); break;
            case 'F': markup_.font = fontIndex(t); break;
            case 'S': markup_.size = t.number; break;
            case 'g':
            case 't':
                // No RTF word shows these: they stay in the text as typed.
                appendHex(body_, static_cast<unsigned char>(MarkupEscape));
                body_ += t.letter;
                break;
            default:
                // A named colour names the colour in force: back to black.
                if (const auto named = namedColour(t.letter))
                    setColour(t.letter != '0' && colourInForce_ == *named ? rgbColour(0, 0, 0) : *named);
                break;
        }
        sync();
    }

    void setColour(Colour colour) {
        colourInForce_ = colour;
        if (colour == rgbColour(0, 0, 0)) {
            markup_.colour = 0;
            return;
        }
        const auto it = std::find(colours_.begin(), colours_.end(), colour);
        markup_.colour = static_cast<int>(it - colours_.begin()) + 1;
        if (it == colours_.end()) colours_.push_back(colour);
    }

    int fontIndex(const MarkupToken& t) {
        const std::string entry = fontEntry(fonts_.size(), familyWordOfCode(t.raw), t.charSet,
                                            t.pitchAndFamily & 0x0F, t.face);
        // The same font again reuses its entry (entries differ only by their number).
        const std::string withoutNumber = entry.substr(entry.find('\\', 2));
        for (std::size_t k = 1; k < fonts_.size(); ++k)
            if (fonts_[k].substr(fonts_[k].find('\\', 2)) == withoutNumber) return static_cast<int>(k);
        fonts_.push_back(entry);
        return static_cast<int>(fonts_.size() - 1);
    }

    void openGroup(char letter) {
        groups_.push_back({letter, rtf_});
        body_ += letter == 'e' ? "{\\super " : "{\\sub ";
    }

    void closeGroup() {
        body_ += "}";
        rtf_ = groups_.back().outside;
        groups_.pop_back();
    }

    // Superscript and subscript runs may overlap in the markup while RTF
    // groups nest: closing an outer run closes the inner groups and opens
    // them again.
    void toggleGroup(char letter) {
        const auto it = std::find_if(groups_.begin(), groups_.end(), [letter](const Group& g) { return g.letter == letter; });
        if (it == groups_.end()) {
            openGroup(letter);
            return;
        }
        const auto index = static_cast<std::size_t>(it - groups_.begin());
        std::vector<char> reopen;
        for (std::size_t k = index + 1; k < groups_.size(); ++k) reopen.push_back(groups_[k].letter);
        while (groups_.size() > index) closeGroup();
        for (const char r : reopen) openGroup(r);
    }

    // Writes the words that bring the RTF formatting to the markup's: after
    // a code, and after a group closed and dropped what was set inside it.
    void sync() {
        const auto toggle = [this](bool want, bool& have, const char* on, const char* off) {
            if (want != have) body_ += want ? on : off;
            have = want;
        };
        toggle(markup_.bold, rtf_.bold, "\\b ", "\\b0 ");
        toggle(markup_.underline, rtf_.underline, "\\ul ", "\\ulnone ");
        toggle(markup_.italic, rtf_.italic, "\\i ", "\\i0 ");
        toggle(markup_.strike, rtf_.strike, "\\strike ", "\\strike0 ");
        if (markup_.shiftLetter != rtf_.shiftLetter || markup_.shift != rtf_.shift) {
            body_ += (markup_.shiftLetter == 's' ? "\\dn" : "\\up") + std::to_string(markup_.shift) + " ";
            rtf_.shiftLetter = markup_.shiftLetter;
            rtf_.shift = markup_.shift;
        }
        if (markup_.colour != rtf_.colour && markup_.colour >= 0) body_ += "\\cf" + std::to_string(markup_.colour) + " ";
        rtf_.colour = markup_.colour;
        if (markup_.font != rtf_.font) body_ += "\\f" + std::to_string(markup_.font) + " ";
        rtf_.font = markup_.font;
        if (markup_.size != rtf_.size) body_ += "\\fs" + std::to_string(markup_.size) + " ";
        rtf_.size = markup_.size;
    }

    Formatting markup_;
    Formatting rtf_;
    std::optional<Colour> colourInForce_;
    std::vector<Group> groups_;
    std::vector<Colour> colours_;      // entries 1, 2 ... of the colour table
    std::vector<std::string> fonts_;   // entries 0, 1 ... of the font table
    std::string body_;
};

}  // namespace

bool isUsableRtfTemplate(std::string_view frame) {
    const std::size_t fonts = frame.find("{\\fonttbl");
    const std::size_t colours = frame.find("{\\colortbl");
    return fonts != std::string_view::npos && colours != std::string_view::npos &&
           groupEnd(frame, fonts) != std::string_view::npos && groupEnd(frame, colours) != std::string_view::npos &&
           frame.find(RtfTextPlaceholder) != std::string_view::npos;
}

std::string readRtfTemplate(const std::filesystem::path& programFolder) {
    base::InputError error;
    std::optional<std::string> frame =
        base::readTextInput((programFolder / std::string(RtfTemplateFileName)).string(), base::SmallTextLimits, error);
    if (!frame || !isUsableRtfTemplate(*frame)) return std::string(BuiltInRtfTemplate);
    return std::move(*frame);
}

int baseHalfPoints(const base::LogFont& font, int pixelsPerInch) {
    if (font.height == 0) return 24;
    const double ppi = pixelsPerInch > 0 ? pixelsPerInch : 96;
    const double halfPoints = std::round(2.0 * std::fabs(static_cast<double>(font.height)) * 72.0 / ppi);
    return static_cast<int>(std::clamp(halfPoints, 1.0, static_cast<double>(MaxHalfPoints)));
}

std::string markupToRtf(std::string_view markup, const base::LogFont& baseFont, std::string_view frame,
                        int pixelsPerInch) {
    const RtfPiece piece{false, std::string(markup)};
    return piecesToRtf(std::span(&piece, 1), baseFont, frame, pixelsPerInch);
}

std::string piecesToRtf(std::span<const RtfPiece> pieces, const base::LogFont& baseFont, std::string_view frame,
                        int pixelsPerInch) {
    BodyWriter writer(baseFont, baseHalfPoints(baseFont, pixelsPerInch));
    for (const RtfPiece& piece : pieces) {
        if (piece.rtfWords)
            writer.writeWords(piece.text);
        else
            writer.write(piece.text);
    }
    const std::string_view chosen = isUsableRtfTemplate(frame) ? frame : BuiltInRtfTemplate;
    // The frame is cut at the placeholder first: a face name or the body
    // could hold the placeholder's text themselves.
    const std::size_t at = chosen.find(RtfTextPlaceholder);
    std::string head(chosen.substr(0, at));
    std::string tail(chosen.substr(at + RtfTextPlaceholder.size()));
    if (!replaceGroup(head, "{\\fonttbl", writer.fontTable())) replaceGroup(tail, "{\\fonttbl", writer.fontTable());
    if (!replaceGroup(head, "{\\colortbl", writer.colourTable()))
        replaceGroup(tail, "{\\colortbl", writer.colourTable());
    return head + writer.body() + tail;
}

}  // namespace ordinax::richtext
