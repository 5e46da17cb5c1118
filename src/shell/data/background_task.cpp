// Long work off the GUI thread.
#include "shell/data/background_task.h"

#include <QCoreApplication>
#include <QThread>

namespace ordinax::shell {

namespace {
constexpr auto ReportInterval = std::chrono::milliseconds(80);
}

BackgroundTask::BackgroundTask(QObject* parent) : QObject(parent) {}

BackgroundTask::~BackgroundTask() {
    if (!thread_) return;
    stop_ = true;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

bool BackgroundTask::start(Work work) {
    if (thread_) return false;
    stop_ = false;
    lastReport_ = {};
    // Reports are signals emitted from the worker: Qt queues them to this
    // object's thread. Only the first of a burst gets through.
    ProgressReport report = [this](const QString& status, int percent) {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastReport_ < ReportInterval) return;
        lastReport_ = now;
        emit progress(status, percent);
    };
    thread_ = QThread::create([this, work = std::move(work), report = std::move(report)] { work(stop_, report); });
    connect(thread_, &QThread::finished, this, &BackgroundTask::onThreadFinished, Qt::QueuedConnection);
    thread_->start();
    return true;
}

void BackgroundTask::stop() {
    stop_ = true;
}

void BackgroundTask::onThreadFinished() {
    if (!thread_) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    emit finished(stop_.load());
}

void BackgroundTask::waitForFinished() {
    if (!thread_) return;
    thread_->wait();
    // Delivers the queued end of the task (and the reports before it).
    while (thread_) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace ordinax::shell
