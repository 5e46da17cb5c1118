// The explorer's scan over a generated folder tree: diagram files counted
// per folder and below, folders without any dropped, the skip rules, the
// depth limit, links, and a stop asked halfway.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "explorer/folder_scan.h"

namespace ordinax::explorer {
namespace {

namespace fs = std::filesystem;

class FolderScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ordinax_explorer_XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(root_); }

    void touch(const std::string& relative) {
        const fs::path p = root_ / relative;
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "x";
    }
    void folder(const std::string& relative) { fs::create_directories(root_ / relative); }

    FolderNode scan(const ScanOptions& options = {}) {
        const std::atomic<bool> stop{false};
        return scanDrive({root_.string(), DriveKind::Fixed}, options, stop);
    }
    static const FolderNode* child(const FolderNode& node, const std::string& name) {
        for (const FolderNode& c : node.children)
            if (c.name == name) return &c;
        return nullptr;
    }

    fs::path root_;
};

TEST_F(FolderScanTest, CountsDiagramsAndKeepsOnlyFoldersThatHoldSome) {
    touch("a.orx");
    touch("Mesures/essai.ORX");
    touch("Mesures/essai.txt");
    touch("Mesures/2024/mars.orx");
    touch("Mesures/2024/avril.Orx");
    touch("Vide/note.txt");
    folder("Vide/Encore");
    touch("Photos/image.orx.png");
    const FolderNode r = scan();
    EXPECT_EQ(r.files, 1);
    EXPECT_EQ(r.total, 4);
    ASSERT_EQ(r.children.size(), 1u);
    const FolderNode& mesures = r.children[0];
    EXPECT_EQ(mesures.name, "Mesures");
    EXPECT_EQ(mesures.files, 1);
    EXPECT_EQ(mesures.total, 3);
    const FolderNode* year = child(mesures, "2024");
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->files, 2);
    EXPECT_EQ(year->path, (root_ / "Mesures" / "2024").string());
    EXPECT_EQ(diagramFilesIn(year->path), (std::vector<std::string>{"avril.Orx", "mars.orx"}));
    EXPECT_EQ(pathToFolder(r, year->path), (std::vector<int>{0, 0}));
    EXPECT_EQ(pathToFolder(r, root_.string()), std::vector<int>{});
    EXPECT_FALSE(pathToFolder(r, (root_ / "Vide").string()));
}

TEST_F(FolderScanTest, SkipRules) {
    touch("Corbeille.RECYCLED/perdu.orx");
    touch("$Recycler/perdu.orx");
    touch(".Trash-1000/files/perdu.orx");
    touch("Trash/perdu.orx");
    touch("tmp/brouillon.orx");
    touch("autre-disque/x.orx");
    touch("garde/bon.orx");
    fs::create_directory_symlink(root_ / "garde", root_ / "lien");
    ScanOptions options;
    options.skippedFolders = {(root_ / "TMP").string()};  // compared without case
    options.otherRoots = {(root_ / "autre-disque").string()};
    const FolderNode r = scan(options);
    ASSERT_EQ(r.children.size(), 1u);
    EXPECT_EQ(r.children[0].name, "garde");
    EXPECT_EQ(r.total, 1);
}

TEST_F(FolderScanTest, DepthLimit) {
    // Eleven levels below the root are walked; the twelfth is not.
    std::string eleven, twelve;
    for (int i = 1; i <= 11; ++i) eleven += "n" + std::to_string(i) + "/";
    twelve = eleven + "n12/";
    touch(eleven + "trouve.orx");
    touch(twelve + "perdu.orx");
    const FolderNode r = scan();
    EXPECT_EQ(r.total, 1);
    EXPECT_TRUE(pathToFolder(r, (root_ / eleven).string()));
    EXPECT_FALSE(pathToFolder(r, (root_ / twelve).string()));
}

TEST_F(FolderScanTest, StopHalfwayKeepsWhatWasFound) {
    for (int i = 0; i < 40; ++i) touch("d" + std::to_string(i) + "/f.orx");
    std::atomic<bool> stop{false};
    long long seen = 0;
    const FolderNode r = scanDrive({root_.string(), DriveKind::Fixed}, {}, stop,
                                   [&](const std::string&, long long walked) {
                                       seen = walked;
                                       if (walked == 21) stop = true;  // the root and 20 folders
                                   });
    EXPECT_EQ(seen, 21);
    // The 20th folder was entered when the stop came, before its file was
    // seen: the 19 before it are kept, nothing after.
    EXPECT_EQ(r.total, 19);
    EXPECT_EQ(r.children.size(), 19u);
}

TEST_F(FolderScanTest, MissingDriveGivesAnEmptyRoot) {
    const std::atomic<bool> stop{false};
    const FolderNode r = scanDrive({(root_ / "absent").string(), DriveKind::Fixed}, {}, stop);
    EXPECT_EQ(r.total, 0);
    EXPECT_TRUE(r.children.empty());
}

}  // namespace
}  // namespace ordinax::explorer
