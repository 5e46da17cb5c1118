// The dialog of the tools that make a new curve from another one (numeric
// derivative, residuals, intensity and phase spectra): the source curve, the
// announcement of the new curve and its title, which the user may change.
// OK makes the curve as one undo step.
#pragma once

#include <memory>

#include "numerics/analysis_targets.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class DerivedCurveDialog;
}

namespace ordinax::shell {

class CMainFrame;

class DerivedCurveDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    DerivedCurveDialog(CMainFrame& frame, numerics::AnalysisTool tool, int source);
    ~DerivedCurveDialog() override;

    int source() const;
    void setSource(int curve);
    QString title() const;
    void setTitle(const QString& title);

    // Makes the curve; true when it was made (the dialog is then accepted).
    bool make();

private:
    void proposeTitle();

    CMainFrame& frame_;
    numerics::AnalysisTool tool_;
    std::unique_ptr<Ui::DerivedCurveDialog> ui_;
    bool titleEdited_ = false;
};

// Runs a curve-making tool on the selected curve (or the first that suits);
// returns true when a curve was made.
bool runDerivedCurveDialog(CMainFrame& frame, numerics::AnalysisTool tool);

}  // namespace ordinax::shell
