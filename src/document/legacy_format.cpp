// Readers of the older diagram generations. None is recognised yet: every
// such file is refused with the format message.
#include "document/legacy_format.h"

#include "base/strings.h"

namespace ordinax::document {

ReadResult readLegacyDiagram(std::span<const std::uint8_t> /*header*/, std::span<const std::uint8_t> /*bytes*/,
                             const std::string& /*path*/, const DiagramDefaults& /*defaults*/, Diagram& /*out*/) {
    ReadResult r;
    r.message = base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error);
    return r;
}

}  // namespace ordinax::document
