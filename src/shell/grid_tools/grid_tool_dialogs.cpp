// The dialogs of the grid's coordinate tools.
#include "shell/grid_tools/grid_tool_dialogs.h"

#include <QPushButton>

#include "base/strings.h"
#include "base/strings_analysis_coordinates.h"
#include "shell/curves/markup_label.h"
#include "shell/user_prompts.h"
#include "ui_grid_invert_dialog.h"
#include "ui_grid_limit_dialog.h"
#include "ui_grid_polar_dialog.h"
#include "ui_grid_sequence_dialog.h"
#include "ui_grid_sort_dialog.h"

namespace ordinax::shell {

namespace {

template <typename Ui>
void connectOkCancel(OrdinaxDialog* dialog, Ui& ui) {
    QObject::connect(ui.okButton, &QPushButton::clicked, dialog, &OrdinaxDialog::accept);
    QObject::connect(ui.cancelButton, &QPushButton::clicked, dialog, &OrdinaxDialog::reject);
}

QString markupText(int id) { return markupPlainText(std::string(base::messageText(id))); }

}  // namespace

// ---- limit ------------------------------------------------------------------

GridLimitDialog::GridLimitDialog(UserPrompts& prompts, const document::Curve& curve,
                                 const numerics::Selection& selection, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridLimitDialog>()) {
    ui_->setupUi(this);
    ui_->columnLabel->setText(selection.kind() == 1 ? QStringLiteral("Sur les ordonnées (y) :")
                                                    : QStringLiteral("Sur les abscisses (x) :"));
    const numerics::LimitFields fields = numerics::defaultLimitFields(curve, selection);
    ui_->miniEdit->setText(QString::fromStdString(fields.mini));
    ui_->maxiEdit->setText(QString::fromStdString(fields.maxi));
    connectOkCancel(this, *ui_);
    finishSetup();
}

GridLimitDialog::~GridLimitDialog() = default;

bool GridLimitDialog::removeInside() const { return ui_->insideRadio->isChecked(); }

void GridLimitDialog::accept() {
    bounds_ = numerics::readLimitFields(ui_->miniEdit->text().toStdString(), ui_->maxiEdit->text().toStdString());
    if (!bounds_.message.empty()) {
        prompts().show(bounds_.message);
        return;
    }
    OrdinaxDialog::accept();
}

// ---- sort -------------------------------------------------------------------

GridSortDialog::GridSortDialog(UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridSortDialog>()) {
    ui_->setupUi(this);
    connectOkCancel(this, *ui_);
    finishSetup();
}

GridSortDialog::~GridSortDialog() = default;

bool GridSortDialog::descending() const { return ui_->descendingRadio->isChecked(); }

numerics::ToolScope GridSortDialog::scope() const {
    if (ui_->allXRadio->isChecked()) return numerics::ToolScope::AllAbscissas;
    if (ui_->allYRadio->isChecked()) return numerics::ToolScope::AllOrdinates;
    return numerics::ToolScope::CurrentSelection;
}

// ---- invert -----------------------------------------------------------------

GridInvertDialog::GridInvertDialog(UserPrompts& prompts, bool rowsSelected, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridInvertDialog>()) {
    ui_->setupUi(this);
    ui_->selectionRadio->setEnabled(rowsSelected);
    ui_->selectionRadio->setChecked(rowsSelected);
    ui_->allRadio->setChecked(!rowsSelected);
    connectOkCancel(this, *ui_);
    finishSetup();
}

GridInvertDialog::~GridInvertDialog() = default;

bool GridInvertDialog::selectionOnly() const { return ui_->selectionRadio->isChecked(); }

// ---- polar / cartesian ------------------------------------------------------

GridPolarDialog::GridPolarDialog(UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridPolarDialog>()) {
    ui_->setupUi(this);
    // The texts carry Greek letters in the Symbol font of the label markup.
    ui_->toPolarRadio->setText(markupText(base::MsgPolarFromCartesian));
    ui_->toCartesianRadio->setText(markupText(base::MsgCartesianFromPolar));
    ui_->radiansRadio->setText(markupText(base::MsgAnglesInRadians));
    ui_->degreesRadio->setText(markupText(base::MsgAnglesInDegrees));
    ui_->noteLabel->setText(markupText(base::MsgPolarCoordinatesNote));
    connectOkCancel(this, *ui_);
    finishSetup();
}

GridPolarDialog::~GridPolarDialog() = default;

bool GridPolarDialog::toPolar() const { return ui_->toPolarRadio->isChecked(); }
bool GridPolarDialog::degrees() const { return ui_->degreesRadio->isChecked(); }

// ---- numeric sequence -------------------------------------------------------

GridSequenceDialog::GridSequenceDialog(UserPrompts& prompts, const numerics::SequenceParameters& start,
                                       QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridSequenceDialog>()) {
    ui_->setupUi(this);
    ui_->fromField->setIntegerRange(1, document::MaxPoints);
    ui_->toField->setIntegerRange(1, document::MaxPoints);
    ui_->fromField->setValue(start.fromRow);
    ui_->toField->setValue(start.toRow);
    ui_->firstField->setValue(start.first);
    ui_->stepField->setValue(start.step);
    ui_->xCheck->setChecked(start.abscissas);
    ui_->yCheck->setChecked(start.ordinates);
    auto follow = [this] { ui_->okButton->setEnabled(ui_->xCheck->isChecked() || ui_->yCheck->isChecked()); };
    connect(ui_->xCheck, &QCheckBox::toggled, this, follow);
    connect(ui_->yCheck, &QCheckBox::toggled, this, follow);
    follow();
    connectOkCancel(this, *ui_);
    finishSetup();
}

GridSequenceDialog::~GridSequenceDialog() = default;

numerics::SequenceParameters GridSequenceDialog::parameters() const {
    numerics::SequenceParameters p;
    p.fromRow = ui_->fromField->intValue();
    p.toRow = ui_->toField->intValue();
    p.first = ui_->firstField->value();
    p.step = ui_->stepField->value();
    p.abscissas = ui_->xCheck->isChecked();
    p.ordinates = ui_->yCheck->isChecked();
    return p;
}

void GridSequenceDialog::accept() {
    for (NumberField* field : {ui_->fromField, ui_->toField, ui_->firstField, ui_->stepField})
        if (!field->commit()) return;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
