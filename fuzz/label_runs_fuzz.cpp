// Fuzz target of the label editor's runs: any markup splits into runs that
// write back to the same bytes, and the runs of RTF text (what a paste
// brings) write markup that splits and writes back unchanged too. Only
// crashes and broken invariants count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "richtext/label_runs.h"
#include "richtext/rtf_reader.h"

using namespace ordinax;

namespace {

void checkRoundTrip(std::string_view markup, const richtext::LabelBase& base) {
    const auto runs = richtext::parseLabel(markup, base);
    if (richtext::writeLabel(runs, base) != markup) std::abort();
    // Every run but a last one of codes holds text, and its codes give its style.
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (runs[i].text.empty() && i + 1 != runs.size()) std::abort();
}

}  // namespace

// Input: one byte choosing the base font's weight and the slot, then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t options = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    richtext::LabelBase base;
    base.font = base::fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    if (options & 1) base.font.weight = 700;
    checkRoundTrip(text, base);

    // The same bytes as a pasted RTF document: whatever the reader makes of
    // them, the markup it gives goes through the runs unchanged.
    const richtext::RtfMarkup pasted = richtext::rtfToMarkup(text, 7 + (options >> 4) % 10, &base.font);
    checkRoundTrip(pasted.markup, base);
    // Styles changed by the editor are written with codes that read back as
    // them. A text that holds the escape byte itself may join with codes into
    // other codes (the markup has no way to quote it): left out here.
    auto runs = richtext::parseLabel(pasted.markup, base);
    for (auto& run : runs) {
        run.codes.clear();
        run.style.bold = !run.style.bold;
    }
    const std::string rewritten = richtext::writeLabel(runs, base);
    const auto back = richtext::parseLabel(rewritten, base);
    std::string before;
    std::string after;
    for (const auto& run : runs)
        if (run.text.find(richtext::MarkupEscape) != std::string::npos) return 0;
    for (const auto& run : runs) before += run.text;
    for (const auto& run : back) after += run.text;
    if (before != after) std::abort();
    return 0;
}
