// "&Modifier marges et tirets par défaut...": the drawing spacing ("marges")
// and the tick lengths of the open diagram, with the defaults of new
// diagrams to restore them from or to keep them as.
#pragma once

#include <memory>

#include "document/diagram_defaults.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class MarginsDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class MarginsDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    MarginsDialog(DiagramEdit& edit, UserPrompts& prompts, const document::DiagramDefaults& defaults,
                  QWidget* parent = nullptr);
    ~MarginsDialog() override;

    // True when the values are to become the defaults of new diagrams.
    bool keepAsDefaults() const;
    Ui::MarginsDialog& controls() { return *ui_; }

    void accept() override;

private:
    void showValues(const std::array<std::int32_t, 2>& space, const std::array<std::int32_t, 2>& dash);

    DiagramEdit& edit_;
    const document::DiagramDefaults& defaults_;
    std::unique_ptr<Ui::MarginsDialog> ui_;
};

}  // namespace ordinax::shell
