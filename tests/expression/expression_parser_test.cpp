// Tests of the function texts: clean-up, checks with their messages, the
// constants rules and the token array of the compiled form.
#include <gtest/gtest.h>

#include <string>

#include "base/strings.h"
#include "expression/checker.h"
#include "expression/compiler.h"
#include "expression/constants.h"
#include "expression/normalize.h"

namespace ordinax::expression {
namespace {

using document::FunctionDef;

FunctionDef definition(std::string expression, std::string constants = {}) {
    FunctionDef def;
    def.expression = std::move(expression);
    def.constants = std::move(constants);
    return def;
}

// The id of the first failure of check then compile, 0 when both pass.
int firstError(FunctionDef def) {
    if (base::Message m = checkExpression(def); !m.empty()) return m.id;
    CompiledFunction compiled;
    return compileExpression(def, compiled).id;
}

// Expected texts worked by hand from the clean-up rules.
TEST(NormalizeExpression, CleansTheText) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "y="},
        {"y", "y=0"},
        {"=", "y=0"},
        {"0", "y=0"},
        {"y=", "y=0"},
        {"x", "y=x"},
        {" y = 2 * x ", "y=2*x"},
        {"2*x", "y=2*x"},
        {"y=x^y1", "y=x^1"},            // every y of the right-hand side goes
        {"y=x=2", "y=x2"},              // and every further "="
        {"y=.*x+1-", "y=x+1"},          // leading ".*/^" and trailing "+-*/^"
        {"y=^/x*", "y=x"},
        {"y=-x", "y=-x"},               // a leading sign stays
        {"=x", "y=x"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(normalizeExpression(in), out) << '"' << in << '"';
}

TEST(CleanConstants, OneDefinitionPerLine) {
    EXPECT_EQ(cleanConstants("a = 1; b=2"), "a=1\nb=2");
    EXPECT_EQ(cleanConstants("a=1\r\n\r\n\r\nb=2\r\n"), "a=1\nb=2");
    EXPECT_EQ(cleanConstants("a=1;;;\n"), "a=1");
    EXPECT_EQ(constantsForDisplay("a=1\nb=2"), "a=1\r\nb=2");
}

struct ErrorCase {
    const char* expression;
    const char* constants;
    int id;
};

// Each message of the checks and the compilation with a text that triggers it.
TEST(CheckAndCompile, EveryMessageWithItsTrigger) {
    const ErrorCase cases[] = {
        {"y=2*x+1", "", 0},
        {"y = x", "", 0},                     // blanks are removed first
        {"x+1", "", base::MsgMustStartWithY},
        {"y=x+y", "", base::MsgYOnRightSide},
        {"y=y*2", "", base::MsgYOnRightSide},
        {"y=)x(", "", base::MsgCloseParenFirst},
        {"y=(x", "", base::MsgBracketCount},
        {"y=()", "", base::MsgEmptyBrackets},
        {"y=(x)(x)", "", base::MsgIncorrectInstruction},
        {"y=2*-x", "", base::MsgIllegalOperator},
        {"y=(+x)", "", base::MsgIllegalOperator},
        {"y=x--1", "", base::MsgIllegalOperator},
        {"y=x+", "", base::MsgIllegalOperator},
        {"y=*x", "", base::MsgIllegalOperator},
        {"y=1..2", "", base::MsgDecimalPoint},
        {".y=1", "", base::MsgMustStartWithY},
        {"y=2x", "", base::MsgSyntaxError},
        {"y=x2", "", base::MsgSyntaxError},
        {"y=(x)2", "", base::MsgSyntaxError},
        {"y=2sin(x)", "", base::MsgSyntaxError},
        {"y=q", "", base::MsgUnknownElement},
        {"y=1.2.3", "", base::MsgUnknownElement},
        {"y=sin x", "", base::MsgUnknownElement},
        {"y=a", "a=1", 0},
        {"y=x", "b=1", 0},                    // an unused constant is fine
        {"y=x", "x=1", base::MsgConstantXForbidden},
        {"y=x", "y=1", base::MsgConstantYForbidden},
        {"y=x", "x1=1\ny2=2", 0},
        {"y=x", "A=1", base::MsgConstantDefinition},
        {"y=x", "ab=1", base::MsgConstantDefinition},
        {"y=x", "a12=1", base::MsgConstantDefinition},
        {"y=x", "a=1=2", base::MsgConstantDefinition},
        {"y=x", "a1", base::MsgConstantDefinition},
        {"y=x", "a=1\n\nb=2", base::MsgConstantDefinition},  // an empty definition in between
        {"y=x", "a=1,5", base::MsgNumericValue},
        {"y=x", "a=", base::MsgNumericValue},
        {"y=x", "a=1e400", base::MsgNumericValue},
        {"y=x", "a=-2.5e-3", 0},
        {"y=x", "a=?", 0},
    };
    for (const ErrorCase& c : cases)
        EXPECT_EQ(firstError(definition(c.expression, c.constants)), c.id) << c.expression << " | " << c.constants;
}

TEST(CheckExpression, MessageHasContextLineAndText) {
    FunctionDef def = definition("y=2x");
    CompiledFunction compiled;
    ASSERT_TRUE(checkExpression(def).empty());
    const base::Message m = compileExpression(def, compiled);
    EXPECT_EQ(m.id, base::MsgSyntaxError);
    EXPECT_EQ(m.heading, base::Heading::Error);
    EXPECT_EQ(m.text, "-> fonction y = f(x)\n\nErreur de syntaxe !");
}

TEST(CheckExpression, EmptyTextsBecomeZero) {
    for (const char* text : {"", "y", "y=", "  y =  "}) {
        FunctionDef def = definition(text);
        EXPECT_TRUE(checkExpression(def).empty()) << text;
        EXPECT_EQ(def.expression, "y=0") << text;
    }
}

// The "constante @" line names the faulty definition by its rank (1 = first line).
TEST(CheckConstants, ContextNamesTheFaultyDefinition) {
    FunctionDef def = definition("y=x", "a=1\nb=2\nx=3");
    const base::Message m = checkExpression(def);
    EXPECT_EQ(m.id, base::MsgConstantXForbidden);
    EXPECT_EQ(m.text, "-> constante 3\n\nConstante x interdite !");
}

TEST(CheckConstants, TwentyAtMost) {
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "a" + std::to_string(i % 10) + "=1\n";
    EXPECT_TRUE(checkConstants(definition("y=x", twenty)).empty());
    const base::Message m = checkConstants(definition("y=x", twenty + "b=2"));
    EXPECT_EQ(m.id, base::MsgTooManyConstants);
    EXPECT_EQ(m.text, "-> constante 21\n\nLe nombre maximum de constantes a été atteint !");
    // The parametric variable counts as a constant too.
    FunctionDef def = definition("y=x", twenty);
    def.parametric = 1;
    def.parameter = "p";
    EXPECT_EQ(checkConstants(def).id, base::MsgTooManyConstants);
}

TEST(CheckConstants, ValueOfAtMostTwentyFiveCharacters) {
    const std::string v25 = "1.00000000000000000000000";  // 25 characters
    ASSERT_EQ(v25.size(), 25u);
    EXPECT_TRUE(checkConstants(definition("y=x", "a=" + v25)).empty());
    EXPECT_EQ(checkConstants(definition("y=x", "a=" + v25 + "0")).id, base::MsgNumericValue);
}

TEST(CheckConstants, ItemsReadAsTheCheckSeesThem) {
    FunctionDef def = definition("y=x", ";a = 1\r\nb=2");
    def.parametric = 1;
    def.parameter = "p";
    EXPECT_EQ(constantItems(def), (std::vector<std::string>{"a=1", "b=2", "p=?"}));
    // Only the ends are stripped: an empty definition inside stays, and is refused.
    def.constants = "a=1;";
    EXPECT_EQ(constantItems(def), (std::vector<std::string>{"a=1", "", "p=?"}));
    EXPECT_EQ(checkConstants(def).id, base::MsgConstantDefinition);
    def.constants.clear();
    EXPECT_EQ(constantItems(def), (std::vector<std::string>{"p=?"}));
    def.parametric = 0;
    EXPECT_TRUE(constantItems(def).empty());
}

// Constants are found as substrings in the order of their definition.
TEST(CompileConstants, DefinitionOrderDecides) {
    EXPECT_EQ(firstError(definition("y=a1", "a=1\na1=2")), base::MsgSyntaxError);  // a then the number 1
    EXPECT_EQ(firstError(definition("y=a1", "a1=2\na=1")), 0);
    // An e after a digit is not the constant e.
    EXPECT_EQ(firstError(definition("y=2e", "e=2.718")), base::MsgUnknownElement);
    EXPECT_EQ(firstError(definition("y=2*e", "e=2.718")), 0);
    // A name never matches inside a function name: those are blanked first.
    EXPECT_EQ(firstError(definition("y=exp(x)", "e=1\np=2")), 0);
}

TEST(CompileExpression, TokenArrays) {
    CompiledFunction c;
    ASSERT_TRUE(compileExpression(definition("y=x"), c).empty());
    ASSERT_EQ(c.tokenCount, 1);
    EXPECT_EQ(c.tokens[0].kind, TokenKind::Variable);

    ASSERT_TRUE(compileExpression(definition("y=5"), c).empty());
    ASSERT_EQ(c.tokenCount, 1);
    EXPECT_EQ(c.tokens[0].kind, TokenKind::Value);
    EXPECT_EQ(c.tokens[0].value, 5.0);

    // y=-sin((x)+2.5)*a : the sign goes into the function's coefficient,
    // brackets are numbered in order of opening, the constant keeps its index.
    ASSERT_TRUE(compileExpression(definition("y=-sin((x)+2.5)*b", "a=1\nb=3"), c).empty());
    const TokenKind k[] = {TokenKind::Function, TokenKind::OpenParen, TokenKind::OpenParen, TokenKind::Variable,
                           TokenKind::CloseParen, TokenKind::Operator, TokenKind::Value, TokenKind::CloseParen,
                           TokenKind::Operator, TokenKind::Value};
    const int aux[] = {FunctionSin, 1, 2, 0, -2, 4, 0, -1, 2, 1};
    ASSERT_EQ(c.tokenCount, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(c.tokens[i].kind, k[i]) << i;
        EXPECT_EQ(c.tokens[i].aux, aux[i]) << i;
    }
    EXPECT_EQ(c.tokens[0].coefficient, -1.0);
    EXPECT_EQ(c.tokens[6].value, 2.5);
    EXPECT_EQ(c.tokens[9].value, 3.0);
    EXPECT_EQ(c.constantCount, 2);

    // "-(" is written "-1*(" before the tokens are made.
    ASSERT_TRUE(compileExpression(definition("y=-(x)"), c).empty());
    ASSERT_EQ(c.tokenCount, 5);
    EXPECT_EQ(c.tokens[0].kind, TokenKind::Value);
    EXPECT_EQ(c.tokens[0].value, 1.0);
    EXPECT_EQ(c.tokens[0].coefficient, -1.0);
}

TEST(CompileExpression, ParametricVariableIsAMarkedConstant) {
    FunctionDef def = definition("y=a*x", "k=2");
    def.parametric = 1;
    def.parameter = "a";
    CompiledFunction c;
    ASSERT_TRUE(compileExpression(def, c).empty());
    ASSERT_EQ(c.constantCount, 2);
    EXPECT_EQ(c.constants[1].name, "a");
    EXPECT_TRUE(c.constants[1].isParameter);
    EXPECT_TRUE(c.tokens[0].isParameter);
}

// The token array has 128 places; a text needing more is refused, never written past.
TEST(ExpressionLength, LongerThanTheTokenArrayIsRefused) {
    std::string fits = "y=1";
    while (fits.size() < 127) fits += "+1";
    fits += "1";
    ASSERT_EQ(fits.size(), 128u);
    EXPECT_EQ(firstError(definition(fits)), 0);
    EXPECT_EQ(firstError(definition(fits + "1")), base::MsgExpressionTooLong);
    // 125 characters, but each "-(" costs two more tokens.
    std::string negated = "y=x";
    while (negated.size() + 6 <= 125) negated += "-(x+1)";
    ASSERT_LE(negated.size(), 128u);
    ASSERT_GT(compiledLength(negated), 128u);
    FunctionDef def = definition(negated);
    const base::Message m = checkExpression(def);
    EXPECT_EQ(m.id, base::MsgExpressionTooLong);
    EXPECT_TRUE(m.text.starts_with("-> fonction y = f(x)\n\nLa fonction est trop longue !")) << m.text;
    CompiledFunction c;
    EXPECT_EQ(compileExpression(def, c).id, base::MsgExpressionTooLong);
    // A 512-character text (what the field takes) never reaches the array.
    EXPECT_EQ(compileExpression(definition("y=" + std::string(510, '1')), c).id, base::MsgExpressionTooLong);
}

// Inputs the checks refuse still compile safely when compiled alone.
TEST(CompileExpression, UncheckedTextsAreRefusedCleanly) {
    const std::pair<const char*, int> cases[] = {
        {"y=(x))+((x)", base::MsgBracketCount},  // counts agree, nesting does not
        {"y=()", base::MsgSyntaxError},
        {"y=x+", base::MsgSyntaxError},
        {"y=*x", base::MsgSyntaxError},
        {"y=2*/x", base::MsgSyntaxError},
        {"x=1", base::MsgMustStartWithY},
        {"y=", base::MsgSyntaxError},
        {"y=sin", base::MsgUnknownElement},
    };
    for (const auto& [text, id] : cases) {
        CompiledFunction c;
        EXPECT_EQ(compileExpression(definition(text), c).id, id) << text;
        EXPECT_EQ(c.programSize, 0) << text;
    }
}

}  // namespace
}  // namespace ordinax::expression
