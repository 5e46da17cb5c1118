// Placement of pictures: the page and plot fills (by the area's picture
// mode) and the logo of the diagram page (by its location and size mode).
// Only rectangles are computed here; a PictureSource decodes and draws.
#pragma once

#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "render/draw_device.h"
#include "render/picture_source.h"

namespace ordinax::render {

// Codes of PaintStyle's picture mode. Unknown codes are drawn stretched.
enum PictureMode : int {
    PictureStretched = 0,          // scaled to the whole area
    PictureCentred = 1,            // natural size, centred, cut at the area's edges
    PictureTiled = 2,              // natural size, repeated from the area's top-left
    PictureProportional = 3,       // largest size keeping proportions that fits, centred
    PictureProportionalFill = 4,   // smallest size keeping proportions that covers, centred, cut
};

// Most tiles a tiled area draws; smaller tiles are enlarged by a whole factor
// so that a one-pixel picture on a printer page stays a few thousand draws.
inline constexpr int kMaxTiles = 4096;

// Logo locations ("Logo, Image, Filigrane").
enum LogoLocation : int {
    LogoTopLeft = 0,      // "En haut, à gauche"
    LogoTopRight = 1,     // "En haut, à droite"
    LogoBottomLeft = 2,   // "En bas, à gauche"
    LogoBottomRight = 3,  // "En bas, à droite"
    LogoCentre = 4,       // "Au centre"
    LogoExact = 5,        // "Exactement": position[] cm from the page's top-left
};

// The three size choices of the logo, read from LogoSettings.
enum class LogoSizeMode {
    Natural,  // "Taille réelle": dimension 0 with a zoom of 100 %
    Zoom,     // "Zoom": dimension 0, natural size × zoom percent
    Manual,   // "Définies manuellement": dimension not 0, logoSize[] cm
};

// The size choice stored in the logo settings.
LogoSizeMode logoSizeMode(const document::LogoSettings& logo);

// The picture's natural size in pixels of a device of the given resolution
// (at least 1 × 1); (0, 0) for a picture without pixels.
DevPoint naturalPictureSize(const PictureInfo& info, double deviceDpiX, double deviceDpiY);

// Destination rectangles of the picture for the area and mode: one rectangle
// except when tiled; they may reach beyond the area, which clips them. Empty
// for an empty area or a picture without pixels.
std::vector<DevRect> pictureRects(const DevRect& area, const PictureInfo& info, int mode, int deviceDpiX,
                                  int deviceDpiY);

// Rectangle of the logo on the page. The natural size of the picture is
// converted through its own resolution into centimetres, then into page
// pixels; locations outside 0..5 are placed at the top-left. Empty when the
// picture has no pixels or the size comes out empty.
DevRect logoRect(const DevRect& page, const document::LogoSettings& logo, const PictureInfo& info,
                 double pixelsPerCmX, double pixelsPerCmY);

// Draws the picture file into the area by the mode, clipped to the area;
// false (nothing drawn, the area stays as it was) when the path is empty or
// the picture cannot be read or drawn on this device.
bool drawAreaPicture(DrawDevice& device, PictureSource& source, std::string_view path, const DevRect& area,
                     int mode);

// Draws the logo picture on the page; false when nothing could be drawn.
bool drawLogo(DrawDevice& device, PictureSource& source, const DevRect& page, const document::LogoSettings& logo,
              double pixelsPerCmX, double pixelsPerCmY);

}  // namespace ordinax::render
