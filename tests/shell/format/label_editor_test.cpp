// The label text editor: markup in and out byte for byte, the looks applied
// from its buttons and lists, RTF through the clipboard, Symbol characters,
// Cancel, and the double click that opens it. Expected markup worked by hand
// from the code table.
#include <QApplication>
#include <QClipboard>
#include <QFontComboBox>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QToolButton>

#include "format_test_support.h"
#include "richtext/label_runs.h"
#include "richtext/markup_text.h"
#include "shell/labels/label_editor_dialog.h"
#include "shell/labels/label_text_edit.h"
#include "ui_label_editor_dialog.h"

namespace ordinax::shell {
namespace {

using richtext::fixtures::m;
using test::onDialog;

class LabelEditorTest : public test::DialogFrameTest {
protected:
    // The demo with its lower title set to `text`, as a file would hold it.
    CMainFrame& demoWithTitle(const std::string& text) {
        CMainFrame& f = demoFrame();
        diagram().labels[document::LowerTitleSlot].text = text;
        return f;
    }
    static void select(LabelEditorDialog& editor, int from, int to) {
        QTextCursor cursor = editor.controls().text->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.controls().text->setTextCursor(cursor);
    }
    static richtext::LabelBase base() {
        return {base::fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial"), 96};
    }
};

TEST_F(LabelEditorTest, EveryMarkupCodeComesBackUnchanged) {
    const std::string texts[] = {
        m("¶bGras¶b ¶iItalique¶i ¶uSouligné¶u ¶oRayé¶o"),
        m("x¶e2¶e + T¶s1¶s"),
        m("¶e[4]haut¶e[0] ¶s[2]bas¶s[0]"),
        m("¶gabq¶g = ¶gp¶g"),
        m("¶R¶Rnoir ¶Bbleu¶0 ¶Z[255,0,0]rouge ¶D¶W¶G¶C¶Y¶M¶t"),
        m("¶F[fmodern;0;1;Courier New]¶S[30]mono¶F[fswiss;0;2;Arial]¶S[24]"),
        "deux\nlignes\tet tab",
        m("¶F[fnil;2;2;Wingdings]J¶F[fswiss;0;2;Arial] signes"),
        std::string("octets \x81\x8D\x90"),
        m("fin¶b"),
        m("¶K ¶Z[1,2 ¶"),
    };
    CMainFrame& f = demoFrame();
    for (const std::string& text : texts) {
        diagram().labels[document::LowerTitleSlot].text = text;
        std::string shown;
        onDialog<LabelEditorDialog>([&](LabelEditorDialog& editor) {
            shown = editor.markup();
            editor.accept();
        });
        f.runCommand(CommandId::LabelText);
        EXPECT_EQ(shown, text);
        EXPECT_EQ(diagram().labels[document::LowerTitleSlot].text, text);
        EXPECT_FALSE(f.document().canUndo()) << "nothing changed, nothing to undo";
    }
}

TEST_F(LabelEditorTest, SubscriptBoldAndRedFromTheButtons) {
    CMainFrame& f = demoWithTitle(
        "T1 = 22 \xB0"
        "C");
    onDialog<LabelEditorDialog>([&](LabelEditorDialog& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Texte"));
        test::expectAllControlsNamed(&editor);
        Ui::LabelEditorDialog& c = editor.controls();
        EXPECT_EQ(c.text->toPlainText(), QStringLiteral("T1 = 22 °C"));
        select(editor, 1, 2);
        c.subscript->click();
        select(editor, 5, 7);
        c.bold->click();
        const int red = c.colour->findText(QStringLiteral("Rouge"));
        ASSERT_GT(red, 0);
        c.colour->setCurrentIndex(red);
        emit c.colour->activated(red);
        // The view shows the text as it is typed.
        EXPECT_EQ(f.view().shownDiagram().labels[0].text, m("T¶s1¶s = ¶Z[255,0,0]¶b22¶0¶b \xB0"
                                                            "C"));
        editor.accept();
    });
    f.runCommand(CommandId::LabelText);
    EXPECT_EQ(diagram().labels[0].text, m("T¶s1¶s = ¶Z[255,0,0]¶b22¶0¶b \xB0"
                                          "C"));
    ASSERT_TRUE(f.document().canUndo());
    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram().labels[0].text,
              "T1 = 22 \xB0"
              "C");
}

TEST_F(LabelEditorTest, CancelPutsTheTextBack) {
    CMainFrame& f = demoWithTitle("Titre");
    const document::Diagram before = diagram();
    onDialog<LabelEditorDialog>([&](LabelEditorDialog& editor) {
        editor.controls().text->selectAll();
        editor.controls().italic->click();
        editor.controls().text->insertPlainText(QStringLiteral("Autre"));
        EXPECT_NE(f.view().shownDiagram().labels[0].text, "Titre");
        editor.reject();
    });
    f.runCommand(CommandId::LabelText);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(LabelEditorTest, RtfGoesOutAndComesBackThroughTheClipboard) {
    CMainFrame& f = demoWithTitle(m("a¶b¶Z[255,0,0]22¶b"));
    onDialog<LabelEditorDialog>([&](LabelEditorDialog& editor) {
        LabelTextEdit* text = editor.controls().text;
        select(editor, 1, 3);
        text->copy();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        ASSERT_NE(copied, nullptr);
        ASSERT_TRUE(copied->hasFormat(QStringLiteral("text/rtf")));
        const QByteArray rtf = copied->data(QStringLiteral("text/rtf"));
        EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
        EXPECT_TRUE(rtf.contains("\\b ")) << rtf.constData();
        EXPECT_TRUE(rtf.contains("\\red255\\green0\\blue0;")) << rtf.constData();
        EXPECT_EQ(copied->text(), QStringLiteral("22"));
        text->moveCursor(QTextCursor::End);
        text->paste();

        // RTF of a word processor: a bold word, a blue one, a second line.
        auto* outside = new QMimeData;
        outside->setData(QStringLiteral("text/rtf"),
                         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue255;}"
                         "\\f0\\fs24 x{\\b B}\\cf1 C\\par D}");
        QApplication::clipboard()->setMimeData(outside);
        text->paste();
        editor.accept();
    });
    f.runCommand(CommandId::LabelText);
    const auto runs = richtext::parseLabel(diagram().labels[0].text, base());
    std::string plain;
    std::vector<std::string> bold, blue, red;
    for (const richtext::LabelRun& run : runs) {
        if (run.text.empty()) continue;  // codes after the text
        plain += run.text;
        if (run.style.bold) bold.push_back(run.text);
        if (richtext::effectiveColour(run.style) == richtext::rgbColour(0, 0, 255)) blue.push_back(run.text);
        if (richtext::effectiveColour(run.style) == richtext::rgbColour(255, 0, 0)) red.push_back(run.text);
    }
    EXPECT_EQ(plain, "a2222xBC\nD");
    EXPECT_EQ(bold, (std::vector<std::string>{"2222", "B"}));
    EXPECT_EQ(red, (std::vector<std::string>{"2222"}));
    EXPECT_EQ(blue, (std::vector<std::string>{"C\nD"}));
}

TEST_F(LabelEditorTest, SymbolCharactersAndTypedGreekBecomeGreekRuns) {
    CMainFrame& f = demoWithTitle("T = ");
    onDialog<LabelEditorDialog>([&](LabelEditorDialog& editor) {
        Ui::LabelEditorDialog& c = editor.controls();
        c.text->moveCursor(QTextCursor::End);
        QAction* theta = nullptr;
        for (QAction* action : c.symbol->menu()->actions())
            if (action->text() == QStringLiteral("θ")) theta = action;
        ASSERT_NE(theta, nullptr);
        theta->trigger();
        // A Greek letter typed from the keyboard, and ₂.
        c.text->moveCursor(QTextCursor::End);
        c.text->insertPlainText(QStringLiteral(" + π₂"));
        editor.accept();
    });
    f.runCommand(CommandId::LabelText);
    EXPECT_EQ(diagram().labels[0].text, m("T = ¶gq + p¶g¶s2"));
}

TEST_F(LabelEditorTest, DoubleClickOnATagOpensItsText) {
    CMainFrame& f = demoFrame();
    test::drawNormal(f);
    const render::DevRect box = f.view().lastPass().layout.blocks[document::FirstTagSlot];
    const QPoint at((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    QString element;
    std::string shown;
    onDialog<LabelEditorDialog>([&](LabelEditorDialog& editor) {
        element = editor.controls().element->currentText();
        shown = editor.markup();
    });
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(at), f.view().viewport()->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.view().viewport(), &click);
    EXPECT_EQ(element, QStringLiteral("Étiquette 1"));
    EXPECT_EQ(shown, diagram().labels[document::FirstTagSlot].text);
}

}  // namespace
}  // namespace ordinax::shell
