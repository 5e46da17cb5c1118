// The label text editor ("&Texte..."): the text of a title, an axis label, a
// curve legend or a tag in a rich-text field with the looks of the label
// markup (bold, italic, underline, ruled line, subscript, superscript, face,
// size, the 16 named colours and "<Automatique>", alignment of tags and
// titles, date and time, Symbol and Wingdings characters), drawn in the view
// as it is typed. OK keeps the texts of the dialog's working copy; Cancel
// puts back the texts it changed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "richtext/label_runs.h"
#include "shell/common/ordinax_dialog.h"

class QMenu;
class QTextCharFormat;

namespace Ui {
class LabelEditorDialog;
}

namespace ordinax::shell {

class DiagramEdit;

class LabelEditorDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    enum class Group { Labels, Legends, Tags };

    // Opens on the element of the group that stands for the selection: the
    // label slot `selectedSlot` (titles, axis labels, tags) or the legend of
    // `selectedCurve`.
    LabelEditorDialog(Group group, DiagramEdit& edit, UserPrompts& prompts, int selectedSlot, int selectedCurve,
                      std::string rtfFrame, QWidget* parent = nullptr);
    ~LabelEditorDialog() override;

    Ui::LabelEditorDialog& controls() { return *ui_; }
    bool hasElements() const { return !elements_.empty(); }
    // The markup the field holds now (what OK stores).
    std::string markup() const;

    void accept() override;
    void reject() override;

private:
    struct Element {
        int slot = -1;   // titles, axis labels, tags
        int curve = -1;  // legends
    };

    void load(int index);
    void store(bool final);
    void formatChanged();
    void mergeFormat(const QTextCharFormat& format);
    void toggleScript(bool superscript);
    void stepSize(int direction);
    void setAlignment(int code);
    void insertBytes(const std::string& bytes, const richtext::RunStyle& style);
    void clearColour();
    void fillCharacterMenu(QMenu* menu, bool wingdings);
    std::string& textOf(Element& element);
    bool alignable() const;

    Group group_;
    DiagramEdit& edit_;
    std::unique_ptr<Ui::LabelEditorDialog> ui_;
    richtext::LabelBase base_;
    std::vector<Element> elements_;
    int current_ = -1;
    richtext::LabelRun trailing_;  // codes after the last character, kept apart
    document::Diagram opened_;     // the working copy as the editor found it (Cancel)
    bool loading_ = false;
};

}  // namespace ordinax::shell
