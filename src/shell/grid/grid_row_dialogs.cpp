// The small dialogs of the coordinates grid.
#include "shell/grid/grid_row_dialogs.h"

#include <QPushButton>

#include "shell/grid/point_table_model.h"
#include "ui_grid_insert_dialog.h"
#include "ui_grid_search_dialog.h"
#include "ui_grid_select_dialog.h"

namespace ordinax::shell {

using document::SearchWhat;
using document::SearchWhere;

// ---- search -----------------------------------------------------------------

GridSearchDialog::GridSearchDialog(UserPrompts& prompts, const document::Curve& curve,
                                   const document::SearchRequest& last, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridSearchDialog>()) {
    ui_->setupUi(this);
    ui_->valueField->setValue(last.value);
    ui_->anyRadio->setChecked(last.what == SearchWhat::Value);
    ui_->minRadio->setChecked(last.what == SearchWhat::Minimum);
    ui_->maxRadio->setChecked(last.what == SearchWhat::Maximum);
    ui_->xRadio->setChecked(last.where == SearchWhere::Abscissas);
    ui_->yRadio->setChecked(last.where == SearchWhere::Ordinates);
    ui_->bothRadio->setChecked(last.where == SearchWhere::Both);
    if (const auto extent = document::pointExtent(curve)) {
        ui_->xMinField->setText(PointTableModel::displayText(extent->xMin));
        ui_->xMaxField->setText(PointTableModel::displayText(extent->xMax));
        ui_->yMinField->setText(PointTableModel::displayText(extent->yMin));
        ui_->yMaxField->setText(PointTableModel::displayText(extent->yMax));
    }
    auto follow = [this] { ui_->valueField->setEnabled(ui_->anyRadio->isChecked()); };
    connect(ui_->anyRadio, &QRadioButton::toggled, this, follow);
    follow();
    connect(ui_->okButton, &QPushButton::clicked, this, &GridSearchDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &GridSearchDialog::reject);
    finishSetup();
}

GridSearchDialog::~GridSearchDialog() = default;

document::SearchRequest GridSearchDialog::request() const {
    document::SearchRequest r;
    r.what = ui_->minRadio->isChecked()   ? SearchWhat::Minimum
             : ui_->maxRadio->isChecked() ? SearchWhat::Maximum
                                          : SearchWhat::Value;
    r.where = ui_->xRadio->isChecked()   ? SearchWhere::Abscissas
              : ui_->yRadio->isChecked() ? SearchWhere::Ordinates
                                         : SearchWhere::Both;
    r.value = ui_->valueField->value();
    return r;
}

void GridSearchDialog::accept() {
    if (ui_->anyRadio->isChecked() && !ui_->valueField->commit()) return;
    OrdinaxDialog::accept();
}

// ---- select rows ------------------------------------------------------------

GridSelectDialog::GridSelectDialog(UserPrompts& prompts, int pointCount, const document::GridSelection& current,
                                   QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridSelectDialog>()), pointCount_(pointCount) {
    ui_->setupUi(this);
    for (NumberField* field : {ui_->fromField, ui_->toField}) field->setIntegerRange(1, std::max(pointCount, 1));
    const document::GridSelection start = document::clipSelection(current, pointCount);
    ui_->fromField->setValue(start.empty() ? 1 : start.firstRow() + 1);
    ui_->toField->setValue(start.empty() ? pointCount : start.lastRow() + 1);
    if (start.kind() == 0) ui_->xRadio->setChecked(true);
    if (start.kind() == 1) ui_->yRadio->setChecked(true);
    auto follow = [this] {
        ui_->fromField->setEnabled(!ui_->allCheck->isChecked());
        ui_->toField->setEnabled(!ui_->allCheck->isChecked());
    };
    connect(ui_->allCheck, &QCheckBox::toggled, this, follow);
    connect(ui_->okButton, &QPushButton::clicked, this, &GridSelectDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &GridSelectDialog::reject);
    finishSetup();
}

GridSelectDialog::~GridSelectDialog() = default;

document::GridSelection GridSelectDialog::selection() const {
    const document::SelectColumns columns = ui_->xRadio->isChecked()   ? document::SelectColumns::Abscissas
                                            : ui_->yRadio->isChecked() ? document::SelectColumns::Ordinates
                                                                       : document::SelectColumns::Both;
    return document::selectRows(pointCount_, ui_->fromField->intValue(), ui_->toField->intValue(),
                                ui_->allCheck->isChecked(), columns);
}

void GridSelectDialog::accept() {
    if (!ui_->allCheck->isChecked() && (!ui_->fromField->commit() || !ui_->toField->commit())) return;
    OrdinaxDialog::accept();
}

// ---- insert -----------------------------------------------------------------

GridInsertDialog::GridInsertDialog(UserPrompts& prompts, document::Point start, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridInsertDialog>()) {
    ui_->setupUi(this);
    ui_->xField->setValue(start.x);
    ui_->yField->setValue(start.y);
    connect(ui_->okButton, &QPushButton::clicked, this, &GridInsertDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &GridInsertDialog::reject);
    finishSetup();
}

GridInsertDialog::~GridInsertDialog() = default;

document::Point GridInsertDialog::point() const { return {ui_->xField->value(), ui_->yField->value()}; }

void GridInsertDialog::accept() {
    if (!ui_->xField->commit() || !ui_->yField->commit()) return;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
