// Building the text and icon of a message.
#include "base/message.h"

namespace ordinax::base {

std::string_view headingText(Heading heading) {
    switch (heading) {
        case Heading::Error: return "ERREUR";
        case Heading::Warning: return "ATTENTION";
        case Heading::Check: return "CONTRÔLE";
        case Heading::Remark: return "REMARQUE";
        case Heading::None: break;
    }
    return {};
}

std::string Message::formatted() const {
    const std::string_view head = headingText(heading);
    if (head.empty()) return text;
    std::string out(head);
    out += "\n\n";
    out += text;
    return out;
}

Icon Message::icon() const {
    switch (heading) {
        case Heading::Warning: return Icon::Exclamation;
        case Heading::Remark: return Icon::Information;
        default: return Icon::Stop;
    }
}

}  // namespace ordinax::base
