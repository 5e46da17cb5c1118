// "  Ligne de tracé (lissage, IC)": type, width and colour of a curve's
// smoothing line and of its confidence-interval lines. Every change shows at
// once in the samples and in the view; the command commits on OK.
#pragma once

#include <memory>

#include "document/diagram.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class LineDialog;
}

namespace ordinax::settings {
struct Preferences;
class SettingsStore;
}  // namespace ordinax::settings

namespace ordinax::shell {

class LineDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    LineDialog(UserPrompts& prompts, settings::Preferences& preferences, settings::SettingsStore& store,
               document::Diagram& working, int curve, QWidget* parent = nullptr);
    ~LineDialog() override;

    const document::LineStyle& line() const { return line_; }
    void accept() override;

signals:
    void workingChanged();

private:
    void load();
    void store();

    std::unique_ptr<Ui::LineDialog> ui_;
    document::Diagram& working_;
    int curve_;
    document::LineStyle line_;
    bool loading_ = false;
};

}  // namespace ordinax::shell
