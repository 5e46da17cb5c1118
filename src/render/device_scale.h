// Conversion of the sizes stored in a diagram (pen widths, spacings, tick
// lengths, shadow depths, frame thicknesses, font heights), which are in
// nominal screen pixels, into pixels of the output device.
#pragma once

#include "render/draw_device.h"

namespace ordinax::render {

// Where a pass draws, as far as size conversion cares.
struct OutputKind {
    bool printing = false;         // printer, print preview or a printed PDF page
    int displayMode = 1;           // 1 normal, 2 page width, 3 full page (screen only)
    int deviceDpiX = 96;           // pixels per inch of the output
    int deviceDpiY = 96;
    int screenDpiX = 96;           // pixels per inch of the screen the sizes were chosen on
    int screenDpiY = 96;
    DevRect pageRect;              // the page in device pixels (page modes)
    double pageWidthCm = 21.0;     // the sheet the page rectangle shows
    double pageHeightCm = 29.7;
    double zoom = 1.0;             // the view's zoom on screen
};

class DeviceScale {
public:
    DeviceScale() = default;
    explicit DeviceScale(const OutputKind& output);

    // A horizontal or vertical stored size in output pixels: rounded, at least 1.
    int x(double size) const;
    int y(double size) const;

    // A font height (points-derived pixel height of the screen) for the device:
    // negative character height of at least 1 pixel.
    int fontHeight(int storedHeight) const;

    // The font height of graduation values: as fontHeight, but in the normal
    // screen mode never smaller than LegibleValuePixels of a 96 pixels-per-inch
    // screen (the mode draws at 72/96 of the stored sizes, which leaves the
    // default 12-pixel values 9 pixels high).
    int valueFontHeight(int storedHeight) const;

    double factorX() const { return fx_; }
    double factorY() const { return fy_; }

private:
    double fx_ = 1.0;
    double fy_ = 1.0;
    int minValueHeight_ = 1;
};

// Smallest height in pixels of graduation values in the normal screen mode.
inline constexpr int LegibleValuePixels = 11;

}  // namespace ordinax::render
