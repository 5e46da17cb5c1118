// The acquisition window driven as a user drives it, on a chart drawn by a
// known transform: reference points clicked and marked, axis values typed,
// points clicked with the mouse and with the keyboard, "&Valider" giving a
// new curve in one undo step; the refusals, the magnifier, a pasted picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "acquisition/acquisition_settings.h"
#include "base/strings_data.h"
#include "shell/acquisition/acquisition_commands.h"
#include "shell/acquisition/acquisition_window.h"
#include "shell/acquisition/picture_canvas.h"
#include "shell/common/number_field.h"
#include "shell/data/data_test_support.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::asStore;
using test::DialogFrameTest;
using test::whenModalOpens;

// The chart: x 0..20 along 400 pixels from the origin (50, 250), y 0..5
// along 200 pixels upwards; pixel(x, y) = (50 + 20 x, 250 - 40 y).
QPoint chartPixel(double x, double y) {
    return {int(std::lround(50 + 20 * x)), int(std::lround(250 - 40 * y))};
}

QImage chart() {
    QImage image(500, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawLine(chartPixel(0, 0), chartPixel(20, 0));
    painter.drawLine(chartPixel(0, 0), chartPixel(0, 5));
    return image;
}

class AcquisitionTest : public DialogFrameTest {
protected:
    std::string file(const std::string& name) const { return (scratch.path() / name).string(); }

    static void click(QWidget& w, const char* name) {
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    static void type(QWidget& w, const char* name, const QString& text) {
        auto* field = w.findChild<NumberField*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        field->setText(text);
        field->commit();
    }
    // Marks the frame of the chart and its values as the user does.
    static void markFrame(AcquisitionWindow& w) {
        PictureCanvas& canvas = w.canvas();
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, chartPixel(0, 0));
        click(w, "originButton");
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, chartPixel(20, 0));
        click(w, "endXButton");
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, chartPixel(0, 5));
        click(w, "endYButton");
        type(w, "xExtremity", QStringLiteral("20"));
        type(w, "yExtremity", QStringLiteral("5"));
    }
};

TEST_F(AcquisitionTest, ClickedPointsBecomeANewCurveInOneStep) {
    demoFrame();
    const document::Diagram before = diagram();
    const std::string png = file("graphique.png");
    ASSERT_TRUE(chart().save(QString::fromStdString(png)));
    whenModalOpens([&](QWidget* modal) {
        auto* w = qobject_cast<AcquisitionWindow*>(modal);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("  Reconstruction d'une courbe"));
        EXPECT_EQ(w->canvas().picture().size(), QSize(500, 300));
        markFrame(*w);
        EXPECT_EQ(w->state().references[acquisition::Origin], (acquisition::PixelPoint{50, 250}));
        EXPECT_TRUE(w->state().points.empty());
        // Two points with the mouse, one with the keyboard cross-hair.
        QTest::mouseClick(&w->canvas(), Qt::LeftButton, {}, chartPixel(5, 1));
        QTest::mouseClick(&w->canvas(), Qt::LeftButton, {}, chartPixel(10, 4));
        w->canvas().setCursorPosition(chartPixel(15, 2) - QPoint(2, 0));
        QTest::keyClick(&w->canvas(), Qt::Key_Right);
        QTest::keyClick(&w->canvas(), Qt::Key_Right);
        QTest::keyClick(&w->canvas(), Qt::Key_Space);
        // A stray click removed with the right button.
        QTest::mouseClick(&w->canvas(), Qt::LeftButton, {}, QPoint(400, 20));
        QTest::mouseClick(&w->canvas(), Qt::RightButton, {}, QPoint(398, 22));
        EXPECT_EQ(w->state().points.size(), 3u);
        // The read-out and the magnifier follow the mouse.
        QTest::mouseMove(&w->canvas(), chartPixel(10, 2.5));
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("readout"))->text(),
                  QStringLiteral("x = +10 - y = +2.5  [250, 150]"));
        EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("magnifier"))->pixmap().isNull());
        w->findChild<QLineEdit*>(QStringLiteral("curveTitle"))->setText(QStringLiteral("Relevé"));
        test::expectAllControlsNamed(w);
        click(*w, "validateButton");
    });
    ASSERT_TRUE(runPictureAcquisition(frame(), QString::fromStdString(png)));
    ASSERT_EQ(diagram().curveCount(), before.curveCount() + 1);
    const document::Curve& curve = diagram().curves.back();
    EXPECT_EQ(curve.title, "Relev\xE9");
    const auto p = curve.points.view();
    ASSERT_EQ(p.size(), 3u);
    // Worked by hand: 20 pixels per unit of x, 40 per unit of y.
    EXPECT_DOUBLE_EQ(p[0].x, 5);
    EXPECT_DOUBLE_EQ(p[0].y, 1);
    EXPECT_DOUBLE_EQ(p[1].x, 10);
    EXPECT_DOUBLE_EQ(p[1].y, 4);
    EXPECT_DOUBLE_EQ(p[2].x, 15);
    EXPECT_DOUBLE_EQ(p[2].y, 2);
    EXPECT_EQ(frame().document().selectedCurve(), before.curveCount());
    frame().runCommand(CommandId::EditUndo);
    EXPECT_TRUE(diagram() == before);
}

TEST_F(AcquisitionTest, ValidationWithoutAFrameKeepsThePoints) {
    AcquisitionWindow w(frame().prompts(), store, chart(), "Courbe n\xB0 1");
    w.show();
    QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, chartPixel(1, 1));
    QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, chartPixel(0, 0));
    click(w, "originButton");
    click(w, "validateButton");
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, base::MsgAcquisitionFrameInvalid);
    EXPECT_EQ(w.result(), 0);
    EXPECT_EQ(w.state().points.size(), 1u);
    // A second reference point on the origin is refused.
    QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, chartPixel(0, 0));
    click(w, "endXButton");
    ASSERT_EQ(prompts->shown.size(), 2u);
    EXPECT_EQ(prompts->shown[1].text, "Ce point est déjà utilisé !");
    // DELETE asks first; No keeps the points.
    prompts->yes = false;
    click(w, "deleteButton");
    EXPECT_EQ(w.state().points.size(), 2u);
    prompts->yes = true;
    click(w, "deleteButton");
    EXPECT_TRUE(w.state().points.empty());
    EXPECT_EQ(prompts->asked.back().text, "Suppression de tous les pointages.\n\nConfirmation ?");
}

TEST_F(AcquisitionTest, AxisRulesAndRememberedSettings) {
    {
        AcquisitionWindow w(frame().prompts(), store, chart(), "");
        w.show();
        w.findChild<QComboBox*>(QStringLiteral("xKind"))->setCurrentIndex(1);
        type(w, "xOrigin", QStringLiteral("-3"));
        EXPECT_EQ(w.findChild<NumberField*>(QStringLiteral("xOrigin"))->text(), QStringLiteral("1"));
        type(w, "xExtremity", QStringLiteral("1000"));
        EXPECT_EQ(w.state().xAxis, (acquisition::AxisValues{acquisition::AxisKind::Logarithmic, 1, 1000}));
        w.findChild<QCheckBox*>(QStringLiteral("keepSettings"))->setChecked(true);
        w.reject();
    }
    EXPECT_EQ(asStore(store).readInt("Preference", "SaveScan", 0), 1);
    AcquisitionWindow again(frame().prompts(), store, chart(), "");
    EXPECT_EQ(again.findChild<QComboBox*>(QStringLiteral("xKind"))->currentText(), QStringLiteral("LOG"));
    EXPECT_EQ(again.findChild<NumberField*>(QStringLiteral("xExtremity"))->text(), QStringLiteral("1000"));
    again.reject();
}

TEST_F(AcquisitionTest, PastedPictureReplacesTheMarks) {
    AcquisitionWindow w(frame().prompts(), store, chart(), "");
    w.show();
    QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, QPoint(10, 10));
    QGuiApplication::clipboard()->clear();
    click(w, "pasteButton");
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, base::MsgAcquisitionNoClipboardPicture);
    QImage other(120, 80, QImage::Format_RGB32);
    other.fill(Qt::yellow);
    QGuiApplication::clipboard()->setImage(other);
    click(w, "pasteButton");
    EXPECT_EQ(w.canvas().picture().size(), QSize(120, 80));
    EXPECT_TRUE(w.state().points.empty());
    // ZOOM shows and hides the magnifier.
    auto* zoom = w.findChild<QPushButton*>(QStringLiteral("zoomButton"));
    zoom->click();
    EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("magnifier"))->isVisibleTo(&w));
    w.reject();
}

TEST_F(AcquisitionTest, UnreadablePictureIsRefused) {
    demoFrame();
    const std::string bad = file("abime.png");
    test::writeText(bad, "pas une image");
    EXPECT_FALSE(runPictureAcquisition(frame(), QString::fromStdString(bad)));
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text, "Impossible d'ouvrir le fichier " + bad + " !");
    EXPECT_FALSE(frame().document().canUndo());
}

}  // namespace
}  // namespace ordinax::shell
