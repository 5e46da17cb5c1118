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
#include <algorithm>
#include <charconv>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>

#include "qt/qsettings_store.h"
#include "shell/main_frame.h"
#include "shell/startup.h"
#include "shell/user_prompts.h"

namespace ordinax::shell {

namespace {

// Milliseconds since boot now, on the clock that /proc/<pid>/stat counts in.
double bootClockMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

// Reports the first frame the view draws, then ends the event loop. Installed
// only when the start-up time is measured, so an ordinary run pays nothing.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(std::chrono::steady_clock::time_point enteredMain) : enteredMain_(enteredMain) {
        std::ifstream stat("/proc/self/stat");
        const std::string text{std::istreambuf_iterator<char>(stat), std::istreambuf_iterator<char>()};
        startMs_ = processStartMs(text, sysconf(_SC_CLK_TCK));
    }

    bool eventFilter(QObject*, QEvent* event) override {
        // The paint is only complete once the handler and the flush to the window have run:
        // report from the next turn of the event loop.
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report() const {
        double elapsed = 0.0;
        if (startMs_) {
            elapsed = bootClockMs() - *startMs_;
        } else {
            // Without /proc the loading of the libraries before main() is not counted.
            elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - enteredMain_).count();
        }
        std::fprintf(stderr, "first paint after %.0f ms\n", elapsed);
        std::fflush(stderr);
        QCoreApplication::exit(0);
    }

    std::chrono::steady_clock::time_point enteredMain_;
    std::optional<double> startMs_;
    bool fired_ = false;
};

// Opens a diagram the way "Ouvrir..." does once the empty window has been
// drawn, then reports the time from the command to the frame that shows the
// diagram, and ends the event loop. Installed only when that time is measured.
class OpenProbe : public QObject {
public:
    OpenProbe(CMainFrame& frame, QString path) : frame_(frame), path_(std::move(path)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        if (state_ == State::WaitingForEmptyFrame) {
            state_ = State::Opening;
            QTimer::singleShot(0, this, [this] { open(); });
        } else if (state_ == State::WaitingForDiagram) {
            state_ = State::Done;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    enum class State { WaitingForEmptyFrame, Opening, WaitingForDiagram, Done };

    void open() {
        started_ = std::chrono::steady_clock::now();
        if (!frame_.openFile(path_)) {
            std::fprintf(stderr, "open probe: the diagram did not open\n");
            QCoreApplication::exit(1);
            return;
        }
        state_ = State::WaitingForDiagram;
        frame_.view().viewport()->update();
    }

    void report() const {
        const double elapsed =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_).count();
        std::fprintf(stderr, "diagram drawn after %.0f ms\n", elapsed);
        std::fflush(stderr);
        QCoreApplication::exit(0);
    }

    CMainFrame& frame_;
    QString path_;
    State state_ = State::WaitingForEmptyFrame;
    std::chrono::steady_clock::time_point started_;
};

bool probeRequested(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] != '\0' && std::string_view(value) != "0";
}

bool startupProbeRequested() { return probeRequested("ORDINAX_STARTUP_PROBE"); }

}  // namespace

std::optional<double> processStartMs(std::string_view statText, long ticksPerSecond) {
    // The command name (field 2) is in parentheses and may itself hold spaces and ')'.
    const std::size_t close = statText.rfind(')');
    if (close == std::string_view::npos || ticksPerSecond <= 0) return std::nullopt;
    std::string_view rest = statText.substr(close + 1);
    // Fields 3 onwards follow; the start time is field 22, the 20th of them.
    for (int field = 3; field <= 22; ++field) {
        const std::size_t begin = rest.find_first_not_of(' ');
        if (begin == std::string_view::npos) return std::nullopt;
        rest.remove_prefix(begin);
        const std::size_t end = std::min(rest.find(' '), rest.size());
        if (field == 22) {
            unsigned long long ticks = 0;
            const std::string_view digits = rest.substr(0, end);
            const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), ticks);
            if (ec != std::errc{} || ptr != digits.data() + digits.size() || digits.empty()) return std::nullopt;
            return static_cast<double>(ticks) * 1000.0 / static_cast<double>(ticksPerSecond);
        }
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

std::filesystem::path programFolder(const std::filesystem::path& executableFolder) {
    std::error_code ec;
    if (std::filesystem::exists(executableFolder / CatalogueFileName, ec)) return executableFolder;
    const std::filesystem::path shared = executableFolder / ".." / "share" / "ordinax";
    if (std::filesystem::exists(shared / CatalogueFileName, ec)) return shared.lexically_normal();
    return executableFolder;
}

int runApplication(int argc, char** argv) {
    // A save past the size limit of files fails with its message instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto enteredMain = std::chrono::steady_clock::now();
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
    frame.setCatalogue(std::move(state.catalogue));
    // Without a window manager (a bare X server) maximising does nothing: take the screen ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();

    bool opened = false;
    const QStringList files = parser.positionalArguments();
    std::unique_ptr<QObject> probe;
    if (probeRequested("ORDINAX_OPEN_PROBE") && !files.isEmpty()) {
        // The file is opened later, from the event loop, as the menu would.
        probe = std::make_unique<OpenProbe>(frame, files.first());
        opened = true;
    } else {
        if (!files.isEmpty()) opened = frame.openFile(files.first());
        // Watching starts after the open, so that the frame measured is the one with the diagram.
        if (startupProbeRequested()) probe = std::make_unique<FirstPaintProbe>(enteredMain);
    }
    if (probe) frame.view().viewport()->installEventFilter(probe.get());
    const bool restored = frame.offerRecovery();
    if (!opened && !restored && !parser.isSet(noWelcome))
        QTimer::singleShot(0, &frame, [&frame] { frame.showWelcome(); });

    const int code = QApplication::exec();
    store.flush();
    return code;
}

}  // namespace ordinax::shell
