// "   Explorateur de fichiers Ordinax".
#include "shell/explorer/explorer_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>

#include "base/strings.h"
#include "base/strings_data.h"
#include "settings/preferences.h"
#include "shell/user_prompts.h"
#include "ui_explorer_dialog.h"

namespace ordinax::shell {

using explorer::Drive;
using explorer::DriveKind;
using explorer::FolderNode;

namespace {

constexpr int PathRole = Qt::UserRole + 1;

DriveProvider& provider() {
    static DriveProvider value;
    return value;
}

QString text(int id, const QString& argument = {}) {
    return QString::fromStdString(base::makeMessage(id, base::Heading::None, argument.toStdString()).text);
}

QString driveText(const Drive& drive) {
    const QString root = QString::fromStdString(drive.root);
    switch (drive.kind) {
        case DriveKind::Removable: return text(base::MsgExplorerRemovable, root);
        case DriveKind::Fixed: return text(base::MsgExplorerDrive, root);
        case DriveKind::Network: return text(base::MsgExplorerNetwork, root);
        case DriveKind::Cdrom: return text(base::MsgExplorerCdrom, root);
    }
    return root;
}

QStyle::StandardPixmap driveIcon(DriveKind kind) {
    switch (kind) {
        case DriveKind::Removable: return QStyle::SP_DriveFDIcon;
        case DriveKind::Fixed: return QStyle::SP_DriveHDIcon;
        case DriveKind::Network: return QStyle::SP_DriveNetIcon;
        case DriveKind::Cdrom: return QStyle::SP_DriveCDIcon;
    }
    return QStyle::SP_DriveHDIcon;
}

int countFolders(const FolderNode& node) {
    int n = 0;
    for (const FolderNode& child : node.children) n += 1 + countFolders(child);
    return n;
}

}  // namespace

void setDriveProvider(DriveProvider value) {
    provider() = std::move(value);
}

std::vector<Drive> machineDrives() {
    if (provider()) return provider()();
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    QByteArray table;
    if (mounts.open(QIODevice::ReadOnly)) table = mounts.readAll();
    return explorer::drivesFromMounts(std::string_view(table.constData(), std::size_t(table.size())),
                                      QDir::homePath().toStdString());
}

ExplorerDialog::ExplorerDialog(UserPrompts& prompts, settings::Preferences& preferences,
                               settings::SettingsStore& store, const QString& lastOpened, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      ui_(std::make_unique<Ui::ExplorerDialog>()),
      preferences_(preferences),
      store_(store),
      lastOpened_(lastOpened) {
    ui_->setupUi(this);
    setHelpTopic(QStringLiteral("explorateur"));
    ui_->removableCheck->setChecked(preferences_.scanFloppy != 0);
    ui_->fixedCheck->setChecked(preferences_.scanFixe != 0);
    ui_->cdromCheck->setChecked(preferences_.scanCdrom != 0);
    ui_->networkCheck->setChecked(preferences_.scanNetwork != 0);
    // A switch changed takes effect at the next exploration.
    connect(ui_->removableCheck, &QCheckBox::toggled, this, [this](bool on) { preferences_.scanFloppy = on; });
    connect(ui_->fixedCheck, &QCheckBox::toggled, this, [this](bool on) { preferences_.scanFixe = on; });
    connect(ui_->cdromCheck, &QCheckBox::toggled, this, [this](bool on) { preferences_.scanCdrom = on; });
    connect(ui_->networkCheck, &QCheckBox::toggled, this, [this](bool on) { preferences_.scanNetwork = on; });

    // Enter opens the file chosen; no other button takes it.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
    ui_->openButton->setDefault(true);

    folderModel_ = new QStandardItemModel(this);
    ui_->folderTree->setModel(folderModel_);
    fileModel_ = new QStringListModel(this);
    ui_->fileList->setModel(fileModel_);
    connect(ui_->folderTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ExplorerDialog::folderSelected);
    connect(ui_->fileList, &QListView::activated, this, &ExplorerDialog::openChosen);
    connect(ui_->openButton, &QPushButton::clicked, this, &ExplorerDialog::openChosen);
    connect(ui_->rescanButton, &QPushButton::clicked, this, &ExplorerDialog::rescan);
    connect(ui_->quitButton, &QPushButton::clicked, this, &ExplorerDialog::reject);
    connect(ui_->stopButton, &QPushButton::clicked, &task_, &BackgroundTask::stop);
    connect(&task_, &BackgroundTask::progress, this, [this](const QString& status, int) {
        if (!task_.running()) return;
        ui_->statusLine->setText(status);
        ui_->statusLine->setToolTip(status);
    });
    connect(&task_, &BackgroundTask::finished, this, &ExplorerDialog::scanFinished);
    updateEnabling();
    finishSetup();
}

ExplorerDialog::~ExplorerDialog() = default;

QString ExplorerDialog::statusText() const {
    return ui_->statusLine->text();
}

QStringList ExplorerDialog::files() const {
    return fileModel_->stringList();
}

void ExplorerDialog::showEvent(QShowEvent* event) {
    OrdinaxDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    // The window shows first; the scan follows from the event loop.
    QTimer::singleShot(0, this, [this] { startScan(); });
}

bool ExplorerDialog::startScan() {
    if (task_.running()) return true;
    const explorer::DriveSwitches switches{preferences_.scanFloppy != 0, preferences_.scanFixe != 0,
                                           preferences_.scanCdrom != 0, preferences_.scanNetwork != 0};
    scanning_.clear();
    for (const Drive& drive : machineDrives())
        if (switches.scans(drive.kind) && QFileInfo(QString::fromStdString(drive.root)).isDir())
            scanning_.push_back(drive);
    if (scanning_.empty()) {
        prompts().show(base::makeMessage(base::MsgExplorerNoDrive, base::Heading::Error));
        OrdinaxDialog::reject();
        return false;
    }
    folderModel_->clear();
    fileModel_->setStringList({});
    explorer::ScanOptions options;
    // The temporary folder and the program's own folders of this user (its
    // settings, its recovery copies) hold no diagram of the user's.
    options.skippedFolders = {
        QDir::tempPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
        (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Vantoris"))
            .toStdString()};
    for (const Drive& d : scanning_) options.otherRoots.push_back(d.root);
    auto found = std::make_shared<std::vector<FolderNode>>();
    found_ = found;
    const std::vector<Drive> drives = scanning_;
    const QString scanning = text(base::MsgExplorerScanning);
    const QString escape = text(base::MsgExplorerEscape);
    task_.start([=](const std::atomic<bool>& stop, const ProgressReport& report) {
        for (const Drive& drive : drives) {
            if (stop) break;
            explorer::ScanOptions own = options;
            std::erase(own.otherRoots, drive.root);
            const QString heading = scanning + QLatin1Char(' ') + QString::fromStdString(drive.root);
            found->push_back(explorer::scanDrive(drive, own, stop, [&](const std::string& folder, long long walked) {
                // The folder comes last: a long path is what the line cuts off.
                report(QStringLiteral("%1 (%2 dossiers)  %3  %4")
                           .arg(heading)
                           .arg(walked)
                           .arg(escape, QString::fromStdString(folder)),
                       -1);
            }));
        }
    });
    ui_->statusLine->setText(scanning + QLatin1Char(' ') + QString::fromStdString(drives.front().root) +
                             QStringLiteral("  ") + escape);
    updateEnabling();
    return true;
}

QStandardItem* ExplorerDialog::addFolder(QStandardItem* parent, const FolderNode& node, bool drive, DriveKind kind) {
    const QString name = drive ? driveText({node.path, kind}) : QString::fromStdString(node.name);
    auto* item = new QStandardItem(QStringLiteral("%1 (%2)").arg(name).arg(node.total));
    item->setIcon(style()->standardIcon(drive ? driveIcon(kind) : QStyle::SP_DirIcon));
    item->setData(QString::fromStdString(node.path), PathRole);
    item->setToolTip(QString::fromStdString(node.path));
    item->setEditable(false);
    parent->appendRow(item);
    for (const FolderNode& child : node.children) addFolder(item, child, false, kind);
    return item;
}

void ExplorerDialog::scanFinished(bool stopped) {
    const std::shared_ptr<std::vector<FolderNode>> found = std::move(found_);
    auto* root = new QStandardItem(text(base::MsgExplorerRoot));
    root->setIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    root->setEditable(false);
    folderModel_->appendRow(root);
    int folders = 0, diagrams = 0;
    for (std::size_t i = 0; found && i < found->size(); ++i) {
        const FolderNode& node = (*found)[i];
        addFolder(root, node, true, scanning_[i].kind);
        folders += countFolders(node);
        diagrams += node.total;
    }
    ui_->folderTree->expand(root->index());
    if (stopped) {
        ui_->statusLine->setText(text(base::MsgExplorerStopped));
    } else {
        ui_->statusLine->setText(text(base::MsgExplorerDone, QStringLiteral("%1 dossier%2, %3 diagramme%4")
                                                                 .arg(folders)
                                                                 .arg(folders > 1 ? "s" : "")
                                                                 .arg(diagrams)
                                                                 .arg(diagrams > 1 ? "s" : "")));
    }
    updateEnabling();
    // The folder of the diagram opened last is where the user likely goes.
    if (lastOpened_.isEmpty() || !selectFolder(QFileInfo(lastOpened_).absolutePath()))
        ui_->folderTree->setCurrentIndex(root->index());
    ui_->folderTree->setFocus();
}

bool ExplorerDialog::selectFolder(const QString& path) {
    const QModelIndexList hits = folderModel_->match(folderModel_->index(0, 0), PathRole, path, 1,
                                                     Qt::MatchExactly | Qt::MatchRecursive);
    if (hits.isEmpty()) return false;
    ui_->folderTree->setCurrentIndex(hits.front());
    ui_->folderTree->scrollTo(hits.front());
    return true;
}

void ExplorerDialog::folderSelected() {
    const QString folder = ui_->folderTree->currentIndex().data(PathRole).toString();
    QStringList names;
    if (!folder.isEmpty())
        for (const std::string& name : explorer::diagramFilesIn(folder.toStdString()))
            names << QString::fromStdString(name);
    fileModel_->setStringList(names);
    int row = 0;
    if (!lastOpened_.isEmpty() && QFileInfo(lastOpened_).absolutePath() == folder)
        row = std::max<qsizetype>(0, names.indexOf(QFileInfo(lastOpened_).fileName()));
    if (!names.isEmpty()) ui_->fileList->setCurrentIndex(fileModel_->index(int(row)));
    updateEnabling();
}

void ExplorerDialog::openChosen() {
    const QString folder = ui_->folderTree->currentIndex().data(PathRole).toString();
    const QModelIndex file = ui_->fileList->currentIndex();
    if (folder.isEmpty() || !file.isValid()) return;
    chosen_ = QDir(folder).filePath(file.data().toString());
    accept();
}

void ExplorerDialog::rescan() {
    store_.writeInt("Preference", "ScanFloppy", preferences_.scanFloppy);
    store_.writeInt("Preference", "ScanFixe", preferences_.scanFixe);
    store_.writeInt("Preference", "ScanCDROM", preferences_.scanCdrom);
    store_.writeInt("Preference", "ScanNetwork", preferences_.scanNetwork);
    startScan();
}

void ExplorerDialog::updateEnabling() {
    const bool idle = !task_.running();
    ui_->progressBar->setVisible(!idle);
    ui_->stopButton->setVisible(!idle);
    ui_->rescanButton->setEnabled(idle);
    ui_->drivesBox->setEnabled(idle);
    ui_->fileList->setEnabled(idle && fileModel_->rowCount() > 0);
    ui_->openButton->setEnabled(idle && fileModel_->rowCount() > 0);
}

void ExplorerDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && task_.running()) {
        task_.stop();
        event->accept();
        return;
    }
    OrdinaxDialog::keyPressEvent(event);
}

void ExplorerDialog::reject() {
    if (task_.running()) {
        task_.stop();
        task_.waitForFinished();
    }
    OrdinaxDialog::reject();
}

}  // namespace ordinax::shell
