// The smoothing kinds of a curve (FitKind) and the fixed facts of each
// regression model: code name, coefficient and fixed-parameter counts,
// regressor count.
#pragma once

#include <string>
#include <string_view>

namespace ordinax::numerics {

// The kinds held in a curve's `treatment`.
enum FitKind : int {
    KindNone = 0,
    KindJPP = 1,
    KindBSP = 2,
    KindSPC = 3,
    KindBEZ = 4,
    KindFOU = 5,
    KindBETA = 6,
    KindCAUCHY = 7,
    KindEXP = 8,
    KindGAMMA = 9,
    KindGPOL2 = 10,
    KindGPOL3 = 11,
    KindHOERL = 12,
    KindHOMO = 13,
    KindHYP = 14,
    KindHYPTP = 15,
    KindHYP2 = 16,
    KindLIN = 17,
    KindLINTO = 18,
    KindLINTP = 19,
    KindLINHYP = 20,
    KindLOG = 21,
    KindLOG10 = 22,
    KindLOGNOR = 23,
    KindMODEXP = 24,
    KindMODGEO = 25,
    KindMODHOERL = 26,
    KindMODPOW = 27,
    KindNOR = 28,
    KindPOL2 = 29,
    KindPOL2TO = 30,
    KindPOL2TP = 31,
    KindPOL3 = 32,
    KindPOL4 = 33,
    KindPOL5 = 34,
    KindPOL6 = 35,
    KindPUI = 36,
    KindRECHYP = 37,
    KindRECLIN = 38,
    KindRECLINTP = 39,
    KindRECLOG = 40,
    KindROOT = 41,
    KindSUPGEO = 42,
};

inline constexpr int KindCount = 43;
inline constexpr int FirstRegressionKind = KindBETA;
inline constexpr int LastRegressionKind = KindSUPGEO;
inline constexpr int MaxCoefficients = 7;

// True for the regression models (kinds 6..42).
constexpr bool isRegressionKind(int kind) { return kind >= FirstRegressionKind && kind <= LastRegressionKind; }

// Upper-case code name of a kind ("LIN", "POL3"), empty for 0 and unknown kinds.
std::string_view codeName(int kind);

// Kind of a code name: trimmed of blanks, upper-cased, then looked up; "POW"
// reads as PUI; an unknown name gives 0.
int kindFromCode(std::string_view text);

// Number of coefficients a0.. of a regression model (0 for other kinds).
int coefficientCount(int kind);

// Number of fixed parameters r, s, t of a regression model (0 for other kinds).
int fixedParameterCount(int kind);

// Number of regressors used for the degrees of freedom of a model.
int regressorCount(int kind);

// Degree of the polynomial models fitted by power sums (POL2, POL3..POL6), else 0.
int polynomialDegree(int kind);

}  // namespace ordinax::numerics
