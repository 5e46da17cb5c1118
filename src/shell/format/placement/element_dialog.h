// "Supprimer..." and "Repositionner..." of titles, axis labels, legends and
// tags: one element of its kind, chosen in a list, deleted or given a new
// position.
#pragma once

#include <memory>

#include "shell/common/ordinax_dialog.h"

namespace Ui {
class ElementDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class ElementDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    enum class Action { Delete, Reposition };
    enum class Kind { Labels, Legends, Tags };

    // Starts on the element of the selection: the label slot `selectedSlot`,
    // or for legends the curve `selectedCurve`.
    ElementDialog(Action action, Kind kind, DiagramEdit& edit, UserPrompts& prompts, int selectedSlot,
                  int selectedCurve, QWidget* parent = nullptr);
    ~ElementDialog() override;

    Ui::ElementDialog& controls() { return *ui_; }
    // False when the kind has nothing to act on.
    bool hasElements() const;

    void accept() override;

private:
    int chosenSlot() const;
    void elementChosen();

    Action action_;
    Kind kind_;
    DiagramEdit& edit_;
    std::unique_ptr<Ui::ElementDialog> ui_;
};

}  // namespace ordinax::shell
