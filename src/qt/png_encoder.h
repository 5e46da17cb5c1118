// A PNG encoder made for diagrams: flat colours, few of them. A picture of
// at most 256 colours is written with a palette of 1, 2, 4 or 8 bits a pixel
// (a fraction of the bytes to compress), each row as its difference with the
// row above; any other as RGB rows, each with the filter that leaves the
// smallest differences. Plain C++ over zlib.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace ordinax::qt {

// Pixels 0xFFRRGGBB (the layout of an RGB32 image), rows of `stride` pixels.
struct PngPixels {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
    int dotsPerMetre = 0;  // 0: no pHYs chunk
};

// Receives the bytes of the file in order; false stops the encoding.
using PngSink = std::function<bool(const std::uint8_t* data, std::size_t size)>;

// Encodes the picture with zlib level `level` (0..9, clamped); a negative
// level chooses for diagrams: run-length deflate of the palette rows (as
// small as level 6 within a quarter of its time), level 1 for RGB rows
// (large pictures of many colours, where higher levels cost tens of
// milliseconds). False when the sink refused bytes, the size is not positive
// or zlib failed.
bool encodePng(const PngPixels& picture, int level, const PngSink& sink);

}  // namespace ordinax::qt
