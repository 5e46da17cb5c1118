// Conversions between model values and their form in the settings store.
#include "settings/store_values.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "base/encoding.h"

namespace ordinax::settings {

namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<std::int32_t> parseField(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

double lengthFromStore(int hundredths) {
    // Dividing gives the double nearest to the decimal value (250 -> 2.5
    // exactly), so that writing it back restores the same integer.
    return hundredths / 100.0;
}

int lengthToStore(double centimetres) {
    const double scaled = std::round(centimetres * 100.0);
    if (std::isnan(scaled)) return 0;
    if (scaled >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (scaled <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(scaled);
}

std::string paintStyleText(const document::PaintStyle& paint) {
    std::string text;
    char buffer[16];
    for (int i = 0; i < document::PaintStyle::Count; ++i) {
        if (i > 0) text += ',';
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, paint[i]);
        text.append(buffer, result.ptr);
    }
    return text;
}

std::optional<document::PaintStyle> parsePaintStyle(std::string_view text) {
    document::PaintStyle paint;
    int index = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        if (index >= document::PaintStyle::Count) return std::nullopt;  // too many fields
        const auto value = parseField(text.substr(0, comma));
        if (!value) return std::nullopt;
        paint[index++] = *value;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (index != document::PaintStyle::Count) return std::nullopt;
    return paint;
}

void readLength(const SettingsStore& store, const std::string& section, const std::string& key, double& value) {
    if (const auto stored = store.readInt(section, key)) value = lengthFromStore(*stored);
}

void readFont(const SettingsStore& store, const std::string& section, const std::string& key, base::LogFont& value) {
    const auto stored = store.readString(section, key);
    if (!stored) return;
    // The face name is held in Windows-1252 in the record; fontFromText keeps
    // the record unchanged when the text is malformed.
    base::fontFromText(base::utf8ToWindows1252Lossy(*stored), value);
}

void readPaint(const SettingsStore& store, const std::string& section, const std::string& key,
               document::PaintStyle& value) {
    const auto stored = store.readString(section, key);
    if (!stored) return;
    if (const auto paint = parsePaintStyle(*stored)) value = *paint;
}

void readModelText(const SettingsStore& store, const std::string& section, const std::string& key,
                   std::string& value) {
    if (const auto stored = store.readString(section, key)) value = base::utf8ToWindows1252Lossy(*stored);
}

void writeLength(SettingsStore& store, const std::string& section, const std::string& key, double value) {
    store.writeInt(section, key, lengthToStore(value));
}

void writeFont(SettingsStore& store, const std::string& section, const std::string& key, const base::LogFont& value) {
    store.writeString(section, key, base::windows1252ToUtf8(base::fontToText(value)));
}

void writePaint(SettingsStore& store, const std::string& section, const std::string& key,
                const document::PaintStyle& value) {
    store.writeString(section, key, paintStyleText(value));
}

void writeModelText(SettingsStore& store, const std::string& section, const std::string& key,
                    const std::string& value) {
    store.writeString(section, key, base::windows1252ToUtf8(value));
}

}  // namespace ordinax::settings
