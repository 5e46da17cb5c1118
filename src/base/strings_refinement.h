// Message ids: the refinement of the regression fits by nonlinear least squares.
// Ids of this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgRefineNotKept = 10900,               // the refinement failed: the linearised fit is kept, with the reason
    MsgRefineNotNeeded = 10909,             // the refinement has nothing to do (linear model, all y equal)
    MsgRefineReasonNotRefinable = 10901,    // the model is linear in its coefficients
    MsgRefineReasonConstantY = 10902,       // all y equal: the linearised fit is exact
    MsgRefineReasonStartNotFinite = 10903,  // the linearised model has no value at some point
    MsgRefineReasonNotConverged = 10904,    // no minimum within the evaluation budget (%s evaluations)
    MsgRefineReasonCancelled = 10905,       // stopped by the user
    MsgRefineReasonNumerical = 10906,       // derivatives not computable
    MsgRefineReasonUndetermined = 10907,    // dependent derivatives at the minimum
    MsgRefineReasonOutOfRange = 10908,      // a coefficient beyond 1E35
    MsgRefineStopReduction = 10910,         // the sum of squares no longer decreases
    MsgRefineStopStep = 10911,              // the coefficients no longer change
    MsgRefineStopBoth = 10912,              // both
    MsgRefineStopGradient = 10913,          // residuals orthogonal to the derivatives
    MsgRefineStopPrecision = 10914,         // machine precision reached
    MsgRefineFitLinearised = 10920,         // report: the fit shown is the linearised one
    MsgRefineFitRefined = 10921,            // report: the fit shown is the refined one
    MsgRefineFitNotKept = 10922,            // report: linearised, the refinement asked for was not kept (%s)
};

}  // namespace ordinax::base
