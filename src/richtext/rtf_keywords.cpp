// The keyword table of the text-only RTF reader.
#include "richtext/rtf_keywords.h"

#include <algorithm>

namespace ordinax::richtext {

namespace {

using K = RtfKeywordKind;

// Properties whose value is a choice (justification, section break, page
// numbering) store the choice as their value.
constexpr int JustifyCentre = 1, JustifyLeft = 0, JustifyRight = 2, JustifyFull = 3;

const RtfKeyword Keywords[] = {
    // Characters.
    {"par", K::Char, '\n'},
    {"\n", K::Char, '\n'},
    {"\r", K::Char, '\n'},
    {"tab", K::Char, '\t'},
    {"ldblquote", K::Char, '"'},
    {"rdblquote", K::Char, '"'},
    {"row", K::Char, '\n'},
    {"cell", K::Char, '\t'},
    // Escaped braces and backslash, and the words editors write for a line
    // break and typographic quotes and dashes: without them a typed "{",
    // apostrophe or line break would vanish from the text.
    {"\\", K::Char, '\\'},
    {"{", K::Char, '{'},
    {"}", K::Char, '}'},
    {"line", K::Char, '\n'},
    {"lquote", K::Char, '\''},
    {"rquote", K::Char, '\''},
    {"endash", K::Char, '-'},
    {"emdash", K::Char, '-'},
    // Special words.
    {"bin", K::Special, RtfSpecialBin},
    {"*", K::Special, RtfSpecialSkipDest},
    {"'", K::Special, RtfSpecialHex},
    // Properties.
    {"b", K::Property, RtfPropBold, 1},
    {"i", K::Property, RtfPropItalic, 1},
    {"u", K::Property, RtfPropUnderline, 1},
    // Struck-through text is still text: it is kept, not skipped.
    {"strike", K::Property, RtfPropStrike, 1},
    {"li", K::Property, RtfPropLeftIndent, 0},
    {"ri", K::Property, RtfPropRightIndent, 0},
    {"fi", K::Property, RtfPropFirstIndent, 0},
    {"cols", K::Property, RtfPropColumns, 1},
    {"sbknone", K::Property, RtfPropSectionBreak, 0},
    {"sbkcol", K::Property, RtfPropSectionBreak, 1},
    {"sbkeven", K::Property, RtfPropSectionBreak, 2},
    {"sbkodd", K::Property, RtfPropSectionBreak, 3},
    {"sbkpage", K::Property, RtfPropSectionBreak, 4},
    {"pgnx", K::Property, RtfPropPageNumberX, 0},
    {"pgny", K::Property, RtfPropPageNumberY, 0},
    {"pgndec", K::Property, RtfPropPageNumberFormat, 0},
    {"pgnucrm", K::Property, RtfPropPageNumberFormat, 1},
    {"pgnlcrm", K::Property, RtfPropPageNumberFormat, 2},
    {"pgnucltr", K::Property, RtfPropPageNumberFormat, 3},
    {"pgnlcltr", K::Property, RtfPropPageNumberFormat, 4},
    {"qc", K::Property, RtfPropJustification, JustifyCentre},
    {"ql", K::Property, RtfPropJustification, JustifyLeft},
    {"qr", K::Property, RtfPropJustification, JustifyRight},
    {"qj", K::Property, RtfPropJustification, JustifyFull},
    {"paperw", K::Property, RtfPropPaperWidth, 12240},
    {"paperh", K::Property, RtfPropPaperHeight, 15480},
    {"margl", K::Property, RtfPropMarginLeft, 1800},
    {"margr", K::Property, RtfPropMarginRight, 1800},
    {"margt", K::Property, RtfPropMarginTop, 1440},
    {"margb", K::Property, RtfPropMarginBottom, 1440},
    {"pgnstart", K::Property, RtfPropPageStart, 1},
    {"facingp", K::Property, RtfPropFacingPages, 1},
    {"landscape", K::Property, RtfPropLandscape, 1},
    // Destinations skipped whole.
    {"author", K::Destination, 0},   {"buptim", K::Destination, 0},  {"colortbl", K::Destination, 0},
    {"comment", K::Destination, 0},  {"creatim", K::Destination, 0}, {"doccomm", K::Destination, 0},
    {"fonttbl", K::Destination, 0},  {"footer", K::Destination, 0},  {"footerf", K::Destination, 0},
    {"footerl", K::Destination, 0},  {"footerr", K::Destination, 0}, {"footnote", K::Destination, 0},
    {"ftncn", K::Destination, 0},    {"ftnsep", K::Destination, 0},  {"ftnsepc", K::Destination, 0},
    {"header", K::Destination, 0},   {"headerf", K::Destination, 0}, {"headerl", K::Destination, 0},
    {"headerr", K::Destination, 0},  {"info", K::Destination, 0},    {"keywords", K::Destination, 0},
    {"operator", K::Destination, 0}, {"pict", K::Destination, 0},    {"printim", K::Destination, 0},
    {"private1", K::Destination, 0}, {"revtim", K::Destination, 0},  {"rxe", K::Destination, 0},
    {"stylesheet", K::Destination, 0}, {"subject", K::Destination, 0}, {"tc", K::Destination, 0},
    {"title", K::Destination, 0},    {"txe", K::Destination, 0},     {"xe", K::Destination, 0},
};

}  // namespace

const RtfKeyword* findRtfKeyword(std::string_view word) {
    const auto it = std::find_if(std::begin(Keywords), std::end(Keywords),
                                 [word](const RtfKeyword& k) { return k.word == word; });
    return it == std::end(Keywords) ? nullptr : &*it;
}

}  // namespace ordinax::richtext
