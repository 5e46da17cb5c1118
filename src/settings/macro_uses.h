// Which attributes of the "Macros" dialog a command of the catalogue uses:
// the attribute panel shows those and hides the others.
#pragma once

namespace ordinax::settings {

enum MacroUse : unsigned {
    UsesNothing = 0,
    UsesFile = 1u << 0,        // FileName: the model diagram
    UsesFill = 1u << 1,        // GradColor1, GradColor2, NoGradation
    UsesFrame = 1u << 2,       // FrameColor, FrameWidth
    UsesShadow = 1u << 3,      // ShadowColor, ShadowHard, ShadowDeep
    UsesTextFont = 1u << 4,    // TextFont
    UsesTextColour = 1u << 5,  // TextColor
    UsesLegend = 1u << 6,      // how the inserted legends are written, where the block goes
    UsesBounds = 1u << 7,      // X and Y minima and maxima, exclusion of the points
    UsesVarious = 1u << 8,     // VariousColor: "Couleurs très différentes"
    UsesLineColour = 1u << 9,  // LineColor
    UsesLineType = 1u << 10,   // TypeLine
    UsesLineSize = 1u << 11,   // SizeLine
    UsesSymbol = 1u << 12,  // TypeSymbol, DefinedSymbol, CharSymbol, FirstSymbol, SymbolFont, OptionSymbol, FillSymbol
    UsesSymbolSize = 1u << 13,     // SizeSymbol
    UsesSymbolColour1 = 1u << 14,  // SymbolColor1 (outline)
    UsesSymbolColour2 = 1u << 15,  // SymbolColor2 (fill)
};

// The attributes command `id` uses; UsesNothing for headings, commands that
// need none and unknown ids.
unsigned macroUses(int id);

}  // namespace ordinax::settings
