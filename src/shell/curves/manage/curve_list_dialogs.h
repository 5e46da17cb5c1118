// The curve menu's dialogs built on a list of curve titles: duplicate,
// concatenate, delete and select. Each works on the working copy of the
// diagram that its command holds; the command commits it on OK.
#pragma once

#include <memory>
#include <vector>

#include "document/diagram.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class CurveDuplicateDialog;
class CurveConcatenateDialog;
class CurveDeleteDialog;
class CurveSelectDialog;
}  // namespace Ui

namespace ordinax::shell {

// "  Dupliquer une courbe": a source, none chosen at first, and the title of
// the copy (offered once a source is chosen, editable).
class CurveDuplicateDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveDuplicateDialog(UserPrompts& prompts, document::Diagram& working, int selected, QWidget* parent = nullptr);
    ~CurveDuplicateDialog() override;

    // The selection after OK: the copy.
    int selectedAfter() const { return selected_; }

    void accept() override;

private:
    void sourceChanged();

    std::unique_ptr<Ui::CurveDuplicateDialog> ui_;
    document::Diagram& working_;
    int selected_;
    bool titleTyped_ = false;
};

// " Concaténer un ensemble de courbes": several curves and the new title.
class CurveConcatenateDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveConcatenateDialog(UserPrompts& prompts, document::Diagram& working, int selected,
                           const document::SymbolStyle& defaultSymbol, QWidget* parent = nullptr);
    ~CurveConcatenateDialog() override;

    int selectedAfter() const { return selected_; }

    void accept() override;

private:
    std::unique_ptr<Ui::CurveConcatenateDialog> ui_;
    document::Diagram& working_;
    int selected_;
    document::SymbolStyle defaultSymbol_;
};

// " Supprimer ...": removes the chosen curves, or their analytic functions,
// from the working copy after a confirmation; OK keeps what was removed.
class CurveDeleteDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveDeleteDialog(UserPrompts& prompts, document::Diagram& working, int selected, QWidget* parent = nullptr);
    ~CurveDeleteDialog() override;

    int selectedAfter() const { return selected_; }

signals:
    // The working copy changed (the view draws it again).
    void workingChanged();

private:
    void choiceChanged();
    void deleteCurves();
    void deleteFunctions();

    std::unique_ptr<Ui::CurveDeleteDialog> ui_;
    document::Diagram& working_;
    int selected_;
};

// "  Sélectionner une courbe": one title of a list; also used to choose the
// curve a command works on and the curve taken from another file.
class CurveSelectDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `current` is highlighted at first (-1 none).
    CurveSelectDialog(UserPrompts& prompts, const document::Diagram& diagram, int current, QWidget* parent = nullptr);
    ~CurveSelectDialog() override;

    // The chosen row, -1 before a choice.
    int chosen() const;

private:
    std::unique_ptr<Ui::CurveSelectDialog> ui_;
};

}  // namespace ordinax::shell
