// Markup written readably in the tests: "¶" typed in UTF-8 becomes the markup escape byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "richtext/markup_codes.h"

namespace ordinax::richtext::fixtures {

inline std::string m(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\xC2' && i + 1 < utf8.size() && utf8[i + 1] == '\xB6') {
            out += MarkupEscape;
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

}  // namespace ordinax::richtext::fixtures
