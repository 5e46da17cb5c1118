// "  Changement d'unité".
#include "shell/data/units/unit_change_dialog.h"

#include <QPushButton>

#include "shell/data/units/unit_texts.h"
#include "ui_unit_change_dialog.h"

namespace ordinax::shell {

UnitChangeDialog::UnitChangeDialog(UserPrompts& prompts, const units::AxisUnitChange& change, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::UnitChangeDialog>()) {
    ui_->setupUi(this);
    setHelpTopic(QStringLiteral("unites"));
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &UnitChangeDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &UnitChangeDialog::reject);
    ui_->oldExpression->setText(unitExpressionHtml(change.oldUnit));
    ui_->oldDimension->setText(unitDimensionHtml(change.oldUnit));
    ui_->newExpression->setText(unitExpressionHtml(change.newUnit));
    ui_->newDimension->setText(unitDimensionHtml(change.newUnit));
    ui_->incoherent->setVisible(!change.coherent);
    // Converting between units of different dimensions has no meaning: the
    // values are kept unless the user asks otherwise.
    setAction(change.coherent ? units::UnitChangeAction::ConvertValues : units::UnitChangeAction::KeepValues);
    finishSetup();
}

UnitChangeDialog::~UnitChangeDialog() = default;

units::UnitChangeAction UnitChangeDialog::action() const {
    if (result() != QDialog::Accepted || ui_->abandon->isChecked()) return units::UnitChangeAction::Abandon;
    return ui_->convertValues->isChecked() ? units::UnitChangeAction::ConvertValues
                                           : units::UnitChangeAction::KeepValues;
}

void UnitChangeDialog::setAction(units::UnitChangeAction action) {
    switch (action) {
        case units::UnitChangeAction::Abandon:
            ui_->abandon->setChecked(true);
            break;
        case units::UnitChangeAction::KeepValues:
            ui_->keepValues->setChecked(true);
            break;
        case units::UnitChangeAction::ConvertValues:
            ui_->convertValues->setChecked(true);
            break;
    }
}

}  // namespace ordinax::shell
