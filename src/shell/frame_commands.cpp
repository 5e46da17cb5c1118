// The main window's commands: dispatch, files, pictures, printing, scales and options.
#include <QAction>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <ctime>

#include "base/date_time.h"
#include "base/strings.h"
#include "base/strings_shell.h"
#include "document/diagram_ops.h"
#include "document/label_slots.h"
#include "render/display_update.h"
#include "shell/about_box.h"
#include "shell/main_frame.h"
#include "shell/print_support.h"
#include "shell/startup.h"

namespace ordinax::shell {

std::string CMainFrame::now() const {
    return base::modificationDateText(std::time(nullptr), base::Language::French);
}

void CMainFrame::runCommand(CommandId id) {
    if (view_->isDrawing()) {
        // A timer fired while a drawing pass looks for Escape: the command
        // waits until the pass no longer reads the diagram.
        QTimer::singleShot(0, this, [this, id] { runCommand(id); });
        return;
    }
    switch (id) {
        case CommandId::FileNew:
            newDiagram();
            break;
        case CommandId::FileOpen:
            chooseAndOpen();
            break;
        case CommandId::FileSave:
            save();
            break;
        case CommandId::FileSaveAs:
            saveAs();
            break;
        case CommandId::FileExport:
            exportPicture();
            break;
        case CommandId::FilePrintPreview:
            printPreview();
            break;
        case CommandId::FilePrintSetup:
            printSetup();
            break;
        case CommandId::FilePrint:
            print();
            break;
        case CommandId::FileQuit:
            close();
            break;
        case CommandId::EditUndo:
            document_.undo();
            view_->clearSelection();
            break;
        case CommandId::EditRedo:
            document_.redo();
            view_->clearSelection();
            break;
        case CommandId::EditCopyDiagram:
            copyPicture();
            break;
        case CommandId::ScaleAuto:
            autoScales();
            break;
        case CommandId::TagRaise:
            moveSelectedTag(true);
            break;
        case CommandId::TagLower:
            moveSelectedTag(false);
            break;
        case CommandId::LabelDeleteAll:
        case CommandId::LegendDeleteAll:
        case CommandId::TagDeleteAll:
            deleteAllOf(id);
            break;
        case CommandId::ToolPipette:
            view_->startPipette(static_cast<PipetteColour>(preferences_.pointColour));
            break;
        case CommandId::OptionLanguageFrench:
            setPrintLanguage(0);
            break;
        case CommandId::OptionLanguageEnglish:
            setPrintLanguage(1);
            break;
        case CommandId::OptionLanguageGerman:
            setPrintLanguage(2);
            break;
        case CommandId::OptionBeep:
            toggleBeep();
            break;
        case CommandId::ViewRefresh:
            break;  // the redraw below is the command
        case CommandId::ViewAllCurves:
            view_->setShownCurve(-1);
            break;
        case CommandId::ViewSelectedCurve:
            view_->setShownCurve(document_.selectedCurve());
            break;
        case CommandId::ViewNormal:
            setDisplayMode(1);
            break;
        case CommandId::ViewPageWidth:
            setDisplayMode(2);
            break;
        case CommandId::ViewFullPage:
            setDisplayMode(3);
            break;
        case CommandId::ViewToolBar:
            toolBar_->setVisible(toolBar_->isHidden());
            break;
        case CommandId::ViewStatusBar:
            statusBar()->setVisible(statusBar()->isHidden());
            break;
        case CommandId::ViewWelcome:
            showWelcome();
            break;
        case CommandId::HelpAbout:
            showAboutBox(this);
            break;
        default:
            // The dialogs of the menu groups install their own handlers.
            if (const auto handler = handlers_.find(id); handler != handlers_.end()) handler->second();
            break;
    }
    afterDocumentChange();
}

bool CMainFrame::confirmDiscard() {
    if (!document_.isModified()) {
        recovery_.remove(document_.path());
        return true;
    }
    const std::string name = document_.fileName().empty()
                                 ? std::string(base::messageText(base::MsgShellRecoveryUntitled))
                                 : document_.fileName();
    switch (prompts_->askSaveChanges(base::makeMessage(base::MsgShellSaveChanges, base::Heading::Warning, name))) {
        case SaveChoice::Save:
            return save();
        case SaveChoice::Discard:
            // The user chose to drop the changes: their recovery copy goes too.
            recovery_.remove(document_.path());
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

bool CMainFrame::save() {
    if (document_.path().empty()) return saveAs();
    return saveTo(QString::fromStdString(document_.path()));
}

bool CMainFrame::saveAs() {
    QString suggested = QString::fromStdString(document_.path());
    if (suggested.isEmpty())
        suggested = QString::fromStdString(preferences_.folder(settings::Folder::Diagrams)) + QStringLiteral("/");
    const QString path = prompts_->saveFileName(suggested);
    if (path.isEmpty()) return false;
    return saveTo(path);
}

bool CMainFrame::saveTo(const QString& path) {
    const std::string before = document_.path();
    const base::Message failed = document_.saveDiagram(path.toStdString(), now());
    if (!failed.empty()) {
        // The old file is intact (the save goes through a temporary file); keep a copy of the work.
        writeRecoveryCopy();
        prompts_->show(failed);
        return false;
    }
    recovery_.remove(before);
    recovery_.remove(document_.path());
    addRecentFile(preferences_, document_.path());
    settings::writeRecentFiles(preferences_, store_);
    updateRecentMenu();
    afterDocumentChange();
    return true;
}

void CMainFrame::newDiagram() {
    if (!confirmDiscard()) return;
    document_.newDiagram();
    view_->startDocument();
    afterDocumentChange();
}

void CMainFrame::chooseAndOpen() {
    const QString path =
        prompts_->openFileName(QString::fromStdString(preferences_.folder(settings::Folder::Diagrams)));
    if (!path.isEmpty()) openFile(path);
}

bool CMainFrame::openFile(const QString& path) {
    if (!confirmDiscard()) return false;
    const base::Message failed = document_.openDiagram(path.toStdString());
    if (!failed.empty()) {
        prompts_->show(failed);
        // A recent entry that no longer opens is dropped from the list.
        if (!QFileInfo::exists(path)) {
            removeRecentFile(preferences_, path.toStdString());
            settings::writeRecentFiles(preferences_, store_);
            updateRecentMenu();
        }
        afterDocumentChange();
        return false;
    }
    for (const base::Message& warning : document_.openWarnings()) prompts_->show(warning);
    view_->startDocument();
    addRecentFile(preferences_, document_.path());
    settings::writeRecentFiles(preferences_, store_);
    updateRecentMenu();
    afterDocumentChange();
    return true;
}

bool CMainFrame::offerRecovery() {
    for (const RecoveryCandidate& candidate : recovery_.candidates()) {
        const std::string name = candidate.original.empty()
                                     ? std::string(base::messageText(base::MsgShellRecoveryUntitled))
                                     : candidate.original;
        if (!prompts_->askYesNo(base::makeMessage(base::MsgShellRecoveryOffer, base::Heading::Warning, name))) {
            RecoveryStore::discard(candidate.copy);
            continue;
        }
        const base::Message failed = document_.restoreRecovery(candidate.copy.string(), candidate.original);
        if (!failed.empty()) {
            prompts_->show(failed);
            continue;
        }
        // From now on the copy is this run's own: rewrite it under our name, then drop the old one.
        writeRecoveryCopy();
        if (recovery_.copyPath(candidate.original) != candidate.copy) RecoveryStore::discard(candidate.copy);
        view_->startDocument();
        afterDocumentChange();
        return true;
    }
    return false;
}

void CMainFrame::showWelcome() {
    QStringList recent;
    for (const std::string& path : recentFiles(preferences_)) recent << QString::fromStdString(path);
    WelcomeDialog dialog(recent, this);
    dialog.exec();
    switch (dialog.choice()) {
        case WelcomeDialog::NewDiagram:
            runCommand(CommandId::FileNew);
            break;
        case WelcomeDialog::OpenDiagram:
            runCommand(CommandId::FileOpen);
            break;
        case WelcomeDialog::RecentFile:
            openFile(dialog.recentFile());
            break;
        case WelcomeDialog::None:
            break;
    }
}

void CMainFrame::copyPicture() {
    if (document_.diagram().displayMode != 1) {
        prompts_->show(base::makeMessage(base::MsgShellCopyNeedsNormal, base::Heading::Warning));
        return;
    }
    writeRecoveryCopy();
    copyDiagramToClipboard(document_.diagram(), view_->viewport()->size(), view_->viewport()->logicalDpiX(),
                           view_->shownCurve());
}

void CMainFrame::exportPicture() {
    const auto chosen = prompts_->exportSettings(exportSettings_);
    if (!chosen) return;
    exportSettings_ = *chosen;
    QString suggested = QString::fromStdString(preferences_.folder(settings::Folder::Exports)) + QStringLiteral("/");
    if (!document_.fileName().empty())
        suggested += QFileInfo(QString::fromStdString(document_.fileName())).completeBaseName() +
                     QString::fromLatin1(pictureSuffix(chosen->format));
    const QString path = prompts_->exportFileName(suggested, chosen->format);
    if (path.isEmpty()) return;
    writeRecoveryCopy();
    const base::Message failed = exportDiagram(document_.diagram(), path.toStdString(), *chosen, view_->shownCurve());
    if (!failed.empty()) {
        prompts_->show(failed);
        return;
    }
    statusBar()->showMessage(
        QString::fromStdString(
            base::makeMessage(base::MsgShellExportDone, base::Heading::None, path.toStdString()).text),
        10000);
}

void CMainFrame::printSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    applyPageSettings(*printer_, document_.diagram());
    writeRecoveryCopy();
    // The printer and its paper are chosen here; margins and the rest of the
    // page belong to "Mise en page...", so this is a print dialog under its
    // own caption, not a page-setup one.
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    if (dialog.exec() != QDialog::Accepted) return;
    // The orientation belongs to the diagram's page settings: a change there is an undoable change.
    const int orientation = printer_->pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    if (orientation != document_.diagram().orientation[0]) {
        document_.beginChange();
        document_.diagram().orientation[0] = orientation;
        document_.commitChange();
    }
}

PrintContext CMainFrame::printContext() const {
    return {document_.path(), preferences_.reportLanguage, preferences_.thinFrame != 0};
}

void CMainFrame::printPreview() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    applyPageSettings(*printer_, document_.diagram());
    writeRecoveryCopy();
    QPrintPreviewDialog preview(printer_.get(), this);
    preview.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) {
                printDiagram(*printer, document_.diagram(), view_->shownCurve(), printContext());
            });
    preview.exec();
}

void CMainFrame::print() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    applyPageSettings(*printer_, document_.diagram());
    writeRecoveryCopy();
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printDiagram(*printer_, document_.diagram(), view_->shownCurve(), printContext()))
        prompts_->show(base::makeMessage(base::MsgShellNothingToPrint, base::Heading::Error));
}

void CMainFrame::autoScales() {
    document_.beginChange();
    render::autoScalesOfMainSides(document_.diagram());
    document_.commitChange();
}

void CMainFrame::moveSelectedTag(bool raise) {
    const int tag = view_->selectedTag();
    if (tag < 0) return;
    document_.beginChange();
    if (raise)
        document::raiseTag(document_.diagram(), tag);
    else
        document::lowerTag(document_.diagram(), tag);
    document_.commitChange();
}

void CMainFrame::deleteAllOf(CommandId id) {
    document_.beginChange();
    document::Diagram& diagram = document_.diagram();
    if (id == CommandId::LabelDeleteAll) document::deleteAllLabels(diagram);
    if (id == CommandId::LegendDeleteAll) document::deleteAllLegends(diagram);
    if (id == CommandId::TagDeleteAll) document::deleteAllTags(diagram);
    document_.commitChange();
    // The selected label may be gone.
    view_->clearSelection();
}

void CMainFrame::takePointColour(quint32 colour) {
    preferences_.pointColour = static_cast<std::int32_t>(colour);
    settings::writePointColour(preferences_, store_);
}

void CMainFrame::setDisplayMode(int mode) {
    // The display mode is a view choice stored with the diagram, not an undoable change.
    document_.diagram().displayMode = mode;
}

void CMainFrame::setPrintLanguage(int language) {
    preferences_.reportLanguage = language;
    settings::writeReportLanguage(preferences_, store_);
}

void CMainFrame::toggleBeep() {
    preferences_.beep = preferences_.beep != 0 ? 0 : 1;
    prompts_->setBeep(preferences_.beep != 0);
    settings::writeApplicationOptions(preferences_, store_);
}

}  // namespace ordinax::shell
