// Bounded reads and atomic writes of the exchange files.
#include "exchange/file_io.h"

#include "document/orx_file.h"
#include "document/safe_file.h"

namespace ordinax::exchange {

std::optional<std::string> readFileBytes(const std::string& path, const base::TextLimits& limits,
                                         base::Message& error) {
    base::InputError failure;
    std::optional<std::string> bytes = base::readTextInput(path, limits, failure);
    if (!bytes) error = base::inputFailureMessage(path, failure);
    return bytes;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, base::Message& error) {
    const document::WriteStatus written = document::replaceFile(path, bytes);
    if (written.ok()) return true;
    error = document::writeFailureMessage(path, written.error);
    return false;
}

}  // namespace ordinax::exchange
