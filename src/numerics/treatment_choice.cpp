// The choices of the smoothing and fitting dialog.
#include "numerics/treatment_choice.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numerics/fourier.h"
#include "numerics/refine_curve.h"
#include "numerics/refine_models.h"

namespace ordinax::numerics {

TreatmentGroup treatmentGroup(int kind) {
    if (kind == KindJPP) return TreatmentGroup::PointToPoint;
    if (kind >= KindBSP && kind <= KindBEZ) return TreatmentGroup::Neighbour;
    if (kind == KindFOU) return TreatmentGroup::Fourier;
    if (isRegressionKind(kind)) return TreatmentGroup::Regression;
    return TreatmentGroup::None;
}

int kindOfGroup(TreatmentGroup group, int currentKind, int model) {
    switch (group) {
        case TreatmentGroup::None:
            return KindNone;
        case TreatmentGroup::PointToPoint:
            return KindJPP;
        case TreatmentGroup::Neighbour:
            return currentKind >= KindBSP && currentKind <= KindBEZ ? currentKind : KindBSP;
        case TreatmentGroup::Fourier:
            return KindFOU;
        case TreatmentGroup::Regression:
            return isRegressionKind(model) ? model : KindLIN;
    }
    return KindNone;
}

int confidenceIndex(double confidence) {
    if (!(confidence > 0.0 && confidence < 100.0)) return 1;
    int best = 0;
    for (int i = 1; i < static_cast<int>(ConfidenceLevels.size()); ++i)
        if (std::fabs(ConfidenceLevels[static_cast<std::size_t>(i)] - confidence) <
            std::fabs(ConfidenceLevels[static_cast<std::size_t>(best)] - confidence))
            best = i;
    return best;
}

std::array<bool, 3> fixedParametersUsed(int kind) {
    const int count = fixedParameterCount(kind);
    return {count > 0, count > 1, count > 2};
}

std::string fixedParameterLabel(int kind, int index) {
    static constexpr const char* Names[3] = {"r =", "s =", "t ="};
    if (index < 0 || index > 2 || !fixedParametersUsed(kind)[static_cast<std::size_t>(index)]) return "? =";
    return Names[index];
}

bool hasConfidenceBand(int kind) {
    return kind == KindEXP || kind == KindLIN || kind == KindLOG || kind == KindLOG10 || kind == KindPUI;
}

TreatmentChoice currentChoice(const document::Curve& curve) {
    TreatmentChoice choice;
    choice.kind = curve.treatment;
    choice.parameters = curve.fit.stats;
    choice.confidence = curve.confidence;
    choice.harmonics = std::clamp(curve.fit.harmonicCount, 0, MaxHarmonics);
    choice.showBand = curve.line.type[1] != 0;
    choice.refine = isRefined(curve);
    return choice;
}

TreatmentOutcome applyTreatment(document::Curve& curve, const TreatmentChoice& choice, const Catalogue& catalogue,
                                bool henryY) {
    TreatmentOutcome outcome;
    document::Curve changed = curve;
    changed.treatment = choice.kind;
    // Only the models with a band say whether it is drawn; the others keep
    // the line style chosen for it.
    if (hasConfidenceBand(choice.kind)) {
        if (!choice.showBand)
            changed.line.type[1] = 0;
        else if (changed.line.type[1] == 0)
            changed.line.type[1] = BandLineType;
    }
    if (isRegressionKind(choice.kind)) {
        changed.fit.stats = choice.parameters;
        changed.confidence = choice.confidence;
        CurveFit fit;
        outcome.status =
            computeCurveFit(changed, catalogue, henryY, choice.refine && isRefinable(choice.kind), &fit);
        outcome.reportable = outcome.status == FitOk;
        if (outcome.reportable) {
            if (fit.refineAsked && !fit.refinement.refined()) outcome.warning = refineWarning(fit.refinement);
            outcome.lastFit = std::move(fit.report);
        }
    } else if (choice.kind == KindFOU) {
        changed.fit.harmonicCount = std::clamp(choice.harmonics, 0, MaxHarmonics);
        outcome.status = fourierFit(changed);
        outcome.reportable = outcome.status == 0;
    }
    if (outcome.status == 0) curve = std::move(changed);
    return outcome;
}

}  // namespace ordinax::numerics
