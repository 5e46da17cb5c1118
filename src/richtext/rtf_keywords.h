// The keyword table of the text-only RTF reader: for each control word,
// whether it writes a character, changes a kept property, starts a
// destination that is skipped whole, or needs special handling.
#pragma once

#include <string_view>

namespace ordinax::richtext {

enum class RtfKeywordKind {
    Char,         // writes `value` as a character
    Property,     // sets the kept property `value` (parameter, else `defaultValue`)
    Destination,  // the rest of the group is skipped
    Special,      // `value` is an RtfSpecial
};

enum RtfSpecial {
    RtfSpecialBin,       // the next n bytes are binary data
    RtfSpecialSkipDest,  // "\*": skip the destination if its word is unknown
    RtfSpecialHex,       // "\'": a byte written as two hexadecimal digits
};

// The properties the reader keeps per group (never written).
enum RtfProperty {
    RtfPropBold, RtfPropItalic, RtfPropUnderline, RtfPropStrike,
    RtfPropLeftIndent, RtfPropRightIndent, RtfPropFirstIndent,
    RtfPropColumns, RtfPropSectionBreak, RtfPropPageNumberX, RtfPropPageNumberY, RtfPropPageNumberFormat,
    RtfPropJustification,
    RtfPropPaperWidth, RtfPropPaperHeight, RtfPropMarginLeft, RtfPropMarginRight, RtfPropMarginTop,
    RtfPropMarginBottom, RtfPropPageStart, RtfPropFacingPages, RtfPropLandscape,
    RtfPropCount
};

struct RtfKeyword {
    std::string_view word;
    RtfKeywordKind kind;
    int value;              // character, property or special
    int defaultValue = 0;   // properties: the value of the word without a parameter
};

// The entry of a control word ("par", "b", "'" ...); nullptr for unknown words.
const RtfKeyword* findRtfKeyword(std::string_view word);

}  // namespace ordinax::richtext
