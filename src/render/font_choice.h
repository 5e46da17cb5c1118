// A font chosen in a font dialog as a logical-font record: the installed
// family named back by the Windows face it stands for, the size in points as
// a character height of the 96 pixels-per-inch screen the sizes refer to.
#pragma once

#include <string>
#include <string_view>

#include "base/logfont.h"

namespace ordinax::render {

// The Windows face an installed family stands for ("Liberation Sans" ->
// "Arial"); other families keep their name.
std::string windowsFaceForFamily(std::string_view family);

// The size in points of a record's character height (12 for a height of 0).
double fontPoints(const base::LogFont& font);

// What a font dialog gives back.
struct ChosenFont {
    std::string family;  // installed family (UTF-8 is not expected: faces are ASCII)
    double points = 12.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// The record of a chosen font: `previous` keeps its other fields (width,
// escapement, precisions, quality); the pitch-and-family byte and the
// character set follow the face when the face changed.
base::LogFont chosenFont(const base::LogFont& previous, const ChosenFont& chosen);

// "Arial, 12 pt, gras" as a button shows a font.
std::string fontDescription(const base::LogFont& font);

}  // namespace ordinax::render
