// Tests of the function curves: one curve, parametric families and their
// domains, the math-error report, the dialog's small operations and fields.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "expression/checker.h"
#include "expression/field_filters.h"
#include "expression/function_curves.h"
#include "expression/parametric_domain.h"

namespace ordinax::expression {
namespace {

using document::Diagram;
using document::FunctionDef;

// A diagram whose curve `index` (after `before` data curves) holds `def`.
struct Fixture {
    Diagram diagram;
    int current = 0;

    explicit Fixture(const FunctionDef& def, int before = 0) {
        for (int i = 0; i < before; ++i) {
            document::Curve data;
            data.title = "Mesures " + std::to_string(i);
            data.points.resize(3);
            diagram.curves.push_back(data);
        }
        document::Curve c;
        c.function = def;
        diagram.curves.push_back(c);
        current = before;
    }
};

FunctionDef function(std::string expression, double from, double to, int points) {
    FunctionDef def;
    def.expression = std::move(expression);
    def.from = from;
    def.to = to;
    def.pointNumber = points;
    return def;
}

FunctionDef family(std::string expression, std::string parameter, std::string domain) {
    FunctionDef def = function(std::move(expression), 0, 1, 2);
    def.parametric = 1;
    def.parameter = std::move(parameter);
    def.domain = std::move(domain);
    return def;
}

// By hand: 1/x at -1, 0, 1 gives -1, an error (y = 0), 1.
TEST(ComputeFunction, OneCurveWithAFailedPoint) {
    Fixture f(function("y=1/x", -1, 1, 3));
    const FunctionRun run = computeFunction(f.diagram, f.current, 1);
    ASSERT_TRUE(run.error.empty()) << run.error.text;
    const auto& c = f.diagram.curves[0];
    ASSERT_EQ(c.pointCount(), 3);
    EXPECT_EQ(c.points[0], (document::Point{-1, -1}));
    EXPECT_EQ(c.points[1], (document::Point{0, 0}));
    EXPECT_EQ(c.points[2], (document::Point{1, 1}));
    EXPECT_EQ(run.pointCount, 3);
    EXPECT_EQ(run.errorCount, 1);
    EXPECT_EQ(run.report.heading, base::Heading::Error);
    EXPECT_EQ(run.report.text,
              "Le calcul de la fonction a provoqué 1 erreur mathématique\npour un nombre total de 3 points !\n\n"
              "A chaque erreur, y est affecté de la valeur 0.");
    EXPECT_EQ(c.title, "Courbe n\xB0 1");
    EXPECT_EQ(c.function.functionId, 1);
}

TEST(ComputeFunction, PluralRuleOfTheReport) {
    EXPECT_EQ(mathErrorReport(2, 1).text,
              "Le calcul de la fonction a provoqué 2 erreurs mathématiques\npour un nombre total de 1 point !\n\n"
              "A chaque erreur, y est affecté de la valeur 0.");
    EXPECT_TRUE(mathErrorReport(0, 0).text.starts_with("Le calcul de la fonction a provoqué 0 erreur mathématique\n"));
}

TEST(ComputeFunction, SquareRootFailsBelowZero) {
    Fixture f(function("y=sqr(x)", -1, 1, 5));  // x = -1, -0.5, 0, 0.5, 1
    const FunctionRun run = computeFunction(f.diagram, f.current, 1);
    EXPECT_EQ(run.errorCount, 2);
    const auto& c = f.diagram.curves[0];
    EXPECT_EQ(c.points[0].y, 0.0);
    EXPECT_EQ(c.points[1].y, 0.0);
    EXPECT_DOUBLE_EQ(c.points[3].y, std::sqrt(0.5));
    EXPECT_TRUE(run.report.text.starts_with("Le calcul de la fonction a provoqué 2 erreurs mathématiques\n"));
}

// Reversed bounds are swapped: x^2 from 10 to -10 with 2 points is (-10,100), (10,100).
TEST(ComputeFunction, ReversedBoundsAreSwapped) {
    Fixture f(function("y=x^2", 10, -10, 2));
    ASSERT_TRUE(computeFunction(f.diagram, f.current, 1).error.empty());
    const auto& c = f.diagram.curves[0];
    EXPECT_EQ(c.points[0], (document::Point{-10, 100}));
    EXPECT_EQ(c.points[1], (document::Point{10, 100}));
    EXPECT_EQ(c.function.from, -10.0);
}

TEST(ComputeFunction, LastPointIsExactlyTheUpperBound) {
    Fixture f(function("y=x", 0, 0.3, 4));  // 0.1 steps do not add up to 0.3 exactly
    ASSERT_TRUE(computeFunction(f.diagram, f.current, 1).error.empty());
    EXPECT_EQ(f.diagram.curves[0].points[3].x, 0.3);
}

TEST(ComputeFunction, RefusalsLeaveTheDiagramUnchanged) {
    const std::pair<FunctionDef, int> cases[] = {
        {function("y=x", 1, 1, 10), base::MsgBoundsIncorrect},
        {function("y=2x", 0, 1, 10), base::MsgSyntaxError},
        {function("y=x", 0, 1, 1), base::MsgValueMinimumInteger},
        {function("y=x", 0, 1, document::MaxPoints + 1), base::MsgValueMaximumInteger},
        {function("y=x", 0, 1e36, 10), base::MsgValueMaximumReal},
        {family("y=a*x", "", "1"), base::MsgValueUndefined},
    };
    for (const auto& [def, id] : cases) {
        Fixture f(def, 1);
        const Diagram before = f.diagram;
        const FunctionRun run = computeFunction(f.diagram, f.current, 1);
        EXPECT_EQ(run.error.id, id) << def.expression;
        EXPECT_EQ(f.diagram, before) << def.expression;
    }
    FunctionDef equal = function("y=x", 1, 1, 10);
    Fixture f(equal);
    EXPECT_EQ(computeFunction(f.diagram, 0, 1).error.text,
              "Les bornes définies pour le calcul\nde la fonction y = f(x) sont incorrectes !");
}

struct DomainCase {
    const char* domain;
    std::vector<double> values;
};

// Worked by hand: the count is (end - start + step/10) / step + 1, the values
// come by repeated addition while below end + step/10.
TEST(ParametricDomain, ValuesOfTheMembers) {
    const DomainCase cases[] = {
        {"1/2/0.5", {1, 1.5, 2}},
        {"1;5;10", {1, 5, 10}},
        {"0/1/0.3", {0, 0.3, 0.6, 0.9}},
        {"-1;0/2/1;7", {-1, 0, 1, 2, 7}},
        {"1E1/2E1/1E1", {10, 20}},
    };
    for (const DomainCase& c : cases) {
        const DomainParse parse = parseDomain(c.domain);
        ASSERT_TRUE(parse.error.empty()) << c.domain << ' ' << parse.error.text;
        EXPECT_EQ(familySize(parse.items), static_cast<double>(c.values.size())) << c.domain;
        const std::vector<double> values = parameterValues(parse.items, 100);
        ASSERT_EQ(values.size(), c.values.size()) << c.domain;
        for (std::size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(values[i], c.values[i], 1e-12) << c.domain;
    }
}

TEST(ParametricDomain, Errors) {
    const std::pair<const char*, int> cases[] = {
        {"", base::MsgValueUndefined},
        {"1/2", base::MsgSyntaxError},
        {"1/2/3/4", base::MsgSyntaxError},
        {"/1/2", base::MsgSyntaxError},
        {"1/2/", base::MsgSyntaxError},
        {"1//2", base::MsgSyntaxError},
        {"1;a", base::MsgNumericValue},
        {"1;;2", base::MsgNumericValue},
        {"2/1/0.5", base::MsgDomainEndNotAbove},
        {"1/1/0.5", base::MsgDomainEndNotAbove},
        {"1/2/0", base::MsgDomainStepZero},
        {"1/2/-0.5", base::MsgDomainStepNegative},
        {"1/2/1.5", base::MsgDomainStepTooLarge},
    };
    for (const auto& [domain, id] : cases) {
        const DomainParse parse = parseDomain(domain);
        EXPECT_EQ(parse.error.id, id) << domain;
        EXPECT_TRUE(parse.error.text.starts_with("-> domaine de variation de la variable de paramètrage\n\n"));
    }
}

TEST(CheckParametricFamily, VariableAndFamilySize) {
    EXPECT_TRUE(checkParametricFamily(function("y=x", 0, 1, 2), 100, 1).empty());  // not parametric
    EXPECT_EQ(checkParametricFamily(family("y=x", "x", "1"), 0, 1).id, base::MsgConstantXForbidden);
    EXPECT_EQ(checkParametricFamily(family("y=x", "y", "1"), 0, 1).id, base::MsgConstantYForbidden);
    FunctionDef used = family("y=a*x", "a", "1");
    used.constants = "b=1\na=2";
    const base::Message m = checkParametricFamily(used, 0, 1);
    EXPECT_EQ(m.id, base::MsgVariableInConstants);
    EXPECT_EQ(m.text, "-> variable de paramètrage\n\nVariable déjà utilisée dans les constantes !");
    used.constants = "a1=2";  // a1 is another name
    EXPECT_TRUE(checkParametricFamily(used, 0, 1).empty());

    // 95 curves, the definition had 1: room for 100 - 95 + 1 = 6.
    EXPECT_TRUE(checkParametricFamily(family("y=a*x", "a", "1/6/1"), 95, 1).empty());
    const base::Message tooMany = checkParametricFamily(family("y=a*x", "a", "1/7/1"), 95, 1);
    EXPECT_EQ(tooMany.id, base::MsgTooManyFamilyCurves);
    EXPECT_EQ(tooMany.text,
              "-> domaine de variation de la variable de paramètrage\n\nTrop de courbes paramétriques générées (7), le "
              "nombre\nmaximum de courbes pouvant être créées est 6.");
    // A huge range counts without overflow.
    EXPECT_EQ(checkParametricFamily(family("y=a*x", "a", "0/1E300/1"), 0, 1).id, base::MsgTooManyFamilyCurves);
}

TEST(ComputeFunction, FamilyOfCurves) {
    FunctionDef def = family("y=a*x", "a", "1/2/0.5");
    def.from = 0;
    def.to = 2;
    def.pointNumber = 3;
    Fixture f(def, 1);
    f.diagram.curves[1].treatment = 12;  // a regression kind: members get point to point
    const FunctionRun run = computeFunction(f.diagram, f.current, 1);
    ASSERT_TRUE(run.error.empty()) << run.error.text;
    ASSERT_EQ(f.diagram.curveCount(), 4);
    EXPECT_EQ(run.firstCurve, 1);
    EXPECT_EQ(run.currentCurve, 1);
    EXPECT_EQ(run.curveCount, 3);
    EXPECT_EQ(run.pointCount, 9);
    EXPECT_EQ(run.errorCount, 0);
    EXPECT_TRUE(run.report.empty());
    const char* titles[] = {"Courbe n\xB0 2 (a = 1)", "Courbe n\xB0 3 (a = 1.5)", "Courbe n\xB0 4 (a = 2)"};
    const double slopes[] = {1, 1.5, 2};
    for (int i = 0; i < 3; ++i) {
        const auto& c = f.diagram.curves[static_cast<std::size_t>(1 + i)];
        EXPECT_EQ(c.title, titles[i]);
        EXPECT_EQ(c.function.functionId, 1);
        EXPECT_EQ(c.function.parametric, i == 0 ? 1 : 0);
        EXPECT_EQ(c.treatment, 1);
        EXPECT_DOUBLE_EQ(c.points[2].y, 2 * slopes[i]);
    }
    EXPECT_EQ(f.diagram.curves[0].title, "Mesures 0");

    // Computing again replaces the members, keeping a drawing smoothing.
    f.diagram.curves[1].function.domain = "1;5";
    f.diagram.curves[1].treatment = 3;
    const FunctionRun again = computeFunction(f.diagram, 1, familyCurveCount(f.diagram, 1));
    ASSERT_TRUE(again.error.empty()) << again.error.text;
    ASSERT_EQ(f.diagram.curveCount(), 3);
    EXPECT_EQ(f.diagram.curves[1].title, "Courbe n\xB0 2 (a = 1)");
    EXPECT_EQ(f.diagram.curves[2].title, "Courbe n\xB0 3 (a = 5)");
    EXPECT_EQ(f.diagram.curves[2].treatment, 3);
    EXPECT_EQ(f.diagram.curves[2].function.functionId, 1);
}

TEST(ComputeFunction, FamilyNeverExceedsTheDiagram) {
    // The count given for the previous family is wrong (too large): the room
    // actually left still bounds the family.
    Fixture f(family("y=a*x", "a", "1/10/1"), 95);
    const Diagram before = f.diagram;
    const FunctionRun run = computeFunction(f.diagram, f.current, 10);
    EXPECT_EQ(run.error.id, base::MsgTooManyFamilyCurves);
    EXPECT_EQ(f.diagram, before);
}

TEST(FunctionDialog, HolderLookup) {
    Fixture f(family("y=a*x", "a", "1;2;3"));
    ASSERT_TRUE(computeFunction(f.diagram, 0, 1).error.empty());
    EXPECT_EQ(findFunctionHolder(f.diagram, 2).holder, 0);
    EXPECT_EQ(findFunctionHolder(f.diagram, 0).holder, 0);
    f.diagram.curves.erase(f.diagram.curves.begin());  // the holder is deleted
    const HolderLookup lost = findFunctionHolder(f.diagram, 1);
    EXPECT_EQ(lost.holder, -1);
    EXPECT_EQ(lost.error.id, base::MsgFunctionNotFound);
    // A function curve of its own, and a curve without function, hold themselves.
    Fixture single(function("y=x", 0, 1, 2));
    ASSERT_TRUE(computeFunction(single.diagram, 0, 1).error.empty());
    EXPECT_EQ(findFunctionHolder(single.diagram, 0).holder, 0);
}

TEST(FunctionDialog, ClearAcceptAndCheck) {
    FunctionDef def = family("y=a*x", "a", "1;2");
    def.anglesInDegrees = 0;
    def.functionId = 4;
    clearFunctionDef(def);
    FunctionDef expected;
    expected.anglesInDegrees = 0;
    EXPECT_EQ(def, expected);
    EXPECT_EQ(newFunctionConfirmation().text, "Création d'une nouvelle fonction !\n\nConfirmation ?");
    EXPECT_EQ(newFunctionConfirmation().heading, base::Heading::Warning);

    Fixture f(function("y=x", 2, 2, 10));
    f.diagram.curves[0].function.functionId = 0;
    EXPECT_EQ(acceptFunction(f.diagram, 0).id, base::MsgBoundsIncorrect);
    EXPECT_EQ(f.diagram.curves[0].function.functionId, 1);

    FunctionDef good = function(" y = x ", 0, 1, 2);
    const base::Message ok = checkFunction(good, 0, 1);
    EXPECT_EQ(ok.id, base::MsgFunctionCorrect);
    EXPECT_EQ(ok.heading, base::Heading::Check);
    EXPECT_EQ(good.expression, "y=x");
}

TEST(FieldFilters, TypingFilters) {
    EXPECT_TRUE(isExpressionTextAllowed("y = 2*sin(x)^-1/ab.5"));
    EXPECT_FALSE(isExpressionTextAllowed("y=x;"));
    EXPECT_FALSE(isExpressionTextAllowed("y=x,5"));
    EXPECT_TRUE(isConstantsTextAllowed("a = 1.5;\r\nb=-2"));
    EXPECT_FALSE(isConstantsTextAllowed("a=1*2"));
    for (const char* ok : {"", "-", "+1", "1.", "-1,5", "1E", "1e-", "2.5E+03", ".5"})
        EXPECT_TRUE(isRangeTextAllowed(ok)) << ok;
    for (const char* bad : {"1.2.3", "1-", "1E5.", "--1", "a", "1E+-2", "1 2"}) EXPECT_FALSE(isRangeTextAllowed(bad)) << bad;
    EXPECT_TRUE(isPointCountTextAllowed("120"));
    EXPECT_FALSE(isPointCountTextAllowed("-1"));
    EXPECT_TRUE(isParameterTextAllowed("a"));
    EXPECT_FALSE(isParameterTextAllowed("ab"));
    EXPECT_EQ(cleanDomain(" 1,5 / 2e1 ; x3 "), "1.5/2E1;3");
}

TEST(FieldFilters, RangeAndPointFields) {
    using Outcome = FieldCheck::Outcome;
    EXPECT_EQ(checkRangeField("").message.text, "Introduire une valeur dans ce champ !");
    EXPECT_EQ(checkRangeField("abc").outcome, Outcome::Restore);
    const FieldCheck comma = checkRangeField("-2,5");
    EXPECT_EQ(comma.outcome, Outcome::Accepted);
    EXPECT_EQ(comma.value, -2.5);
    EXPECT_EQ(checkRangeField("1e-36").value, 0.0);
    // %g with the three-digit exponent of the product's texts.
    EXPECT_EQ(checkRangeField("2e35").message.text, "Valeur maximale = 1e+035 !");
    EXPECT_EQ(checkRangeField("-2e35").message.text, "Valeur minimale = -1e+035 !");
    EXPECT_EQ(checkPointCountField("1").message.text, "Valeur minimale = 2 !");
    EXPECT_EQ(checkPointCountField("1000001").message.text, "Valeur maximale = 1000000 !");
    EXPECT_EQ(checkPointCountField("99999999999999").message.id, base::MsgValueMaximumInteger);
    EXPECT_EQ(checkPointCountField("12a").outcome, Outcome::Restore);
    EXPECT_EQ(checkPointCountField("250").value, 250.0);
}

}  // namespace
}  // namespace ordinax::expression
