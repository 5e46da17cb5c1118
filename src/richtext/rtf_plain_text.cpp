// The keyword-table RTF reader and the plain-text client.
#include "richtext/rtf_plain_text.h"

#include <climits>

namespace ordinax::richtext {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Keeps the characters, takes no control word itself.
class PlainTextClient final : public RtfClient {
public:
    explicit PlainTextClient(std::string& out) : out_(out) {}
    bool controlWord(std::string_view, bool, long) override { return false; }
    void character(char c, bool) override { out_ += c; }
    void groupOpened() override {}
    void groupClosed() override {}

private:
    std::string& out_;
};

}  // namespace

RtfStatus RtfParser::parse(std::string_view text) {
    text_ = text;
    pos_ = 0;
    state_ = State{};
    saved_.clear();
    skipIfUnknown_ = false;
    binaryLeft_ = 0;
    hexDigitsLeft_ = 0;
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (binaryLeft_ > 0) {
            --binaryLeft_;  // binary data is never text
            continue;
        }
        if (hexDigitsLeft_ > 0) {
            const int digit = hexDigit(c);
            if (digit < 0) return RtfStatus::InvalidHex;
            hexValue_ = hexValue_ * 16 + digit;
            if (--hexDigitsLeft_ == 0) passCharacter(static_cast<char>(hexValue_), true);
            continue;
        }
        switch (c) {
            case '{':
                if (saved_.size() >= MaxRtfDepth) return RtfStatus::StackOverflow;
                saved_.push_back(state_);
                client_.groupOpened();
                break;
            case '}':
                if (saved_.empty()) return RtfStatus::StackUnderflow;
                state_ = saved_.back();
                saved_.pop_back();
                client_.groupClosed();
                break;
            case '\\':
                if (const RtfStatus status = parseControlWord(); status != RtfStatus::Ok) return status;
                break;
            case '\r':
            case '\n':
                break;  // line ends of the RTF text itself
            default:
                passCharacter(c, false);
                break;
        }
    }
    if (hexDigitsLeft_ > 0) return RtfStatus::EndOfFile;
    if (!saved_.empty()) return RtfStatus::UnmatchedBrace;
    return RtfStatus::Ok;
}

RtfStatus RtfParser::parseControlWord() {
    if (pos_ >= text_.size()) return RtfStatus::EndOfFile;
    const std::size_t start = pos_;
    if (!isLetter(text_[pos_])) {
        ++pos_;  // a control symbol: one character, no parameter, no delimiter
        return translate(text_.substr(start, 1), false, 0, true);
    }
    while (pos_ < text_.size() && isLetter(text_[pos_])) ++pos_;
    const std::string_view word = text_.substr(start, pos_ - start);
    bool hasParameter = false;
    bool negative = false;
    long parameter = 0;
    if (pos_ < text_.size() && text_[pos_] == '-') {
        negative = true;
        ++pos_;
    }
    while (pos_ < text_.size() && isDigit(text_[pos_])) {
        hasParameter = true;
        // Huge parameters are clamped: no value of ours needs more.
        if (parameter < INT_MAX / 10) parameter = parameter * 10 + (text_[pos_] - '0');
        ++pos_;
    }
    if (negative) parameter = -parameter;
    if (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;  // the delimiting space belongs to the word
    return translate(word, hasParameter, parameter, false);
}

RtfStatus RtfParser::translate(std::string_view word, bool hasParameter, long parameter, bool symbol) {
    const bool skipping = state_.destination == Destination::Skip;
    if (!skipping && word != "*" && word != "'" && word != "bin" &&
        client_.controlWord(word, hasParameter, parameter)) {
        skipIfUnknown_ = false;
        return RtfStatus::Ok;
    }
    const RtfKeyword* keyword = findRtfKeyword(word);
    if (keyword == nullptr) {
        if (skipIfUnknown_) state_.destination = Destination::Skip;
        skipIfUnknown_ = false;
        return RtfStatus::Ok;
    }
    skipIfUnknown_ = false;
    switch (keyword->kind) {
        case RtfKeywordKind::Property:
            if (!skipping) state_.properties[static_cast<std::size_t>(keyword->value)] =
                hasParameter ? static_cast<int>(parameter) : keyword->defaultValue;
            return RtfStatus::Ok;
        case RtfKeywordKind::Char:
            passCharacter(static_cast<char>(keyword->value), symbol);
            return RtfStatus::Ok;
        case RtfKeywordKind::Destination:
            state_.destination = Destination::Skip;
            return RtfStatus::Ok;
        case RtfKeywordKind::Special:
            switch (keyword->value) {
                case RtfSpecialBin:
                    // Binary data is skipped even inside a skipped destination,
                    // so that its bytes are not read as braces or words.
                    binaryLeft_ = hasParameter && parameter > 0 ? parameter : 0;
                    return RtfStatus::Ok;
                case RtfSpecialSkipDest:
                    if (!skipping) skipIfUnknown_ = true;
                    return RtfStatus::Ok;
                case RtfSpecialHex:
                    if (skipping) return RtfStatus::Ok;  // its digits are skipped as text
                    hexDigitsLeft_ = 2;
                    hexValue_ = 0;
                    return RtfStatus::Ok;
                default:
                    return RtfStatus::BadTable;
            }
    }
    return RtfStatus::Assertion;
}

void RtfParser::passCharacter(char c, bool escaped) {
    if (state_.destination == Destination::Skip) return;
    client_.character(c, escaped);
}

RtfText rtfPlainText(std::string_view rtf) {
    RtfText result;
    PlainTextClient client(result.text);
    RtfParser parser(client);
    result.status = parser.parse(rtf);
    return result;
}

}  // namespace ordinax::richtext
