// Runs ordinax-cli as the write and read tests need it: under limits (file
// size, the user "nobody"), with standard input fed by the test, stopped
// after a time limit, and with the most memory it used.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "document/constrained_disk.h"

namespace ordinax::cli::test {

struct LimitedRun {
    RunResult result;
    long maxResidentKb = 0;  // the child's peak resident memory
    bool timedOut = false;   // killed at the time limit
};

struct RunOptions {
    document::test::ChildLimits limits;
    // Standard input: /dev/null, a file, or a pipe the `feeder` writes into
    // (it gets the write end and should stop when a write fails).
    std::string stdinFile;
    std::function<void(int fd)> feeder;
    int timeoutSeconds = 60;
};

// Runs ordinax-cli with `args` in `folder` (the child gets a configuration
// folder inside it, as runCli does).
LimitedRun runLimited(const std::vector<std::string>& args, const std::string& folder, const RunOptions& options);

// Starts ordinax-cli with `args` in `folder`, its output thrown away; the caller waits for it.
pid_t startCli(const std::vector<std::string>& args, const std::string& folder);

// Writes `line` again and again into `fd` until a write fails (the reader
// left), then closes it.
void feedForever(int fd, const std::string& line);

}  // namespace ordinax::cli::test
