// A large table in the real program: a picture cut into 1,200 pieces, looked at whole, a piece
// carried to its neighbour at a quarter of its size, the view moved with the overview window,
// and the border pieces gathered with Ctrl+E. Saved games tell where the pieces lie.

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;

constexpr int kPictureWidth = 960, kPictureHeight = 720;
constexpr int kSide = 24;  // the cut: 40 x 30 pieces
constexpr int kColumns = kPictureWidth / kSide, kRows = kPictureHeight / kSide;
constexpr int kMenuHeightAtMost = 40;

// The settings the program starts with: the defaults, but pieces are not turned at creation,
// so that a piece fits its neighbour as it lies.
constexpr char kSettings[] =
    "__ Tessary 1.9 configuration file __\r\n\r\n"
    " background color = 10535088\r\n 3D contour color = 4210752\r\n element size = 64\r\n"
    " capture range = 5\r\n contour thickness = 3\r\n mouse scroll area = 20\r\n"
    " mouse scroll speed = 3\r\n keyboard scroll speed = 160\r\n enable 3D elements = 1\r\n"
    " enable mouse scroll = 1\r\n show timer = 1\r\n wheel rotate elements = 1\r\n"
    " scroll wheel = 0\r\n square base = 0\r\n enable offset = 1\r\n rotate elements = 0\r\n"
    " mosaic = 0\r\n exact assembling = 1\r\n full screen = 0\r\n texture background = 1\r\n"
    " ID background bitmap = 358\r\n";

// A picture without a black pixel, so that black on the screen is the area beyond the field.
QImage MakePicture() {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x)
            image.setPixel(x, y,
                           qRgb(40 + x * 200 / kPictureWidth, 40 + y * 200 / kPictureHeight,
                                40 + (x * 7 + y * 13) % 160));
    }
    return image;
}

int IndexOf(int row, int column) {
    return row * kColumns + column;
}

// The share of pixels two images of one size have in common within `area`.
double SameShare(const QImage& a, const QImage& b, const QRect& area) {
    int same = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            same += a.pixel(x, y) == b.pixel(x, y);
    }
    return static_cast<double>(same) / (area.width() * area.height());
}

class LargeTableTest : public ProgramFixture {
protected:
    void SetUp() override {
        QFile settings(QDir(program.folder()).filePath(QStringLiteral("settings.cfg")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(kSettings);
        settings.close();
        picture = QDir(program.folder()).filePath(QStringLiteral("large.bmp"));
        ASSERT_TRUE(MakePicture().save(picture, "BMP"));
        ASSERT_NO_FATAL_FAILURE(startProgram());
        client = XSession::windowGeometry(window);
    }

    // Ctrl+N, the picture, and the cut dialog's element size set to 24 (the second choice).
    void startLargeGame() {
        keyToWindow("ctrl+n");
        ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Загрузить картинку"), picture));
        const unsigned long cut = XSession::waitForWindow(QString::fromUtf8("Разрезка картинки"));
        ASSERT_NE(cut, 0u) << "no cut dialog";
        XSession::focus(cut);
        // Width, height, ratio, then the size list.
        for (const char* key : {"Tab", "Tab", "Tab", "Home", "Down", "Return"})
            XSession::key(QString::fromUtf8(key));
        Pause(milliseconds(2500));
        keyToWindow("ctrl+p");  // the picture's preview off
        Pause(milliseconds(300));
    }

    // The screen point where the field view begins: the first row below the menu bar. Found
    // at a zoom that leaves black beyond the field's bottom edge, `scaledHeight` rows down.
    std::optional<QPoint> viewOriginAtZoom(const QImage& shot, int scaledHeight) const {
        const int x = client.left() + 5;
        for (int y = client.top() + scaledHeight; y < client.bottom(); ++y) {
            if (qRed(shot.pixel(x, y)) == 0 && qGreen(shot.pixel(x, y)) == 0 &&
                qBlue(shot.pixel(x, y)) == 0 && qRgb(0, 0, 0) == shot.pixel(x, y + 2))
                return QPoint(client.left(), y - scaledHeight);
        }
        return std::nullopt;
    }

    // The overview: the program's smallest visible window besides the main window.
    QRect overviewWindow() const {
        QRect smallest;
        const QStringList windows =
            XSession::xdotool({"search", "--onlyvisible", "--pid", QString::number(program.pid())})
                .split('\n', Qt::SkipEmptyParts);
        for (const QString& id : windows) {
            const QRect r = XSession::windowGeometry(id.toULong());
            if (id.toULong() != window && r.width() > 20 && r.height() > 20 &&
                (smallest.isEmpty() ||
                 r.width() * r.height() < smallest.width() * smallest.height()))
                smallest = r;
        }
        return smallest;
    }

    QRect client;  // the main window's client area, menu bar included
};

TEST_F(LargeTableTest, WholeTableQuarterSizeDragOverviewAndBorderPieces) {
    ASSERT_NO_FATAL_FAILURE(startLargeGame());
    const QImage atFullSize = XSession::screenshot();
    keep(atFullSize, "large_table_full_size.png");
    const SavedGameContents start = saveGame("start");
    ASSERT_EQ(start.header.columns, kColumns);
    ASSERT_EQ(start.header.rows, kRows);
    const QSize field(start.header.fieldWidth, start.header.fieldHeight);

    // Minus all the way: 75 %, the whole field, 50 %, 33 %, 25 %; the whole field on the way.
    keyToWindow("minus");
    keyToWindow("minus");
    Pause(milliseconds(500));
    keep(XSession::screenshot(), "large_table_whole.png");
    for (int i = 0; i < 4; ++i)
        keyToWindow("minus");
    Pause(milliseconds(500));
    const QImage quarter = XSession::screenshot();
    keep(quarter, "large_table_quarter.png");
    const std::optional<QPoint> view = viewOriginAtZoom(quarter, (field.height() + 3) / 4);
    ASSERT_TRUE(view.has_value()) << "no black beyond the field at 25 %";
    ASSERT_LE(view->y() - client.top(), kMenuHeightAtMost) << "the view's top was not found";

    // Piece (10, 10) is carried to the left of piece (10, 11) at 25 %: each screen pixel moves
    // it four field pixels, and it snaps within the capture range of 5.
    const int a = IndexOf(10, 10), b = IndexOf(10, 11);
    SavedGameContents game = start;
    for (int tries = 0; tries < 3 && game.stored.elements[a].members.size() < 2; ++tries) {
        const Rect& from = game.stored.baseRects[a];
        const Rect& to = game.stored.baseRects[b];
        const QPoint grab = *view + QPoint((from.left + kSide / 2) / 4, (from.top + kSide / 2) / 4);
        const QPoint move((to.left - kSide - from.left + 2) / 4, (to.top - from.top + 2) / 4);
        XSession::drag(grab, grab + move);
        Pause(milliseconds(300));
        game = saveGame(tries == 0 ? "joined" : "joined again");
    }
    keep(XSession::screenshot(), "large_table_quarter_joined.png");
    const std::vector<int>& block = game.stored.elements[a].members;
    EXPECT_NE(std::find(block.begin(), block.end(), b), block.end())
        << "piece (10, 10) did not join piece (10, 11)";

    // Back to 100 %, the overview shown; a press in its top-left inside corner shows the
    // field's top-left, as after creation, and one in its bottom-right another part.
    for (int i = 0; i < 6; ++i)
        keyToWindow("plus");
    keyToWindow("ctrl+w");
    Pause(milliseconds(500));
    const QRect overview = overviewWindow();
    ASSERT_FALSE(overview.isEmpty()) << "no overview window";
    const QRect farFromOverview(client.left() + client.width() / 2, view->y() + 10,
                                client.width() / 2 - 20, client.height() / 3);
    XSession::click(overview.bottomRight() - QPoint(12, 12));
    Pause(milliseconds(500));
    const QImage movedDown = XSession::screenshot();
    keep(movedDown, "large_table_overview_bottom.png");
    EXPECT_LT(SameShare(atFullSize, movedDown, farFromOverview), 0.5)
        << "a press in the overview's lower right does not move the view";
    XSession::click(overview.topLeft() + QPoint(12, 12));
    Pause(milliseconds(500));
    const QImage movedBack = XSession::screenshot();
    keep(movedBack, "large_table_overview_top.png");
    EXPECT_GT(SameShare(atFullSize, movedBack, farFromOverview), 0.9)
        << "a press in the overview's top-left corner does not show the field's top-left";
    keyToWindow("ctrl+w");

    // Ctrl+E: every loose border piece in the view, none over another.
    keyToWindow("ctrl+e");
    Pause(milliseconds(1500));
    keep(XSession::screenshot(), "large_table_border.png");
    const SavedGameContents gathered = saveGame("border");
    const QRect shown(0, 0, client.width(), client.bottom() - view->y());
    std::vector<QRect> placed;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int i = IndexOf(row, column);
            const bool isBorder =
                row == 0 || column == 0 || row == kRows - 1 || column == kColumns - 1;
            if (!isBorder || gathered.stored.elements[i].members.size() > 1)
                continue;
            const Rect& r = gathered.stored.baseRects[i];
            const QRect core(r.left, r.top, r.right - r.left, r.bottom - r.top);
            EXPECT_TRUE(shown.contains(core)) << "border piece " << i << " is not in view";
            for (const QRect& other : placed)
                EXPECT_FALSE(core.intersects(other)) << "border piece " << i << " overlaps";
            placed.push_back(core);
        }
    }
    EXPECT_EQ(placed.size(), static_cast<std::size_t>(2 * (kRows + kColumns) - 4));
}

}  // namespace
}  // namespace tessary::testing
