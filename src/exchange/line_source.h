// Lines of a text, from memory or read from a file in chunks, so that a large
// data file never needs a second copy of itself in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ordinax::exchange {

class LineSource {
public:
    // Lines of a text held by the caller.
    explicit LineSource(std::string_view text);
    // Lines of an open file descriptor (owned: closed by the destructor). A
    // line longer than `maxLineLength` bytes stops the reading (tooLong()):
    // the memory held stays near that length whatever the input.
    LineSource(int fd, std::size_t sizeHint, std::size_t maxLineLength = SIZE_MAX);
    ~LineSource();
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    // The next line, without its line feed (a carriage return stays); false at
    // the end. A text ending with a line feed has no empty line after it. The
    // line stays valid until the next call.
    bool next(std::string_view& line);

    // Bytes handed out so far, and the size of the whole input when known (0 otherwise).
    std::size_t consumed() const { return consumed_; }
    std::size_t total() const { return total_; }
    // True when reading the file failed (the lines before the failure were given).
    bool failed() const { return failed_; }
    // The system error number of the failed read.
    int error() const { return error_; }
    // True when a line longer than the limit stopped the reading; its 1-based number.
    bool tooLong() const { return tooLongLine_ != 0; }
    std::size_t tooLongLine() const { return tooLongLine_; }
    std::size_t maxLineLength() const { return maxLineLength_; }
    // The name of the input, for messages.
    void setName(std::string name) { name_ = std::move(name); }
    const std::string& name() const { return name_; }

private:
    bool refill();

    int fd_ = -1;
    std::string buffer_;     // file mode: bytes read, lines cut from [begin_, end_)
    std::string_view text_;  // memory mode: the rest of the text
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t consumed_ = 0;
    std::size_t total_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    int error_ = 0;
    std::size_t maxLineLength_ = SIZE_MAX;
    std::size_t lines_ = 0;         // lines handed out
    std::size_t tooLongLine_ = 0;
    std::string name_;
};

}  // namespace ordinax::exchange
