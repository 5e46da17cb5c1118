// The smoothing and fitting dialog "Lissage".
#include "shell/analysis/smoothing_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/strings_analysis_shell.h"
#include "base/text.h"
#include "numerics/analysis_targets.h"
#include "numerics/model_value.h"
#include "numerics/refine_models.h"
#include "reports/treatment_report.h"
#include "settings/preferences.h"
#include "shell/analysis/model_ranking.h"
#include "shell/analysis/report_export_dialog.h"
#include "shell/analysis/report_output.h"
#include "shell/analysis/report_panel.h"
#include "shell/analysis_tools/curve_list.h"
#include "shell/application.h"
#include "shell/common/diagram_edit.h"
#include "shell/main_frame.h"
#include "shell/print_support.h"
#include "ui_smoothing_dialog.h"

namespace ordinax::shell {

namespace {

using numerics::TreatmentGroup;

// The templates are read in the program's language, which is French.
constexpr int ProgramLanguage = 0;

QString uiText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
QString uiMessage(int id, const std::string& argument = {}) {
    return QString::fromStdString(base::makeMessage(id, base::Heading::None, argument).text);
}

std::filesystem::path dataFolder() { return programFolder(QCoreApplication::applicationDirPath().toStdString()); }

}  // namespace

SmoothingDialog::SmoothingDialog(CMainFrame& frame, int curve)
    : OrdinaxDialog(frame.prompts(), &frame),
      frame_(frame),
      ui_(std::make_unique<Ui::SmoothingDialog>()),
      edit_(std::make_unique<DiagramEdit>(frame.document(), &frame.view())) {
    ui_->setupUi(this);
    groups_ = new QButtonGroup(this);
    groups_->addButton(ui_->noneRadio, static_cast<int>(TreatmentGroup::None));
    groups_->addButton(ui_->pointRadio, static_cast<int>(TreatmentGroup::PointToPoint));
    groups_->addButton(ui_->neighbourRadio, static_cast<int>(TreatmentGroup::Neighbour));
    groups_->addButton(ui_->fourierRadio, static_cast<int>(TreatmentGroup::Fourier));
    groups_->addButton(ui_->regressionRadio, static_cast<int>(TreatmentGroup::Regression));
    for (NumberField* field : {ui_->rField, ui_->sField, ui_->tField})
        field->setRealRange(-base::FieldLimit, base::FieldLimit);
    ui_->cancelButton->setProperty(NumberField::CancelProperty, true);
    ui_->equationView->setAccessibleName(QStringLiteral("Équation du modèle"));

    rankingModel_ = new RankingModel(this);
    ranking_ = new RankingRun(this);
    ui_->rankingView->setModel(rankingModel_);
    ui_->rankingView->header()->setStretchLastSection(false);
    ui_->rankingView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui_->rankingView->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui_->rankingView->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // The lists are as wide as their usual entries, so that the report keeps its room.
    for (QComboBox* list : {ui_->curveCombo, ui_->modelCombo}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(26);
    }
    ui_->rankingProgress->setRange(0, 1);
    ui_->rankingProgress->setValue(0);

    fillModels();
    fillCurves();

    connect(groups_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) groupChosen();
    });
    connect(ui_->modelCombo, &QComboBox::currentIndexChanged, this, &SmoothingDialog::updateEnabling);
    connect(ui_->curveCombo, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (!loading_ && row >= 0) setCurve(ui_->curveCombo->itemData(row).toInt());
    });
    connect(ui_->computeButton, &QPushButton::clicked, this, &SmoothingDialog::compute);
    connect(ui_->applyButton, &QPushButton::clicked, this, &SmoothingDialog::apply);
    connect(ui_->okButton, &QPushButton::clicked, this, [this] {
        if (apply()) accept();
    });
    connect(ui_->cancelButton, &QPushButton::clicked, this, &SmoothingDialog::reject);
    connect(ui_->rankButton, &QPushButton::clicked, this, [this] {
        if (rankingRunning())
            stopRanking();
        else
            startRanking();
    });
    connect(ui_->rankingView, &QAbstractItemView::activated, this, &SmoothingDialog::chooseRankedModel);
    connect(ranking_, &RankingRun::listChanged, this,
            [this](const std::vector<numerics::RankEntry>& entries) { rankingModel_->setEntries(entries); });
    connect(ranking_, &RankingRun::stepped, this, [this](int tried, int total) {
        ui_->rankingProgress->setRange(0, std::max(1, total));
        ui_->rankingProgress->setValue(tried);
        ui_->rankingStatus->setText(uiMessage(base::MsgRankingProgress, base::formatPrintf("%d / %d", tried, total)));
    });
    connect(ranking_, &RankingRun::finished, this, &SmoothingDialog::rankingFinished);
    connect(ui_->exportButton, &QPushButton::clicked, this, &SmoothingDialog::exportReport);
    connect(ui_->printButton, &QPushButton::clicked, this, &SmoothingDialog::printReport);

    ui_->reportPanel->setReportFont(frame.document().diagram().reportFont);
    loadCurve(curve);
    rememberPlacement(frame.store(), "FittingDlg");
    finishSetup();
    // The whole report table in view, within the screen.
    QSize size = sizeHint();
    if (const QScreen* shown = frame.screen()) size = size.boundedTo(shown->availableGeometry().size() * 0.95);
    resize(size);
}

SmoothingDialog::~SmoothingDialog() = default;

ReportPanel& SmoothingDialog::reportPanel() { return *ui_->reportPanel; }

void SmoothingDialog::fillModels() {
    const numerics::Catalogue& catalogue = frame_.catalogue();
    for (int kind = numerics::FirstRegressionKind; kind <= numerics::LastRegressionKind; ++kind) {
        const std::string name = base::windows1252ToUtf8(numerics::stripMarkup(catalogue[kind].name));
        ui_->modelCombo->addItem(uiText(numerics::codeName(kind)) + QStringLiteral(" - ") + QString::fromStdString(name),
                                 kind);
    }
}

void SmoothingDialog::fillCurves() {
    fillCurveList(*ui_->curveCombo, edit_->working(), numerics::AnalysisTool::Smoothing);
}

bool SmoothingDialog::henryY() const {
    return numerics::axisKinds(edit_->working()).y == numerics::ScaleHenry;
}

void SmoothingDialog::setCurve(int curve) {
    if (curve == curve_) return;
    stopRanking();
    loadCurve(curve);
}

void SmoothingDialog::loadCurve(int curve) {
    curve_ = curve;
    loading_ = true;
    ui_->curveCombo->setCurrentIndex(ui_->curveCombo->findData(curve));
    loading_ = false;
    const document::Curve& shown = edit_->working().curves[static_cast<std::size_t>(curve)];
    showChoice(numerics::currentChoice(shown));
    rankingModel_->setEntries({});
    ui_->rankingStatus->clear();
    ui_->rankingProgress->setValue(0);
    ui_->reportStatus->clear();
    // A fitted curve shows its report at once; the computation runs on a copy
    // and changes nothing.
    std::string report;
    if (numerics::hasFittedModel(shown)) {
        document::Curve scratch = shown;
        const reports::TreatmentRun run = reports::runTreatment(
            scratch, numerics::currentChoice(shown), frame_.catalogue(), henryY(), dataFolder(), ProgramLanguage);
        if (run.ok) report = run.report;
    }
    showReport(report);
}

void SmoothingDialog::showChoice(const numerics::TreatmentChoice& choice) {
    loading_ = true;
    const TreatmentGroup group = numerics::treatmentGroup(choice.kind);
    groups_->button(static_cast<int>(group))->setChecked(true);
    ui_->neighbourCombo->setCurrentIndex(
        numerics::kindOfGroup(TreatmentGroup::Neighbour, choice.kind, 0) - numerics::KindBSP);
    const int model = numerics::kindOfGroup(TreatmentGroup::Regression, 0, choice.kind);
    ui_->modelCombo->setCurrentIndex(ui_->modelCombo->findData(model));
    ui_->harmonicsSpin->setValue(choice.harmonics);
    ui_->rField->setValue(choice.parameters[0]);
    ui_->sField->setValue(choice.parameters[1]);
    ui_->tField->setValue(choice.parameters[2]);
    ui_->confidenceCombo->setCurrentIndex(numerics::confidenceIndex(choice.confidence));
    ui_->bandCheck->setChecked(choice.showBand);
    ui_->refineCheck->setChecked(choice.refine);
    loading_ = false;
    updateEnabling();
}

numerics::TreatmentChoice SmoothingDialog::choice() const {
    numerics::TreatmentChoice choice = numerics::currentChoice(edit_->working().curves[static_cast<std::size_t>(curve_)]);
    const auto group = static_cast<TreatmentGroup>(groups_->checkedId());
    const int model = ui_->modelCombo->currentData().toInt();
    choice.kind = group == TreatmentGroup::Neighbour ? numerics::KindBSP + ui_->neighbourCombo->currentIndex()
                                                     : numerics::kindOfGroup(group, choice.kind, model);
    choice.harmonics = ui_->harmonicsSpin->value();
    choice.parameters = {ui_->rField->value(), ui_->sField->value(), ui_->tField->value()};
    choice.confidence = numerics::ConfidenceLevels[static_cast<std::size_t>(
        std::clamp(ui_->confidenceCombo->currentIndex(), 0, static_cast<int>(numerics::ConfidenceLevels.size()) - 1))];
    choice.showBand = ui_->bandCheck->isChecked();
    choice.refine = ui_->refineCheck->isEnabled() && ui_->refineCheck->isChecked();
    return choice;
}

void SmoothingDialog::groupChosen() {
    if (loading_) return;
    // "Proche en proche" from another kind starts with the B-spline.
    if (ui_->neighbourRadio->isChecked()) {
        const int current = edit_->working().curves[static_cast<std::size_t>(curve_)].treatment;
        loading_ = true;
        if (numerics::treatmentGroup(current) != TreatmentGroup::Neighbour)
            ui_->neighbourCombo->setCurrentIndex(
                numerics::kindOfGroup(TreatmentGroup::Neighbour, current, 0) - numerics::KindBSP);
        loading_ = false;
    }
    updateEnabling();
}

void SmoothingDialog::updateEnabling() {
    const auto group = static_cast<TreatmentGroup>(groups_->checkedId());
    const bool regression = group == TreatmentGroup::Regression;
    const int model = ui_->modelCombo->currentData().toInt();
    ui_->neighbourCombo->setEnabled(group == TreatmentGroup::Neighbour);
    ui_->harmonicsLabel->setEnabled(group == TreatmentGroup::Fourier);
    ui_->harmonicsSpin->setEnabled(group == TreatmentGroup::Fourier);
    for (QWidget* w : {static_cast<QWidget*>(ui_->modelLabel), static_cast<QWidget*>(ui_->modelCombo),
                       static_cast<QWidget*>(ui_->equationCaption),
                       static_cast<QWidget*>(ui_->equationView), static_cast<QWidget*>(ui_->confidenceLabel),
                       static_cast<QWidget*>(ui_->confidenceCombo)})
        w->setEnabled(regression);
    ui_->equationView->setMarkup(frame_.catalogue()[model].equation);
    const std::array<bool, 3> used = numerics::fixedParametersUsed(model);
    QLabel* labels[3] = {ui_->rLabel, ui_->sLabel, ui_->tLabel};
    NumberField* fields[3] = {ui_->rField, ui_->sField, ui_->tField};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setText(uiText(numerics::fixedParameterLabel(model, i)));
        labels[i]->setEnabled(regression && used[static_cast<std::size_t>(i)]);
        fields[i]->setEnabled(regression && used[static_cast<std::size_t>(i)]);
        // The label changes with the model: the name follows it.
        fields[i]->setAccessibleName(QStringLiteral("Paramètre fixe ") + labels[i]->text());
    }
    ui_->bandCheck->setEnabled(regression && numerics::hasConfidenceBand(model));
    ui_->refineCheck->setEnabled(regression && numerics::isRefinable(model));
    const bool hasReport = !ui_->reportPanel->report().empty();
    ui_->exportButton->setEnabled(hasReport);
    ui_->printButton->setEnabled(hasReport);
}

void SmoothingDialog::showReport(const std::string& report) {
    ui_->reportPanel->setReport(report);
    updateEnabling();
}

bool SmoothingDialog::compute() {
    for (NumberField* field : {ui_->rField, ui_->sField, ui_->tField})
        if (field->isEnabled() && !field->commit()) return false;
    const numerics::TreatmentChoice chosen = choice();
    document::Curve& curve = edit_->working().curves[static_cast<std::size_t>(curve_)];
    // A series of many harmonics on a large curve takes a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const reports::TreatmentRun run =
        reports::runTreatment(curve, chosen, frame_.catalogue(), henryY(), dataFolder(), ProgramLanguage);
    QApplication::restoreOverrideCursor();
    if (!run.ok) {
        prompts().show(run.message);
        return false;
    }
    // A refinement that was not kept is said beside the report, which shows the linearised fit.
    if (run.warning.empty())
        ui_->reportStatus->clear();
    else
        ui_->reportStatus->setText(uiText(run.warning.text));
    showReport(run.report);
    edit_->preview();
    return true;
}

bool SmoothingDialog::apply() {
    if (!compute()) return false;
    if (edit_->commit(curve_)) changed_ = true;
    // The next changes start from the diagram as it now stands.
    edit_ = std::make_unique<DiagramEdit>(frame_.document(), &frame_.view());
    frame_.updateCommands();
    return true;
}

void SmoothingDialog::startRanking() {
    rankingModel_->setEntries({});
    ui_->rankingProgress->setRange(0, 1);
    ui_->rankingProgress->setValue(0);
    ui_->rankingStatus->setText(uiText(base::messageText(base::MsgComparisonRunning)));
    ui_->rankButton->setText(QStringLiteral("Arrêter le &test"));
    ranking_->start(edit_->working().curves[static_cast<std::size_t>(curve_)].points, frame_.catalogue(), henryY());
}

void SmoothingDialog::stopRanking() { ranking_->stop(); }

bool SmoothingDialog::rankingRunning() const { return ranking_->running(); }

void SmoothingDialog::rankingFinished(bool stopped, int, int) {
    ui_->rankButton->setText(QStringLiteral("&Test multi-régression"));
    const long long kept = static_cast<long long>(rankingModel_->entries().size());
    if (kept == 0 && !stopped) {
        ui_->rankingStatus->setText(uiMessage(base::MsgRankingNothing));
        return;
    }
    const std::string count =
        base::expandPlural(kept, base::makeMessage(base::MsgRankingCount, base::Heading::None, std::to_string(kept)).text);
    ui_->rankingStatus->setText(uiMessage(stopped ? base::MsgRankingStopped : base::MsgRankingDone, count));
    if (!stopped) ui_->rankingProgress->setValue(ui_->rankingProgress->maximum());
}

void SmoothingDialog::chooseRankedModel(const QModelIndex& index) {
    if (!index.isValid()) return;
    const int kind = rankingModel_->entries()[static_cast<std::size_t>(index.row())].kind;
    loading_ = true;
    ui_->regressionRadio->setChecked(true);
    ui_->modelCombo->setCurrentIndex(ui_->modelCombo->findData(kind));
    loading_ = false;
    updateEnabling();
    compute();
}

void SmoothingDialog::exportReport() {
    const std::string& report = ui_->reportPanel->report();
    if (report.empty()) {
        prompts().show(base::makeMessage(base::MsgReportPrintNothing, base::Heading::Remark));
        return;
    }
    const settings::Preferences& preferences = frame_.preferences();
    ReportExportDialog dialog(QString::fromStdString(preferences.folder(settings::Folder::Exports)),
                              frame_.document().fileName(), curve_, prompts(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const PrintContext context{frame_.document().path(), preferences.reportLanguage, preferences.thinFrame != 0};
    const base::Message failed = shell::exportReport(dialog.path(), dialog.mode(), edit_->working(), report, context);
    if (!failed.empty()) {
        prompts().show(failed);
        return;
    }
    ui_->reportStatus->setText(uiMessage(base::MsgReportExported, dialog.path().toStdString()));
}

void SmoothingDialog::printReport() {
    const std::string& report = ui_->reportPanel->report();
    if (report.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    applyReportPageSettings(printer, edit_->working());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimer la note de calcul"));
    if (dialog.exec() != QDialog::Accepted) return;
    const settings::Preferences& preferences = frame_.preferences();
    const PrintContext context{frame_.document().path(), preferences.reportLanguage, preferences.thinFrame != 0};
    if (!shell::printReport(printer, edit_->working(), report, context))
        prompts().show(base::makeMessage(base::MsgReportPrintFailed, base::Heading::Error));
}

void SmoothingDialog::keyPressEvent(QKeyEvent* event) {
    // Escape stops a comparison under way before it closes anything.
    if (event->key() == Qt::Key_Escape && rankingRunning()) {
        stopRanking();
        event->accept();
        return;
    }
    OrdinaxDialog::keyPressEvent(event);
}

void SmoothingDialog::reject() {
    stopRanking();
    OrdinaxDialog::reject();
}

bool runSmoothingDialog(CMainFrame& frame) {
    const document::Diagram& diagram = frame.document().diagram();
    const int curve = numerics::startingCurve(diagram, frame.document().selectedCurve(), numerics::AnalysisTool::Smoothing);
    if (curve < 0) {
        frame.prompts().show(numerics::noSuitableCurve(numerics::AnalysisTool::Smoothing));
        return false;
    }
    SmoothingDialog dialog(frame, curve);
    dialog.exec();
    return dialog.changedDiagram();
}

}  // namespace ordinax::shell
