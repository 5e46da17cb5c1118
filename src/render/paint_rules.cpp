// The rules of the fill, border and shadow dialogs.
#include "render/paint_rules.h"

#include <algorithm>

namespace ordinax::render {

namespace {

using P = document::PaintStyle;

}  // namespace

int encodeGradient(const DecodedGradient& gradient) {
    const int kind = gradient.kind >= 0 && gradient.kind < GradientKindCount ? gradient.kind : 0;
    const int profile = std::clamp(gradient.profile, 0, GradientProfileCount - 1);
    if (kind == 0) return 0;
    const int value = kind + 100 * profile;
    return gradient.inverted ? -value : value;
}

std::string pictureText(const std::array<char, document::PictureBufferSize>& buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return std::string(buffer.begin(), end);
}

void setPictureText(std::array<char, document::PictureBufferSize>& buffer, const std::string& text) {
    buffer = {};
    // One byte stays zero: the buffer is read up to its first zero.
    const std::size_t length = std::min(text.size(), buffer.size() - 1);
    std::copy_n(text.begin(), length, buffer.begin());
}

FillChoice readFill(const document::PaintStyle& style, const std::array<char, document::PictureBufferSize>* picture) {
    FillChoice choice;
    choice.active = style[P::Fill] != 0;
    choice.colour1 = style[P::FillColour1];
    choice.colour2 = style[P::FillColour2];
    choice.gradient = decodeGradient(style[P::Gradient]);
    if (picture) {
        choice.picture = style[P::Picture] != 0;
        choice.pictureMode = std::clamp(style[P::PicturePlacement], 0, PictureModeCount - 1);
        choice.pictureFile = pictureText(*picture);
    }
    return choice;
}

BorderChoice readBorder(const document::PaintStyle& style) {
    BorderChoice choice;
    choice.active = style[P::Border] != 0;
    choice.colour = style[P::BorderColour];
    choice.width = std::max(style[P::BorderWidthX], style[P::BorderWidthY]);
    choice.marginX = style[P::MarginX];
    choice.marginY = style[P::MarginY];
    return choice;
}

ShadowChoice readShadow(const document::PaintStyle& style) {
    ShadowChoice choice;
    choice.active = style[P::Shadow] != 0;
    choice.colour = style[P::ShadowColour];
    choice.hardness = style[P::ShadowHardness];
    choice.depthX = style[P::ShadowDepthX];
    choice.depthY = style[P::ShadowDepthY];
    return choice;
}

void applyFill(document::PaintStyle& style, std::array<char, document::PictureBufferSize>* picture,
               const FillChoice& choice) {
    style[P::Fill] = choice.active ? 1 : 0;
    style[P::FillColour1] = choice.colour1;
    style[P::FillColour2] = choice.colour2;
    style[P::Gradient] = encodeGradient(choice.gradient);
    if (!picture) return;
    style[P::Picture] = choice.picture ? 1 : 0;
    style[P::PicturePlacement] = std::clamp(choice.pictureMode, 0, PictureModeCount - 1);
    setPictureText(*picture, choice.pictureFile);
}

void applyBorder(document::PaintStyle& style, const BorderChoice& choice) {
    style[P::Border] = choice.active ? 1 : 0;
    style[P::BorderColour] = choice.colour;
    const int width = std::clamp(choice.width, MinBorderWidth, MaxBorderWidth);
    style[P::BorderWidthX] = width;
    style[P::BorderWidthY] = width;
    style[P::MarginX] = std::clamp(choice.marginX, 0, MaxInnerMargin);
    style[P::MarginY] = std::clamp(choice.marginY, 0, MaxInnerMargin);
}

void applyShadow(document::PaintStyle& style, const ShadowChoice& choice) {
    style[P::Shadow] = choice.active ? 1 : 0;
    style[P::ShadowColour] = choice.colour;
    style[P::ShadowHardness] = std::clamp(choice.hardness, 0, MaxShadowHardness);
    style[P::ShadowDepthX] = std::clamp(choice.depthX, 0, MaxShadowDepth);
    style[P::ShadowDepthY] = std::clamp(choice.depthY, 0, MaxShadowDepth);
}

}  // namespace ordinax::render
