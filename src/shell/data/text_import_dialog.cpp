// The text-import dialog.
#include "shell/data/text_import_dialog.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPalette>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_data.h"
#include "exchange/import_status.h"
#include "settings/preferences.h"
#include "shell/common/diagram_edit.h"
#include "shell/data/file_requests.h"
#include "shell/user_prompts.h"
#include "ui_text_import_dialog.h"

namespace ordinax::shell {

using exchange::ConversionProcedure;
using exchange::ImportMode;

namespace {

QString fromModel(std::string_view text) {
    return QString::fromStdString(base::windows1252ToUtf8(text));
}

QString text(int id) {
    const std::string_view t = base::messageText(id);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

// The largest line number or count a field takes.
constexpr long long LineLimit = 999'999'999;

QString procedureFolder(const QString& procedurePath, const settings::Preferences& preferences) {
    return QString::fromStdString(exchange::procedureStartFolder(
        procedurePath.toStdString(), preferences.folder(settings::Folder::Procedures)));
}

}  // namespace

// The lines of the preview, the header lines greyed: a plain list over the
// head of the file (never a widget per line).
class PreviewLinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(QStringList lines, int headerCount, bool found) {
        beginResetModel();
        lines_ = std::move(lines);
        headerCount_ = found ? headerCount : 0;
        endResetModel();
    }
    void setHeaderCount(int headerCount) {
        if (headerCount == headerCount_ || lines_.isEmpty()) {
            headerCount_ = headerCount;
            return;
        }
        headerCount_ = headerCount;
        emit dataChanged(index(0), index(int(lines_.size()) - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(lines_.size()); }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= lines_.size()) return {};
        const bool header = index.row() < headerCount_;
        switch (role) {
            case Qt::DisplayRole:
                return lines_[index.row()];
            case Qt::ForegroundRole:
                if (header) return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
                return {};
            case Qt::ToolTipRole:
            case Qt::AccessibleDescriptionRole:
                return header ? QStringLiteral("Ligne %1 (en-tête)").arg(index.row() + 1)
                              : QStringLiteral("Ligne %1").arg(index.row() + 1);
            default:
                return {};
        }
    }

private:
    QStringList lines_;
    int headerCount_ = 0;
};

TextImportDialog::TextImportDialog(UserPrompts& prompts, const settings::Preferences& preferences,
                                   DiagramEdit& edit, ImportMode mode, int curve, const QString& dataFile,
                                   QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      ui_(std::make_unique<Ui::TextImportDialog>()),
      preferences_(preferences),
      edit_(edit),
      mode_(mode),
      curve_(curve) {
    ui_->setupUi(this);
    setWindowTitle(QString::fromUtf8(exchange::importCaption(mode).data()));
    setHelpTopic(QStringLiteral("import-texte"));

    for (NumberField* field : {ui_->headerLines, ui_->titleLine, ui_->dateLine, ui_->xNameLine, ui_->yNameLine,
                               ui_->recordCountLine})
        field->setIntegerRange(0, LineLimit);
    ui_->coordinateCount->setIntegerRange(1, exchange::MaxSeriesLines);
    ui_->xOrder->setIntegerRange(0, exchange::MaxSeriesLines);
    ui_->yOrder->setIntegerRange(0, exchange::MaxSeriesLines);
    ui_->sampling->setIntegerRange(1, LineLimit);
    for (int base = 2; base <= 16; ++base) ui_->numericBase->addItem(QString::number(base), base);

    // Enter confirms a field, never a button chosen for the user.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

    previewModel_ = new PreviewLinesModel(this);
    ui_->previewList->setModel(previewModel_);
    ui_->progressBar->hide();
    ui_->stopButton->hide();

    // In the Curve mode the file was chosen by the command; y is asked for only there.
    const bool curveMode = mode == ImportMode::Curve;
    ui_->dataFile->setReadOnly(curveMode);
    ui_->browseButton->setEnabled(!curveMode);
    ui_->yOrder->setVisible(curveMode);
    ui_->yOrderLabel->setVisible(curveMode);

    for (NumberField* field : findChildren<NumberField*>())
        connect(field, &NumberField::valueChanged, this, &TextImportDialog::fieldsChanged);
    for (QRadioButton* radio : {ui_->ansiRadio, ui_->dosRadio, ui_->columnsRadio, ui_->rowsRadio})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on) fieldsChanged();
        });
    connect(ui_->numericBase, &QComboBox::currentIndexChanged, this, &TextImportDialog::fieldsChanged);
    connect(ui_->separator, &QLineEdit::editingFinished, this, &TextImportDialog::fieldsChanged);
    connect(ui_->dataFile, &QLineEdit::editingFinished, this, [this] {
        if (ui_->dataFile->text() != QString::fromStdString(loadedFile_)) setDataFile(ui_->dataFile->text());
    });
    connect(ui_->browseButton, &QPushButton::clicked, this, &TextImportDialog::browse);
    connect(ui_->newProcedureButton, &QPushButton::clicked, this, &TextImportDialog::newProcedure);
    connect(ui_->openProcedureButton, &QPushButton::clicked, this, &TextImportDialog::openProcedure);
    connect(ui_->saveProcedureButton, &QPushButton::clicked, this, &TextImportDialog::saveProcedure);
    connect(ui_->detectSeparatorButton, &QToolButton::clicked, this, &TextImportDialog::detectSeparator);
    connect(ui_->detectCountButton, &QToolButton::clicked, this, &TextImportDialog::detectCount);
    connect(ui_->extractButton, &QPushButton::clicked, this, &TextImportDialog::extract);
    connect(ui_->plotButton, &QPushButton::clicked, this, &TextImportDialog::plot);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &TextImportDialog::reject);
    connect(ui_->stopButton, &QPushButton::clicked, &task_, &BackgroundTask::stop);
    connect(&task_, &BackgroundTask::progress, this, &TextImportDialog::showProgress);
    connect(&task_, &BackgroundTask::finished, this, &TextImportDialog::extractionFinished);

    start_ = std::make_shared<document::Diagram>(edit_.working());
    load();
    setDataFile(dataFile);
    finishSetup();
}

TextImportDialog::~TextImportDialog() = default;

QString TextImportDialog::dataFile() const {
    return QString::fromStdString(loadedFile_);
}

QString TextImportDialog::statusText() const {
    return ui_->statusLine->text();
}

void TextImportDialog::load() {
    loading_ = true;
    const ConversionProcedure& p = procedure_;
    (p.charSet == 1 ? ui_->dosRadio : ui_->ansiRadio)->setChecked(true);
    (p.orientation == 1 ? ui_->rowsRadio : ui_->columnsRadio)->setChecked(true);
    ui_->headerLines->setValue(p.headerLineCount);
    ui_->titleLine->setValue(p.titleLine);
    ui_->dateLine->setValue(p.dateLine);
    ui_->xNameLine->setValue(p.xNameLine);
    ui_->yNameLine->setValue(p.yNameLine);
    ui_->recordCountLine->setValue(p.recordCountLine);
    ui_->coordinateCount->setValue(p.coordinateCount);
    ui_->xOrder->setValue(p.xOrder);
    ui_->yOrder->setValue(p.yOrder);
    ui_->sampling->setValue(p.sampling);
    ui_->numericBase->setCurrentIndex(ui_->numericBase->findData(p.numericBase));
    ui_->separator->setText(fromModel(p.separator));
    ui_->coordinateCountLabel->setText(QString::fromUtf8(exchange::coordinateCountLabel(p.orientation).data()));
    loading_ = false;
    updateProcedureName();
}

void TextImportDialog::fieldsChanged() {
    if (loading_) return;
    ConversionProcedure p = procedure_;
    p.charSet = ui_->dosRadio->isChecked() ? 1 : 0;
    p.orientation = ui_->rowsRadio->isChecked() ? 1 : 0;
    p.headerLineCount = ui_->headerLines->intValue();
    p.titleLine = ui_->titleLine->intValue();
    p.dateLine = ui_->dateLine->intValue();
    p.xNameLine = ui_->xNameLine->intValue();
    p.yNameLine = ui_->yNameLine->intValue();
    p.recordCountLine = ui_->recordCountLine->intValue();
    p.coordinateCount = ui_->coordinateCount->intValue();
    p.xOrder = ui_->xOrder->intValue();
    p.yOrder = ui_->yOrder->intValue();
    p.sampling = ui_->sampling->intValue();
    p.numericBase = ui_->numericBase->currentData().toInt();
    p.separator = base::utf8ToWindows1252Lossy(ui_->separator->text().toStdString());
    if (p == procedure_) return;
    const bool charSetChanged = p.charSet != procedure_.charSet;
    procedure_ = std::move(p);
    extracted_ = false;
    ui_->coordinateCountLabel->setText(
        QString::fromUtf8(exchange::coordinateCountLabel(procedure_.orientation).data()));
    if (charSetChanged) loadPreview();
    else previewModel_->setHeaderCount(procedure_.headerLineCount);
    updateProcedureName();
}

void TextImportDialog::setDataFile(const QString& path) {
    loadedFile_ = path.toStdString();
    ui_->dataFile->setText(path);
    extracted_ = false;
    loadPreview();
}

void TextImportDialog::loadPreview() {
    QStringList lines;
    fileFound_ = false;
    bool truncated = false;
    if (!loadedFile_.empty()) {
        const exchange::FilePreview preview = exchange::readFilePreview(loadedFile_, procedure_.charSet);
        fileFound_ = preview.found;
        truncated = preview.truncated;
        lines.reserve(qsizetype(preview.lines.size()));
        for (const std::string& line : preview.lines) lines << fromModel(line);
    }
    if (!fileFound_ && !loadedFile_.empty()) lines << QString::fromStdString(exchange::missingFileLine(loadedFile_));
    previewModel_->setLines(lines, procedure_.headerLineCount, fileFound_);
    ui_->previewLabel->setText(truncated ? text(base::MsgPreviewTruncated).replace(QStringLiteral("%s"),
                                                                                   QString::number(lines.size()))
                                         : QStringLiteral("&Aperçu du fichier :"));
    updateEnabling();
}

void TextImportDialog::updateProcedureName() {
    const bool same = procedure_ == savedProcedure_ && !procedurePath_.isEmpty();
    ui_->procedureName->setText(same ? QFileInfo(procedurePath_).fileName() : QString());
    ui_->procedureName->setToolTip(same ? procedurePath_ : QString());
    ui_->procedureName->setAccessibleName(same ? QStringLiteral("Procédure : ") + QFileInfo(procedurePath_).fileName()
                                               : QStringLiteral("Procédure sans fichier"));
}

void TextImportDialog::updateEnabling() {
    const bool idle = !task_.running();
    ui_->tabs->setEnabled(fileFound_ && idle);
    ui_->extractButton->setEnabled(fileFound_ && idle);
    ui_->plotButton->setEnabled((fileFound_ || extracted_) && idle);
    ui_->dataFile->setEnabled(idle);
    ui_->browseButton->setEnabled(idle && mode_ == ImportMode::Diagram);
    ui_->procedureBox->setEnabled(idle);
    ui_->progressBar->setVisible(!idle);
    ui_->stopButton->setVisible(!idle);
}

void TextImportDialog::browse() {
    FileRequest request;
    request.title = text(base::MsgImportOpenTitle);
    request.filter = text(base::MsgImportFileFilter);
    request.folder = loadedFile_.empty()
                         ? QString::fromStdString(preferences_.folder(settings::Folder::Imports))
                         : QFileInfo(QString::fromStdString(loadedFile_)).absolutePath();
    const QString chosen = askFileName(this, request);
    if (!chosen.isEmpty()) setDataFile(chosen);
}

void TextImportDialog::newProcedure() {
    procedure_ = ConversionProcedure{};
    savedProcedure_ = procedure_;
    procedurePath_.clear();
    extracted_ = false;
    load();
    loadPreview();
}

void TextImportDialog::openProcedure() {
    FileRequest request;
    request.title = text(base::MsgProcedureOpenTitle);
    request.filter = text(base::MsgProcedureFilter);
    request.folder = procedureFolder(procedurePath_, preferences_);
    const QString chosen = askFileName(this, request);
    if (!chosen.isEmpty()) openProcedureFile(chosen);
}

void TextImportDialog::saveProcedure() {
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = text(base::MsgProcedureSaveTitle);
    request.filter = text(base::MsgProcedureFilter);
    request.defaultSuffix = QStringLiteral("pca");
    request.folder = procedurePath_.isEmpty() ? procedureFolder(procedurePath_, preferences_) : procedurePath_;
    const QString chosen = askFileName(this, request);
    if (!chosen.isEmpty()) saveProcedureFile(chosen);
}

bool TextImportDialog::openProcedureFile(const QString& path) {
    ConversionProcedure read = procedure_;
    if (!exchange::loadProcedure(path.toStdString(), read)) {
        prompts().show(base::makeMessage(base::MsgProcedureUnreadable, base::Heading::Error, path.toStdString()));
        return false;
    }
    // A file may hold numbers the fields cannot show.
    exchange::clampProcedure(read);
    const bool charSetChanged = read.charSet != procedure_.charSet;
    procedure_ = read;
    savedProcedure_ = read;
    procedurePath_ = path;
    extracted_ = false;
    load();
    if (charSetChanged) loadPreview();
    else previewModel_->setHeaderCount(procedure_.headerLineCount);
    return true;
}

bool TextImportDialog::saveProcedureFile(const QString& path) {
    base::Message error;
    if (!exchange::saveProcedure(path.toStdString(), procedure_, error)) {
        prompts().show(error);
        return false;
    }
    // The file holds the normalised separator: so does the dialog.
    procedure_.separator = exchange::normaliseSeparator(procedure_.separator);
    savedProcedure_ = procedure_;
    procedurePath_ = path;
    load();
    return true;
}

void TextImportDialog::detectSeparator() {
    ConversionProcedure p = procedure_;
    if (!exchange::detectSeparatorInFile(loadedFile_, p)) return;
    procedure_ = p;
    extracted_ = false;
    load();
}

void TextImportDialog::detectCount() {
    ConversionProcedure p = procedure_;
    if (!exchange::detectCoordinateCountInFile(loadedFile_, p)) return;
    procedure_ = p;
    extracted_ = false;
    load();
}

void TextImportDialog::extract() {
    if (task_.running() || !fileFound_) return;
    ui_->statusLine->setText(QString::fromStdString(exchange::preparationStatus()));
    auto target = std::make_shared<document::Diagram>(*start_);
    auto result = std::make_shared<exchange::ImportResult>();
    extraction_ = target;
    extractionResult_ = result;
    const std::string path = loadedFile_;
    const ConversionProcedure procedure = procedure_;
    const ImportMode mode = mode_;
    const int curve = curve_;
    task_.start([=](const std::atomic<bool>& stop, const ProgressReport& report) {
        auto progress = [&report](const exchange::ImportProgress& p) {
            const int percent =
                p.bytesTotal > 0 ? static_cast<int>(std::min<std::size_t>(p.bytesRead, p.bytesTotal) * 100 / p.bytesTotal)
                                 : -1;
            report(QString::fromUtf8(p.status.data(), qsizetype(p.status.size())), percent);
        };
        *result = exchange::extractData(path, procedure, mode, curve, *target, progress, &stop);
    });
    ui_->progressBar->setRange(0, 100);
    ui_->progressBar->setValue(0);
    updateEnabling();
    ui_->stopButton->setFocus();
}

void TextImportDialog::showProgress(const QString& status, int percent) {
    if (!task_.running()) return;
    ui_->statusLine->setText(status);
    if (percent < 0) {
        ui_->progressBar->setRange(0, 0);
    } else {
        ui_->progressBar->setRange(0, 100);
        ui_->progressBar->setValue(percent);
    }
}

void TextImportDialog::extractionFinished(bool stopped) {
    const std::shared_ptr<exchange::ImportResult> result = std::move(extractionResult_);
    const std::shared_ptr<document::Diagram> target = std::move(extraction_);
    updateEnabling();
    const bool wasPlotting = plotAfter_;
    plotAfter_ = false;
    if (stopped || !result || result->stopped) {
        ui_->statusLine->setText(text(base::MsgImportStopped));
        return;
    }
    if (!result->completed) {
        // The working copy keeps what it held: a failed extraction never
        // empties the curves that "&TRACER" would keep.
        ui_->statusLine->setText(QString());
        prompts().show(result->error);
        extracted_ = false;
        return;
    }
    edit_.working() = std::move(*target);
    edit_.preview();
    lastResult_ = *result;
    extracted_ = true;
    ui_->statusLine->setText(QString::fromStdString(result->status));
    for (const base::Message& warning : result->warnings) prompts().show(warning);
    if (wasPlotting) plot();
}

void TextImportDialog::plot() {
    if (task_.running()) return;
    if (!extracted_) {
        // "&TRACER" without an extraction of the current fields extracts first.
        if (!fileFound_) return;
        plotAfter_ = true;
        extract();
        return;
    }
    accept();
}

void TextImportDialog::keyPressEvent(QKeyEvent* event) {
    // Return in a text field takes the text; it never closes the dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (ui_->dataFile->hasFocus() || ui_->separator->hasFocus())) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && task_.running()) {
        task_.stop();
        event->accept();
        return;
    }
    OrdinaxDialog::keyPressEvent(event);
}

void TextImportDialog::reject() {
    if (task_.running()) {
        task_.stop();
        task_.waitForFinished();
    }
    OrdinaxDialog::reject();
}

}  // namespace ordinax::shell
