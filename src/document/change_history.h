// The undo/redo history of the diagram: a before-image taken when a command
// starts, and up to 30 steps kept in files, each holding only the parts of
// the diagram (presentation fields, curve slots) that its command changed.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <bitset>
#include <string>
#include <vector>

#include "document/diagram.h"

namespace ordinax::document {

class ChangeHistory {
public:
    static constexpr int MaxSteps = 30;

    // Keeps its step files in `<tmpFolder>/ordinax-<owner>/`, created on first use.
    explicit ChangeHistory(std::string tmpFolder, pid_t owner = ::getpid());
    ~ChangeHistory();
    ChangeHistory(const ChangeHistory&) = delete;
    ChangeHistory& operator=(const ChangeHistory&) = delete;

    // Takes the before-image of a command: presentation fields, curves and selection.
    void beginChange(const Diagram& diagram, int selectedCurve);

    // Records a step when `diagram` differs from the before-image (everything
    // when `force`); true when a step was recorded.
    bool commitChange(const Diagram& diagram, bool force = false);

    // Reverts the last step into `diagram`, keeping its display mode; true when done.
    bool undo(Diagram& diagram, int& selectedCurve);

    // Re-applies the step undone last; true when done.
    bool redo(Diagram& diagram, int& selectedCurve);

    // Forgets every step and deletes their files.
    void clearHistory();

    // Whether the undo command is available in the given display mode.
    bool canUndo(int displayMode) const;

    // Whether the redo command is available in the given display mode.
    bool canRedo(int displayMode) const;

    int position() const { return position_; }
    int stepCount() const { return stepCount_; }

    // The folder holding this history's step files.
    const std::string& folder() const { return folder_; }

    // Deletes the `ordinax-<pid>` folders under `tmpFolder` whose process no longer runs.
    static void removeStaleFolders(const std::string& tmpFolder);

private:
    struct Step {
        bool header = false;
        std::bitset<MaxCurves> curves;
        int selectedCurve = -1;
        int curveCount = 0;  // of the state held in the file
    };

    bool ensureFolder();
    std::string stepPath(int index) const;
    bool writeState(const std::string& path, const Diagram& state, const Step& step) const;
    bool readState(const std::string& path, const Step& step, Diagram& state) const;
    bool swapStep(int index, Diagram& diagram, int& selectedCurve);
    void deleteStepFiles();

    std::string folder_;
    bool folderReady_ = false;
    Diagram before_;
    int beforeSelection_ = -1;
    bool haveBefore_ = false;
    std::vector<Step> steps_;
    int position_ = -1;
    int stepCount_ = 0;
};

}  // namespace ordinax::document
