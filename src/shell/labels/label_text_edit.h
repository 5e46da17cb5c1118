// The text field of the label editor: Enter starts a new line of the same
// label (a line separator, not a paragraph), and the clipboard speaks RTF
// with word processors through the markup conversions, besides plain text.
#pragma once

#include <QTextEdit>
#include <functional>
#include <string>

#include "richtext/label_runs.h"

namespace ordinax::shell {

class LabelTextEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit LabelTextEdit(QWidget* parent = nullptr);

    // The label's base font, the RTF frame of copied text and the slot whose
    // rules a pasted text follows (tags take its alignment).
    void setLabel(const richtext::LabelBase& base, std::string rtfFrame, int slot);
    const richtext::LabelBase& base() const { return base_; }
    void setSlot(int slot) { slot_ = slot; }

    // What a paste whose RTF could not be read all through tells the user.
    void setPasteWarning(std::function<void(int status)> warning) { warning_ = std::move(warning); }

    // The MIME types of RTF on the clipboard.
    static QStringList rtfTypes();

signals:
    // A pasted RTF text asked for this alignment (1 left, 2 right, 3 centred).
    void alignmentPasted(int alignment);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    richtext::LabelBase base_;
    std::string frame_;
    int slot_ = 0;
    std::function<void(int)> warning_;
};

}  // namespace ordinax::shell
