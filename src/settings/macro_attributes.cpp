// Store keys and defaults of the macro attributes.
#include "settings/macro_attributes.h"

#include <array>

namespace ordinax::settings {

namespace {

struct IntKey {
    const char* key;
    std::int32_t MacroAttributes::*field;
};

constexpr std::array<IntKey, 26> IntKeys = {{
    {"TextColor", &MacroAttributes::textColor},
    {"FrameColor", &MacroAttributes::frameColor},
    {"ShadowColor", &MacroAttributes::shadowColor},
    {"NoGradation", &MacroAttributes::noGradation},
    {"GradColor1", &MacroAttributes::gradColor1},
    {"GradColor2", &MacroAttributes::gradColor2},
    {"TypeGradation", &MacroAttributes::typeGradation},
    {"ShadeColor1", &MacroAttributes::shadeColor1},
    {"ShadeColor2", &MacroAttributes::shadeColor2},
    {"FrameWidth", &MacroAttributes::frameWidth},
    {"ShadowHard", &MacroAttributes::shadowHard},
    {"ShadowDeep", &MacroAttributes::shadowDeep},
    {"TypeLine", &MacroAttributes::typeLine},
    {"LineColor", &MacroAttributes::lineColor},
    {"SizeLine", &MacroAttributes::sizeLine},
    {"TypeSymbol", &MacroAttributes::typeSymbol},
    {"DefinedSymbol", &MacroAttributes::definedSymbol},
    {"CharSymbol", &MacroAttributes::charSymbol},
    {"FirstSymbol", &MacroAttributes::firstSymbol},
    {"OptionSymbol", &MacroAttributes::optionSymbol},
    {"FillSymbol", &MacroAttributes::fillSymbol},
    {"SymbolColor1", &MacroAttributes::symbolColor1},
    {"SymbolColor2", &MacroAttributes::symbolColor2},
    {"SizeSymbol", &MacroAttributes::sizeSymbol},
    {"VariousColor", &MacroAttributes::variousColor},
    {"GradationColor", &MacroAttributes::gradationColor},
}};

struct FontKey {
    const char* key;
    base::LogFont MacroAttributes::*field;
};

constexpr std::array<FontKey, 2> FontKeys = {{
    {"SymbolFont", &MacroAttributes::symbolFont},
    {"TextFont", &MacroAttributes::textFont},
}};

constexpr const char* FileNameKey = "FileName";

}  // namespace

BorderWidths splitFrameWidth(std::int32_t frameWidth) {
    const auto bits = static_cast<std::uint32_t>(frameWidth);
    BorderWidths widths;
    widths.horizontal = static_cast<std::int32_t>(bits & 0xFFFFu);
    widths.vertical = static_cast<std::int32_t>(bits >> 16);
    if (widths.vertical == 0) widths.vertical = widths.horizontal;
    return widths;
}

MacroAttributes readMacroAttributes(const SettingsStore& store) {
    MacroAttributes attributes;
    attributes.fileName = store.readString(SectionMacro, FileNameKey, attributes.fileName);
    for (const IntKey& k : IntKeys)
        attributes.*k.field = store.readInt(SectionMacro, k.key, attributes.*k.field);
    for (const FontKey& k : FontKeys) {
        // A damaged font text keeps the default rather than a half-read record.
        if (const std::optional<std::string> text = store.readString(SectionMacro, k.key))
            base::fontFromText(*text, attributes.*k.field);
    }
    return attributes;
}

void writeMacroAttributes(SettingsStore& store, const MacroAttributes& attributes) {
    store.writeString(SectionMacro, FileNameKey, attributes.fileName);
    for (const IntKey& k : IntKeys) store.writeInt(SectionMacro, k.key, attributes.*k.field);
    for (const FontKey& k : FontKeys) store.writeString(SectionMacro, k.key, base::fontToText(attributes.*k.field));
}

void writeMacroDefaults(SettingsStore& store) {
    const MacroAttributes defaults;
    if (!store.readString(SectionMacro, FileNameKey)) store.writeString(SectionMacro, FileNameKey, defaults.fileName);
    for (const IntKey& k : IntKeys)
        if (!store.readInt(SectionMacro, k.key)) store.writeInt(SectionMacro, k.key, defaults.*k.field);
    for (const FontKey& k : FontKeys)
        if (!store.readString(SectionMacro, k.key))
            store.writeString(SectionMacro, k.key, base::fontToText(defaults.*k.field));
}

}  // namespace ordinax::settings
