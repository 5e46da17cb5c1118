// What a screen reader finds in the main window: the view's elements as named
// children that select what they stand for, a named status bar, and the
// tool bar's icons.
#include <QAccessible>
#include <QStatusBar>
#include <QToolBar>

#include "format_test_support.h"
#include "shell/icons/command_icons.h"

namespace ordinax::shell {
namespace {

class ViewAccessibilityTest : public test::DialogFrameTest {
protected:
    QAccessibleInterface* viewInterface() { return QAccessible::queryAccessibleInterface(frame().view().viewport()); }
    // The child whose name starts with `prefix`; null when none.
    QAccessibleInterface* childNamed(const QString& prefix) {
        QAccessibleInterface* view = viewInterface();
        for (int i = 0; i < view->childCount(); ++i)
            if (QAccessibleInterface* c = view->child(i); c && c->text(QAccessible::Name).startsWith(prefix)) return c;
        return nullptr;
    }
};

TEST_F(ViewAccessibilityTest, TheDiagramIsReadElementByElement) {
    CMainFrame& f = demoFrame();
    test::drawNormal(f);
    QAccessibleInterface* view = viewInterface();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(QAccessible::Name), QStringLiteral("Diagramme"));
    QStringList names;
    for (int i = 0; i < view->childCount(); ++i) names << view->child(i)->text(QAccessible::Name);
    // The demo: two curves with legends, one tag, a title and two axis labels.
    EXPECT_TRUE(names.contains(QStringLiteral("Titre, côté inférieur : Températures du 14 mars")))
        << names.join('|').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("Zone de tracé")));
    EXPECT_EQ(names.filter(QStringLiteral("Courbe ")).size(), 2);
    EXPECT_EQ(names.filter(QStringLiteral("Légende : ")).size(), 2);
    EXPECT_EQ(names.filter(QStringLiteral("Échelle ")).size(), 2);
    EXPECT_EQ(names.filter(QStringLiteral("Étiquette 1 : ")).size(), 1);
    // Each child lies where it is drawn, inside the view.
    const QRect area(f.view().viewport()->mapToGlobal(QPoint(0, 0)), f.view().viewport()->size());
    for (int i = 0; i < view->childCount(); ++i) EXPECT_TRUE(area.contains(view->child(i)->rect())) << i;
}

TEST_F(ViewAccessibilityTest, PressingAChildSelectsItsElement) {
    CMainFrame& f = demoFrame();
    test::drawNormal(f);
    QAccessibleInterface* tag = childNamed(QStringLiteral("Étiquette 1"));
    ASSERT_NE(tag, nullptr);
    ASSERT_NE(tag->actionInterface(), nullptr);
    tag->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.view().selectedTag(), 0);
    EXPECT_TRUE(tag->state().selected);
    // The tag commands follow the selection.
    EXPECT_TRUE(f.action(CommandId::TagRaise)->isEnabled());

    const QStringList curves = [&] {
        QStringList all;
        for (int i = 0; i < viewInterface()->childCount(); ++i)
            all << viewInterface()->child(i)->text(QAccessible::Name);
        return all.filter(QStringLiteral("Courbe "));
    }();
    ASSERT_EQ(curves.size(), 2);
    QAccessibleInterface* second = childNamed(curves[1]);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.document().selectedCurve(), 1);
    EXPECT_TRUE(second->state().selected);
}

TEST_F(ViewAccessibilityTest, StatusBarIsNamedAndToolBarCommandsHaveIcons) {
    CMainFrame& f = frame();
    EXPECT_EQ(f.statusBar()->accessibleName(), QStringLiteral("Barre d'état"));
    int withIcon = 0;
    int onToolBar = 0;
    for (const CommandEntry& entry : commandTable()) {
        if (!entry.toolBar) continue;
        ++onToolBar;
        EXPECT_FALSE(commandIconName(entry.id).empty()) << entry.label;
        if (!f.action(entry.id)->icon().isNull()) ++withIcon;
    }
    // Our own drawings stand in where the theme has no icon: every one has an icon.
    EXPECT_EQ(withIcon, onToolBar);
}

}  // namespace
}  // namespace ordinax::shell
