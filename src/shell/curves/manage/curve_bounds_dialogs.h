// The curve menu's dialogs about one curve's extent: the delimitation of
// its drawing and the read-only information.
#pragma once

#include <memory>

#include "document/curve_operations.h"
#include "document/diagram.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class CurveDelimitDialog;
class CurveInfoDialog;
}  // namespace Ui

namespace ordinax::shell {

// "  Délimitations du tracé": bounds of the selected curve (of every curve
// with no single curve selected). "Appliquer" shows them at once; Cancel
// gives the curve back as it was.
class CurveDelimitDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveDelimitDialog(UserPrompts& prompts, document::Diagram& working, int selected, QWidget* parent = nullptr);
    ~CurveDelimitDialog() override;

    void accept() override;

signals:
    void workingChanged();

private:
    void showBounds(const document::CurveBounds& bounds);
    // Stores the fields in the working copy; false when a field refused its text.
    bool apply();

    std::unique_ptr<Ui::CurveDelimitDialog> ui_;
    document::Diagram& working_;
    int selected_;
};

// "  Informations générales": title, number of points and extent of a curve.
class CurveInfoDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveInfoDialog(UserPrompts& prompts, const document::Diagram& diagram, int curve, QWidget* parent = nullptr);
    ~CurveInfoDialog() override;

private:
    void showCurve(int curve);

    std::unique_ptr<Ui::CurveInfoDialog> ui_;
    const document::Diagram& diagram_;
};

}  // namespace ordinax::shell
