// The attributes of the "Macros" dialog, remembered in section "Macro" of the
// settings store: the fill, border, shadow, line, symbol and text values that
// the presentation commands apply to the whole diagram.
#pragma once

#include <cstdint>
#include <string>

#include "base/logfont.h"
#include "settings/store.h"

namespace ordinax::settings {

inline constexpr const char* SectionMacro = "Macro";
inline constexpr const char* MacroDefaultFont = "-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial";

struct MacroAttributes {
    std::string fileName;            // FileName: model diagram of "copy presentation" (UTF-8 path)
    std::int32_t textColor = 0;      // TextColor
    std::int32_t frameColor = 0;     // FrameColor
    std::int32_t shadowColor = 0;    // ShadowColor
    std::int32_t noGradation = 0;    // NoGradation: gradient value of the fill commands
    std::int32_t gradColor1 = 16777215;  // GradColor1
    std::int32_t gradColor2 = 0;         // GradColor2
    std::int32_t typeGradation = 0;      // TypeGradation
    std::int32_t shadeColor1 = 16777215;  // ShadeColor1
    std::int32_t shadeColor2 = 0;         // ShadeColor2
    std::int32_t frameWidth = 1;     // FrameWidth: horizontal width low 16 bits, vertical high 16 bits
    std::int32_t shadowHard = 25;    // ShadowHard 0..100
    std::int32_t shadowDeep = 10;    // ShadowDeep, pixels
    std::int32_t typeLine = 1;       // TypeLine
    std::int32_t lineColor = 0;      // LineColor
    std::int32_t sizeLine = 1;       // SizeLine
    std::int32_t typeSymbol = 1;     // TypeSymbol
    std::int32_t definedSymbol = 2;  // DefinedSymbol
    std::int32_t charSymbol = 65;    // CharSymbol
    std::int32_t firstSymbol = 65;   // FirstSymbol
    std::int32_t optionSymbol = 0;   // OptionSymbol
    std::int32_t fillSymbol = 0;     // FillSymbol
    std::int32_t symbolColor1 = 0;         // SymbolColor1: outline
    std::int32_t symbolColor2 = 16777215;  // SymbolColor2: fill
    std::int32_t sizeSymbol = 12;    // SizeSymbol
    base::LogFont symbolFont = base::fontFromTextOrDefault(MacroDefaultFont);  // SymbolFont
    base::LogFont textFont = base::fontFromTextOrDefault(MacroDefaultFont);    // TextFont
    std::int32_t variousColor = 1;   // VariousColor: "Couleurs très différentes"
    std::int32_t gradationColor = 0;  // GradationColor

    bool operator==(const MacroAttributes&) const = default;
};

struct BorderWidths {
    std::int32_t horizontal = 1;
    std::int32_t vertical = 1;
};

// Splits FrameWidth into its two widths. A value whose high half is 0 (the
// default 1 among them) gives the low half to both, so that no border is
// drawn with a zero vertical width.
BorderWidths splitFrameWidth(std::int32_t frameWidth);

// Reads the attributes; a missing or unreadable key keeps its default.
MacroAttributes readMacroAttributes(const SettingsStore& store);

// Writes every attribute (when the dialog is confirmed).
void writeMacroAttributes(SettingsStore& store, const MacroAttributes& attributes);

// Writes the default of every key that the store does not hold yet (first start).
void writeMacroDefaults(SettingsStore& store);

}  // namespace ordinax::settings
