// The dialogs of the grid's coordinate tools that ask a few choices: the
// limitation, the sort, the inversion of X and Y, the polar / cartesian
// transformation and the numeric sequence. The correction functions have
// their own file.
#pragma once

#include <memory>

#include "document/diagram.h"
#include "numerics/grid_tool_rules.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class GridLimitDialog;
class GridSortDialog;
class GridInvertDialog;
class GridPolarDialog;
class GridSequenceDialog;
}  // namespace Ui

namespace ordinax::shell {

// "Limitation des coordonnées": "mini =", "maxi =" on the selected column.
class GridLimitDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridLimitDialog(UserPrompts& prompts, const document::Curve& curve, const numerics::Selection& selection,
                    QWidget* parent = nullptr);
    ~GridLimitDialog() override;

    // The bounds typed (apply false when a field was left empty).
    numerics::LimitBounds bounds() const { return bounds_; }
    bool removeInside() const;

    void accept() override;

private:
    std::unique_ptr<Ui::GridLimitDialog> ui_;
    numerics::LimitBounds bounds_;
};

// "Tri des coordonnées": the order and what is sorted.
class GridSortDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridSortDialog(UserPrompts& prompts, QWidget* parent = nullptr);
    ~GridSortDialog() override;

    bool descending() const;
    numerics::ToolScope scope() const;

private:
    std::unique_ptr<Ui::GridSortDialog> ui_;
};

// "Inversion des coordonnées": every point or the selected rows.
class GridInvertDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `rowsSelected`: whole rows are selected, so the selection may be chosen.
    GridInvertDialog(UserPrompts& prompts, bool rowsSelected, QWidget* parent = nullptr);
    ~GridInvertDialog() override;

    bool selectionOnly() const;

private:
    std::unique_ptr<Ui::GridInvertDialog> ui_;
};

// "Transformation : Polaires <-> Cartésiennes": the direction and the angle unit.
class GridPolarDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridPolarDialog(UserPrompts& prompts, QWidget* parent = nullptr);
    ~GridPolarDialog() override;

    bool toPolar() const;
    bool degrees() const;

private:
    std::unique_ptr<Ui::GridPolarDialog> ui_;
};

// "Séquence numérique": rows, first value, step and the coordinates written.
class GridSequenceDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridSequenceDialog(UserPrompts& prompts, const numerics::SequenceParameters& start, QWidget* parent = nullptr);
    ~GridSequenceDialog() override;

    numerics::SequenceParameters parameters() const;
    void accept() override;

private:
    std::unique_ptr<Ui::GridSequenceDialog> ui_;
};

}  // namespace ordinax::shell
