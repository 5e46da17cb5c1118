// Files dropped on the main window: a diagram opens, a text or CSV file
// opens the text import on it, a picture opens the acquisition on it, any
// other file is refused with a message.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QPushButton>

#include "base/strings_data.h"
#include "shell/acquisition/acquisition_window.h"
#include "shell/acquisition/picture_canvas.h"
#include "shell/data/data_test_support.h"
#include "shell/data/dropped_files.h"
#include "shell/data/text_import_dialog.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;
using test::kDemo;
using test::waitUntil;
using test::whenModalOpens;

TEST(DroppedFiles, KindsAndTheOneActedOn) {
    const struct {
        const char* path;
        DroppedKind kind;
    } cases[] = {
        {"/d/essai.orx", DroppedKind::Diagram}, {"/d/ESSAI.ORX", DroppedKind::Diagram},
        {"/d/m.csv", DroppedKind::Data},        {"/d/m.TXT", DroppedKind::Data},
        {"/d/m.dat", DroppedKind::Data},        {"/d/scan.jpeg", DroppedKind::Picture},
        {"/d/scan.Png", DroppedKind::Picture},  {"/d/vieux.wmf", DroppedKind::Picture},
        {"/d/notes.odt", DroppedKind::Unknown}, {"/d.orx/sans-extension", DroppedKind::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(droppedFileKind(c.path), c.kind) << c.path;
    EXPECT_EQ(chooseDroppedFile({"/a.png", "/b.csv", "/c.orx"})->path, "/c.orx");
    EXPECT_EQ(chooseDroppedFile({"/a.png", "/b.csv"})->path, "/b.csv");
    EXPECT_EQ(chooseDroppedFile({"/a.odt", "/b.png"})->kind, DroppedKind::Picture);
    EXPECT_EQ(chooseDroppedFile({"/a.odt"})->kind, DroppedKind::Unknown);
    EXPECT_FALSE(chooseDroppedFile({}));
}

class DropTest : public DialogFrameTest {
protected:
    std::string file(const std::string& name) const { return (scratch.path() / name).string(); }

    // Drags the file over the window and drops it, as a file manager does.
    bool drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame(), &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(DropTest, DiagramOpens) {
    EXPECT_TRUE(drop(kDemo.toStdString()));
    EXPECT_EQ(frame().document().path(), kDemo.toStdString());
}

TEST_F(DropTest, CsvOpensTheTextImportOnIt) {
    const std::string csv = file("mesures.csv");
    test::writeText(csv, "1;2\n3;4\n");
    bool seen = false;
    whenModalOpens([&](QWidget* modal) {
        auto* d = qobject_cast<TextImportDialog*>(modal);
        ASSERT_NE(d, nullptr);
        seen = true;
        EXPECT_EQ(d->dataFile().toStdString(), csv);
        d->findChild<QPushButton*>(QStringLiteral("plotButton"))->click();
    });
    ASSERT_TRUE(drop(csv));
    ASSERT_TRUE(waitUntil([&] { return seen && QApplication::activeModalWidget() == nullptr; }));
    ASSERT_TRUE(waitUntil([&] { return diagram().curveCount() == 1; }));
    EXPECT_EQ(diagram().curves[0].points[1], (document::Point{3, 4}));
}

TEST_F(DropTest, PictureOpensTheAcquisitionOnIt) {
    const std::string png = file("scan.png");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    bool seen = false;
    whenModalOpens([&](QWidget* modal) {
        auto* w = qobject_cast<AcquisitionWindow*>(modal);
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->canvas().picture().size(), QSize(64, 48));
        w->reject();
    });
    ASSERT_TRUE(drop(png));
    ASSERT_TRUE(waitUntil([&] { return seen && QApplication::activeModalWidget() == nullptr; }));
    EXPECT_FALSE(frame().document().canUndo());
}

TEST_F(DropTest, OtherFilesAreRefused) {
    const std::string odt = file("rapport.odt");
    test::writeText(odt, "x");
    // The drop is taken and explained, never refused without a word.
    EXPECT_TRUE(drop(odt));
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, base::MsgDropUnknown);
}

}  // namespace
}  // namespace ordinax::shell
