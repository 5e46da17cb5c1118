// Keyboard order of panels added in code: their controls are put in the tab
// order right after a control of the dialog's own layout.
#pragma once

class QWidget;

namespace ordinax::shell {

// Chains the tab order: `before`, then the controls of `container` that take
// the focus by Tab (in creation order, which is their layout order), then
// `after` when given. Returns the last control chained.
QWidget* chainTabOrder(QWidget* before, QWidget* container, QWidget* after = nullptr);

}  // namespace ordinax::shell
