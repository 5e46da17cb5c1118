// The about box and the welcome screen shown at start and by "&Ecran d'accueil".
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace ordinax::shell {

// Shows the about box of the application.
void showAboutBox(QWidget* parent);

// The welcome screen: start a new diagram, open one, or reopen a recent file.
class WelcomeDialog : public QDialog {
    Q_OBJECT

public:
    enum Choice { None, NewDiagram, OpenDiagram, RecentFile };

    WelcomeDialog(const QStringList& recentFiles, QWidget* parent = nullptr);

    Choice choice() const { return choice_; }
    // The recent file chosen (UTF-8 path as a QString).
    QString recentFile() const { return recent_; }

private:
    void choose(Choice choice);

    QListWidget* list_;
    Choice choice_ = None;
    QString recent_;
};

}  // namespace ordinax::shell
