// The preferences sheet: every page reachable and named, keys written on OK,
// and the values kept for the next start: a process of its own (the
// command-line tool) reads the settings file and builds its new diagram from it.
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include "options_test_support.h"
#include "qt/qsettings_store.h"
#include "shell/format/format_test_support.h"
#include "shell/format/paint/paint_panels.h"
#include "shell/options/pages/page_panels.h"
#include "shell/options/preferences_dialog.h"
#include "ui_bands_panel.h"
#include "ui_diagram_page_panel.h"
#include "ui_fill_panel.h"
#include "ui_folders_page.h"
#include "ui_other_page.h"
#include "ui_scales_page.h"
#include "ui_shadow_panel.h"
#include "ui_symbols_page.h"

namespace ordinax::shell {
namespace {

using test::onDialog;

class PreferencesTest : public test::DialogFrameTest {
protected:
    void SetUp() override {
        DialogFrameTest::SetUp();
        // Every working folder exists, as start-up leaves them.
        for (std::size_t i = 0; i < preferences.folders.size(); ++i) {
            preferences.folders[i] = (scratch.path() / ("dossier" + std::to_string(i))).string();
            std::filesystem::create_directories(preferences.folders[i]);
        }
    }
};

TEST_F(PreferencesTest, EveryPageIsListedWithItsCaptionAndNamedControls) {
    CMainFrame& f = frame();
    onDialog<PreferencesDialog>([&](PreferencesDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Préférences"));
        const QStringList captions = {"Dossiers d'enregistrement par défaut",
                                      "Mise en page du diagramme",
                                      "Mise en page des notes de calcul",
                                      "En-tête et pied de page",
                                      "Arrière-plan",
                                      "Diagramme",
                                      "Libellés, étiquettes et légendes",
                                      "Échelles et quadrillage",
                                      "Symboles et lignes",
                                      "Logo, Image, Filigrane",
                                      "Divers"};
        ASSERT_EQ(dialog.pageCount(), captions.size());
        for (int i = 0; i < dialog.pageCount(); ++i) {
            EXPECT_EQ(dialog.pageCaption(i), captions[i]);
            dialog.showPage(i);
            test::expectAllControlsNamed(&dialog);
        }
        dialog.reject();
    });
    f.runCommand(CommandId::OptionPreferences);
}

TEST_F(PreferencesTest, SwitchingSoftShadowsOnWarnsAndAMissingFolderIsMade) {
    preferences.simpleShadow = 1;
    CMainFrame& f = frame();
    const std::string made = (scratch.path() / "nouveau" / "dossier").string();
    onDialog<PreferencesDialog>([&](PreferencesDialog& dialog) {
        dialog.other().simpleShadow->setChecked(false);
        dialog.folders().folder3->setText(QString::fromStdString(made));
        dialog.accept();
    });
    f.runCommand(CommandId::OptionPreferences);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Warning);
    EXPECT_EQ(prompts->shown[0].text.rfind("L'utilisation d'ombres portées adoucies", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(made));
    EXPECT_EQ(f.preferences().folder(settings::Folder::Exports), made);
    EXPECT_EQ(f.preferences().simpleShadow, 0);
}

TEST_F(PreferencesTest, ValuesSurviveARestart) {
    const std::string ini = (scratch.path() / "ordinax.ini").string();
    qt::QSettingsStore iniStore = qt::QSettingsStore::iniFile(ini);
    // The frame of this test keeps its preferences in the INI file.
    auto owned = std::make_unique<CMainFrame>(iniStore, preferences, folders);
    auto scripted = std::make_unique<test::ScriptedPrompts>();
    test::ScriptedPrompts* asked = scripted.get();
    owned->setPrompts(std::move(scripted));
    onDialog<PreferencesDialog>([&](PreferencesDialog& dialog) {
        dialog.diagramPage().controls().left->setText(QStringLiteral("3,25"));
        dialog.diagramPage().controls().width->setText(QStringLiteral("16"));
        Ui::BandsPanel& bands = dialog.bands().controls();
        bands.headerPrint->setChecked(true);
        bands.headerText->setText(QStringLiteral("Essai &N"));
        PaintPage& back = dialog.paintPage(0);
        back.fill->controls().active->setChecked(true);
        back.fill->controls().gradient->setCurrentIndex(2);
        emit back.fill->controls().gradient->activated(2);
        dialog.paintPage(2).shadow->controls().active->setChecked(true);
        dialog.scales().y1Active->setChecked(true);
        dialog.scales().x0Mode->setCurrentIndex(3);
        dialog.symbols().size->setText(QStringLiteral("9"));
        dialog.other().timeSave->setText(QStringLiteral("12"));
        dialog.other().autoSave->setChecked(true);
        dialog.accept();
    });
    owned->runCommand(CommandId::OptionPreferences);
    EXPECT_TRUE(asked->shown.empty());
    ASSERT_TRUE(iniStore.flush());
    owned.reset();

    // What the file holds, read back as a fresh start reads it.
    const settings::Preferences read = settings::readPreferences(qt::QSettingsStore::iniFile(ini));
    EXPECT_EQ(read.diagram.margins[0][0], 3.25);
    EXPECT_EQ(read.diagram.band[0].text, "Essai &N");
    EXPECT_EQ(read.diagram.backPaint[document::PaintStyle::Fill], 1);
    EXPECT_EQ(read.diagram.backPaint[document::PaintStyle::Gradient], 2);
    EXPECT_EQ(read.diagram.labelPaint[0][document::PaintStyle::Shadow], 1);
    EXPECT_EQ(read.diagram.labelPaint[1][document::PaintStyle::Shadow], 0);
    EXPECT_EQ(read.diagram.scale[1][1].active, 1);
    EXPECT_EQ(read.diagram.scale[0][0].mainGraduate, 3);
    EXPECT_EQ(read.symbol.size, 9);
    EXPECT_EQ(read.timeSave, 12);
    EXPECT_EQ(read.autoSave, 1);

    // Another process starts from the same file: its new diagram has the new defaults.
    const QString out = QString::fromStdString((scratch.path() / "nouveau.orx").string());
    const auto made = test::runCli({"new", "--settings", QString::fromStdString(ini), "-o", out});
    ASSERT_EQ(made.status, 0) << made.err.constData();
    const auto dumped = test::runCli({"dump", out});
    ASSERT_EQ(dumped.status, 0) << dumped.err.constData();
    const QJsonObject dump = QJsonDocument::fromJson(dumped.out).object();
    EXPECT_EQ(dump["margins"].toArray()[0].toArray()[0].toDouble(), 3.25);
    EXPECT_EQ(dump["size"].toArray()[0].toDouble(), 16.0);
    EXPECT_EQ(dump["band"].toArray()[0].toObject()["text"].toString(), QStringLiteral("Essai &N"));
    EXPECT_EQ(dump["band"].toArray()[0].toObject()["print"].toInt(), 1);
    EXPECT_EQ(dump["backPaint"].toArray()[0].toInt(), 1);
}

TEST_F(PreferencesTest, CancelWritesNothing) {
    CMainFrame& f = frame();
    const std::size_t before = store.size();
    const settings::Preferences kept = f.preferences();
    onDialog<PreferencesDialog>([&](PreferencesDialog& dialog) {
        dialog.other().thinFrame->setChecked(true);
        dialog.reject();
    });
    f.runCommand(CommandId::OptionPreferences);
    EXPECT_EQ(store.size(), before);
    EXPECT_EQ(f.preferences(), kept);
}

}  // namespace
}  // namespace ordinax::shell
