// Bounded reads and atomic writes of the exchange files (procedures, exports).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/input_file.h"
#include "base/message.h"

namespace ordinax::exchange {

// A procedure file is 15 short lines: anything much larger is no procedure.
inline constexpr base::TextLimits ProcedureLimits{std::size_t{64} << 10, std::size_t{4} << 10};

// At most the first `maxBytes` bytes of a regular file (a preview of its
// head); nullopt when it is not a regular file (a pipe read here would be
// lost to its real reader) or cannot be opened or read.
std::optional<std::string> readFileHead(const std::string& path, std::size_t maxBytes);

// The bytes of a file read within `limits`; nullopt with `error` set to the
// message ("Impossible d'ouvrir le fichier %s !" and the reason) when it
// cannot be opened or read or exceeds the limits.
std::optional<std::string> readFileBytes(const std::string& path, const base::TextLimits& limits,
                                         base::Message& error);

// Writes `bytes` over `path` through the programs' atomic routine: a failed
// write never destroys the previous file. False with `error` set to the
// write message and its reason.
bool writeFileAtomically(const std::string& path, std::string_view bytes, base::Message& error);

}  // namespace ordinax::exchange
