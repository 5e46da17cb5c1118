// The list of the curves fitted with a regression model, from which the
// function dialog takes an equation.
#pragma once

#include <memory>
#include <vector>

#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class RegressionChoiceDialog;
}

namespace ordinax::shell {

class RegressionChoiceDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    RegressionChoiceDialog(const document::Diagram& diagram, std::vector<int> curves,
                           const numerics::Catalogue& catalogue, UserPrompts& prompts, QWidget* parent = nullptr);
    ~RegressionChoiceDialog() override;

    // The chosen curve, -1 when none.
    int chosenCurve() const;
    void choose(int row);

private:
    std::unique_ptr<Ui::RegressionChoiceDialog> ui_;
    std::vector<int> curves_;
};

}  // namespace ordinax::shell
