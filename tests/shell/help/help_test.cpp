// The manual: every page present and linked from the contents, "Rubriques
// d'aide" and "Utilisation de l'aide", F1 in a dialog opening its page
// beside the dialog, and a missing manual reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "shell/common/ordinax_dialog.h"
#include "shell/dialog_test_support.h"
#include "shell/help/help_commands.h"
#include "shell/help/help_window.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;
using test::whenModalOpens;

const QString Manual = QStringLiteral(ORDINAX_SOURCE_DIR "/data/help");

class HelpTest : public DialogFrameTest {
protected:
    void SetUp() override {
        DialogFrameTest::SetUp();
        preferences.install = ORDINAX_SOURCE_DIR "/data";
    }
};

TEST(Manual, EveryLinkLeadsToAPageAndEveryPageIsInTheContents) {
    const QDir dir(Manual);
    const QStringList pages = dir.entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 20);
    QFile contents(dir.filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const QString index = QString::fromUtf8(contents.readAll());
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
    for (const QString& page : pages) {
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(index.contains(QLatin1Char('"') + page + QLatin1Char('"'))) << page.toStdString();
        }
        QFile file(dir.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("<html lang=\"fr\">"))) << page.toStdString();
        for (auto m = link.globalMatch(text); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(dir.exists(target)) << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(Manual, TopicsFindTheirPage) {
    EXPECT_TRUE(helpPagePath(Manual, QStringLiteral("acquisition")).endsWith(QStringLiteral("/acquisition.html")));
    EXPECT_TRUE(helpPagePath(Manual, QString()).endsWith(QStringLiteral("/index.html")));
    EXPECT_TRUE(helpPagePath(Manual, QStringLiteral("inconnue")).endsWith(QStringLiteral("/index.html")));
    EXPECT_TRUE(helpPagePath(Manual, QStringLiteral("../help/unites")).endsWith(QStringLiteral("/index.html")));
    EXPECT_TRUE(helpPagePath(QStringLiteral("/nulle/part"), QString()).isEmpty());
}

TEST_F(HelpTest, MenuCommandsOpenTheContentsAndTheHelpOnHelp) {
    frame().runCommand(CommandId::HelpTopics);
    auto* window = frame().findChild<HelpWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->currentPage(), QStringLiteral("index"));
    EXPECT_TRUE(window->isVisible());
    frame().runCommand(CommandId::HelpUsingHelp);
    EXPECT_EQ(window->currentPage(), QStringLiteral("utilisation"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Aide d'Ordinax - Utilisation de l'aide"));
    test::expectAllControlsNamed(window);
    window->close();
}

TEST_F(HelpTest, F1InADialogOpensItsPageBesideIt) {
    frame();
    OrdinaxDialog dialog(frame().prompts(), &frame());
    dialog.setHelpTopic(QStringLiteral("explorateur"));
    whenModalOpens([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_F1);
        auto* window = modal->findChild<HelpWindow*>();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->currentPage(), QStringLiteral("explorateur"));
        // Not blocked by the modal dialog: it is the dialog's own window.
        EXPECT_TRUE(window->isVisible());
        modal->close();
    });
    dialog.exec();
}

TEST_F(HelpTest, MissingManualIsReported) {
    preferences.install = scratch.path().string();
    frame().runCommand(CommandId::HelpTopics);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_NE(prompts->shown[0].text.find("Le manuel d'Ordinax est introuvable"), std::string::npos);
}

}  // namespace
}  // namespace ordinax::shell
