// Tab order of panels added in code.
#include "shell/format/tab_chain.h"

#include <QWidget>

namespace ordinax::shell {

QWidget* chainTabOrder(QWidget* before, QWidget* container, QWidget* after) {
    QWidget* previous = before;
    for (QWidget* widget : container->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        // Popups (a combo box's list) are windows of their own.
        if (widget->window() != container->window()) continue;
        // The inner parts of a compound control follow their owner.
        if (widget->parentWidget() && widget->parentWidget()->focusProxy() == widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    if (after && previous) QWidget::setTabOrder(previous, after);
    return previous;
}

}  // namespace ordinax::shell
