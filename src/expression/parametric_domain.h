// The domain of variation of a parametric variable: items separated by ";",
// each a single value or start/end/step, their check, the size of the family
// they generate and the parameter values of its members.
#pragma once

#include <string_view>
#include <vector>

#include "base/message.h"

namespace ordinax::expression {

struct DomainItem {
    bool range = false;  // start/end/step; otherwise the single value `start`
    double start = 0.0;
    double end = 0.0;
    double step = 0.0;
};

struct DomainParse {
    base::Message error;  // empty when the domain is acceptable
    std::vector<DomainItem> items;
};

// Reads and checks a domain (syntax, numbers, ranges and steps); errors are in
// the context of the domain of variation.
DomainParse parseDomain(std::string_view domain);

// The number of curves a domain generates: one per single value, and for each
// range the integer part of (end - start + step/10) / step, plus 1. A double,
// since a hostile domain can count far beyond any integer type.
double familySize(const std::vector<DomainItem>& items);

// The parameter values of the members in order: single values as they stand,
// ranges from start by repeated addition of the step while below end + step/10.
// At most `limit` values, and a range never yields more than its count above
// (the repeated addition may stall on huge starts or tiny steps).
std::vector<double> parameterValues(const std::vector<DomainItem>& items, int limit);

}  // namespace ordinax::expression
