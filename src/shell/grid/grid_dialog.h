// " Coordonnées d'une courbe": the grid of one curve of the working copy of
// the diagram, with its editing commands, its tools and the history of its
// last actions. The command that opens it commits the working copy on OK.
#pragma once

#include <functional>
#include <memory>

#include "base/message.h"
#include "document/point_grid.h"
#include "shell/common/ordinax_dialog.h"

class QTableView;

namespace Ui {
class GridDialog;
}

namespace ordinax::shell {

class COrdinaxView;
class PointTableModel;

class GridDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // Edits curve `curve` of `working`; `view` (may be null) draws the working copy.
    GridDialog(UserPrompts& prompts, document::Diagram& working, int curve, COrdinaxView* view,
               QWidget* parent = nullptr);
    ~GridDialog() override;

    const document::GridCurve& grid() const { return grid_; }
    const document::GridHistory& history() const { return history_; }
    QTableView* table() const;

    // The selected cells (rows past the last point left out), and a new selection.
    document::GridSelection selection() const;
    void setSelection(const document::GridSelection& selection);

    // Runs a change of the points: `change` edits the curve and returns the
    // message to show. When anything changed, the state before is kept for
    // "Annuler dernière action", the cells that changed are marked, and the
    // table, the working copy and the view follow. True when it changed.
    bool changePoints(const std::function<base::Message(document::Curve&)>& change);

    // The buttons' commands (also on the keyboard: Ctrl+C, Ctrl+X, Ctrl+V,
    // Suppr, Inser, Ctrl+F, F3, Ctrl+Z).
    void copyCells();
    void cutCells();
    void pasteCells();
    void deleteRows();
    void insertRow();
    void search();
    void searchNext();
    void chooseRows();
    void deselect();
    void undoLastAction();

    void accept() override;
    void reject() override;

private:
    bool typeCell(int row, int column, const QString& text);
    void removeRows(const document::GridSelection& rows);
    void afterChange();
    void writeBack();
    void updateState();
    void readTexts();
    void showTexts();
    void editUnit(int axis);
    void editFunction();
    void showAlone(bool alone);
    void restoreShownCurve();
    void findFrom(int start);

    std::unique_ptr<Ui::GridDialog> ui_;
    document::Diagram& working_;
    int curve_;
    COrdinaxView* view_;
    document::Curve opened_;
    document::GridCurve grid_;
    document::GridHistory history_;
    PointTableModel* model_ = nullptr;
    document::SearchRequest lastSearch_;
    double lastValue_ = 0.0;
    int lastHit_ = -1;
    bool searched_ = false;
    int shownBefore_ = -1;
    bool showingAlone_ = false;
};

}  // namespace ordinax::shell
