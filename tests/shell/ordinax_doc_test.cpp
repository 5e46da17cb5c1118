// The document: modified state, open, save, undo and recovery restore.
#include "shell/ordinax_doc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/strings.h"
#include "document/orx_file.h"
#include "shell_test_support.h"

namespace ordinax::shell {
namespace {

namespace fs = std::filesystem;

const std::string kDemoPath = std::string(ORDINAX_SOURCE_DIR) + "/examples/demo.orx";

class DocTest : public ::testing::Test {
protected:
    test::ScratchFolder scratch;
    COrdinaxDoc doc{document::factoryDiagramDefaults(), scratch.path().string()};
};

TEST_F(DocTest, ModifiedFollowsChangesButNotTheDisplayMode) {
    doc.newDiagram();
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.diagram().displayMode, 1);
    doc.diagram().displayMode = 3;
    EXPECT_FALSE(doc.isModified());
    doc.beginChange();
    doc.diagram().size[0] = 12.0;
    doc.commitChange();
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.saveDiagram((scratch.path() / "a.orx").string(), "x").empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.fileName(), "a.orx");
}

TEST_F(DocTest, OpenShowsTheDiagramClearsHistoryAndFailureKeepsTheOldOne) {
    ASSERT_TRUE(doc.openDiagram(kDemoPath).empty());
    EXPECT_GE(doc.diagram().displayMode, 1);
    EXPECT_LE(doc.diagram().displayMode, 3);
    EXPECT_EQ(doc.selectedCurve(), doc.diagram().curveCount() == 1 ? 0 : -1);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
    const document::Diagram opened = doc.diagram();

    const fs::path damaged = scratch.path() / "abime.orx";
    // A complete header followed by far too little data.
    std::ofstream(damaged, std::ios::binary) << std::string("ASB_02") << std::string(18, '\0') << "abc";
    const base::Message failed = doc.openDiagram(damaged.string());
    EXPECT_EQ(failed.id, base::MsgFormatIncompatible);
    EXPECT_EQ(doc.diagram(), opened);
    EXPECT_EQ(doc.path(), kDemoPath);
}

TEST_F(DocTest, ANeverDisplayedDiagramOpensWithAutomaticScalesUnmodified) {
    // As a batch command may leave it: points, display mode 0, every scale 0 .. 0.
    document::Diagram never;
    document::resetDiagram(never, document::factoryDiagramDefaults());
    never.curves.resize(1);
    never.curves[0].points = document::PointBuffer(std::vector<document::Point>{{0.0, 0.13}, {10.0, 9.7}});
    const fs::path path = scratch.path() / "jamais.orx";
    ASSERT_TRUE(document::saveDiagram(never, path.string(), "x").ok);

    ASSERT_TRUE(doc.openDiagram(path.string()).empty());
    EXPECT_EQ(doc.diagram().displayMode, 1);
    // 0 .. 10 step 1 for both ranges (0.13 .. 9.7 as well), worked by hand.
    for (int direction = 0; direction < 2; ++direction) {
        const document::AxisScale& main = doc.diagram().scales.axis[static_cast<std::size_t>(direction)][0];
        EXPECT_DOUBLE_EQ(main.origin, 0.0);
        EXPECT_DOUBLE_EQ(main.extremity, 10.0);
        EXPECT_DOUBLE_EQ(main.step, 1.0);
    }
    // What the first display shows is not a change of the user's.
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(DocTest, UndoAndRedoWalkTheChanges) {
    // A diagram without curves records no step for presentation changes: use one with curves.
    ASSERT_TRUE(doc.openDiagram(kDemoPath).empty());
    ASSERT_GT(doc.diagram().curveCount(), 0);
    const double before = doc.diagram().size[1];
    doc.beginChange();
    doc.diagram().size[1] = before + 1;
    ASSERT_TRUE(doc.commitChange());
    EXPECT_TRUE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.diagram().size[1], before);
    EXPECT_TRUE(doc.canRedo());
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(doc.diagram().size[1], before + 1);
    // A command that changes nothing leaves no step.
    doc.beginChange();
    EXPECT_FALSE(doc.commitChange());
}

TEST_F(DocTest, RestoredRecoveryIsModifiedUnderItsOriginalPath) {
    ASSERT_TRUE(doc.openDiagram(kDemoPath).empty());
    const fs::path copy = scratch.path() / "copie.orx";
    fs::copy_file(kDemoPath, copy);
    COrdinaxDoc other(document::factoryDiagramDefaults(), scratch.path().string());
    ASSERT_TRUE(other.restoreRecovery(copy.string(), "/ailleurs/mesures.orx").empty());
    EXPECT_TRUE(other.isModified());
    EXPECT_EQ(other.path(), "/ailleurs/mesures.orx");
    EXPECT_EQ(other.diagram().curveCount(), doc.diagram().curveCount());
}

}  // namespace
}  // namespace ordinax::shell
