// The page-setup sheet ("&Mise en page..."): the diagram page, the report
// page, the header and footer with the preview of their page codes, and the
// logo of the open diagram, edited on the dialog's working copy (the view's
// page modes show the result at once); OK checks the margins and the size.
#pragma once

#include <memory>

#include "render/page_codes.h"
#include "shell/common/colour_choice.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class PageSetupDialog;
}

namespace ordinax::shell {

class DiagramEdit;
class DiagramPagePanel;
class ReportPagePanel;
class BandsPanel;
class LogoPanel;

class PageSetupDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    PageSetupDialog(DiagramEdit& edit, UserPrompts& prompts, const render::PageCodeContext& codes,
                    QWidget* parent = nullptr);
    ~PageSetupDialog() override;

    void setColourChooser(const ColourButton::Chooser& chooser);

    DiagramPagePanel& diagramPage() { return *diagramPage_; }
    ReportPagePanel& reportPage() { return *reportPage_; }
    BandsPanel& bands() { return *bands_; }
    LogoPanel& logo() { return *logo_; }
    void showPage(int index);
    int currentPage() const;

    void accept() override;

private:
    void store();

    DiagramEdit& edit_;
    std::unique_ptr<Ui::PageSetupDialog> ui_;
    DiagramPagePanel* diagramPage_;
    ReportPagePanel* reportPage_;
    BandsPanel* bands_;
    LogoPanel* logo_;
};

}  // namespace ordinax::shell
