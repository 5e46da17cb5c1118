// "Symbole": the symbol drawn at the points of a curve (type, predefined
// shape, character and its font, box, special kind, size, fill, colours,
// above or below the line). Every change shows at once in the sample and in
// the view; the command commits the working copy on OK.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "base/logfont.h"
#include "document/diagram.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class SymbolDialog;
}

namespace ordinax::settings {
struct Preferences;
class SettingsStore;
}  // namespace ordinax::settings

namespace ordinax::shell {

class SymbolDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // What "Police..." opens (the font dialog; tests give an answer).
    using FontChooser = std::function<std::optional<base::LogFont>(QWidget* parent, const base::LogFont& current)>;

    SymbolDialog(UserPrompts& prompts, settings::Preferences& preferences, settings::SettingsStore& store,
                 document::Diagram& working, int curve, QWidget* parent = nullptr);
    ~SymbolDialog() override;

    void setFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }
    const document::SymbolStyle& symbol() const { return symbol_; }

    void accept() override;

signals:
    void workingChanged();

private:
    void load();
    void store();
    void follow();
    void fillCharacters();
    bool readSize(bool showRefusal);
    void chooseFont();

    std::unique_ptr<Ui::SymbolDialog> ui_;
    document::Diagram& working_;
    int curve_;
    document::SymbolStyle symbol_;
    bool loading_ = false;
    FontChooser fontChooser_;
};

}  // namespace ordinax::shell
