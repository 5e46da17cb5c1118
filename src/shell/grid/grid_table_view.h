// The table of the coordinates grid: a table view whose Enter moves down to
// the next row, as in a spreadsheet, instead of closing the dialog.
#pragma once

#include <QTableView>

namespace ordinax::shell {

class GridTableView : public QTableView {
    Q_OBJECT

public:
    explicit GridTableView(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ordinax::shell
