// The dialog of the tools that make a new curve from another one.
#include "shell/analysis_tools/derived_curve_dialog.h"

#include <QPushButton>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_analysis_calculus.h"
#include "numerics/derived_curves.h"
#include "shell/analysis_tools/curve_list.h"
#include "shell/common/diagram_edit.h"
#include "shell/main_frame.h"
#include "ui_derived_curve_dialog.h"

namespace ordinax::shell {

namespace {

QString caption(numerics::AnalysisTool tool) {
    switch (tool) {
        case numerics::AnalysisTool::Residuals:
            return QStringLiteral("Courbe des résiduels");
        case numerics::AnalysisTool::IntensitySpectrum:
            return QStringLiteral("Spectre d'intensité");
        case numerics::AnalysisTool::PhaseSpectrum:
            return QStringLiteral("Spectre de phase");
        default:
            return QString::fromStdString(std::string(base::messageText(base::MsgDerivativeCommand)));
    }
}

}  // namespace

DerivedCurveDialog::DerivedCurveDialog(CMainFrame& frame, numerics::AnalysisTool tool, int source)
    : OrdinaxDialog(frame.prompts(), &frame), frame_(frame), tool_(tool), ui_(std::make_unique<Ui::DerivedCurveDialog>()) {
    ui_->setupUi(this);
    setWindowTitle(caption(tool));
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    const QString announcement = QString::fromStdString(numerics::derivedCurveAnnouncement(tool));
    ui_->announcementLabel->setText(announcement);
    ui_->announcementLabel->setVisible(!announcement.isEmpty());
    if (tool == numerics::AnalysisTool::Derivative) ui_->titleLabel->setText(QStringLiteral("&Titre de la courbe dérivée :"));
    fillCurveList(*ui_->sourceCombo, frame.document().diagram(), tool);
    setSource(source);
    connect(ui_->sourceCombo, &QComboBox::currentIndexChanged, this, &DerivedCurveDialog::proposeTitle);
    connect(ui_->titleEdit, &QLineEdit::textEdited, this, [this] { titleEdited_ = true; });
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &DerivedCurveDialog::make);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishSetup();
}

DerivedCurveDialog::~DerivedCurveDialog() = default;

int DerivedCurveDialog::source() const { return ui_->sourceCombo->currentData().toInt(); }

void DerivedCurveDialog::setSource(int curve) {
    ui_->sourceCombo->setCurrentIndex(std::max(0, ui_->sourceCombo->findData(curve)));
    proposeTitle();
}

QString DerivedCurveDialog::title() const { return ui_->titleEdit->text(); }

void DerivedCurveDialog::setTitle(const QString& title) {
    ui_->titleEdit->setText(title);
    titleEdited_ = true;
}

void DerivedCurveDialog::proposeTitle() {
    if (titleEdited_) return;
    const document::Diagram& diagram = frame_.document().diagram();
    const int curve = source();
    if (curve < 0 || curve >= diagram.curveCount()) return;
    const std::string& sourceTitle = diagram.curves[static_cast<std::size_t>(curve)].title;
    ui_->titleEdit->setText(
        QString::fromStdString(base::windows1252ToUtf8(numerics::derivedCurveTitle(tool_, sourceTitle))));
}

bool DerivedCurveDialog::make() {
    DiagramEdit edit(frame_.document(), &frame_.view());
    const numerics::DerivedCurve made =
        numerics::makeDerivedCurve(edit.working(), tool_, source(), base::utf8ToWindows1252Lossy(title().toStdString()),
                                   frame_.document().defaults());
    if (!made.message.empty()) {
        frame_.prompts().show(made.message);
        return false;
    }
    edit.commit(made.index);
    accept();
    return true;
}

bool runDerivedCurveDialog(CMainFrame& frame, numerics::AnalysisTool tool) {
    const int source = numerics::startingCurve(frame.document().diagram(), frame.document().selectedCurve(), tool);
    if (source < 0) {
        frame.prompts().show(numerics::noSuitableCurve(tool));
        return false;
    }
    DerivedCurveDialog dialog(frame, tool, source);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ordinax::shell
