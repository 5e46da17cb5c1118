// Recovery copies: which are offered at start, which are stale.
#include "shell/recovery_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "document/diagram_defaults.h"
#include "document/orx_file.h"
#include "shell_test_support.h"

namespace ordinax::shell {
namespace {

namespace fs = std::filesystem;

// A pid far above any kernel limit: no such process runs.
constexpr pid_t kGonePid = 99999999;

document::Diagram diagramWithOneCurve() {
    document::Diagram diagram;
    document::resetDiagram(diagram, document::factoryDiagramDefaults());
    diagram.displayMode = 2;
    document::Curve curve;
    document::resetCurve(curve);
    curve.title = "Essai";
    const document::Point points[] = {{0.0, 1.0}, {1.0, 3.0}};
    curve.points = document::PointBuffer(points);
    diagram.curves.push_back(curve);
    return diagram;
}

void age(const fs::path& file, std::chrono::seconds by) {
    fs::last_write_time(file, fs::last_write_time(file) - by);
}

TEST(RecoveryStore, UntitledCopyOfAnEndedRunIsOfferedAndReadsBack) {
    test::ScratchFolder scratch;
    RecoveryStore earlier(scratch.path(), kGonePid);
    const document::Diagram diagram = diagramWithOneCurve();
    ASSERT_TRUE(earlier.write(diagram, "", "10/12/2026 (08:00)").empty());

    // Our own untitled copy is never offered to ourselves.
    RecoveryStore own(scratch.path(), ::getpid());
    ASSERT_TRUE(own.write(diagram, "", "10/12/2026 (08:00)").empty());

    const std::vector<RecoveryCandidate> found = own.candidates();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].copy, earlier.copyPath(""));
    EXPECT_EQ(found[0].original, "");
    document::Diagram back;
    ASSERT_TRUE(document::openDiagramFile(found[0].copy.string(), document::factoryDiagramDefaults(), back).ok);
    ASSERT_EQ(back.curveCount(), 1);
    EXPECT_EQ(back.curves[0].title, "Essai");
    EXPECT_EQ(back.curves[0].pointCount(), 2);
}

TEST(RecoveryStore, NamedCopyIsOfferedOnlyWhenNewerThanItsFile) {
    test::ScratchFolder scratch;
    const fs::path file = scratch.path() / "mesures.orx";
    document::Diagram diagram = diagramWithOneCurve();
    ASSERT_TRUE(document::saveDiagram(diagram, file.string(), "x").ok);
    RecoveryStore store(scratch.path() / "secours", ::getpid());

    // Copy written after the file: offered.
    age(file, std::chrono::seconds(60));
    ASSERT_TRUE(store.write(diagram, file.string(), "x").empty());
    ASSERT_EQ(store.candidates().size(), 1u);
    EXPECT_EQ(store.candidates()[0].original, file.string());

    // File saved after the copy: the copy is stale and deleted.
    age(store.copyPath(file.string()), std::chrono::seconds(120));
    EXPECT_TRUE(store.candidates().empty());
    EXPECT_FALSE(fs::exists(store.copyPath(file.string())));

    // The file is gone: the copy is all that is left, so it is offered.
    ASSERT_TRUE(store.write(diagram, file.string(), "x").empty());
    fs::remove(file);
    EXPECT_EQ(store.candidates().size(), 1u);
    store.remove(file.string());
    EXPECT_TRUE(store.candidates().empty());
}

TEST(RecoveryStore, WritingLeavesTheOpenDiagramUntouched) {
    test::ScratchFolder scratch;
    document::Diagram diagram = diagramWithOneCurve();
    // An empty curve would be compacted away by a save, and dates filled in.
    document::Curve empty;
    document::resetCurve(empty);
    diagram.curves.insert(diagram.curves.begin(), empty);
    const document::Diagram before = diagram;
    RecoveryStore store(scratch.path(), ::getpid());
    ASSERT_TRUE(store.write(diagram, "", "10/12/2026 (08:00)").empty());
    EXPECT_EQ(diagram, before);
}

TEST(RecoveryStore, UnwritableFolderReportsTheFailure) {
    test::ScratchFolder scratch;
    const fs::path blocker = scratch.path() / "fichier";
    std::ofstream(blocker) << "x";
    RecoveryStore store(blocker / "secours", ::getpid());
    EXPECT_FALSE(store.write(diagramWithOneCurve(), "", "x").empty());
}

}  // namespace
}  // namespace ordinax::shell
