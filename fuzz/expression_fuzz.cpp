// Fuzz target of the analytic functions: clean-up, checks, compilation and
// evaluation of any text, and the curves of the definitions that pass. A
// refused definition is a normal outcome. The evaluation program is compared
// with a direct reading of the token array (brackets from the highest number,
// then ^, * /, + - from left to right) that shares nothing with it but the
// primitives: both must give the same value and the same failure.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "expression/checker.h"
#include "expression/compiler.h"
#include "expression/evaluator.h"
#include "expression/field_filters.h"
#include "expression/function_curves.h"
#include "expression/function_form.h"
#include "expression/normalize.h"

using namespace ordinax;
using namespace ordinax::expression;

namespace {

using Tokens = std::vector<ExpressionToken>;

// Evaluates tokens[begin, end) as one flat range; leaves the range reduced.
double flatRange(Tokens& t, std::size_t begin, std::size_t& end, double x, double p, MathErrorFlag& flag) {
    for (std::size_t i = begin; i < end; ++i) {
        if (t[i].kind == TokenKind::Variable) {
            t[i].kind = TokenKind::Value;
            t[i].value = x;
        } else if (t[i].kind == TokenKind::Value && t[i].isParameter) {
            t[i].value = p;
        }
    }
    for (std::string_view pass : {std::string_view("^"), std::string_view("*/"), std::string_view("+-")}) {
        std::size_t i = begin;
        while (i < end) {
            const ExpressionToken& op = t[i];
            const char c = op.kind == TokenKind::Operator ? OperatorTable[static_cast<std::size_t>(op.aux)] : 0;
            if (c == 0 || pass.find(c) == std::string_view::npos) {
                ++i;
                continue;
            }
            if (i == begin || i + 1 >= end) std::abort();  // the program builder let a malformed range through
            const double v = applyOperator(c, t[i - 1].value * t[i - 1].coefficient,
                                           t[i + 1].value * t[i + 1].coefficient, flag);
            t[i - 1] = ExpressionToken{TokenKind::Value, 0, false, v, 1.0};
            t.erase(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(i + 2));
            end -= 2;
        }
    }
    return t[begin].value * t[begin].coefficient;
}

double directReading(const CompiledFunction& c, double x, double p, MathErrorFlag& flag, RandomGenerator& random) {
    Tokens t(c.tokens.begin(), c.tokens.begin() + c.tokenCount);
    int highest = 0;
    for (const ExpressionToken& token : t)
        if (token.kind == TokenKind::OpenParen) highest = std::max(highest, token.aux);
    for (int k = highest; k >= 1; --k) {
        std::size_t open = 0;
        while (!(t[open].kind == TokenKind::OpenParen && t[open].aux == k)) ++open;
        std::size_t close = open + 1;
        while (!(t[close].kind == TokenKind::CloseParen && t[close].aux == -k)) ++close;
        const double v = flatRange(t, open + 1, close, x, p, flag);
        t[open].kind = TokenKind::Value;
        t[open].value = v;
        t[open].isParameter = false;
        t.erase(t.begin() + static_cast<std::ptrdiff_t>(open + 1), t.begin() + static_cast<std::ptrdiff_t>(close + 1));
        if (open > 0 && t[open - 1].kind == TokenKind::Function) {
            ExpressionToken& f = t[open - 1];
            f = ExpressionToken{TokenKind::Value, 0, false,
                                applyFunction(f.aux, v, c.anglesInDegrees, flag, random) * f.coefficient, 1.0};
            t.erase(t.begin() + static_cast<std::ptrdiff_t>(open));
        }
    }
    std::size_t end = t.size();
    double y = flatRange(t, 0, end, x, p, flag);
    if (clampResult(y)) flag.raise();
    return y;
}

std::vector<std::string> fields(std::string_view data) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() < 3) {
        const auto end = data.find('\x01', start);
        if (end == std::string_view::npos) break;
        out.emplace_back(data.substr(start, end - start));
        start = end + 1;
    }
    out.emplace_back(data.substr(start));
    out.resize(4);
    return out;
}

}  // namespace

// Input: one byte of flags, then expression, constants, parameter and domain
// separated by the byte 0x01.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 2048) return 0;
    const std::uint8_t flags = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string> f = fields(text);

    // The field helpers take any text.
    (void)isExpressionTextAllowed(f[0]);
    (void)isConstantsTextAllowed(f[1]);
    (void)isRangeTextAllowed(f[3]);
    (void)checkRangeField(f[3]);
    (void)checkPointCountField(f[3]);

    document::FunctionDef def;
    def.expression = (flags & 1) ? normalizeExpression(f[0]) : f[0];
    def.constants = (flags & 2) ? cleanConstants(f[1]) : f[1];
    def.anglesInDegrees = (flags & 4) ? 1 : 0;
    def.parametric = (flags & 8) ? 1 : 0;
    def.parameter = f[2];
    def.domain = (flags & 16) ? cleanDomain(f[3]) : f[3];
    def.from = -3.0;
    def.to = 5.0;
    def.pointNumber = 7;

    // The dialog's fields stored, shown and stored again settle: the
    // constants, domain and variable at once, the expression within three
    // rounds ("+" shows "y=+", then "y=", then "y=0").
    document::Curve edited;
    FunctionForm form;
    form.expression = f[0];
    form.constants = f[1];
    form.parameter = f[2];
    form.domain = f[3];
    storeFunctionForm(form, edited);
    document::Curve round = edited;
    for (int pass = 0; pass < 3; ++pass) {
        document::Curve next = round;
        storeFunctionForm(functionForm(round), next);
        if (next.function.constants != round.function.constants || next.function.domain != round.function.domain ||
            next.function.parameter != round.function.parameter)
            std::abort();
        round = next;
    }
    document::Curve settled = round;
    storeFunctionForm(functionForm(round), settled);
    if (!(settled.function == round.function)) std::abort();

    document::FunctionDef checked = def;
    const bool checkedOk = checkExpression(checked).empty() && checkParametricFamily(checked, 1, 1).empty();

    // Compilation must be safe whatever the checks said.
    CompiledFunction compiled;
    if (compileExpression(flags & 32 ? checked : def, compiled).empty()) {
        const double xs[] = {0.0, 1.0, -2.5, 90.0, 1e30, -1e-30};
        for (double x : xs) {
            RandomGenerator r1(17);
            RandomGenerator r2(17);
            MathErrorFlag fast;
            MathErrorFlag direct;
            const double a = evaluateAt(compiled, x, x / 3.0, fast, r1);
            const double b = directReading(compiled, x, x / 3.0, direct, r2);
            if (fast.isRaised() != direct.isRaised()) std::abort();
            if (!fast.isRaised() && !(a == b)) std::abort();
        }
    }

    if (checkedOk) {
        document::Diagram diagram;
        document::Curve curve;
        curve.function = checked;
        diagram.curves.push_back(curve);
        const FunctionRun run = computeFunction(diagram, 0, 1);
        if (run.error.empty()) {
            if (diagram.curveCount() > document::MaxCurves) std::abort();
            for (const document::Curve& c : diagram.curves)
                if (c.pointCount() != checked.pointNumber) std::abort();
        }
    }
    return 0;
}
