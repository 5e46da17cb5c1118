// "Exportation de la note de calcul": the format of the exported report
// (RTF, CSV or the printed pages as PDF), its folder and its file name, which
// follows the format.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "shell/common/ordinax_dialog.h"

namespace Ui {
class ReportExportDialog;
}

namespace ordinax::shell {

class ReportExportDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `documentFileName` is the diagram's file name ("" when never saved) and
    // `curve` the index of the curve whose report is exported.
    ReportExportDialog(const QString& folder, std::string documentFileName, int curve, UserPrompts& prompts,
                       QWidget* parent = nullptr);
    ~ReportExportDialog() override;

    // reports::ExportRtf, ExportCsv or ExportPdf.
    int mode() const;
    void setMode(int mode);
    QString folder() const;
    void setFolder(const QString& folder);
    QString fileName() const;
    void setFileName(const QString& name);
    // The folder and the file name joined.
    QString path() const;

private:
    void proposeName();
    void browse();

    std::unique_ptr<Ui::ReportExportDialog> ui_;
    std::string documentFileName_;
    int curve_;
};

}  // namespace ordinax::shell
