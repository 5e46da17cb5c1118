// The coordinates grid.
#include "shell/grid/grid_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "base/strings.h"
#include "base/strings_curves.h"
#include "base/strings_shell.h"
#include "base/text.h"
#include "document/diagram_ops.h"
#include "exchange/grid_paste.h"
#include "shell/curves/curve_ui.h"
#include "shell/grid/grid_hooks.h"
#include "shell/grid/grid_row_dialogs.h"
#include "shell/grid/point_table_model.h"
#include "shell/grid_tools/grid_tool_runner.h"
#include "shell/ordinax_view.h"
#include "shell/user_prompts.h"
#include "ui_grid_dialog.h"

namespace ordinax::shell {

using document::GridSelection;

namespace {

// The busy cursor while a copy or a paste of many rows runs (half a second
// for a million rows).
class BusyCursor {
public:
    explicit BusyCursor(bool busy) : busy_(busy) {
        if (busy_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (busy_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool busy_;
};

constexpr int ManyRows = 100'000;

}  // namespace

GridDialog::GridDialog(UserPrompts& prompts, document::Diagram& working, int curve, COrdinaxView* view,
                       QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridDialog>()), working_(working), curve_(curve),
      view_(view), opened_(working.curves[static_cast<std::size_t>(curve)]),
      grid_(document::GridCurve::of(opened_)) {
    ui_->setupUi(this);
    model_ = new PointTableModel(
        grid_, [this](int row, int column, const QString& text) { return typeCell(row, column, text); }, this);
    ui_->pointTable->setModel(model_);
    connect(ui_->pointTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GridDialog::updateState);
    showTexts();

    const std::pair<QPushButton*, void (GridDialog::*)()> commands[] = {
        {ui_->copyButton, &GridDialog::copyCells},     {ui_->cutButton, &GridDialog::cutCells},
        {ui_->pasteButton, &GridDialog::pasteCells},   {ui_->deleteButton, &GridDialog::deleteRows},
        {ui_->insertButton, &GridDialog::insertRow},   {ui_->searchButton, &GridDialog::search},
        {ui_->searchNextButton, &GridDialog::searchNext}, {ui_->selectButton, &GridDialog::chooseRows},
        {ui_->deselectButton, &GridDialog::deselect},  {ui_->undoButton, &GridDialog::undoLastAction},
    };
    for (const auto& [button, command] : commands) connect(button, &QPushButton::clicked, this, command);
    const std::pair<QKeySequence, void (GridDialog::*)()> keys[] = {
        {QKeySequence::Copy, &GridDialog::copyCells},     {QKeySequence::Cut, &GridDialog::cutCells},
        {QKeySequence::Paste, &GridDialog::pasteCells},   {QKeySequence(Qt::Key_Delete), &GridDialog::deleteRows},
        {QKeySequence(Qt::Key_Insert), &GridDialog::insertRow}, {QKeySequence::Find, &GridDialog::search},
        {QKeySequence(Qt::Key_F3), &GridDialog::searchNext}, {QKeySequence::Undo, &GridDialog::undoLastAction},
    };
    // The keys act on the table; the text fields keep their own copy, paste and undo.
    for (const auto& [key, command] : keys) {
        auto* shortcut = new QShortcut(key, ui_->pointTable, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, command);
    }

    const std::pair<QPushButton*, numerics::CoordinateTool> tools[] = {
        {ui_->limitButton, numerics::CoordinateTool::Limit},
        {ui_->sortButton, numerics::CoordinateTool::Sort},
        {ui_->invertButton, numerics::CoordinateTool::Invert},
        {ui_->polarButton, numerics::CoordinateTool::PolarCartesian},
        {ui_->correctionButton, numerics::CoordinateTool::Correction},
        {ui_->sequenceButton, numerics::CoordinateTool::Sequence},
        {ui_->averageButton, numerics::CoordinateTool::Average},
        {ui_->cumulateButton, numerics::CoordinateTool::Cumulate},
        {ui_->frequencyButton, numerics::CoordinateTool::CumulativeFrequency},
    };
    for (const auto& [button, tool] : tools)
        connect(button, &QPushButton::clicked, this, [this, tool = tool] { runGridTool(*this, tool); });

    connect(ui_->titleEdit, &QLineEdit::editingFinished, this, &GridDialog::readTexts);
    connect(ui_->xNameEdit, &QLineEdit::editingFinished, this, &GridDialog::readTexts);
    connect(ui_->yNameEdit, &QLineEdit::editingFinished, this, &GridDialog::readTexts);
    connect(ui_->xUnitButton, &QPushButton::clicked, this, [this] { editUnit(0); });
    connect(ui_->yUnitButton, &QPushButton::clicked, this, [this] { editUnit(1); });
    connect(ui_->functionButton, &QPushButton::clicked, this, &GridDialog::editFunction);
    connect(ui_->showAloneButton, &QPushButton::toggled, this, &GridDialog::showAlone);
    connect(ui_->okButton, &QPushButton::clicked, this, &GridDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &GridDialog::reject);

    // The units and the function belong to other windows: their buttons wait for them.
    const QString later = tableText(base::MsgShellNotYetAvailable);
    for (QPushButton* unit : {ui_->xUnitButton, ui_->yUnitButton}) {
        unit->setEnabled(static_cast<bool>(gridUnitChooser()));
        if (!gridUnitChooser()) unit->setToolTip(later);
    }
    ui_->functionButton->setEnabled(static_cast<bool>(gridFunctionEditor()));
    if (!gridFunctionEditor()) ui_->functionButton->setToolTip(later);

    updateState();
    finishSetup();
    ui_->pointTable->setFocus();
    if (model_->rowCount() > 0) ui_->pointTable->setCurrentIndex(model_->index(0, 0));
}

GridDialog::~GridDialog() { restoreShownCurve(); }

QTableView* GridDialog::table() const { return ui_->pointTable; }

GridSelection GridDialog::selection() const {
    const QItemSelection ranges = ui_->pointTable->selectionModel()->selection();
    GridSelection s;
    for (const QItemSelectionRange& r : ranges) {
        if (s.empty()) {
            s = {r.left() + 1, r.right() + 1, r.top(), r.bottom()};
            continue;
        }
        s = {std::min(s.firstColumn(), r.left() + 1), std::max(s.lastColumn(), r.right() + 1),
             std::min(s.firstRow(), r.top()), std::max(s.lastRow(), r.bottom())};
    }
    return document::clipSelection(s, grid_.pointCount());
}

void GridDialog::setSelection(const GridSelection& selection) {
    QItemSelectionModel* model = ui_->pointTable->selectionModel();
    const GridSelection s = document::clipSelection(selection, grid_.pointCount());
    if (s.empty()) {
        model->clearSelection();
        return;
    }
    const QModelIndex topLeft = model_->index(s.firstRow(), s.firstColumn() - 1);
    const QModelIndex bottomRight = model_->index(s.lastRow(), s.lastColumn() - 1);
    model->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    model->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    ui_->pointTable->scrollTo(topLeft);
}

bool GridDialog::changePoints(const std::function<base::Message(document::Curve&)>& change) {
    const document::GridCurve before = grid_;
    const base::Message message = change(grid_.curve);
    document::markChangedCells(grid_, before);
    const bool changed = history_.record(before, grid_);
    if (changed) afterChange();
    if (!message.empty()) prompts().show(message);
    return changed;
}

bool GridDialog::typeCell(int row, int column, const QString& text) {
    const int count = grid_.pointCount();
    // The working copy lets go of the points while the cell is written: the
    // grid then holds them alone and writes in place instead of copying a
    // large curve for every cell (the history keeps the cell, not the curve).
    working_.curves[static_cast<std::size_t>(curve_)].points.clear();
    const document::CellEdit edit = document::setCell(grid_, row, column, modelText(text));
    if (!edit.message.empty()) {
        // Shown once the editor has closed: a message box inside the commit would reopen it.
        const base::Message message = edit.message;
        QTimer::singleShot(0, this, [this, message] { prompts().show(message); });
    }
    if (!edit.changed) {
        working_.curves[static_cast<std::size_t>(curve_)].points = grid_.curve.points;
        return false;
    }
    history_.push(edit.change);
    model_->cellChanged(row, column, count);
    writeBack();
    updateState();
    return true;
}

void GridDialog::afterChange() {
    model_->reload();
    writeBack();
    showTexts();
    updateState();
}

void GridDialog::writeBack() {
    working_.curves[static_cast<std::size_t>(curve_)] = grid_.curve;
    document::curveExtent(working_, curve_, -1);
    document::diagramDataRange(working_, true, -1);
    if (view_) view_->refresh();
}

void GridDialog::updateState() {
    const GridSelection s = selection();
    ui_->undoButton->setEnabled(history_.canUndo());
    ui_->selectButton->setEnabled(grid_.pointCount() > 1);
    const int n = grid_.pointCount();
    QString status = QString::fromStdString(
        base::expandPlural(n, base::makeMessage(base::MsgGridStatusPoints, base::Heading::None, std::to_string(n)).text));
    if (!s.empty()) {
        const QString columns = s.kind() == 0 ? QStringLiteral("X") : s.kind() == 1 ? QStringLiteral("Y")
                                                                                      : QStringLiteral("X et Y");
        status += s.rowCount() == 1
                      ? QStringLiteral(" ; sélection : ligne %1 (%2)").arg(s.firstRow() + 1).arg(columns)
                      : QStringLiteral(" ; sélection : lignes %1 à %2 (%3)")
                            .arg(s.firstRow() + 1)
                            .arg(s.lastRow() + 1)
                            .arg(columns);
    }
    ui_->statusLabel->setText(status);
}

void GridDialog::showTexts() {
    ui_->titleEdit->setText(uiText(grid_.curve.title));
    ui_->xNameEdit->setText(uiText(grid_.curve.axisName[0]));
    ui_->yNameEdit->setText(uiText(grid_.curve.axisName[1]));
    model_->headerDataChanged(Qt::Horizontal, 0, 1);
}

void GridDialog::readTexts() {
    const std::string title = modelText(ui_->titleEdit->text());
    const std::string x = modelText(ui_->xNameEdit->text());
    const std::string y = modelText(ui_->yNameEdit->text());
    if (title == grid_.curve.title && x == grid_.curve.axisName[0] && y == grid_.curve.axisName[1]) return;
    grid_.curve.title = title;
    grid_.curve.axisName = {x, y};
    model_->headerDataChanged(Qt::Horizontal, 0, 1);
    writeBack();
}

void GridDialog::copyCells() {
    const GridSelection s = selection();
    const BusyCursor busy(s.rowCount() >= ManyRows);
    const document::CopyResult copied = document::copyCells(grid_.curve, s);
    if (!copied.message.empty()) {
        prompts().show(copied.message);
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(copied.text));
}

void GridDialog::cutCells() {
    const GridSelection s = selection();
    if (const base::Message refused = document::checkCut(s); !refused.empty()) {
        prompts().show(refused);
        return;
    }
    copyCells();
    if (!prompts().askYesNo(document::deleteRowsConfirmation())) return;
    removeRows(s);
}

void GridDialog::deleteRows() {
    const GridSelection s = selection();
    if (const base::Message refused = document::checkDelete(s); !refused.empty()) {
        prompts().show(refused);
        return;
    }
    if (!prompts().askYesNo(document::deleteRowsConfirmation())) return;
    removeRows(s);
}

void GridDialog::removeRows(const GridSelection& rows) {
    // The marks move up with the points: not a tool's change of values.
    const document::GridCurve before = grid_;
    if (!document::deleteRows(grid_, rows)) return;
    history_.push(before);
    afterChange();
    setSelection(GridSelection::none());
}

void GridDialog::pasteCells() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (mime && mime->hasText()) text = mime->text().toStdString();
    const BusyCursor busy(text && text->size() >= std::size_t{10} * ManyRows);
    const document::GridCurve before = grid_;
    const exchange::PasteResult pasted =
        exchange::pasteCells(grid_, selection(), text ? std::optional<std::string_view>(*text) : std::nullopt);
    if (!pasted.changed) {
        grid_ = before;
        prompts().show(pasted.message);
        return;
    }
    history_.push(before);
    afterChange();
    setSelection(pasted.written);
}

void GridDialog::insertRow() {
    const GridSelection s = selection();
    if (const base::Message refused = document::checkInsert(grid_.pointCount(), s); !refused.empty()) {
        prompts().show(refused);
        return;
    }
    GridInsertDialog dialog(prompts(), grid_.curve.points[static_cast<std::size_t>(s.firstRow())], this);
    if (dialog.exec() != QDialog::Accepted) return;
    const document::Point point = dialog.point();
    const document::GridCurve before = grid_;
    if (!document::insertPoint(grid_, s.firstRow(), point)) return;
    history_.push(before);
    afterChange();
    setSelection(GridSelection::rows(s.firstRow(), s.firstRow()));
}

void GridDialog::search() {
    GridSearchDialog dialog(prompts(), grid_.curve, lastSearch_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    lastSearch_ = dialog.request();
    const auto value = document::searchedValue(grid_.curve, lastSearch_);
    if (!value) return;
    lastValue_ = *value;
    searched_ = true;
    findFrom(0);
}

void GridDialog::searchNext() {
    if (!searched_) {
        search();
        return;
    }
    findFrom(lastHit_ + 1);
}

void GridDialog::findFrom(int start) {
    const document::SearchResult found = document::findRow(grid_.curve, lastSearch_.where, lastValue_, start);
    if (found.row < 0) {
        lastHit_ = -1;
        prompts().show(found.message);
        setSelection(GridSelection::none());
        return;
    }
    lastHit_ = found.row;
    setSelection(GridSelection::rows(found.row, found.row));
    ui_->pointTable->scrollTo(model_->index(found.row, 0), QAbstractItemView::PositionAtCenter);
}

void GridDialog::chooseRows() {
    if (grid_.pointCount() <= 1) return;
    GridSelectDialog dialog(prompts(), grid_.pointCount(), selection(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    setSelection(dialog.selection());
}

void GridDialog::deselect() { setSelection(GridSelection::none()); }

void GridDialog::undoLastAction() {
    if (!history_.undo(grid_)) return;
    afterChange();
}

void GridDialog::editUnit(int axis) {
    const GridUnitChooser& chooser = gridUnitChooser();
    if (!chooser) return;
    if (!chooser(this, grid_.curve.unit[static_cast<std::size_t>(axis)], axis)) return;
    writeBack();
}

void GridDialog::editFunction() {
    const GridFunctionEditor& editor = gridFunctionEditor();
    if (!editor) return;
    readTexts();
    if (!editor(this, working_, curve_)) return;
    // The function may have computed the points again: the grid takes the curve back.
    const document::Curve edited = working_.curves[static_cast<std::size_t>(curve_)];
    changePoints([&edited](document::Curve& curve) {
        curve = edited;
        return base::Message{};
    });
    showTexts();
}

void GridDialog::showAlone(bool alone) {
    if (!view_) return;
    if (alone && !showingAlone_) shownBefore_ = view_->shownCurve();
    showingAlone_ = alone;
    view_->setShownCurve(alone ? curve_ : shownBefore_);
}

void GridDialog::restoreShownCurve() {
    if (!showingAlone_ || !view_) return;
    showingAlone_ = false;
    view_->setShownCurve(shownBefore_);
}

void GridDialog::accept() {
    readTexts();
    document::Curve& curve = working_.curves[static_cast<std::size_t>(curve_)];
    // New points make a new modification date when the diagram is saved.
    if (!(curve.points == opened_.points)) curve.modified.clear();
    restoreShownCurve();
    OrdinaxDialog::accept();
}

void GridDialog::reject() {
    readTexts();
    const bool changed = !(working_.curves[static_cast<std::size_t>(curve_)] == opened_);
    if (changed && !prompts().askYesNo(base::makeMessage(base::MsgGridDiscardConfirm, base::Heading::Warning)))
        return;
    restoreShownCurve();
    OrdinaxDialog::reject();
}

}  // namespace ordinax::shell
