// The rest of the scale dialog's rules: the lists it offers (sub-division
// counts, kinds per direction, value formats, symbols, orientations), the
// custom symbol text, the copy of the graduation font and colour to the other
// scales, and the order of its four tabs.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "document/diagram.h"

namespace ordinax::render {

// The sub-division counts offered, in list order; the scale stores the index.
std::span<const int> subdivisionCounts();

// Kinds offered on a direction: LIN and LOG, and HENRY on the Y scales.
int kindCount(int direction);

// The tabs of the dialog in order: X lower, Y left, X upper, Y right.
struct ScaleTab {
    int direction;
    int side;
};
inline constexpr std::array<ScaleTab, 4> ScaleTabs = {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};

// The tab of a scale (direction, side).
int scaleTabIndex(int direction, int side);

// Value formats of the list, "Libre" .. "%": the stored format is the list
// position plus 1 (0, no values, is not in the list).
inline constexpr int FormatListCount = 5;
// Decimals accepted for the formats "Réel", "Scientifique" and "%".
inline constexpr int MaxDecimals = 5;
bool formatUsesDecimals(int format);

// Value symbols: 0 "<aucun>" .. 5 "£", 6 "Autre..." (the custom text).
inline constexpr int SymbolCount = 7;
inline constexpr int CustomSymbol = 6;
// Longest custom symbol text (bytes).
inline constexpr int MaxCustomSymbolLength = 10;

// Orientation list "Horizontal", "Vertical", "(non)": list index <-> stored
// orientation 0, 1, -1.
int orientationFromList(int index);
int orientationListIndex(int orientation);

// The custom symbol of a scale (Windows-1252 bytes, up to the first zero).
std::string customSymbolText(const document::AxisScale& scale);
// Stores a custom symbol, cut to MaxCustomSymbolLength bytes.
void setCustomSymbol(document::AxisScale& scale, std::string_view text);

// Gives the three other scales the graduation font and colour of (direction, side).
void copyGraduationLook(document::Diagram& diagram, int direction, int side);

// The main side of a direction as chosen in the dialog ("Échelle principale"):
// only an active scale can be the main one; false when refused.
bool setMainSide(document::Diagram& diagram, int direction, int side);

}  // namespace ordinax::render
