// Long work off the GUI thread: a task runs on a thread of its own, reports
// its progress to the window (at most a few times per second, so the window
// stays responsive), and stops when asked. The windows show the progress, a
// stop button and take Escape.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>

class QThread;

namespace ordinax::shell {

// What the work calls to report: a status text and a percentage (-1 unknown).
using ProgressReport = std::function<void(const QString& status, int percent)>;

class BackgroundTask : public QObject {
    Q_OBJECT

public:
    // The work reads `stop` and returns soon after it is set.
    using Work = std::function<void(const std::atomic<bool>& stop, const ProgressReport& report)>;

    explicit BackgroundTask(QObject* parent = nullptr);
    // Asks a running task to stop and waits for it.
    ~BackgroundTask() override;

    // Starts the work; false when a task is already running.
    bool start(Work work);
    // Asks the running task to stop; `finished` follows.
    void stop();
    bool running() const { return thread_ != nullptr; }
    // Blocks until the task has ended and `finished` has been delivered.
    void waitForFinished();

signals:
    void progress(const QString& status, int percent);
    // The work has returned; `stopped` tells whether it was asked to stop.
    void finished(bool stopped);

private:
    void onThreadFinished();

    QThread* thread_ = nullptr;
    std::atomic<bool> stop_{false};
    std::chrono::steady_clock::time_point lastReport_{};
};

}  // namespace ordinax::shell
