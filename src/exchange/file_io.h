// Whole-file reads and safe writes for the exchange files (procedures, exports).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ordinax::exchange {

// The bytes of a file; nullopt when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, then renames it over `path`
// once the write is complete and flushed, so a failed write never destroys the
// previous file. False when any step fails.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ordinax::exchange
