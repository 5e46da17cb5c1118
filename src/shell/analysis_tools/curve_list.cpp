// The curve lists of the analysis dialogs.
#include "shell/analysis_tools/curve_list.h"

#include <QComboBox>

#include "base/encoding.h"

namespace ordinax::shell {

void fillCurveList(QComboBox& list, const document::Diagram& diagram, numerics::AnalysisTool tool) {
    const QSignalBlocker quiet(&list);
    list.clear();
    for (int index : numerics::suitableCurves(diagram, tool)) {
        const std::string& title = diagram.curves[static_cast<std::size_t>(index)].title;
        list.addItem(QStringLiteral("%1 - %2").arg(index + 1).arg(QString::fromStdString(base::windows1252ToUtf8(title))),
                     index);
    }
}

}  // namespace ordinax::shell
