// "  Exporter les données d'une courbe": what the file holds and its format;
// OK asks for the file name (" Exporter une courbe"), writes the file and
// closes the dialog.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "document/diagram.h"
#include "exchange/curve_export.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class CurveExportDialog;
}

namespace ordinax::shell {

class CurveExportDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // What asks for the file name: caption, starting path, filter; empty when cancelled.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& caption, const QString& start, const QString& filter)>;

    // `documentName` is the diagram's file name (may be empty), `exportFolder`
    // the default export folder of the preferences.
    CurveExportDialog(UserPrompts& prompts, const document::Curve& curve, int curveIndex, std::string documentName,
                      std::filesystem::path exportFolder, QWidget* parent = nullptr);
    ~CurveExportDialog() override;

    // Replaces the save dialog for every export (tests answer in its place); empty restores it.
    static void setFileChooser(FileChooser chooser);
    // The last file exported in this session (the next export starts from it).
    static std::filesystem::path lastExport();
    static void setLastExport(std::filesystem::path path);

    exchange::ExportOptions options() const;
    // The file written by OK, empty when nothing was written.
    const QString& written() const { return written_; }

    void accept() override;

private:
    std::unique_ptr<Ui::CurveExportDialog> ui_;
    const document::Curve& curve_;
    int curveIndex_;
    std::string documentName_;
    std::filesystem::path exportFolder_;
    QString written_;
};

}  // namespace ordinax::shell
