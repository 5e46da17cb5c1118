// The scale dialog ("Échelles", "&Définition manuelle..."): the four scales
// on four tabs, edited on the dialog's working copy of the diagram and drawn
// at once; the buttons of the shown scale; OK checks every scale.
#pragma once

#include <array>
#include <memory>

#include "shell/common/colour_choice.h"
#include "shell/common/ordinax_dialog.h"
#include "shell/format/font_button.h"

namespace Ui {
class ScaleDialog;
class ScalePanel;
}  // namespace Ui

namespace ordinax::shell {

class DiagramEdit;

class ScaleDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // Opens on the tab of scale (direction, side).
    ScaleDialog(DiagramEdit& edit, UserPrompts& prompts, int direction, int side, QWidget* parent = nullptr);
    ~ScaleDialog() override;

    // What the colour and font buttons open.
    void setColourChooser(const ColourButton::Chooser& chooser);
    void setFontChooser(const FontButton::Chooser& chooser);

    // The tab shown, 0 .. 3 (X lower, Y left, X upper, Y right).
    int currentTab() const;
    void showTab(int tab);
    // The controls of a tab, for tests and the accessibility check.
    Ui::ScalePanel& panel(int tab);

    void accept() override;

private:
    void buildPanel(int tab);
    void loadPanel(int tab);
    void loadAll();
    void changed();
    void tabShown(int tab);
    void updateButtons();
    template <typename Change>
    void onShownScale(Change change);

    DiagramEdit& edit_;
    std::unique_ptr<Ui::ScaleDialog> ui_;
    std::array<std::unique_ptr<Ui::ScalePanel>, 4> panels_;
    bool loading_ = false;
};

}  // namespace ordinax::shell
