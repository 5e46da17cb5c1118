// ordinax-cli render with several diagrams in one process: the pictures are
// those of separate runs, named from a folder or a %n pattern; requests
// that would lose a picture are refused, and a failed diagram does not stop
// the others.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "document/diagram.h"
#include "document/orx_file.h"

namespace ordinax::cli::test {
// Named: the tests of this folder share a unity build.
namespace render_batch {

namespace fs = std::filesystem;

class RenderBatch : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder_.path() / "in");
        fs::create_directories(folder_.path() / "out");
        for (int k = 0; k < 3; ++k) {
            document::Diagram diagram;
            diagram.displayMode = 1;
            document::Curve curve;
            std::vector<document::Point> points;
            for (int i = 0; i <= 10; ++i) points.push_back({double(i), double((i * (k + 2)) % 7)});
            curve.points = document::PointBuffer(points);
            curve.line.type = {1, 0};
            diagram.curves.push_back(curve);
            ASSERT_TRUE(document::saveDiagram(diagram, folder_.file("in/d" + std::to_string(k) + ".orx"), "01/01/2026").ok);
        }
    }

    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }

    std::string bytes(const std::string& name) const { return readFile(folder_.file(name)); }

    TempFolder folder_;
};

TEST_F(RenderBatch, FolderAndPatternGiveThePicturesOfSeparateRuns) {
    for (int k = 0; k < 3; ++k) {
        const std::string name = "d" + std::to_string(k);
        const RunResult one = run({"render", "in/" + name + ".orx", "-o", "single_" + name + ".png"});
        ASSERT_EQ(one.status, 0) << one.err;
    }
    const RunResult folder = run({"render", "in/d0.orx", "in/d1.orx", "in/d2.orx", "-o", "out/"});
    ASSERT_EQ(folder.status, 0) << folder.err;
    EXPECT_EQ(folder.out, "");
    const RunResult pattern = run({"render", "in/d0.orx", "in/d1.orx", "in/d2.orx", "-o", "out/p_%n_100%%.png"});
    ASSERT_EQ(pattern.status, 0) << pattern.err;
    for (int k = 0; k < 3; ++k) {
        const std::string name = "d" + std::to_string(k);
        const std::string single = bytes("single_" + name + ".png");
        ASSERT_FALSE(single.empty());
        EXPECT_EQ(bytes("out/" + name + ".png"), single) << name;
        EXPECT_EQ(bytes("out/p_" + name + "_100%.png"), single) << name;
    }
    // An existing folder without its slash, and another format.
    const RunResult svg = run({"render", "in/d0.orx", "in/d1.orx", "-o", "out", "--format", "svg"});
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_NE(bytes("out/d0.svg").find("<svg"), std::string::npos);
    EXPECT_NE(bytes("out/d1.svg").find("<svg"), std::string::npos);
}

TEST_F(RenderBatch, RequestsThatWouldLoseAPictureAreRefused) {
    fs::create_directories(folder_.path() / "other");
    fs::copy_file(folder_.file("in/d0.orx"), folder_.file("other/d0.orx"));
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"render", "in/d0.orx", "in/d1.orx", "-o", "one.png"}, "plusieurs diagrammes"},
        {{"render", "in/d0.orx", "other/d0.orx", "-o", "out/"}, "la même image"},
        {{"render", "in/d0.orx", "in/d1.orx", "-o", "out/%d.png"}, "ne connaît que %n"},
        {{"render", "in/d0.orx", "-o", "one.png", "--format", "svg"}, "--format"},
    };
    for (const Case& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_TRUE(fs::is_empty(folder_.path() / "out"));
    EXPECT_FALSE(fs::exists(folder_.path() / "one.png"));
}

TEST_F(RenderBatch, AFailedDiagramIsReportedAndTheOthersAreDrawn) {
    writeFile(folder_.file("in/broken.orx"), "ASB_02 but not a diagram at all");
    const RunResult r = run({"render", "in/d0.orx", "in/broken.orx", "missing.orx", "in/d2.orx", "-o", "out/%n.png"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Le format de ce fichier n'est pas compatible avec Ordinax !"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("missing.orx"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(folder_.path() / "out/d0.png"));
    EXPECT_TRUE(fs::exists(folder_.path() / "out/d2.png"));
    EXPECT_FALSE(fs::exists(folder_.path() / "out/broken.png"));
}

}  // namespace render_batch
}  // namespace ordinax::cli::test
