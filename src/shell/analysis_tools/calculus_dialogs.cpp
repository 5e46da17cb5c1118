// The calculus dialogs of the tools menu.
#include "shell/analysis_tools/calculus_dialogs.h"

#include <QLineEdit>
#include <QPushButton>

#include "base/encoding.h"
#include "numerics/calculus_text.h"
#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"
#include "numerics/integration.h"
#include "numerics/model_value.h"
#include "numerics/solve.h"
#include "shell/analysis_tools/curve_list.h"
#include "shell/main_frame.h"
#include "ui_solve_dialog.h"
#include "ui_surface_dialog.h"
#include "ui_value_dialog.h"

namespace ordinax::shell {

namespace {

QString uiText(const std::string& utf8) { return QString::fromStdString(utf8); }

const document::Curve& curveOf(CMainFrame& frame, const QComboBox& list) {
    const int index = std::clamp(list.currentData().toInt(), 0, std::max(0, frame.document().diagram().curveCount() - 1));
    return frame.document().diagram().curves[static_cast<std::size_t>(index)];
}

// The model of a fitted curve as its list shows it: code and name.
QString modelCaption(CMainFrame& frame, const document::Curve& curve) {
    const std::string name = numerics::stripMarkup(frame.catalogue()[curve.treatment].name);
    return QString::fromLatin1(numerics::codeName(curve.treatment).data()) + QStringLiteral(" - ") +
           uiText(base::windows1252ToUtf8(name));
}

void chooseCurve(QComboBox& list, int curve) { list.setCurrentIndex(std::max(0, list.findData(curve))); }

}  // namespace

SurfaceDialog::SurfaceDialog(CMainFrame& frame, int curve)
    : OrdinaxDialog(frame.prompts(), &frame), frame_(frame), ui_(std::make_unique<Ui::SurfaceDialog>()) {
    ui_->setupUi(this);
    fillCurveList(*ui_->curveCombo, frame.document().diagram(), numerics::AnalysisTool::Surface);
    chooseCurve(*ui_->curveCombo, curve);
    connect(ui_->curveCombo, &QComboBox::currentIndexChanged, this, &SurfaceDialog::loadCurve);
    connect(ui_->widestButton, &QPushButton::clicked, this, &SurfaceDialog::widestBounds);
    connect(ui_->computeButton, &QPushButton::clicked, this, &SurfaceDialog::compute);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    ui_->closeButton->setProperty(NumberField::CancelProperty, true);
    loadCurve();
    finishSetup();
}

SurfaceDialog::~SurfaceDialog() = default;

const document::Curve& SurfaceDialog::curve() const { return curveOf(frame_, *ui_->curveCombo); }

void SurfaceDialog::setCurve(int curve) { chooseCurve(*ui_->curveCombo, curve); }

void SurfaceDialog::loadCurve() {
    const numerics::Bounds extent = numerics::surfaceDefaultBounds(curve());
    ui_->extentLabel->setText(uiText(numerics::extentText(extent)));
    ui_->lengthBox->setTitle(uiText(numerics::lengthCaption(curve().treatment <= numerics::KindJPP)));
    setBounds(extent.lower, extent.upper);
    clearResults();
}

void SurfaceDialog::setBounds(double lower, double upper) {
    ui_->lowerField->setValue(lower);
    ui_->upperField->setValue(upper);
}

double SurfaceDialog::lower() const { return ui_->lowerField->value(); }
double SurfaceDialog::upper() const { return ui_->upperField->value(); }

void SurfaceDialog::widestBounds() {
    const numerics::Bounds extent = numerics::surfaceDefaultBounds(curve());
    setBounds(extent.lower, extent.upper);
}

void SurfaceDialog::clearResults() {
    for (QLineEdit* field : {ui_->forwardEdit, ui_->backwardEdit, ui_->trapezoidEdit, ui_->simpsonEdit, ui_->modelEdit,
                             ui_->lengthEdit})
        field->clear();
}

void SurfaceDialog::compute() {
    if (!ui_->lowerField->commit() || !ui_->upperField->commit()) return;
    const numerics::SurfaceResult result = numerics::surfaceAndLength(curve(), lower(), upper());
    clearResults();
    if (!result.message.empty()) {
        prompts().show(result.message);
        widestBounds();
        return;
    }
    ui_->forwardEdit->setText(uiText(numerics::calculusValueText(result.forward)));
    ui_->backwardEdit->setText(uiText(numerics::calculusValueText(result.backward)));
    ui_->trapezoidEdit->setText(uiText(numerics::calculusValueText(result.trapezoid)));
    ui_->simpsonEdit->setText(uiText(numerics::calculusValueText(result.simpson)));
    ui_->modelEdit->setText(uiText(numerics::calculusValueText(result.model)));
    ui_->lengthEdit->setText(uiText(numerics::calculusValueText(result.length)));
    ui_->lengthBox->setTitle(uiText(numerics::lengthCaption(result.pointToPoint)));
}

QString SurfaceDialog::resultText(const QString& name) const {
    const auto* field = findChild<QLineEdit*>(name + QStringLiteral("Edit"));
    return field ? field->text() : QString();
}

QString SurfaceDialog::lengthCaption() const { return ui_->lengthBox->title(); }

ValueDialog::ValueDialog(CMainFrame& frame, int curve)
    : OrdinaxDialog(frame.prompts(), &frame), frame_(frame), ui_(std::make_unique<Ui::ValueDialog>()) {
    ui_->setupUi(this);
    fillCurveList(*ui_->curveCombo, frame.document().diagram(), numerics::AnalysisTool::ValueAt);
    chooseCurve(*ui_->curveCombo, curve);
    connect(ui_->curveCombo, &QComboBox::currentIndexChanged, this, &ValueDialog::loadCurve);
    connect(ui_->computeButton, &QPushButton::clicked, this, &ValueDialog::compute);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    ui_->closeButton->setProperty(NumberField::CancelProperty, true);
    loadCurve();
    finishSetup();
}

ValueDialog::~ValueDialog() = default;

void ValueDialog::loadCurve() {
    ui_->modelLabel->setText(modelCaption(frame_, curveOf(frame_, *ui_->curveCombo)));
    ui_->yEdit->clear();
}

void ValueDialog::setX(double x) { ui_->xField->setValue(x); }

void ValueDialog::compute() {
    if (!ui_->xField->commit()) return;
    const std::optional<double> y =
        numerics::valueAt(curveOf(frame_, *ui_->curveCombo), ui_->xField->value(),
                          numerics::axisKinds(frame_.document().diagram()));
    // A value that cannot be computed leaves the field empty.
    ui_->yEdit->setText(y ? uiText(numerics::resultText(*y)) : QString());
}

QString ValueDialog::yText() const { return ui_->yEdit->text(); }

SolveDialog::SolveDialog(CMainFrame& frame, int curve)
    : OrdinaxDialog(frame.prompts(), &frame), frame_(frame), ui_(std::make_unique<Ui::SolveDialog>()) {
    ui_->setupUi(this);
    fillCurveList(*ui_->curveCombo, frame.document().diagram(), numerics::AnalysisTool::SolveFor);
    chooseCurve(*ui_->curveCombo, curve);
    connect(ui_->curveCombo, &QComboBox::currentIndexChanged, this, &SolveDialog::loadCurve);
    connect(ui_->computeButton, &QPushButton::clicked, this, &SolveDialog::compute);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    ui_->closeButton->setProperty(NumberField::CancelProperty, true);
    loadCurve();
    finishSetup();
}

SolveDialog::~SolveDialog() = default;

void SolveDialog::loadCurve() {
    ui_->modelLabel->setText(modelCaption(frame_, curveOf(frame_, *ui_->curveCombo)));
    for (QLineEdit* field : findChildren<QLineEdit*>())
        if (field->isReadOnly()) field->clear();
    ui_->statusLabel->clear();
}

void SolveDialog::setY(double y) { ui_->yField->setValue(y); }

void SolveDialog::compute() {
    if (!ui_->yField->commit()) return;
    const document::Diagram& diagram = frame_.document().diagram();
    const document::Curve& curve = curveOf(frame_, *ui_->curveCombo);
    const numerics::ScanRange range = numerics::solveScanRange(diagram, curve);
    const numerics::SolveResult result =
        numerics::solveFor(curve, ui_->yField->value(), range, numerics::axisKinds(diagram));
    QLineEdit* fields[numerics::MaxSolutions] = {ui_->x1Edit, ui_->x2Edit, ui_->x3Edit,
                                                 ui_->x4Edit, ui_->x5Edit, ui_->x6Edit};
    for (int i = 0; i < numerics::MaxSolutions; ++i)
        fields[i]->setText(i < static_cast<int>(result.x.size())
                               ? uiText(numerics::resultText(result.x[static_cast<std::size_t>(i)]))
                               : QString());
    ui_->statusLabel->setText(uiText(numerics::solveStatusText(result, range)));
}

QStringList SolveDialog::solutionTexts() const {
    return {ui_->x1Edit->text(), ui_->x2Edit->text(), ui_->x3Edit->text(),
            ui_->x4Edit->text(), ui_->x5Edit->text(), ui_->x6Edit->text()};
}

QString SolveDialog::statusText() const { return ui_->statusLabel->text(); }

void runCalculusDialog(CMainFrame& frame, numerics::AnalysisTool tool) {
    const int curve = numerics::startingCurve(frame.document().diagram(), frame.document().selectedCurve(), tool);
    if (curve < 0) {
        frame.prompts().show(numerics::noSuitableCurve(tool));
        return;
    }
    if (tool == numerics::AnalysisTool::Surface) {
        SurfaceDialog dialog(frame, curve);
        dialog.exec();
    } else if (tool == numerics::AnalysisTool::ValueAt) {
        ValueDialog dialog(frame, curve);
        dialog.exec();
    } else {
        SolveDialog dialog(frame, curve);
        dialog.exec();
    }
}

}  // namespace ordinax::shell
