// "Exportation de la note de calcul".
#include "shell/analysis/report_export_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include "reports/report_export.h"
#include "reports/report_file.h"
#include "ui_report_export_dialog.h"

namespace ordinax::shell {

ReportExportDialog::ReportExportDialog(const QString& folder, std::string documentFileName, int curve,
                                       UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      ui_(std::make_unique<Ui::ReportExportDialog>()),
      documentFileName_(std::move(documentFileName)),
      curve_(curve) {
    ui_->setupUi(this);
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    ui_->folderEdit->setText(QDir::toNativeSeparators(folder));
    for (QRadioButton* radio : {ui_->rtfRadio, ui_->csvRadio, ui_->pdfRadio})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on) proposeName();
        });
    connect(ui_->browseButton, &QPushButton::clicked, this, &ReportExportDialog::browse);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!fileName().trimmed().isEmpty()) accept();
    });
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    proposeName();
    finishSetup();
}

ReportExportDialog::~ReportExportDialog() = default;

int ReportExportDialog::mode() const {
    if (ui_->csvRadio->isChecked()) return reports::ExportCsv;
    if (ui_->pdfRadio->isChecked()) return reports::ExportPdf;
    return reports::ExportRtf;
}

void ReportExportDialog::setMode(int mode) {
    (mode == reports::ExportCsv ? ui_->csvRadio : mode == reports::ExportPdf ? ui_->pdfRadio : ui_->rtfRadio)
        ->setChecked(true);
}

QString ReportExportDialog::folder() const { return QDir::fromNativeSeparators(ui_->folderEdit->text().trimmed()); }
void ReportExportDialog::setFolder(const QString& folder) { ui_->folderEdit->setText(QDir::toNativeSeparators(folder)); }
QString ReportExportDialog::fileName() const { return ui_->nameEdit->text(); }
void ReportExportDialog::setFileName(const QString& name) { ui_->nameEdit->setText(name); }

QString ReportExportDialog::path() const { return QDir(folder()).filePath(fileName().trimmed()); }

void ReportExportDialog::proposeName() {
    ui_->nameEdit->setText(QString::fromStdString(reports::suggestedExportName(documentFileName_, curve_, mode())));
}

void ReportExportDialog::browse() {
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Dossier d'exportation"), folder());
    if (!chosen.isEmpty()) setFolder(chosen);
}

}  // namespace ordinax::shell
