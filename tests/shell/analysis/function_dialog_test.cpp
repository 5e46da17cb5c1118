// The "Fonction analytique" dialog: the messages of each faulty field, the
// typing filters, computing one curve or a family as one undo step, leaving
// by "Annuler", the equation of a fitted curve, and what a screen reader sees.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "expression/function_curves.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "shell/analysis_function/function_dialog.h"
#include "shell/common/number_field.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;
using test::ScriptedPrompts;

// A dialog on the definition of the single curve of a diagram.
struct Fixture {
    Fixture() {
        diagram.curves.emplace_back();
        diagram.curves[0].title = "Courbe";
        dialog = std::make_unique<FunctionDialog>(diagram, 0, 1, catalogue, prompts);
    }
    QLineEdit* line(const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    NumberField* number(const char* name) { return dialog->findChild<NumberField*>(QString::fromLatin1(name)); }
    QCheckBox* check(const char* name) { return dialog->findChild<QCheckBox*>(QString::fromLatin1(name)); }
    QPlainTextEdit* constants() { return dialog->findChild<QPlainTextEdit*>(QStringLiteral("constantsEdit")); }
    void define(const QString& expression, const QString& constantsText = {}) {
        line("expressionEdit")->setText(expression);
        constants()->setPlainText(constantsText);
    }
    std::string lastShown() const { return prompts.shown.empty() ? std::string() : prompts.shown.back().text; }

    document::Diagram diagram;
    numerics::Catalogue catalogue;
    ScriptedPrompts prompts;
    std::unique_ptr<FunctionDialog> dialog;
};

TEST(FunctionDialog, CheckNamesTheFaultyFieldAndItsError) {
    struct Case {
        const char* expression;
        const char* constants;
        const char* parameter;  // nullptr: not a family
        const char* domain;
        int id;
        const char* context;
    };
    const Case cases[] = {
        {"y=2x", "", nullptr, "", 720, "fonction y = f(x)"},
        {"y=(x", "", nullptr, "", 722, "fonction y = f(x)"},
        {"y=)x(", "", nullptr, "", 734, "fonction y = f(x)"},
        {"y=2*-x", "", nullptr, "", 725, "fonction y = f(x)"},
        {"y=1..2", "", nullptr, "", 726, "fonction y = f(x)"},
        {"y=()", "", nullptr, "", 727, "fonction y = f(x)"},
        {"y=(x)(x)", "", nullptr, "", 728, "fonction y = f(x)"},
        {"y=q*x", "", nullptr, "", 733, "fonction y = f(x)"},
        {"y=a*x", "a=1\nx=2", nullptr, "", 729, "constante 2"},
        {"y=a*x", "a=1.2.3", nullptr, "", 732, "constante 1"},
        {"y=a*x", "", "", "1;2", 736, "variable de paramètrage"},
        {"y=a*x", "a=1", "a", "1;2", 737, "variable de paramètrage"},
        {"y=p*x", "", "p", "2/1/0.5", 738, "domaine de variation de la variable de paramètrage"},
        {"y=p*x", "", "p", "1/2/0", 741, "domaine de variation de la variable de paramètrage"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        Fixture f;
        f.define(QString::fromUtf8(c.expression), QString::fromUtf8(c.constants));
        if (c.parameter) {
            f.check("parametricCheck")->setChecked(true);
            f.line("parameterEdit")->setText(QString::fromUtf8(c.parameter));
            f.line("domainEdit")->setText(QString::fromUtf8(c.domain));
        }
        f.dialog->check();
        ASSERT_EQ(f.prompts.shown.size(), 1u);
        EXPECT_EQ(f.prompts.shown[0].id, c.id);
        EXPECT_EQ(f.prompts.shown[0].heading, base::Heading::Error);
        EXPECT_EQ(f.lastShown().rfind(std::string("-> ") + c.context + "\n\n", 0), 0u) << f.lastShown();
    }
}

TEST(FunctionDialog, ACorrectDefinitionIsConfirmedAndShownCleaned) {
    Fixture f;
    f.define(QStringLiteral(" y = a * x ^ 2 "), QStringLiteral("a = 2 ; b=3"));
    f.dialog->check();
    ASSERT_EQ(f.prompts.shown.size(), 1u);
    EXPECT_EQ(f.prompts.shown[0].id, 700);
    EXPECT_EQ(f.prompts.shown[0].heading, base::Heading::Check);
    EXPECT_EQ(f.line("expressionEdit")->text(), QStringLiteral("y=a*x^2"));
    EXPECT_EQ(f.constants()->toPlainText(), QStringLiteral("a=2\nb=3"));
}

TEST(FunctionDialog, NumericFieldsRefuseEmptyAndOutOfBoundsValues) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"fromField", "", "Introduire une valeur dans ce champ !"},
        {"toField", "2e35", "Valeur maximale = 1e+035 !"},
        {"fromField", "-2e35", "Valeur minimale = -1e+035 !"},
        {"pointsField", "1", "Valeur minimale = 2 !"},
        {"pointsField", "1000001", "Valeur maximale = 1000000 !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        Fixture f;
        NumberField* field = f.number(c.field);
        const QString before = field->text();
        field->setText(QString::fromUtf8(c.text));
        EXPECT_FALSE(field->commit());
        EXPECT_EQ(f.lastShown(), c.message);
        EXPECT_EQ(field->text(), before) << "the previous value comes back";
    }
    // Equal bounds are refused when computing, before any check of the expression.
    Fixture f;
    f.number("fromField")->setText(QStringLiteral("3"));
    f.number("toField")->setText(QStringLiteral("3"));
    f.define(QStringLiteral("y=2x"));
    f.dialog->compute();
    ASSERT_EQ(f.prompts.shown.size(), 1u);
    EXPECT_EQ(f.prompts.shown[0].id, 721);
    EXPECT_FALSE(f.dialog->computed());
}

TEST(FunctionDialog, LeavingAFieldForAnnulerChecksNothing) {
    Fixture f;
    f.dialog->show();
    f.dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.dialog.get()));
    NumberField* from = f.number("fromField");
    from->setFocus();
    from->setText(QString());
    f.dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->setFocus();
    EXPECT_TRUE(f.prompts.shown.empty()) << f.lastShown();
    // Any other control checks the field as it loses the focus.
    from->setFocus();
    f.number("toField")->setFocus();
    ASSERT_EQ(f.prompts.shown.size(), 1u);
    EXPECT_EQ(f.lastShown(), "Introduire une valeur dans ce champ !");
}

TEST(FunctionDialog, TypingFiltersRefuseForeignCharacters) {
    Fixture f;
    QLineEdit* expression = f.line("expressionEdit");
    expression->clear();
    expression->setFocus();
    QTest::keyClicks(expression, QStringLiteral("y=x#+1;"));
    EXPECT_EQ(expression->text(), QStringLiteral("y=x+1")) << "# and ; are not taken";
    NumberField* from = f.number("fromField");
    from->clear();
    QTest::keyClicks(from, QStringLiteral("-1,5e-3x"));
    EXPECT_EQ(from->text(), QStringLiteral("-1,5e-3"));
    NumberField* points = f.number("pointsField");
    points->clear();
    QTest::keyClicks(points, QStringLiteral("2-0.0"));
    EXPECT_EQ(points->text(), QStringLiteral("200"));
    QPlainTextEdit* constants = f.constants();
    constants->clear();
    QTest::keyClicks(constants, QStringLiteral("a=1*"));
    EXPECT_EQ(constants->toPlainText(), QStringLiteral("a=1")) << "* is no part of a constant";
}

class FunctionFrameTest : public DialogFrameTest {};

TEST_F(FunctionFrameTest, ComputingANewCurveIsOneUndoStep) {
    CMainFrame& f = demoFrame();
    const int before = diagram().curveCount();
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<FunctionDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Fonction analytique"));
        test::expectAllControlsNamed(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("expressionEdit"))->setText(QStringLiteral("y=1/x"));
        dialog->findChild<NumberField*>(QStringLiteral("fromField"))->setText(QStringLiteral("-1"));
        dialog->findChild<NumberField*>(QStringLiteral("toField"))->setText(QStringLiteral("1"));
        dialog->findChild<NumberField*>(QStringLiteral("pointsField"))->setText(QStringLiteral("3"));
        dialog->findChild<QPushButton*>(QStringLiteral("computeButton"))->click();
    });
    EXPECT_TRUE(runFunctionDialog(f, -1));
    ASSERT_EQ(diagram().curveCount(), before + 1);
    const document::Curve& made = diagram().curves[static_cast<std::size_t>(before)];
    // y = 1/x at -1, 0, 1: the middle point is an error and takes y = 0.
    EXPECT_EQ(made.points.view()[0], (document::Point{-1, -1}));
    EXPECT_EQ(made.points.view()[1], (document::Point{0, 0}));
    EXPECT_EQ(made.points.view()[2], (document::Point{1, 1}));
    EXPECT_GT(made.function.functionId, 0);
    EXPECT_EQ(f.document().selectedCurve(), before);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text,
              "Le calcul de la fonction a provoqué 1 erreur mathématique\npour un nombre total de 3 points !\n\n"
              "A chaque erreur, y est affecté de la valeur 0.");
    ASSERT_TRUE(f.document().canUndo());
    f.document().undo();
    EXPECT_EQ(diagram().curveCount(), before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(FunctionFrameTest, AFamilyReplacesItsMembersAndCancelLeavesEverything) {
    CMainFrame& f = frame();
    // A blank diagram: the first curves are shown at once, on scales that hold them.
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<FunctionDialog*>(modal);
        dialog->findChild<QLineEdit*>(QStringLiteral("expressionEdit"))->setText(QStringLiteral("y=p*x"));
        dialog->findChild<QCheckBox*>(QStringLiteral("parametricCheck"))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("parameterEdit"))->setText(QStringLiteral("p"));
        dialog->findChild<QLineEdit*>(QStringLiteral("domainEdit"))->setText(QStringLiteral("1/2/0.5"));
        dialog->compute();
    });
    EXPECT_TRUE(runFunctionDialog(f, -1));
    ASSERT_EQ(diagram().curveCount(), 3);
    EXPECT_EQ(diagram().displayMode, 1);
    EXPECT_EQ(diagram().curves[0].title, "Courbe n\xB0 1 (p = 1)");
    EXPECT_EQ(diagram().curves[2].title, "Courbe n\xB0 3 (p = 2)");
    EXPECT_EQ(diagram().curves[2].points.view().back(), (document::Point{10, 20}));
    EXPECT_LE(diagram().scales.axis[1][0].origin, -20.0);
    EXPECT_GE(diagram().scales.axis[1][0].extremity, 20.0);

    // Editing a member opens its family's definition; a domain of two values
    // makes two curves in place of three.
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<FunctionDialog*>(modal);
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("domainEdit"))->text(), QStringLiteral("1/2/0.5"));
        dialog->findChild<QLineEdit*>(QStringLiteral("domainEdit"))->setText(QStringLiteral("3;4"));
        dialog->compute();
    });
    EXPECT_TRUE(runFunctionDialog(f, 2));
    ASSERT_EQ(diagram().curveCount(), 2);
    EXPECT_EQ(diagram().curves[1].points.view().back(), (document::Point{10, 40}));

    const document::Diagram before = diagram();
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<FunctionDialog*>(modal);
        dialog->findChild<QLineEdit*>(QStringLiteral("domainEdit"))->setText(QStringLiteral("5"));
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    EXPECT_FALSE(runFunctionDialog(f, 0));
    EXPECT_TRUE(diagram() == before);
}

TEST_F(FunctionFrameTest, QuitKeepsTheDefinitionAndClearAllKeepsTheAngles) {
    CMainFrame& f = demoFrame();
    test::whenModalOpens([this](QWidget* modal) {
        auto* dialog = qobject_cast<FunctionDialog*>(modal);
        dialog->findChild<QCheckBox*>(QStringLiteral("degreesCheck"))->setChecked(false);
        dialog->findChild<QLineEdit*>(QStringLiteral("expressionEdit"))->setText(QStringLiteral("y=sin(x)"));
        prompts->yes = true;
        dialog->clearAll();
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("expressionEdit"))->text(), QStringLiteral("y=0"));
        EXPECT_FALSE(dialog->findChild<QCheckBox*>(QStringLiteral("degreesCheck"))->isChecked());
        dialog->findChild<QLineEdit*>(QStringLiteral("expressionEdit"))->setText(QStringLiteral("y=cos(x)"));
        dialog->quit();
    });
    EXPECT_TRUE(runFunctionDialog(f, -1));
    ASSERT_EQ(prompts->asked.size(), 1u);
    EXPECT_EQ(prompts->asked[0].text, "Création d'une nouvelle fonction !\n\nConfirmation ?");
    const document::Curve& kept = diagram().curves.back();
    EXPECT_EQ(kept.function.expression, "y=cos(x)");
    EXPECT_EQ(kept.function.anglesInDegrees, 0);
    EXPECT_GT(kept.function.functionId, 0) << "a definition without an id gets one";
    EXPECT_EQ(kept.pointCount(), 0) << "nothing computed";
}

TEST_F(FunctionFrameTest, TheEquationOfAFittedCurveBecomesTheDefinition) {
    CMainFrame& f = demoFrame();
    // Curve 0 fitted with LIN.
    document::Curve& fitted = diagram().curves[0];
    fitted.treatment = numerics::KindLIN;
    ASSERT_EQ(numerics::fitCurve(fitted, f.catalogue(), false), 0);
    const double a0 = fitted.fit.coefficient[0];
    const double a1 = fitted.fit.coefficient[1];
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<FunctionDialog*>(modal);
        QPushButton* regression = dialog->findChild<QPushButton*>(QStringLiteral("regressionButton"));
        ASSERT_TRUE(regression->isEnabled());
        test::whenModalOpens([](QWidget* list) {
            auto* curves = list->findChild<QListWidget*>(QStringLiteral("curveList"));
            ASSERT_EQ(curves->count(), 1);
            EXPECT_TRUE(curves->item(0)->text().startsWith(QStringLiteral("1 - Sonde intérieure : LIN")));
            qobject_cast<QDialog*>(list)->accept();
        });
        regression->click();
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("expressionEdit"))->text(),
                  QStringLiteral("y=a0+a1*x"));
        EXPECT_EQ(dialog->findChild<NumberField*>(QStringLiteral("toField"))->value(), 24.0);
        dialog->compute();
    });
    EXPECT_TRUE(runFunctionDialog(f, -1));
    const document::Curve& made = diagram().curves.back();
    // The constants carry the coefficients to six digits ("%g").
    EXPECT_NEAR(made.points.view().front().y, a0, 1e-4);
    EXPECT_NEAR(made.points.view().back().y, a0 + 24 * a1, 1e-3);
}

TEST_F(FunctionFrameTest, AFamilyThatLostItsHolderIsRefused) {
    CMainFrame& f = demoFrame();
    diagram().curves[0].function.functionId = 7;
    diagram().curves[1].function.functionId = 7;
    EXPECT_FALSE(runFunctionDialog(f, 1));
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, 123);
}

}  // namespace
}  // namespace ordinax::shell
