// The help commands and the dialogs' F1.
#include "shell/help/help_commands.h"

#include <QApplication>
#include <QDir>
#include <QPointer>

#include "base/strings.h"
#include "base/strings_data.h"
#include "shell/common/help_opener.h"
#include "shell/help/help_window.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

namespace {

QPointer<HelpWindow>& shownWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

QString helpFolder(CMainFrame& frame) {
    return QDir(QString::fromStdString(frame.preferences().install)).filePath(QStringLiteral("help"));
}

HelpWindow* openHelp(CMainFrame& frame, const QString& topic) {
    const QString folder = helpFolder(frame);
    if (helpPagePath(folder, topic).isEmpty()) {
        frame.prompts().show(
            base::makeMessage(base::MsgHelpMissing, base::Heading::Error, folder.toStdString()));
        return nullptr;
    }
    // A modal dialog blocks every other window but its own children: the
    // manual asked from a dialog belongs to that dialog while it is open.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = &frame;
    QPointer<HelpWindow>& window = shownWindow();
    if (!window) {
        window = new HelpWindow(folder, owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else if (window->parentWidget() != owner) {
        const QRect place = window->geometry();
        window->setParent(owner, window->windowFlags());
        window->setGeometry(place);
    }
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void installHelpCommands(CMainFrame& frame) {
    frame.setCommandHandler(CommandId::HelpTopics, [&frame] { openHelp(frame, QString()); });
    frame.setCommandHandler(CommandId::HelpUsingHelp, [&frame] { openHelp(frame, QStringLiteral("utilisation")); });
    // The opener outlives no window: a frame gone leaves F1 doing nothing.
    setHelpOpener([window = QPointer<CMainFrame>(&frame)](const QString& topic) {
        if (window) openHelp(*window, topic);
    });
}

}  // namespace ordinax::shell
