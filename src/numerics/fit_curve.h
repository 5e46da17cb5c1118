// Least-squares fitting of the regression models to a curve's points, with
// the statistics of the calculation report.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

// Status values returned by the fits (message ids of the string table).
enum FitStatus : int {
    FitOk = 0,
    FitSumsImpossible = 115,
    FitNegativeValue = 116,
    FitZeroValue = 117,
    FitValueAtLeastOne = 118,
    FitMatrixNotInvertible = 119,
    FitUnsuitableModel = 120,
    FitTooFewPoints = 250,
};

// Fixed parameters r, s, t of the models that have them.
struct FitParameters {
    double r = 0.0;
    double s = 0.0;
    double t = 0.0;
};

struct FitOptions {
    bool statistics = false;         // the catalogue's statistics switch of the model
    bool henryY = false;             // the y axis has the normal-probability scale
    bool onlyDetermination = false;  // stop after the coefficient of determination
    double confidence = 95.0;        // percent, for Student's t and the intervals
};

// Everything one fit produces; the command-line `fit` prints these fields.
struct FitReport {
    int kind = 0;
    std::vector<double> coefficients;  // a0 .. a(p-1)
    std::vector<double> linear;        // c0 .. of the linearised problem
    double determination = 0.0;        // adjusted coefficient of determination
    double correlation = 0.0;
    int dof = 0;
    int n = 0;                         // points used
    double studentT = 0.0;
    double fValue = 0.0;
    double meanX = 0.0;
    double meanY = 0.0;
    double varX = 0.0;
    double varY = 0.0;
    double residualVar = 0.0;
    double explainedVar = 0.0;
    bool hasStatistics = false;                 // variances and intervals computed
    std::vector<double> variances;              // of the linear coefficients (refined fit: of the coefficients)
    std::vector<std::array<double, 2>> intervals;  // lower, upper bound of each coefficient
    // Set by a refinement by nonlinear least squares (refine_fit.h): the
    // values above are then those of the refined fit, in y, unless it failed.
    bool refineAsked = false;
    bool refined = false;
    int refineIterations = 0;
    std::string refineReason;  // how it ended, in French (UTF-8)
};

struct FitOutcome {
    int status = FitOk;
    FitReport report;
};

// What one pass over the points tells about the data, shared by every model
// tried on the same curve: extremes and the first point breaking each rule.
struct DataSurvey {
    int count = 0;
    bool finite = true;
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    int firstNegativeX = -1, firstZeroX = -1, firstNegativeY = -1, firstZeroY = -1, firstXAtLeastOne = -1;

    bool allXEqual() const { return count > 0 && minX == maxX; }
    bool allYEqual() const { return count > 0 && minY == maxY; }
};

// Surveys the points (one pass).
DataSurvey surveyPoints(std::span<const document::Point> points);

// The data restrictions of a model: 0 or the message id (116, 117, 118).
int checkModelData(int kind, const FitParameters& parameters, const DataSurvey& survey);
int checkModelData(const document::Curve& curve);

// Fits model `kind` to the points without touching any curve.
FitOutcome computeFit(std::span<const document::Point> points, int kind, const FitParameters& parameters,
                      const FitOptions& options);
// The same with a survey already made of these points.
FitOutcome computeFit(std::span<const document::Point> points, int kind, const FitParameters& parameters,
                      const FitOptions& options, const DataSurvey& survey);

// Fits the curve's own kind (its treatment) with its fixed parameters and
// confidence; on success stores coefficients and statistics in its fit record
// and returns 0, otherwise returns the message id and leaves the curve as it was.
int fitCurve(document::Curve& curve, const Catalogue& catalogue, bool henryY, FitReport* report = nullptr);

// Writes a report's values into a curve's fit record (coefficients, linear
// coefficients, the eight statistics and the variances).
void storeFit(document::FitResult& fit, const FitReport& report);

}  // namespace ordinax::numerics
