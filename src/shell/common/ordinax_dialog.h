// The base of the application's dialogs. A dialog's layout comes from its
// .ui file; after building it the dialog calls finishSetup(), which names the
// controls for screen readers from their labels, sends the refusals of the
// numeric fields to the prompts, and puts the dialog back where the user
// left it (for the dialogs whose placement is remembered). F1 opens the
// dialog's page of the manual.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

namespace ordinax::settings {
class SettingsStore;
}

namespace ordinax::shell {

class UserPrompts;

class OrdinaxDialog : public QDialog {
    Q_OBJECT

public:
    OrdinaxDialog(UserPrompts& prompts, QWidget* parent = nullptr);

    // Remembers the dialog's placement in "WindowPos" under `key` ("SymbolDlg", ...).
    void rememberPlacement(settings::SettingsStore& store, std::string key);

    // The page of the manual that F1 opens for this dialog.
    void setHelpTopic(const QString& topic) { helpTopic_ = topic; }
    const QString& helpTopic() const { return helpTopic_; }

    UserPrompts& prompts() { return prompts_; }

protected:
    // Call once the controls exist (after setupUi and any controls added in code).
    void finishSetup();

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    UserPrompts& prompts_;
    settings::SettingsStore* placementStore_ = nullptr;
    std::string placementKey_;
    bool placed_ = false;
    QString helpTopic_;
};

}  // namespace ordinax::shell
