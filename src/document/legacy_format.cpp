// Recognition of the older diagram generations and hand-off to their readers.
#include "document/legacy_format.h"

#include <algorithm>
#include <new>

#include "base/strings.h"
#include "document/legacy_binary.h"
#include "document/legacy_text.h"
#include "document/safe_file.h"

namespace ordinax::document {

namespace {

constexpr std::uint64_t MaxPointFileBytes = std::uint64_t{256} << 20;

struct Generation {
    const char* name;
    int kind;
};
constexpr Generation Generations[] = {{"ASB_00", 2},        {"ASB_97", 3},        {"ASB_96", 4},
                                      {"ASB_91", 5},        {"ASSEMBLAGE_91", 6}, {"ASSEMBLAGE_89", 7}};

ReadResult formatError() {
    ReadResult r;
    r.message = base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error);
    return r;
}

// The folder part of `path` with its trailing separator, empty for a bare name.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Point files were written on case-insensitive disks: the name is tried as
// given with ".LIS", then with ".lis".
legacy::CompanionReader companionsBeside(const std::string& path) {
    const std::string folder = folderOf(path);
    return [folder](const std::string& name) -> std::optional<std::string> {
        for (const char* suffix : {".LIS", ".lis"}) {
            FileBytes file;
            ReadableFile probe;
            if (!openReadableFile(folder + name + suffix, probe)) continue;
            // A million points take some 30 MB of text; beyond this the file is no point list.
            if (probe.size() > MaxPointFileBytes) return std::nullopt;
            if (!readWholeFile(folder + name + suffix, file)) continue;
            const std::span<const std::uint8_t> b = file.bytes();
            return std::string(reinterpret_cast<const char*>(b.data()), b.size());
        }
        return std::nullopt;
    };
}

}  // namespace

int recogniseLegacyHeader(std::span<const std::uint8_t> header) {
    std::string word;
    for (std::size_t i = 0; i < std::min(header.size(), HeaderSize); ++i) {
        if (header[i] == 0) break;
        if (header[i] != '\r') word.push_back(static_cast<char>(header[i]));
    }
    for (char cut : {' ', '\n'}) {
        const std::size_t at = word.find(cut);
        if (at != std::string::npos && at > 0) word.resize(at);
    }
    for (const Generation& g : Generations)
        if (word == g.name) return g.kind;
    return 0;
}

std::string legacyFormatName(int kind) {
    for (const Generation& g : Generations)
        if (g.kind == kind) return g.name;
    return {};
}

ReadResult readLegacyDiagram(std::span<const std::uint8_t> header, std::span<const std::uint8_t> bytes,
                             const std::string& path, const DiagramDefaults& /*defaults*/, Diagram& out) {
    const int kind = recogniseLegacyHeader(header);
    if (kind == 0) return formatError();
    bool ok = false;
    bool pointsDropped = false;
    try {
        if (kind <= 4) {
            ok = legacy::readLegacyBinary(kind, bytes, out, &pointsDropped);
        } else {
            const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
            ok = legacy::readLegacyText(kind, text, companionsBeside(path), out, &pointsDropped);
        }
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) return formatError();
    ReadResult r;
    r.ok = true;
    r.format = legacyFormatName(kind);
    // The warning the text import gives when it leaves points out.
    if (pointsDropped)
        r.warnings.push_back(base::makeMessage(base::MsgMaxPointsExceeded, base::Heading::Warning,
                                               std::to_string(MaxPoints)));
    return r;
}

}  // namespace ordinax::document
