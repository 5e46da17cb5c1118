// File names asked by the data dialogs.
#include "shell/data/file_requests.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ordinax::shell {

namespace {

FileAsker& asker() {
    static FileAsker value;
    return value;
}

}  // namespace

QString askFileName(QWidget* parent, const FileRequest& request) {
    if (asker()) return asker()(parent, request);
    if (request.kind == FileRequest::Kind::Open)
        return QFileDialog::getOpenFileName(parent, request.title, request.folder, request.filter);
    QString name = QFileDialog::getSaveFileName(parent, request.title, request.folder, request.filter);
    if (!name.isEmpty() && !request.defaultSuffix.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + request.defaultSuffix;
    return name;
}

void setFileAsker(FileAsker value) {
    asker() = std::move(value);
}

}  // namespace ordinax::shell
