// The curve menu's dialogs that arrange the curves of the working copy:
// their drawing order and which of them are active. Each change shows at
// once in the view; the command commits the working copy on OK.
#pragma once

#include <memory>
#include <vector>

#include "document/diagram.h"
#include "shell/common/ordinax_dialog.h"

class QTreeWidgetItem;

namespace Ui {
class CurveOrderDialog;
class CurveActivateDialog;
}  // namespace Ui

namespace ordinax::shell {

// "  Ordre de tracé des courbes": moves of the chosen curve and the title sorts.
class CurveOrderDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveOrderDialog(UserPrompts& prompts, document::Diagram& working, int selected, QWidget* parent = nullptr);
    ~CurveOrderDialog() override;

    int selectedAfter() const { return selected_; }

signals:
    void workingChanged();

private:
    void updateButtons();
    void move(int how);

    std::unique_ptr<Ui::CurveOrderDialog> ui_;
    document::Diagram& working_;
    int selected_;
};

// "  Activer / désactiver une ou plusieurs courbes": one check box per curve.
class CurveActivateDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    CurveActivateDialog(UserPrompts& prompts, document::Diagram& working, QWidget* parent = nullptr);
    ~CurveActivateDialog() override;

signals:
    void workingChanged();

private:
    void setAll(bool active);
    void store();
    std::vector<bool> checks() const;

    std::unique_ptr<Ui::CurveActivateDialog> ui_;
    document::Diagram& working_;
    Qt::CheckState pressedState_ = Qt::Unchecked;
    bool filling_ = false;
};

}  // namespace ordinax::shell
