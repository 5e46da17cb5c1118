// The catalogue of presentation macros: identifiers and captions of the
// commands of the "Macros" dialog, grouped under headings (ids ending in 00).
#pragma once

#include <span>
#include <string_view>

namespace ordinax::settings {

struct MacroEntry {
    int id;
    std::string_view caption;  // UTF-8, as shown in the "Commande" tree
};

// Every heading and command in tree order.
std::span<const MacroEntry> macroCatalogue();

// True for the heading rows (ids ending in 00), which run nothing.
constexpr bool isMacroHeading(int id) { return id % 100 == 0; }

// The caption of an id; empty when the id is not in the catalogue.
std::string_view macroCaption(int id);

// True when `id` names a command (not a heading) of the catalogue.
bool isMacroCommand(int id);

}  // namespace ordinax::settings
