// The file names the data dialogs ask for (data files, procedures, pictures).
// They go through one replaceable function so that tests answer in place of
// the user; by default Qt's file dialogs ask.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ordinax::shell {

struct FileRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString folder;        // where the dialog starts (a folder or a file path)
    QString filter;        // Qt filter text, ";;" between the choices
    QString defaultSuffix; // added to a saved name without extension
};

using FileAsker = std::function<QString(QWidget* parent, const FileRequest& request)>;

// Asks for a file name; empty when cancelled.
QString askFileName(QWidget* parent, const FileRequest& request);

// Replaces the asker (an empty function gives the file dialogs back).
void setFileAsker(FileAsker asker);

}  // namespace ordinax::shell
