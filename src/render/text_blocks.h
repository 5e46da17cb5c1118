// The positioned text blocks of a diagram (titles, axis labels, legend lines,
// tags): their base font, alignment and turn, their measured size with the
// box's inner margins, and their drawing (box first, then the markup).
#pragma once

#include <string_view>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"
#include "render/graduation.h"
#include "render/markup_layout.h"

namespace ordinax::render {

// Font of label texts before their own ¶F and ¶S codes apply (stored size).
inline constexpr const char* LabelBaseFont = "-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial";

// Pixels per point of ¶S sizes on the device, so that they agree with stored
// font heights converted through the device scale.
double markupPixelsPerPoint(const DeviceScale& scale, int screenDpiY);

// The label base font converted for the device (negative pixel height).
base::LogFont labelFont(const DeviceScale& scale);

// Lays out label markup on the device: the MarkupPainter of graduation values
// and the measurer of text blocks, over the full markup layout.
class MarkupBlockPainter : public MarkupPainter {
public:
    explicit MarkupBlockPainter(double pixelsPerPoint) : pixelsPerPoint_(pixelsPerPoint) {}

    // Font (device height, any escapement) and colour the next texts start from.
    void setBase(const base::LogFont& font, Colour colour);

    TextExtent measure(DrawDevice& device, std::string_view markup) override;
    void draw(DrawDevice& device, const DevRect& box, std::string_view markup, bool turned) override;

    // Size of the markup, width and height exchanged when turned.
    TextExtent measureBlock(DrawDevice& device, std::string_view markup, bool turned);

    // Draws the markup inside `box` with the alignment (1 left, 2 right, 3 centred).
    void drawBlock(DrawDevice& device, const DevRect& box, std::string_view markup, int alignment, bool turned);

private:
    double pixelsPerPoint_;
    base::LogFont font_;
    Colour colour_ = 0;
};

// True for an axis label slot (4, 5) placed beside the plot (codes 4, 5, 6):
// its text is turned a quarter turn, reading upwards.
bool isTurnedBlock(int slot, int placement);

// Alignment of the lines inside a block: titles and tags by their code, X
// labels centred, Y labels 1 and 5 left, 2 and 4 right, 6 centred; the legend left.
int blockAlignment(int slot, int placement);

// One measured block.
struct TextBlock {
    bool shown = false;   // the slot holds text to draw
    bool turned = false;
    int alignment = AlignCentre;
    TextExtent text;      // the laid-out text (already exchanged when turned)
    int marginX = 0;      // inner margins in device pixels
    int marginY = 0;
    int frame = 0;        // border width in device pixels, 0 without a border
    int width() const { return text.width + 2 * marginX; }
    int height() const { return text.height + 2 * marginY; }
};

// Inner margins of a painted box in device pixels.
DevPoint innerMargins(const document::PaintStyle& style, const DeviceScale& scale);

// Border width of a painted box in device pixels, 0 when its border is off.
int frameWidth(const document::PaintStyle& style, const DeviceScale& scale);

// Measures label slot `slot` (0..5, 7..16) of the diagram; not shown when
// the slot is empty or holds no text.
TextBlock measureTextBlock(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                           int slot, const DeviceScale& scale);

// Draws a measured block into its rectangle: the box (shadow, fill, border),
// then the text inside the inner margins.
void drawTextBlock(DrawDevice& device, MarkupBlockPainter& painter, const document::LabelSlot& slot,
                   const TextBlock& block, const DevRect& rect, const DeviceScale& scale, bool simpleShadow);

// Moves a rectangle inside `bounds` without changing its size; the left and
// top edges win when it is larger.
DevRect clampInto(const DevRect& rect, const DevRect& bounds);

}  // namespace ordinax::render
