// Helpers of the data dialog tests: files answered in place of the file
// dialogs, and waiting for a modal dialog's work without sleeping.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <deque>
#include <fstream>
#include <iterator>
#include <vector>
#include <functional>
#include <string>

#include "shell/data/file_requests.h"

namespace ordinax::shell::test {

// Answers the file requests from a queue and records them; restores the
// file dialogs when it goes.
class ScriptedFiles {
public:
    ScriptedFiles() {
        setFileAsker([this](QWidget*, const FileRequest& request) {
            requests.push_back(request);
            if (answers.empty()) return QString();
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~ScriptedFiles() { setFileAsker({}); }
    std::deque<QString> answers;
    std::vector<FileRequest> requests;
};

// Runs the event loop until `done` holds (at most a few seconds).
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace ordinax::shell::test
