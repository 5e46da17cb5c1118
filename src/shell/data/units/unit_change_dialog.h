// "  Changement d'unité": the previous and the new unit of an axis, a warning
// when their dimensions differ, and the choice of what happens to the values.
#pragma once

#include <memory>

#include "shell/common/ordinax_dialog.h"
#include "units/axis_unit_change.h"

namespace Ui {
class UnitChangeDialog;
}

namespace ordinax::shell {

class UnitChangeDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    UnitChangeDialog(UserPrompts& prompts, const units::AxisUnitChange& change, QWidget* parent = nullptr);
    ~UnitChangeDialog() override;

    // The choice made; Annuler abandons the new unit.
    units::UnitChangeAction action() const;
    void setAction(units::UnitChangeAction action);

private:
    std::unique_ptr<Ui::UnitChangeDialog> ui_;
};

}  // namespace ordinax::shell
