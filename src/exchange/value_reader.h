// Conversion of one normalised value of an imported record: the sign moved to
// the front, day/month/year dates, decimal or integer numbers, and the
// one-time warnings for empty and invalid values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"

namespace ordinax::exchange {

// Seconds since 1970-01-01 00:00 UTC of 12:00 local time on that day.
double localNoonSeconds(int day, int month, int year);

class ValueReader {
public:
    // numericBase 10 (or outside 2..16) reads decimal floating-point numbers;
    // another base reads signed integers in that base until the record's first date.
    explicit ValueReader(int numericBase = 10);

    // Starts a record: values before any date follow the numeric base again.
    void startRecord() { decimalMode_ = false; }

    // Converts one value (only signs, digits, ".", "E" and "/" are left in it).
    // An empty or unreadable value gives 0 and is remembered for the warnings.
    // `wasDate` tells whether the value was a date.
    double read(std::string_view value, bool& wasDate);

    // The warnings met so far, each once, in the order they first occurred.
    std::vector<base::Message> warnings() const;
    bool sawEmpty() const { return sawEmpty_; }
    bool sawInvalid() const { return sawInvalid_; }
    // True when an empty value came before any invalid one.
    bool emptyFirst() const { return emptyFirst_; }
    // Forgets the values met so far (records read apart, merged afterwards).
    void clearWarnings() { sawEmpty_ = sawInvalid_ = emptyFirst_ = false; }
    // The warnings of warnings() for the given findings.
    static std::vector<base::Message> warningsOf(bool sawEmpty, bool sawInvalid, bool emptyFirst);

private:
    double readNumber(std::string_view text);
    double readDate(std::string_view text, bool& ok);
    void noteEmpty();
    void noteInvalid();

    int base_ = 10;
    bool decimalMode_ = false;
    bool sawEmpty_ = false;
    bool sawInvalid_ = false;
    bool emptyFirst_ = false;
    std::string scratch_;
    // Dates repeat from one record to the next: the last one is kept.
    int lastDay_ = -1, lastMonth_ = -1, lastYear_ = -1;
    double lastDate_ = 0.0;
};

}  // namespace ordinax::exchange
