// Rules of the page-setup sheet.
#include "render/page_setup_rules.h"

#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "base/strings.h"
#include "base/strings_presentation.h"

namespace ordinax::render {

SheetCm sheetOf(int orientation) {
    return orientation == 1 ? SheetCm{29.7, 21.0} : SheetCm{21.0, 29.7};
}

base::Message checkMargins(const std::array<double, 6>& margins, int orientation) {
    const SheetCm sheet = sheetOf(orientation);
    if (sheet.width - margins[0] - margins[1] < MinBodyCm)
        return base::makeMessage(base::MsgMarginsTooWide, base::Heading::Error);
    if (sheet.height - margins[2] - margins[3] < MinBodyCm)
        return base::makeMessage(base::MsgMarginsTooHigh, base::Heading::Error);
    return {};
}

base::Message checkDiagramSize(const std::array<double, 2>& size, const std::array<double, 6>& margins,
                               int orientation) {
    const SheetCm sheet = sheetOf(orientation);
    const double width = sheet.width - margins[0] - margins[1];
    const double height = sheet.height - margins[2] - margins[3];
    // A hundredth of a centimetre is what the settings store keeps.
    constexpr double Tolerance = 0.005;
    if (size[0] <= width + Tolerance && size[1] <= height + Tolerance) return {};
    const std::string body = base::trimmedNumberText(std::round(width * 100.0) / 100.0) + " x " +
                             base::trimmedNumberText(std::round(height * 100.0) / 100.0) + " cm";
    return base::makeMessage(base::MsgDiagramTooLarge, base::Heading::Error, body);
}

BandParts bandPreview(std::string_view text, const PageCodeContext& context) {
    return splitBandText(expandPageCodes(text, PagePreview, context));
}

void setLogoSizeMode(document::LogoSettings& logo, LogoSizeMode mode, int zoom) {
    switch (mode) {
        case LogoSizeMode::Natural:
            logo.dimension = 0;
            logo.zoom = 100;
            break;
        case LogoSizeMode::Zoom:
            logo.dimension = 0;
            logo.zoom = std::clamp(zoom, 1, MaxLogoZoom);
            break;
        case LogoSizeMode::Manual:
            logo.dimension = 1;
            break;
    }
}

}  // namespace ordinax::render
