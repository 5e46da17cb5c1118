// The document of the application.
#include "shell/ordinax_doc.h"

#include <filesystem>

#include "document/orx_file.h"
#include "render/display_update.h"

namespace ordinax::shell {

COrdinaxDoc::COrdinaxDoc(document::DiagramDefaults defaults, std::string tempFolder)
    : defaults_(std::move(defaults)), history_(std::make_unique<document::ChangeHistory>(std::move(tempFolder))) {
    document::resetDiagram(diagram_, defaults_);
    reference_ = diagram_;
}

std::string COrdinaxDoc::fileName() const {
    return path_.empty() ? std::string() : std::filesystem::path(path_).filename().string();
}

void COrdinaxDoc::newDiagram() {
    const int mode = diagram_.displayMode;
    document::resetDiagram(diagram_, defaults_);
    // A new diagram is shown at once in the mode the user was using.
    diagram_.displayMode = mode >= 1 && mode <= 3 ? mode : 1;
    reference_ = diagram_;
    forcedModified_ = false;
    path_.clear();
    selectedCurve_ = -1;
    history_->clearHistory();
}

void COrdinaxDoc::afterLoad() {
    // A file saved before any display command holds mode 0: show it anyway,
    // with the automatic scales of a first display.
    render::prepareFirstDisplay(diagram_);
    if (diagram_.displayMode < 1 || diagram_.displayMode > 3) diagram_.displayMode = 1;
    selectedCurve_ = diagram_.curveCount() == 1 ? 0 : -1;
    history_->clearHistory();
}

base::Message COrdinaxDoc::openDiagram(const std::string& path) {
    const document::ReadResult read = document::openDiagramFile(path, defaults_, diagram_);
    if (!read.ok) return read.message;
    openWarnings_ = read.warnings;
    afterLoad();
    reference_ = diagram_;
    forcedModified_ = false;
    path_ = path;
    return {};
}

base::Message COrdinaxDoc::restoreRecovery(const std::string& copy, const std::string& original) {
    const document::ReadResult read = document::openDiagramFile(copy, defaults_, diagram_);
    if (!read.ok) return read.message;
    afterLoad();
    forcedModified_ = true;
    path_ = original;
    return {};
}

base::Message COrdinaxDoc::saveDiagram(const std::string& path, const std::string& now) {
    const document::SaveResult saved = document::saveDiagram(diagram_, path, now);
    if (!saved.ok) return saved.message;
    // Saving compacts curves: a selection past the end falls back to all curves.
    if (selectedCurve_ >= diagram_.curveCount()) selectedCurve_ = -1;
    reference_ = diagram_;
    forcedModified_ = false;
    path_ = path;
    return {};
}

bool COrdinaxDoc::isModified() const {
    if (forcedModified_) return true;
    if (diagram_.displayMode == reference_.displayMode) return !(diagram_ == reference_);
    document::Diagram shown = diagram_;
    shown.displayMode = reference_.displayMode;
    return !(shown == reference_);
}

void COrdinaxDoc::beginChange() {
    history_->beginChange(diagram_, selectedCurve_);
}

bool COrdinaxDoc::commitChange(bool force) {
    return history_->commitChange(diagram_, force);
}

bool COrdinaxDoc::undo() {
    return history_->undo(diagram_, selectedCurve_);
}

bool COrdinaxDoc::redo() {
    return history_->redo(diagram_, selectedCurve_);
}

}  // namespace ordinax::shell
