// Conversion of an RTF document typed in the label editor back to label
// markup: style words, superscript and subscript runs, shifts, colours,
// fonts and sizes become markup codes; the tag alignment is read from the
// paragraph words; everything else goes the way of the plain-text reader.
#pragma once

#include <string>
#include <string_view>

#include "base/logfont.h"
#include "richtext/rtf_plain_text.h"

namespace ordinax::richtext {

// Label slots whose paragraph alignment means something (the numbering of
// the diagram's label slots).
inline constexpr int RtfLegendSlot = 6;
inline constexpr int RtfFirstTagSlot = 7;
inline constexpr int RtfLastTagSlot = 16;

struct RtfMarkup {
    std::string markup;
    RtfStatus status = RtfStatus::Ok;  // the text holds what was read before a stop
    int alignment = 0;                 // tags: 1 left, 2 right, 3 centred; 0 when not given
};

// The markup of an RTF document for label slot `slot`. Codes are written
// only where the formatting of the following text differs from the
// formatting already written, so the document of markupToRtf reads back as
// its markup. With `baseFont`, the font table's entry 0 and the base size of
// that font are the label's own and need no code; without it every size is
// written.
RtfMarkup rtfToMarkup(std::string_view rtf, int slot, const base::LogFont* baseFont = nullptr,
                      int pixelsPerInch = 96);

}  // namespace ordinax::richtext
