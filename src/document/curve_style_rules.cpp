// Rules of the symbol and line dialogs.
#include "document/curve_style_rules.h"

#include <algorithm>
#include <vector>

#include "document/diagram_ops.h"

namespace ordinax::document {

std::span<const int> fontSizes() {
    static const std::vector<int> sizes = [] {
        std::vector<int> v;
        for (int s = 6; s <= 12; ++s) v.push_back(s);
        for (int s = 14; s <= 48; s += 2) v.push_back(s);
        for (int s = 52; s <= 128; s += 4) v.push_back(s);
        return v;
    }();
    return sizes;
}

SymbolControls symbolControls(const SymbolStyle& symbol) {
    SymbolControls c;
    switch (symbol.type) {
        case 1:
            c.shape = c.fill = c.outerColour = true;
            c.innerColour = symbol.fill != 0;
            break;
        case 2:
            // The shaded disc goes from the outer colour at its rim to the inner one at its centre.
            c.innerColour = c.outerColour = true;
            break;
        case 3:
        case 4:
            c.character = symbol.type == 3;
            c.special = symbol.type == 4;
            c.box = c.fill = c.outerColour = true;
            // Only a box or a circle (the field after the fill flag) can be filled.
            c.innerColour = symbol.fill != 0 && symbol.reserved != 0;
            break;
        default:
            return c;
    }
    c.size = c.belowLine = true;
    return c;
}

SymbolStyle normalisedSymbol(SymbolStyle s) {
    s.type = std::clamp(s.type, 0, 4);
    s.number = reduceSymbolNumber(s.number);
    if (s.number < 1) s.number = 1;
    s.size = std::clamp(s.size, SymbolSizeMin, SymbolSizeMax);
    s.character = std::clamp(s.character, CharacterCodeMin, CharacterCodeMax);
    s.fill = s.fill != 0 ? 1 : 0;
    s.belowLine = s.belowLine != 0 ? 1 : 0;
    if (s.type == 4) s.option = std::clamp(s.option, 0, static_cast<int>(SpecialKindNames.size()) - 1);
    s.reserved = std::clamp(s.reserved, 0, static_cast<int>(BoxStyleNames.size()) - 1);
    return s;
}

LineStyle normalisedLine(LineStyle line) {
    for (std::size_t i = 0; i < 2; ++i) {
        line.type[i] = std::clamp(line.type[i], 0, static_cast<int>(LineTypeNames.size()) - 1);
        line.width[i] = std::clamp(line.width[i], LineWidthMin, LineWidthMax);
    }
    return line;
}

CurveStyle newCurveStyle(const SymbolStyle& preferredSymbol, const LineStyle& preferredLine, bool changeSymbol,
                         int curveIndex) {
    CurveStyle style{preferredSymbol, preferredLine};
    if (changeSymbol && style.symbol.type == 1 && curveIndex > 0) {
        const int first = std::clamp(reduceSymbolNumber(style.symbol.number), 1, 23);
        style.symbol.number = 1 + (first - 1 + curveIndex) % 23;
    }
    return style;
}

}  // namespace ordinax::document
