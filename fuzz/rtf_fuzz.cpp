// Fuzz target of the RTF conversion: any text read as RTF must stop with one
// of the reader's statuses and give a markup that reads as tokens; any text
// taken as markup must give a well-formed RTF document that reads back
// without a stop, and for markup whose every "¶" starts a code, the markup
// read back converts to a markup that shows the same. Only crashes and broken invariants count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "richtext/markup_codes.h"
#include "richtext/rtf_plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

using namespace ordinax;

namespace {

void checkStatus(richtext::RtfStatus status) {
    const int s = static_cast<int>(status);
    if (s < 0 || s > 7 || status == richtext::RtfStatus::BadTable || status == richtext::RtfStatus::Assertion)
        std::abort();
}

// True when every "¶" of the markup starts a code and no byte is zero: the
// reader keeps a "¶" typed as text, so one that meets a code letter after a
// conversion becomes a code, which is what a user typing codes wants.
bool plainCodes(std::string_view markup) {
    richtext::MarkupReader reader(markup, 0);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next())
        if (t.kind == richtext::MarkupTokenKind::Text &&
            (t.raw.find(richtext::MarkupEscape) != std::string_view::npos || t.raw.find('\0') != std::string_view::npos))
            return false;
    return true;
}

// What a markup shows: each character with the formatting it is drawn in.
// Two texts whose codes come in another order at one place show the same.
std::string shown(std::string_view markup) {
    struct State {
        bool toggles[7] = {};  // b u i o e s g
        char shiftLetter = 0;
        int shift = 0;
        richtext::Colour colour = 0xFF000000u;  // the label's own colour
        std::string font;
        int size = 0;
    } state;
    std::string out;
    richtext::MarkupReader reader(markup, 0);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        if (t.kind == richtext::MarkupTokenKind::Code) {
            static constexpr std::string_view letters = "buioesg";
            const std::size_t toggle = letters.find(t.letter);
            if (t.letter == 'Z' || t.letter == '0') {
                state.colour = t.colour;
            } else if (const auto named = richtext::namedColour(t.letter)) {
                state.colour = state.colour == *named ? 0 : *named;
            } else if (t.letter == 'F') {
                state.font = std::string(t.raw);
            } else if (t.letter == 'S') {
                state.size = t.number;
            } else if ((t.letter == 'e' || t.letter == 's') && t.bracketed) {
                state.shiftLetter = t.letter;
                state.shift = t.number;
            } else if (toggle != std::string_view::npos) {
                state.toggles[toggle] = !state.toggles[toggle];
            }
            continue;
        }
        std::string key;
        for (const bool b : state.toggles) key += b ? '1' : '0';
        key += std::string(1, state.shiftLetter) + std::to_string(state.shift) + "/" + std::to_string(state.colour) +
               "/" + state.font + "/" + std::to_string(state.size) + "|";
        // Character by character: a code that changes nothing may split a
        // text in two on one side and not on the other.
        for (const char c : t.raw) {
            out += key;
            out += c;
            out += '\n';
        }
    }
    return out;
}

void checkMarkup(std::string_view markup) {
    richtext::MarkupReader reader(markup, 0);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
    }
}

}  // namespace

// Input: one byte of options (slot, base font size), then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t options = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    base::LogFont font;
    font.height = -(8 + (options >> 3));
    std::memcpy(font.faceName, "Arial", 6);

    // The text as RTF.
    const richtext::RtfText plain = richtext::rtfPlainText(text);
    checkStatus(plain.status);
    const richtext::RtfMarkup read = richtext::rtfToMarkup(text, options & 15, (options & 16) ? &font : nullptr);
    checkStatus(read.status);
    if (read.alignment < 0 || read.alignment > 3) std::abort();
    checkMarkup(read.markup);

    // The text as markup: the writer's document is always well formed.
    const std::string rtf = richtext::markupToRtf(text, font, richtext::BuiltInRtfTemplate);
    if (richtext::rtfPlainText(rtf).status != richtext::RtfStatus::Ok) std::abort();
    const richtext::RtfMarkup again = richtext::rtfToMarkup(rtf, 0, &font);
    if (again.status != richtext::RtfStatus::Ok) std::abort();
    // The markup read back shows the same after another round trip.
    if (!plainCodes(text)) return 0;
    const std::string rtf2 = richtext::markupToRtf(again.markup, font, richtext::BuiltInRtfTemplate);
    if (shown(richtext::rtfToMarkup(rtf2, 0, &font).markup) != shown(again.markup)) std::abort();
    return 0;
}
