// Whole-file reads and safe writes for the exchange files (procedures, exports).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ordinax::exchange {

// The bytes of a file; nullopt when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::string& path);

// At most the first `maxBytes` bytes of a regular file (a preview of its
// head); nullopt when it is not a regular file (a pipe read here would be
// lost to its real reader) or cannot be opened or read.
std::optional<std::string> readFileHead(const std::string& path, std::size_t maxBytes);

// Writes `bytes` to a temporary file beside `path`, then renames it over `path`
// once the write is complete and flushed, so a failed write never destroys the
// previous file. False when any step fails.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ordinax::exchange
