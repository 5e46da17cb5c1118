// The curve menu's dialogs built on a list of curve titles.
#include "shell/curves/manage/curve_list_dialogs.h"

#include <QPushButton>

#include "document/curve_dialog_rules.h"
#include "document/curve_operations.h"
#include "shell/curves/curve_ui.h"
#include "shell/user_prompts.h"
#include "ui_curve_concatenate_dialog.h"
#include "ui_curve_delete_dialog.h"
#include "ui_curve_duplicate_dialog.h"
#include "ui_curve_select_dialog.h"

namespace ordinax::shell {

// ---- duplicate --------------------------------------------------------------

CurveDuplicateDialog::CurveDuplicateDialog(UserPrompts& prompts, document::Diagram& working, int selected,
                                           QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveDuplicateDialog>()), working_(working),
      selected_(selected) {
    ui_->setupUi(this);
    fillCurveList(ui_->curveList, working_);
    connect(ui_->curveList, &QListWidget::itemSelectionChanged, this, &CurveDuplicateDialog::sourceChanged);
    connect(ui_->titleEdit, &QLineEdit::textEdited, this, [this] { titleTyped_ = true; });
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveDuplicateDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveDuplicateDialog::reject);
    finishSetup();
}

CurveDuplicateDialog::~CurveDuplicateDialog() = default;

void CurveDuplicateDialog::sourceChanged() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    const int source = rows.empty() ? -1 : rows.front();
    const bool chosen = document::canDuplicate(working_, source);
    ui_->titleEdit->setEnabled(chosen);
    ui_->okButton->setEnabled(chosen);
    // The title follows the source until the user types one of their own.
    if (chosen && !titleTyped_)
        ui_->titleEdit->setText(uiText(document::duplicateTitle(working_.curves[static_cast<std::size_t>(source)])));
}

void CurveDuplicateDialog::accept() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    if (rows.empty()) return;
    const int index = working_.curveCount();
    const std::string title = document::titleOrDefault(modelText(ui_->titleEdit->text()), index);
    const document::CurveOpResult r = document::duplicateCurve(working_, rows.front(), title, selected_);
    if (!r.message.empty()) {
        prompts().show(r.message);
        return;
    }
    selected_ = r.selected;
    OrdinaxDialog::accept();
}

// ---- concatenate ------------------------------------------------------------

CurveConcatenateDialog::CurveConcatenateDialog(UserPrompts& prompts, document::Diagram& working, int selected,
                                               const document::SymbolStyle& defaultSymbol, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveConcatenateDialog>()), working_(working),
      selected_(selected), defaultSymbol_(defaultSymbol) {
    ui_->setupUi(this);
    fillCurveList(ui_->curveList, working_);
    ui_->titleEdit->setText(uiText(document::concatenateTitle()));
    connect(ui_->curveList, &QListWidget::itemSelectionChanged, this, [this] {
        const std::vector<int> rows = selectedRows(ui_->curveList);
        ui_->okButton->setEnabled(document::canConcatenate(rows));
    });
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveConcatenateDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveConcatenateDialog::reject);
    finishSetup();
}

CurveConcatenateDialog::~CurveConcatenateDialog() = default;

void CurveConcatenateDialog::accept() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    if (!document::canConcatenate(rows)) return;
    const int index = working_.curveCount();
    const std::string title = document::titleOrDefault(modelText(ui_->titleEdit->text()), index);
    const document::CurveOpResult r = document::concatenateCurves(working_, rows, title, defaultSymbol_, selected_);
    if (!r.message.empty()) {
        // Too many points: the user may choose fewer curves.
        prompts().show(r.message);
        return;
    }
    selected_ = r.selected;
    OrdinaxDialog::accept();
}

// ---- delete -----------------------------------------------------------------

CurveDeleteDialog::CurveDeleteDialog(UserPrompts& prompts, document::Diagram& working, int selected, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveDeleteDialog>()), working_(working),
      selected_(selected) {
    ui_->setupUi(this);
    fillCurveList(ui_->curveList, working_);
    connect(ui_->curveList, &QListWidget::itemSelectionChanged, this, &CurveDeleteDialog::choiceChanged);
    connect(ui_->deleteButton, &QPushButton::clicked, this, &CurveDeleteDialog::deleteCurves);
    connect(ui_->functionsButton, &QPushButton::clicked, this, &CurveDeleteDialog::deleteFunctions);
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveDeleteDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveDeleteDialog::reject);
    finishSetup();
}

CurveDeleteDialog::~CurveDeleteDialog() = default;

void CurveDeleteDialog::choiceChanged() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    ui_->deleteButton->setEnabled(!rows.empty());
    ui_->functionsButton->setEnabled(document::anyFunction(working_, rows));
}

void CurveDeleteDialog::deleteCurves() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    if (rows.empty()) return;
    if (!prompts().askYesNo(document::deleteCurvesConfirmation(static_cast<int>(rows.size())))) return;
    selected_ = document::deleteCurves(working_, rows, selected_).selected;
    fillCurveList(ui_->curveList, working_);
    choiceChanged();
    emit workingChanged();
}

void CurveDeleteDialog::deleteFunctions() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    if (!document::anyFunction(working_, rows)) return;
    if (!prompts().askYesNo(document::deleteFunctionsConfirmation(static_cast<int>(rows.size())))) return;
    document::deleteFunctions(working_, rows, selected_);
    choiceChanged();
    emit workingChanged();
}

// ---- select -----------------------------------------------------------------

CurveSelectDialog::CurveSelectDialog(UserPrompts& prompts, const document::Diagram& diagram, int current,
                                     QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveSelectDialog>()) {
    ui_->setupUi(this);
    fillCurveList(ui_->curveList, diagram);
    connect(ui_->curveList, &QListWidget::itemSelectionChanged, this,
            [this] { ui_->okButton->setEnabled(chosen() >= 0); });
    // A double click chooses at once.
    connect(ui_->curveList, &QListWidget::itemActivated, this, [this] {
        if (chosen() >= 0) accept();
    });
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveSelectDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveSelectDialog::reject);
    if (current >= 0 && current < diagram.curveCount()) ui_->curveList->setCurrentRow(current);
    finishSetup();
}

CurveSelectDialog::~CurveSelectDialog() = default;

int CurveSelectDialog::chosen() const {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    return rows.empty() ? -1 : rows.front();
}

}  // namespace ordinax::shell
