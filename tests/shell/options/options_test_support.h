// Running the command-line tool from the dialog tests, to check what a
// dialog wrote with a process of its own.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace ordinax::shell::test {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ORDINAX_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace ordinax::shell::test
