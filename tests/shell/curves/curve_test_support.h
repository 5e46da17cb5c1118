// Helpers of the curve and grid dialog tests: waiting for a dialog of a given
// class, reaching its controls by name, and a diagram of small known curves.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell::test {

// Runs `interact` on the next modal window of class T once it is shown.
template <typename T>
void whenDialogOpens(std::function<void(T*)> interact) {
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, interact = std::move(interact)] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        interact(modal);
    });
    timer->start();
}

// The child of `root` named `name`; fails the test when there is none.
template <typename T>
T* child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

inline void click(const QObject* root, const char* button) {
    if (auto* b = child<QAbstractButton>(root, button)) b->click();
}

// A curve of the given points.
inline document::Curve curveOf(std::string title, std::vector<document::Point> points) {
    document::Curve c;
    c.title = std::move(title);
    c.points = document::PointBuffer(points);
    return c;
}

}  // namespace ordinax::shell::test
