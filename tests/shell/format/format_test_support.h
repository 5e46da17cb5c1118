// Acting on the dialogs of the Scales and Format menus while they run.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <functional>

#include "shell/dialog_test_support.h"

namespace ordinax::shell::test {

// Runs `act` on the next modal dialog when it is a `Dialog`; any other modal
// window is rejected so that the test never waits for a user.
template <typename Dialog>
void onDialog(std::function<void(Dialog&)> act) {
    whenModalOpens([act = std::move(act)](QWidget* modal) {
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "unexpected window: " << modal->windowTitle().toStdString();
            if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
            return;
        }
        act(*dialog);
        // A dialog the action left open is cancelled.
        if (dialog->isVisible()) dialog->reject();
    });
}

// The frame's diagram shown in normal mode and drawn, so that the layout of
// the view (blocks, scale areas) can be hit.
inline void drawNormal(CMainFrame& frame) {
    frame.show();
    frame.runCommand(CommandId::ViewNormal);
    frame.view().renderViewport();
}

}  // namespace ordinax::shell::test
