// RTF to markup: a client of the keyword-table reader that follows the
// character formatting group by group and writes a markup code before the
// next character whenever the formatting changed.
#include "richtext/rtf_reader.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "richtext/markup_codes.h"
#include "richtext/rtf_writer.h"

namespace ordinax::richtext {

namespace {

enum class Mode { Body, FontTable, ColourTable };

struct Formatting {
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strike = false;
    bool super = false;
    bool sub = false;
    char shiftLetter = 0;  // 'e' (\up) or 's' (\dn); 0 before any shift
    int shift = 0;
    std::optional<Colour> colour;  // nullopt: the label's own colour
    long font = 0;                 // font table entry
    int size = 0;                  // half-points; 0 when not known
};

struct GroupState {
    Formatting formatting;
    Mode mode = Mode::Body;
};

// The properties in the order their codes are written when several change at once.
enum class Property { Super, Sub, Bold, Underline, Italic, Strike, Shift, Colour, Font, Size };
constexpr Property AllProperties[] = {Property::Super,  Property::Sub,   Property::Bold,   Property::Underline,
                                      Property::Italic, Property::Strike, Property::Shift, Property::Colour,
                                      Property::Font,   Property::Size};

bool same(const Formatting& a, const Formatting& b, Property p) {
    switch (p) {
        case Property::Super: return a.super == b.super;
        case Property::Sub: return a.sub == b.sub;
        case Property::Bold: return a.bold == b.bold;
        case Property::Underline: return a.underline == b.underline;
        case Property::Italic: return a.italic == b.italic;
        case Property::Strike: return a.strike == b.strike;
        case Property::Shift: return a.shiftLetter == b.shiftLetter && a.shift == b.shift;
        case Property::Colour: return a.colour == b.colour;
        case Property::Font: return a.font == b.font;
        case Property::Size: return a.size == b.size;
    }
    return true;
}

struct FontEntry {
    std::string family = "fnil";
    long charSet = 0;
    long pitch = 0;
    std::string face;
};

bool isFamilyWord(std::string_view word) {
    static constexpr std::string_view words[] = {"froman", "fswiss", "fmodern", "fscript",
                                                 "fdecor", "ftech",  "fbidi",   "fnil"};
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

class MarkupClient final : public RtfClient {
public:
    MarkupClient(RtfMarkup& result, bool tag, int baseSize) : result_(result), tag_(tag) {
        state_.formatting.size = baseSize;
        written_ = state_.formatting;
    }

    bool controlWord(std::string_view word, bool hasParameter, long parameter) override {
        switch (state_.mode) {
            case Mode::FontTable: return fontTableWord(word, hasParameter, parameter);
            case Mode::ColourTable: return colourTableWord(word, parameter);
            case Mode::Body: break;
        }
        Formatting& f = state_.formatting;
        const bool on = !hasParameter || parameter != 0;
        if (word == "fonttbl") {
            state_.mode = Mode::FontTable;
        } else if (word == "colortbl") {
            state_.mode = Mode::ColourTable;
            colours_.clear();
            pending_ = rgbColour(0, 0, 0);
        } else if (word == "b") {
            change(Property::Bold, [&] { f.bold = on; });
        } else if (word == "i") {
            change(Property::Italic, [&] { f.italic = on; });
        } else if (word == "ul" || word == "ulnone") {
            change(Property::Underline, [&] { f.underline = word == "ul" && on; });
        } else if (word == "strike") {
            change(Property::Strike, [&] { f.strike = on; });
        } else if (word == "super") {
            change(Property::Super, [&] { f.super = true; });
        } else if (word == "sub") {
            change(Property::Sub, [&] { f.sub = true; });
        } else if (word == "nosupersub") {
            change(Property::Super, [&] { f.super = false; });
            change(Property::Sub, [&] { f.sub = false; });
        } else if (word == "up" || word == "dn") {
            // RTF's default shift is 3 points.
            const long n = hasParameter ? std::clamp<long>(parameter, -MaxHalfPoints, MaxHalfPoints) : 6;
            change(Property::Shift, [&] {
                f.shiftLetter = word == "up" ? 'e' : 's';
                f.shift = static_cast<int>(n);
            });
        } else if (word == "cf") {
            if (hasParameter && parameter >= 0 && static_cast<std::size_t>(parameter) < colours_.size())
                change(Property::Colour, [&] { f.colour = colours_[static_cast<std::size_t>(parameter)]; });
        } else if (word == "f") {
            if (hasParameter && fonts_.count(parameter) != 0) change(Property::Font, [&] { f.font = parameter; });
        } else if (word == "fs") {
            if (hasParameter && parameter >= 1 && parameter <= MaxHalfPoints)
                change(Property::Size, [&] { f.size = static_cast<int>(parameter); });
        } else if (word == "plain") {
            change(Property::Bold, [&] { f.bold = false; });
            change(Property::Underline, [&] { f.underline = false; });
            change(Property::Italic, [&] { f.italic = false; });
            change(Property::Strike, [&] { f.strike = false; });
            change(Property::Super, [&] { f.super = false; });
            change(Property::Sub, [&] { f.sub = false; });
            if (f.shiftLetter != 0) change(Property::Shift, [&] { f.shift = 0; });
        } else if (word == "ql" || word == "qr" || word == "qc") {
            if (tag_) result_.alignment = word == "ql" ? 1 : word == "qr" ? 2 : 3;
        } else if (word != "pard") {
            return false;
        }
        return true;
    }

    void character(char c, bool escaped) override {
        switch (state_.mode) {
            case Mode::FontTable: fontTableCharacter(c, escaped); return;
            case Mode::ColourTable:
                if (c == ';' && !escaped) {
                    colours_.push_back(pending_);
                    pending_ = rgbColour(0, 0, 0);
                }
                return;
            case Mode::Body: break;
        }
        if (c == '\r' || c == '\0') return;  // markup holds neither
        // "[n]" right after a superscript or subscript toggle would read as a
        // shift code: the toggles go first, so that another code follows
        // them, or else a bold toggle pair, which changes nothing.
        if (c == '[')
            std::stable_partition(changed_.begin(), changed_.end(),
                                  [](Property p) { return p == Property::Super || p == Property::Sub; });
        const std::size_t before = result_.markup.size();
        writeChanges();
        if (c == '[' && result_.markup.size() > before && result_.markup.size() >= 2 &&
            result_.markup[result_.markup.size() - 2] == MarkupEscape &&
            (result_.markup.back() == 'e' || result_.markup.back() == 's'))
            result_.markup += std::string{MarkupEscape, 'b', MarkupEscape, 'b'};
        result_.markup += c;
    }

    void groupOpened() override { saved_.push_back(state_); }

    void groupClosed() override {
        if (saved_.empty()) return;
        const GroupState inside = state_;
        state_ = saved_.back();
        saved_.pop_back();
        if (inside.mode == Mode::FontTable && state_.mode != Mode::FontTable) finishFont();
        if (saved_.empty()) {
            // Leaving the document restores nothing that text could show:
            // the last words (a toggle closing the last run) still count.
            state_.formatting = inside.formatting;
            return;
        }
        for (const Property p : AllProperties) {
            if (same(inside.formatting, state_.formatting, p)) continue;
            mark(p);
            fromGroup_.push_back(p);
        }
    }

    // The toggles still owed at the end that close the last run by a word
    // ("\b0 "). A run opened or closed by a group, or a colour, font, size or
    // shift set, with no text after it shows nothing and is dropped: the
    // writer closes its open groups at the end, and the text it reads back
    // must be the one it writes again.
    void finish() {
        const Formatting& now = state_.formatting;
        std::erase_if(changed_, [&](Property p) {
            if (std::find(fromGroup_.begin(), fromGroup_.end(), p) != fromGroup_.end()) return true;
            switch (p) {
                case Property::Super: return now.super;
                case Property::Sub: return now.sub;
                case Property::Bold: return now.bold;
                case Property::Underline: return now.underline;
                case Property::Italic: return now.italic;
                case Property::Strike: return now.strike;
                default: return true;
            }
        });
        writeChanges();
    }

private:
    template <typename Update>
    void change(Property p, Update update) {
        update();
        mark(p);
        std::erase(fromGroup_, p);
    }

    // Codes are written in the order of the last change of each property,
    // so consecutive codes keep their order through a round trip.
    void mark(Property p) {
        changed_.erase(std::remove(changed_.begin(), changed_.end(), p), changed_.end());
        if (!same(state_.formatting, written_, p)) changed_.push_back(p);
    }

    void writeChanges() {
        Formatting& now = state_.formatting;
        for (const Property p : changed_) {
            if (same(now, written_, p)) continue;
            result_.markup += MarkupEscape;
            switch (p) {
                case Property::Super: result_.markup += 'e'; break;
                case Property::Sub: result_.markup += 's'; break;
                case Property::Bold: result_.markup += 'b'; break;
                case Property::Underline: result_.markup += 'u'; break;
                case Property::Italic: result_.markup += 'i'; break;
                case Property::Strike: result_.markup += 'o'; break;
                case Property::Shift:
                    result_.markup += (now.shiftLetter == 's' ? 's' : 'e');
                    result_.markup += "[" + std::to_string(now.shift) + "]";
                    break;
                case Property::Colour:
                    // Back to the label's own colour: the nearest code is black.
                    result_.markup.pop_back();
                    result_.markup += colourCode(now.colour.value_or(rgbColour(0, 0, 0)));
                    break;
                case Property::Font: {
                    const auto entry = fonts_.find(now.font);
                    if (entry == fonts_.end()) {
                        result_.markup.pop_back();  // a group gave back a font the table lacks
                        break;
                    }
                    const FontEntry& e = entry->second;
                    result_.markup += "F[" + e.family + ";" + std::to_string(e.charSet) + ";" +
                                      std::to_string(e.pitch) + ";" + e.face + "]";
                    break;
                }
                case Property::Size:
                    if (now.size == 0) {
                        result_.markup.pop_back();  // no code gives back an unknown size
                    } else {
                        result_.markup += "S[" + std::to_string(now.size) + "]";
                    }
                    break;
            }
            switch (p) {
                case Property::Super: written_.super = now.super; break;
                case Property::Sub: written_.sub = now.sub; break;
                case Property::Bold: written_.bold = now.bold; break;
                case Property::Underline: written_.underline = now.underline; break;
                case Property::Italic: written_.italic = now.italic; break;
                case Property::Strike: written_.strike = now.strike; break;
                case Property::Shift:
                    written_.shiftLetter = now.shiftLetter;
                    written_.shift = now.shift;
                    break;
                case Property::Colour: written_.colour = now.colour; break;
                case Property::Font: written_.font = now.font; break;
                case Property::Size: written_.size = now.size; break;
            }
        }
        changed_.clear();
        fromGroup_.clear();
    }

    bool fontTableWord(std::string_view word, bool hasParameter, long parameter) {
        if (word == "f" && hasParameter) {
            finishFont();
            fontNumber_ = parameter;
        } else if (isFamilyWord(word)) {
            font_.family = std::string(word);
        } else if (word == "fcharset") {
            font_.charSet = std::clamp<long>(parameter, 0, 255);
        } else if (word == "fprq") {
            font_.pitch = std::clamp<long>(parameter, 0, 15);
        } else {
            return false;
        }
        open_ = true;
        return true;
    }

    void fontTableCharacter(char c, bool escaped) {
        if (c == ';' && !escaped) {
            finishFont();
            return;
        }
        open_ = true;
        // The face ends a ¶F code: no "]" and no line end in it, 31 bytes at most.
        if (c == ']' || c == '\n' || c == '\r' || c == '\t' || c == '\0') return;
        if (font_.face.size() < sizeof(base::LogFont::faceName) - 1) font_.face += c;
    }

    void finishFont() {
        if (open_) {
            while (!font_.face.empty() && font_.face.front() == ' ') font_.face.erase(0, 1);
            while (!font_.face.empty() && font_.face.back() == ' ') font_.face.pop_back();
            fonts_[fontNumber_] = font_;
            ++fontNumber_;
        }
        font_ = FontEntry{};
        open_ = false;
    }

    bool colourTableWord(std::string_view word, long parameter) {
        const int value = static_cast<int>(std::clamp<long>(parameter, 0, 255));
        if (word == "red") {
            pending_ = (pending_ & 0xFFFF00u) | static_cast<Colour>(value);
        } else if (word == "green") {
            pending_ = (pending_ & 0xFF00FFu) | (static_cast<Colour>(value) << 8);
        } else if (word == "blue") {
            pending_ = (pending_ & 0x00FFFFu) | (static_cast<Colour>(value) << 16);
        } else {
            return false;
        }
        return true;
    }

    RtfMarkup& result_;
    bool tag_;
    GroupState state_;
    std::vector<GroupState> saved_;
    Formatting written_;
    std::vector<Property> changed_;
    std::vector<Property> fromGroup_;  // changes since the last text made by closing groups
    std::vector<Colour> colours_;
    Colour pending_ = 0;
    std::map<long, FontEntry> fonts_;
    FontEntry font_;
    long fontNumber_ = 0;
    bool open_ = false;
};

}  // namespace

RtfMarkup rtfToMarkup(std::string_view rtf, int slot, const base::LogFont* baseFont, int pixelsPerInch) {
    RtfMarkup result;
    const bool tag = slot >= RtfFirstTagSlot && slot <= RtfLastTagSlot;
    MarkupClient client(result, tag, baseFont != nullptr ? baseHalfPoints(*baseFont, pixelsPerInch) : 0);
    RtfParser parser(client);
    result.status = parser.parse(rtf);
    client.finish();
    return result;
}

}  // namespace ordinax::richtext
