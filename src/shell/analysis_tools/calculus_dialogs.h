// The calculus dialogs of the tools menu, which read a curve without
// changing the diagram: the surface under the curve and its length between
// two bounds, y = f(x) and x = f(y) of its fitted model.
#pragma once

#include <QComboBox>
#include <memory>

#include "numerics/analysis_targets.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class SurfaceDialog;
class ValueDialog;
class SolveDialog;
}  // namespace Ui

namespace ordinax::shell {

class CMainFrame;

// "Surface (intégrale) et longueur de la courbe".
class SurfaceDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    SurfaceDialog(CMainFrame& frame, int curve);
    ~SurfaceDialog() override;

    void setCurve(int curve);
    void setBounds(double lower, double upper);
    double lower() const;
    double upper() const;
    // "&Etendue maximale" and "&Calculer".
    void widestBounds();
    void compute();
    // The text of a result field: "forward", "backward", "trapezoid", "simpson", "model", "length".
    QString resultText(const QString& name) const;
    QString lengthCaption() const;

private:
    void loadCurve();
    void clearResults();
    const document::Curve& curve() const;

    CMainFrame& frame_;
    std::unique_ptr<Ui::SurfaceDialog> ui_;
};

// "y = f(x)": the value of the curve's fitted model at x.
class ValueDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    ValueDialog(CMainFrame& frame, int curve);
    ~ValueDialog() override;

    void setX(double x);
    void compute();
    QString yText() const;

private:
    void loadCurve();

    CMainFrame& frame_;
    std::unique_ptr<Ui::ValueDialog> ui_;
};

// "x = f(y)": the abscissas where the curve's fitted model takes the value y.
class SolveDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    SolveDialog(CMainFrame& frame, int curve);
    ~SolveDialog() override;

    void setY(double y);
    void compute();
    // The six solution fields.
    QStringList solutionTexts() const;
    QString statusText() const;

private:
    void loadCurve();

    CMainFrame& frame_;
    std::unique_ptr<Ui::SolveDialog> ui_;
};

// Opens the dialog of a calculus tool (Surface, ValueAt, SolveFor) on the
// selected curve, or the first that suits.
void runCalculusDialog(CMainFrame& frame, numerics::AnalysisTool tool);

}  // namespace ordinax::shell
