// Value conversion shared by the text import and the clipboard tables.
#include "exchange/value_reader.h"

#include <charconv>
#include <cstdint>
#include <ctime>

#include "base/decimal_parse.h"
#include "base/strings.h"

namespace ordinax::exchange {

namespace {

bool parseDecimal(std::string_view text, double& value) {
    if (text.empty()) return false;
    // from_chars takes no leading '+'; a second sign after it is not a number.
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    }
    if (base::parseDecimalFast(text, value)) return true;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    // Out of range (1E400, 1E-400) is refused rather than read as infinity or 0.
    return result.ec == std::errc() && result.ptr == end;
}

bool parseInBase(std::string_view text, int base, double& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    std::uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, magnitude, base);
    if (result.ec != std::errc() || result.ptr != end) return false;
    value = negative ? -static_cast<double>(magnitude) : static_cast<double>(magnitude);
    return true;
}

// A date part: digits only, at most 9 of them after leading zeros.
bool parsePart(std::string_view text, int& value, int& digits) {
    if (text.empty() || text.size() > 16) return false;
    value = 0;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    std::size_t first = 0;
    while (first + 1 < text.size() && text[first] == '0') ++first;
    if (text.size() - first > 9) return false;
    for (std::size_t i = first; i < text.size(); ++i) value = value * 10 + (text[i] - '0');
    digits = static_cast<int>(text.size());
    return true;
}

}  // namespace

double localNoonSeconds(int day, int month, int year) {
    std::tm tm{};
    tm.tm_mday = day;
    tm.tm_mon = month - 1;
    tm.tm_year = year - 1900;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return static_cast<double>(std::mktime(&tm));
}

ValueReader::ValueReader(int numericBase) : base_(numericBase >= 2 && numericBase <= 16 ? numericBase : 10) {}

void ValueReader::noteEmpty() {
    if (!sawEmpty_ && !sawInvalid_) emptyFirst_ = true;
    sawEmpty_ = true;
}

void ValueReader::noteInvalid() { sawInvalid_ = true; }

std::vector<base::Message> ValueReader::warnings() const { return warningsOf(sawEmpty_, sawInvalid_, emptyFirst_); }

std::vector<base::Message> ValueReader::warningsOf(bool sawEmpty, bool sawInvalid, bool emptyFirst) {
    std::vector<base::Message> out;
    const base::Message empty = base::makeMessage(base::MsgEmptyRecords, base::Heading::Warning);
    const base::Message invalid = base::makeMessage(base::MsgInvalidRecords, base::Heading::Warning);
    if (sawEmpty && emptyFirst) out.push_back(empty);
    if (sawInvalid) out.push_back(invalid);
    if (sawEmpty && !emptyFirst) out.push_back(empty);
    return out;
}

double ValueReader::readNumber(std::string_view text) {
    double value = 0.0;
    const bool ok = (decimalMode_ || base_ == 10) ? parseDecimal(text, value) : parseInBase(text, base_, value);
    if (!ok) {
        noteInvalid();
        return 0.0;
    }
    return value;
}

double ValueReader::readDate(std::string_view text, bool& ok) {
    const std::size_t a = text.find('/');
    const std::size_t b = text.find('/', a + 1);
    int day = 0, month = 0, year = 0, dayDigits = 0, monthDigits = 0, yearDigits = 0;
    ok = parsePart(text.substr(0, a), day, dayDigits) && parsePart(text.substr(a + 1, b - a - 1), month, monthDigits) &&
         parsePart(text.substr(b + 1), year, yearDigits);
    // A day or month out of its range is not a date that the calendar could
    // silently roll over into another one.
    if (!ok || day < 1 || day > 31 || month < 1 || month > 12) {
        ok = false;
        return 0.0;
    }
    if (yearDigits <= 2) year += year < 39 ? 2000 : 1900;
    if (day == lastDay_ && month == lastMonth_ && year == lastYear_) return lastDate_;
    lastDay_ = day;
    lastMonth_ = month;
    lastYear_ = year;
    lastDate_ = localNoonSeconds(day, month, year);
    return lastDate_;
}

double ValueReader::read(std::string_view value, bool& wasDate) {
    wasDate = false;
    if (value.empty()) {
        noteEmpty();
        return 0.0;
    }
    // The common case: a plain number that converts to its end.
    const char last = value.back();
    if (last != '-' && last != '+' && value.front() != '+' && (decimalMode_ || base_ == 10)) {
        double v = 0.0;
        if (base::parseDecimalFast(value, v)) return v;
        const char* end = value.data() + value.size();
        const auto result = std::from_chars(value.data(), end, v, std::chars_format::general);
        if (result.ec == std::errc() && result.ptr == end) return v;
    }

    // A trailing sign goes to the front, unless the value already starts with it.
    std::string& s = scratch_;
    s.assign(value);
    for (char sign : {'-', '+'}) {
        if (!s.empty() && s.back() == sign) {
            s.pop_back();
            if (s.empty() || s.front() != sign) s.insert(s.begin(), sign);
        }
    }

    std::size_t slashes = 0;
    for (char c : s) slashes += c == '/';
    if (slashes == 2) {
        bool ok = false;
        const double date = readDate(s, ok);
        if (!ok) {
            noteInvalid();
            return 0.0;
        }
        wasDate = true;
        decimalMode_ = true;
        return date;
    }
    if (slashes > 0) std::erase(s, '/');
    return readNumber(s);
}

}  // namespace ordinax::exchange
