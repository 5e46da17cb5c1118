// The "Fond", "Bordure" and "Ombre" dialogs of the page background, the plot
// and the boxes of titles, axis labels, legends and tags: the area chosen in
// the list is edited on the dialog's working copy, drawn at once in the view
// and in the sample beside the controls.
#pragma once

#include <memory>
#include <vector>

#include "document/paint_targets.h"
#include "shell/common/colour_choice.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class PaintDialog;
}

namespace ordinax::shell {

class DiagramEdit;
class FillPanel;
class BorderPanel;
class ShadowPanel;

enum class PaintAspect { Fill, Border, Shadow };

class PaintDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // Opens on the area of `group` that stands for `selectedSlot` (-1 none).
    PaintDialog(PaintAspect aspect, document::PaintGroup group, DiagramEdit& edit, UserPrompts& prompts,
                int selectedSlot, bool simpleShadow, QWidget* parent = nullptr);
    ~PaintDialog() override;

    void setColourChooser(const ColourButton::Chooser& chooser);

    // The areas listed, and the controls (tests).
    const std::vector<document::PaintTarget>& targets() const { return targets_; }
    Ui::PaintDialog& controls() { return *ui_; }
    FillPanel* fillPanel() { return fill_; }
    BorderPanel* borderPanel() { return border_; }
    ShadowPanel* shadowPanel() { return shadow_; }

    // The name under which the placement of the dialog is kept.
    static const char* placementKey(PaintAspect aspect);

    void accept() override;

private:
    void loadTarget();
    void panelChanged();
    const document::PaintTarget& target() const;

    PaintAspect aspect_;
    DiagramEdit& edit_;
    bool simpleShadow_;
    std::unique_ptr<Ui::PaintDialog> ui_;
    std::vector<document::PaintTarget> targets_;
    FillPanel* fill_ = nullptr;
    BorderPanel* border_ = nullptr;
    ShadowPanel* shadow_ = nullptr;
};

}  // namespace ordinax::shell
