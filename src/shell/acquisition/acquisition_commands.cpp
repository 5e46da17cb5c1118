// A new curve acquired from a picture.
#include "shell/acquisition/acquisition_commands.h"

#include <QFileInfo>

#include "acquisition/acquisition_state.h"
#include "base/strings.h"
#include "base/strings_data.h"
#include "document/diagram_ops.h"
#include "exchange/import_preview.h"
#include "shell/acquisition/acquisition_window.h"
#include "shell/common/diagram_edit.h"
#include "shell/data/file_requests.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

namespace {

// The picture file last used, offered again next time.
QString& lastPicture() {
    static QString path;
    return path;
}

QString askPicture(CMainFrame& frame) {
    FileRequest request;
    request.title = QString::fromUtf8(base::messageText(base::MsgPictureOpenTitle).data());
    request.filter = QString::fromUtf8(base::messageText(base::MsgPictureFilter).data());
    request.folder = lastPicture().isEmpty()
                         ? QString::fromStdString(frame.preferences().folder(settings::Folder::Scanner))
                         : lastPicture();
    return askFileName(&frame, request);
}

std::optional<QImage> openPicture(CMainFrame& frame, QString path) {
    if (path.isEmpty()) path = askPicture(frame);
    if (path.isEmpty()) return std::nullopt;
    lastPicture() = path;
    std::optional<QImage> picture = loadAcquisitionPicture(path);
    if (!picture)
        frame.prompts().show(
            base::makeMessage(base::MsgPictureOpenFailed, base::Heading::Error, path.toStdString()));
    return picture;
}

std::string presetTitle(const document::Curve& curve, int index) {
    if (!curve.title.empty()) return curve.title;
    std::string title = document::DefaultCurveTitle;
    return title.replace(title.find("%d"), 2, std::to_string(index + 1));
}

// Runs the window on curve `curve` of the working copy; true when validated.
bool acquire(CMainFrame& frame, DiagramEdit& edit, int curve, QImage picture) {
    document::Curve& target = edit.working().curves[static_cast<std::size_t>(curve)];
    AcquisitionWindow window(frame.prompts(), frame.store(), std::move(picture), presetTitle(target, curve), &frame);
    if (window.exec() != QDialog::Accepted) return false;
    acquisition::fillAcquiredCurve(target, window.points(), window.curveTitle());
    exchange::showImportedCurves(edit.working(), exchange::ImportMode::Curve);
    return true;
}

bool acquireNewCurve(CMainFrame& frame, QImage picture) {
    DiagramEdit edit(frame.document(), &frame.view());
    const document::AllocateResult slot =
        document::allocateCurve(edit.working(), frame.document().defaults(), frame.document().selectedCurve());
    if (slot.full) {
        frame.prompts().show(base::makeMessage(base::MsgDiagramFull, base::Heading::Error));
        return false;
    }
    if (!acquire(frame, edit, slot.index, std::move(picture))) return false;
    edit.commit(slot.index);
    return true;
}

}  // namespace

bool runPictureAcquisition(CMainFrame& frame, const QString& picture) {
    std::optional<QImage> image = openPicture(frame, picture);
    return image && acquireNewCurve(frame, std::move(*image));
}

bool runPictureAcquisitionOfImage(CMainFrame& frame, const QImage& picture) {
    if (picture.isNull()) return false;
    return acquireNewCurve(frame, picture.convertToFormat(QImage::Format_RGB32));
}

bool runPictureAcquisitionInto(CMainFrame& frame, DiagramEdit& edit, int curve, const QString& picture) {
    if (curve < 0 || curve >= edit.working().curveCount()) return false;
    std::optional<QImage> image = openPicture(frame, picture);
    return image && acquire(frame, edit, curve, std::move(*image));
}

}  // namespace ordinax::shell
