// The main window under the off-screen platform: commands, enabling, files,
// automatic save, recovery copies, pictures and the view.
#include "shell/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "base/strings_shell.h"
#include "document/orx_file.h"
#include "settings/preferences.h"
#include "shell/picture_output.h"
#include "shell/print_support.h"
#include "shell_test_support.h"

namespace ordinax::shell {
namespace {

namespace fs = std::filesystem;

using test::kDemo;

class FrameTest : public ::testing::Test {
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
            auto scripted = std::make_unique<test::ScriptedPrompts>();
            prompts = scripted.get();
            frame_->setPrompts(std::move(scripted));
            frame_->resize(900, 700);
        }
        return *frame_;
    }
    // Changes the diagram the way a command does.
    void changeSomething() {
        COrdinaxDoc& doc = frame().document();
        doc.beginChange();
        doc.diagram().size[0] += 1.0;
        doc.commitChange();
        frame().updateCommands();
    }

    test::ScratchFolder scratch;
    settings::MemoryStore store;
    settings::Preferences preferences;
    FrameFolders folders;
    test::ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(FrameTest, EveryCommandHasAnActionAndLaterOnesExplainThemselves) {
    for (const CommandEntry& entry : commandTable()) {
        QAction* act = frame().action(entry.id);
        ASSERT_NE(act, nullptr) << entry.label;
        EXPECT_EQ(act->text().toStdString(), std::string(entry.label));
        if (!entry.accelerator.empty()) {
            EXPECT_EQ(act->shortcut(),
                      QKeySequence(QString::fromUtf8(entry.accelerator.data(), entry.accelerator.size())));
        }
        if (entry.availability == Availability::Later) {
            EXPECT_FALSE(act->isEnabled()) << entry.label;
            EXPECT_TRUE(act->toolTip().contains(QStringLiteral("prochaine version"))) << entry.label;
        }
    }
    QStringList titles;
    for (QAction* menu : frame().menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&Fichier", "&Edition", "&Courbe", "Ec&helles", "For&mat", "O&utils", "&Options",
                                   "&Affichage", "A&ide"}));
}

TEST_F(FrameTest, DisplayCommandsEnableAndCheckTheModes) {
    EXPECT_EQ(frame().document().diagram().displayMode, 0);
    EXPECT_FALSE(frame().action(CommandId::FilePrint)->isEnabled());
    EXPECT_FALSE(frame().action(CommandId::FileSave)->isEnabled());
    frame().runCommand(CommandId::ViewPageWidth);
    EXPECT_EQ(frame().document().diagram().displayMode, 2);
    EXPECT_TRUE(frame().action(CommandId::FilePrint)->isEnabled());
    EXPECT_TRUE(frame().action(CommandId::ViewPageWidth)->isChecked());
    EXPECT_FALSE(frame().action(CommandId::ViewNormal)->isChecked());
    // Changing the mode is not a change of the diagram.
    EXPECT_FALSE(frame().document().isModified());
    EXPECT_FALSE(frame().action(CommandId::EditUndo)->isEnabled());
}

TEST_F(FrameTest, OpenUndoRedoAndRecentFiles) {
    ASSERT_TRUE(frame().openFile(kDemo));
    EXPECT_TRUE(frame().windowTitle().startsWith(QStringLiteral("demo.orx")));
    EXPECT_EQ(test::asStore(store).readString("Memory", "File0", ""), kDemo.toStdString());
    EXPECT_FALSE(frame().action(CommandId::EditUndo)->isEnabled());
    const double width = frame().document().diagram().size[0];
    changeSomething();
    EXPECT_TRUE(frame().action(CommandId::EditUndo)->isEnabled());
    frame().runCommand(CommandId::EditUndo);
    EXPECT_EQ(frame().document().diagram().size[0], width);
    EXPECT_TRUE(frame().action(CommandId::EditRedo)->isEnabled());
    frame().runCommand(CommandId::EditRedo);
    EXPECT_EQ(frame().document().diagram().size[0], width + 1.0);
}

TEST_F(FrameTest, OpeningAMissingFileShowsTheMessageAndKeepsTheDiagram) {
    ASSERT_TRUE(frame().openFile(kDemo));
    const QString missing = QString::fromStdString((scratch.path() / "absent.orx").string());
    EXPECT_FALSE(frame().openFile(missing));
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(frame().document().path(), kDemo.toStdString());
}

TEST_F(FrameTest, AutoSaveTimerSavesNamedDiagramsOnlyAndKeepsRecoveryCopies) {
    preferences.autoSave = 1;
    preferences.timeSave = 2;
    frame().show();
    EXPECT_TRUE(frame().autoSaveTimer().isActive());
    EXPECT_EQ(frame().autoSaveTimer().interval(), 120000);

    // Never saved: the tick asks for no file name and saves nothing, but a recovery copy is written.
    frame().runCommand(CommandId::FileNew);
    changeSomething();
    frame().autoSaveTick();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts->saveNameRequests, 0);
    EXPECT_TRUE(frame().document().isModified());
    EXPECT_TRUE(fs::exists(frame().recovery().copyPath("")));

    // Named: the tick saves it, and the clean save removes the recovery copies.
    const fs::path file = scratch.path() / "auto.orx";
    prompts->saveName = QString::fromStdString(file.string());
    frame().runCommand(CommandId::FileSaveAs);
    ASSERT_TRUE(fs::exists(file));
    EXPECT_FALSE(fs::exists(frame().recovery().copyPath("")));
    changeSomething();
    frame().autoSaveTick();
    EXPECT_TRUE(fs::exists(frame().recovery().copyPath(file.string())));
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame().document().isModified());
    EXPECT_FALSE(fs::exists(frame().recovery().copyPath(file.string())));
    document::Diagram back;
    ASSERT_TRUE(document::openDiagramFile(file.string(), document::factoryDiagramDefaults(), back).ok);
    EXPECT_EQ(back.size[0], frame().document().diagram().size[0]);
}

TEST_F(FrameTest, ClosingAskToSaveAndDiscardingRemovesTheRecoveryCopy) {
    frame().runCommand(CommandId::FileNew);
    changeSomething();
    frame().writeRecoveryCopy();
    ASSERT_TRUE(fs::exists(frame().recovery().copyPath("")));
    prompts->saveChoice = SaveChoice::Cancel;
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(fs::exists(frame().recovery().copyPath("")));
    prompts->saveChoice = SaveChoice::Discard;
    EXPECT_TRUE(frame().close());
    EXPECT_FALSE(fs::exists(frame().recovery().copyPath("")));
    EXPECT_EQ(test::asStore(store).readInt("Options", "Beep", -1), 1);
}

TEST_F(FrameTest, RecoveryCopyOfAnEndedRunIsOfferedAndRestored) {
    document::Diagram diagram;
    ASSERT_TRUE(document::openDiagramFile(kDemo.toStdString(), document::factoryDiagramDefaults(), diagram).ok);
    diagram.size[0] = 11.5;
    RecoveryStore ended(folders.recovery, 99999999);
    ASSERT_TRUE(ended.write(diagram, "", "x").empty());

    ASSERT_TRUE(frame().offerRecovery());
    ASSERT_EQ(prompts->asked.size(), 1u);
    EXPECT_EQ(prompts->asked[0].id, base::MsgShellRecoveryOffer);
    EXPECT_EQ(frame().document().diagram().size[0], 11.5);
    EXPECT_TRUE(frame().document().isModified());
    // The copy now belongs to this run.
    EXPECT_FALSE(fs::exists(ended.copyPath("")));
    EXPECT_TRUE(fs::exists(frame().recovery().copyPath("")));
}

TEST_F(FrameTest, DeclinedRecoveryCopyIsDiscarded) {
    RecoveryStore ended(folders.recovery, 99999999);
    document::Diagram diagram;
    document::resetDiagram(diagram, document::factoryDiagramDefaults());
    ASSERT_TRUE(ended.write(diagram, "", "x").empty());
    frame();
    prompts->yes = false;
    EXPECT_FALSE(frame().offerRecovery());
    EXPECT_FALSE(fs::exists(ended.copyPath("")));
}

TEST_F(FrameTest, CopyNeedsTheNormalModeAndPutsPicturesOnTheClipboard) {
    ASSERT_TRUE(frame().openFile(kDemo));
    frame().runCommand(CommandId::ViewFullPage);
    QGuiApplication::clipboard()->clear();
    frame().runCommand(CommandId::EditCopyDiagram);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, base::MsgShellCopyNeedsNormal);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Warning);

    frame().runCommand(CommandId::ViewNormal);
    frame().runCommand(CommandId::EditCopyDiagram);
    EXPECT_EQ(prompts->shown.size(), 1u);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
}

TEST_F(FrameTest, ExportWritesEachFormat) {
    ASSERT_TRUE(frame().openFile(kDemo));
    struct Case {
        PictureFormat format;
        const char* name;
        std::string magic;
    };
    // File signatures: PNG's eight bytes, SVG's XML declaration, PDF's header.
    const Case cases[] = {{PictureFormat::Png, "d.png", "\x89PNG\r\n\x1a\n"},
                          {PictureFormat::Svg, "d.svg", "<?xml"},
                          {PictureFormat::Pdf, "d.pdf", "%PDF-"}};
    for (const Case& c : cases) {
        ExportSettings settings;
        settings.format = c.format;
        settings.width = 320;
        settings.height = 240;
        settings.dpi = 96;
        prompts->exportChoice = settings;
        const fs::path file = scratch.path() / c.name;
        prompts->exportName = QString::fromStdString(file.string());
        frame().runCommand(CommandId::FileExport);
        std::ifstream in(file, std::ios::binary);
        std::string head(c.magic.size(), '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        EXPECT_EQ(head, c.magic) << c.name;
    }
    EXPECT_TRUE(prompts->shown.empty());
    // An unwritable target is reported, never a silent success.
    prompts->exportName = QString::fromStdString((scratch.path() / "absent" / "d.png").string());
    prompts->exportChoice->format = PictureFormat::Png;
    frame().runCommand(CommandId::FileExport);
    EXPECT_EQ(prompts->shown.size(), 1u);
}

TEST_F(FrameTest, DroppedDiagramFileIsOpened) {
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/notes.txt")), QUrl::fromLocalFile(kDemo)});
    // As a real drag does: the window first accepts the entering drag, then receives the drop.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &drop);
    EXPECT_EQ(frame().document().path(), kDemo.toStdString());
    delete data;
}

TEST_F(FrameTest, ViewDrawsEveryModeAndKeepsAScrollOffsetPerMode) {
    frame().show();
    ASSERT_TRUE(frame().openFile(kDemo));
    for (CommandId mode : {CommandId::ViewNormal, CommandId::ViewPageWidth, CommandId::ViewFullPage}) {
        frame().runCommand(mode);
        const QImage picture = frame().view().renderViewport();
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), frame().view().viewport()->size());
    }
    frame().runCommand(CommandId::ViewPageWidth);
    QScrollBar* bar = frame().view().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(40);
    EXPECT_EQ(frame().view().scrollY(2), 40);
    EXPECT_EQ(frame().view().geometry().pageRect.top, SheetGap - 40);
    frame().runCommand(CommandId::ViewNormal);
    EXPECT_EQ(frame().view().scrollY(1), 0);
    frame().runCommand(CommandId::ViewPageWidth);
    EXPECT_EQ(frame().view().scrollY(2), 40);
    // A new diagram starts at the top again.
    frame().runCommand(CommandId::FileNew);
    EXPECT_EQ(frame().view().scrollY(2), 0);
}

TEST_F(FrameTest, PrintLanguageAndBeepAreStored) {
    frame().runCommand(CommandId::OptionLanguageGerman);
    EXPECT_EQ(test::asStore(store).readInt("Preference", "ReportLanguage", -1), 2);
    EXPECT_TRUE(frame().action(CommandId::OptionLanguageGerman)->isChecked());
    EXPECT_FALSE(frame().action(CommandId::OptionLanguageFrench)->isChecked());
    frame().runCommand(CommandId::OptionBeep);
    EXPECT_EQ(test::asStore(store).readInt("Options", "Beep", -1), 0);
    EXPECT_FALSE(frame().action(CommandId::OptionBeep)->isChecked());
}

TEST_F(FrameTest, RelativeReadoutIsZeroAtTheReferencePoint) {
    frame().show();
    ASSERT_TRUE(frame().openFile(kDemo));
    frame().runCommand(CommandId::ViewNormal);
    frame().view().renderViewport();
    const render::DevRect plot = frame().view().lastPass().layout.plotRect;
    ASSERT_FALSE(plot.empty());
    const QPointF inside((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2);
    QWidget* viewport = frame().view().viewport();
    QMouseEvent move(QEvent::MouseMove, inside, viewport->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(frame().readoutPane()->text().startsWith(QStringLiteral("  x=")));
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, QStringLiteral("r"));
    QCoreApplication::sendEvent(&frame().view(), &typed);
    EXPECT_EQ(frame().readoutPane()->text(), QStringLiteral("  R (x=0 - y=0)"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&frame().view(), &back);
    EXPECT_TRUE(frame().readoutPane()->text().startsWith(QStringLiteral("  x=")));
}

TEST(PrintSupport, PrinterTakesTheDiagramPageAndPrintsIt) {
    test::ScratchFolder scratch;
    document::Diagram diagram;
    ASSERT_TRUE(document::openDiagramFile(kDemo.toStdString(), document::factoryDiagramDefaults(), diagram).ok);
    diagram.orientation[0] = 1;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const fs::path file = scratch.path() / "page.pdf";
    printer.setOutputFileName(QString::fromStdString(file.string()));
    applyPageSettings(printer, diagram);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    ASSERT_TRUE(printDiagram(printer, diagram));
    std::ifstream in(file, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
}

}  // namespace
}  // namespace ordinax::shell
