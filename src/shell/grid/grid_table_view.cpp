// The table view of the coordinates grid.
#include "shell/grid/grid_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace ordinax::shell {

GridTableView::GridTableView(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Fixed row heights: a million rows are laid out without measuring any.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(true);
}

void GridTableView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState &&
        event->modifiers() == Qt::NoModifier) {
        const QModelIndex current = currentIndex();
        if (current.isValid() && current.row() + 1 < model()->rowCount())
            setCurrentIndex(model()->index(current.row() + 1, current.column()));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace ordinax::shell
