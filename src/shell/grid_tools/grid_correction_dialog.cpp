// The correction functions dialog.
#include "shell/grid_tools/grid_correction_dialog.h"

#include <QPushButton>

#include "shell/curves/markup_label.h"
#include "ui_grid_correction_dialog.h"

namespace ordinax::shell {

using numerics::CorrectionOperation;

GridCorrectionDialog::GridCorrectionDialog(UserPrompts& prompts, const numerics::Selection& selection,
                                           QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::GridCorrectionDialog>()) {
    ui_->setupUi(this);
    for (int f = 0; f < numerics::CorrectionFunctionCount; ++f)
        ui_->functionList->addItem(QString::fromUtf8(numerics::correctionName(f).data(),
                                                     static_cast<qsizetype>(numerics::correctionName(f).size())));
    const numerics::CorrectionParameters start = numerics::defaultCorrection();
    NumberField* const fields[] = {ui_->aField, ui_->bField, ui_->cField, ui_->dField, ui_->eField};
    for (std::size_t i = 0; i < std::size(fields); ++i) fields[i]->setValue(start.coefficient[i]);
    ui_->decimalsField->setIntegerRange(-15, 15);
    ui_->decimalsField->setValue(start.decimals);
    ui_->stepField->setRealRange(1e-30, 1e30);
    ui_->stepField->setValue(start.step);
    switch (numerics::defaultOperation(selection)) {
        case CorrectionOperation::XOfX:
            ui_->xOfXRadio->setChecked(true);
            break;
        default:
            ui_->yOfYRadio->setChecked(true);
            break;
    }
    ui_->functionList->setCurrentRow(start.function);
    connect(ui_->functionList, &QListWidget::currentRowChanged, this, &GridCorrectionDialog::follow);
    for (QRadioButton* radio : {ui_->xOfXRadio, ui_->yOfYRadio, ui_->xOfYRadio, ui_->yOfXRadio})
        connect(radio, &QRadioButton::toggled, this, &GridCorrectionDialog::follow);
    connect(ui_->byStepCheck, &QCheckBox::toggled, this, &GridCorrectionDialog::follow);
    connect(ui_->okButton, &QPushButton::clicked, this, &GridCorrectionDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &GridCorrectionDialog::reject);
    follow();
    finishSetup();
}

GridCorrectionDialog::~GridCorrectionDialog() = default;

CorrectionOperation GridCorrectionDialog::operation() const {
    if (ui_->xOfXRadio->isChecked()) return CorrectionOperation::XOfX;
    if (ui_->xOfYRadio->isChecked()) return CorrectionOperation::XOfY;
    if (ui_->yOfXRadio->isChecked()) return CorrectionOperation::YOfX;
    return CorrectionOperation::YOfY;
}

numerics::CorrectionParameters GridCorrectionDialog::parameters() const {
    numerics::CorrectionParameters p;
    p.function = std::max(ui_->functionList->currentRow(), 0);
    p.coefficient = {ui_->aField->value(), ui_->bField->value(), ui_->cField->value(), ui_->dField->value(),
                     ui_->eField->value()};
    p.degrees = ui_->degreesRadio->isChecked();
    p.decimals = ui_->decimalsField->intValue();
    p.byStep = ui_->byStepCheck->isChecked();
    p.step = ui_->stepField->value();
    return p;
}

numerics::ToolScope GridCorrectionDialog::scope() const {
    return ui_->allRadio->isChecked() ? numerics::ToolScope::AllPoints : numerics::ToolScope::CurrentSelection;
}

void GridCorrectionDialog::follow() {
    const int function = std::max(ui_->functionList->currentRow(), 0);
    const bool byStep = ui_->byStepCheck->isChecked();
    ui_->formulaLabel->setMarkup(numerics::correctionDisplay(operation(), function, byStep));
    const std::array<bool, 5> used = numerics::correctionCoefficients(function);
    NumberField* const fields[] = {ui_->aField, ui_->bField, ui_->cField, ui_->dField, ui_->eField};
    for (std::size_t i = 0; i < std::size(fields); ++i) fields[i]->setEnabled(used[i]);
    const bool angles = numerics::correctionUsesAngles(function);
    ui_->radiansRadio->setEnabled(angles);
    ui_->degreesRadio->setEnabled(angles);
    const bool rounds = numerics::correctionRounds(function);
    ui_->byStepCheck->setEnabled(rounds);
    ui_->decimalsField->setEnabled(rounds && !byStep);
    ui_->stepField->setEnabled(rounds && byStep);
}

void GridCorrectionDialog::accept() {
    for (NumberField* field : {ui_->aField, ui_->bField, ui_->cField, ui_->dField, ui_->eField, ui_->decimalsField,
                               ui_->stepField})
        if (field->isEnabled() && !field->commit()) return;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
