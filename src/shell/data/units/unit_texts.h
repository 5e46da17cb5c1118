// Unit texts of the model (Windows-1252 label markup) shown in the dialogs.
#pragma once

#include <QString>
#include <string_view>

#include "document/unit_def.h"

namespace ordinax::shell {

// A unit text as rich text: superscript runs ("¶e-2¶e") raised, factor
// separators and font codes left out, the Symbol-font m written µ.
QString unitMarkupHtml(std::string_view markup);

// The expression of a unit as the dialogs show it ("(aucune)" without factor).
QString unitExpressionHtml(const document::UnitDef& unit);

// The dimension of a unit as rich text ("L T<sup>-2</sup>", "sans dimension").
QString unitDimensionHtml(const document::UnitDef& unit);

// Plain text of a unit for lists and screen readers ("km/h", "m/s²").
QString unitPlainText(const document::UnitDef& unit);

}  // namespace ordinax::shell
