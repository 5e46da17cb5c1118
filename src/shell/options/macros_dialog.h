// The "Macros" dialog ("&Macros..."): the catalogue of presentation commands
// as a tree ("Commande"), the attributes the chosen command uses
// ("Attribut"), "Appliquer" to run it on the dialog's working copy (drawn at
// once) and OK to run the chosen command if it was not applied yet. The whole
// run is one undo step; the attributes are remembered on OK.
#pragma once

#include <memory>

#include "settings/macros.h"
#include "shell/common/colour_choice.h"
#include "shell/common/ordinax_dialog.h"

class QTreeWidgetItem;

namespace Ui {
class MacrosDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class MacrosDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    MacrosDialog(DiagramEdit& edit, UserPrompts& prompts, const settings::MacroAttributes& attributes,
                 const document::DiagramDefaults& defaults, QWidget* parent = nullptr);
    ~MacrosDialog() override;

    void setColourChooser(const ColourButton::Chooser& chooser);

    // Selects a command of the catalogue in the tree.
    void selectCommand(int id);
    int selectedCommand() const;
    // Runs the selected command on the working copy; false when it was refused.
    bool apply();
    // The attributes as the panel shows them.
    settings::MacroInputs inputs() const;
    // The attributes to remember (after OK).
    const settings::MacroAttributes& attributes() const { return attributes_; }
    // True when the last command asked to show every curve again.
    bool showAllCurves() const { return showAll_; }

    Ui::MacrosDialog& controls() { return *ui_; }

    void accept() override;

private:
    void load(const settings::MacroAttributes& attributes);
    void commandChosen();

    DiagramEdit& edit_;
    const document::DiagramDefaults& defaults_;
    std::unique_ptr<Ui::MacrosDialog> ui_;
    settings::MacroAttributes attributes_;
    bool appliedSinceChoice_ = false;
    bool showAll_ = false;
};

}  // namespace ordinax::shell
