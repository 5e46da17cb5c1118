// Picture positions written as text.
#include "acquisition/pixel_points.h"

#include <charconv>

namespace ordinax::acquisition {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<int> wholeInteger(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<PixelPoint> parsePixelPoint(std::string_view text) {
    text = trimmed(text);
    // The two numbers are split at a comma, else at the first run of blanks.
    std::size_t cut = text.find(',');
    std::size_t next = cut + 1;
    if (cut == std::string_view::npos) {
        cut = text.find_first_of(" \t");
        if (cut == std::string_view::npos) return std::nullopt;
        next = cut;
    }
    const std::optional<int> x = wholeInteger(text.substr(0, cut));
    const std::optional<int> y = wholeInteger(text.substr(next));
    if (!x || !y || *x < 0 || *y < 0) return std::nullopt;
    return PixelPoint{*x, *y};
}

PixelPointList parsePixelPoints(std::string_view text, long long limit) {
    PixelPointList list;
    int item = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(";\n");
        const std::string_view piece = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (trimmed(piece).empty()) continue;
        ++item;
        const std::optional<PixelPoint> point = parsePixelPoint(piece);
        if (!point) {
            list.badItem = item;
            list.badText = std::string(trimmed(piece).substr(0, 80));
            return list;
        }
        if (static_cast<long long>(list.points.size()) >= limit) {
            list.tooMany = true;
            return list;
        }
        list.points.push_back(*point);
    }
    return list;
}

}  // namespace ordinax::acquisition
