// Code-page conversions through iconv, with the five bytes that Windows-1252
// leaves unassigned handled here so that every byte string survives a round
// trip through UTF-8.
#include "base/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace ordinax::base {

namespace {

// One iconv descriptor, opened on first use by a thread and closed when the
// thread ends; its shift state is reset before each conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(descriptor_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Appends the conversion of `in` to `out` and returns how many input bytes
    // were converted: all of them, or up to the first one iconv refuses.
    std::size_t convert(std::string_view in, std::string& out) {
        if (!valid()) return 0;
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());  // iconv's signature only; never written
        std::size_t inLeft = in.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(descriptor_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;  // EILSEQ or EINVAL
        }
        return in.size() - inLeft;
    }

private:
    iconv_t descriptor_;
};

Converter& utf8From1252() {
    thread_local Converter converter("UTF-8", "CP1252");
    return converter;
}

Converter& cp1252FromUtf8() {
    thread_local Converter converter("CP1252", "UTF-8");
    return converter;
}

Converter& cp1252From850() {
    thread_local Converter converter("CP1252", "CP850");
    return converter;
}

Converter& cp850From1252() {
    thread_local Converter converter("CP850", "CP1252");
    return converter;
}

bool isAscii(std::string_view text) {
    for (char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80) return false;
    return true;
}

// The bytes Windows-1252 leaves unassigned; they stand for the C1 controls of the same value.
bool isUnassigned1252(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at the start of `text`, or 1 when
// it is not well formed (so that a lossy conversion skips one byte).
std::size_t sequenceLength(std::string_view text) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    std::size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 1;
    }
    if (text.size() < length || at(1) < low || at(1) > high) return 1;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(at(i))) return 1;
    return length;
}

// UTF-8 of an unassigned Windows-1252 byte read as a C1 control: C2 xx.
bool isUnassignedSequence(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xC2 &&
           isUnassigned1252(static_cast<unsigned char>(text[i + 1]));
}

std::optional<std::string> toWindows1252(std::string_view text, bool lossy) {
    if (isAscii(text)) return std::string(text);
    Converter& converter = cp1252FromUtf8();
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t j = i;
        while (j < text.size() && !isUnassignedSequence(text, j)) ++j;
        const std::string_view run = text.substr(i, j - i);
        const std::size_t done = converter.convert(run, out);
        if (done < run.size()) {
            if (!lossy) return std::nullopt;
            out += '?';
            i += done + sequenceLength(run.substr(done));
            continue;
        }
        i = j;
        if (j < text.size()) {
            out += text[j + 1];
            i += 2;
        }
    }
    return out;
}

// Single-byte to single-byte conversion; a byte missing on the other side becomes '?'.
std::string convertBytes(Converter& converter, std::string_view text) {
    if (isAscii(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        i += converter.convert(text.substr(i), out);
        if (i < text.size()) {
            out += '?';
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view text) {
    if (isAscii(text)) return std::string(text);
    Converter& converter = utf8From1252();
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t j = i;
        while (j < text.size() && !isUnassigned1252(static_cast<unsigned char>(text[j]))) ++j;
        const std::string_view run = text.substr(i, j - i);
        const std::size_t done = converter.convert(run, out);
        if (done < run.size()) {
            // Only when iconv itself is unusable: keep going rather than lose the rest.
            out += '?';
            i += done + 1;
            continue;
        }
        i = j;
        if (j < text.size()) {
            out += '\xC2';
            out += text[j];
            ++i;
        }
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view text) { return toWindows1252(text, false); }

std::string utf8ToWindows1252Lossy(std::string_view text) { return *toWindows1252(text, true); }

std::string cp850ToWindows1252(std::string_view text) { return convertBytes(cp1252From850(), text); }

std::string windows1252ToCp850(std::string_view text) { return convertBytes(cp850From1252(), text); }

}  // namespace ordinax::base
