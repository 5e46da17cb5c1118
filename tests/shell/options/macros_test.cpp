// The "Macros" dialog: a command chosen in the tree with its attributes,
// applied as one undo step, gives the diagram that the command-line tool
// gives for the same macro; Cancel leaves everything as it was.
#include <QTreeWidget>

#include "document/orx_file.h"
#include "options_test_support.h"
#include "shell/format/font_button.h"
#include "shell/format/format_test_support.h"
#include "shell/options/macros_dialog.h"
#include "ui_macros_dialog.h"

namespace ordinax::shell {
namespace {

using test::onDialog;

class MacrosTest : public test::DialogFrameTest {};

TEST_F(MacrosTest, FramingEveryLabelEqualsTheCommandLineMacro) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    onDialog<MacrosDialog>([&](MacrosDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Macros"));
        test::expectAllControlsNamed(&dialog);
        dialog.selectCommand(10102);  // "Encadrer tous les libellés"
        Ui::MacrosDialog& c = dialog.controls();
        EXPECT_TRUE(c.frameGroup->isVisibleTo(&dialog));
        EXPECT_FALSE(c.fillGroup->isVisibleTo(&dialog));
        c.frameColour->setColour(255);
        c.frameWidth->setText(QStringLiteral("3"));
        dialog.accept();
    });
    f.runCommand(CommandId::ToolMacros);
    ASSERT_TRUE(f.document().canUndo());
    EXPECT_EQ(test::asStore(store).readInt("Macro", "FrameColor", -1), 255);

    // The same macro through the command-line tool, on the same file.
    const QString out = QString::fromStdString((scratch.path() / "macro.orx").string());
    const auto run = test::runCli({"macro", test::kDemo, "--command", "10102", "--frame-color", "255", "--frame-width",
                                   "3", "--factory", "-o", out});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    document::Diagram cli;
    ASSERT_TRUE(document::openDiagramFile(out.toStdString(), preferences.diagram, cli).ok);
    for (int slot = 0; slot < document::LabelSlotCount; ++slot)
        EXPECT_EQ(diagram().labels[static_cast<std::size_t>(slot)].paint,
                  cli.labels[static_cast<std::size_t>(slot)].paint)
            << slot;
    // Titles and axis labels are framed, the tag is not.
    EXPECT_EQ(diagram().labels[document::FirstTagSlot].paint, before.labels[document::FirstTagSlot].paint);

    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram(), before);
}

TEST_F(MacrosTest, SeveralCommandsAppliedAreOneStepAndCancelLeavesNothing) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    onDialog<MacrosDialog>([&](MacrosDialog& dialog) {
        dialog.selectCommand(10612);  // no symbols
        EXPECT_TRUE(dialog.apply());
        dialog.selectCommand(10407);  // no smoothing
        EXPECT_TRUE(dialog.apply());
        dialog.reject();
    });
    f.runCommand(CommandId::ToolMacros);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());

    onDialog<MacrosDialog>([&](MacrosDialog& dialog) {
        dialog.selectCommand(10612);
        EXPECT_TRUE(dialog.apply());
        dialog.selectCommand(10407);
        EXPECT_TRUE(dialog.controls().noAttribute->isVisibleTo(&dialog));
        dialog.accept();  // applies the chosen command, not yet applied
    });
    f.runCommand(CommandId::ToolMacros);
    for (const document::Curve& curve : diagram().curves) {
        EXPECT_EQ(curve.symbol.type, 0);
        EXPECT_EQ(curve.treatment, 0);
    }
    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram(), before);
}

TEST_F(MacrosTest, CopyingAPresentationWithoutAModelIsRefused) {
    CMainFrame& f = demoFrame();
    onDialog<MacrosDialog>([&](MacrosDialog& dialog) {
        dialog.selectCommand(10001);
        EXPECT_TRUE(dialog.controls().fileGroup->isVisibleTo(&dialog));
        dialog.controls().file->setText(QString::fromStdString((scratch.path() / "absent.orx").string()));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
    });
    f.runCommand(CommandId::ToolMacros);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_FALSE(f.document().canUndo());
}

}  // namespace
}  // namespace ordinax::shell
