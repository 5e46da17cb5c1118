// Names of the controls for screen readers. A control takes the text of the
// label that is its buddy ("&Titre :" becomes "Titre"); tests list the
// controls that a screen reader would find without a name.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ordinax::shell {

// The label text as a name: mnemonics removed ("&&" stays "&"), blanks and a
// trailing colon trimmed.
QString accessibleText(const QString& labelText);

// Gives every control whose buddy label names it, and that has no name yet,
// the label's text as its accessible name. Call after the layout is built.
void nameControlsFromLabels(QWidget* root);

// The controls under `root` that take the keyboard focus and have no name in
// the accessibility tree, as "objectName (class)".
QStringList unnamedControls(const QWidget* root);

}  // namespace ordinax::shell
