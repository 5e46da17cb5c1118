// The symbol, line and export dialogs of a curve, and the curves in the view:
// the selected curve marked, a double click opening the curve's dialog, the
// read-out forgotten on a new diagram, the scroll bar of "Largeur page".
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

#include "curve_test_support.h"
#include "shell/common/colour_choice.h"
#include "shell/common/number_field.h"
#include "shell/curves/curve_view_marks.h"
#include "shell/curves/export/curve_export_dialog.h"
#include "shell/curves/markup_label.h"
#include "shell/curves/style/line_dialog.h"
#include "shell/curves/style/symbol_dialog.h"

namespace ordinax::shell {
namespace {

using test::child;
using test::click;
using test::whenDialogOpens;

class CurveStyleTest : public test::DialogFrameTest {
protected:
    // The demo with its second curve selected.
    CMainFrame& demoWithSelection() {
        CMainFrame& f = demoFrame();
        f.document().setSelectedCurve(1);
        return f;
    }
};

TEST_F(CurveStyleTest, SymbolChangesShowAtOnceAndOkIsOneStep) {
    CMainFrame& f = demoWithSelection();
    const document::Diagram before = diagram();
    whenDialogOpens<SymbolDialog>([&f](SymbolDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Symbole"));
        test::expectAllControlsNamed(d);
        auto* type = child<QComboBox>(d, "typeCombo");
        EXPECT_EQ(type->itemText(2), QStringLiteral("Pastille"));
        EXPECT_EQ(type->currentIndex(), 1);
        child<QComboBox>(d, "shapeCombo")->setCurrentIndex(16);  // shape 17
        EXPECT_EQ(f.view().shownDiagram().curves[1].symbol.number, 17);  // the view shows it already
        auto* outer = child<ColourButton>(d, "outerButton");
        outer->setChooser([](std::int32_t) { return std::optional<std::int32_t>(0x0000FF); });
        outer->click();
        // A predefined shape fills only when "Plein" is checked.
        EXPECT_FALSE(child<QWidget>(d, "innerButton")->isEnabled());
        child<QAbstractButton>(d, "fillCheck")->click();
        EXPECT_TRUE(child<QWidget>(d, "innerButton")->isEnabled());
        // Characters use the character list and the boxes, not the shapes.
        type->setCurrentIndex(3);
        EXPECT_FALSE(child<QWidget>(d, "shapeCombo")->isEnabled());
        EXPECT_TRUE(child<QWidget>(d, "characterCombo")->isEnabled());
        type->setCurrentIndex(1);
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveSymbol);
    const document::SymbolStyle& s = diagram().curves[1].symbol;
    EXPECT_EQ(s.type, 1);
    EXPECT_EQ(s.number, 17);
    EXPECT_EQ(s.outerColour, 0x0000FF);
    EXPECT_EQ(s.fill, 1);
    EXPECT_EQ(diagram().curves[0].symbol, before.curves[0].symbol);
    ASSERT_TRUE(f.document().canUndo());
    f.document().undo();
    EXPECT_TRUE(diagram() == before);
}

TEST_F(CurveStyleTest, ASymbolSizeOutOfBoundsIsRefusedAndCancelKeepsTheCurve) {
    CMainFrame& f = demoWithSelection();
    const document::Diagram before = diagram();
    whenDialogOpens<SymbolDialog>([this](SymbolDialog* d) {
        auto* size = child<QComboBox>(d, "sizeCombo");
        size->setCurrentText(QStringLiteral("300"));
        click(d, "okButton");  // refused: the dialog stays
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, "Valeur maximale = 128 !");
        EXPECT_TRUE(d->isVisible());
        child<QComboBox>(d, "typeCombo")->setCurrentIndex(0);
        click(d, "cancelButton");
    });
    f.runCommand(CommandId::CurveSymbol);
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());
    EXPECT_EQ(&f.view().shownDiagram(), &diagram());
}

TEST_F(CurveStyleTest, LineDialogSetsBothLinesAndTellsWhenTheCurveIsNotSmoothed) {
    CMainFrame& f = demoWithSelection();
    diagram().curves[1].treatment = 0;
    whenDialogOpens<LineDialog>([this](LineDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Ligne de tracé (lissage, IC)"));
        test::expectAllControlsNamed(d);
        EXPECT_TRUE(child<QLabel>(d, "noteLabel")->isVisibleTo(d));
        child<QComboBox>(d, "lineTypeCombo")->setCurrentIndex(2);  // dashes
        auto* width = child<NumberField>(d, "intervalWidthField");
        width->setText(QStringLiteral("99"));
        click(d, "okButton");
        EXPECT_EQ(prompts->shown.at(0).text, "Valeur maximale = 50 !");
        width->setText(QStringLiteral("3"));
        auto* colour = child<ColourButton>(d, "intervalColourButton");
        colour->setChooser([](std::int32_t) { return std::optional<std::int32_t>(0x00FF00); });
        colour->click();
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveLine);
    const document::LineStyle& line = diagram().curves[1].line;
    EXPECT_EQ(line.type[0], 2);
    EXPECT_EQ(line.width[1], 3);
    EXPECT_EQ(line.colour[1], 0x00FF00);
}

TEST_F(CurveStyleTest, ExportWritesTheChosenFormatAndStartsFromTheLastFile) {
    CMainFrame& f = frame();
    ASSERT_TRUE(f.openFile(test::kDemo));
    diagram().curves[1] = test::curveOf("Essai", {{1, 0.5}, {2, 1e-7}});
    diagram().curves[1].axisName = {"t", "v"};
    f.document().setSelectedCurve(1);
    const std::string first = (scratch.path() / "export.csv").string();
    QStringList starts;
    CurveExportDialog::setFileChooser([&](QWidget*, const QString& caption, const QString& start, const QString& filter) {
        EXPECT_EQ(caption, QStringLiteral(" Exporter une courbe"));
        starts << start << filter;
        return starts.size() == 2 ? QString::fromStdString(first) : QString::fromStdString(first).replace(".csv", ".txt");
    });
    whenDialogOpens<CurveExportDialog>([](CurveExportDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Exporter les données d'une courbe"));
        test::expectAllControlsNamed(d);
        EXPECT_EQ(child<MarkupLabel>(d, "titleLabel")->accessibleName(), QStringLiteral("Essai"));
        EXPECT_TRUE(child<QRadioButton>(d, "csvRadio")->isChecked());
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveExport);
    QFile written(QString::fromStdString(first));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    // "%G" with three exponent digits, ";" in CSV (the worked example of the export).
    EXPECT_EQ(written.readAll(), QByteArray("1;0.5\n2;1E-007\n"));
    EXPECT_TRUE(starts[0].endsWith(QStringLiteral("demo_02.csv"))) << starts[0].toStdString();
    EXPECT_EQ(starts[1], QStringLiteral("CSV (*.csv)"));

    // The second export starts from the first file, with the extension of its format.
    whenDialogOpens<CurveExportDialog>([](CurveExportDialog* d) {
        child<QAbstractButton>(d, "pointsCheck")->click();
        child<QAbstractButton>(d, "namesCheck")->click();
        child<QRadioButton>(d, "blankRadio")->setChecked(true);
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveExport);
    EXPECT_EQ(starts[2], QString::fromStdString(first).replace(".csv", ".txt"));
    QFile names(QString::fromStdString(first).replace(".csv", ".txt"));
    ASSERT_TRUE(names.open(QIODevice::ReadOnly));
    EXPECT_EQ(names.readAll(), QByteArray("t v\n"));
    EXPECT_FALSE(f.document().canUndo());
    CurveExportDialog::setFileChooser({});
    CurveExportDialog::setLastExport({});
}

TEST_F(CurveStyleTest, ExportFailureIsReported) {
    CMainFrame& f = demoWithSelection();
    CurveExportDialog::setFileChooser(
        [](QWidget*, const QString&, const QString&, const QString&) { return QStringLiteral("/sans/dossier/x.csv"); });
    whenDialogOpens<CurveExportDialog>([](CurveExportDialog* d) { click(d, "okButton"); });
    f.runCommand(CommandId::CurveExport);
    ASSERT_EQ(prompts->shown.size(), 1u);
    // The reason of the failure follows the message.
    EXPECT_EQ(prompts->shown[0].text, "Impossible d'enregistrer le fichier /sans/dossier/x.csv !\n\nLe dossier n'existe pas.");
    EXPECT_TRUE(CurveExportDialog::lastExport().empty());
    CurveExportDialog::setFileChooser({});
}

class CurveViewTest : public test::DialogFrameTest {
protected:
    CMainFrame& shownDemo() {
        CMainFrame& f = demoFrame();
        f.show();
        f.runCommand(CommandId::ViewNormal);
        f.view().renderViewport();
        return f;
    }
    void doubleClick(CMainFrame& f, QPoint at) {
        QWidget* viewport = f.view().viewport();
        QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &press);
    }
    QPoint devicePoint(CMainFrame& f, document::Point p) {
        const auto at = render::pointToDevice(f.view().lastPass().layout.mapping, p.x, p.y);
        EXPECT_TRUE(at.has_value());
        return at ? QPoint(at->x, at->y) : QPoint();
    }
};

TEST_F(CurveViewTest, DoubleClickOnAPointOrALegendLineOpensTheCurvesSymbol) {
    CMainFrame& f = shownDemo();
    const document::Point target = diagram().curves[1].points[6];
    whenDialogOpens<SymbolDialog>([](SymbolDialog* d) {
        EXPECT_TRUE(child<QLabel>(d, "curveLabel")->text().endsWith(QStringLiteral("Sonde extérieure")));
        click(d, "cancelButton");
    });
    doubleClick(f, devicePoint(f, target) + QPoint(2, -2));
    EXPECT_EQ(f.document().selectedCurve(), 1);

    const auto& lines = f.view().lastPass().layout.legendLines;
    ASSERT_GE(lines.size(), 2u);
    whenDialogOpens<SymbolDialog>([](SymbolDialog* d) {
        EXPECT_TRUE(child<QLabel>(d, "curveLabel")->text().endsWith(QStringLiteral("Sonde intérieure")));
        click(d, "cancelButton");
    });
    const render::DevRect first = lines[0].curve == 0 ? lines[0].rect : lines[1].rect;
    doubleClick(f, {first.left + 3, (first.top + first.bottom) / 2});
    EXPECT_EQ(f.document().selectedCurve(), 0);
}

TEST_F(CurveViewTest, TheSelectedCurveIsMarkedOnScreenOnly) {
    CMainFrame& f = shownDemo();
    f.document().setSelectedCurve(1);
    const render::DiagramLayout& layout = f.view().lastPass().layout;
    const QPoint at = devicePoint(f, diagram().curves[1].points[6]);
    QImage marked(f.view().viewport()->size(), QImage::Format_RGB32);
    marked.fill(Qt::white);
    {
        QPainter painter(&marked);
        drawCurveMarks(painter, f.view().palette(), layout, diagram(), 1, -1);
    }
    EXPECT_EQ(marked.pixelColor(at), f.view().palette().color(QPalette::Highlight));
    // No marks for a hidden curve, nor in the picture the view prints and exports.
    QImage none(marked.size(), QImage::Format_RGB32);
    none.fill(Qt::white);
    {
        QPainter painter(&none);
        drawCurveMarks(painter, f.view().palette(), layout, diagram(), 1, 0);
    }
    EXPECT_EQ(none.pixelColor(at), QColor(Qt::white));
    EXPECT_NE(f.view().picture().pixelColor(at), f.view().palette().color(QPalette::Highlight));
    EXPECT_EQ(curveAt(layout, diagram(), -1, {at.x() + 3, at.y()}), 1);
    EXPECT_EQ(curveAt(layout, diagram(), 0, {at.x() + 3, at.y()}), -1);  // only curve 0 is drawn
}

TEST_F(CurveViewTest, NewDiagramForgetsTheReadoutAndPageWidthShowsItsScrollBarAtOnce) {
    CMainFrame& f = shownDemo();
    const render::DevRect plot = f.view().lastPass().layout.plotRect;
    const QPointF inside((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2);
    QMouseEvent move(QEvent::MouseMove, inside, f.view().viewport()->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.view().viewport(), &move);
    ASSERT_FALSE(f.readoutPane()->text().isEmpty());
    f.runCommand(CommandId::FileNew);
    EXPECT_TRUE(f.readoutPane()->text().isEmpty());

    ASSERT_TRUE(f.openFile(test::kDemo));
    // Shown as the window goes on with its events, not only after a resize.
    f.runCommand(CommandId::ViewPageWidth);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.view().verticalScrollBar()->isVisible());
    f.runCommand(CommandId::ViewNormal);
    QCoreApplication::processEvents();
    EXPECT_FALSE(f.view().verticalScrollBar()->isVisible());
}

}  // namespace
}  // namespace ordinax::shell
