// The page-setup sheet.
#include "shell/options/page_setup_dialog.h"

#include <QTabWidget>

#include "render/page_setup_rules.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/tab_chain.h"
#include "shell/options/pages/page_panels.h"
#include "shell/user_prompts.h"
#include "ui_page_setup_dialog.h"

namespace ordinax::shell {

PageSetupDialog::PageSetupDialog(DiagramEdit& edit, UserPrompts& prompts, const render::PageCodeContext& codes,
                                 QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      edit_(edit),
      ui_(std::make_unique<Ui::PageSetupDialog>()),
      diagramPage_(new DiagramPagePanel),
      reportPage_(new ReportPagePanel),
      bands_(new BandsPanel),
      logo_(new LogoPanel) {
    ui_->setupUi(this);
    ui_->tabs->addTab(diagramPage_, QStringLiteral("Page du diagramme"));
    ui_->tabs->addTab(reportPage_, QStringLiteral("Mise en page d'une note de calcul"));
    ui_->tabs->addTab(bands_, QStringLiteral("En-tête et pied de page"));
    ui_->tabs->addTab(logo_, QStringLiteral("Logo, Image, Filigrane"));
    ui_->tabs->setUsesScrollButtons(false);
    QWidget* last = ui_->tabs;
    for (QWidget* page : {static_cast<QWidget*>(diagramPage_), static_cast<QWidget*>(reportPage_),
                          static_cast<QWidget*>(bands_), static_cast<QWidget*>(logo_)})
        last = chainTabOrder(last, page);
    setTabOrder(last, ui_->buttonBox);
    diagramPage_->setFontShown(false);
    bands_->setCodeContext(codes);

    const document::Diagram& d = edit_.working();
    DiagramPageChoice page;
    page.orientation = d.orientation[0];
    page.margins = d.margins[0];
    page.centre = d.centre;
    page.size = d.size;
    page.drawSpace = d.drawSpace;
    diagramPage_->load(page);
    reportPage_->load({d.orientation[1], d.margins[1], d.reportFont});
    bands_->load(d.band);
    logo_->load(d.logo);
    connect(diagramPage_, &DiagramPagePanel::changed, this, &PageSetupDialog::store);
    connect(reportPage_, &ReportPagePanel::changed, this, &PageSetupDialog::store);
    connect(bands_, &BandsPanel::changed, this, &PageSetupDialog::store);
    connect(logo_, &LogoPanel::changed, this, &PageSetupDialog::store);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &PageSetupDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &PageSetupDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("mise-en-page"));
    edit_.preview();
}

PageSetupDialog::~PageSetupDialog() = default;

void PageSetupDialog::setColourChooser(const ColourButton::Chooser& chooser) {
    bands_->setColourChooser(chooser);
}

void PageSetupDialog::showPage(int index) {
    ui_->tabs->setCurrentIndex(index);
}

int PageSetupDialog::currentPage() const {
    return ui_->tabs->currentIndex();
}

void PageSetupDialog::store() {
    document::Diagram& d = edit_.working();
    const DiagramPageChoice page = diagramPage_->choice();
    d.orientation[0] = page.orientation;
    d.margins[0] = page.margins;
    d.centre = page.centre;
    d.size = page.size;
    d.drawSpace = page.drawSpace;
    const ReportPageChoice report = reportPage_->choice();
    d.orientation[1] = report.orientation;
    d.margins[1] = report.margins;
    d.reportFont = report.font;
    d.band = bands_->bands();
    d.logo = logo_->logo();
    edit_.preview();
}

void PageSetupDialog::accept() {
    for (int page = 0; page < ui_->tabs->count(); ++page) {
        if (commitNumberFields(ui_->tabs->widget(page))) continue;
        showPage(page);
        return;
    }
    store();
    const document::Diagram& d = edit_.working();
    struct Check {
        base::Message message;
        int page;
    };
    const Check checks[] = {
        {render::checkMargins(d.margins[0], d.orientation[0]), 0},
        {render::checkDiagramSize(d.size, d.margins[0], d.orientation[0]), 0},
        {render::checkMargins(d.margins[1], d.orientation[1]), 1},
    };
    for (const Check& check : checks) {
        if (check.message.empty()) continue;
        showPage(check.page);
        prompts().show(check.message);
        return;
    }
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
