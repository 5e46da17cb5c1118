// Unit texts shown in the dialogs.
#include "shell/data/units/unit_texts.h"

#include "base/encoding.h"
#include "units/unit_algebra.h"
#include "units/unit_search.h"

namespace ordinax::shell {

QString unitMarkupHtml(std::string_view markup) {
    QString html;
    bool raised = false;
    std::string plain;
    auto flush = [&] {
        html += QString::fromStdString(base::windows1252ToUtf8(plain)).toHtmlEscaped();
        plain.clear();
    };
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c == '\xB6' && i + 1 < markup.size()) {
            ++i;
            if (markup[i] == 'e') {
                flush();
                html += raised ? QStringLiteral("</sup>") : QStringLiteral("<sup>");
                raised = !raised;
            }
            continue;
        }
        if (c == '\x8A' && i + 2 < markup.size() && markup[i + 1] == 'm' && markup[i + 2] == '\x8A') {
            plain += '\xB5';
            i += 2;
            continue;
        }
        if (c == '\x82' || c == '\x8A' || c == '\x8B' || c == '\x8C') continue;
        plain += c;
    }
    flush();
    if (raised) html += QStringLiteral("</sup>");
    return html;
}

QString unitExpressionHtml(const document::UnitDef& unit) {
    if (units::usedFactors(unit) == 0) return QStringLiteral("(aucune)");
    return unitMarkupHtml(units::unitExpression(unit));
}

QString unitDimensionHtml(const document::UnitDef& unit) {
    return unitMarkupHtml(units::dimensionText(units::dimensionVector(unit)));
}

QString unitPlainText(const document::UnitDef& unit) {
    if (units::usedFactors(unit) == 0) return QStringLiteral("(aucune)");
    return QString::fromStdString(base::windows1252ToUtf8(units::displayExpression(unit)));
}

}  // namespace ordinax::shell
