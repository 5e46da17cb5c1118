// The document of the application: the one working diagram, its file path,
// the reference copy that tells whether it was modified, the undo history
// and the view's selection. Every change goes through beginChange /
// commitChange. Nothing here needs Qt.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/message.h"
#include "document/change_history.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::shell {

class COrdinaxDoc {
public:
    // `tempFolder` holds the undo folder of this process.
    COrdinaxDoc(document::DiagramDefaults defaults, std::string tempFolder);

    document::Diagram& diagram() { return diagram_; }
    const document::Diagram& diagram() const { return diagram_; }
    const std::string& path() const { return path_; }
    // The file name alone, "" when never saved.
    std::string fileName() const;

    // Index of the selected curve, -1 for all curves.
    int selectedCurve() const { return selectedCurve_; }
    void setSelectedCurve(int curve) { selectedCurve_ = curve; }

    // Resets the diagram from the preference defaults; no path, no history, no selection.
    void newDiagram();

    // Replaces the diagram by the file's; on failure nothing changes and the message is returned.
    base::Message openDiagram(const std::string& path);
    // The warnings of the last successful open (points left out of an older file).
    const std::vector<base::Message>& openWarnings() const { return openWarnings_; }

    // Loads a recovery copy as the modified state of the diagram saved at
    // `original` ("" for a never-saved one); the history is cleared.
    base::Message restoreRecovery(const std::string& copy, const std::string& original);

    // Writes the diagram to `path` (atomically); on success it becomes the
    // diagram's path and the diagram counts as unmodified.
    base::Message saveDiagram(const std::string& path, const std::string& now);

    // Whether the diagram differs from what was last opened, saved or created
    // (the display mode is a view choice and does not count).
    bool isModified() const;

    // The change bracket of a modifying command; true when a step was recorded.
    void beginChange();
    bool commitChange(bool force = false);

    bool undo();
    bool redo();
    bool canUndo() const { return history_->canUndo(diagram_.displayMode); }
    bool canRedo() const { return history_->canRedo(diagram_.displayMode); }

    const document::DiagramDefaults& defaults() const { return defaults_; }
    void setDefaults(const document::DiagramDefaults& defaults) { defaults_ = defaults; }

private:
    void afterLoad();

    document::DiagramDefaults defaults_;
    document::Diagram diagram_;
    document::Diagram reference_;
    bool forcedModified_ = false;  // restored from a recovery copy: modified whatever the comparison says
    std::string path_;
    std::vector<base::Message> openWarnings_;
    int selectedCurve_ = -1;
    std::unique_ptr<document::ChangeHistory> history_;
};

}  // namespace ordinax::shell
