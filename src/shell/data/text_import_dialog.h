// The text-import dialog: a data file read through a conversion procedure,
// into a whole diagram (one curve per value column) or into one curve. The
// list shows the head of the file; the "?" buttons guess the separator and
// the number of values; procedures are opened and saved; the extraction runs
// on a worker thread with its progress and a stop button (Escape). The
// dialog fills the working copy of an edit: "&TRACER" keeps it, "Annuler"
// drops it.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "exchange/conversion_procedure.h"
#include "exchange/import_preview.h"
#include "exchange/text_import.h"
#include "shell/common/ordinax_dialog.h"
#include "shell/data/background_task.h"

namespace Ui {
class TextImportDialog;
}

namespace ordinax::settings {
struct Preferences;
}

namespace ordinax::shell {

class DiagramEdit;
class PreviewLinesModel;

class TextImportDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `curve` is the curve filled in the Curve mode; `dataFile` may be empty
    // in the Diagram mode (the user browses for it).
    TextImportDialog(UserPrompts& prompts, const settings::Preferences& preferences, DiagramEdit& edit,
                     exchange::ImportMode mode, int curve, const QString& dataFile, QWidget* parent = nullptr);
    ~TextImportDialog() override;

    const exchange::ConversionProcedure& procedure() const { return procedure_; }
    QString dataFile() const;
    QString procedureFile() const { return procedurePath_; }
    QString statusText() const;
    // The result of the last extraction that completed (its counts).
    const exchange::ImportResult& lastResult() const { return lastResult_; }
    BackgroundTask& task() { return task_; }

    void setDataFile(const QString& path);
    // "&Ouvrir" / "&Enregistrer" on a given file; true when done.
    bool openProcedureFile(const QString& path);
    bool saveProcedureFile(const QString& path);
    // "PROCÉDER À L'EXTRACTION": starts the worker.
    void extract();

    // Stops a running extraction first.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Changes from the widgets.
    void fieldsChanged();
    void browse();
    void newProcedure();
    void openProcedure();
    void saveProcedure();
    void detectSeparator();
    void detectCount();
    void plot();

    // Changes from the model.
    void load();
    void loadPreview();
    void updateProcedureName();
    void updateEnabling();
    void showProgress(const QString& status, int percent);
    void extractionFinished(bool stopped);

    std::unique_ptr<Ui::TextImportDialog> ui_;
    const settings::Preferences& preferences_;
    DiagramEdit& edit_;
    exchange::ImportMode mode_;
    int curve_;
    exchange::ConversionProcedure procedure_;
    exchange::ConversionProcedure savedProcedure_;  // as last opened or saved
    QString procedurePath_;
    std::string loadedFile_;                    // the data file, UTF-8
    std::shared_ptr<document::Diagram> start_;  // the working copy when the dialog opened
    bool fileFound_ = false;
    bool loading_ = false;
    bool extracted_ = false;   // the working copy holds the extraction of the current fields
    bool plotAfter_ = false;   // "&TRACER" waits for the extraction it started
    PreviewLinesModel* previewModel_ = nullptr;
    BackgroundTask task_;
    // What the worker fills; handed to the working copy when it completes.
    std::shared_ptr<document::Diagram> extraction_;
    std::shared_ptr<exchange::ImportResult> extractionResult_;
    exchange::ImportResult lastResult_;
};

}  // namespace ordinax::shell
