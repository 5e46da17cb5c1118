// Curve symbols: the 23 predefined shapes, shaded discs, and character or
// special texts centred on their point with an optional box or circle.
#include "render/symbol_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/format.h"

namespace ordinax::render {

namespace {

Colour colourOf(std::int32_t stored) { return static_cast<Colour>(stored) & 0xFFFFFFu; }

bool blankFont(const base::LogFont& font) { return font.height == 0 && font.faceName[0] == '\0'; }

// A shape of straight strokes (no brush needed).
void stroke(DrawDevice& device, int x0, int y0, int x1, int y1) { device.line({x0, y0}, {x1, y1}); }

void triangle(DrawDevice& device, DevPoint p0, DevPoint p1, DevPoint p2) {
    const std::array<DevPoint, 3> points{p0, p1, p2};
    device.polygon(points);
}

void drawPredefined(DrawDevice& device, int x, int y, SymbolSetup& setup) {
    const document::SymbolStyle& style = setup.style;
    device.setPen({PenStyle::Solid, setup.penWidth, colourOf(style.outerColour)});
    device.setBrush(style.fill ? solidBrush(colourOf(style.innerColour)) : HollowBrush);
    const int w = setup.size.width, h = setup.size.height;
    const int a = w / 2, b = h / 2, q = w / 4, r = h / 4;
    const DevRect box{x - a, y - b, x + a + 1, y + b + 1};
    switch (reducedShapeNumber(style.number)) {
    case 1: device.rectangle({x - 1, y - 1, x + 1, y + 1}); break;
    case 2:
        stroke(device, x - a, y, x + a + 1, y);
        stroke(device, x, y - b, x, y + b + 1);
        break;
    case 3: device.ellipse(box); break;
    case 4:
        stroke(device, x - a, y + b, x + a + 1, y - b - 1);
        stroke(device, x - a, y - b, x + a + 1, y + b + 1);
        break;
    case 5: device.rectangle(box); break;
    case 6: {
        const std::array<DevPoint, 4> diamond{DevPoint{x - a, y}, DevPoint{x, y - b}, DevPoint{x + a, y}, DevPoint{x, y + b}};
        device.polygon(diamond);
        break;
    }
    case 7:
        stroke(device, x - a, y, x + a + 1, y);
        stroke(device, x, y - b, x, y + b + 1);
        stroke(device, x - a + 1, y + b - 1, x + a, y - b);
        stroke(device, x - a + 1, y - b + 1, x + a, y + b);
        break;
    case 8:
        triangle(device, {x - a, y + b}, {x + a, y + b}, {x, y});
        triangle(device, {x - a, y - b}, {x + a, y - b}, {x, y});
        break;
    case 9:
        triangle(device, {x - a, y - b}, {x - a, y + b}, {x, y});
        triangle(device, {x + a, y - b}, {x + a, y + b}, {x, y});
        break;
    case 10: device.chord(box, {x, y - b}, {x, y + b + 1}); break;
    case 11: device.chord(box, {x, y + b + 1}, {x, y - b}); break;
    case 12: device.chord(box, {x + a + 1, y}, {x - a, y}); break;
    case 13: device.chord(box, {x - a, y}, {x + a + 1, y}); break;
    case 14: triangle(device, {x + a, y}, {x - a, y + b}, {x - a, y - b}); break;
    case 15: triangle(device, {x - a, y}, {x + a, y - b}, {x + a, y + b}); break;
    case 16: triangle(device, {x, y + b}, {x - a, y - b}, {x + a, y - b}); break;
    case 17: triangle(device, {x, y - b}, {x - a + 1, y + b}, {x + a + 1, y + b}); break;
    case 18: device.rectangle({x - a, y - r + 1, x + a + 1, y + r}); break;
    case 19: device.rectangle({x - q + 1, y - b, x + q, y + b + 1}); break;
    case 20: {
        // Arms half as thick as the symbol, crossing at the point.
        const std::array<DevPoint, 12> plus{DevPoint{x - q, y - b}, DevPoint{x + q, y - b}, DevPoint{x + q, y - r},
                                            DevPoint{x + a, y - r}, DevPoint{x + a, y + r}, DevPoint{x + q, y + r},
                                            DevPoint{x + q, y + b}, DevPoint{x - q, y + b}, DevPoint{x - q, y + r},
                                            DevPoint{x - a, y + r}, DevPoint{x - a, y - r}, DevPoint{x - q, y - r}};
        device.polygon(plus);
        break;
    }
    case 21:
    case 22: {
        // The hole is cut out by a clip region so that the brush shows only
        // on the ring or frame; the clip in force is put back afterwards.
        const bool ring = reducedShapeNumber(style.number) == 21;
        const DevRect hole{x - q, y - r, x + q + 1, y + r + 1};
        ClipArea area;
        area.rect = setup.restoreClip ? intersect(box.inflated(setup.penWidth, setup.penWidth), setup.restoreClip->rect)
                                      : box.inflated(setup.penWidth, setup.penWidth);
        area.hasHole = true;
        area.holeIsEllipse = ring;
        area.hole = hole;
        device.setClip(area);
        if (ring) device.ellipse(box);
        else device.rectangle(box);
        if (setup.restoreClip) device.setClip(*setup.restoreClip);
        else device.clearClip();
        device.setBrush(HollowBrush);
        if (ring) {
            device.arc(hole, {x + q + 1, y}, {x - q, y});
            device.arc(hole, {x - q, y}, {x + q + 1, y});
        } else {
            device.rectangle(hole);
        }
        break;
    }
    case 23:
        device.rectangle(box);
        stroke(device, x - a, y - r, x + 1, y - r);
        stroke(device, x - a, y + r, x + 1, y + r);
        break;
    default: break;
    }
}

void drawShadedDisc(DrawDevice& device, int x, int y, const SymbolSetup& setup) {
    const Colour inner = colourOf(setup.style.innerColour);
    const Colour outer = colourOf(setup.style.outerColour);
    const int half = setup.size.width / 2;
    device.setBrush(HollowBrush);
    for (int r = half; r >= 0; --r) {
        // Channel by channel from the inner colour at the centre to the outer one at the rim.
        auto channel = [&](int in, int out) {
            if (half == 0) return out;
            return static_cast<int>(std::lround(in + static_cast<double>(out - in) * r / half));
        };
        const Colour c = rgb(channel(redOf(inner), redOf(outer)), channel(greenOf(inner), greenOf(outer)),
                             channel(blueOf(inner), blueOf(outer)));
        device.setPen({PenStyle::Solid, 2, c});
        device.ellipse({x - r, y - r, x + r + 1, y + r + 1});
    }
}

std::string letterSequence(int index, char first) {
    // a .. z, aa, ab, ...: a numbering without a zero digit.
    std::string text;
    long long n = static_cast<long long>(index) + 1;
    while (n > 0) {
        --n;
        text.insert(text.begin(), static_cast<char>(first + n % 26));
        n /= 26;
    }
    return text;
}

void drawText(DrawDevice& device, int x, int y, SymbolSetup& setup, SymbolPass pass, const std::string& text) {
    device.setFont(setup.font);
    const TextExtent extent = device.textExtent(text);
    const FontMetrics metrics = device.fontMetrics();
    const TextExtent own{extent.width, extent.height - metrics.descent};
    if (pass == SymbolPass::Measure) {
        setup.largest.width = std::max(setup.largest.width, own.width);
        setup.largest.height = std::max(setup.largest.height, own.height);
        return;
    }
    const document::SymbolStyle& style = setup.style;
    const int boxStyle = style.reserved;  // the box style follows the fill flag
    if (boxStyle >= 1 && boxStyle <= 4) {
        const bool justified = boxStyle == 2 || boxStyle == 4;
        const TextExtent size = justified ? TextExtent{std::max(own.width, setup.largest.width),
                                                       std::max(own.height, setup.largest.height)}
                                          : own;
        device.setPen({PenStyle::Solid, setup.penWidth, colourOf(style.outerColour)});
        device.setBrush(style.fill ? solidBrush(colourOf(style.innerColour)) : HollowBrush);
        if (boxStyle <= 2) {
            const DevRect box{x - size.width / 2, y - size.height / 2, x - size.width / 2 + size.width,
                              y - size.height / 2 + size.height};
            device.rectangle(box.inflated(setup.penWidth, setup.penWidth));
        } else {
            const double diagonal = std::sqrt(static_cast<double>(size.width) * size.width +
                                              static_cast<double>(size.height) * size.height);
            const int radius = static_cast<int>(std::ceil(diagonal / 2.0)) + setup.penWidth;
            device.ellipse({x - radius, y - radius, x + radius + 1, y + radius + 1});
        }
    }
    device.setTextColour(colourOf(style.outerColour));
    device.text(x - own.width / 2, y - own.height / 2 + metrics.ascent, text);
}

}  // namespace

int reducedShapeNumber(int number) {
    if (number > PredefinedShapeCount) number = (number - 2) % 22 + 2;
    return number;
}

SymbolSetup makeSymbolSetup(const document::SymbolStyle& style, const DeviceScale& scale, int screenDpiY,
                            const DrawDevice& device) {
    SymbolSetup setup;
    setup.style = style;
    setup.size = symbolSize(style.size, scale, screenDpiY, device.dpiX(), device.dpiY());
    setup.penWidth = scale.x(1);
    setup.font = blankFont(style.font) ? base::fontFromTextOrDefault(DefaultSymbolFont) : style.font;
    setup.font.height = scale.fontHeight(setup.font.height == 0 ? 12 : setup.font.height);
    return setup;
}

std::string specialSymbolText(const SymbolSetup& setup, int index, double x, double y) {
    auto value = [&](double v, int direction, bool withSymbol) {
        if (setup.valueText) return setup.valueText(v, direction, withSymbol);
        return base::formatPrintf("%g", v);
    };
    switch (setup.style.option) {
    case 0: return std::to_string(index + 1);
    case 1: return std::to_string(index);
    case 2: return letterSequence(index, 'a');
    case 3: return letterSequence(index, 'A');
    case 4: return value(x, 0, false);
    case 5: return value(y, 1, false);
    case 6: return value(x, 0, true);
    case 7: return value(y, 1, true);
    default: return std::to_string(index + 1);
    }
}

void drawSymbol(DrawDevice& device, int x, int y, SymbolSetup& setup, SymbolPass pass, int index,
                document::Point value) {
    switch (setup.style.type) {
    case SymbolPredefined:
        if (pass == SymbolPass::Draw) drawPredefined(device, x, y, setup);
        break;
    case SymbolShaded:
        if (pass == SymbolPass::Draw) drawShadedDisc(device, x, y, setup);
        break;
    case SymbolCharacter:
        drawText(device, x, y, setup, pass, std::string(1, static_cast<char>(setup.style.character & 0xFF)));
        break;
    case SymbolSpecial: drawText(device, x, y, setup, pass, specialSymbolText(setup, index, value.x, value.y)); break;
    default: break;
    }
}

}  // namespace ordinax::render
