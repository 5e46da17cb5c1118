// "Insérer une étiquette" and "Repositionner" a tag: the alignment of its
// lines and the place of its centre on the plot, in percent of the plot's
// half-width and half-height from its centre.
#pragma once

#include <memory>

#include "shell/common/ordinax_dialog.h"

namespace Ui {
class TagPlaceDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class TagPlaceDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    enum class Mode { Insert, Reposition };

    // Repositioning starts on `selectedTag` (0 .. 9) when it is in use.
    TagPlaceDialog(Mode mode, DiagramEdit& edit, UserPrompts& prompts, int selectedTag, QWidget* parent = nullptr);
    ~TagPlaceDialog() override;

    Ui::TagPlaceDialog& controls() { return *ui_; }
    // The tag inserted or moved on OK (-1 before).
    int tag() const { return tag_; }

    void accept() override;

private:
    void tagChosen();

    Mode mode_;
    DiagramEdit& edit_;
    std::unique_ptr<Ui::TagPlaceDialog> ui_;
    int tag_ = -1;
};

}  // namespace ordinax::shell
