// The preferences sheet ("&Préférences..."): the working folders, the
// diagram and report pages, header and footer, the default paints of the
// page, the plot and the labels, scales and grid, symbols and lines, the
// logo and the other options. OK writes every key of the section
// "Preference" and makes them the defaults of new diagrams.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <array>
#include <memory>

#include "settings/preferences.h"
#include "shell/common/colour_choice.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class PreferencesDialog;
class FoldersPage;
class ScalesPage;
class SymbolsPage;
class OtherPage;
}  // namespace Ui

namespace ordinax::shell {

class DiagramPagePanel;
class ReportPagePanel;
class BandsPanel;
class LogoPanel;
class FillPanel;
class BorderPanel;
class ShadowPanel;

// The fill, border and shadow panels of one default paint.
struct PaintPage {
    QWidget* page = nullptr;
    FillPanel* fill = nullptr;
    BorderPanel* border = nullptr;
    ShadowPanel* shadow = nullptr;
};

class PreferencesDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    PreferencesDialog(const settings::Preferences& preferences, UserPrompts& prompts, QWidget* parent = nullptr);
    ~PreferencesDialog() override;

    void setColourChooser(const ColourButton::Chooser& chooser);

    // The preferences as the pages show them (valid after OK).
    const settings::Preferences& preferences() const { return preferences_; }

    // The pages, in list order, and their controls (tests).
    int pageCount() const;
    void showPage(int index);
    QString pageCaption(int index) const;
    DiagramPagePanel& diagramPage() { return *diagramPage_; }
    BandsPanel& bands() { return *bands_; }
    PaintPage& paintPage(int index) { return paints_[static_cast<std::size_t>(index)]; }
    Ui::FoldersPage& folders() { return *folders_; }
    Ui::ScalesPage& scales() { return *scales_; }
    Ui::SymbolsPage& symbols() { return *symbols_; }
    Ui::OtherPage& other() { return *other_; }
    QListWidget* pageList();

    void accept() override;

private:
    void addPage(const QString& caption, QWidget* page);
    PaintPage makePaintPage(bool withChoice);
    void load();
    bool store();
    void loadLabelPaint(int which);
    void storeLabelPaint(int which);

    settings::Preferences preferences_;
    std::unique_ptr<Ui::PreferencesDialog> ui_;
    std::unique_ptr<Ui::FoldersPage> folders_;
    std::unique_ptr<Ui::ScalesPage> scales_;
    std::unique_ptr<Ui::SymbolsPage> symbols_;
    std::unique_ptr<Ui::OtherPage> other_;
    DiagramPagePanel* diagramPage_ = nullptr;
    ReportPagePanel* reportPage_ = nullptr;
    BandsPanel* bands_ = nullptr;
    LogoPanel* logo_ = nullptr;
    std::array<PaintPage, 3> paints_;  // page background, plot, labels
    QComboBox* labelPaintChoice_ = nullptr;
    int labelPaintShown_ = 0;
};

}  // namespace ordinax::shell
