// The explorer on a generated folder tree: the scan on its worker thread,
// the tree and the file list, opening a diagram, the drive switches, the
// stop button, and a machine without any drive to scan.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "shell/data/data_test_support.h"
#include "shell/dialog_test_support.h"
#include "shell/explorer/explorer_commands.h"
#include "shell/explorer/explorer_dialog.h"

namespace ordinax::shell {
namespace {

namespace fs = std::filesystem;
using test::asStore;
using test::DialogFrameTest;
using test::kDemo;
using test::waitUntil;
using test::whenModalOpens;

class ExplorerTest : public DialogFrameTest {
protected:
    void SetUp() override {
        DialogFrameTest::SetUp();
        fixed_ = scratch.path() / "disque";
        removable_ = scratch.path() / "cle";
        copy("Mesures/2024/mars.orx");
        copy("Mesures/avril.orx");
        copy("Mesures/Corbeille.recycled/jete.orx");
        copy("Rapports/vide.txt");
        fs::create_directories(removable_ / "Sauvegarde");
        fs::copy_file(kDemo.toStdString(), removable_ / "Sauvegarde" / "copie.orx");
        setDriveProvider([this] {
            return std::vector<explorer::Drive>{{fixed_.string(), explorer::DriveKind::Fixed},
                                                {removable_.string(), explorer::DriveKind::Removable}};
        });
    }
    void TearDown() override { setDriveProvider({}); }

    void copy(const std::string& relative) {
        fs::create_directories((fixed_ / relative).parent_path());
        if (relative.ends_with(".orx")) fs::copy_file(kDemo.toStdString(), fixed_ / relative);
        else test::writeText((fixed_ / relative).string(), "x");
    }
    // The texts of the tree, one per line with its depth.
    static QStringList treeTexts(ExplorerDialog& d) {
        QStringList texts;
        std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int depth) {
            for (int r = 0; r < d.folders().rowCount(parent); ++r) {
                const QModelIndex i = d.folders().index(r, 0, parent);
                texts << QString(depth * 2, QLatin1Char(' ')) + i.data().toString();
                walk(i, depth + 1);
            }
        };
        walk({}, 0);
        return texts;
    }
    static void waitScan(ExplorerDialog& d) {
        ASSERT_TRUE(waitUntil([&] { return d.folders().rowCount() > 0 && !d.task().running(); }));
    }

    fs::path fixed_, removable_;
};

TEST_F(ExplorerTest, FindsTheFoldersAndOpensTheChosenDiagram) {
    frame();
    whenModalOpens([&](QWidget* modal) {
        auto* d = qobject_cast<ExplorerDialog*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("   Explorateur de fichiers Ordinax"));
        waitScan(*d);
        const QString disk = QStringLiteral("  Disque ") + QString::fromStdString(fixed_.string());
        EXPECT_EQ(treeTexts(*d), (QStringList{QStringLiteral("Poste de travail"), disk + QStringLiteral(" (2)"),
                                              QStringLiteral("    Mesures (2)"), QStringLiteral("      2024 (1)")}));
        EXPECT_EQ(d->statusText(), QStringLiteral("Exploration terminée : 2 dossiers, 2 diagrammes"));
        ASSERT_TRUE(d->selectFolder(QString::fromStdString((fixed_ / "Mesures" / "2024").string())));
        EXPECT_EQ(d->files(), QStringList{QStringLiteral("mars.orx")});
        test::expectAllControlsNamed(d);
        d->findChild<QPushButton*>(QStringLiteral("openButton"))->click();
    });
    ASSERT_TRUE(runExplorer(frame()));
    EXPECT_EQ(frame().document().path(), (fixed_ / "Mesures" / "2024" / "mars.orx").string());
}

TEST_F(ExplorerTest, SwitchesChooseTheDrivesAndAreKept) {
    frame();
    whenModalOpens([&](QWidget* modal) {
        auto* d = qobject_cast<ExplorerDialog*>(modal);
        ASSERT_NE(d, nullptr);
        waitScan(*d);
        EXPECT_EQ(d->folders().rowCount(d->folders().index(0, 0)), 1);  // the fixed drive only
        d->findChild<QCheckBox*>(QStringLiteral("removableCheck"))->setChecked(true);
        d->findChild<QCheckBox*>(QStringLiteral("fixedCheck"))->setChecked(false);
        d->findChild<QPushButton*>(QStringLiteral("rescanButton"))->click();
        waitScan(*d);
        const QStringList texts = treeTexts(*d);
        ASSERT_EQ(texts.size(), 3);
        EXPECT_EQ(texts[1], QStringLiteral("  Lecteur ") + QString::fromStdString(removable_.string()) +
                                QStringLiteral(" (1)"));
        d->reject();
    });
    EXPECT_FALSE(runExplorer(frame()));
    EXPECT_EQ(preferences.scanFloppy, 1);
    EXPECT_EQ(asStore(store).readInt("Preference", "ScanFloppy", 0), 1);
    EXPECT_EQ(asStore(store).readInt("Preference", "ScanFixe", 1), 0);
}

TEST_F(ExplorerTest, TheLastOpenedDiagramIsPreselected) {
    const QString opened = QString::fromStdString((fixed_ / "Mesures" / "avril.orx").string());
    ASSERT_TRUE(frame().openFile(opened));
    whenModalOpens([&](QWidget* modal) {
        auto* d = qobject_cast<ExplorerDialog*>(modal);
        waitScan(*d);
        auto* tree = d->findChild<QTreeView*>(QStringLiteral("folderTree"));
        EXPECT_EQ(tree->currentIndex().data(Qt::UserRole + 1).toString(),
                  QString::fromStdString((fixed_ / "Mesures").string()));
        auto* list = d->findChild<QListView*>(QStringLiteral("fileList"));
        EXPECT_EQ(list->currentIndex().data().toString(), QStringLiteral("avril.orx"));
        d->reject();
    });
    runExplorer(frame());
}

TEST_F(ExplorerTest, StopKeepsWhatWasFound) {
    for (int i = 0; i < 300; ++i) copy("Beaucoup/d" + std::to_string(i) + "/f.orx");
    frame();
    whenModalOpens([&](QWidget* modal) {
        auto* d = qobject_cast<ExplorerDialog*>(modal);
        ASSERT_TRUE(waitUntil([&] { return d->task().running(); }));
        QTest::keyClick(d, Qt::Key_Escape);
        ASSERT_TRUE(waitUntil([&] { return !d->task().running(); }));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->statusText(), QStringLiteral("Exploration interrompue : les dossiers trouvés jusqu'ici sont affichés."));
        EXPECT_EQ(d->folders().rowCount(), 1);  // the root is there, with what was found
        d->reject();
    });
    runExplorer(frame());
}

TEST_F(ExplorerTest, NoDriveToScanClosesTheDialog) {
    setDriveProvider([] { return std::vector<explorer::Drive>{{"/nulle/part", explorer::DriveKind::Fixed}}; });
    frame();
    EXPECT_FALSE(runExplorer(frame()));
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text, "Impossible de trouver un disque logique actif !");
}

}  // namespace
}  // namespace ordinax::shell
