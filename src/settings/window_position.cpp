// Text form and restoring rule of dialog placements.
#include "settings/window_position.h"

#include <algorithm>
#include <charconv>

namespace ordinax::settings {

namespace {

constexpr int PlacementFields = 10;

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

template <class Int>
std::optional<Int> parseWhole(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return std::nullopt;
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

template <class Int>
void appendNumber(std::string& text, Int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

// Positive-area overlap: a rectangle touching a monitor's edge is not visible.
bool overlaps(const Rect& a, const Rect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

}  // namespace

std::string windowPlacementText(const WindowPlacement& p) {
    std::string text;
    appendNumber(text, p.flags);
    const std::int32_t rest[] = {p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y,
                                 p.normal.left,   p.normal.top,    p.normal.right,  p.normal.bottom};
    text += ',';
    appendNumber(text, p.showCommand);
    for (const std::int32_t value : rest) {
        text += ',';
        appendNumber(text, value);
    }
    return text;
}

std::optional<WindowPlacement> parseWindowPlacement(std::string_view text) {
    std::string_view fields[PlacementFields];
    int count = 0;
    while (true) {
        if (count == PlacementFields) return std::nullopt;
        const std::size_t comma = text.find(',');
        fields[count++] = text.substr(0, comma);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (count != PlacementFields) return std::nullopt;

    const auto flags = parseWhole<std::uint32_t>(fields[0]);
    const auto show = parseWhole<std::uint32_t>(fields[1]);
    if (!flags || !show) return std::nullopt;
    std::int32_t values[PlacementFields - 2];
    for (int i = 2; i < PlacementFields; ++i) {
        const auto value = parseWhole<std::int32_t>(fields[i]);
        if (!value) return std::nullopt;
        values[i - 2] = *value;
    }
    WindowPlacement p;
    p.flags = *flags;
    p.showCommand = *show;
    p.minPosition = {values[0], values[1]};
    p.maxPosition = {values[2], values[3]};
    p.normal = {values[4], values[5], values[6], values[7]};
    return p;
}

std::optional<WindowPlacement> readWindowPlacement(const SettingsStore& store, const std::string& dialogName) {
    const auto text = store.readString(SectionWindowPos, dialogName);
    if (!text) return std::nullopt;
    return parseWindowPlacement(*text);
}

void writeWindowPlacement(SettingsStore& store, const std::string& dialogName, const WindowPlacement& placement) {
    store.writeString(SectionWindowPos, dialogName, windowPlacementText(placement));
}

std::optional<Point> restoredTopLeft(const WindowPlacement& placement, std::span<const Rect> monitors) {
    const Rect& r = placement.normal;
    for (const Rect& monitor : monitors)
        if (overlaps(r, monitor)) return Point{r.left, r.top};
    return std::nullopt;
}

}  // namespace ordinax::settings
