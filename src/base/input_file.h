// Files given by the user or shipped with the program, opened and read so
// that no input can make a reader hang or swell: a FIFO without writer reads
// as empty at once, devices and folders are refused, and whole reads stop at
// a size and a line length of the caller's choice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/message.h"

namespace ordinax::base {

enum class InputStatus {
    Ok,
    CannotOpen,   // the system refused the open (error holds errno)
    NotAFile,     // a folder, a device or a socket
    ReadFailed,   // a read failed (error holds errno)
    TooLarge,     // more bytes than the limit
    LineTooLong,  // a line longer than the limit
};

struct InputError {
    InputStatus status = InputStatus::Ok;
    int error = 0;            // errno for CannotOpen and ReadFailed, EISDIR for a folder
    std::uint64_t limit = 0;  // the limit passed: bytes (TooLarge) or characters (LineTooLong)
    std::uint64_t line = 0;   // the 1-based number of the line too long

    explicit operator bool() const { return status != InputStatus::Ok; }
    // The French sentence telling why ("Le fichier n'existe pas.", "La ligne 3
    // dépasse la longueur admise (65536 caractères).", ...).
    std::string reason() const;
};

struct TextLimits {
    std::size_t maxBytes = 0;       // whole input, in bytes
    std::size_t maxLineLength = 0;  // one line without its line feed, in bytes
};

// What a program data file or a small user file may hold: far beyond any
// real one, far below what would strain the memory.
inline constexpr TextLimits SmallTextLimits{std::size_t{16} << 20, std::size_t{64} << 10};

// Opens `path` for reading without ever blocking on the open. Regular files
// and pipes are accepted (a FIFO without writer then reads as empty at
// once, while an open pipe is read as it comes); folders, devices and
// sockets are refused. Returns a close-on-exec descriptor with blocking
// reads, or -1 with `error` set. `regularSize` receives the size of a
// regular file, 0 for a pipe.
int openInput(const std::string& path, InputError& error, std::uint64_t* regularSize = nullptr);

// Checks that an already open descriptor (standard input) may be read:
// regular files, pipes and terminals are; other devices are refused.
bool checkInputDescriptor(int fd, InputError& error);

// Reads the whole of `path` within `limits`; nullopt with `error` set when it
// cannot be opened or read or exceeds a limit (reading stops there).
std::optional<std::string> readTextInput(const std::string& path, const TextLimits& limits, InputError& error);

// The same from an open descriptor, read to its end (not closed).
std::optional<std::string> readTextDescriptor(int fd, const TextLimits& limits, InputError& error);

// "Impossible d'ouvrir le fichier %s !" with the reason after it; a limit
// passed gives "La lecture du fichier %s est interrompue !" instead.
Message inputFailureMessage(const std::string& path, const InputError& error);

}  // namespace ordinax::base
