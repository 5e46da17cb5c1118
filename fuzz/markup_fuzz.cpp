// Fuzz target of the label markup: any text must split into tokens that
// cover it in order, survive the code readers and colour inversion, and lay
// out on the recording device with the same size measured and drawn. A text
// with no code at all is a normal outcome; only crashes and broken
// invariants count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "render/markup_layout.h"
#include "render/recording_device.h"
#include "richtext/markup_codes.h"

using namespace ordinax;

namespace {

// Tokens lie inside the text, one after the other; the lines stay within the limit.
void checkTokens(std::string_view text, int maxLines) {
    richtext::MarkupReader reader(text, maxLines);
    std::size_t end = 0;
    int lines = 1;
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        const auto at = static_cast<std::size_t>(t.raw.data() - text.data());
        if (t.raw.empty() || at < end || at + t.raw.size() > text.size()) std::abort();
        end = at + t.raw.size();
        if (t.kind == richtext::MarkupTokenKind::LineFeed) ++lines;
        if (t.kind == richtext::MarkupTokenKind::Code) {
            if (!richtext::isCodeLetter(t.letter)) std::abort();
            if (t.face.size() > 31) std::abort();
            // A bracketed code reads back alone through the matching parser.
            const std::string code(t.raw);
            if (t.bracketed && t.letter == 'Z' && richtext::parseColourCode(code) != t.colour) std::abort();
            if (t.bracketed && t.letter == 'S' && !richtext::parseSizeCode(code)) std::abort();
            if (t.bracketed && t.letter == 'F' && !richtext::parseFontCode(code)) std::abort();
        }
    }
    if (maxLines > 0 && lines > maxLines) std::abort();
}

}  // namespace

// Input: one byte of options (alignment, angle, base font size), then the markup.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t options = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    checkTokens(text, richtext::MaxMarkupLines);
    checkTokens(text, 0);
    (void)richtext::parseSizeCode(text);
    (void)richtext::parseColourCode(text);
    if (const auto font = richtext::parseFontCode(text)) (void)richtext::fontCode(*font);
    const std::string inverted = richtext::invertColours(text);
    checkTokens(inverted, 0);

    base::LogFont font;
    font.height = -(6 + (options >> 4));
    std::memcpy(font.faceName, "Arial", 6);
    const int alignment = 1 + (options & 3) % 3;
    const int angle = (options & 4) ? 90 : 0;
    render::RecordingDevice device;
    const render::DevRect rect{-50, 10, 200, 300};
    const render::MarkupSize measured =
        render::layoutMarkup(device, text, font, 0, rect, alignment, angle, render::MarkupMode::Measure);
    if (measured.width < 0 || measured.height < 0) std::abort();
    for (const render::RecordedOp& op : device.ops())
        if (op.kind == render::OpKind::Text) std::abort();
    const double pixelsPerPoint = (options & 8) ? 2.0 : 0.0;
    const render::MarkupSize drawn = render::layoutMarkup(device, text, font, 0, rect, alignment, angle,
                                                          render::MarkupMode::Draw, pixelsPerPoint);
    if (!(options & 8) && !(drawn == measured)) std::abort();
    return 0;
}
