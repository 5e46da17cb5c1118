// The 16 named text colours offered by the label editor (the standard
// colours of the default palette), with their French names in Windows-1252.
#pragma once

#include <string_view>

#include "richtext/markup_codes.h"

namespace ordinax::richtext {

struct EditorColour {
    std::string_view name;  // Windows-1252
    Colour colour;
};

inline constexpr EditorColour EditorColours[] = {
    {"Noir", rgbColour(0, 0, 0)},
    {"Marron", rgbColour(128, 0, 0)},
    {"Vert", rgbColour(0, 128, 0)},
    {"Olive", rgbColour(128, 128, 0)},
    {"Bleu fonc\xE9", rgbColour(0, 0, 128)},
    {"Violet", rgbColour(128, 0, 128)},
    {"Cyan", rgbColour(0, 128, 128)},
    {"Gris", rgbColour(128, 128, 128)},
    {"Argent", rgbColour(192, 192, 192)},
    {"Rouge", rgbColour(255, 0, 0)},
    {"Vert clair", rgbColour(0, 255, 0)},
    {"Jaune", rgbColour(255, 255, 0)},
    {"Bleu moyen", rgbColour(0, 0, 255)},
    {"Fuchsia", rgbColour(255, 0, 255)},
    {"Bleu clair", rgbColour(0, 255, 255)},
    {"Blanc", rgbColour(255, 255, 255)},
};

// The entry that stands for the system's window-text colour in the list.
inline constexpr std::string_view AutomaticColourName = "<Automatique>";

}  // namespace ordinax::richtext
