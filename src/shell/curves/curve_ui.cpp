// What the curve menu's dialogs share.
#include "shell/curves/curve_ui.h"

#include <QListWidget>
#include <algorithm>

#include "base/strings.h"

namespace ordinax::shell {

QString uiText(std::string_view windows1252) { return screenText(windows1252); }

QString tableText(int id, const QString& argument) {
    QString text = QString::fromUtf8(base::messageText(id));
    if (!argument.isNull()) text.replace(QStringLiteral("%s"), argument);
    return text;
}

void fillCurveList(QListWidget* list, const document::Diagram& diagram) {
    list->clear();
    for (const document::Curve& curve : diagram.curves) list->addItem(uiText(curve.title));
    list->clearSelection();
    list->setCurrentRow(-1);
}

std::vector<int> selectedRows(const QListWidget* list) {
    std::vector<int> rows;
    for (const QListWidgetItem* item : list->selectedItems()) rows.push_back(list->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace ordinax::shell
