// The domain of variation of a parametric variable.
#include "expression/parametric_domain.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/format.h"
#include "base/strings.h"
#include "expression/expression_messages.h"

namespace ordinax::expression {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

double rangeCount(const DomainItem& item) {
    return std::floor((item.end - item.start + item.step / 10.0) / item.step) + 1.0;
}

base::Message domainError(int id) { return expressionError(id, ErrorContext::Domain); }

}  // namespace

DomainParse parseDomain(std::string_view domain) {
    DomainParse result;
    if (domain.empty()) {
        result.error = domainError(base::MsgValueUndefined);
        return result;
    }
    const std::vector<std::string_view> texts = split(domain, ';');
    // Syntax of every item first, then its numbers, then the ranges.
    for (std::string_view item : texts) {
        const auto slashes = std::count(item.begin(), item.end(), '/');
        if (slashes == 0) continue;
        if (slashes != 2 || item.front() == '/' || item.back() == '/' || item.find("//") != std::string_view::npos) {
            result.error = domainError(base::MsgSyntaxError);
            return result;
        }
    }
    for (std::string_view item : texts) {
        const std::vector<std::string_view> numbers = split(item, '/');
        double values[3] = {0.0, 0.0, 0.0};
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const auto value = base::parseNumber(numbers[i]);
            if (!value || numbers[i].find(' ') != std::string_view::npos) {
                result.error = domainError(base::MsgNumericValue);
                return result;
            }
            values[i] = *value;
        }
        result.items.push_back(DomainItem{numbers.size() == 3, values[0], values[1], values[2]});
    }
    for (const DomainItem& item : result.items) {
        if (!item.range) continue;
        int error = 0;
        if (item.end <= item.start) error = base::MsgDomainEndNotAbove;
        else if (item.step == 0.0) error = base::MsgDomainStepZero;
        else if (item.step < 0.0) error = base::MsgDomainStepNegative;
        else if (item.step > item.end - item.start) error = base::MsgDomainStepTooLarge;
        if (error) {
            result.error = domainError(error);
            result.items.clear();
            return result;
        }
    }
    return result;
}

double familySize(const std::vector<DomainItem>& items) {
    double size = 0.0;
    for (const DomainItem& item : items) size += item.range ? rangeCount(item) : 1.0;
    return size;
}

std::vector<double> parameterValues(const std::vector<DomainItem>& items, int limit) {
    std::vector<double> values;
    for (const DomainItem& item : items) {
        if (static_cast<int>(values.size()) >= limit) break;
        if (!item.range) {
            values.push_back(item.start);
            continue;
        }
        const double count = rangeCount(item);
        double p = item.start;
        for (double n = 0; n < count && p < item.end + item.step / 10.0; ++n) {
            if (static_cast<int>(values.size()) >= limit) break;
            values.push_back(p);
            p += item.step;
        }
    }
    return values;
}

}  // namespace ordinax::expression
