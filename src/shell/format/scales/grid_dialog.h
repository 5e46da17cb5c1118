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
class GridDialog;
}

namespace ordinax::shell {

class DiagramEdit;
class NumberField;

class GridDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridDialog(DiagramEdit& edit, UserPrompts& prompts, QWidget* parent = nullptr);
    ~GridDialog() override;

    Ui::GridDialog& controls() { return *ui_; }

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
    std::unique_ptr<Ui::GridDialog> ui_;
    bool loading_ = false;
};

}  // namespace ordinax::shell
