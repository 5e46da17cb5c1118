// Text blocks: measurement with their margins, alignment codes and drawing.
#include "render/text_blocks.h"

#include <algorithm>

#include "render/paint_area.h"

namespace ordinax::render {

using document::PaintStyle;

double markupPixelsPerPoint(const DeviceScale& scale, int screenDpiY) {
    return scale.factorY() * (screenDpiY > 0 ? screenDpiY : 96) / 72.0;
}

base::LogFont labelFont(const DeviceScale& scale) {
    base::LogFont font = base::fontFromTextOrDefault(LabelBaseFont);
    font.height = scale.fontHeight(font.height);
    return font;
}

void MarkupBlockPainter::setBase(const base::LogFont& font, Colour colour) {
    font_ = font;
    // The layout turns the runs itself.
    font_.escapement = 0;
    font_.orientation = 0;
    colour_ = colour;
}

TextExtent MarkupBlockPainter::measure(DrawDevice& device, std::string_view markup) {
    const MarkupSize size =
        layoutMarkup(device, markup, font_, colour_, {}, AlignLeft, 0, MarkupMode::Measure, pixelsPerPoint_);
    return {size.width, size.height};
}

void MarkupBlockPainter::draw(DrawDevice& device, const DevRect& box, std::string_view markup, bool turned) {
    layoutMarkup(device, markup, font_, colour_, box, AlignLeft, turned ? 90 : 0, MarkupMode::Draw, pixelsPerPoint_);
}

TextExtent MarkupBlockPainter::measureBlock(DrawDevice& device, std::string_view markup, bool turned) {
    const MarkupSize size = layoutMarkup(device, markup, font_, colour_, {}, AlignLeft, turned ? 90 : 0,
                                         MarkupMode::Measure, pixelsPerPoint_);
    return {size.width, size.height};
}

void MarkupBlockPainter::drawBlock(DrawDevice& device, const DevRect& box, std::string_view markup, int alignment,
                                   bool turned) {
    layoutMarkup(device, markup, font_, colour_, box, alignment, turned ? 90 : 0, MarkupMode::Draw, pixelsPerPoint_);
}

bool isTurnedBlock(int slot, int placement) {
    return (slot == 4 || slot == 5) && placement >= 4 && placement <= 6;
}

int blockAlignment(int slot, int placement) {
    if (slot == 2 || slot == 3) return AlignCentre;
    if (slot == 4 || slot == 5) {
        if (placement == 1 || placement == 5) return AlignLeft;
        if (placement == 2 || placement == 4) return AlignRight;
        return AlignCentre;
    }
    if (slot == document::LegendSlot) return AlignLeft;
    return placement == AlignLeft || placement == AlignRight ? placement : AlignCentre;
}

DevPoint innerMargins(const PaintStyle& style, const DeviceScale& scale) {
    // A zero or negative margin stays zero (the scale rounds up to one pixel).
    const int x = style[PaintStyle::MarginX] > 0 ? scale.x(style[PaintStyle::MarginX]) : 0;
    const int y = style[PaintStyle::MarginY] > 0 ? scale.y(style[PaintStyle::MarginY]) : 0;
    return {x, y};
}

int frameWidth(const PaintStyle& style, const DeviceScale& scale) {
    return style[PaintStyle::Border] != 0 ? borderPenWidth(style, scale) : 0;
}

TextBlock measureTextBlock(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                           int slot, const DeviceScale& scale) {
    TextBlock block;
    if (slot < 0 || slot >= document::LabelSlotCount || slot == document::LegendSlot) return block;
    const document::LabelSlot& label = diagram.labels[static_cast<std::size_t>(slot)];
    if (label.placement < 0 || label.text.empty()) return block;
    if (slot >= document::FirstTagSlot && diagram.tagOrder[static_cast<std::size_t>(slot - document::FirstTagSlot)] < 0)
        return block;
    block.turned = isTurnedBlock(slot, label.placement);
    block.alignment = blockAlignment(slot, label.placement);
    block.text = painter.measureBlock(device, label.text, block.turned);
    if (block.text.width <= 0 || block.text.height <= 0) return block;
    const DevPoint margins = innerMargins(label.paint, scale);
    block.marginX = margins.x;
    block.marginY = margins.y;
    block.frame = frameWidth(label.paint, scale);
    block.shown = true;
    return block;
}

void drawTextBlock(DrawDevice& device, MarkupBlockPainter& painter, const document::LabelSlot& slot,
                   const TextBlock& block, const DevRect& rect, const DeviceScale& scale, bool simpleShadow) {
    if (!block.shown || rect.empty()) return;
    paintArea(device, rect, slot.paint, scale, simpleShadow);
    const DevRect inside{rect.left + block.marginX, rect.top + block.marginY, rect.right - block.marginX,
                         rect.bottom - block.marginY};
    painter.drawBlock(device, inside, slot.text, block.alignment, block.turned);
}

DevRect clampInto(const DevRect& rect, const DevRect& bounds) {
    int dx = 0;
    int dy = 0;
    if (rect.right > bounds.right) dx = bounds.right - rect.right;
    if (rect.left + dx < bounds.left) dx = bounds.left - rect.left;
    if (rect.bottom > bounds.bottom) dy = bounds.bottom - rect.bottom;
    if (rect.top + dy < bounds.top) dy = bounds.top - rect.top;
    return rect.offset(dx, dy);
}

}  // namespace ordinax::render
