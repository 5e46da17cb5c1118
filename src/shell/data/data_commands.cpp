// The data commands of the main window.
#include "shell/data/data_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_data.h"
#include "exchange/clipboard_table.h"
#include "exchange/import_preview.h"
#include "shell/common/diagram_edit.h"
#include "shell/data/clipboard_import_dialog.h"
#include "shell/data/file_requests.h"
#include "shell/data/text_import_dialog.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

namespace {

QString text(int id) {
    const std::string_view t = base::messageText(id);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

// The data file of a curve import, asked before the dialog (which cannot change it).
QString askDataFile(CMainFrame& frame) {
    FileRequest request;
    request.title = text(base::MsgImportOpenTitle);
    request.filter = text(base::MsgImportFileFilter);
    request.folder = QString::fromStdString(frame.preferences().folder(settings::Folder::Imports));
    return askFileName(&frame, request);
}

// The selection after an import: the one curve filled, or all curves.
int selectionAfter(const document::Diagram& diagram, int curve) {
    if (curve >= 0) return curve;
    return diagram.curveCount() == 1 ? 0 : -1;
}

}  // namespace

bool runTextImportInto(CMainFrame& frame, DiagramEdit& edit, int curve, const QString& dataFile) {
    const exchange::ImportMode mode = curve < 0 ? exchange::ImportMode::Diagram : exchange::ImportMode::Curve;
    QString file = dataFile;
    if (mode == exchange::ImportMode::Curve && file.isEmpty()) {
        file = askDataFile(frame);
        if (file.isEmpty()) return false;
    }
    TextImportDialog dialog(frame.prompts(), frame.preferences(), edit, mode, curve, file, &frame);
    if (dialog.exec() != QDialog::Accepted) return false;
    exchange::showImportedCurves(edit.working(), mode);
    return true;
}

bool runTextImport(CMainFrame& frame, int intoCurve, const QString& dataFile) {
    if (intoCurve >= frame.document().diagram().curveCount()) return false;
    DiagramEdit edit(frame.document(), &frame.view());
    if (!runTextImportInto(frame, edit, intoCurve, dataFile)) return false;
    edit.commit(selectionAfter(edit.working(), intoCurve));
    frame.view().clearSelection();
    return true;
}

bool runClipboardImport(CMainFrame& frame) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<std::string> clipboardText;
    if (data && data->hasText()) clipboardText = base::utf8ToWindows1252Lossy(data->text().toStdString());
    exchange::TableOpenResult opened =
        exchange::openClipboardTable(clipboardText ? std::optional<std::string_view>(*clipboardText) : std::nullopt);
    if (!opened.table) {
        frame.prompts().show(opened.error);
        return false;
    }
    DiagramEdit edit(frame.document(), &frame.view());
    ClipboardImportDialog dialog(frame.prompts(), edit, std::move(*opened.table),
                                 frame.preferences().diagram.labelPaint[0], &frame);
    if (dialog.exec() != QDialog::Accepted) return false;
    exchange::showImportedCurves(edit.working(), exchange::ImportMode::Diagram);
    edit.commit(selectionAfter(edit.working(), -1));
    frame.view().clearSelection();
    return true;
}

void installDataCommands(CMainFrame& frame) {
    frame.setCommandHandler(CommandId::FileImportText, [&frame] { runTextImport(frame, -1); });
    frame.setCommandHandler(CommandId::FileImportClipboard, [&frame] { runClipboardImport(frame); });
}

}  // namespace ordinax::shell
