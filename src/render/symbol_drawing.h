// The symbols drawn at the points of a curve and in legend samples:
// predefined shapes, shaded discs, characters and special texts (point
// numbers, letters, coordinate values), with their boxes.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"
#include "render/pens.h"

namespace ordinax::render {

enum SymbolType : int { SymbolNone = 0, SymbolPredefined = 1, SymbolShaded = 2, SymbolCharacter = 3, SymbolSpecial = 4 };

// Number of predefined shapes; higher numbers come back by steps of 22.
inline constexpr int PredefinedShapeCount = 23;

// The default symbol font, used when a curve's font record is blank.
inline constexpr const char* DefaultSymbolFont = "-12,0,0,0,400,0,0,0,2,3,2,1,2,Wingdings";

// Text of a coordinate written as the main scale of `direction` writes its
// graduation values; `withSymbol` adds that scale's symbol (kinds 6 and 7).
using ValueTextFn = std::function<std::string(double value, int direction, bool withSymbol)>;

// Character and special symbols are measured over all points before any is
// drawn, so that the justified boxes share the largest size.
enum class SymbolPass { Measure, Draw };

// Everything a curve's symbols need, prepared once per curve.
struct SymbolSetup {
    document::SymbolStyle style;
    SymbolExtent size;                   // symbol width and height in pixels
    int penWidth = 1;                    // a 1-pixel stored pen on this device
    base::LogFont font;                  // character and special symbols, device height
    ValueTextFn valueText;               // kinds 4-7; "%g" when empty
    std::optional<ClipArea> restoreClip; // clip in force, put back after the ring and frame shapes
    TextExtent largest;                  // grown by the measuring pass
};

// The setup of a style on a device: size, pen width and font converted.
SymbolSetup makeSymbolSetup(const document::SymbolStyle& style, const DeviceScale& scale, int screenDpiY,
                            const DrawDevice& device);

// A predefined shape number brought into 1..23 (47 gives 3).
int reducedShapeNumber(int number);

// Text of a special symbol at point `index` (0-based) of value (x, y):
// "1", "0", "a", "A" sequences or the x or y value.
std::string specialSymbolText(const SymbolSetup& setup, int index, double x, double y);

// Draws (or, in the measuring pass of character and special symbols,
// measures) the symbol of point `index` centred on the device point (x, y).
void drawSymbol(DrawDevice& device, int x, int y, SymbolSetup& setup, SymbolPass pass, int index = 0,
                document::Point value = {});

// True when the symbol type measures all points before drawing.
inline bool isTextSymbol(int type) { return type == SymbolCharacter || type == SymbolSpecial; }

}  // namespace ordinax::render
