// Code names and the fixed counts of the regression models.
#include "numerics/fit_kind.h"

#include "base/text.h"

namespace ordinax::numerics {

namespace {

struct KindFacts {
    std::string_view code;
    int coefficients;
    int fixed;
};

constexpr KindFacts Facts[KindCount] = {
    {"", 0, 0},        {"JPP", 0, 0},     {"BSP", 0, 0},      {"SPC", 0, 0},      {"BEZ", 0, 0},
    {"FOU", 0, 0},     {"BETA", 3, 0},    {"CAUCHY", 3, 0},   {"EXP", 2, 0},      {"GAMMA", 3, 0},
    {"GPOL2", 2, 2},   {"GPOL3", 3, 3},   {"HOERL", 3, 0},    {"HOMO", 3, 0},     {"HYP", 2, 0},
    {"HYPTP", 2, 2},   {"HYP2", 3, 0},    {"LIN", 2, 0},      {"LINTO", 1, 0},    {"LINTP", 2, 2},
    {"LINHYP", 3, 0},  {"LOG", 2, 0},     {"LOG10", 2, 0},    {"LOGNOR", 3, 0},   {"MODEXP", 2, 0},
    {"MODGEO", 2, 0},  {"MODHOERL", 3, 0}, {"MODPOW", 2, 0},  {"NOR", 3, 0},      {"POL2", 3, 0},
    {"POL2TO", 2, 0},  {"POL2TP", 3, 2},  {"POL3", 4, 0},     {"POL4", 5, 0},     {"POL5", 6, 0},
    {"POL6", 7, 0},    {"PUI", 2, 0},     {"RECHYP", 2, 0},   {"RECLIN", 2, 0},   {"RECLINTP", 2, 2},
    {"RECLOG", 2, 0},  {"ROOT", 2, 0},    {"SUPGEO", 2, 0},
};

bool inRange(int kind) { return kind >= 0 && kind < KindCount; }

}  // namespace

std::string_view codeName(int kind) { return inRange(kind) ? Facts[kind].code : std::string_view{}; }

int kindFromCode(std::string_view text) {
    constexpr std::string_view Blanks = " \t\r\n";
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return KindNone;
    const auto last = text.find_last_not_of(Blanks);
    std::string name;
    for (char c : text.substr(first, last - first + 1)) name.push_back(base::upperCase1252(c));
    if (name == "POW") return KindPUI;
    for (int kind = 1; kind < KindCount; ++kind)
        if (Facts[kind].code == name) return kind;
    return KindNone;
}

int coefficientCount(int kind) { return inRange(kind) ? Facts[kind].coefficients : 0; }

int fixedParameterCount(int kind) { return inRange(kind) ? Facts[kind].fixed : 0; }

int regressorCount(int kind) {
    switch (kind) {
        case KindBETA: case KindCAUCHY: case KindGAMMA: case KindHOERL: case KindHYP2:
        case KindLINHYP: case KindLOGNOR: case KindMODHOERL: case KindNOR: case KindPOL2:
            return 2;
        case KindPOL3: return 3;
        case KindPOL4: return 4;
        case KindPOL5: return 5;
        case KindPOL6: return 6;
        default: return 1;
    }
}

int polynomialDegree(int kind) {
    switch (kind) {
        case KindPOL2: return 2;
        case KindPOL3: return 3;
        case KindPOL4: return 4;
        case KindPOL5: return 5;
        case KindPOL6: return 6;
        default: return 0;
    }
}

}  // namespace ordinax::numerics
