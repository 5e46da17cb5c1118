// What the curve menu's dialogs share: texts between the model's
// Windows-1252 bytes and the screen, the lists of curve titles, and the
// OK / Annuler row.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "shell/common/model_text.h"

class QListWidget;
class QTreeWidget;

namespace ordinax::shell {

// Windows-1252 bytes of the model as screen text (modelText goes back).
QString uiText(std::string_view windows1252);

// A string-table text (UTF-8), "%s" replaced by `argument`.
QString tableText(int id, const QString& argument = {});

// Fills `list` with the curves' titles in their order, nothing selected.
void fillCurveList(QListWidget* list, const document::Diagram& diagram);

// The rows of `list` that are selected, ascending.
std::vector<int> selectedRows(const QListWidget* list);

}  // namespace ordinax::shell
