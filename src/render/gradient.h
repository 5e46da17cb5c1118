// Two-colour gradients of filled areas: the colour of one channel at a
// position along a gradient (three profiles, plain or symmetric) and the
// filling of a rectangle with every gradient kind.
//
// A gradient value is kind + 100 × profile. Kinds:
//   0        plain fill with colour 1
//   1, 2     vertical lines left to right, horizontal lines top to bottom
//   3, 4     slanted lines, leaning right and left, coloured along x
//   5 .. 8   kinds 1 .. 4 symmetric (colour 1 at both ends, colour 2 in the middle)
//   9        concentric rectangle outlines, colour 1 at the border, colour 2 inside
//   10       concentric ellipses about the centre, colour 1 at the rim, colour 2 at the centre
//   11 .. 14 the same about the top-left, top-right, bottom-left and bottom-right corner
//   15 .. 19 kinds 10 .. 14 symmetric: colour 1 at the rim and at the anchor,
//            colour 2 halfway (two interpolation ranges along the radius)
//   above 19 plain fill with colour 1
// Profiles: 0 linear, 1 sine, 2 cosine; an unknown profile (value 300 and
// above) is a plain fill. A negative value is the "GINV" state: the gradient
// of the positive value with the two colours exchanged.
#pragma once

#include "render/draw_device.h"

namespace ordinax::render {

inline constexpr int GradientKindCount = 20;

// The parts of a stored gradient value.
struct DecodedGradient {
    int kind = 0;           // 0 .. 19; 0 is a plain fill
    int profile = 0;        // 0 linear, 1 sine, 2 cosine
    bool inverted = false;  // negative value: colours exchanged
};

// Splits a stored gradient value into kind, profile and inversion.
DecodedGradient decodeGradient(int value);

// One colour channel (0..255) at `position` of a gradient running from
// channel1 at `start` to channel2 at `end` with the given profile; the
// symmetric form runs channel1 → channel2 → channel1 about the middle.
// start = end gives channel2.
int colourAt(int start, int end, int position, int channel1, int channel2, int profile, bool symmetric);

// The three channels of a gradient colour at `position`.
Colour gradientColourAt(int start, int end, int position, Colour colour1, Colour colour2, int profile,
                        bool symmetric);

// Fills the rectangle with the gradient `gradient` from colour1 to colour2,
// one line, outline or ellipse per step in its own colour; nothing for an
// empty rectangle. The device's pen and brush are left changed.
void gradientFill(DrawDevice& device, const DevRect& rect, Colour colour1, Colour colour2, int gradient);

}  // namespace ordinax::render
