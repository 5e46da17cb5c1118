// Everything the main window asks the user: messages, confirmations and file
// names. The window holds one of these so that tests can answer in place of
// the user; the default asks through Qt's dialogs.
#pragma once

#include <QString>
#include <optional>

#include "base/message.h"
#include "shell/picture_output.h"

class QWidget;

namespace ordinax::shell {

enum class SaveChoice { Save, Discard, Cancel };

class UserPrompts {
public:
    explicit UserPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    virtual ~UserPrompts() = default;

    void setParent(QWidget* parent) { parent_ = parent; }
    void setBeep(bool beep) { beep_ = beep; }

    // Shows a message with its heading as caption and the icon of its heading.
    virtual void show(const base::Message& message);
    // Asks a Yes/No question under "ATTENTION"; true for Yes.
    virtual bool askYesNo(const base::Message& question);
    // Asks whether the modified diagram `name` is to be saved first.
    virtual SaveChoice askSaveChanges(const base::Message& question);
    // The diagram file to open; empty when cancelled.
    virtual QString openFileName(const QString& folder);
    // The diagram file to save to; empty when cancelled.
    virtual QString saveFileName(const QString& suggested);
    // The size, resolution and format of an exported picture; nullopt when cancelled.
    virtual std::optional<ExportSettings> exportSettings(const ExportSettings& initial);
    // The picture file to write; empty when cancelled.
    virtual QString exportFileName(const QString& suggested, PictureFormat format);

protected:
    QWidget* parent_;
    bool beep_ = true;
};

// The caption of a message box for a message: its heading, or "Ordinax".
QString messageCaption(const base::Message& message);

}  // namespace ordinax::shell
