// Helpers of the diagram file tests: a hand-written byte image builder that
// knows nothing of the production writer, a diagram with every field set,
// a readable difference of two diagrams and scratch folders.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::document::test {

// Appends little-endian values one by one, as the layout table lists them.
class ImageBuilder {
public:
    ImageBuilder& i32(std::int32_t v) { return raw(&v, 4); }
    ImageBuilder& f64(double v) { return raw(&v, 8); }
    ImageBuilder& byte(std::uint8_t v) { return raw(&v, 1); }
    ImageBuilder& zeros(std::size_t n) {
        bytes_.insert(bytes_.end(), n, 0);
        return *this;
    }
    ImageBuilder& raw(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
        return *this;
    }
    // int32 length, the characters, one zero byte.
    ImageBuilder& text(const std::string& s) {
        i32(static_cast<std::int32_t>(s.size()));
        raw(s.data(), s.size());
        return byte(0);
    }
    ImageBuilder& header(const char* magic) {
        const std::size_t n = std::strlen(magic);
        raw(magic, n);
        return zeros(24 - n);
    }
    // Remembers the offset of the next value under a name.
    ImageBuilder& mark(const std::string& name) {
        marks_[name] = bytes_.size();
        return *this;
    }
    std::size_t at(const std::string& name) const { return marks_.at(name); }
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::map<std::string, std::size_t> marks_;
};

// Overwrites an int32 at `offset` of an image.
void patchI32(std::vector<std::uint8_t>& image, std::size_t offset, std::int32_t value);

// Defaults that differ from the record's own values in every preference-backed field.
DiagramDefaults distinctDefaults();

// A diagram whose every stored field holds a value of its own (three curves,
// units on some axes), valid as it would be after a save: symbol numbers at
// most 23, non-negative gradients, non-empty dates, free tags at (0, 0).
Diagram makeEveryFieldDiagram();

// Names of the sub-records that differ ("curves[1].fit", "labels[3]", ...).
std::string diagramDiff(const Diagram& a, const Diagram& b);

// A fresh scratch folder under the temporary folder.
std::string scratchFolder();

std::vector<std::uint8_t> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace ordinax::document::test
