// Child-process runner for the command-line tests: fork, exec, and both
// output pipes drained together so that a large dump cannot block the child.
#include "cli/cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ordinax::cli::test {

namespace {

void drain(int outFd, int errFd, std::string& out, std::string& err) {
    std::array<pollfd, 2> fds = {{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
    std::array<std::string*, 2> sinks = {&out, &err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
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
}

}  // namespace

namespace {

// Runs `argvText` (a path as its first word) in `folder`; with
// `cliOnPath` the folder of the built ordinax-cli comes first on PATH.
RunResult runProcess(std::vector<std::string> argvText, const std::filesystem::path& folder, bool cliOnPath) {
    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const std::string configFolder = (folder / "config").string();

    std::string path = std::filesystem::path(ORDINAX_CLI_PATH).parent_path().string();
    if (const char* inherited = std::getenv("PATH")) path += std::string(":") + inherited;
    std::vector<char*> argv;
    for (std::string& arg : argvText) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        if (chdir(folder.c_str()) != 0) _exit(126);
        setenv("XDG_CONFIG_HOME", configFolder.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (cliOnPath) setenv("PATH", path.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    RunResult result;
    drain(outPipe[0], errPipe[0], result.out, result.err);
    int waitStatus = 0;
    while (waitpid(pid, &waitStatus, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(waitStatus)) {
        result.status = WEXITSTATUS(waitStatus);
    } else if (WIFSIGNALED(waitStatus)) {
        result.status = 128 + WTERMSIG(waitStatus);
    }
    return result;
}

}  // namespace

RunResult runCli(const std::vector<std::string>& args, const std::filesystem::path& folder) {
    std::vector<std::string> argvText{ORDINAX_CLI_PATH};
    argvText.insert(argvText.end(), args.begin(), args.end());
    return runProcess(std::move(argvText), folder, false);
}

RunResult runShellScript(const std::string& script, const std::filesystem::path& folder) {
    return runProcess({"/bin/sh", "-e", script}, folder, true);
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ordinax-cli-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace ordinax::cli::test
