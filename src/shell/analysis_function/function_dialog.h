// The "Fonction analytique" dialog: the definition of an analytic function
// y = f(x) with its constants, range, point count and parametric family,
// edited on the working copy of the diagram; "Calculer" generates the
// curve(s) and closes, "Quitter" keeps the definition without computing,
// "Annuler" leaves the diagram as it was.
#pragma once

#include <memory>

#include "document/diagram.h"
#include "expression/function_form.h"
#include "numerics/catalogue.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class FunctionDialog;
}

namespace ordinax::shell {

class CMainFrame;

class FunctionDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // Edits the definition held by curve `holder` of `working`;
    // `previousFamilySize` is the number of curves it generated so far (1 when
    // it is not a family).
    FunctionDialog(document::Diagram& working, int holder, int previousFamilySize,
                   const numerics::Catalogue& catalogue, UserPrompts& prompts, QWidget* parent = nullptr);
    ~FunctionDialog() override;

    // The curve holding the definition once the dialog is closed (a family
    // computation moves it).
    int currentCurve() const { return holder_; }
    // True when the curves were computed ("Calculer").
    bool computed() const { return computed_; }

    // Buttons, callable by tests and by the keyboard alike.
    void check();
    void compute();
    void clearAll();
    void useRegression();
    void quit();

private:
    document::Curve& curve();
    void load();
    // Reads the fields into the curve; false when a numeric field refused its text.
    bool store();
    void updateEnabling();
    void cleanOnFocusLoss(QObject* field);
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::FunctionDialog> ui_;
    document::Diagram& working_;
    int holder_;
    int previousFamilySize_;
    const numerics::Catalogue& catalogue_;
    bool computed_ = false;
};

// Opens the function dialog on the definition that curve `curve` of
// `working` belongs to (the curve itself or the holder of its family);
// returns the curve holding the definition after OK, -1 when the user gave
// up or the curve has no definition (the reason is shown).
int editFunctionOf(document::Diagram& working, int curve, const numerics::Catalogue& catalogue,
                   UserPrompts& prompts, QWidget* parent);

// Opens the function dialog on the definition of curve `curve`, or on a new
// curve when `curve` is -1, inside one change of the frame's document;
// returns true when the diagram changed (one undo step).
bool runFunctionDialog(CMainFrame& frame, int curve);

}  // namespace ordinax::shell
