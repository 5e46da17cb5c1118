// "  Nouvelle courbe": the way the new curve is acquired. A mode whose
// window is not part of this build is shown disabled with its tooltip.
#pragma once

#include <memory>

#include "document/curve_dialog_rules.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class CurveNewDialog;
}

namespace ordinax::shell {

class CurveNewDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveNewDialog(UserPrompts& prompts, QWidget* parent = nullptr);
    ~CurveNewDialog() override;

    // The mode chosen (the first available one at first).
    document::NewCurveMode mode() const;

private:
    std::unique_ptr<Ui::CurveNewDialog> ui_;
};

}  // namespace ordinax::shell
