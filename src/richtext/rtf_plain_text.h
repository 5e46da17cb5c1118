// The keyword-table RTF reader: a scanner of groups, control words, hex
// escapes and binary data that keeps a stack of states and passes the
// characters of the document body to a client; and `rtfPlainText`, the
// reader that keeps those characters and nothing else.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "richtext/rtf_keywords.h"

namespace ordinax::richtext {

// Why a read stopped; Ok when the whole text was read.
enum class RtfStatus {
    Ok = 0,
    StackUnderflow = 1,  // a closing brace without an opening one
    StackOverflow = 2,   // no room for a saved state (groups nested too deeply)
    UnmatchedBrace = 3,  // an opening brace left unclosed at the end
    InvalidHex = 4,      // a "\'" escape without two hexadecimal digits
    BadTable = 5,        // a keyword table entry of an unknown kind
    Assertion = 6,       // an inconsistent reader state
    EndOfFile = 7,       // the text ends inside a control word
};

// Groups nested deeper than this stop the read with StackOverflow.
inline constexpr std::size_t MaxRtfDepth = 4096;

// What the reader hands over. The client sees every group boundary (to keep
// its own state in step) and, outside skipped destinations, the control
// words first and the characters of the text.
class RtfClient {
public:
    virtual ~RtfClient() = default;
    // A control word outside a skipped destination; true when the client
    // took it, so that the keyword table is not consulted.
    virtual bool controlWord(std::string_view word, bool hasParameter, long parameter) = 0;
    // A character of the text; `escaped` for a "\'" byte or a control symbol.
    virtual void character(char c, bool escaped) = 0;
    virtual void groupOpened() = 0;
    virtual void groupClosed() = 0;
};

class RtfParser {
public:
    explicit RtfParser(RtfClient& client) : client_(client) {}

    // Reads the whole text; the client has received everything before the stop.
    RtfStatus parse(std::string_view text);

private:
    enum class Destination { Normal, Skip };
    struct State {
        Destination destination = Destination::Normal;
        std::array<int, RtfPropCount> properties{};
    };

    RtfStatus parseControlWord();
    RtfStatus translate(std::string_view word, bool hasParameter, long parameter, bool symbol);
    // Hands a character of the text to the client (named apart from Qt's "emit" macro).
    void passCharacter(char c, bool escaped);

    RtfClient& client_;
    std::string_view text_;
    std::size_t pos_ = 0;
    State state_;
    std::vector<State> saved_;
    bool skipIfUnknown_ = false;
    long binaryLeft_ = 0;
    int hexDigitsLeft_ = 0;
    int hexValue_ = 0;
};

// The result of a read: the text and the status it stopped with.
struct RtfText {
    std::string text;
    RtfStatus status = RtfStatus::Ok;
};

// The characters of the body of an RTF text: "\par" and "\row" give line
// feeds, "\tab" and "\cell" tabs, every other control word and the skipped
// destinations (font and colour tables, info, pictures ...) are dropped, as
// are the carriage returns and line feeds of the RTF text itself.
RtfText rtfPlainText(std::string_view rtf);

}  // namespace ordinax::richtext
