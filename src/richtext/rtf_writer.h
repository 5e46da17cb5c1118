// Conversion of label markup to an RTF document for the label editor and the
// reports: the RTF frame read from the program's folder, the colour and font
// tables built from the markup's codes, and the body.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/logfont.h"

namespace ordinax::richtext {

// The RTF frame file in the program's folder.
inline constexpr std::string_view RtfTemplateFileName = "MSK_RTF.SRC";

// The place of the body in the frame.
inline constexpr std::string_view RtfTextPlaceholder = "@@@TEXT@@@";

// The frame used when the file cannot be read or lacks one of its parts: an
// editor loaded with an empty text would wipe the label on saving.
extern const std::string_view BuiltInRtfTemplate;

// True when the frame holds a font table group, a colour table group and
// the body placeholder.
bool isUsableRtfTemplate(std::string_view frame);

// The frame of the file MSK_RTF.SRC in `programFolder`; the built-in frame
// when the file cannot be read or is not usable.
std::string readRtfTemplate(const std::filesystem::path& programFolder);

// The size in half-points of a font record's height on a screen of
// `pixelsPerInch` (12 points for a height of 0).
int baseHalfPoints(const base::LogFont& font, int pixelsPerInch);

// The RTF document of a markup text: the frame with its font table (entry 0
// the base font, then one entry per ¶F font), its colour table (entry 0
// black, then one entry per colour used) and the body, which starts with the
// base size and font. Toggling codes become "\b "/"\b0 " pairs, ¶e and ¶s
// runs "{\super ...}" and "{\sub ...}" groups; codes without an RTF word
// (¶g, ¶t) are kept as text.
std::string markupToRtf(std::string_view markup, const base::LogFont& baseFont, std::string_view frame,
                        int pixelsPerInch = 96);

// A part of an RTF body: label markup, converted as markupToRtf does, or RTF
// words written as they stand (table rows, page settings).
struct RtfPiece {
    bool rtfWords = false;
    std::string text;
};

// The RTF document of a body made of pieces, in order; the font and colour
// tables gather the codes of every markup piece. Each markup piece closes its
// own superscript and subscript groups.
std::string piecesToRtf(std::span<const RtfPiece> pieces, const base::LogFont& baseFont, std::string_view frame,
                        int pixelsPerInch = 96);

}  // namespace ordinax::richtext
