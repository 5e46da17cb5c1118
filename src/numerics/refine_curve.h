// A curve's refined fit: the fit with refinement that the smoothing dialog
// and `fit --refine` run, what the curve remembers of it, and its confidence
// band by the delta method.
//
// The diagram file has no field for a refinement. The curve keeps it in
// slots of its fit record that regression fits leave at zero
// (linearCoefficient[7..21], after the seven linear coefficients): a marker,
// the iteration and evaluation counts, the stop, both sums of squares and the
// covariance of the coefficients. Older readers carry these slots without
// looking at them, and any linearised fit, theirs included, zeroes them:
// a curve refitted without refinement forgets that it was refined.
#pragma once

#include <array>
#include <optional>

#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/refine_fit.h"

namespace ordinax::numerics {

// What a curve remembers of the refinement of its fit.
struct RefinementRecord {
    int iterations = 0;
    int evaluations = 0;
    LeastSquaresStop stop = LeastSquaresStop::ReductionSmall;
    double sse = 0.0;
    double linearisedSse = 0.0;
    std::array<std::array<double, 3>, 3> covariance = {};  // of a0..a2 (the models have at most 3)
};

// The record of a curve whose fit is refined; nullopt otherwise (no marker,
// or a model that is not refinable).
std::optional<RefinementRecord> storedRefinement(const document::Curve& curve);

// True when the curve's fit is a refined one (the dialog's check box).
inline bool isRefined(const document::Curve& curve) { return storedRefinement(curve).has_value(); }

// Writes the record of a refined fit into a fit record that already holds
// the refined coefficients (storeFit).
void storeRefinement(document::FitResult& fit, int kind, const Refinement& refinement);

// The result of a curve's fit with or without refinement.
struct CurveFit {
    FitReport report;        // the fit stored in the curve (its statistics, intervals)
    bool refineAsked = false;
    Refinement refinement;   // when refineAsked: refined, or why the linearised fit was kept
};

// Fits the curve's own model as fitCurve does, then refines it by nonlinear
// least squares and stores the fit shown: the refined one, or the linearised
// one when refinement does not succeed (result->refinement says why, and
// refineWarning gives the message to show). Returns 0, or the message id of
// a failed linearised fit, the curve then left as it was.
int refineCurve(document::Curve& curve, const Catalogue& catalogue, bool henryY, CurveFit* result = nullptr,
                const RefineSettings& settings = {});

// The fit of the smoothing dialog's "Calculer": refined when `refine` is set
// (its box "Affiner par moindres carrés non linéaires", offered for the
// models isRefinable accepts), linearised otherwise. Returns 0 or the message
// id of the fit; with 0, a refinement asked for but not kept has its message
// in refineWarning(result->refinement).
int computeCurveFit(document::Curve& curve, const Catalogue& catalogue, bool henryY, bool refine,
                    CurveFit* result = nullptr, const RefineSettings& settings = {});

// Fits the curve again the way it was fitted: refined when it remembers a
// refinement, linearised otherwise (a report, points that changed).
int refitCurve(document::Curve& curve, const Catalogue& catalogue, bool henryY, CurveFit* result = nullptr,
               const RefineSettings& settings = {});

// Upper (side +1) or lower (side -1) confidence line at x of a refined fit:
// f(x) ± t·√(gᵀ·C·g), g the derivatives of the model in its coefficients at x
// and C their covariance. nullopt when the curve is not refined; 1e35 when
// the value cannot be computed.
std::optional<double> refinedConfidenceBand(const document::Curve& curve, double x, int side);

}  // namespace ordinax::numerics
