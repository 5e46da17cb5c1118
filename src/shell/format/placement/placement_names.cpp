// Names in the placement dialogs.
#include "shell/format/placement/placement_names.h"

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_drawing.h"
#include "richtext/markup_edit.h"

namespace ordinax::shell {

QString tableText(int id) {
    const std::string_view text = base::messageText(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString slotName(int slot) {
    return tableText(base::MsgSlotNameFirst + slot);
}

QString curveName(const document::Diagram& diagram, int curve, bool legend) {
    QString name = QStringLiteral("Courbe n° %1").arg(curve + 1);
    if (curve < 0 || curve >= diagram.curveCount()) return name;
    const document::Curve& c = diagram.curves[static_cast<std::size_t>(curve)];
    std::string text = legend ? richtext::withoutCodes(c.legend, richtext::MarkupCodeLetters) : c.title;
    for (char& ch : text)
        if (ch == '\n' || ch == '\t') ch = ' ';
    if (!text.empty()) name += QStringLiteral(" : ") + QString::fromStdString(base::windows1252ToUtf8(text));
    return name;
}

}  // namespace ordinax::shell
