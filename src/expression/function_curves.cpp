// The curves of an analytic function.
#include "expression/function_curves.h"

#include <cmath>
#include <set>
#include <utility>

#include "base/format.h"
#include "base/strings.h"
#include "base/text.h"
#include "document/diagram_defaults.h"
#include "document/diagram_ops.h"
#include "expression/checker.h"
#include "expression/compiler.h"
#include "expression/evaluator.h"
#include "expression/expression_messages.h"
#include "expression/field_filters.h"
#include "expression/parametric_domain.h"

namespace ordinax::expression {

using document::Curve;
using document::Diagram;
using document::FunctionDef;

namespace {

// The kinds a member may keep: the four curve-drawing smoothings.
bool isDrawingSmoothing(int treatment) { return treatment >= 1 && treatment <= 4; }

base::Message boundsError() { return base::makeMessage(base::MsgBoundsIncorrect, base::Heading::Error); }

// Bounds and point count as the dialog's fields guarantee them; a definition
// from elsewhere (a file, the command line) is held to the same rules.
base::Message fieldError(const FunctionDef& def) {
    if (base::Message e = checkRangeValue(def.from); !e.empty()) return e;
    if (base::Message e = checkRangeValue(def.to); !e.empty()) return e;
    return checkPointNumber(def.pointNumber);
}

Curve& curveAt(Diagram& diagram, int index) { return diagram.curves[static_cast<std::size_t>(index)]; }

}  // namespace

base::Message mathErrorReport(long long errorCount, long long pointCount) {
    std::string text = base::expandPlural(errorCount, messageWithNumber(base::MsgMathErrorCount, std::to_string(errorCount)));
    text += '\n';
    text += base::expandPlural(pointCount, messageWithNumber(base::MsgMathErrorPoints, std::to_string(pointCount)));
    text += "\n\n";
    text += base::messageText(base::MsgMathErrorZero);
    return base::Message{base::MsgMathErrorCount, base::Heading::Error, std::move(text)};
}

int smallestFreeFunctionId(const Diagram& diagram) {
    std::set<int> used;
    for (const Curve& c : diagram.curves)
        if (c.function.functionId > 0) used.insert(c.function.functionId);
    int id = 1;
    while (used.count(id)) ++id;
    return id;
}

int familyCurveCount(const Diagram& diagram, int curve) {
    const FunctionDef& def = diagram.curves[static_cast<std::size_t>(curve)].function;
    if (!def.parametric || def.functionId <= 0) return 1;
    int count = 0;
    for (const Curve& c : diagram.curves)
        if (c.function.functionId == def.functionId) ++count;
    return count;
}

void generateMember(Diagram& diagram, int curve, const FunctionDef& def, const CompiledFunction& compiled, double p,
                    FunctionRun& run) {
    Curve& c = curveAt(diagram, curve);
    if (c.title.empty()) {
        c.title = base::formatPrintf(document::DefaultCurveTitle, curve + 1);
        if (def.parametric) c.title += " (" + def.parameter + " = " + base::formatPrintf("%g", p) + ")";
    }
    const int n = def.pointNumber;
    run.pointCount += n;
    const std::span<document::Point> points = c.points.assignUninitialised(static_cast<std::size_t>(n));
    const double step = std::fabs(def.to - def.from) / (n - 1);
    MathErrorFlag flag;
    long long errors = 0;
    for (int i = 0; i < n; ++i) {
        const double x = i == n - 1 ? def.to : def.from + i * step;
        flag.clear();
        double y = evaluateAt(compiled, x, p, flag);
        if (flag.isRaised()) {
            y = 0.0;
            ++errors;
        }
        points[static_cast<std::size_t>(i)] = document::Point{x, y};
    }
    run.errorCount += errors;
    document::curveExtent(diagram, curve, -1);
}

FunctionRun computeFunction(Diagram& diagram, int curve, int previousFamilySize) {
    FunctionRun run;
    if (curve < 0 || curve >= diagram.curveCount()) {
        run.error = boundsError();
        return run;
    }
    FunctionDef& def = curveAt(diagram, curve).function;
    if (def.from == def.to) {
        run.error = boundsError();
        return run;
    }
    if (base::Message e = fieldError(def); !e.empty()) {
        run.error = std::move(e);
        return run;
    }
    // The dialog shows a reversed range swapped; the points run from the lower bound.
    if (def.from > def.to) std::swap(def.from, def.to);

    if (base::Message e = checkExpression(def); !e.empty()) {
        run.error = std::move(e);
        return run;
    }
    if (base::Message e = checkParametricFamily(def, diagram.curveCount(), previousFamilySize); !e.empty()) {
        run.error = std::move(e);
        return run;
    }
    CompiledFunction compiled;
    if (base::Message e = compileExpression(def, compiled); !e.empty()) {
        run.error = std::move(e);
        return run;
    }

    if (!def.parametric) {
        generateMember(diagram, curve, def, compiled, 0.0, run);
        curveAt(diagram, curve).function.functionId = smallestFreeFunctionId(diagram);
        run.currentCurve = run.firstCurve = curve;
        run.curveCount = 1;
    } else {
        const Curve templateCurve = curveAt(diagram, curve);
        const int oldId = templateCurve.function.functionId;
        const std::vector<DomainItem> items = parseDomain(templateCurve.function.domain).items;
        // What stays once the previous family and the empty curves are gone
        // decides the room left; the family must fit whole, never truncated.
        int staying = 0;
        for (int i = 0; i < diagram.curveCount(); ++i) {
            const Curve& c = curveAt(diagram, i);
            const bool member = i == curve || (oldId > 0 && c.function.functionId == oldId);
            if (!member && c.pointCount() > 0) ++staying;
        }
        const int room = document::MaxCurves - staying;
        const double size = familySize(items);
        if (!(size <= room)) {
            run.error = expressionError(base::MsgTooManyFamilyCurves, ErrorContext::Domain, 0,
                                        base::formatPrintf("%.15g", size), std::to_string(room));
            return run;
        }
        for (int i = 0; i < diagram.curveCount(); ++i) {
            Curve& c = curveAt(diagram, i);
            if (i != curve && oldId > 0 && c.function.functionId == oldId) document::resetCurve(c);
        }
        document::resetCurve(curveAt(diagram, curve));
        document::compactCurves(diagram);
        document::renumberDefaultTitles(diagram);

        const int id = smallestFreeFunctionId(diagram);
        const std::vector<double> values = parameterValues(items, room);
        run.firstCurve = run.currentCurve = diagram.curveCount();
        for (std::size_t j = 0; j < values.size(); ++j) {
            Curve member = templateCurve;
            member.title.clear();
            member.points.clear();
            member.function.parametric = j == 0 ? 1 : 0;
            member.function.functionId = id;
            if (!isDrawingSmoothing(member.treatment)) member.treatment = 1;
            diagram.curves.push_back(std::move(member));
        }
        const FunctionDef& holder = curveAt(diagram, run.firstCurve).function;
        for (std::size_t j = 0; j < values.size(); ++j)
            generateMember(diagram, run.firstCurve + static_cast<int>(j), holder, compiled, values[j], run);
        run.curveCount = static_cast<int>(values.size());
        run.parameters = values;
    }
    document::renumberDefaultTitles(diagram);
    if (run.errorCount > 0) run.report = mathErrorReport(run.errorCount, run.pointCount);
    return run;
}

base::Message checkFunction(FunctionDef& def, int curveCount, int previousFamilySize) {
    if (base::Message e = checkExpression(def); !e.empty()) return e;
    if (base::Message e = checkParametricFamily(def, curveCount, previousFamilySize); !e.empty()) return e;
    CompiledFunction compiled;
    if (base::Message e = compileExpression(def, compiled); !e.empty()) return e;
    return base::makeMessage(base::MsgFunctionCorrect, base::Heading::Check);
}

base::Message newFunctionConfirmation() { return base::makeMessage(base::MsgNewFunctionConfirm, base::Heading::Warning); }

void clearFunctionDef(FunctionDef& def) {
    const int angles = def.anglesInDegrees;
    def = FunctionDef{};
    def.anglesInDegrees = angles;
}

HolderLookup findFunctionHolder(const Diagram& diagram, int curve) {
    const FunctionDef& def = diagram.curves[static_cast<std::size_t>(curve)].function;
    if (def.functionId <= 0 || def.parametric) return {curve, {}};
    bool shared = false;
    for (int i = 0; i < diagram.curveCount(); ++i) {
        if (i == curve) continue;
        const FunctionDef& other = diagram.curves[static_cast<std::size_t>(i)].function;
        if (other.functionId != def.functionId) continue;
        if (other.parametric) return {i, {}};
        shared = true;
    }
    if (shared) return {-1, base::makeMessage(base::MsgFunctionNotFound, base::Heading::Error)};
    return {curve, {}};
}

base::Message acceptFunction(Diagram& diagram, int curve) {
    FunctionDef& def = curveAt(diagram, curve).function;
    if (def.functionId == 0) def.functionId = smallestFreeFunctionId(diagram);
    if (def.from == def.to) return boundsError();
    return {};
}

}  // namespace ordinax::expression
