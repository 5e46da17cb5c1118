// "   Explorateur de fichiers Ordinax": the drives of the chosen kinds are
// scanned on a worker thread for folders holding diagram files (progress, a
// stop button and Escape); the tree shows the folders kept with their counts,
// the list the diagrams of the selected folder; "&Ouvrir le fichier" gives
// the file to open.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "explorer/drives.h"
#include "explorer/folder_scan.h"
#include "shell/common/ordinax_dialog.h"
#include "shell/data/background_task.h"

class QStandardItem;
class QStandardItemModel;
class QStringListModel;

namespace Ui {
class ExplorerDialog;
}

namespace ordinax::settings {
struct Preferences;
class SettingsStore;
}  // namespace ordinax::settings

namespace ordinax::shell {

// The drives of the machine (tests give their own folders).
using DriveProvider = std::function<std::vector<explorer::Drive>()>;
void setDriveProvider(DriveProvider provider);
std::vector<explorer::Drive> machineDrives();

class ExplorerDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `lastOpened` is the diagram last opened (its folder and file are preselected).
    ExplorerDialog(UserPrompts& prompts, settings::Preferences& preferences, settings::SettingsStore& store,
                   const QString& lastOpened, QWidget* parent = nullptr);
    ~ExplorerDialog() override;

    // The file chosen by "&Ouvrir le fichier".
    const QString& chosenFile() const { return chosen_; }
    BackgroundTask& task() { return task_; }
    QString statusText() const;
    QStandardItemModel& folders() { return *folderModel_; }
    QStringList files() const;

    // Starts a scan with the switches of the check boxes; false (and the
    // dialog closes) when no drive can be scanned.
    bool startScan();
    // Selects the folder `path` in the tree; false when it is not there.
    bool selectFolder(const QString& path);

    // Stops a running scan first.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void scanFinished(bool stopped);
    void folderSelected();
    void openChosen();
    void rescan();
    void updateEnabling();
    QStandardItem* addFolder(QStandardItem* parent, const explorer::FolderNode& node, bool drive,
                             explorer::DriveKind kind);

    std::unique_ptr<Ui::ExplorerDialog> ui_;
    settings::Preferences& preferences_;
    settings::SettingsStore& store_;
    QString lastOpened_;
    QString chosen_;
    QStandardItemModel* folderModel_ = nullptr;
    QStringListModel* fileModel_ = nullptr;
    BackgroundTask task_;
    std::vector<explorer::Drive> scanning_;
    std::shared_ptr<std::vector<explorer::FolderNode>> found_;
    bool started_ = false;
};

}  // namespace ordinax::shell
