// Helpers of the dialog tests: a main window on a scratch folder with the
// demo diagram, the catalogue and prompts that answer in place of the user;
// acting on a modal dialog while it runs; the accessibility check.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "numerics/catalogue.h"
#include "settings/store.h"
#include "settings/preferences.h"
#include "shell/common/accessibility.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"

namespace ordinax::shell::test {

// Runs `interact` on the next modal window (dialog or message box) as soon
// as it is shown; the command that opened it goes on when it closes.
inline void whenModalOpens(std::function<void(QWidget*)> interact) {
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, interact = std::move(interact)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        interact(modal);
    });
    timer->start();
}

// Every control of `root` that takes the focus has a name for screen readers.
inline void expectAllControlsNamed(const QWidget* root) {
    const QStringList unnamed = unnamedControls(root);
    EXPECT_TRUE(unnamed.isEmpty()) << root->windowTitle().toStdString() << ": "
                                   << unnamed.join(QStringLiteral(", ")).toStdString();
}

// A main window with factory preferences, the catalogue of the data folder,
// scripted prompts, and the demo diagram opened.
class DialogFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        preferences = settings::factoryPreferences();
        preferences.folders[0] = scratch.path().string();
        folders.recovery = scratch.path() / "secours";
        folders.temp = scratch.path().string();
    }

    CMainFrame& frame() {
        if (!frame_) {
            frame_ = std::make_unique<CMainFrame>(store, preferences, folders);
            auto scripted = std::make_unique<ScriptedPrompts>();
            prompts = scripted.get();
            frame_->setPrompts(std::move(scripted));
            const numerics::CatalogueLoad loaded =
                numerics::loadCatalogue(ORDINAX_SOURCE_DIR "/data/" + std::string(numerics::CatalogueFileName));
            if (loaded.catalogue) frame_->setCatalogue(*loaded.catalogue);
            frame_->resize(900, 700);
        }
        return *frame_;
    }

    // The frame with the demo diagram opened (two curves).
    CMainFrame& demoFrame() {
        CMainFrame& f = frame();
        EXPECT_TRUE(f.openFile(kDemo));
        return f;
    }

    document::Diagram& diagram() { return frame().document().diagram(); }

    ScratchFolder scratch;
    settings::MemoryStore store;
    settings::Preferences preferences;
    FrameFolders folders;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace ordinax::shell::test
