// "Insérer un libellé": a title or an axis label not yet shown, its position,
// and for an axis label the unit of the axis after the default text.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "shell/common/ordinax_dialog.h"

namespace Ui {
class LabelInsertDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class LabelInsertDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `unitTexts[slot]`: the unit an axis label can show (Windows-1252), empty when none.
    LabelInsertDialog(DiagramEdit& edit, UserPrompts& prompts, const std::array<std::string, 6>& unitTexts,
                      QWidget* parent = nullptr);
    ~LabelInsertDialog() override;

    Ui::LabelInsertDialog& controls() { return *ui_; }
    // The slot inserted on OK (-1 before).
    int insertedSlot() const { return inserted_; }

    void accept() override;

private:
    int chosenSlot() const;
    void slotChosen();

    DiagramEdit& edit_;
    std::array<std::string, 6> unitTexts_;
    std::unique_ptr<Ui::LabelInsertDialog> ui_;
    int inserted_ = -1;
};

}  // namespace ordinax::shell
