// Comparing all regression models on one curve ("multi-regression test"):
// each suitable model is fitted and the models are ranked by their
// coefficient of determination.
#pragma once

#include <functional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "document/point_buffer.h"
#include "numerics/catalogue.h"

namespace ordinax::numerics {

struct RankEntry {
    int kind = 0;
    std::string code;
    std::string name;  // display name without markup (Windows-1252)
    double determination = 0.0;
    bool operator==(const RankEntry&) const = default;
};

// Called with the list as it grows, sorted, after each model.
using RankProgress = std::function<void(const std::vector<RankEntry>&)>;

// Called after each model tried, kept or not: how many were tried of how many take part.
using RankStep = std::function<void(int tried, int total)>;

// The number of models a comparison tries on a curve of `pointCount` points
// whose x and y are not all equal.
int comparedModelCount(int pointCount);

// Fits every suitable model (6..42 without fixed parameters or forced
// passage, and with no more coefficients than points) and keeps those whose
// fit succeeds with a positive coefficient of determination, best first.
// All x equal: an empty list. All y equal: the models that carry a constant,
// each with 1. A stop request is looked at before each model: the list holds
// the models fitted until then.
std::vector<RankEntry> compareModels(std::span<const document::Point> points, const Catalogue& catalogue,
                                     bool henryY, const RankProgress& progress = {}, std::stop_token stop = {},
                                     const RankStep& step = {});

// Sorts by decreasing coefficient of determination (Shell sort, gaps 1, 4, 13, ...).
void sortByDetermination(std::vector<RankEntry>& entries);

// The list line of an entry: code, tab, name, tab, the coefficient with 4 decimals.
std::string rankLine(const RankEntry& entry);

}  // namespace ordinax::numerics
