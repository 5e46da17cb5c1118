// fitCurve: the checks on the data, the sums, the solution, its conversion
// and the statistics of a regression fit.
#include "numerics/fit_curve.h"

#include <cmath>
#include <vector>

#include "expression/primitives.h"
#include "numerics/fit_models.h"
#include "numerics/probability.h"

namespace ordinax::numerics {

namespace {

using document::Point;

int firstOf(int a, int b) { return a < 0 ? b : (b < 0 ? a : (a < b ? a : b)); }

// The message of the first failing point, given the first index of each fault
// (faults checked in the order given for one point).
int firstFault(std::initializer_list<std::pair<int, int>> faults) {
    int bestIndex = -1, bestId = 0;
    for (const auto& [index, id] : faults)
        if (index >= 0 && (bestIndex < 0 || index < bestIndex)) bestIndex = index, bestId = id;
    return bestId;
}

bool isPolynomial(int kind) { return polynomialDegree(kind) > 0; }

// Models that get no fit when all y are equal.
bool refusesConstantY(int kind) {
    switch (kind) {
        case KindCAUCHY: case KindGAMMA: case KindHOERL: case KindHOMO: case KindLOGNOR: case KindMODHOERL:
        case KindMODPOW: case KindNOR: case KindRECHYP: case KindRECLIN: case KindRECLINTP: case KindRECLOG:
        case KindROOT:
            return true;
        default:
            return false;
    }
}

// Applies the value-range rule to a result; false when it is out of range.
bool inRange(double& value) { return !expression::clampResult(value); }

// The all-equal-y rule: no least squares, the constant carries y0.
FitOutcome constantFit(int kind, const FitParameters& fp, std::span<const Point> points, const DataSurvey& survey) {
    FitOutcome outcome;
    const double y0 = survey.minY;
    const int count = coefficientCount(kind);
    std::vector<double> a(static_cast<std::size_t>(count), 0.0);
    if (refusesConstantY(kind)) return {FitUnsuitableModel, {}};
    switch (kind) {
        case KindGPOL2:
        case KindGPOL3: {
            const double exponents[3] = {fp.r, fp.s, fp.t};
            int carrier = -1;
            for (int i = 0; i < count && carrier < 0; ++i)
                if (exponents[i] == 0.0) carrier = i;
            if (carrier < 0) return {FitUnsuitableModel, {}};
            a[static_cast<std::size_t>(carrier)] = y0;
            break;
        }
        case KindHYPTP: case KindLINTP: case KindPOL2TP:
            if (fp.s != y0) return {FitUnsuitableModel, {}};
            a[0] = fp.s;
            break;
        case KindLINTO: case KindPOL2TO:
            if (y0 != 0.0) return {FitUnsuitableModel, {}};
            break;
        default:
            a[0] = y0;
            break;
    }
    FitReport& report = outcome.report;
    report.kind = kind;
    report.coefficients = a;
    report.linear = a;
    if (hasLogarithmicConstant(kind) && y0 > 0.0) report.linear[0] = std::log(y0);
    report.determination = 1.0;
    report.correlation = 1.0;
    report.dof = 0;
    report.n = survey.count;
    report.studentT = -1.0;
    long double sumX = 0.0L;
    for (const Point& p : points) sumX += p.x;
    report.meanX = static_cast<double>(sumX / survey.count);
    report.meanY = y0;
    report.variances.assign(static_cast<std::size_t>(count), 0.0);
    for (double v : a) report.intervals.push_back({v, v});
    return outcome;
}

// The statistics of a solved fit, in the model's linearised coordinates.
int fitStatistics(int kind, const NormalSums& sums, const NormalSolution& solution, const ModelCoefficients& mc,
                  const FitOptions& options, FitReport& report) {
    const Quad n = static_cast<Quad>(sums.count);
    const int p = coefficientCount(kind);
    const int k = regressorCount(kind);
    report.n = static_cast<int>(sums.count);
    report.dof = report.n - k - 1;
    const Quad sx = static_cast<Quad>(sums.sx), sy = static_cast<Quad>(sums.sy);
    const Quad sxx = static_cast<Quad>(sums.sxx) - sx * sx / n;  // Σ(X' - meanX)²
    const Quad sst = static_cast<Quad>(sums.syy) - sy * sy / n;  // Σ(Y' - meanY)²
    const Quad sse = residualSquares(sums, solution.u);

    report.meanX = static_cast<double>(sx / n);
    report.meanY = static_cast<double>(sy / n);
    // All X' equal leaves only the rounding noise of the sums in Σ(X' - meanX)².
    const bool flatX = !(sxx > static_cast<Quad>(sums.sxx) * static_cast<Quad>(1.0e-17L));
    report.varX = flatX ? 0.0 : static_cast<double>(sxx / n);
    report.varY = sst > 0 ? static_cast<double>(sst / n) : 0.0;
    const double residualVar = report.dof > 0 ? static_cast<double>(sse / report.dof) : 0.0;
    report.residualVar = residualVar > 0.0 ? residualVar : 0.0;
    report.explainedVar = report.varY - report.residualVar > 0.0 ? report.varY - report.residualVar : 0.0;
    if (report.varX == 0.0) return FitSumsImpossible;

    // The regression sum of squares is SST - SSE: at the least-squares
    // solution it equals Σc·S(z·Y') - (ΣY')²/n for every model with Y' as response.
    double determination = 0.0;
    if (report.n == p) {
        determination = 1.0;
    } else if (sst > 0) {
        determination = static_cast<double>(1 - (sse / sst) * (n - 1) / (n - p));
    }
    determination = determination < 0.0 ? 0.0 : (determination > 1.0 ? 1.0 : determination);
    report.determination = determination;
    report.correlation = std::sqrt(determination);
    if (options.onlyDetermination || !options.statistics) return FitOk;

    // F statistic of the regression: (SSR / k) / (SSE / dof).
    if (determination >= 1.0 || report.dof <= 0 || !(sse > 0)) {
        report.fValue = -1.0;
    } else {
        const Quad ssr = sst - sse;
        report.fValue = static_cast<double>((ssr / k) / (sse / report.dof));
    }

    std::vector<double> variances(static_cast<std::size_t>(p), 0.0);
    switch (kind) {
        case KindEXP: case KindLIN: case KindLOG: case KindLOG10: case KindPUI:
            if (sxx > 0) {
                const Quad mean = sx / n;
                variances[1] = static_cast<double>(report.residualVar / sxx);
                variances[0] = static_cast<double>(report.residualVar * (1 / n + mean * mean / sxx));
            }
            break;
        default:
            if (isPolynomial(kind))
                for (int j = 0; j < p; ++j)
                    variances[static_cast<std::size_t>(j)] = static_cast<double>(report.residualVar * solution.inverseDiagonal[j]);
            break;
    }
    for (double& v : variances)
        if (!(v > 0.0)) v = 0.0;

    const auto t = studentQuantile(1.0 - options.confidence / 100.0, report.dof);
    if (!t) return FitSumsImpossible;
    report.studentT = *t;
    report.hasStatistics = true;
    report.intervals.clear();
    for (int j = 0; j < p; ++j) {
        const double half = report.studentT * std::sqrt(variances[static_cast<std::size_t>(j)]);
        double low = mc.linear[j] - half, high = mc.linear[j] + half;
        if (mc.exponentiated[j]) low = std::exp(low), high = std::exp(high);
        report.intervals.push_back({low, high});
    }
    report.variances = std::move(variances);
    return FitOk;
}

}  // namespace

DataSurvey surveyPoints(std::span<const Point> points) {
    DataSurvey survey;
    survey.count = static_cast<int>(points.size());
    if (points.empty()) return survey;
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    double probe = 0.0;  // becomes a non-number when a coordinate is not finite
    for (const Point& p : points) {
        minX = p.x < minX ? p.x : minX;
        maxX = p.x > maxX ? p.x : maxX;
        minY = p.y < minY ? p.y : minY;
        maxY = p.y > maxY ? p.y : maxY;
        probe += (p.x - p.x) + (p.y - p.y);
    }
    survey.minX = minX, survey.maxX = maxX, survey.minY = minY, survey.maxY = maxY;
    survey.finite = probe == 0.0;
    // The first points breaking the data rules, looked for only when one does.
    if (minX <= 0.0 || maxX >= 1.0 || minY <= 0.0) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double x = points[i].x, y = points[i].y;
            const int at = static_cast<int>(i);
            if (x < 0.0 && survey.firstNegativeX < 0) survey.firstNegativeX = at;
            if (x == 0.0 && survey.firstZeroX < 0) survey.firstZeroX = at;
            if (x >= 1.0 && survey.firstXAtLeastOne < 0) survey.firstXAtLeastOne = at;
            if (y < 0.0 && survey.firstNegativeY < 0) survey.firstNegativeY = at;
            if (y == 0.0 && survey.firstZeroY < 0) survey.firstZeroY = at;
        }
    }
    return survey;
}

int checkModelData(int kind, const FitParameters& fp, const DataSurvey& sv) {
    const bool gpol = kind == KindGPOL2 || kind == KindGPOL3;
    const int exponentCount = kind == KindGPOL3 ? 3 : 2;
    const double exponents[3] = {fp.r, fp.s, fp.t};
    if (gpol) {
        for (int i = 0; i < exponentCount; ++i)
            if (exponents[i] < 0.0 && sv.firstZeroX >= 0) return FitZeroValue;
    }
    // Sums with x or y in a denominator.
    bool xDenominator = false, yDenominator = false;
    switch (kind) {
        case KindHYP: case KindHYPTP: case KindHYP2: case KindLINHYP: case KindMODEXP: case KindMODGEO:
        case KindMODHOERL: case KindROOT:
            xDenominator = true;
            break;
        case KindCAUCHY: case KindRECLIN: case KindRECLINTP: case KindRECLOG:
            yDenominator = true;
            break;
        case KindRECHYP:
            xDenominator = yDenominator = true;
            break;
        default:
            break;
    }
    if ((xDenominator && sv.firstZeroX >= 0) || (yDenominator && sv.firstZeroY >= 0)) return FitZeroValue;
    if (gpol) {
        for (int i = 0; i < exponentCount; ++i)
            if (exponents[i] != std::floor(exponents[i]))
                return firstFault({{sv.firstNegativeX, FitNegativeValue}, {sv.firstZeroX, FitZeroValue}});
    }
    const int negativeXY = firstOf(sv.firstNegativeX, sv.firstNegativeY);
    const int zeroXY = firstOf(sv.firstZeroX, sv.firstZeroY);
    switch (kind) {
        case KindBETA:
            return firstFault({{sv.firstXAtLeastOne, FitValueAtLeastOne}, {negativeXY, FitNegativeValue}, {zeroXY, FitZeroValue}});
        case KindGAMMA: case KindHOERL: case KindLOGNOR: case KindMODGEO: case KindMODHOERL: case KindPUI:
        case KindSUPGEO:
            return firstFault({{negativeXY, FitNegativeValue}, {zeroXY, FitZeroValue}});
        case KindLOG: case KindLOG10: case KindRECLOG:
            return firstFault({{sv.firstNegativeX, FitNegativeValue}, {sv.firstZeroX, FitZeroValue}});
        case KindEXP: case KindMODEXP: case KindMODPOW: case KindNOR: case KindROOT:
            return firstFault({{sv.firstNegativeY, FitNegativeValue}, {sv.firstZeroY, FitZeroValue}});
        default:
            return FitOk;
    }
}

int checkModelData(const document::Curve& curve) {
    const FitParameters fp{curve.fit.stats[0], curve.fit.stats[1], curve.fit.stats[2]};
    return checkModelData(curve.treatment, fp, surveyPoints(curve.points.view()));
}

FitOutcome computeFit(std::span<const Point> points, int kind, const FitParameters& fp, const FitOptions& options) {
    return computeFit(points, kind, fp, options, surveyPoints(points));
}

FitOutcome computeFit(std::span<const Point> points, int kind, const FitParameters& fp, const FitOptions& options,
                      const DataSurvey& survey) {
    if (!isRegressionKind(kind)) return {FitUnsuitableModel, {}};
    if (!survey.finite) return {FitSumsImpossible, {}};
    // One point is too few for any model before it is a set of equal values.
    if (survey.count >= 2) {
        if (survey.allXEqual()) return {FitUnsuitableModel, {}};
        if (survey.allYEqual()) return constantFit(kind, fp, points, survey);
    }
    const int p = coefficientCount(kind);
    if (survey.count < p) return {FitTooFewPoints, {}};
    if (const int id = checkModelData(kind, fp, survey)) return {id, {}};

    NormalSums sums;
    if (options.henryY) {
        // The probability scale fits the normal quantiles of y, without the last point.
        std::vector<Point> quantiles(points.begin(), points.end() - 1);
        for (Point& q : quantiles) {
            const auto z = normalQuantile(q.y);
            if (!z) return {FitSumsImpossible, {}};
            q.y = *z;
        }
        if (static_cast<int>(quantiles.size()) < p) return {FitTooFewPoints, {}};
        sums = modelSums(kind, quantiles, fp);
    } else {
        sums = modelSums(kind, points, fp);
    }
    if (!sums.finite()) return {FitSumsImpossible, {}};

    const NormalSolution solution = solveNormal(sums);
    if (solution.singular) return {isPolynomial(kind) ? FitMatrixNotInvertible : FitSumsImpossible, {}};
    ModelCoefficients mc = convertSolution(kind, solution.u, fp);
    if (!mc.ok) return {FitSumsImpossible, {}};
    for (int i = 0; i < p; ++i)
        if (!inRange(mc.coefficient[i]) || !inRange(mc.linear[i])) return {FitSumsImpossible, {}};

    FitOutcome outcome;
    FitReport& report = outcome.report;
    report.kind = kind;
    report.coefficients.assign(mc.coefficient, mc.coefficient + p);
    report.linear.assign(mc.linear, mc.linear + p);
    report.variances.assign(static_cast<std::size_t>(p), 0.0);
    outcome.status = fitStatistics(kind, sums, solution, mc, options, report);
    if (outcome.status != FitOk) outcome.report = FitReport{};
    return outcome;
}

void storeFit(document::FitResult& fit, const FitReport& report) {
    fit.studentT = report.studentT;
    fit.meanX = report.meanX;
    fit.meanY = report.meanY;
    fit.fValue = report.fValue;
    fit.varX = report.varX;
    fit.varY = report.varY;
    fit.residualVar = report.residualVar;
    fit.explainedVar = report.explainedVar;
    fit.detail.fill(0.0);
    fit.coefficient.fill(0.0);
    fit.linearCoefficient.fill(0.0);
    for (std::size_t i = 0; i < report.coefficients.size() && i < fit.coefficient.size(); ++i) fit.coefficient[i] = report.coefficients[i];
    for (std::size_t i = 0; i < report.linear.size() && i < fit.linearCoefficient.size(); ++i) fit.linearCoefficient[i] = report.linear[i];
    for (std::size_t i = 0; i < report.variances.size() && i < fit.detail.size(); ++i) fit.detail[i] = report.variances[i];
}

int fitCurve(document::Curve& curve, const Catalogue& catalogue, bool henryY, FitReport* report) {
    const int kind = curve.treatment;
    const FitParameters fp{curve.fit.stats[0], curve.fit.stats[1], curve.fit.stats[2]};
    FitOptions options;
    options.statistics = catalogue.statistics(kind);
    options.henryY = henryY;
    options.confidence = curve.confidence;
    FitOutcome outcome = computeFit(curve.points.view(), kind, fp, options);
    if (outcome.status != FitOk) return outcome.status;
    storeFit(curve.fit, outcome.report);
    if (report) *report = std::move(outcome.report);
    return FitOk;
}

}  // namespace ordinax::numerics
