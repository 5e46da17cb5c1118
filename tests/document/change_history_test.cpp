// Tests of the undo/redo history: which changes make a step, what undo and
// redo bring back, the 30-step limit, and the per-process step folders.
#include "document/change_history.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orx_test_support.h"

namespace ordinax::document {
namespace {

namespace fs = std::filesystem;
using test::diagramDiff;
using test::makeEveryFieldDiagram;
using test::readFileBytes;
using test::scratchFolder;

// A pid that certainly names no running process: a child that has exited and been reaped.
pid_t deadPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

std::vector<std::string> stepFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void setPoints(Curve& c, std::vector<Point> pts) { c.points = PointBuffer(pts); }

class ChangeHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        tmp = scratchFolder();
        diagram = makeEveryFieldDiagram();
        diagram.displayMode = 1;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(tmp, ec);
    }

    // One command: bracket `edit` with begin and commit.
    template <class Edit>
    bool change(ChangeHistory& h, Edit edit, bool force = false) {
        h.beginChange(diagram, selected);
        edit(diagram);
        return h.commitChange(diagram, force);
    }

    std::string tmp;
    Diagram diagram;
    int selected = 0;
};

TEST_F(ChangeHistoryTest, UnchangedDiagramMakesNoStepAndNoFile) {
    ChangeHistory h(tmp);
    EXPECT_FALSE(change(h, [](Diagram&) {}));
    // A command that replaces points with equal points changes nothing either.
    EXPECT_FALSE(change(h, [](Diagram& d) { d.curves[0].points = PointBuffer(d.curves[0].points.view()); }));
    EXPECT_EQ(h.position(), -1);
    EXPECT_FALSE(h.canUndo(1));
    EXPECT_TRUE(stepFiles(h.folder()).empty());
}

TEST_F(ChangeHistoryTest, PresentationChangeWithoutCurvesMakesNoStep) {
    ChangeHistory h(tmp);
    diagram.curves.clear();
    EXPECT_FALSE(change(h, [](Diagram& d) {
        d.size[0] = 12.0;
        d.labels[0].text = "Titre";
    }));
    EXPECT_EQ(h.stepCount(), 0);
}

TEST_F(ChangeHistoryTest, StepHoldsOnlyTheChangedParts) {
    // Curve-only change: the file starts with the old title of curve 1 (int32
    // length, characters, zero byte), no presentation before it.
    {
        ChangeHistory h(tmp, 1001);
        const std::string oldTitle = diagram.curves[1].title;
        ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[1].title = "nouveau"; }));
        const auto bytes = readFileBytes(h.folder() + "/ORX_U000.TMP");
        test::ImageBuilder expect;
        expect.text(oldTitle);
        ASSERT_GE(bytes.size(), expect.size());
        EXPECT_TRUE(std::equal(expect.bytes().begin(), expect.bytes().end(), bytes.begin()));
    }
    // Presentation-only change: the file starts with displayMode then
    // orientation[0..1] and holds no curve (presentation items only).
    {
        ChangeHistory h(tmp, 1002);
        const Diagram before = diagram;
        ASSERT_TRUE(change(h, [](Diagram& d) { d.henryExtentIndex = 7; }));
        const auto bytes = readFileBytes(h.folder() + "/ORX_U000.TMP");
        test::ImageBuilder expect;
        expect.i32(before.displayMode).i32(before.orientation[0]).i32(before.orientation[1]);
        ASSERT_GE(bytes.size(), expect.size());
        EXPECT_TRUE(std::equal(expect.bytes().begin(), expect.bytes().end(), bytes.begin()));
        // The last four bytes are the old Henry extent index.
        std::int32_t last = 0;
        std::memcpy(&last, bytes.data() + bytes.size() - 4, 4);
        EXPECT_EQ(last, before.henryExtentIndex);
    }
}

TEST_F(ChangeHistoryTest, AddingACurveIsUndoneAndRedoneWhole) {
    ChangeHistory h(tmp);
    const Diagram before = diagram;
    ASSERT_TRUE(change(h, [](Diagram& d) {
        Curve c;
        c.title = "ajout";
        setPoints(c, {{1.0, 2.0}, {3.0, 4.0}});
        d.curves.push_back(c);
    }));
    const Diagram after = diagram;
    ASSERT_TRUE(h.undo(diagram, selected));
    EXPECT_EQ(diagram, before) << diagramDiff(diagram, before);
    ASSERT_TRUE(h.redo(diagram, selected));
    EXPECT_EQ(diagram, after) << diagramDiff(diagram, after);
}

TEST_F(ChangeHistoryTest, AddingTheFirstCurveIsUndone) {
    // From no curve at all the count still changes: undo must remove the curve.
    ChangeHistory h(tmp);
    diagram.curves.clear();
    const Diagram before = diagram;
    ASSERT_TRUE(change(h, [](Diagram& d) {
        Curve c;
        setPoints(c, {{0.0, 1.0}});
        d.curves.push_back(c);
    }));
    ASSERT_TRUE(h.undo(diagram, selected));
    EXPECT_EQ(diagram, before) << diagramDiff(diagram, before);
}

TEST_F(ChangeHistoryTest, RemovingACurveIsUndone) {
    ChangeHistory h(tmp);
    const Diagram before = diagram;
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves.erase(d.curves.begin()); }));
    const Diagram after = diagram;
    ASSERT_TRUE(h.undo(diagram, selected));
    EXPECT_EQ(diagram, before) << diagramDiff(diagram, before);
    ASSERT_TRUE(h.redo(diagram, selected));
    EXPECT_EQ(diagram, after) << diagramDiff(diagram, after);
}

TEST_F(ChangeHistoryTest, ThirtyOneChangesKeepTheLastThirty) {
    ChangeHistory h(tmp);
    std::vector<Diagram> states{diagram};
    for (int k = 1; k <= 31; ++k) {
        ASSERT_TRUE(change(h, [k](Diagram& d) {
            if (k % 3 == 0) d.margins[0][0] = k;
            else d.curves[static_cast<std::size_t>(k % 3)].title = "t" + std::to_string(k);
        }));
        states.push_back(diagram);
    }
    EXPECT_EQ(h.position(), 29);
    // Each undo brings back the state before its own change: 31 -> 30 ... -> 1.
    for (int k = 31; k >= 2; --k) {
        ASSERT_TRUE(h.canUndo(1));
        ASSERT_TRUE(h.undo(diagram, selected)) << k;
        EXPECT_EQ(diagram, states[static_cast<std::size_t>(k - 1)]) << k << diagramDiff(diagram, states[k - 1]);
    }
    EXPECT_FALSE(h.canUndo(1));
    EXPECT_FALSE(h.undo(diagram, selected));
    EXPECT_EQ(diagram, states[1]);
    // And every redo goes forward again to the end.
    for (int k = 2; k <= 31; ++k) {
        ASSERT_TRUE(h.redo(diagram, selected)) << k;
        EXPECT_EQ(diagram, states[static_cast<std::size_t>(k)]) << k << diagramDiff(diagram, states[k]);
    }
    EXPECT_FALSE(h.canRedo(1));
}

TEST_F(ChangeHistoryTest, RedoRestoresWhatItsUndoTookEvenWhenLaterStepsChangedOtherParts) {
    // Change A touches curve 0, change B curve 1. Undo B, undo A, redo A must
    // give "after A" (curve 0 new, curve 1 old), not a mix of other steps.
    ChangeHistory h(tmp);
    const Diagram start = diagram;
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].legend = "A"; }));
    const Diagram afterA = diagram;
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[1].legend = "B"; }));
    ASSERT_TRUE(h.undo(diagram, selected));
    ASSERT_TRUE(h.undo(diagram, selected));
    EXPECT_EQ(diagram, start) << diagramDiff(diagram, start);
    ASSERT_TRUE(h.redo(diagram, selected));
    EXPECT_EQ(diagram, afterA) << diagramDiff(diagram, afterA);
}

TEST_F(ChangeHistoryTest, UndoThenRedoReturnsExactlyAndKeepsTheDisplayMode) {
    ChangeHistory h(tmp);
    selected = 2;
    ASSERT_TRUE(change(h, [](Diagram& d) {
        d.logo.zoom = 250;
        d.curves[2].symbol.size = 30;
        setPoints(d.curves[2], {{5.0, 6.0}});
    }));
    selected = 1;
    Diagram after = diagram;
    // The view switched to another display mode in between: undo keeps it.
    diagram.displayMode = 3;
    after.displayMode = 3;
    ASSERT_TRUE(h.undo(diagram, selected));
    EXPECT_EQ(diagram.displayMode, 3);
    EXPECT_EQ(selected, 2);
    ASSERT_TRUE(h.canRedo(3));
    EXPECT_FALSE(h.canRedo(0));
    ASSERT_TRUE(h.redo(diagram, selected));
    EXPECT_EQ(diagram, after) << diagramDiff(diagram, after);
    EXPECT_EQ(selected, 1);
}

TEST_F(ChangeHistoryTest, NewChangeDropsTheRedoSteps) {
    ChangeHistory h(tmp);
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].hidden = 1; }));
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].hidden = 2; }));
    ASSERT_TRUE(h.undo(diagram, selected));
    ASSERT_TRUE(h.undo(diagram, selected));
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[1].hidden = 5; }));
    EXPECT_EQ(h.position(), 0);
    EXPECT_EQ(h.stepCount(), 1);
    EXPECT_FALSE(h.canRedo(1));
    EXPECT_FALSE(h.redo(diagram, selected));
    EXPECT_EQ(diagram.curves[1].hidden, 5);
}

TEST_F(ChangeHistoryTest, ForceRecordsEvenWithoutDifference) {
    ChangeHistory h(tmp);
    const Diagram before = diagram;
    ASSERT_TRUE(change(h, [](Diagram&) {}, true));
    ASSERT_TRUE(h.undo(diagram, selected));
    EXPECT_EQ(diagram, before);
}

TEST_F(ChangeHistoryTest, CommitWithoutBeginRecordsNothing) {
    ChangeHistory h(tmp);
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].hidden = 1; }));
    diagram.curves[0].hidden = 2;
    EXPECT_FALSE(h.commitChange(diagram, false));
    EXPECT_EQ(h.stepCount(), 1);
}

TEST_F(ChangeHistoryTest, UndoAfterClearDoesNothing) {
    ChangeHistory h(tmp);
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].title = "x"; }));
    h.clearHistory();
    const Diagram now = diagram;
    EXPECT_FALSE(h.canUndo(1));
    EXPECT_FALSE(h.undo(diagram, selected));
    EXPECT_FALSE(h.redo(diagram, selected));
    EXPECT_EQ(diagram, now);
    EXPECT_TRUE(stepFiles(h.folder()).empty());
}

TEST_F(ChangeHistoryTest, DamagedOrMissingStepFileLeavesEverythingAsItWas) {
    ChangeHistory h(tmp);
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].title = "x"; }));
    const std::string step = h.folder() + "/ORX_U000.TMP";
    const Diagram now = diagram;
    for (int damage = 0; damage < 3; ++damage) {
        SCOPED_TRACE(damage);
        const auto bytes = readFileBytes(step);
        if (damage == 0) {
            fs::resize_file(step, bytes.size() - 1);  // truncated
        } else if (damage == 1) {
            std::ofstream(step, std::ios::app) << 'x';  // trailing byte
        } else {
            fs::remove(step);
        }
        EXPECT_FALSE(h.undo(diagram, selected));
        EXPECT_EQ(diagram, now);
        EXPECT_EQ(h.position(), 0);
        if (damage < 2) test::writeFileBytes(step, bytes);
    }
}

TEST_F(ChangeHistoryTest, TwoProcessesNeverShareFiles) {
    const Diagram start = diagram;
    Diagram other = diagram;
    int otherSelected = 0;
    ChangeHistory a(tmp, 2001);
    auto b = std::make_unique<ChangeHistory>(tmp, 2002);
    EXPECT_NE(a.folder(), b->folder());
    ASSERT_TRUE(change(a, [](Diagram& d) { d.curves[0].title = "A"; }));
    b->beginChange(other, otherSelected);
    other.curves[0].title = "B";
    ASSERT_TRUE(b->commitChange(other, false));
    b->clearHistory();
    b.reset();  // the other process ends: its folder goes, ours stays
    ASSERT_TRUE(fs::exists(a.folder() + "/ORX_U000.TMP"));
    ASSERT_TRUE(a.undo(diagram, selected));
    EXPECT_EQ(diagram, start);
}

TEST_F(ChangeHistoryTest, DestructorRemovesItsFolder) {
    std::string folder;
    {
        ChangeHistory h(tmp);
        ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].title = "x"; }));
        folder = h.folder();
        EXPECT_EQ(fs::path(folder).filename().string(), "ordinax-" + std::to_string(::getpid()));
        EXPECT_TRUE(fs::is_directory(folder));
    }
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(ChangeHistoryTest, StaleFoldersOfDeadProcessesAreRemoved) {
    const pid_t dead = deadPid();
    const std::string deadFolder = tmp + "/ordinax-" + std::to_string(dead);
    const std::string liveFolder = tmp + "/ordinax-" + std::to_string(::getpid());
    const std::string otherName = tmp + "/ordinax-abc";
    const std::string target = tmp + "/keep";
    for (const auto& f : {deadFolder, liveFolder, otherName, target}) fs::create_directory(f);
    std::ofstream(deadFolder + "/ORX_U000.TMP") << "x";
    std::ofstream(target + "/file") << "x";
    // A link named like a dead process's folder is removed as a link, never followed.
    const pid_t deadToo = deadPid();
    const std::string link = tmp + "/ordinax-" + std::to_string(deadToo);
    fs::create_directory_symlink(target, link);

    ChangeHistory::removeStaleFolders(tmp);
    EXPECT_FALSE(fs::exists(deadFolder));
    EXPECT_TRUE(fs::is_directory(liveFolder));
    EXPECT_TRUE(fs::is_directory(otherName));
    EXPECT_TRUE(fs::exists(target + "/file"));
}

TEST_F(ChangeHistoryTest, ReusedFolderStartsEmpty) {
    // A folder left by a dead process with our number holds old files: the
    // first use deletes them, so no old step is ever read.
    const std::string folder = tmp + "/ordinax-3003";
    fs::create_directory(folder);
    std::ofstream(folder + "/ORX_U001.TMP") << "old";
    ChangeHistory h(tmp, 3003);
    ASSERT_TRUE(change(h, [](Diagram& d) { d.curves[0].title = "x"; }));
    EXPECT_EQ(stepFiles(folder), std::vector<std::string>{"ORX_U000.TMP"});
}

TEST_F(ChangeHistoryTest, RandomEditsAgreeWithAListOfStates) {
    // Property: against a model (a vector of states and a cursor), any mix of
    // edits, undos and redos gives the model's state.
    std::mt19937 rng(12345);
    ChangeHistory h(tmp);
    std::vector<Diagram> states{diagram};
    std::size_t at = 0;
    for (int round = 0; round < 300; ++round) {
        const int action = static_cast<int>(rng() % 10);
        if (action < 2) {
            const bool did = h.undo(diagram, selected);
            // The model keeps at most 31 states, so every earlier state is undoable.
            ASSERT_EQ(did, at > 0) << round;
            if (did) --at;
        } else if (action < 4) {
            const bool did = h.redo(diagram, selected);
            ASSERT_EQ(did, at + 1 < states.size()) << round;
            if (did) ++at;
        } else {
            const int what = static_cast<int>(rng() % 5);
            const int v = static_cast<int>(rng() % 1000);
            h.beginChange(diagram, selected);
            if (what == 0) diagram.size[1] = v;
            else if (what == 1 && diagram.curveCount() < 6) {
                Curve c;
                c.title = std::to_string(v);
                setPoints(c, {{double(v), 1.0}});
                diagram.curves.push_back(c);
            } else if (what == 2 && diagram.curveCount() > 1) {
                diagram.curves.erase(diagram.curves.begin() + v % diagram.curveCount());
            } else if (diagram.curveCount() > 0) {
                diagram.curves[static_cast<std::size_t>(v % diagram.curveCount())].confidence = v;
            }
            const bool changed = !(diagram == states[at]);
            ASSERT_EQ(h.commitChange(diagram, false), changed) << round;
            if (changed) {
                states.resize(at + 1);
                states.push_back(diagram);
                ++at;
                // Only the last 30 changes can be undone.
                if (states.size() > 31) {
                    states.erase(states.begin());
                    --at;
                }
            }
        }
        ASSERT_EQ(diagram, states[at]) << round << diagramDiff(diagram, states[at]);
    }
}

}  // namespace
}  // namespace ordinax::document
