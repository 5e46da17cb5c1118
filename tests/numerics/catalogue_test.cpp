// The regression catalogue file, its reader, the code names and the analytic
// function made from a fitted curve.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "numerics/catalogue.h"
#include "numerics/fit_function.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {
namespace {

std::string shippedCataloguePath() { return std::string(ORDINAX_SOURCE_DIR) + "/data/ORX_LISS.MSK"; }

Catalogue shipped() {
    const CatalogueLoad load = loadCatalogue(shippedCataloguePath());
    EXPECT_TRUE(load.catalogue.has_value());
    return load.catalogue.value_or(Catalogue{});
}

TEST(Catalogue, ShippedFileHoldsEveryModel) {
    const Catalogue catalogue = shipped();
    for (int kind = 0; kind < KindCount; ++kind) {
        const FitModel& model = catalogue[kind];
        EXPECT_EQ(model.code, codeName(kind)) << kind;
        EXPECT_EQ(model.coefficientCount, coefficientCount(kind)) << model.code;
        EXPECT_EQ(model.fixedCount, fixedParameterCount(kind)) << model.code;
        if (isRegressionKind(kind)) {
            EXPECT_FALSE(model.name.empty()) << model.code;
            EXPECT_FALSE(model.equation.empty()) << model.code;
        }
    }
    // Counts given for the models (by hand from their equations).
    EXPECT_EQ(catalogue[KindLINTP].coefficientCount, 2);
    EXPECT_EQ(catalogue[KindLINTP].fixedCount, 2);
    EXPECT_EQ(catalogue[KindGPOL3].coefficientCount, 3);
    EXPECT_EQ(catalogue[KindGPOL3].fixedCount, 3);
    EXPECT_EQ(catalogue[KindPOL6].coefficientCount, 7);
    EXPECT_EQ(catalogue[KindPOL6].fixedCount, 0);
    for (int kind : {KindEXP, KindLIN, KindLOG, KindLOG10, KindPUI, KindPOL2, KindPOL3, KindPOL4, KindPOL5, KindPOL6})
        EXPECT_TRUE(catalogue.statistics(kind)) << codeName(kind);
    EXPECT_EQ(catalogue[KindLIN].name, "Lin\xE9" "aire");  // Windows-1252
}

TEST(Catalogue, EquationsBecomeExpressionsTheParserAccepts) {
    const Catalogue catalogue = shipped();
    const std::string allowed = "abcdefghijklmnopqrstuvwxyz0123456789 =.+-*/^()";
    for (int kind = FirstRegressionKind; kind <= LastRegressionKind; ++kind) {
        const std::string expression = equationExpression(catalogue[kind].equation);
        EXPECT_EQ(expression.rfind("y=", 0), 0u) << expression;
        EXPECT_EQ(expression.find_first_not_of(allowed), std::string::npos) << expression;
        EXPECT_EQ(expression.find('.'), std::string::npos) << expression;
    }
}

TEST(Catalogue, MissingFileNamesTheFile) {
    const CatalogueLoad load = loadCatalogue("/nonexistent/ORX_LISS.MSK");
    EXPECT_FALSE(load.catalogue);
    EXPECT_EQ(load.message.heading, base::Heading::Error);
    EXPECT_NE(load.message.text.find("/nonexistent/ORX_LISS.MSK"), std::string::npos) << load.message.text;
}

TEST(Catalogue, ShortOrDamagedTextsReadSafely) {
    // Two records, LF line ends, then the file stops in the middle of the third.
    const Catalogue c = parseCatalogue("\n0\n0\n0\nAucun\n\nJPP\n0\n0\n0\nPoint\n\nBSP\n99\n");
    EXPECT_EQ(c[1].code, "JPP");
    EXPECT_EQ(c[1].name, "Point");
    EXPECT_EQ(c[2].code, "BSP");
    EXPECT_EQ(c[2].coefficientCount, MaxCoefficients);  // out of range, brought back
    EXPECT_EQ(c[2].fixedCount, 0);
    EXPECT_EQ(c[2].name, "");
    EXPECT_EQ(c[42].code, "");
    const Catalogue crlf = parseCatalogue("X\r\n-4\r\nabc\r\n1\r\nNom\r\n");
    EXPECT_EQ(crlf[0].code, "X");
    EXPECT_EQ(crlf[0].coefficientCount, 0);
    EXPECT_EQ(crlf[0].fixedCount, 0);
    EXPECT_EQ(crlf[0].flag, 1);
    EXPECT_EQ(crlf[0].name, "Nom");
    EXPECT_EQ(c[-3].code, c[0].code);  // kinds outside the table read as kind 0
    EXPECT_EQ(c[200].code, c[0].code);
}

TEST(Catalogue, CodeNames) {
    const std::pair<const char*, int> cases[] = {
        {" pol3 ", KindPOL3}, {"POW", KindPUI},   {"PUI", KindPUI},    {"pow", KindPUI}, {"XYZ", KindNone},
        {"", KindNone},       {"lin", KindLIN},   {"LOG10", KindLOG10}, {"\tEXP\r", KindEXP},
        {"SUPGEO", KindSUPGEO}, {"JPP", KindJPP}, {"LIN2", KindNone},
    };
    for (const auto& [text, kind] : cases) EXPECT_EQ(kindFromCode(text), kind) << '"' << text << '"';
    for (int kind = 1; kind < KindCount; ++kind) EXPECT_EQ(kindFromCode(codeName(kind)), kind);
    EXPECT_EQ(codeName(0), "");
    EXPECT_EQ(codeName(43), "");
}

TEST(Catalogue, StripMarkup) {
    EXPECT_EQ(stripMarkup("\xB6" "bLin\xB6" "b\xE9" "aire"), "Lin\xE9" "aire");
    EXPECT_EQ(stripMarkup("\xB6S[24]x\xB6Z[1,2,3]y\xB6" "e[4]z"), "xyz");
    EXPECT_EQ(stripMarkup("\xB6Z[1,2"), "\xB6Z[1,2");  // unclosed bracket: text
    EXPECT_EQ(stripMarkup("\xB6q\xB6"), "\xB6q\xB6");  // not a code
    EXPECT_EQ(stripMarkup("a\xB6gq\xB6g"), "aq");
}

TEST(FitFunction, ExpressionFromEquation) {
    EXPECT_EQ(equationExpression("y=a0.x\xB6" "ea1\xB6" "e.(1-x)\xB6" "ea2\xB6" "e"), "y=a0*x^a1*(1-x)^a2");
    EXPECT_EQ(equationExpression("\xB6" "by=a0.exp(a1.x)\xB6" "b"), "y=a0*exp(a1*x)");
}

TEST(FitFunction, FillsExpressionConstantsAndRange) {
    const Catalogue catalogue = shipped();
    document::Curve curve;
    curve.treatment = KindLINTP;
    curve.fit.coefficient[0] = 1.0;
    curve.fit.coefficient[1] = 0.00001;
    curve.fit.stats = {1.5, 2.0, 7.0};
    const document::Point points[] = {{3, 1}, {-1, 2}, {5, 0}};
    curve.points = document::PointBuffer(points);
    document::FunctionDef function;
    function.functionId = 4;
    functionFromFit(curve, catalogue, function);
    EXPECT_EQ(function.expression, "y=a0+a1*x");
    EXPECT_EQ(function.constants, "a0=1\na1=1e-005\nr=1.5\ns=2");
    EXPECT_EQ(function.from, -1.0);
    EXPECT_EQ(function.to, 5.0);
    EXPECT_EQ(function.functionId, 4);

    curve.treatment = KindPOL3;
    curve.fit.coefficient = {};
    curve.fit.coefficient[3] = -2.5;
    functionFromFit(curve, catalogue, function);
    EXPECT_EQ(function.expression, "y=a0+a1*x+a2*x^2+a3*x^3");
    EXPECT_EQ(function.constants, "a0=0\na1=0\na2=0\na3=-2.5");
}

}  // namespace
}  // namespace ordinax::numerics
