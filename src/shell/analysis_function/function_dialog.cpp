// The "Fonction analytique" dialog.
#include "shell/analysis_function/function_dialog.h"

#include <QEvent>
#include <QPushButton>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "expression/field_filters.h"
#include "expression/function_curves.h"
#include "expression/normalize.h"
#include "numerics/fit_function.h"
#include "render/display_update.h"
#include "shell/analysis_function/regression_choice_dialog.h"
#include "shell/analysis_function/typing_filter.h"
#include "shell/common/diagram_edit.h"
#include "shell/main_frame.h"
#include "ui_function_dialog.h"

namespace ordinax::shell {

namespace {

// The edit field shows one definition per line; the model keeps CR LF for it.
QString constantsOnScreen(const std::string& constants) {
    return screenText(constants).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

FunctionDialog::FunctionDialog(document::Diagram& working, int holder, int previousFamilySize,
                               const numerics::Catalogue& catalogue, UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      ui_(std::make_unique<Ui::FunctionDialog>()),
      working_(working),
      holder_(holder),
      previousFamilySize_(previousFamilySize),
      catalogue_(catalogue) {
    ui_->setupUi(this);
    ui_->fromField->setRealRange(-base::FieldLimit, base::FieldLimit);
    ui_->toField->setRealRange(-base::FieldLimit, base::FieldLimit);
    ui_->pointsField->setIntegerRange(2, document::MaxPoints);
    for (NumberField* field : {ui_->fromField, ui_->toField, ui_->pointsField}) field->setEmptyRefused(true);

    filterTyping(ui_->expressionEdit, expression::isExpressionTextAllowed);
    filterTyping(ui_->constantsEdit, expression::isConstantsTextAllowed);
    filterTyping(ui_->fromField, expression::isRangeTextAllowed);
    filterTyping(ui_->toField, expression::isRangeTextAllowed);
    filterTyping(ui_->pointsField, expression::isPointCountTextAllowed);
    filterTyping(ui_->parameterEdit, expression::isParameterTextAllowed);
    for (QWidget* field : {static_cast<QWidget*>(ui_->expressionEdit), static_cast<QWidget*>(ui_->constantsEdit),
                           static_cast<QWidget*>(ui_->domainEdit)})
        field->installEventFilter(this);
    // Leaving a field for "Annuler" checks nothing: the edit is being dropped.
    ui_->cancelButton->setProperty(NumberField::CancelProperty, true);

    connect(ui_->checkButton, &QPushButton::clicked, this, &FunctionDialog::check);
    connect(ui_->computeButton, &QPushButton::clicked, this, &FunctionDialog::compute);
    connect(ui_->clearButton, &QPushButton::clicked, this, &FunctionDialog::clearAll);
    connect(ui_->regressionButton, &QPushButton::clicked, this, &FunctionDialog::useRegression);
    connect(ui_->quitButton, &QPushButton::clicked, this, &FunctionDialog::quit);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->parametricCheck, &QCheckBox::toggled, this, &FunctionDialog::updateEnabling);

    load();
    finishSetup();
}

FunctionDialog::~FunctionDialog() = default;

document::Curve& FunctionDialog::curve() { return working_.curves[static_cast<std::size_t>(holder_)]; }

void FunctionDialog::load() {
    const ProgramFill fill;
    const expression::FunctionForm form = expression::functionForm(curve());
    ui_->titleEdit->setText(screenText(form.title));
    ui_->expressionEdit->setText(screenText(form.expression));
    ui_->constantsEdit->setPlainText(constantsOnScreen(form.constants));
    ui_->degreesCheck->setChecked(form.anglesInDegrees);
    ui_->fromField->setValue(form.from);
    ui_->toField->setValue(form.to);
    ui_->pointsField->setValue(form.pointNumber);
    ui_->parametricCheck->setChecked(form.parametric);
    ui_->parameterEdit->setText(screenText(form.parameter));
    ui_->domainEdit->setText(screenText(form.domain));
    updateEnabling();
}

bool FunctionDialog::store() {
    for (NumberField* field : {ui_->fromField, ui_->toField, ui_->pointsField})
        if (!field->commit()) return false;
    expression::FunctionForm form;
    form.title = modelText(ui_->titleEdit->text());
    form.expression = modelText(ui_->expressionEdit->text());
    form.constants = modelText(ui_->constantsEdit->toPlainText());
    form.anglesInDegrees = ui_->degreesCheck->isChecked();
    form.from = ui_->fromField->value();
    form.to = ui_->toField->value();
    form.pointNumber = ui_->pointsField->intValue();
    form.parametric = ui_->parametricCheck->isChecked();
    form.parameter = modelText(ui_->parameterEdit->text());
    form.domain = modelText(ui_->domainEdit->text());
    expression::storeFunctionForm(form, curve());
    return true;
}

void FunctionDialog::updateEnabling() {
    expression::FunctionForm form;
    form.parametric = ui_->parametricCheck->isChecked();
    const bool family = expression::parametricFieldsEnabled(form);
    for (QWidget* widget : {static_cast<QWidget*>(ui_->parameterLabel), static_cast<QWidget*>(ui_->parameterEdit),
                            static_cast<QWidget*>(ui_->parameterHint), static_cast<QWidget*>(ui_->domainLabel),
                            static_cast<QWidget*>(ui_->domainEdit)})
        widget->setEnabled(family);
    ui_->regressionButton->setEnabled(!numerics::regressionSources(working_, holder_).empty());
}

void FunctionDialog::check() {
    if (!store()) return;
    prompts().show(expression::checkFunction(curve().function, working_.curveCount(), previousFamilySize_));
    load();
}

void FunctionDialog::compute() {
    if (!store()) return;
    const expression::FunctionRun run = expression::computeFunction(working_, holder_, previousFamilySize_);
    if (!run.error.empty()) {
        prompts().show(run.error);
        load();
        return;
    }
    if (!run.report.empty()) prompts().show(run.report);
    holder_ = run.currentCurve;
    computed_ = true;
    accept();
}

void FunctionDialog::clearAll() {
    if (!prompts().askYesNo(expression::newFunctionConfirmation())) return;
    curve().title = modelText(ui_->titleEdit->text());
    curve().function.anglesInDegrees = ui_->degreesCheck->isChecked() ? 1 : 0;
    expression::clearFunctionDef(curve().function);
    load();
}

void FunctionDialog::useRegression() {
    std::vector<int> sources = numerics::regressionSources(working_, holder_);
    if (sources.empty()) return;
    RegressionChoiceDialog choice(working_, std::move(sources), catalogue_, prompts(), this);
    if (choice.exec() != QDialog::Accepted || choice.chosenCurve() < 0) return;
    // What was typed in the other fields stays.
    store();
    numerics::functionFromFit(working_.curves[static_cast<std::size_t>(choice.chosenCurve())], catalogue_,
                              curve().function);
    load();
}

void FunctionDialog::quit() {
    if (!store()) return;
    if (const base::Message refused = expression::acceptFunction(working_, holder_); !refused.empty()) {
        prompts().show(refused);
        return;
    }
    accept();
}

void FunctionDialog::cleanOnFocusLoss(QObject* field) {
    const ProgramFill fill;
    if (field == ui_->expressionEdit) {
        ui_->expressionEdit->setText(
            screenText(expression::normalizeExpression(modelText(ui_->expressionEdit->text()))));
    } else if (field == ui_->constantsEdit) {
        const QString cleaned = constantsOnScreen(
            expression::constantsForDisplay(expression::cleanConstants(modelText(ui_->constantsEdit->toPlainText()))));
        if (cleaned != ui_->constantsEdit->toPlainText()) ui_->constantsEdit->setPlainText(cleaned);
    } else if (field == ui_->domainEdit) {
        ui_->domainEdit->setText(screenText(expression::cleanDomain(modelText(ui_->domainEdit->text()))));
    }
}

bool FunctionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) cleanOnFocusLoss(watched);
    return OrdinaxDialog::eventFilter(watched, event);
}

int editFunctionOf(document::Diagram& working, int curve, const numerics::Catalogue& catalogue,
                   UserPrompts& prompts, QWidget* parent) {
    const expression::HolderLookup lookup = expression::findFunctionHolder(working, curve);
    if (!lookup.error.empty()) {
        prompts.show(lookup.error);
        return -1;
    }
    FunctionDialog dialog(working, lookup.holder, expression::familyCurveCount(working, lookup.holder), catalogue,
                          prompts, parent);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.currentCurve();
}

bool runFunctionDialog(CMainFrame& frame, int curve) {
    COrdinaxDoc& document = frame.document();
    DiagramEdit edit(document, &frame.view());
    document::Diagram& working = edit.working();
    if (curve < 0 || curve >= working.curveCount()) {
        const document::AllocateResult slot =
            document::allocateCurve(working, document.defaults(), document.selectedCurve());
        if (slot.full) {
            frame.prompts().show(base::makeMessage(base::MsgDiagramFull, base::Heading::Error));
            return false;
        }
        FunctionDialog dialog(working, slot.index, 1, frame.catalogue(), frame.prompts(), &frame);
        if (dialog.exec() != QDialog::Accepted) return false;
        // The first curves of a blank diagram are shown on scales that hold them.
        if (dialog.computed() && working.displayMode == 0) render::showNewData(working);
        return edit.commit(dialog.currentCurve());
    }
    const int holder = editFunctionOf(working, curve, frame.catalogue(), frame.prompts(), &frame);
    if (holder < 0) return false;
    return edit.commit(holder);
}

}  // namespace ordinax::shell
