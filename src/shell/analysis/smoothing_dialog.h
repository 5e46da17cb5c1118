// The smoothing and fitting dialog "Lissage": the treatment of a curve (no
// line, point to point, B-spline, cubic spline, Bézier, Fourier series with
// its harmonics, or one of the regression models with its fixed parameters,
// confidence level and band), computed on the working copy of the diagram
// and previewed ("Calculer"), put in place as one undo step ("Appliquer",
// OK); the calculation report in its panel, exported or printed; and the
// comparison of all models, which runs without blocking the window.
#pragma once

#include <memory>
#include <string>

#include "numerics/treatment_choice.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class SmoothingDialog;
}

class QButtonGroup;
class QModelIndex;

namespace ordinax::shell {

class CMainFrame;
class DiagramEdit;
class RankingModel;
class RankingRun;
class ReportPanel;

class SmoothingDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // Opens on curve `curve` of the frame's document (any curve with points).
    SmoothingDialog(CMainFrame& frame, int curve);
    ~SmoothingDialog() override;

    int curve() const { return curve_; }
    void setCurve(int curve);

    // The choice the controls show, and showing one.
    numerics::TreatmentChoice choice() const;
    void showChoice(const numerics::TreatmentChoice& choice);

    // "Calculer": the treatment on the working copy, previewed, with its
    // report; false (after its message) when refused.
    bool compute();
    // "Appliquer": computes, then puts the working copy in place as one undo step.
    bool apply();
    // True when "Appliquer" or OK recorded a change.
    bool changedDiagram() const { return changed_; }

    // "Test multi-régression" and its stop.
    void startRanking();
    void stopRanking();
    bool rankingRunning() const;
    RankingModel& rankingModel() { return *rankingModel_; }

    // The report buttons.
    void exportReport();
    void printReport();
    ReportPanel& reportPanel();

    // "Annuler": a comparison under way is stopped first.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadCurve(int curve);
    void fillModels();
    void fillCurves();
    void updateEnabling();
    void showReport(const std::string& report);
    void chooseRankedModel(const QModelIndex& index);
    void rankingFinished(bool stopped, int tried, int total);
    void groupChosen();
    bool henryY() const;

    CMainFrame& frame_;
    std::unique_ptr<Ui::SmoothingDialog> ui_;
    std::unique_ptr<DiagramEdit> edit_;
    QButtonGroup* groups_ = nullptr;
    RankingModel* rankingModel_ = nullptr;
    RankingRun* ranking_ = nullptr;
    int curve_ = -1;
    bool changed_ = false;
    bool loading_ = false;  // the controls are being filled: their signals change nothing
};

// Opens "Lissage" on the selected curve (or the first curve with points)
// inside the frame's change funnel; returns true when a change was recorded.
bool runSmoothingDialog(CMainFrame& frame);

}  // namespace ordinax::shell
