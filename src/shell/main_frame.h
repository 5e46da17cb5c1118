// The main window: menus, tool bar and status bar built from the command
// table, one view of the one open diagram, the file commands, printing and
// pictures, the automatic save and the recovery copies, dropped files.
#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "numerics/catalogue.h"
#include "settings/preferences.h"
#include "settings/store.h"
#include "shell/command_table.h"
#include "shell/ordinax_doc.h"
#include "shell/ordinax_view.h"
#include "shell/print_support.h"
#include "shell/recovery_store.h"
#include "shell/user_prompts.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace ordinax::shell {

// Where the window keeps its files.
struct FrameFolders {
    std::filesystem::path recovery;  // the recovery copies
    std::string temp;                // parent of the undo folder
};

// Interval of the recovery copies, whatever the automatic save says.
inline constexpr int RecoveryIntervalMs = 60000;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(settings::SettingsStore& store, settings::Preferences& preferences, const FrameFolders& folders,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Replaces the dialogs that ask the user (tests answer in their place).
    void setPrompts(std::unique_ptr<UserPrompts> prompts);

    COrdinaxDoc& document() { return document_; }
    COrdinaxView& view() { return *view_; }
    UserPrompts& prompts() { return *prompts_; }
    settings::Preferences& preferences() { return preferences_; }
    settings::SettingsStore& store() { return store_; }

    // The regression catalogue read at start-up (empty until set).
    const numerics::Catalogue& catalogue() const { return catalogue_; }
    void setCatalogue(numerics::Catalogue catalogue) { catalogue_ = std::move(catalogue); }

    // Gives a command its handler; runCommand calls it, then redraws and
    // updates the command states. The dialogs of each menu group install
    // theirs (installDialogCommands).
    void setCommandHandler(CommandId id, std::function<void()> handler);
    QAction* action(CommandId id) const;
    QLabel* readoutPane() const { return readout_; }
    QTimer& autoSaveTimer() { return autoSave_; }
    QTimer& recoveryTimer() { return recoveryTimer_; }
    RecoveryStore& recovery() { return recovery_; }

    // Runs a menu command, then updates the view and the command states.
    void runCommand(CommandId id);

    // Opens a diagram file after asking to save the current one; true when opened.
    bool openFile(const QString& path);

    // Offers the recovery copies found at start; true when one was restored.
    bool offerRecovery();

    // Enables, disables and checks every command from the current state.
    void updateCommands();

    // Writes the recovery copy of a modified diagram (timer tick, risky operations).
    void writeRecoveryCopy();

    // The automatic-save tick: saves a diagram that has a file name.
    void autoSaveTick();

    // Shows the welcome screen and carries out its choice.
    void showWelcome();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildCommands();
    QMenu* menuFor(std::string_view path);
    void updateTitle();
    void updateRecentMenu();
    void afterDocumentChange();

    // File commands (frame_commands.cpp).
    bool confirmDiscard();
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    void newDiagram();
    void chooseAndOpen();
    void exportPicture();
    void copyPicture();
    void printSetup();
    void printPreview();
    // The page codes and the ThinFrame preference of a printed page.
    PrintContext printContext() const;
    void print();
    void autoScales();
    void moveSelectedTag(bool raise);
    void deleteAllOf(CommandId id);
    void takePointColour(quint32 colour);
    void setDisplayMode(int mode);
    void setPrintLanguage(int language);
    void toggleBeep();
    std::string now() const;

    settings::SettingsStore& store_;
    settings::Preferences& preferences_;
    COrdinaxDoc document_;
    RecoveryStore recovery_;
    std::unique_ptr<UserPrompts> prompts_;
    COrdinaxView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* readout_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentAnchor_ = nullptr;  // the recent files go above this separator
    std::vector<QAction*> recentActions_;
    std::map<std::string, QMenu*, std::less<>> menus_;
    std::map<CommandId, QAction*> actions_;
    std::map<CommandId, std::function<void()>> handlers_;
    numerics::Catalogue catalogue_;
    QTimer autoSave_;
    QTimer recoveryTimer_;
    bool shownOnce_ = false;
    ExportSettings exportSettings_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace ordinax::shell
