// The function dialog's fields: what they show of a definition and how the
// edited texts go back, cleaned as each field cleans them on losing the focus.
#include <gtest/gtest.h>

#include "expression/function_form.h"

namespace ordinax::expression {
namespace {

TEST(FunctionForm, ShowsTheDefinitionWithItsRangeInOrderAndOneConstantPerLine) {
    document::Curve curve;
    curve.title = "Essai";
    curve.function.from = 10.0;
    curve.function.to = -10.0;
    curve.function.constants = "a=1\nb=2";
    curve.function.anglesInDegrees = 0;
    curve.function.parametric = 1;
    curve.function.parameter = "p";
    curve.function.domain = "1/2/0.5";
    const FunctionForm form = functionForm(curve);
    EXPECT_EQ(form.title, "Essai");
    EXPECT_EQ(form.from, -10.0);
    EXPECT_EQ(form.to, 10.0);
    EXPECT_EQ(form.constants, "a=1\r\nb=2");
    EXPECT_FALSE(form.anglesInDegrees);
    EXPECT_TRUE(form.parametric);
    EXPECT_TRUE(parametricFieldsEnabled(form));
    EXPECT_EQ(form.parameter, "p");
    EXPECT_EQ(form.domain, "1/2/0.5");
}

TEST(FunctionForm, StoredTextsAreCleanedAsTheFieldsCleanThem) {
    document::Curve curve;
    curve.function.functionId = 4;
    FunctionForm form;
    form.title = "Parabole";
    form.expression = " y = x^y1 + 2 ";  // every y of the right-hand side goes
    form.constants = "a = 1;b=2\r\n\r\n\r\nc=3\r\n";
    form.anglesInDegrees = false;
    form.from = -1.5;
    form.to = 2.5;
    form.pointNumber = 7;
    form.parametric = true;
    form.parameter = "k";
    form.domain = "1, 5; 2/3/0,5 ; 1e2";
    storeFunctionForm(form, curve);
    const document::FunctionDef& def = curve.function;
    EXPECT_EQ(curve.title, "Parabole");
    EXPECT_EQ(def.expression, "y=x^1+2");
    EXPECT_EQ(def.constants, "a=1\nb=2\nc=3");
    EXPECT_EQ(def.anglesInDegrees, 0);
    EXPECT_EQ(def.from, -1.5);
    EXPECT_EQ(def.to, 2.5);
    EXPECT_EQ(def.pointNumber, 7);
    EXPECT_EQ(def.parametric, 1);
    EXPECT_EQ(def.parameter, "k");
    EXPECT_EQ(def.domain, "1.5;2/3/0.5;1E2");
    EXPECT_EQ(def.functionId, 4) << "the link to the family stays";
}

TEST(FunctionForm, AShownFormStoresBackTheSameDefinition) {
    document::Curve curve;
    curve.title = "Courbe";
    curve.function.expression = "y=a*sin(x)";
    curve.function.constants = "a=2";
    curve.function.from = -3.0;
    curve.function.to = 3.0;
    curve.function.pointNumber = 50;
    document::Curve again = curve;
    storeFunctionForm(functionForm(curve), again);
    EXPECT_EQ(again.function, curve.function);
    EXPECT_EQ(again.title, curve.title);
}

}  // namespace
}  // namespace ordinax::expression
