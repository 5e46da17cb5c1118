// The multi-model comparison and its ranked list.
#include "numerics/model_comparison.h"

#include "base/format.h"
#include "numerics/fit_curve.h"

namespace ordinax::numerics {

namespace {

bool takesPart(int kind) {
    switch (kind) {
        case KindHYPTP: case KindLINTO: case KindLINTP: case KindPOL2TO: case KindPOL2TP: case KindRECLINTP:
        case KindGPOL2: case KindGPOL3:
            return false;
        default:
            return true;
    }
}

// The models listed with 1 when every y is the same.
constexpr int ConstantYKinds[] = {KindBETA, KindEXP,    KindHYP,    KindHYP2, KindLIN,  KindLINHYP,
                                  KindLOG,  KindLOG10,  KindMODEXP, KindMODGEO, KindPOL2, KindPOL3,
                                  KindPOL4, KindPOL5,   KindPOL6,   KindPUI,  KindSUPGEO};

RankEntry entryOf(int kind, const Catalogue& catalogue, double determination) {
    return {kind, std::string(codeName(kind)), stripMarkup(catalogue[kind].name), determination};
}

}  // namespace

void sortByDetermination(std::vector<RankEntry>& entries) {
    const std::size_t n = entries.size();
    std::size_t gap = 1;
    while (gap <= n / 9) gap = 3 * gap + 1;
    for (; gap > 0; gap /= 3) {
        for (std::size_t i = gap; i < n; ++i) {
            RankEntry moving = std::move(entries[i]);
            std::size_t j = i;
            while (j >= gap && entries[j - gap].determination < moving.determination) {
                entries[j] = std::move(entries[j - gap]);
                j -= gap;
            }
            entries[j] = std::move(moving);
        }
    }
}

std::vector<RankEntry> compareModels(std::span<const document::Point> points, const Catalogue& catalogue, bool henryY,
                                     const RankProgress& progress, std::stop_token stop, const RankStep& step) {
    std::vector<RankEntry> entries;
    const DataSurvey survey = surveyPoints(points);
    if (survey.count == 0 || survey.allXEqual()) return entries;
    if (survey.allYEqual()) {
        for (int kind : ConstantYKinds) entries.push_back(entryOf(kind, catalogue, 1.0));
        sortByDetermination(entries);
        if (progress) progress(entries);
        return entries;
    }
    FitOptions options;
    options.henryY = henryY;
    options.onlyDetermination = true;
    const int total = comparedModelCount(survey.count);
    int tried = 0;
    for (int kind = FirstRegressionKind; kind <= LastRegressionKind; ++kind) {
        if (stop.stop_requested()) break;
        if (!takesPart(kind) || coefficientCount(kind) > survey.count) continue;
        const FitOutcome outcome = computeFit(points, kind, FitParameters{}, options, survey);
        ++tried;
        if (outcome.status == FitOk && outcome.report.determination > 0.0) {
            entries.push_back(entryOf(kind, catalogue, outcome.report.determination));
            sortByDetermination(entries);
            if (progress) progress(entries);
        }
        if (step) step(tried, total);
    }
    return entries;
}

int comparedModelCount(int pointCount) {
    int count = 0;
    for (int kind = FirstRegressionKind; kind <= LastRegressionKind; ++kind)
        if (takesPart(kind) && coefficientCount(kind) <= pointCount) ++count;
    return count;
}

std::string rankLine(const RankEntry& entry) {
    return entry.code + "\t" + entry.name + base::formatPrintf("\t%.4f", entry.determination);
}

}  // namespace ordinax::numerics
