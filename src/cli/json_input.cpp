// A JSON document read through a bounded byte source and a parser callback
// that takes the curves' points aside.
#include "cli/json_input.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "base/input_file.h"
#include "base/strings.h"
#include "base/strings_files.h"
#include "base/system_reason.h"

namespace ordinax::cli {

namespace {

// Why the byte source stopped before the end of the input.
enum class Stop { None, ReadFailed, TooLong };

// The bytes of a descriptor, read in chunks, with the lengths of strings,
// other tokens and runs of blanks checked as they pass, and the line and
// column of the last byte handed out.
class ByteSource {
public:
    explicit ByteSource(int fd) : fd_(fd), buffer_(std::size_t{1} << 16) {}

    // The next byte, or -1 at the end (or once a limit or a read failure stopped it).
    int next() {
        if (at_ == end_ && !refill()) return -1;
        const unsigned char c = static_cast<unsigned char>(buffer_[at_++]);
        if (!check(c)) return -1;
        if (c == '\n') {
            ++line_;
            column_ = 0;
        } else {
            ++column_;
        }
        return c;
    }

    Stop stop() const { return stop_; }
    int error() const { return error_; }
    std::size_t line() const { return line_; }
    std::size_t column() const { return column_; }
    std::size_t limit() const { return limit_; }
    int limitMessage() const { return limitMessage_; }

private:
    bool refill() {
        if (stop_ != Stop::None || ended_) return false;
        for (;;) {
            const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                stop_ = Stop::ReadFailed;
                error_ = errno;
                return false;
            }
            if (n == 0) {
                ended_ = true;
                return false;
            }
            at_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
    }

    bool tooLong(std::size_t limit, int id = base::MsgInputValueTooLong) {
        stop_ = Stop::TooLong;
        limit_ = limit;
        limitMessage_ = id;
        return false;
    }

    bool check(unsigned char c) {
        if (inString_) {
            if (escaped_) {
                escaped_ = false;
            } else if (c == '\\') {
                escaped_ = true;
            } else if (c == '"') {
                inString_ = false;
                return true;
            }
            return ++run_ <= MaxJsonTextLength || tooLong(MaxJsonTextLength);
        }
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (c == '"' || c == '{' || c == '}' || c == '[' || c == ']' || c == ',' || c == ':') {
            inString_ = c == '"';
            run_ = 0;
            blanks_ = 0;
            return true;
        }
        if (blank) {
            run_ = 0;
            return ++blanks_ <= MaxJsonBlankRun || tooLong(MaxJsonBlankRun, base::MsgInputBlankRun);
        }
        blanks_ = 0;
        return ++run_ <= MaxJsonTokenLength || tooLong(MaxJsonTokenLength);
    }

    int fd_;
    std::vector<char> buffer_;
    std::size_t at_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    Stop stop_ = Stop::None;
    int error_ = 0;
    std::size_t limit_ = 0;
    int limitMessage_ = 0;
    bool inString_ = false;
    bool escaped_ = false;
    std::size_t run_ = 0;     // bytes of the current string or token
    std::size_t blanks_ = 0;  // bytes of the current run of blanks
    std::size_t line_ = 1;
    std::size_t column_ = 0;
};

// An input iterator over a ByteSource, as the JSON parser takes its input.
class ByteIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    ByteIterator() = default;
    explicit ByteIterator(ByteSource* source) : source_(source) { advance(); }

    const char& operator*() const { return current_; }
    ByteIterator& operator++() {
        advance();
        return *this;
    }
    ByteIterator operator++(int) {
        ByteIterator before = *this;
        advance();
        return before;
    }
    bool operator==(const ByteIterator& other) const { return atEnd() == other.atEnd(); }

private:
    bool atEnd() const { return source_ == nullptr; }
    void advance() {
        const int c = source_ ? source_->next() : -1;
        if (c < 0) source_ = nullptr;
        else current_ = static_cast<char>(c);
    }

    ByteSource* source_ = nullptr;
    char current_ = 0;
};

// A limit passed while parsing, with its message.
struct LimitError : std::runtime_error {
    explicit LimitError(base::Message m) : std::runtime_error("limit"), message(std::move(m)) {}
    base::Message message;
};

// Follows where the parser is, counts the items and takes the points of
// root.curves[i].points aside.
class PointCatcher {
public:
    PointCatcher(DumpPoints* points, const std::string& path) : points_(points), path_(path) {}

    bool event(int depth, nlohmann::detail::parse_event_t event, Json& parsed) {
        using E = nlohmann::detail::parse_event_t;
        const auto d = static_cast<std::size_t>(depth);
        if (event == E::key) {
            if (keys_.size() <= d) keys_.resize(d + 1);
            keys_[d] = parsed.is_string() ? parsed.get<std::string>() : std::string();
        }
        const bool starts = event == E::object_start || event == E::array_start || event == E::value;
        if (inPoints_) return pointEvent(d, event, parsed);
        if (++items_ > MaxJsonItems) limit(base::MsgInputTooManyItems, std::to_string(MaxJsonItems));
        // The elements of root.curves: one curve each.
        if (depth == 2 && starts && key(1) == "curves" && curvesArray_) {
            ++curve_;
            if (curve_ >= document::MaxCurves) limit(base::MsgInputTooManyCurves, std::to_string(document::MaxCurves));
            curveObject_ = event == E::object_start;
        }
        if (depth == 1 && starts) curvesArray_ = event == E::array_start && key(1) == "curves";
        if (depth == 1 && curvesArray_ && event == E::array_start) {
            curve_ = -1;
            if (points_) points_->clear();
        }
        if (points_ && depth == 3 && event == E::array_start && curvesArray_ && curveObject_ && key(3) == "points") {
            inPoints_ = true;
            pointCount_ = 0;
            points_->resize(static_cast<std::size_t>(curve_) + 1);
            (*points_)[static_cast<std::size_t>(curve_)].emplace();
        }
        return true;
    }

private:
    std::string key(std::size_t depth) const { return depth < keys_.size() ? keys_[depth] : std::string(); }

    [[noreturn]] void limit(int id, const std::string& argument) {
        throw LimitError(base::withReason(base::makeMessage(base::MsgInputStopped, base::Heading::Error, path_),
                                          base::makeMessage(id, base::Heading::None, argument).text));
    }

    [[noreturn]] void notAPoint() {
        throw LimitError(base::Message{0, base::Heading::Error,
                                       "« curves[" + std::to_string(curve_) + "].points[" + std::to_string(pointCount_) +
                                           "] » doit être un point [x, y]."});
    }

    // null stands for a value JSON cannot hold, as a dump writes NaN.
    double coordinate(const Json& value) {
        if (value.is_null()) return std::numeric_limits<double>::quiet_NaN();
        if (!value.is_number()) notAPoint();
        return value.get<double>();
    }

    bool pointEvent(std::size_t depth, nlohmann::detail::parse_event_t event, Json& parsed) {
        using E = nlohmann::detail::parse_event_t;
        if (depth == 3 && event == E::array_end) {
            inPoints_ = false;
            return true;
        }
        if (depth > 4) {
            // Inside one point: a few values at most before it ends.
            if (++pairItems_ > 3) notAPoint();
            return true;
        }
        if (event == E::array_start) {
            pairItems_ = 0;
            return true;
        }
        if (event != E::array_end || !parsed.is_array() || parsed.size() != 2) notAPoint();
        if (pointCount_ >= static_cast<std::size_t>(document::MaxPoints))
            limit(base::MsgInputTooManyPoints, std::to_string(document::MaxPoints));
        const document::Point p{coordinate(parsed[0]), coordinate(parsed[1])};
        (*points_)[static_cast<std::size_t>(curve_)]->push_back(p);
        ++pointCount_;
        return false;  // kept aside: the document keeps an empty array
    }

    DumpPoints* points_;
    const std::string& path_;
    std::vector<std::string> keys_;
    std::size_t items_ = 0;
    bool curvesArray_ = false;
    bool curveObject_ = false;
    int curve_ = -1;
    bool inPoints_ = false;
    std::size_t pointCount_ = 0;
    int pairItems_ = 0;
};

base::Message syntaxError(const std::string& path, std::size_t line, std::size_t column, bool range) {
    if (range)
        return base::Message{0, base::Heading::Error,
                             "Le fichier " + path + " n'est pas un document JSON valide (nombre hors limites)."};
    return base::Message{0, base::Heading::Error,
                         "Le fichier " + path + " n'est pas un document JSON valide (ligne " + std::to_string(line) +
                             ", colonne " + std::to_string(std::max<std::size_t>(column, 1)) + ")."};
}

}  // namespace

std::optional<Json> readJsonInput(const std::string& path, DumpPoints* points, base::Message& error) {
    base::InputError failure;
    const int fd = base::openInput(path, failure);
    if (fd < 0) {
        error = base::inputFailureMessage(path, failure);
        return std::nullopt;
    }
    std::optional<Json> json = readJsonDescriptor(fd, path, points, error);
    ::close(fd);
    return json;
}

std::optional<Json> readJsonDescriptor(int fd, const std::string& path, DumpPoints* points, base::Message& error) {
    base::InputError failure;
    ByteSource source(fd);
    PointCatcher catcher(points, path);
    std::optional<Json> json;
    bool outOfRange = false;
    try {
        json = Json::parse(ByteIterator(&source), ByteIterator(),
                           [&catcher](int depth, nlohmann::detail::parse_event_t event, Json& parsed) {
                               return catcher.event(depth, event, parsed);
                           });
    } catch (const LimitError& limit) {
        error = limit.message;
        return std::nullopt;
    } catch (const Json::parse_error&) {
    } catch (const Json::exception&) {
        outOfRange = true;
    }
    // A source stopped early may still end a document (a number cut at the
    // limit): what stopped it is the message, never the parse.
    if (source.stop() == Stop::ReadFailed) {
        failure.status = base::InputStatus::ReadFailed;
        failure.error = source.error();
        error = base::inputFailureMessage(path, failure);
        return std::nullopt;
    }
    if (source.stop() == Stop::TooLong) {
        error = base::withReason(
            base::makeMessage(base::MsgInputStopped, base::Heading::Error, path),
            base::makeMessage(source.limitMessage(), base::Heading::None, std::to_string(source.limit())).text);
        return std::nullopt;
    }
    if (json) return json;
    error = syntaxError(path, source.line(), source.column(), outOfRange);
    return std::nullopt;
}

}  // namespace ordinax::cli
