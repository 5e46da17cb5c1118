// The text form of the logical font record: 13 integers and the face name.
#include "base/logfont.h"

#include <algorithm>
#include <cstring>

#include "base/format.h"

namespace ordinax::base {

std::string fontToText(const LogFont& font) {
    // The face name is read up to its terminator, never past the 32 bytes.
    const std::size_t nameLength = strnlen(font.faceName, sizeof font.faceName);
    std::string text = formatPrintf("%d,%d,%d,%d,%d,%u,%u,%u,%u,%u,%u,%u,%u,", font.height, font.width,
                                    font.escapement, font.orientation, font.weight, unsigned{font.italic},
                                    unsigned{font.underline}, unsigned{font.strikeOut}, unsigned{font.charSet},
                                    unsigned{font.outPrecision}, unsigned{font.clipPrecision},
                                    unsigned{font.quality}, unsigned{font.pitchAndFamily});
    text.append(font.faceName, nameLength);
    return text;
}

bool fontFromText(std::string_view text, LogFont& font) {
    int fields[13];
    for (int& field : fields) {
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) return false;
        const auto value = parseInteger(text.substr(0, comma));
        if (!value) return false;
        field = *value;
        text.remove_prefix(comma + 1);
    }
    // Byte fields: written unsigned; a signed byte of an older writer is accepted too.
    for (int i = 5; i < 13; ++i)
        if (fields[i] < -128 || fields[i] > 255) return false;

    LogFont parsed;
    parsed.height = fields[0];
    parsed.width = fields[1];
    parsed.escapement = fields[2];
    parsed.orientation = fields[3];
    parsed.weight = fields[4];
    parsed.italic = static_cast<std::uint8_t>(fields[5]);
    parsed.underline = static_cast<std::uint8_t>(fields[6]);
    parsed.strikeOut = static_cast<std::uint8_t>(fields[7]);
    parsed.charSet = static_cast<std::uint8_t>(fields[8]);
    parsed.outPrecision = static_cast<std::uint8_t>(fields[9]);
    parsed.clipPrecision = static_cast<std::uint8_t>(fields[10]);
    parsed.quality = static_cast<std::uint8_t>(fields[11]);
    parsed.pitchAndFamily = static_cast<std::uint8_t>(fields[12]);
    const std::size_t nameLength = std::min(text.size(), sizeof parsed.faceName - 1);
    std::memcpy(parsed.faceName, text.data(), nameLength);
    font = parsed;
    return true;
}

LogFont fontFromTextOrDefault(std::string_view text) {
    LogFont font;
    fontFromText(text, font);
    return font;
}

}  // namespace ordinax::base
