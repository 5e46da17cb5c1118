// The view's mouse interaction in the main window under the off-screen
// platform: dragging a tag, stacking it, context menus, double clicks,
// cursor shapes, the pipette and an interrupted drawing pass.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <cmath>

#include "document/label_slots.h"
#include "render/draw_device.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"

namespace ordinax::shell {
namespace {

using test::kDemo;

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        preferences = settings::factoryPreferences();
        preferences.folders[0] = scratch.path().string();
        folders.recovery = scratch.path() / "secours";
        folders.temp = scratch.path().string();
        frame_ = std::make_unique<CMainFrame>(store, preferences, folders);
        auto scripted = std::make_unique<test::ScriptedPrompts>();
        frame_->setPrompts(std::move(scripted));
        frame_->resize(900, 700);
        frame_->show();
    }
    CMainFrame& frame() { return *frame_; }
    COrdinaxView& view() { return frame_->view(); }
    QWidget* viewport() { return view().viewport(); }
    const render::DiagramLayout& layout() { return view().lastPass().layout; }
    document::Diagram& diagram() { return frame_->document().diagram(); }

    // The demo diagram in normal mode, drawn.
    void openDemo() {
        ASSERT_TRUE(frame().openFile(kDemo));
        frame().runCommand(CommandId::ViewNormal);
        view().renderViewport();
        ASSERT_FALSE(layout().plotRect.empty());
    }
    // The demo with two more tags: three tags at distinct places, tag 3 on top.
    void openDemoWithThreeTags() {
        openDemo();
        COrdinaxDoc& doc = frame().document();
        doc.beginChange();
        ASSERT_EQ(document::insertTag(diagram(), 3, {-60000.0, 60000.0}), 1);
        ASSERT_EQ(document::insertTag(diagram(), 3, {-60000.0, -60000.0}), 2);
        ASSERT_TRUE(doc.commitChange());
        frame().runCommand(CommandId::ViewRefresh);
        view().renderViewport();
    }
    QPoint centreOf(int slot) {
        const render::DevRect& r = layout().blocks[static_cast<std::size_t>(slot)];
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), viewport()->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport(), &event);
    }
    void move(QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
        mouse(QEvent::MouseMove, at, Qt::NoButton, buttons);
    }
    void leftClick(QPoint at) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    static QStringList itemTexts(const QMenu& menu) {
        QStringList texts;
        for (const QAction* act : menu.actions())
            if (!act->isSeparator()) texts << act->text();
        return texts;
    }

    test::ScratchFolder scratch;
    settings::MemoryStore store;
    settings::Preferences preferences;
    FrameFolders folders;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(ViewTest, DraggingATagMovesItInOneUndoableChange) {
    openDemo();
    ASSERT_GE(diagram().tagOrder[0], 0);
    const document::Diagram before = diagram();
    const render::DevRect start = layout().blocks[7];
    const render::DevRect plot = layout().plotRect;
    ASSERT_FALSE(start.empty());
    const QPoint grab = centreOf(7);
    mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(view().draggingTag());
    EXPECT_EQ(viewport()->cursor().shape(), Qt::ClosedHandCursor);
    move(grab + QPoint(10, 5), Qt::LeftButton);
    move(grab + QPoint(-30, 20), Qt::LeftButton);
    // The picture is not redrawn while the outline moves: the stored position is untouched.
    EXPECT_EQ(diagram().tagPosition[0], before.tagPosition[0]);
    mouse(QEvent::MouseButtonRelease, grab + QPoint(-30, 20), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(view().draggingTag());
    // Worked from the anchoring rule: the box moved by (-30, 20); the pixel
    // placeTag centres it on is left + width / 2, top + height / 2; the
    // position is its offset from the plot centre in 1/100000 of the half sizes.
    const double cx = start.left - 30 + start.width() / 2;
    const double cy = start.top + 20 + start.height() / 2;
    const double plotCx = (plot.left + plot.right) / 2.0;
    const double plotCy = (plot.top + plot.bottom) / 2.0;
    EXPECT_NEAR(diagram().tagPosition[0][0], (cx - plotCx) / (plot.width() / 2.0) * 100000.0, 1e-6);
    EXPECT_NEAR(diagram().tagPosition[0][1], (cy - plotCy) / (plot.height() / 2.0) * 100000.0, 1e-6);
    // Redrawn at once: the tag's box is where it was dropped.
    EXPECT_EQ(layout().blocks[7], start.offset(-30, 20));
    EXPECT_TRUE(frame().action(CommandId::EditUndo)->isEnabled());
    frame().runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram().tagPosition, before.tagPosition);
    EXPECT_EQ(layout().blocks[7], start);
}

TEST_F(ViewTest, ClickWithoutMovingRecordsNoChange) {
    openDemo();
    leftClick(centreOf(7));
    EXPECT_FALSE(frame().document().canUndo());
    EXPECT_EQ(view().selectedTag(), 0);
    EXPECT_TRUE(frame().action(CommandId::TagLower)->isEnabled());
    // Clicking the plot drops the tag selection and its commands.
    leftClick({(layout().plotRect.left + layout().plotRect.right) / 2, layout().plotRect.bottom - 3});
    EXPECT_EQ(view().selectedTag(), -1);
    EXPECT_FALSE(frame().action(CommandId::TagLower)->isEnabled());
}

TEST_F(ViewTest, PlaceBelowOnTheTopTagOfThree) {
    openDemoWithThreeTags();
    ASSERT_EQ(diagram().tagOrder[0], 0);
    ASSERT_EQ(diagram().tagOrder[1], 1);
    ASSERT_EQ(diagram().tagOrder[2], 2);
    leftClick(centreOf(9));
    ASSERT_EQ(view().selectedTag(), 2);
    frame().action(CommandId::TagLower)->trigger();
    EXPECT_EQ(diagram().tagOrder[2], 0);
    EXPECT_EQ(diagram().tagOrder[0], 1);
    EXPECT_EQ(diagram().tagOrder[1], 2);
    // "Placer au-dessus" on the same tag puts it back on top, the others down one.
    frame().action(CommandId::TagRaise)->trigger();
    EXPECT_EQ(diagram().tagOrder, (std::array<std::int32_t, 10>{0, 1, 2, -1, -1, -1, -1, -1, -1, -1}));
    frame().runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram().tagOrder[2], 0);
    frame().runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram().tagOrder[2], 2);
}

TEST_F(ViewTest, ContextMenusListTheElementsCommands) {
    openDemoWithThreeTags();
    const render::HitResult tag = view().selectAt(centreOf(8));
    ASSERT_EQ(tag.kind, render::HitKind::Tag);
    const auto tagMenu = view().contextMenu(tag);
    EXPECT_EQ(itemTexts(*tagMenu), (QStringList{"&Texte...", "&Supprimer...", "S&upprimer toutes", "&Fond...",
                                                "&Bordure...", "&Ombre...", "Placer au-dessus", "Placer au-dessous"}));
    // The items are the frame's own actions.
    EXPECT_TRUE(tagMenu->actions().contains(frame().action(CommandId::TagLower)));
    EXPECT_TRUE(frame().action(CommandId::TagLower)->isEnabled());
    EXPECT_TRUE(tagMenu->actions().contains(frame().action(CommandId::TagText)));

    const QPoint inPlot(layout().plotRect.right - 3, (layout().plotRect.top + layout().plotRect.bottom) / 2);
    const render::HitResult plot = view().selectAt(inPlot);
    ASSERT_EQ(plot.kind, render::HitKind::Plot);
    const auto plotMenu = view().contextMenu(plot);
    EXPECT_EQ(itemTexts(*plotMenu),
              (QStringList{"&Fond...", "&Bordure...", "&Ombre...", "&Insérer un libellé...", "&Insérer une légende...",
                           "&Insérer une étiquette...", "S&upprimer tous les libellés",
                           "S&upprimer toutes les légendes", "S&upprimer toutes les étiquettes"}));
    // Stand-ins under another label mirror the frame's action and run it.
    QAction* deleteTags = plotMenu->actions().at(plotMenu->actions().size() - 1);
    ASSERT_EQ(deleteTags->text(), QStringLiteral("S&upprimer toutes les étiquettes"));
    QAction* insertLabel = nullptr;
    for (QAction* act : plotMenu->actions())
        if (act->text() == QStringLiteral("&Insérer un libellé...")) insertLabel = act;
    ASSERT_NE(insertLabel, nullptr);
    EXPECT_EQ(insertLabel->isEnabled(), frame().action(CommandId::LabelInsert)->isEnabled());
    EXPECT_EQ(insertLabel->toolTip(), frame().action(CommandId::LabelInsert)->toolTip());
    EXPECT_TRUE(deleteTags->isEnabled());
    deleteTags->trigger();
    EXPECT_EQ(document::tagsInUse(diagram()), 0);
    frame().runCommand(CommandId::EditUndo);
    EXPECT_EQ(document::tagsInUse(diagram()), 3);
}

TEST_F(ViewTest, LegendLineSelectsItsCurve) {
    openDemo();
    ASSERT_GE(layout().legendLines.size(), 2u) << "the demo lists two legends";
    frame().document().setSelectedCurve(-1);
    const render::LegendLineRect line = layout().legendLines[1];
    const QPoint at((line.rect.left + line.rect.right) / 2, (line.rect.top + line.rect.bottom) / 2);
    const render::HitResult hit = view().selectAt(at);
    EXPECT_EQ(hit.kind, render::HitKind::Legend);
    EXPECT_EQ(frame().document().selectedCurve(), line.curve);
    EXPECT_EQ(view().selectedLabel(), document::LegendSlot);
    EXPECT_EQ(itemTexts(*view().contextMenu(hit)).size(), 8);
}

TEST_F(ViewTest, DoubleClickRunsTheEditCommandOnlyWhenEnabled) {
    openDemo();
    // A disabled editing command stays silent.
    QAction text(QStringLiteral("&Texte..."));
    text.setEnabled(false);
    int triggered = 0;
    QObject::connect(&text, &QAction::triggered, &text, [&triggered] { ++triggered; });
    CommandId asked = CommandId::HelpAbout;
    view().setActionLookup([&](CommandId id) {
        asked = id;
        return &text;
    });
    const document::Diagram before = diagram();
    mouse(QEvent::MouseButtonDblClick, centreOf(7), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(asked, CommandId::TagText);
    EXPECT_EQ(triggered, 0);  // disabled: nothing opens
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(diagram(), before);
    EXPECT_EQ(view().selectedTag(), 0);
    // An available editing command runs on the element hit: the plot's fill.
    QAction fill(QStringLiteral("&Fond..."));
    view().setActionLookup([&](CommandId id) {
        asked = id;
        return &fill;
    });
    int fills = 0;
    QObject::connect(&fill, &QAction::triggered, &fill, [&fills] { ++fills; });
    const render::DevRect& plot = layout().plotRect;
    mouse(QEvent::MouseButtonDblClick, {plot.right - 3, plot.bottom - 3}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(asked, CommandId::PlotFill);
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(triggered, 0);
}

TEST_F(ViewTest, CursorTellsWhatIsUnderTheMouse) {
    openDemo();
    const render::DevRect& plot = layout().plotRect;
    struct Case {
        QPoint at;
        Qt::CursorShape shape;
    };
    const Case cases[] = {
        {centreOf(7), Qt::OpenHandCursor},
        {{plot.right - 3, plot.bottom - 3}, Qt::CrossCursor},
        {{1, 1}, Qt::ArrowCursor},
    };
    for (const Case& c : cases) {
        move(c.at);
        EXPECT_EQ(viewport()->cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
    }
    if (!layout().legendLines.empty()) {
        const render::DevRect& line = layout().legendLines[0].rect;
        move({(line.left + line.right) / 2, (line.top + line.bottom) / 2});
        EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
    }
    const render::DevRect& lowerX = layout().scaleAreas[0][0];
    if (!lowerX.empty() && diagram().scales.axis[0][0].active != 0) {
        move({(plot.left + plot.right) / 2, lowerX.bottom - 1});
        EXPECT_EQ(viewport()->cursor().shape(), Qt::SizeVerCursor);
    }
}

TEST_F(ViewTest, PipetteTakesTheColourUnderTheCursor) {
    frame().document().newDiagram();
    diagram().displayMode = 1;
    // A plain green plot: colour1 (10, 200, 30), gradient 0 is a plain fill.
    diagram().diagramPaint[document::PaintStyle::Fill] = 1;
    diagram().diagramPaint[document::PaintStyle::FillColour1] = static_cast<std::int32_t>(render::rgb(10, 200, 30));
    diagram().diagramPaint[document::PaintStyle::Gradient] = 0;
    frame().runCommand(CommandId::ViewRefresh);
    view().renderViewport();
    const render::DevRect plot = layout().plotRect;
    ASSERT_FALSE(plot.empty());
    const QPoint inPlot((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2);

    preferences.pointColour = 0x0000FF;
    ASSERT_TRUE(frame().action(CommandId::ToolPipette)->isEnabled());
    frame().runCommand(CommandId::ToolPipette);
    ASSERT_TRUE(view().pipette().active());
    move(inPlot);
    // 0x00BBGGRR of (10, 200, 30) worked by hand: 30 × 65536 + 200 × 256 + 10.
    EXPECT_EQ(view().pipette().hovered(), 2017290u);
    EXPECT_TRUE(frame().statusBar()->currentMessage().contains(QStringLiteral("R=10 V=200 B=30")));
    // A right click leaves and keeps the previous colour.
    mouse(QEvent::MouseButtonPress, inPlot, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(view().pipette().active());
    EXPECT_EQ(view().pipette().current(), 0x0000FFu);
    EXPECT_FALSE(test::asStore(store).readInt("Display", "PointColor").has_value());

    frame().runCommand(CommandId::ToolPipette);
    mouse(QEvent::MouseButtonPress, inPlot, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(view().pipette().active());
    EXPECT_EQ(test::asStore(store).readInt("Display", "PointColor", -1), 2017290);
    EXPECT_EQ(preferences.pointColour, 2017290);
    EXPECT_EQ(view().pipette().history(), (std::vector<PipetteColour>{2017290u}));
    // The click took the colour only: no drag, no selection change.
    EXPECT_FALSE(view().draggingTag());
}

TEST_F(ViewTest, AbortedPassKeepsThePreviousPicture) {
    openDemo();
    const QImage before = view().renderViewport();
    const render::DevRect plotBefore = layout().plotRect;
    QStringList messages;
    QObject::connect(&view(), &COrdinaxView::statusMessage, &view(),
                     [&messages](const QString& text, int) { messages << text; });
    view().setAbortCheck([] { return true; });
    diagram().displayMode = 3;  // a quite different picture
    EXPECT_FALSE(view().redraw());
    EXPECT_EQ(view().picture(), before);
    EXPECT_EQ(layout().plotRect, plotBefore);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Tracé interrompu")));
    view().setAbortCheck(nullptr);
    EXPECT_TRUE(view().redraw());
    EXPECT_NE(view().picture(), before);
    EXPECT_NE(layout().plotRect, plotBefore);
}

TEST_F(ViewTest, EscapeTypedDuringALongPassStopsIt) {
    openDemo();
    const QImage before = view().renderViewport();
    // A curve of 400000 symbols takes far longer than the 50 ms between two
    // looks at the input; Escape is already waiting in the queue.
    document::Curve heavy = diagram().curves.front();
    std::vector<document::Point> points;
    for (int i = 0; i < 400000; ++i) points.push_back({(i % 1000) / 100.0, (i / 1000) / 40.0});
    heavy.points = document::PointBuffer(points);
    heavy.symbol.type = 1;
    diagram().curves.push_back(heavy);
    QCoreApplication::postEvent(&view(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_FALSE(view().redraw());
    EXPECT_FALSE(view().isDrawing());
    // The picture from before the interrupted pass is the one shown.
    EXPECT_EQ(view().picture(), before);
}

}  // namespace
}  // namespace ordinax::shell
