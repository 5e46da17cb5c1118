// Reading a JSON document (a diagram dump for `build`) from a file or a pipe
// with its limits checked while reading: no text or number longer than a
// model holds, no run of blanks without end, no more items than a diagram,
// no more curves than MaxCurves nor points than MaxPoints. The points of the
// curves are taken aside as they come, 16 bytes each, instead of as JSON
// values many times that size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "cli/diagram_json.h"

namespace ordinax::cli {

// Longest string of a document (escapes counted), longest number or word,
// longest run of blanks, most items outside the points.
inline constexpr std::size_t MaxJsonTextLength = std::size_t{1} << 20;
inline constexpr std::size_t MaxJsonTokenLength = 1024;
inline constexpr std::size_t MaxJsonBlankRun = std::size_t{1} << 20;
inline constexpr std::size_t MaxJsonItems = 2'000'000;

// Reads and parses a JSON file. With `points`, the arrays "curves[i].points"
// of the root object are read into it (one entry per curve, set for the
// curves whose points were met) and left empty in the document. nullopt with
// `error` set when the file cannot be read, is not well-formed JSON or
// exceeds a limit.
std::optional<Json> readJsonInput(const std::string& path, DumpPoints* points, base::Message& error);

// The same from an open descriptor read to its end (not closed); `path`
// names the input in messages.
std::optional<Json> readJsonDescriptor(int fd, const std::string& path, DumpPoints* points, base::Message& error);

}  // namespace ordinax::cli
