#include <QAbstractItemView>
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/open_file_dlg.h"
#include "dialogs/preview_box.h"
#include "picture/bmp_writer.h"
#include "picture/picture_buffer.h"

namespace tessary {
namespace {

// A 24-bit bitmap of width x height written with our own writer.
QString WriteBitmap(const QTemporaryDir& folder, const char* name, int width, int height) {
    PictureHeader header;
    header.width = width;
    header.height = height;
    header.bitsPerPixel = 24;
    const PictureBuffer picture = PictureBuffer::Create(header);
    const QString path = folder.filePath(QLatin1String(name));
    EXPECT_TRUE(WritePictureBmp(std::filesystem::path(path.toStdString()), picture));
    return path;
}

class OpenFileDlgTest : public testing::Test {
protected:
    QTemporaryDir folder;
    COpenFileDlg dialog{nullptr};
};

TEST_F(OpenFileDlgTest, InformationTextOfABitmap) {
    dialog.updatePreview(WriteBitmap(folder, "picture.bmp", 100, 50));
    EXPECT_TRUE(dialog.isPreviewValid());
    EXPECT_EQ(dialog.informationText(),
              QStringLiteral("Формат     Windows Bitmap\n\nШирина      100\n\nВысота      50\n\n"
                             "Цвет          24-бит"));
}

TEST_F(OpenFileDlgTest, UnknownExtensionHoldingAPngIsPreviewed) {
    const QString path = folder.filePath(QStringLiteral("picture.txt"));
    QImage image(40, 30, QImage::Format_RGB888);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path, "PNG"));
    dialog.updatePreview(path);
    EXPECT_TRUE(dialog.isPreviewValid());
    EXPECT_TRUE(dialog.informationText().startsWith(
        QStringLiteral("Формат     Portable Network Graphics")));
    EXPECT_TRUE(dialog.informationText().contains(QStringLiteral("Ширина      40")));
}

TEST_F(OpenFileDlgTest, UnreadableFileEmptiesTheText) {
    dialog.updatePreview(WriteBitmap(folder, "picture.bmp", 10, 10));
    const QString path = folder.filePath(QStringLiteral("broken.jpg"));
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    dialog.updatePreview(path);
    EXPECT_FALSE(dialog.isPreviewValid());
    EXPECT_TRUE(dialog.informationText().isEmpty());
}

TEST_F(OpenFileDlgTest, UntickedPreviewShowsNothingUntilTickedAgain) {
    const QString path = WriteBitmap(folder, "picture.bmp", 10, 10);
    dialog.updatePreview(path);
    auto* preview = dialog.findChild<QCheckBox*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), QStringLiteral("&Просмотр"));
    preview->click();
    EXPECT_FALSE(dialog.isPreviewValid());
    EXPECT_TRUE(dialog.informationText().isEmpty());
    preview->click();
    EXPECT_TRUE(dialog.isPreviewValid());
    EXPECT_TRUE(dialog.informationText().contains(QStringLiteral("Ширина      10")));
}

TEST_F(OpenFileDlgTest, SelectingAFileInTheListPreviewsItAndAcceptingRemembersItsFolder) {
    const QString path = WriteBitmap(folder, "chosen.bmp", 64, 48);
    dialog.setDirectory(folder.path());
    dialog.show();
    // The list fills in the background; the player then moves onto the file.
    auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    QModelIndex file;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QModelIndex root = list->rootIndex();
            for (int row = 0; row < list->model()->rowCount(root); ++row) {
                const QModelIndex index = list->model()->index(row, 0, root);
                if (index.data().toString() == QStringLiteral("chosen.bmp")) {
                    file = index;
                }
            }
            return file.isValid();
        },
        5000));
    list->setCurrentIndex(file);
    EXPECT_TRUE(dialog.isPreviewValid());
    EXPECT_TRUE(dialog.informationText().contains(QStringLiteral("Высота      48")));
    static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept(), as "Открыть"
    EXPECT_EQ(dialog.selectedPath(), path);
    EXPECT_EQ(CFileDlg::StartFolder(CFileDlg::Kind::Open), QFileInfo(path).absolutePath());
}

TEST_F(OpenFileDlgTest, PreviewBoxIsFourByThree) {
    const QSize box = dialog.previewBoxSize();
    EXPECT_EQ(box.width(), qRound(box.height() * 4.0 / 3.0));
}

struct FitRow {
    const char* name;
    QSize image;
    QRect expected;
};

TEST(PreviewBoxTest, PictureIsReducedToFitAndCentredNeverEnlarged) {
    const QRect inner(1, 1, 128, 96);
    const FitRow rows[] = {
        {"1600 x 1200 fills the box", {1600, 1200}, {1, 1, 128, 96}},
        {"100 x 50 keeps its size, centred", {100, 50}, {15, 24, 100, 50}},
        {"tall picture limited by the height", {300, 600}, {41, 1, 48, 96}},
        {"wide picture limited by the width", {1280, 200}, {1, 39, 128, 20}},
    };
    for (const FitRow& row : rows) {
        EXPECT_EQ(PreviewBox::FittedRect(row.image, inner), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace tessary
