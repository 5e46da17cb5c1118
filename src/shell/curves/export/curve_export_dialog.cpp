// The curve export dialog.
#include "shell/curves/export/curve_export_dialog.h"

#include <QFileDialog>
#include <QPushButton>

#include "exchange/export_request.h"
#include "shell/curves/curve_ui.h"
#include "shell/curves/markup_label.h"
#include "shell/user_prompts.h"
#include "ui_curve_export_dialog.h"

namespace ordinax::shell {

namespace {

CurveExportDialog::FileChooser& chooser() {
    static CurveExportDialog::FileChooser value;
    return value;
}

std::filesystem::path& last() {
    static std::filesystem::path value;
    return value;
}

QString askFileName(QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
    // The save dialog asks before replacing an existing file.
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

}  // namespace

void CurveExportDialog::setFileChooser(FileChooser value) { chooser() = std::move(value); }
std::filesystem::path CurveExportDialog::lastExport() { return last(); }
void CurveExportDialog::setLastExport(std::filesystem::path path) { last() = std::move(path); }

CurveExportDialog::CurveExportDialog(UserPrompts& prompts, const document::Curve& curve, int curveIndex,
                                     std::string documentName, std::filesystem::path exportFolder, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveExportDialog>()), curve_(curve),
      curveIndex_(curveIndex), documentName_(std::move(documentName)), exportFolder_(std::move(exportFolder)) {
    ui_->setupUi(this);
    ui_->titleLabel->setMarkup(uiText(curve_.title).toStdString());
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveExportDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveExportDialog::reject);
    finishSetup();
}

CurveExportDialog::~CurveExportDialog() = default;

exchange::ExportOptions CurveExportDialog::options() const {
    exchange::ExportOptions o;
    o.title = ui_->titleCheck->isChecked();
    o.date = ui_->dateCheck->isChecked();
    o.names = ui_->namesCheck->isChecked();
    o.coordinates = ui_->pointsCheck->isChecked();
    o.format = ui_->blankRadio->isChecked() ? exchange::ExportFormat::Blank
               : ui_->tabRadio->isChecked() ? exchange::ExportFormat::Tab
               : ui_->dosRadio->isChecked() ? exchange::ExportFormat::Dos
                                            : exchange::ExportFormat::Csv;
    return o;
}

void CurveExportDialog::accept() {
    const exchange::ExportOptions o = options();
    const std::filesystem::path start = exchange::exportStartPath(
        last(), o.format, exportFolder_, documentName_, curveIndex_,
        [](const std::filesystem::path& folder) { return std::filesystem::is_directory(folder); });
    const QString filter = QString::fromStdString(exchange::exportFilterLabel(o.format));
    const FileChooser& ask = chooser() ? chooser() : FileChooser(askFileName);
    const QString chosen = ask(this, QStringLiteral(" Exporter une courbe"), QString::fromStdString(start.string()), filter);
    // OK always closes the dialog; a file is written only when a name was chosen.
    if (!chosen.isEmpty()) {
        const std::filesystem::path path = exchange::withExportExtension(chosen.toStdString(), o.format);
        base::Message failed;
        if (exchange::exportCurve(path.string(), curve_, o, failed)) {
            last() = path;
            written_ = QString::fromStdString(path.string());
        } else {
            prompts().show(failed);
        }
    }
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
