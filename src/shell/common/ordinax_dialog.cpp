// The base of the application's dialogs.
#include "shell/common/ordinax_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <vector>

#include "settings/window_position.h"
#include "shell/common/accessibility.h"
#include "shell/common/help_opener.h"
#include "shell/common/number_field.h"
#include "shell/user_prompts.h"

namespace ordinax::shell {

namespace {

HelpOpener& opener() {
    static HelpOpener value;
    return value;
}

std::vector<settings::Rect> monitorRects() {
    std::vector<settings::Rect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->geometry();
        rects.push_back({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    }
    return rects;
}

}  // namespace

void setHelpOpener(HelpOpener value) {
    opener() = std::move(value);
}

void openHelpTopic(const QString& topic) {
    if (opener()) opener()(topic);
}

OrdinaxDialog::OrdinaxDialog(UserPrompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void OrdinaxDialog::rememberPlacement(settings::SettingsStore& store, std::string key) {
    placementStore_ = &store;
    placementKey_ = std::move(key);
}

void OrdinaxDialog::finishSetup() {
    nameControlsFromLabels(this);
    for (NumberField* field : findChildren<NumberField*>())
        field->setMessageSink([this](const base::Message& message) { prompts_.show(message); });
}

void OrdinaxDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_ || !placementStore_) return;
    placed_ = true;
    if (const auto placement = settings::readWindowPlacement(*placementStore_, placementKey_)) {
        const std::vector<settings::Rect> monitors = monitorRects();
        if (const auto topLeft = settings::restoredTopLeft(*placement, monitors)) move(topLeft->x, topLeft->y);
    }
}

void OrdinaxDialog::done(int result) {
    if (placementStore_ && isVisible()) {
        const QRect frame = frameGeometry();
        settings::WindowPlacement placement;
        placement.showCommand = 1;
        placement.minPosition = {-1, -1};
        placement.maxPosition = {-1, -1};
        placement.normal = {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1};
        settings::writeWindowPlacement(*placementStore_, placementKey_, placement);
    }
    QDialog::done(result);
}

void OrdinaxDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        openHelpTopic(helpTopic_);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ordinax::shell
