// The one way the programs write a file: the temporary file beside the
// target named after its process, the previous file kept whole on every
// failure (full disk, closed folder, missing folder), the system's reason in
// the message, and the temporary files of dead processes removed.
#include "document/safe_file.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/strings.h"
#include "document/constrained_disk.h"
#include "document/orx_file.h"
#include "orx_test_support.h"

namespace ordinax::document {
namespace {

namespace fs = std::filesystem;
using test::ChildLimits;
using test::SmallDisk;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void putText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The host part of this process's temporary names, as AtomicFile writes it.
std::string ownHost(const std::string& folder) {
    AtomicFile probe;
    EXPECT_TRUE(probe.open(folder + "/sonde"));
    TemporaryOwner owner;
    EXPECT_TRUE(temporaryOwner(fs::path(probe.temporaryPath()).filename().string(), owner));
    return owner.host;
}

// A process id that no process holds any more: a child that ended and was reaped.
pid_t reapedChildPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

class SafeFileTest : public ::testing::Test {
protected:
    SafeFileTest() : folder_(test::makeScratchFolder("ordinax-safe-file")) {}
    ~SafeFileTest() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }
    std::string folder_;
};

TEST_F(SafeFileTest, TargetChangesOnlyAtTheCommit) {
    const std::string target = folder_ + "/note.txt";
    putText(target, "avant");
    {
        AtomicFile file;
        ASSERT_TRUE(file.open(target));
        // The temporary file lies beside the target and names this process.
        TemporaryOwner owner;
        const fs::path temporary(file.temporaryPath());
        EXPECT_EQ(temporary.parent_path(), fs::path(folder_));
        ASSERT_TRUE(temporaryOwner(temporary.filename().string(), owner)) << temporary;
        EXPECT_EQ(owner.pid, ::getpid());
        ASSERT_TRUE(file.write("après", 6));
        EXPECT_EQ(fileText(target), "avant");
        ASSERT_TRUE(file.commit());
    }
    EXPECT_EQ(fileText(target), std::string("après", 6));
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"note.txt"});

    // Dropped without a commit: the target stays, the temporary file goes.
    {
        AtomicFile file;
        ASSERT_TRUE(file.open(target));
        ASSERT_TRUE(file.write("perdu", 5));
    }
    EXPECT_EQ(fileText(target), std::string("après", 6));
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"note.txt"});
}

TEST_F(SafeFileTest, LargeWritesAndSmallOnesEndUpInOrder) {
    // Small writes are gathered, large ones go straight out: the order stays.
    const std::string target = folder_ + "/suite.bin";
    std::string expected;
    AtomicFile file;
    ASSERT_TRUE(file.open(target));
    for (int i = 0; i < 200; ++i) {
        const std::string piece(i % 7 == 0 ? 300000 : 17, static_cast<char>('a' + i % 26));
        ASSERT_TRUE(file.write(piece.data(), piece.size()));
        expected += piece;
    }
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(fileText(target), expected);
}

TEST(TemporaryOwner, OnlyOurNamesAreRecognised) {
    const struct {
        const char* name;
        bool ours;
        long pid;
        const char* host;
    } cases[] = {
        {".d.orx.ordinax-1234-poste-7.AbC9z0", true, 1234, "poste-7"},
        {".a.b.ordinax-1.ordinax-5-h.xxxxxx", true, 5, "h"},  // the last mark counts
        {"d.orx.ordinax-1234-poste.AbC9z0", false, 0, ""},     // not hidden
        {".d.orx.ordinax-12a4-poste.AbC9z0", false, 0, ""},    // not a process id
        {".d.orx.ordinax-1234-poste.AbC9", false, 0, ""},      // random part cut short
        {".d.orx.ordinax-1234-poste.AbC9z!", false, 0, ""},
        {".d.orx.ordinax--poste.AbC9z0", false, 0, ""},
        {".d.orx.AbC9z0", false, 0, ""},  // the temporary files of earlier versions: no owner known
        {".ordinax-1234-poste.AbC9z0", false, 0, ""},
    };
    for (const auto& c : cases) {
        TemporaryOwner owner;
        EXPECT_EQ(temporaryOwner(c.name, owner), c.ours) << c.name;
        if (!c.ours) continue;
        EXPECT_EQ(owner.pid, c.pid) << c.name;
        EXPECT_EQ(owner.host, c.host) << c.name;
    }
}

TEST_F(SafeFileTest, OnlyTheTemporaryFilesOfDeadProcessesGo) {
    const std::string host = ownHost(folder_);
    const std::string dead = std::to_string(reapedChildPid());
    const std::string live = std::to_string(::getppid());
    const std::vector<std::string> kept = {
        ".d.orx.ordinax-" + live + "-" + host + ".Vivant",        // a live process
        ".d.orx.ordinax-" + dead + "-ailleurs-" + host + ".Autre0",  // another host
        "d.orx",                                                   // the diagram itself
        ".d.orx.Ancien",                                           // no owner in the name
    };
    for (const std::string& name : kept) putText(folder_ + "/" + name, "x");
    putText(folder_ + "/.d.orx.ordinax-" + dead + "-" + host + ".Mort00", "reste d'une sauvegarde tuée");
    // A folder of that name is nobody's temporary file.
    fs::create_directory(folder_ + "/.e.orx.ordinax-" + dead + "-" + host + ".Dossie");

    EXPECT_EQ(removeStaleTemporaries(folder_), 1);
    std::vector<std::string> expected = kept;
    expected.push_back(".e.orx.ordinax-" + dead + "-" + host + ".Dossie");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder_), expected);
}

TEST_F(SafeFileTest, ASaveRemovesWhatAKilledSaveLeft) {
    const std::string host = ownHost(folder_);
    const std::string stale = folder_ + "/.d.orx.ordinax-" + std::to_string(reapedChildPid()) + "-" + host + ".Tue000";
    putText(stale, std::string(100000, 'z'));
    Diagram d = test::makeEveryFieldDiagram();
    ASSERT_TRUE(saveDiagram(d, folder_ + "/d.orx", "x").ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"d.orx"});
}

// Every failure of a write: the message names the file and tells why, the
// previous file is byte for byte what it was, and no temporary file stays.
TEST_F(SafeFileTest, FailedWritesKeepThePreviousFileAndTellWhy) {
    SmallDisk disk;
    const std::string full = disk.path() + "/d.orx";
    putText(full, "ancien contenu");
    const bool diskFull = disk.fill();
    const std::string closed = folder_ + "/ferme";
    fs::create_directory(closed);
    putText(closed + "/d.orx", "ancien contenu");
    fs::permissions(closed, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    test::openToEveryone(closed);

    const struct {
        const char* what;
        std::string target;
        ChildLimits limits;
        const char* reason;
    } cases[] = {
        // Without a disk of our own the file size limit of the process makes the write fail.
        {"disque plein", full, diskFull ? ChildLimits{} : ChildLimits{1, false},
         diskFull ? "Le disque est plein." : "Le fichier dépasse la taille maximale autorisée."},
        {"dossier fermé", closed + "/d.orx", ChildLimits{-1, true}, "Accès refusé."},
        {"dossier absent", folder_ + "/absent/d.orx", ChildLimits{}, "Le dossier n'existe pas."},
    };
    for (const auto& c : cases) {
        const std::string before = fs::exists(c.target) ? fileText(c.target) : std::string();
        const std::string expected = "Impossible d'enregistrer le fichier " + c.target + " !\n\n" + c.reason;
        const int status = test::runInChild(c.limits, [&] {
            Diagram d = test::makeEveryFieldDiagram();
            const SaveResult r = saveDiagram(d, c.target, "x");
            return !r.ok && r.message.id == base::MsgFileWriteFailed && r.message.text == expected ? 0 : 1;
        });
        EXPECT_EQ(status, 0) << c.what << ": the save did not fail with « " << expected << " »";
        if (!before.empty()) {
            EXPECT_EQ(fileText(c.target), before) << c.what;
        }
        const std::string folder = fs::path(c.target).parent_path().string();
        if (!fs::exists(folder)) continue;
        for (const std::string& name : namesIn(folder)) {
            EXPECT_TRUE(name == "d.orx" || name == ".remplissage") << c.what << ": " << name << " left behind";
        }
    }
}

}  // namespace
}  // namespace ordinax::document
