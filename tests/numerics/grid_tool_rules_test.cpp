// Rules of the grid's tool dialogs: selections, formula texts, scopes,
// starting values and the limitation's fields. Expected texts are the
// formulas of the correction table written out by hand.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "base/strings_curves.h"
#include "numerics/grid_tool_rules.h"

namespace ordinax::numerics {
namespace {

using document::GridColumnX;
using document::GridColumnY;
using document::GridSelection;
using Column = Selection::Column;

TEST(GridToolRules, GridSelectionsAsTheToolsTakeThem) {
    EXPECT_EQ(toolSelection(GridSelection::column(GridColumnY, 4, 2), 10).kind(), 1);
    EXPECT_EQ(toolSelection(GridSelection::column(GridColumnY, 4, 2), 10).top(), 2);
    EXPECT_EQ(toolSelection(GridSelection::rows(0, 20), 10).bottom(), 9);
    EXPECT_EQ(toolSelection(GridSelection::column(GridColumnX, 0, 9), 10).kind(), 0);
    EXPECT_TRUE(toolSelection(GridSelection::none(), 10).empty());
    EXPECT_TRUE(toolSelection(GridSelection::rows(12, 14), 10).empty());
}

TEST(GridToolRules, FormulasWithTheirTargetAndSource) {
    struct Case {
        CorrectionOperation operation;
        int function;
        bool byStep;
        const char* shown;
    };
    const Case cases[] = {
        {CorrectionOperation::XOfX, CorrectionAdd, false, "x = x + a"},
        {CorrectionOperation::YOfX, CorrectionLog10, false, "y = a.log(b.x) + c"},
        {CorrectionOperation::XOfY, CorrectionPolynomial, false,
         "x = a + b.y + c.y¶e2¶e + d.y¶e3¶e + e.y¶e4¶e"},
        {CorrectionOperation::YOfY, CorrectionExp, false, "y = a.e¶eb.y¶e + c"},
        {CorrectionOperation::YOfY, CorrectionAbs, false, "y = |y|"},
        {CorrectionOperation::XOfX, CorrectionRound, false, "x = __round(x,n"},
        {CorrectionOperation::XOfY, CorrectionRound, true, "x = __round(y,pas)"},
    };
    for (const Case& c : cases) EXPECT_EQ(correctionDisplay(c.operation, c.function, c.byStep), c.shown);
    EXPECT_EQ(correctionName(CorrectionAtan), "Arc tangente");
}

TEST(GridToolRules, CoefficientsAndAnglesEachFunctionReads) {
    using Used = std::array<bool, 5>;
    EXPECT_EQ(correctionCoefficients(CorrectionAdd), (Used{true, false, false, false, false}));
    EXPECT_EQ(correctionCoefficients(CorrectionPolynomial), (Used{true, true, true, true, true}));
    EXPECT_EQ(correctionCoefficients(CorrectionPower10), (Used{true, true, false, false, false}));
    EXPECT_EQ(correctionCoefficients(CorrectionReciprocal), (Used{false, false, false, false, false}));
    EXPECT_EQ(correctionCoefficients(CorrectionTan), (Used{true, true, true, false, false}));
    for (int f = 0; f < CorrectionFunctionCount; ++f)
        EXPECT_EQ(correctionUsesAngles(f), f >= CorrectionSin && f <= CorrectionAtan) << f;
    EXPECT_EQ(defaultOperation(Selection::rows(Column::X, 0, 3)), CorrectionOperation::XOfX);
    EXPECT_EQ(defaultOperation(Selection::rows(Column::Y, 0, 3)), CorrectionOperation::YOfY);
}

TEST(GridToolRules, ScopesAndStartingValues) {
    const Selection ySel = Selection::rows(Column::Y, 2, 4);
    const Selection allX = scopeSelection(ToolScope::AllAbscissas, ySel, 8);
    EXPECT_EQ(allX.kind(), 0);
    EXPECT_EQ(allX.bottom(), 7);
    EXPECT_EQ(scopeSelection(ToolScope::AllPoints, ySel, 8).kind(), 1);
    EXPECT_EQ(scopeSelection(ToolScope::AllPoints, ySel, 8).top(), 0);
    EXPECT_EQ(scopeSelection(ToolScope::CurrentSelection, ySel, 8).top(), 2);

    const SequenceParameters s = defaultSequence(ySel, 8);
    EXPECT_EQ(s.fromRow, 3);
    EXPECT_EQ(s.toRow, 5);
    EXPECT_FALSE(s.abscissas);
    EXPECT_TRUE(s.ordinates);
    const SequenceParameters every = defaultSequence(Selection::none(), 8);
    EXPECT_EQ(every.fromRow, 1);
    EXPECT_EQ(every.toRow, 8);
    EXPECT_TRUE(every.abscissas);

    document::Curve c;
    const document::Point points[] = {{3, -1}, {-2, 0.5}, {7, 4}};
    c.points = document::PointBuffer(points);
    const LimitFields f = defaultLimitFields(c, Selection::all(Column::Y, 3));
    EXPECT_EQ(f.mini, "-1");
    EXPECT_EQ(f.maxi, "4");
    EXPECT_EQ(defaultLimitFields(c, Selection::all(Column::X, 3)).mini, "-2");
}

TEST(GridToolRules, LimitationFields) {
    const LimitBounds typed = readLimitFields("1,5", " 4 ");
    EXPECT_TRUE(typed.apply);
    EXPECT_EQ(typed.mini, 1.5);
    EXPECT_EQ(typed.maxi, 4.0);
    EXPECT_FALSE(readLimitFields("", "4").apply);  // an empty field: closed without change
    EXPECT_TRUE(readLimitFields("1", " ").message.empty());
    const LimitBounds wrong = readLimitFields("un", "4");
    EXPECT_FALSE(wrong.apply);
    EXPECT_EQ(wrong.message.text, "« un » n'est pas une valeur numérique !");
    EXPECT_EQ(readLimitFields("1", "2e40").message.text, "Valeur maximale = 1e+035 !");
}

}  // namespace
}  // namespace ordinax::numerics
