// The grid dialog ("Quadrillage du diagramme"): ticks, main and secondary
// grid, both-sides graduation and tick length of the main scale of each
// direction, drawn at once on the dialog's working copy.
#pragma once

#include <memory>

#include "render/grid_rules.h"
#include "shell/common/ordinax_dialog.h"

class QCheckBox;
class QComboBox;

namespace Ui {
class DiagramGridDialog;
}

namespace ordinax::shell {

class DiagramEdit;
class NumberField;

class DiagramGridDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    DiagramGridDialog(DiagramEdit& edit, UserPrompts& prompts, QWidget* parent = nullptr);
    ~DiagramGridDialog() override;

    Ui::DiagramGridDialog& controls() { return *ui_; }

    void accept() override;

private:
    struct DirectionControls {
        QCheckBox* inner;
        QCheckBox* outer;
        QCheckBox* mainGrid;
        QComboBox* mainStyle;
        QCheckBox* subGrid;
        QComboBox* subStyle;
        QCheckBox* both;
        NumberField* dash;
    };
    DirectionControls controlsOf(int direction) const;
    render::GridChoice choiceOf(int direction) const;
    void load();
    void changed(int direction);

    DiagramEdit& edit_;
    std::unique_ptr<Ui::DiagramGridDialog> ui_;
    bool loading_ = false;
};

}  // namespace ordinax::shell
