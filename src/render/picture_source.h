// Pictures of the page and plot fills and of the logo, as the renderer sees
// them: a source that knows a picture file's natural size and draws it into
// a rectangle of the device. The Qt adapter decodes the files (bitmaps,
// EMF and WMF as vector pictures); the core only places them.
#pragma once

#include <optional>
#include <string_view>

#include "render/draw_device.h"

namespace ordinax::render {

// Natural size of a picture: pixels and the resolution they were made for
// (96 when the file does not say).
struct PictureInfo {
    int width = 0;
    int height = 0;
    double dpiX = 96.0;
    double dpiY = 96.0;
};

class PictureSource {
public:
    virtual ~PictureSource() = default;

    // The picture's natural size; nullopt when the file is missing or cannot be read.
    virtual std::optional<PictureInfo> info(std::string_view path) = 0;

    // Draws the whole picture scaled into `destination` (clipped to `clip`);
    // false, with nothing drawn, when it cannot be read.
    virtual bool draw(DrawDevice& device, std::string_view path, const DevRect& destination, const DevRect& clip) = 0;
};

}  // namespace ordinax::render
