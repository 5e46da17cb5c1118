// Runs the built ordinax-cli in a child process and captures what it prints,
// and gives each test a temporary folder of its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ordinax::cli::test {

struct RunResult {
    int status = -1;  // the exit status, 128 + signal number when killed by a signal
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs ordinax-cli with `args` in `folder`. The child gets a configuration
// folder inside `folder`, so that no run ever touches the user's settings.
RunResult runCli(const std::vector<std::string>& args, const std::filesystem::path& folder);

// Runs a shell script in `folder` with the built ordinax-cli first on PATH
// (and the same private configuration folder as runCli).
RunResult runShellScript(const std::string& script, const std::filesystem::path& folder);

// A fresh temporary folder, removed with everything in it on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Writes `bytes` into a file, replacing it.
void writeFile(const std::string& path, const std::string& bytes);
// Returns the bytes of a file, empty when it cannot be read.
std::string readFile(const std::string& path);

}  // namespace ordinax::cli::test
