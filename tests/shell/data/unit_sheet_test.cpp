// The unit sheet of a curve axis: a unit chosen in the database lists, then
// changed from m to km with the values converted (x 0.001) as one undo step;
// the composition buttons, the search and recent pages, the refusals.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <cstdlib>

#include "shell/data/units/unit_change_dialog.h"
#include "shell/data/units/unit_commands.h"
#include "shell/data/units/unit_sheet_dialog.h"
#include "shell/dialog_test_support.h"
#include "units/recent_units.h"
#include "units/unit_algebra.h"
#include "units/unit_search.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;
using test::whenModalOpens;

const QString SI = QStringLiteral("Système international (SI)");

class UnitSheetTest : public DialogFrameTest {
protected:
    void SetUp() override {
        DialogFrameTest::SetUp();
        preferences.install = ORDINAX_SOURCE_DIR "/data";
        // The recent units go to the scratch folder, never the user's.
        setenv("XDG_CONFIG_HOME", scratch.path().c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    static void ok(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

    // Sets the x unit of curve 0 through the sheet; `change` works the change dialog when one opens.
    bool setUnit(const QString& quantity, const QString& unit, std::function<void(UnitChangeDialog&)> change = {}) {
        whenModalOpens([=](QWidget* modal) {
            auto* sheet = qobject_cast<UnitSheetDialog*>(modal);
            ASSERT_NE(sheet, nullptr);
            EXPECT_EQ(sheet->windowTitle(), QStringLiteral(" Unité de l'axe des x"));
            ASSERT_TRUE(sheet->chooseInLists(SI, QStringLiteral("Unités de base"), quantity, unit));
            if (change)
                whenModalOpens([change](QWidget* next) {
                    auto* dialog = qobject_cast<UnitChangeDialog*>(next);
                    ASSERT_NE(dialog, nullptr);
                    change(*dialog);
                });
            ok(*sheet);
        });
        return runUnitSheet(frame(), 0, 0);
    }
};

TEST_F(UnitSheetTest, MetresToKilometresConvertsTheValuesInOneStep) {
    demoFrame();
    ASSERT_TRUE(setUnit(QStringLiteral("Longueur"), QStringLiteral("mètre")));
    EXPECT_EQ(units::unitExpression(diagram().curves[0].unit[0]), "\x82m\x82");
    const document::Diagram inMetres = diagram();

    bool asked = false;
    ASSERT_TRUE(setUnit(QStringLiteral("Longueur"), QStringLiteral("kilomètre"), [&](UnitChangeDialog& d) {
        asked = true;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("  Changement d'unité"));
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("convertValues"))->isChecked());
        EXPECT_FALSE(d.findChild<QWidget*>(QStringLiteral("incoherent"))->isVisibleTo(&d));
        test::expectAllControlsNamed(&d);
        ok(d);
    }));
    EXPECT_TRUE(asked);
    const auto before = inMetres.curves[0].points.view();
    const auto after = diagram().curves[0].points.view();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_DOUBLE_EQ(after[i].x, before[i].x * 0.001);
        EXPECT_EQ(after[i].y, before[i].y);
    }
    EXPECT_EQ(units::unitExpression(diagram().curves[0].unit[0]), "\x82km\x82");
    // The km unit heads the recently used units.
    const std::vector<document::UnitDef> recent = units::readRecentUnits(recentUnitsPath());
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(units::unitExpression(recent[0]), "\x82km\x82");
    // One step back: metres and the values as they were.
    frame().runCommand(CommandId::EditUndo);
    EXPECT_TRUE(diagram() == inMetres);
}

TEST_F(UnitSheetTest, IncoherentUnitsWarnAndAbandonRestores) {
    demoFrame();
    ASSERT_TRUE(setUnit(QStringLiteral("Longueur"), QStringLiteral("mètre")));
    const document::Diagram inMetres = diagram();
    EXPECT_FALSE(setUnit(QStringLiteral("Temps"), QStringLiteral("seconde"), [](UnitChangeDialog& d) {
        EXPECT_TRUE(d.findChild<QWidget*>(QStringLiteral("incoherent"))->isVisibleTo(&d));
        // Values of another dimension are kept unless asked otherwise.
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("keepValues"))->isChecked());
        d.findChild<QRadioButton*>(QStringLiteral("abandon"))->setChecked(true);
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }));
    EXPECT_TRUE(diagram() == inMetres);
}

TEST_F(UnitSheetTest, CompositionSearchAndRecentPages) {
    demoFrame();
    const units::UnitDatabaseLoad load = units::loadUnitDatabase(unitDatabasePath(frame()));
    ASSERT_TRUE(load.database);
    UnitSheetDialog sheet(frame().prompts(), *load.database, recentUnitsPath(), {}, 1);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral(" Unité de l'axe des y"));
    // Without a unit chosen the insert buttons wait.
    EXPECT_FALSE(sheet.findChild<QPushButton*>(QStringLiteral("appendDenominator"))->isEnabled());
    ASSERT_TRUE(sheet.chooseInLists(SI, QStringLiteral("Unités de base"), QStringLiteral("Longueur"),
                                    QStringLiteral("mètre")));
    ASSERT_TRUE(sheet.chooseInLists(SI, QStringLiteral("Unités de base"), QStringLiteral("Temps"),
                                    QStringLiteral("seconde")));
    // No factor selected: the second choice replaced the first.
    EXPECT_EQ(units::unitExpression(sheet.unit()), "\x82s\x82");
    ASSERT_TRUE(sheet.search(QStringLiteral("METRE"), units::SearchField::Name, true) >= 1);
    ASSERT_TRUE(sheet.useFound(0));
    EXPECT_EQ(units::unitExpression(sheet.unit()), "\x82m\x82");
    ASSERT_TRUE(sheet.chooseInLists(SI, QStringLiteral("Unités de base"), QStringLiteral("Temps"),
                                    QStringLiteral("seconde")));
    EXPECT_EQ(units::unitExpression(sheet.unit()), "\x82s\x82");
    // With the factor "s" selected, a unit chosen is the one the buttons
    // insert: "/{-----}" writes it after the last factor as a divisor.
    QWidget* factors = sheet.findChild<QWidget*>(QStringLiteral("factorRow"));
    auto* factor = factors->findChild<QToolButton*>();
    ASSERT_NE(factor, nullptr);
    factor->click();
    QApplication::processEvents();
    EXPECT_EQ(sheet.state().selected, 0);
    ASSERT_TRUE(sheet.chooseInLists(SI, QStringLiteral("Unités de base"), QStringLiteral("Longueur"),
                                    QStringLiteral("mètre")));
    EXPECT_EQ(units::unitExpression(sheet.unit()), "\x82s\x82");
    sheet.findChild<QPushButton*>(QStringLiteral("appendDenominator"))->click();
    EXPECT_EQ(units::unitExpression(sheet.unit()), "\x82s\x82/m\x82");
    sheet.findChild<QPushButton*>(QStringLiteral("invertButton"))->click();
    EXPECT_EQ(units::unitExpression(sheet.unit()), "\x82m\x82/s\x82");
    sheet.findChild<QPushButton*>(QStringLiteral("clearButton"))->click();
    EXPECT_EQ(sheet.unit().factorCount, 0);
    EXPECT_EQ(sheet.search(QStringLiteral("introuvable"), units::SearchField::Name, false), 0);
    test::expectAllControlsNamed(&sheet);

    // The recent page lists what earlier sheets kept.
    ASSERT_TRUE(units::addRecentUnit(recentUnitsPath(), load.database->units[0].definition).empty());
    EXPECT_TRUE(sheet.useRecent(0));
    EXPECT_EQ(sheet.unit(), load.database->units[0].definition);
}

TEST_F(UnitSheetTest, RefusedWithoutCurveOrDatabase) {
    frame();
    EXPECT_FALSE(runUnitSheet(frame(), 0, 1));
    ASSERT_EQ(prompts->shown.size(), 1u);
    demoFrame();
    preferences.install = scratch.path().string();
    EXPECT_FALSE(runUnitSheet(frame(), 0, 1));
    ASSERT_EQ(prompts->shown.size(), 2u);
    // The reason of the failure follows the message.
    EXPECT_EQ(prompts->shown[1].text, "Impossible de charger la base de données des unités !\n\nLe fichier n'existe pas.");
}

}  // namespace
}  // namespace ordinax::shell
