// The curves of an analytic function: the generation of one curve or of a
// parametric family into the diagram, the count of the points that failed,
// and the small operations of the function dialog (check, clear, accept, the
// look-up of the curve holding a family's definition).
#pragma once

#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "expression/compiled_function.h"

namespace ordinax::expression {

struct FunctionRun {
    base::Message error;     // the definition was refused: nothing was generated
    base::Message report;    // points failed (messages 750-752): the curves stand
    int currentCurve = -1;   // the curve holding the definition afterwards
    int firstCurve = -1;     // the generated curves: firstCurve .. firstCurve+curveCount-1
    int curveCount = 0;
    std::vector<double> parameters;  // the parameter value of each generated member (family only)
    long long pointCount = 0;
    long long errorCount = 0;
};

// Computes the curve(s) of the definition held by curve `curve` (the
// "Calculer" button): bounds, checks and compilation first, then one curve, or
// the family replacing the previous members. `previousFamilySize` is the number
// of curves the definition had when its editing began (1 when not parametric).
FunctionRun computeFunction(document::Diagram& diagram, int curve, int previousFamilySize);

// Runs the three checks of a definition (the "Contrôler" button); returns the
// first error, or message 700 under the heading CONTRÔLE when all pass.
base::Message checkFunction(document::FunctionDef& def, int curveCount, int previousFamilySize);

// Fills `curve` with the pointNumber points of `def` at parameter value p and,
// when its title is empty, gives it the default title (with " (p = value)" for
// a parametric definition); adds to the run's point and error counters.
void generateMember(document::Diagram& diagram, int curve, const document::FunctionDef& def,
                    const CompiledFunction& compiled, double p, FunctionRun& run);

// The message of a run whose points failed: error count, point count, and the
// note that each failed point has y = 0.
base::Message mathErrorReport(long long errorCount, long long pointCount);

// The smallest positive functionId that no curve of the diagram carries.
int smallestFreeFunctionId(const document::Diagram& diagram);

// The number of curves generated from the definition held by `curve`: the
// members sharing its functionId when it is parametric, 1 otherwise.
int familyCurveCount(const document::Diagram& diagram, int curve);

// The confirmation asked before "Effacer tout" (message 164, ATTENTION).
base::Message newFunctionConfirmation();

// "Effacer tout": the definition takes its defaults, keeping anglesInDegrees.
void clearFunctionDef(document::FunctionDef& def);

struct HolderLookup {
    int holder = -1;      // the curve holding the definition to edit
    base::Message error;  // message 123: the family lost its holder
};

// The curve whose definition is edited when the function of `curve` is opened:
// the holder of its family, or the curve itself when it holds its definition.
HolderLookup findFunctionHolder(const document::Diagram& diagram, int curve);

// "Quitter": gives a definition without functionId the smallest free one;
// returns message 721 (and the dialog stays open) when the bounds are equal.
base::Message acceptFunction(document::Diagram& diagram, int curve);

}  // namespace ordinax::expression
