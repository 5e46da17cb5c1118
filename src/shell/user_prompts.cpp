// Questions and messages through Qt's dialogs.
#include "shell/user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ordinax::shell {

namespace {

QMessageBox::Icon boxIcon(const base::Message& message) {
    switch (message.icon()) {
        case base::Icon::Exclamation:
            return QMessageBox::Warning;
        case base::Icon::Information:
            return QMessageBox::Information;
        case base::Icon::Question:
            return QMessageBox::Question;
        case base::Icon::Stop:
            break;
    }
    return QMessageBox::Critical;
}

const QString DiagramFilter = QStringLiteral("Fichiers Ordinax (*.orx)");

}  // namespace

QString messageCaption(const base::Message& message) {
    const std::string_view heading = base::headingText(message.heading);
    return heading.empty() ? QStringLiteral("Ordinax") : QString::fromUtf8(heading.data(), qsizetype(heading.size()));
}

void UserPrompts::show(const base::Message& message) {
    if (beep_) QApplication::beep();
    QMessageBox box(boxIcon(message), messageCaption(message), QString::fromStdString(message.text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

bool UserPrompts::askYesNo(const base::Message& question) {
    if (beep_) QApplication::beep();
    QMessageBox box(QMessageBox::Warning, messageCaption(question), QString::fromStdString(question.text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

SaveChoice UserPrompts::askSaveChanges(const base::Message& question) {
    QMessageBox box(QMessageBox::Warning, messageCaption(question), QString::fromStdString(question.text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return SaveChoice::Save;
        case QMessageBox::No:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
    }
}

QString UserPrompts::openFileName(const QString& folder) {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Ouvrir"), folder, DiagramFilter);
}

QString UserPrompts::saveFileName(const QString& suggested) {
    QString name = QFileDialog::getSaveFileName(parent_, QStringLiteral("Enregistrer sous"), suggested, DiagramFilter);
    if (!name.isEmpty() && !name.endsWith(QStringLiteral(".orx"), Qt::CaseInsensitive)) name += QStringLiteral(".orx");
    return name;
}

std::optional<ExportSettings> UserPrompts::exportSettings(const ExportSettings& initial) {
    ExportDialog dialog(initial, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.settings();
}

QString UserPrompts::exportFileName(const QString& suggested, PictureFormat format) {
    static const char* const Filters[] = {"Image PNG (*.png)", "Dessin SVG (*.svg)", "Document PDF (*.pdf)"};
    const QString suffix = QString::fromLatin1(pictureSuffix(format));
    QString name = QFileDialog::getSaveFileName(parent_, QStringLiteral("Exporter le diagramme"), suggested,
                                                QString::fromUtf8(Filters[static_cast<int>(format)]));
    if (!name.isEmpty() && !name.endsWith(suffix, Qt::CaseInsensitive)) name += suffix;
    return name;
}

}  // namespace ordinax::shell
