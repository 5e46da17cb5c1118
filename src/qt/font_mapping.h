// Logical fonts of diagrams turned into Qt fonts: Windows face names resolved
// to the installed metric-compatible faces, heights in device pixels, and the
// byte -> Unicode tables of text, Symbol-font and Wingdings characters.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "base/logfont.h"

class QPaintDevice;

namespace ordinax::qt {

// How the bytes of a text become characters in a font.
enum class FontEncoding { Windows1252, Symbol, Wingdings };

struct MappedFont {
    QFont font;
    FontEncoding encoding = FontEncoding::Windows1252;
};

// The installed family that stands for a Windows face name (Windows-1252
// bytes): the metric-compatible faces for the usual ones, else the name
// itself, which fontconfig substitutes.
QString familyForFace(std::string_view face);

// The encoding of the face's characters (Symbol and Wingdings by name).
FontEncoding encodingForFace(std::string_view face);

// The Qt font of a logical font for drawing on `device` (null: the screen):
// a negative height is the character (em) height in pixels, a positive one
// the cell height (ascent + descent), zero a 12-pixel character height.
// Weight, italic, underline, strike-out and an average width are kept; the
// escapement is left to the caller, which turns the painter.
MappedFont mapFont(const base::LogFont& font, const QPaintDevice* device = nullptr);

// Unicode of one byte; 0 for the bytes the encoding leaves unassigned.
char32_t windows1252ToUnicode(unsigned char byte);
char32_t symbolToUnicode(unsigned char byte);
char32_t wingdingsToUnicode(unsigned char byte);

// The text of Windows-1252 bytes (or symbol codes) as Unicode; unassigned
// bytes are dropped.
QString decodeText(std::string_view bytes, FontEncoding encoding);

}  // namespace ordinax::qt
