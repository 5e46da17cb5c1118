// The limited runner of ordinax-cli for the reliability tests.
#include "cli/limited_run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace ordinax::cli::test {

namespace {

std::vector<char*> argvOf(std::vector<std::string>& text) {
    std::vector<char*> argv;
    for (std::string& arg : text) argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}

void prepareChild(const std::string& folder) {
    if (chdir(folder.c_str()) != 0) _exit(126);
    const std::string config = folder + "/config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A home every user may write in: a child running as "nobody" keeps its
    // font caches there instead of complaining on standard error.
    const std::string home = folder + "/home";
    mkdir(home.c_str(), 0777);
    chmod(home.c_str(), 0777);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
}

}  // namespace

void feedForever(int fd, const std::string& line) {
    std::string block;
    while (block.size() < 65536) block += line;
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

LimitedRun runLimited(const std::vector<std::string>& args, const std::string& folder, const RunOptions& options) {
    // A feeder learns that the child left from a failed write, not from a signal.
    const auto previousPipe = std::signal(SIGPIPE, SIG_IGN);
    int outPipe[2];
    int errPipe[2];
    int inPipe[2] = {-1, -1};
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (options.feeder && pipe2(inPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    std::vector<std::string> text{ORDINAX_CLI_PATH};
    text.insert(text.end(), args.begin(), args.end());
    std::vector<char*> argv = argvOf(text);

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        // A FIFO given as standard input is opened without waiting for a writer.
        const int in = options.feeder ? inPipe[0]
                                      : ::open(options.stdinFile.empty() ? "/dev/null" : options.stdinFile.c_str(),
                                               O_RDONLY | O_NONBLOCK);
        if (!options.feeder) fcntl(in, F_SETFL, fcntl(in, F_GETFL) & ~O_NONBLOCK);
        dup2(in, STDIN_FILENO);
        prepareChild(folder);
        document::test::applyChildLimits(options.limits);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    std::thread feeder;
    if (options.feeder) {
        close(inPipe[0]);
        feeder = std::thread(options.feeder, inPipe[1]);
    }

    LimitedRun run;
    std::array<pollfd, 2> fds = {{{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}};
    std::array<std::string*, 2> sinks = {&run.result.out, &run.result.err};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeoutSeconds);
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (poll(fds.data(), fds.size(), static_cast<int>(left.count())) < 0 && errno != EINTR) break;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& p : fds)
        if (p.fd >= 0) close(p.fd);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (feeder.joinable()) feeder.join();
    std::signal(SIGPIPE, previousPipe);
    run.maxResidentKb = usage.ru_maxrss;
    if (WIFEXITED(status)) run.result.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status)) run.result.status = 128 + WTERMSIG(status);
    return run;
}

pid_t startCli(const std::vector<std::string>& args, const std::string& folder) {
    std::vector<std::string> text{ORDINAX_CLI_PATH};
    text.insert(text.end(), args.begin(), args.end());
    std::vector<char*> argv = argvOf(text);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        prepareChild(folder);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

}  // namespace ordinax::cli::test
