// The main window: construction, menus and tool bar, command states, window events.
#include "shell/main_frame.h"

#include <unistd.h>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "base/strings.h"
#include "base/strings_data.h"
#include "base/strings_presentation.h"
#include "base/strings_shell.h"
#include "document/label_choices.h"
#include "shell/acquisition/acquisition_commands.h"
#include "shell/data/data_commands.h"
#include "shell/data/dropped_files.h"
#include "shell/dialog_commands.h"
#include "shell/icons/command_icons.h"
#include "shell/startup.h"

namespace ordinax::shell {

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

CMainFrame::CMainFrame(settings::SettingsStore& store, settings::Preferences& preferences, const FrameFolders& folders,
                       QWidget* parent)
    : QMainWindow(parent),
      store_(store),
      preferences_(preferences),
      document_(preferences.diagram, folders.temp),
      recovery_(folders.recovery, ::getpid()),
      prompts_(std::make_unique<UserPrompts>(this)) {
    prompts_->setBeep(preferences_.beep != 0);
    view_ = new COrdinaxView(document_, this);
    view_->setSimpleShadow(preferences_.simpleShadow != 0);
    setCentralWidget(view_);
    readout_ = new QLabel(this);
    readout_->setMinimumWidth(320);
    readout_->setAccessibleName(QStringLiteral("Position de la souris"));
    statusBar()->addWidget(readout_);
    statusBar()->setAccessibleName(QString::fromUtf8(base::messageText(base::MsgViewStatusBar).data()));
    // The corner grip of the status bar has no text of its own.
    statusBar()->setSizeGripEnabled(false);
    menuBar()->setAccessibleName(QStringLiteral("Barre de menus"));
    connect(view_, &COrdinaxView::readoutChanged, readout_, &QLabel::setText);
    view_->setActionLookup([this](CommandId id) { return action(id); });
    // What the mouse selects or moves changes what the commands can do.
    connect(view_, &COrdinaxView::selectionChanged, this, &CMainFrame::updateCommands);
    connect(view_, &COrdinaxView::diagramChanged, this, &CMainFrame::updateCommands);
    connect(view_, &COrdinaxView::pointColourTaken, this, &CMainFrame::takePointColour);
    connect(view_, &COrdinaxView::statusMessage, this, [this](const QString& text, int timeoutMs) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text, timeoutMs);
    });
    buildCommands();
    installDialogCommands(*this);
    setAcceptDrops(true);
    resize(1200, 800);

    connect(&autoSave_, &QTimer::timeout, this, &CMainFrame::autoSaveTick);
    recoveryTimer_.setInterval(RecoveryIntervalMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &CMainFrame::writeRecoveryCopy);
    recoveryTimer_.start();

    updateRecentMenu();
    updateTitle();
    updateCommands();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::setPrompts(std::unique_ptr<UserPrompts> prompts) {
    prompts_ = std::move(prompts);
    prompts_->setParent(this);
    prompts_->setBeep(preferences_.beep != 0);
}

void CMainFrame::setCommandHandler(CommandId id, std::function<void()> handler) {
    handlers_[id] = std::move(handler);
}

QAction* CMainFrame::action(CommandId id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CMainFrame::menuFor(std::string_view path) {
    if (const auto it = menus_.find(path); it != menus_.end()) return it->second;
    QMenu* menu = nullptr;
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        menu = menuBar()->addMenu(qtText(path));
    } else {
        menu = menuFor(path.substr(0, slash))->addMenu(qtText(path.substr(slash + 1)));
    }
    // Disabled commands explain themselves in a tooltip.
    menu->setToolTipsVisible(true);
    menus_.emplace(std::string(path), menu);
    return menu;
}

void CMainFrame::buildCommands() {
    chooseIconTheme();
    toolBar_ = addToolBar(QStringLiteral("Barre d'outils"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    // The button that shows the commands a narrow window cannot hold has no text of its own.
    if (auto* more = toolBar_->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("Autres commandes de la barre d'outils"));
    auto* modes = new QActionGroup(this);
    auto* languages = new QActionGroup(this);
    auto* curves = new QActionGroup(this);
    const QString later = qtText(base::messageText(base::MsgShellNotYetAvailable));
    CommandId previousToolBarCommand = CommandId::FileNew;
    bool firstOnToolBar = true;
    for (const CommandEntry& entry : commandTable()) {
        QMenu* menu = menuFor(entry.menu);
        if (entry.separatorBefore) menu->addSeparator();
        if (entry.id == CommandId::FileQuit) {
            fileMenu_ = menu;
            recentAnchor_ = menu->addSeparator();
        }
        auto* act = new QAction(qtText(entry.label), this);
        if (!entry.accelerator.empty()) act->setShortcut(QKeySequence(qtText(entry.accelerator)));
        const QString plain = QString(act->text()).remove(QLatin1Char('&'));
        act->setToolTip(plain);
        act->setStatusTip(plain);
        if (entry.availability == Availability::Later) {
            act->setToolTip(plain + QStringLiteral(" : ") + later);
            act->setStatusTip(later);
        }
        if (entry.check != CheckRule::None) act->setCheckable(true);
        if (entry.check == CheckRule::DisplayMode) modes->addAction(act);
        if (entry.check == CheckRule::PrintLanguage) languages->addAction(act);
        if (entry.check == CheckRule::AllCurves || entry.check == CheckRule::SelectedCurve) curves->addAction(act);
        menu->addAction(act);
        if (entry.toolBar) {
            // Groups of the tool bar follow the menus.
            if (!firstOnToolBar && commandEntry(previousToolBarCommand).menu != entry.menu) toolBar_->addSeparator();
            act->setIcon(commandIcon(entry.id));
            toolBar_->addAction(act);
            previousToolBarCommand = entry.id;
            firstOnToolBar = false;
        }
        const CommandId id = entry.id;
        connect(act, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[id] = act;
    }
}

void CMainFrame::updateCommands() {
    CommandContext context;
    context.displayMode = document_.diagram().displayMode;
    context.canUndo = document_.canUndo();
    context.canRedo = document_.canRedo();
    context.tagSelected = view_->selectedTag() >= 0;
    context.curveCount = document_.diagram().curveCount();
    context.selectedCurve = document_.selectedCurve();
    const document::Diagram& diagram = document_.diagram();
    context.labelCount = static_cast<int>(document::shownLabelSlots(diagram).size());
    context.legendShown = diagram.labels[document::LegendSlot].placement >= 0;
    context.tagCount = static_cast<int>(document::tagsShown(diagram).size());
    for (const CommandEntry& entry : commandTable()) {
        QAction* act = actions_.at(entry.id);
        act->setEnabled(shell::isEnabled(entry, context));
        switch (entry.check) {
            case CheckRule::None:
                break;
            case CheckRule::DisplayMode:
                act->setChecked(context.displayMode == entry.checkValue);
                break;
            case CheckRule::PrintLanguage:
                act->setChecked(preferences_.reportLanguage == entry.checkValue);
                break;
            case CheckRule::Beep:
                act->setChecked(preferences_.beep != 0);
                break;
            case CheckRule::AllCurves:
                act->setChecked(view_->shownCurve() < 0);
                break;
            case CheckRule::SelectedCurve:
                act->setChecked(view_->shownCurve() >= 0);
                break;
            case CheckRule::ToolBar:
                act->setChecked(!toolBar_->isHidden());
                break;
            case CheckRule::StatusBar:
                act->setChecked(!statusBar()->isHidden());
                break;
        }
    }
    updateTitle();
}

void CMainFrame::updateTitle() {
    const std::string name = document_.fileName();
    setWindowTitle((name.empty() ? QStringLiteral("Sans nom") : QString::fromStdString(name)) +
                   QStringLiteral("[*] - Ordinax"));
    setWindowModified(document_.isModified());
}

void CMainFrame::updateRecentMenu() {
    for (QAction* act : recentActions_) {
        fileMenu_->removeAction(act);
        act->deleteLater();
    }
    recentActions_.clear();
    int number = 1;
    for (const std::string& path : recentFiles(preferences_)) {
        const QString file = QString::fromStdString(path);
        auto* act = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(file).fileName()), this);
        act->setToolTip(file);
        act->setStatusTip(file);
        connect(act, &QAction::triggered, this, [this, file] { openFile(file); });
        fileMenu_->insertAction(recentAnchor_, act);
        recentActions_.push_back(act);
    }
}

void CMainFrame::afterDocumentChange() {
    view_->refresh();
    updateCommands();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (preferences_.autoSave != 0 && preferences_.timeSave > 0) {
        autoSave_.setInterval(preferences_.timeSave * 60000);
        autoSave_.start();
    }
}

void CMainFrame::autoSaveTick() {
    // A diagram without a file name is only kept as a recovery copy: asking
    // for a name every few minutes would interrupt the user.
    writeRecoveryCopy();
    if (document_.path().empty()) return;
    QMetaObject::invokeMethod(
        this, [this] { runCommand(CommandId::FileSave); }, Qt::QueuedConnection);
}

void CMainFrame::writeRecoveryCopy() {
    if (!document_.isModified()) return;
    const base::Message failed = recovery_.write(document_.diagram(), document_.path(), now());
    if (!failed.empty()) statusBar()->showMessage(QString::fromStdString(failed.text), 10000);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!confirmDiscard()) {
        event->ignore();
        return;
    }
    settings::writeApplicationOptions(preferences_, store_);
    settings::writeRecentFiles(preferences_, store_);
    event->accept();
}

namespace {

std::vector<std::string> droppedPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    // Any local file is taken: a file of no known kind is explained on the
    // drop rather than refused without a word. A picture dragged from another
    // program may come as the image itself.
    if (chooseDroppedFile(droppedPaths(event->mimeData())) || event->mimeData()->hasImage())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    const std::optional<DroppedChoice> choice = chooseDroppedFile(droppedPaths(data));
    if (!choice && data->hasImage()) {
        event->acceptProposedAction();
        const QImage image = qvariant_cast<QImage>(data->imageData());
        // The dialogs open once the drop is over: the program the drag came from waits for its end.
        QTimer::singleShot(0, this, [this, image] {
            runPictureAcquisitionOfImage(*this, image);
            afterDocumentChange();
        });
        return;
    }
    if (!choice) return;
    event->acceptProposedAction();
    const QString path = QString::fromStdString(choice->path);
    switch (choice->kind) {
        case DroppedKind::Diagram:
            openFile(path);
            return;
        case DroppedKind::Data:
            QTimer::singleShot(0, this, [this, path] {
                runTextImport(*this, -1, path);
                afterDocumentChange();
            });
            return;
        case DroppedKind::Picture:
            QTimer::singleShot(0, this, [this, path] {
                runPictureAcquisition(*this, path);
                afterDocumentChange();
            });
            return;
        case DroppedKind::Unknown:
            prompts_->show(base::makeMessage(base::MsgDropUnknown, base::Heading::Error, choice->path));
            return;
    }
}

}  // namespace ordinax::shell
