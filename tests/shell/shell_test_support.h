// Helpers of the application tests: the widgets application object, a
// scratch folder per test, and prompts that answer in place of the user.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QString>
#include <clocale>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "settings/store.h"
#include "shell/user_prompts.h"

namespace ordinax::shell::test {

// The example diagram of the repository.
inline const QString kDemo = QStringLiteral(ORDINAX_SOURCE_DIR "/examples/demo.orx");

// Widgets need a QApplication; gtest_main makes none.
class WidgetsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        static int argc = 1;
        static char name[] = "shell_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
    }
};
inline const auto* const kWidgets = ::testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

// The store's reads with a fallback (MemoryStore hides those overloads).
inline const settings::SettingsStore& asStore(const settings::SettingsStore& store) {
    return store;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("ordinax-shell-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    static int& counter() {
        static int value = 0;
        return value;
    }
    std::filesystem::path path_;
};

// Answers every question from fixed replies and records what was asked.
class ScriptedPrompts : public UserPrompts {
public:
    void show(const base::Message& message) override { shown.push_back(message); }
    bool askYesNo(const base::Message& question) override {
        asked.push_back(question);
        return yes;
    }
    SaveChoice askSaveChanges(const base::Message& question) override {
        asked.push_back(question);
        return saveChoice;
    }
    QString openFileName(const QString&) override { return openName; }
    QString saveFileName(const QString&) override {
        ++saveNameRequests;
        return saveName;
    }
    std::optional<ExportSettings> exportSettings(const ExportSettings&) override { return exportChoice; }
    QString exportFileName(const QString&, PictureFormat) override { return exportName; }

    std::vector<base::Message> shown;
    std::vector<base::Message> asked;
    bool yes = true;
    SaveChoice saveChoice = SaveChoice::Discard;
    QString openName;
    QString saveName;
    int saveNameRequests = 0;
    std::optional<ExportSettings> exportChoice;
    QString exportName;
};

}  // namespace ordinax::shell::test
