// Delimitation and information of a curve.
#include "shell/curves/manage/curve_bounds_dialogs.h"

#include <QPushButton>

#include "base/strings_curves.h"
#include "document/curve_dialog_rules.h"
#include "shell/curves/curve_ui.h"
#include "ui_curve_delimit_dialog.h"
#include "ui_curve_info_dialog.h"

namespace ordinax::shell {

// ---- delimit ----------------------------------------------------------------

CurveDelimitDialog::CurveDelimitDialog(UserPrompts& prompts, document::Diagram& working, int selected,
                                       QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveDelimitDialog>()), working_(working),
      selected_(selected) {
    ui_->setupUi(this);
    const document::DelimitStart start = document::delimitStart(working_, selected_);
    const bool single = selected_ >= 0 && selected_ < working_.curveCount();
    ui_->curveLabel->setText(QStringLiteral("Courbe : ") +
                             (single ? uiText(working_.curves[static_cast<std::size_t>(selected_)].title)
                                     : tableText(base::MsgCurveAllCurves)));
    showBounds(start.bounds);
    ui_->allCurvesCheck->setChecked(start.allCurves);
    ui_->allCurvesCheck->setEnabled(!start.allCurvesFixed);
    ui_->excludeCheck->setChecked(start.excludePoints);
    connect(ui_->defaultButton, &QPushButton::clicked, this, [this] { showBounds(document::defaultBounds()); });
    connect(ui_->extentButton, &QPushButton::clicked, this,
            [this] { showBounds(document::delimitExtent(working_, selected_)); });
    connect(ui_->applyButton, &QPushButton::clicked, this, &CurveDelimitDialog::apply);
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveDelimitDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveDelimitDialog::reject);
    finishSetup();
}

CurveDelimitDialog::~CurveDelimitDialog() = default;

void CurveDelimitDialog::showBounds(const document::CurveBounds& bounds) {
    ui_->xMin->setValue(bounds[0][0]);
    ui_->xMax->setValue(bounds[0][1]);
    ui_->yMin->setValue(bounds[1][0]);
    ui_->yMax->setValue(bounds[1][1]);
}

bool CurveDelimitDialog::apply() {
    for (NumberField* field : {ui_->xMin, ui_->xMax, ui_->yMin, ui_->yMax})
        if (!field->commit()) return false;
    document::CurveBounds bounds = {{{ui_->xMin->value(), ui_->xMax->value()},
                                     {ui_->yMin->value(), ui_->yMax->value()}}};
    document::delimitCurves(working_, selected_, bounds, ui_->allCurvesCheck->isChecked(),
                            ui_->excludeCheck->isChecked());
    // A mini above its maxi was swapped: the fields show what was stored.
    const int shown = selected_ >= 0 && selected_ < working_.curveCount() ? selected_ : 0;
    if (shown < working_.curveCount()) showBounds(working_.curves[static_cast<std::size_t>(shown)].bounds);
    emit workingChanged();
    return true;
}

void CurveDelimitDialog::accept() {
    if (apply()) OrdinaxDialog::accept();
}

// ---- information ------------------------------------------------------------

CurveInfoDialog::CurveInfoDialog(UserPrompts& prompts, const document::Diagram& diagram, int curve, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveInfoDialog>()), diagram_(diagram) {
    ui_->setupUi(this);
    for (const document::Curve& c : diagram_.curves) ui_->curveCombo->addItem(uiText(c.title));
    ui_->curveCombo->setCurrentIndex(curve >= 0 && curve < diagram_.curveCount() ? curve : 0);
    showCurve(ui_->curveCombo->currentIndex());
    connect(ui_->curveCombo, &QComboBox::currentIndexChanged, this, &CurveInfoDialog::showCurve);
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveInfoDialog::accept);
    finishSetup();
}

CurveInfoDialog::~CurveInfoDialog() = default;

void CurveInfoDialog::showCurve(int curve) {
    const std::vector<document::InformationLine> lines = document::informationLines(diagram_, curve);
    QLineEdit* const fields[] = {ui_->titleField, ui_->countField, ui_->xMinField,
                                 ui_->xMaxField,  ui_->yMinField,  ui_->yMaxField};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        fields[i]->setText(i < lines.size() ? QString::fromStdString(lines[i].value) : QString());
        fields[i]->setCursorPosition(0);
    }
}

}  // namespace ordinax::shell
