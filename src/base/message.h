// Messages the core returns to its caller: the caller shows them (the GUI in a
// message box, the CLI on standard error). Texts are UTF-8 for display.
#pragma once

#include <string>
#include <string_view>

namespace ordinax::base {

enum class Heading { None, Error, Warning, Check, Remark };  // "ERREUR", "ATTENTION", "CONTRÔLE", "REMARQUE"
enum class Icon { Stop, Exclamation, Information, Question };

struct Message {
    int id = 0;  // string-table id, 0 when the text was built otherwise
    Heading heading = Heading::None;
    std::string text;  // arguments already substituted

    bool empty() const { return id == 0 && text.empty(); }
    // Heading, blank line, text ("ERREUR\n\n..."); the text alone without heading.
    std::string formatted() const;
    // The icon that follows the heading: exclamation for ATTENTION, information
    // for REMARQUE, stop for the others.
    Icon icon() const;
    bool operator==(const Message&) const = default;
};

// The caption of a heading ("ERREUR", ...), empty for None.
std::string_view headingText(Heading heading);

}  // namespace ordinax::base
