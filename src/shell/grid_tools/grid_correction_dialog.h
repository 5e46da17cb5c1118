// "Fonction de correction": one of the sixteen formulas, its coefficients,
// the source and target columns, the rows it applies to, and the formula
// shown with the letters of the columns.
#pragma once

#include <memory>

#include "numerics/grid_tool_rules.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class GridCorrectionDialog;
}

namespace ordinax::shell {

class GridCorrectionDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `selection` is the grid's (one column); its column gives the first operation.
    GridCorrectionDialog(UserPrompts& prompts, const numerics::Selection& selection, QWidget* parent = nullptr);
    ~GridCorrectionDialog() override;

    numerics::CorrectionOperation operation() const;
    numerics::CorrectionParameters parameters() const;
    numerics::ToolScope scope() const;

    void accept() override;

private:
    void follow();

    std::unique_ptr<Ui::GridCorrectionDialog> ui_;
};

}  // namespace ordinax::shell
