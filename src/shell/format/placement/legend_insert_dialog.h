// "Insérer une légende": the legend of one curve without one, or of all of
// them, written from the title or the curve number with a case change and a
// size, and the position of the legend block when it was empty.
#pragma once

#include <memory>

#include "shell/common/ordinax_dialog.h"

namespace Ui {
class LegendInsertDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class LegendInsertDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // Preselects `selectedCurve` when it has no legend.
    LegendInsertDialog(DiagramEdit& edit, UserPrompts& prompts, int selectedCurve, QWidget* parent = nullptr);
    ~LegendInsertDialog() override;

    Ui::LegendInsertDialog& controls() { return *ui_; }
    // The curve given a legend on OK; -1 for all of them or before OK.
    int insertedCurve() const { return inserted_; }

    void accept() override;

private:
    DiagramEdit& edit_;
    std::unique_ptr<Ui::LegendInsertDialog> ui_;
    int inserted_ = -1;
};

}  // namespace ordinax::shell
