// The rules of the symbol and line dialogs: the lists they offer, which
// controls each symbol type uses, the bounds of their fields, and the style
// a new curve takes from the preferences.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "document/diagram.h"

namespace ordinax::document {

// Symbol types, list "Type": "<aucun>", "Prédéfini", "Pastille", "Caractère", "Spécial".
inline constexpr std::array<std::string_view, 5> SymbolTypeNames = {"<aucun>", "Prédéfini", "Pastille", "Caractère",
                                                                    "Spécial"};
// Boxes of character and special symbols (the first "Option" list).
inline constexpr std::array<std::string_view, 5> BoxStyleNames = {"<aucune>", "Encadré normal", "Encadré justifié",
                                                                  "Entouré normal", "Entouré justifié"};
// Kinds of special symbols (the second "Option" list).
inline constexpr std::array<std::string_view, 8> SpecialKindNames = {
    "Suite 1234...", "Suite 0123...", "Suite abc...", "Suite ABC...",
    "Valeurs X",     "Valeurs Y",     "Valeurs X (+extension)", "Valeurs Y (+extension)"};
// Names of the 23 predefined shapes, for the list and for screen readers.
inline constexpr std::array<std::string_view, 23> PredefinedShapeNames = {
    "Point carré",         "Plus",                    "Cercle",
    "Croix",               "Carré",                   "Losange",
    "Étoile",              "Sablier",                 "Nœud papillon",
    "Demi-disque gauche",  "Demi-disque droit",       "Demi-disque supérieur",
    "Demi-disque inférieur", "Triangle vers la droite", "Triangle vers la gauche",
    "Triangle vers le bas", "Triangle vers le haut",  "Barre horizontale",
    "Barre verticale",     "Plus épais",              "Anneau",
    "Cadre carré",         "Carré rayé"};
// Line types: 0 none, then the pen styles.
inline constexpr std::array<std::string_view, 6> LineTypeNames = {"<aucune>",   "Continue",    "Tirets",
                                                                  "Pointillés", "Tiret-point", "Tiret-point-point"};

inline constexpr int SymbolSizeMin = 1;
inline constexpr int SymbolSizeMax = 128;
inline constexpr int CharacterCodeMin = 32;
inline constexpr int CharacterCodeMax = 255;
inline constexpr int LineWidthMin = 1;
inline constexpr int LineWidthMax = 50;

// The font sizes the dialogs offer: 6 to 12 by 1, 14 to 48 by 2, 52 to 128 by 4.
std::span<const int> fontSizes();

// Which controls of the symbol dialog a symbol type uses.
struct SymbolControls {
    bool shape = false;        // the predefined shapes
    bool character = false;    // the character and its font
    bool special = false;      // the kind of special symbol
    bool box = false;          // the box around characters and special symbols
    bool fill = false;         // "Plein"
    bool innerColour = false;  // fill colour (rim-to-centre colour of a shaded disc)
    bool outerColour = false;
    bool size = false;
    bool belowLine = false;
};
SymbolControls symbolControls(const SymbolStyle& symbol);

// The symbol as the dialog stores it: type within 0..4, shape number within
// 1..23, size, character code and option within their lists.
SymbolStyle normalisedSymbol(SymbolStyle symbol);

// The line style with types within 0..5 and widths within their bounds.
LineStyle normalisedLine(LineStyle line);

// The symbol and lines a new curve takes from the preferences; with
// `changeSymbol`, the predefined shape moves on by the curve's index so
// that every new curve gets a shape of its own.
struct CurveStyle {
    SymbolStyle symbol;
    LineStyle line;
};
CurveStyle newCurveStyle(const SymbolStyle& preferredSymbol, const LineStyle& preferredLine, bool changeSymbol,
                         int curveIndex);

}  // namespace ordinax::document
