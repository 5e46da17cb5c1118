// The rules of the page-setup sheet ("Mise en page") and of the matching
// preference pages: the sheet of an orientation, the checks of the margins
// and of the diagram size, the preview of a band text, and the size choices
// of the logo.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"
#include "render/page_codes.h"
#include "render/picture_placement.h"

namespace ordinax::render {

// Bounds of the fields, centimetres.
inline constexpr double MaxMarginCm = 10.0;
inline constexpr double MinDiagramCm = 2.0;
inline constexpr double MaxDiagramCm = 29.7;
inline constexpr double MaxLogoPositionCm = 29.7;
inline constexpr int MaxLogoZoom = 1000;
// Room the margins must leave on the sheet, centimetres.
inline constexpr double MinBodyCm = 2.0;

// The printed sheet in centimetres: A4, turned in landscape.
struct SheetCm {
    double width = 21.0;
    double height = 29.7;
};
SheetCm sheetOf(int orientation);

// The margins of a page (left, right, top, bottom, header, footer): the left
// and right margins, and the top and bottom ones, must leave MinBodyCm of the
// sheet; the message says which pair does not. Empty when they fit.
base::Message checkMargins(const std::array<double, 6>& margins, int orientation);

// The diagram on its page: no larger than the body between the margins (the
// message gives the body's size). Empty when it fits.
base::Message checkDiagramSize(const std::array<double, 2>& size, const std::array<double, 6>& margins,
                               int orientation);

// The three parts of a band text as the settings pages show them: the codes
// expanded for a preview (page 1 of 1, the {..} contents kept).
BandParts bandPreview(std::string_view text, const PageCodeContext& context);

// Stores a logo size choice: "Taille réelle" (natural size, zoom 100 %),
// "Zoom" (natural size × zoom) or "Définies manuellement" (logoSize).
void setLogoSizeMode(document::LogoSettings& logo, LogoSizeMode mode, int zoom);

}  // namespace ordinax::render
