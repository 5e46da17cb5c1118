// The rules of the "Fond", "Bordure" and "Ombre" dialogs over a PaintStyle:
// the gradient value made of its kind, profile and inversion, the bounds of
// the sizes, and the fields each dialog writes.
#pragma once

#include <string>

#include "document/diagram.h"
#include "render/gradient.h"

namespace ordinax::render {

// Bounds of the sizes the dialogs accept, in nominal pixels.
inline constexpr int MinBorderWidth = 1;
inline constexpr int MaxBorderWidth = 20;
inline constexpr int MaxInnerMargin = 50;
inline constexpr int MaxShadowDepth = 50;
inline constexpr int MaxShadowHardness = 100;

// Gradient profiles of the dialog: linear, "SINUS", "COSINUS".
inline constexpr int GradientProfileCount = 3;

// The stored gradient value of a kind (0 .. 19), a profile (0 .. 2) and the
// "GINV" inversion (colours exchanged); kind 0 is a plain fill whatever the rest.
int encodeGradient(const DecodedGradient& gradient);

// What the "Fond" dialog edits.
struct FillChoice {
    bool active = false;  // "Activation"
    std::int32_t colour1 = 16777215;
    std::int32_t colour2 = 16777215;
    DecodedGradient gradient;
    bool picture = false;     // page and plot: fill with the picture file
    int pictureMode = 0;      // PictureMode
    std::string pictureFile;  // Windows-1252 path
    bool operator==(const FillChoice&) const = default;
};

// What the "Bordure" dialog edits.
struct BorderChoice {
    bool active = false;
    std::int32_t colour = 0;
    int width = 1;    // "Epaisseur", the same horizontally and vertically
    int marginX = 3;  // "Marges internes"
    int marginY = 3;
    bool operator==(const BorderChoice&) const = default;
};

// What the "Ombre" dialog edits.
struct ShadowChoice {
    bool active = false;
    std::int32_t colour = 0;
    int hardness = 25;
    int depthX = 10;  // "Profondeur"
    int depthY = 10;
    bool operator==(const ShadowChoice&) const = default;
};

// Picture placement modes offered by the "Fond" dialog of the page and the plot.
inline constexpr int PictureModeCount = 5;

FillChoice readFill(const document::PaintStyle& style, const std::array<char, document::PictureBufferSize>* picture);
BorderChoice readBorder(const document::PaintStyle& style);
ShadowChoice readShadow(const document::PaintStyle& style);

// Writes the choices into the style (sizes limited to their bounds); a
// picture is written only when `picture` is given (page and plot), its path
// cut to the buffer.
void applyFill(document::PaintStyle& style, std::array<char, document::PictureBufferSize>* picture,
               const FillChoice& choice);
void applyBorder(document::PaintStyle& style, const BorderChoice& choice);
void applyShadow(document::PaintStyle& style, const ShadowChoice& choice);

// The text of a picture buffer (up to its first zero) and the buffer of a text.
std::string pictureText(const std::array<char, document::PictureBufferSize>& buffer);
void setPictureText(std::array<char, document::PictureBufferSize>& buffer, const std::string& text);

}  // namespace ordinax::render
