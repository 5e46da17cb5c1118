// The small dialogs of the coordinates grid: finding a value, choosing rows
// by number and inserting a point.
#pragma once

#include <memory>

#include "document/point_grid.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class GridSearchDialog;
class GridSelectDialog;
class GridInsertDialog;
}  // namespace Ui

namespace ordinax::shell {

// " Rechercher": what is searched and where, beside the curve's extent.
class GridSearchDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridSearchDialog(UserPrompts& prompts, const document::Curve& curve, const document::SearchRequest& last,
                     QWidget* parent = nullptr);
    ~GridSearchDialog() override;

    document::SearchRequest request() const;
    void accept() override;

private:
    std::unique_ptr<Ui::GridSearchDialog> ui_;
};

// "  Sélectionner": rows "Depuis le n° :" "Jusqu'au n° :" or "Tout", in one
// column or both.
class GridSelectDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridSelectDialog(UserPrompts& prompts, int pointCount, const document::GridSelection& current,
                     QWidget* parent = nullptr);
    ~GridSelectDialog() override;

    document::GridSelection selection() const;
    void accept() override;

private:
    std::unique_ptr<Ui::GridSelectDialog> ui_;
    int pointCount_;
};

// " Insérer une nouvelle coordonnée": "x =" and "y =".
class GridInsertDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    GridInsertDialog(UserPrompts& prompts, document::Point start, QWidget* parent = nullptr);
    ~GridInsertDialog() override;

    document::Point point() const;
    void accept() override;

private:
    std::unique_ptr<Ui::GridInsertDialog> ui_;
};

}  // namespace ordinax::shell
