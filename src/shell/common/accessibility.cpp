// Names of the controls for screen readers.
#include "shell/common/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QWidget>

namespace ordinax::shell {

QString accessibleText(const QString& labelText) {
    QString text;
    text.reserve(labelText.size());
    for (qsizetype i = 0; i < labelText.size(); ++i) {
        if (labelText[i] == QLatin1Char('&')) {
            if (i + 1 < labelText.size() && labelText[i + 1] == QLatin1Char('&')) {
                text += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        text += labelText[i];
    }
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) text = text.chopped(1).trimmed();
    return text;
}

namespace {

// The popup list of a combo box is part of it: the combo box carries the name.
bool insideComboBox(const QWidget* widget, const QWidget* root) {
    for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up)) return true;
    return false;
}

}  // namespace

void nameControlsFromLabels(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy || !buddy->accessibleName().isEmpty()) continue;
        const QString name = accessibleText(label->text());
        if (name.isEmpty()) continue;
        buddy->setAccessibleName(name);
        // A combo box speaks through its text field and its list too.
        if (auto* combo = qobject_cast<QComboBox*>(buddy)) {
            if (combo->lineEdit() && combo->lineEdit()->accessibleName().isEmpty())
                combo->lineEdit()->setAccessibleName(name);
            if (combo->view()->accessibleName().isEmpty()) combo->view()->setAccessibleName(name);
        }
    }
}

QStringList unnamedControls(const QWidget* root) {
    QStringList unnamed;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isEnabledTo(const_cast<QWidget*>(root))) continue;
        // Popups (a combo box's list) are windows of their own, read when they open.
        if (widget->window() != root->window()) continue;
        // Parts of a compound control (a combo box's line edit, a view's viewport) speak through their owner.
        if (widget->parentWidget() && widget->parentWidget() != root &&
            widget->parentWidget()->focusProxy() == widget)
            continue;
        if (insideComboBox(widget, root)) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible) continue;
        if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()));
    }
    return unnamed;
}

}  // namespace ordinax::shell
