// The choices of the smoothing and fitting dialog ("Lissage") as plain rules:
// the treatment groups and the kind each one selects, the confidence levels
// offered, which fixed parameters a model takes, which models draw a
// confidence band, and applying a chosen treatment to a curve.
#pragma once

#include <array>
#include <string>

#include "base/message.h"
#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

// The radio buttons of the dialog.
enum class TreatmentGroup {
    None,          // no line between the points
    PointToPoint,  // "&Jonction point-à-point"
    Neighbour,     // "&Proche en proche": B-spline, cubic spline or Bézier
    Fourier,       // "Transformée de &Fourier"
    Regression,    // one of the 37 models
};

// The group a kind belongs to (unknown kinds read as None).
TreatmentGroup treatmentGroup(int kind);

// The kind a group selects: Neighbour keeps the curve's kind when it is a
// B-spline, cubic spline or Bézier and is otherwise a B-spline; Regression
// takes `model` (LIN when that is not a model).
int kindOfGroup(TreatmentGroup group, int currentKind, int model);

// The confidence levels of the "IC :" list, in percent.
inline constexpr std::array<double, 4> ConfidenceLevels = {99.0, 95.0, 90.0, 80.0};

// The entry of the list showing `confidence`: the level nearest to it (95 for a
// value that is not a level between 0 and 100).
int confidenceIndex(double confidence);

// Whether each fixed parameter r, s, t is given for a model.
std::array<bool, 3> fixedParametersUsed(int kind);

// The label of a fixed-parameter field: "r =", "s =", "t =", or "? =" when the
// model does not take that parameter.
std::string fixedParameterLabel(int kind, int index);

// True for the models whose confidence band can be drawn (EXP, LIN, LOG, LOG10, PUI).
bool hasConfidenceBand(int kind);

// What the user chose in the dialog.
struct TreatmentChoice {
    int kind = KindNone;
    std::array<double, 3> parameters = {};  // r, s, t
    double confidence = 95.0;
    int harmonics = 10;
    bool showBand = false;  // draw the confidence lines (line style 1), for the models that have them
    bool refine = false;    // "Affiner par moindres carrés non linéaires", for the models isRefinable accepts
};

// The choice showing a curve as it stands.
TreatmentChoice currentChoice(const document::Curve& curve);

// The line type given to the confidence lines when the band is asked for and
// the curve has none yet: dashed, so that the band stands apart from the model.
inline constexpr int BandLineType = 2;

struct TreatmentOutcome {
    int status = 0;           // 0, or the message id of a refused fit or series
    FitReport lastFit;        // the fit just computed (regression only)
    bool reportable = false;  // a regression or a Fourier series was computed: a report follows
    base::Message warning;    // a refinement asked for and not kept: the linearised fit stands
};

// Applies the choice to the curve: the kind, the fixed parameters, the
// confidence level and the harmonic count, then the fit (refined when asked
// and the model allows it) or the series. On a refusal the curve is left
// exactly as it was.
TreatmentOutcome applyTreatment(document::Curve& curve, const TreatmentChoice& choice, const Catalogue& catalogue,
                                bool henryY);

}  // namespace ordinax::numerics
