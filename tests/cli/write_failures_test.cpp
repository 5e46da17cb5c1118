// Every writer of ordinax-cli on a full disk, in a folder it may not write
// in and in a missing folder: exit 1, the reason in the message, the
// previous file byte for byte, no temporary file left. A writer killed
// half-way leaves the previous file or the new one, and the temporary files
// of killed runs go at the next start, never those of live processes.
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "cli/limited_run.h"
#include "document/constrained_disk.h"
#include "document/safe_file.h"

namespace ordinax::cli::test {
namespace {

namespace fs = std::filesystem;
using document::test::ChildLimits;
using document::test::SmallDisk;

// A diagram of two curves, the first fitted by a straight line, with their
// dates set so that every save of it gives the same bytes.
const char* const DiagramJson = R"json({"curves": [
  {"title": "Mesures", "modified": "01/02/2024 (10:00)", "treatment": "LIN",
   "points": [[1, 2.1], [2, 3.9], [3, 6.2], [4, 7.8], [5, 10.1], [6, 12.2]]},
  {"title": "Autre", "modified": "01/02/2024 (10:00)",
   "points": [[0, 1], [1, 0], [2, 1], [3, 0], [4, 1], [5, 0], [6, 1], [7, 0]]}]})json";

struct Writer {
    const char* name;
    std::vector<std::string> args;  // "OUT" stands for the output file
    std::string output;             // name of the output file
};

// The commands that write a file, one line each (the options that make
// them write included).
const std::vector<Writer>& writers() {
    static const std::vector<Writer> list = {
        {"new", {"new", "-o", "OUT"}, "sortie.orx"},
        {"convert", {"convert", "IN/d.orx", "-o", "OUT"}, "sortie.orx"},
        {"build", {"build", "IN/d.json", "-o", "OUT"}, "sortie.orx"},
        {"dump", {"dump", "IN/d.orx", "-o", "OUT"}, "sortie.json"},
        {"function", {"function", "--expr", "y=x*x", "-o", "OUT"}, "sortie.orx"},
        {"fit -o", {"fit", "IN/d.orx", "--curve", "0", "--model", "LIN", "-o", "OUT"}, "sortie.orx"},
        {"fit --report", {"fit", "IN/d.orx", "--curve", "0", "--model", "LIN", "--report", "OUT"}, "note.txt"},
        {"fourier -o", {"fourier", "IN/d.orx", "--curve", "1", "--harmonics", "2", "-o", "OUT"}, "sortie.orx"},
        {"fourier --report", {"fourier", "IN/d.orx", "--curve", "1", "--harmonics", "2", "--report", "OUT"}, "note.csv"},
        {"spectrum", {"spectrum", "IN/d.orx", "--curve", "1", "--intensity", "--harmonics", "2", "-o", "OUT"},
         "sortie.orx"},
        {"derive", {"derive", "IN/d.orx", "--curve", "0", "-o", "OUT"}, "sortie.orx"},
        {"residuals", {"residuals", "IN/f.orx", "--curve", "0", "-o", "OUT"}, "sortie.orx"},
        {"transform", {"transform", "IN/d.orx", "--curve", "0", "--tool", "sort", "--column", "x", "--descending", "-o", "OUT"},
         "sortie.orx"},
        {"units", {"units", "IN/d.orx", "--curve", "0", "--axis", "x", "--set", "m", "-o", "OUT"}, "sortie.orx"},
        {"macro", {"macro", "IN/d.orx", "--command", "10102", "--frame-color", "255", "-o", "OUT"}, "sortie.orx"},
        {"import", {"import", "IN/donnees.txt", "-o", "OUT"}, "sortie.orx"},
        {"paste", {"paste", "IN/tableau.txt", "-o", "OUT"}, "sortie.orx"},
        {"export", {"export", "IN/d.orx", "--curve", "0", "-o", "OUT"}, "courbe.csv"},
        {"procedure --write", {"procedure", "--write", "OUT", "--separator", "TAB"}, "proc.pca"},
        {"report txt", {"report", "IN/f.orx", "--curve", "0", "-o", "OUT"}, "note.txt"},
        {"report rtf", {"report", "IN/f.orx", "--curve", "0", "-o", "OUT"}, "note.rtf"},
        {"report pdf", {"report", "IN/f.orx", "--curve", "0", "-o", "OUT"}, "note.pdf"},
        {"render png", {"render", "IN/d.orx", "-o", "OUT"}, "image.png"},
        {"render svg", {"render", "IN/d.orx", "-o", "OUT"}, "image.svg"},
        {"render pdf", {"render", "IN/d.orx", "-o", "OUT"}, "image.pdf"},
    };
    // Each writer its own output file, so that each finds its own previous file.
    static const std::vector<Writer> named = [] {
        std::vector<Writer> out = list;
        for (std::size_t i = 0; i < out.size(); ++i) out[i].output = std::to_string(i) + "-" + out[i].output;
        return out;
    }();
    return named;
}

std::vector<std::string> argsOf(const Writer& w, const std::string& in, const std::string& out) {
    std::vector<std::string> args;
    for (const std::string& a : w.args) {
        if (a == "OUT") args.push_back(out);
        else if (a.rfind("IN/", 0) == 0) args.push_back(in + "/" + a.substr(3));
        else args.push_back(a);
    }
    args.push_back("--factory");
    return args;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool isOurTemporary(const std::string& name) {
    document::TemporaryOwner owner;
    return document::temporaryOwner(name, owner);
}

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        in_ = folder_.path().string() + "/entrees";
        fs::create_directory(in_);
        writeFile(in_ + "/d.json", DiagramJson);
        ASSERT_EQ(runCli({"build", in_ + "/d.json", "-o", in_ + "/d.orx", "--factory"}, folder_.path()).status, 0);
        // The fitted diagram the residuals and the reports work on.
        ASSERT_EQ(runCli({"fit", in_ + "/d.orx", "--curve", "0", "--model", "LIN", "-o", in_ + "/f.orx", "--factory"},
                         folder_.path())
                      .status,
                  0);
        writeFile(in_ + "/donnees.txt", "1;2\n2;4\n3;6\n");
        writeFile(in_ + "/tableau.txt", "1\t2\n2\t4\n");
        // A child running as "nobody" must reach the inputs.
        document::test::openToEveryone(in_);
        for (const std::string& name : namesIn(in_)) fs::permissions(in_ + "/" + name, fs::perms(0644));
    }

    std::string run(const Writer& w, const std::string& out, const ChildLimits& limits, int& status) {
        RunOptions options;
        options.limits = limits;
        const LimitedRun r = runLimited(argsOf(w, in_, out), folder_.path().string(), options);
        status = r.result.status;
        return r.result.err;
    }

    TempFolder folder_;
    std::string in_;
};

TEST_F(WriterTest, EveryWriterSucceedsWhereItMayWrite) {
    // The table is only worth something if each line writes when nothing stops it.
    const std::string out = folder_.path().string() + "/libre";
    fs::create_directory(out);
    for (const Writer& w : writers()) {
        int status = 0;
        const std::string err = run(w, out + "/" + w.output, {}, status);
        EXPECT_EQ(status, 0) << w.name << ": " << err;
        EXPECT_TRUE(fs::exists(out + "/" + w.output)) << w.name;
        fs::remove(out + "/" + w.output);
    }
}

TEST_F(WriterTest, FailedWritesKeepThePreviousFileAndTellWhy) {
    SmallDisk disk;
    const std::string closed = folder_.path().string() + "/ferme";
    fs::create_directory(closed);
    struct Place {
        const char* what;
        std::string folder;
        ChildLimits limits;
        const char* reason;
    };
    // Without a disk of our own, a file size limit of 0 makes every write fail.
    const bool mounted = disk.mounted();
    const std::vector<Place> places = {
        {"disque plein", disk.path(), mounted ? ChildLimits{} : ChildLimits{0, false},
         mounted ? "Le disque est plein." : "Le fichier dépasse la taille maximale autorisée."},
        {"dossier fermé", closed, ChildLimits{-1, true}, "Accès refusé."},
        {"dossier absent", folder_.path().string() + "/absent", ChildLimits{}, "Le dossier n'existe pas."},
    };
    // The previous files are in place before the disk fills and the folder closes.
    for (const Writer& w : writers()) {
        writeFile(disk.path() + "/" + w.output, std::string("précédent ") + w.name);
        writeFile(closed + "/" + w.output, std::string("précédent ") + w.name);
    }
    if (mounted) {
        ASSERT_TRUE(disk.fill());
    }
    fs::permissions(closed, fs::perms(0555));
    document::test::openToEveryone(closed);

    for (const Place& place : places) {
        for (const Writer& w : writers()) {
            const std::string out = place.folder + "/" + w.output;
            int status = 0;
            const std::string err = run(w, out, place.limits, status);
            EXPECT_EQ(status, 1) << place.what << ", " << w.name << ": " << err;
            EXPECT_EQ(err.rfind("ERREUR\n\n", 0), 0u) << place.what << ", " << w.name << ": " << err;
            EXPECT_NE(err.find(out), std::string::npos) << place.what << ", " << w.name << ": " << err;
            EXPECT_NE(err.find(std::string("\n\n") + place.reason), std::string::npos)
                << place.what << ", " << w.name << ": " << err;
            if (fs::exists(place.folder)) {
                EXPECT_EQ(readFile(out), std::string("précédent ") + w.name) << place.what << ", " << w.name;
            }
        }
        for (const std::string& name : namesIn(place.folder))
            EXPECT_FALSE(isOurTemporary(name)) << place.what << ": " << name << " left behind";
    }
    fs::permissions(closed, fs::perms(0755));
}

// Polls the folder until a temporary file of `target` shows, then kills the
// writer: true when the kill came while it was writing.
bool killWhileWriting(pid_t pid, const std::string& folder, const std::string& target) {
    const std::string prefix = "." + target + ".ordinax-";
    bool seen = false;
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return false;  // done before we saw it
        DIR* dir = opendir(folder.c_str());
        while (const dirent* entry = dir ? readdir(dir) : nullptr)
            if (std::string(entry->d_name).rfind(prefix, 0) == 0) seen = true;
        if (dir) closedir(dir);
        if (seen) break;
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
}

TEST_F(WriterTest, KilledWriterLeavesThePreviousOrTheNewFile) {
    // Large outputs take long enough to be caught half-way.
    const std::string big = in_ + "/grand.orx";
    ASSERT_EQ(runCli({"function", "--expr", "y=sin(x)", "--from", "0", "--to", "100", "--points", "400000", "-o", big,
                      "--factory"},
                     folder_.path())
                  .status,
              0);
    ASSERT_EQ(runCli({"dump", big, "-o", in_ + "/grand.json", "--compact", "--factory"}, folder_.path()).status, 0);
    const std::vector<Writer> large = {
        {"convert", {"convert", "IN/grand.orx", "-o", "OUT"}, "sortie.orx"},
        {"build", {"build", "IN/grand.json", "-o", "OUT"}, "sortie.orx"},
        {"dump", {"dump", "IN/grand.orx", "-o", "OUT"}, "sortie.json"},
        {"export", {"export", "IN/grand.orx", "--curve", "0", "-o", "OUT"}, "courbe.csv"},
        {"render", {"render", "IN/grand.orx", "--width", "4000", "--height", "4000", "-o", "OUT"}, "image.png"},
    };
    const std::string out = folder_.path().string() + "/sorties";
    fs::create_directory(out);
    for (const Writer& w : large) {
        const std::string reference = out + "/reference-" + w.output;
        ASSERT_EQ(runCli(argsOf(w, in_, reference), folder_.path()).status, 0) << w.name;
        const std::string target = out + "/" + w.output;
        const std::string previous = std::string("précédent ") + w.name;
        writeFile(target, previous);
        bool killed = false;
        for (int attempt = 0; attempt < 20 && !killed; ++attempt)
            killed = killWhileWriting(startCli(argsOf(w, in_, target), folder_.path().string()), out, w.output);
        EXPECT_TRUE(killed) << w.name << ": never caught while writing";
        const std::string now = readFile(target);
        EXPECT_TRUE(now == previous || now == readFile(reference)) << w.name << ": the target is neither file";
        // Killed before its rename, the run left its temporary file; the next start removes it.
        if (killed) {
            const auto left = namesIn(out);
            if (now == previous) {
                EXPECT_TRUE(std::any_of(left.begin(), left.end(), isOurTemporary)) << w.name;
            }
            ASSERT_EQ(runCli({"info", in_ + "/d.orx", "--factory"}, out).status, 0);
            for (const std::string& name : namesIn(out)) EXPECT_FALSE(isOurTemporary(name)) << w.name << ": " << name;
        }
        fs::remove(reference);
    }
}

TEST_F(WriterTest, StartRemovesOnlyTheTemporaryFilesOfDeadProcesses) {
    const std::string folder = folder_.path().string();
    document::AtomicFile probe;
    ASSERT_TRUE(probe.open(folder + "/sonde"));
    document::TemporaryOwner own;
    ASSERT_TRUE(document::temporaryOwner(fs::path(probe.temporaryPath()).filename().string(), own));
    probe.cancel();
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    const std::string dead = ".d.orx.ordinax-" + std::to_string(child) + "-" + own.host + ".Mort00";
    const std::string live = ".d.orx.ordinax-" + std::to_string(getpid()) + "-" + own.host + ".Vivant";
    const std::string elsewhere = ".d.orx.ordinax-" + std::to_string(child) + "-autre-poste.Autre0";
    for (const std::string& name : {dead, live, elsewhere}) writeFile(folder + "/" + name, "x");
    // The output folder of a command is cleaned as well as the working folder.
    const std::string outputs = folder + "/sorties";
    fs::create_directory(outputs);
    writeFile(outputs + "/" + dead, "x");

    ASSERT_EQ(runCli({"new", "-o", outputs + "/n.orx", "--factory"}, folder_.path()).status, 0);
    EXPECT_FALSE(fs::exists(folder + "/" + dead));
    EXPECT_FALSE(fs::exists(outputs + "/" + dead));
    EXPECT_TRUE(fs::exists(folder + "/" + live));
    EXPECT_TRUE(fs::exists(folder + "/" + elsewhere));
}

}  // namespace
}  // namespace ordinax::cli::test
