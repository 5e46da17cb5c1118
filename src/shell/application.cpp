// The application object and the start-up of the window.
#include "shell/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <memory>

#include "qt/qsettings_store.h"
#include "shell/main_frame.h"
#include "shell/startup.h"
#include "shell/user_prompts.h"

namespace ordinax::shell {

std::filesystem::path programFolder(const std::filesystem::path& executableFolder) {
    std::error_code ec;
    if (std::filesystem::exists(executableFolder / CatalogueFileName, ec)) return executableFolder;
    const std::filesystem::path shared = executableFolder / ".." / "share" / "ordinax";
    if (std::filesystem::exists(shared / CatalogueFileName, ec)) return shared.lexically_normal();
    return executableFolder;
}

int runApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantoris"));
    QApplication::setApplicationName(QStringLiteral("Ordinax"));
    QApplication::setApplicationVersion(QStringLiteral("6.0"));
    // Qt adopts the user's locale, which would write and read numbers as "1,5".
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    // Qt's own dialogs (file, print, colour) in French.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ordinax : tracé et analyse de courbes XY"));
    parser.addHelpOption();
    const QCommandLineOption iniOption(QStringLiteral("settings"),
                                       QStringLiteral("Réglages lus et écrits dans ce fichier INI."),
                                       QStringLiteral("fichier"));
    const QCommandLineOption noWelcome(QStringLiteral("no-welcome"), QStringLiteral("Sans écran d'accueil."));
    parser.addOption(iniOption);
    parser.addOption(noWelcome);
    parser.addPositionalArgument(QStringLiteral("diagramme"), QStringLiteral("Diagramme .orx à ouvrir."));
    parser.process(application);

    qt::QSettingsStore store = parser.isSet(iniOption)
                                   ? qt::QSettingsStore::iniFile(parser.value(iniOption).toStdString())
                                   : qt::QSettingsStore::userStore();
    StartupEnvironment environment;
    environment.programFolder = programFolder(QCoreApplication::applicationDirPath().toStdString());
    environment.home = QDir::homePath().toStdString();
    environment.tempFolder = QDir::tempPath().toStdString();
    StartupResult started = startApplication(store, environment);
    UserPrompts prompts;
    if (!started.state) {
        prompts.show(started.fatal);
        return 1;
    }
    StartupState& state = *started.state;
    for (const base::Message& notice : state.notices) prompts.show(notice);

    FrameFolders folders;
    folders.recovery =
        std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) /
        "recovery";
    folders.temp = environment.tempFolder.string();
    CMainFrame frame(store, state.preferences, folders);
    // Without a window manager (a bare X server) maximising does nothing: take the screen ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();

    bool opened = false;
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) opened = frame.openFile(files.first());
    const bool restored = frame.offerRecovery();
    if (!opened && !restored && !parser.isSet(noWelcome))
        QTimer::singleShot(0, &frame, [&frame] { frame.showWelcome(); });

    const int code = QApplication::exec();
    store.flush();
    return code;
}

}  // namespace ordinax::shell
