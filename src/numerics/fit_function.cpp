// The analytic function of a fitted regression: expression, constants, range.
#include "numerics/fit_function.h"

#include <algorithm>

#include "base/format.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

namespace {

constexpr char MarkupEscape = '\xB6';

// The polynomials above degree 2 have fixed expressions.
std::string_view polynomialExpression(int kind) {
    switch (kind) {
        case KindPOL3: return "y=a0+a1.x+a2.x^2+a3.x^3";
        case KindPOL4: return "y=a0+a1.x+a2.x^2+a3.x^3+a4.x^4";
        case KindPOL5: return "y=a0+a1.x+a2.x^2+a3.x^3+a4.x^4+a5.x^5";
        case KindPOL6: return "y=a0+a1.x+a2.x^2+a3.x^3+a4.x^4+a5.x^5+a6.x^6";
        default: return {};
    }
}

std::string dotsToStars(std::string text) {
    std::replace(text.begin(), text.end(), '.', '*');
    return text;
}

}  // namespace

std::string equationExpression(std::string_view markup) {
    std::string marked;
    bool opening = true;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const bool exponentMarker = markup[i] == MarkupEscape && i + 1 < markup.size() && markup[i + 1] == 'e' &&
                                    (i + 2 >= markup.size() || markup[i + 2] != '[');
        if (!exponentMarker) {
            marked.push_back(markup[i]);
            continue;
        }
        if (opening) marked.push_back('^');
        opening = !opening;
        ++i;
    }
    return dotsToStars(stripMarkup(marked));
}

void functionFromFit(const document::Curve& curve, const Catalogue& catalogue, document::FunctionDef& function) {
    const int kind = curve.treatment;
    const std::string_view fixed = polynomialExpression(kind);
    function.expression = fixed.empty() ? equationExpression(catalogue[kind].equation) : dotsToStars(std::string(fixed));

    std::string constants;
    const int count = coefficientCount(kind);
    for (int i = 0; i < count; ++i) {
        if (!constants.empty()) constants += '\n';
        constants += base::formatPrintf("a%d=%g", i, curve.fit.coefficient[static_cast<std::size_t>(i)]);
    }
    constexpr const char* Names[3] = {"r=", "s=", "t="};
    for (int i = 0; i < fixedParameterCount(kind) && i < 3; ++i) {
        if (!constants.empty()) constants += '\n';
        constants += Names[i] + base::formatPrintf("%g", curve.fit.stats[static_cast<std::size_t>(i)]);
    }
    function.constants = constants;

    const auto points = curve.points.view();
    if (!points.empty()) {
        const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                     [](const auto& a, const auto& b) { return a.x < b.x; });
        function.from = low->x;
        function.to = high->x;
    }
}

std::vector<int> regressionSources(const document::Diagram& diagram, int editedCurve) {
    std::vector<int> sources;
    for (int i = 0; i < diagram.curveCount(); ++i) {
        const document::Curve& curve = diagram.curves[static_cast<std::size_t>(i)];
        if (i != editedCurve && isRegressionKind(curve.treatment) && curve.pointCount() > 0) sources.push_back(i);
    }
    return sources;
}

}  // namespace ordinax::numerics
