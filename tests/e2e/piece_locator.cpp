#include "piece_locator.h"

#include <QHash>

#include <climits>

namespace tessary::testing {

QImage CodedPicture::make() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, y, qRgb(x, 2 * y, 128));
    return image;
}

std::optional<QPoint> CodedPicture::pointOf(QRgb colour) {
    if (qBlue(colour) != 128 || qGreen(colour) % 2 != 0 || qRed(colour) >= kWidth)
        return std::nullopt;
    return QPoint(qRed(colour), qGreen(colour) / 2);
}

namespace {

// p turned by `turns` quarter turns clockwise on the screen (y grows downwards).
QPoint Turned(QPoint p, int turns) {
    for (int i = 0; i < turns; ++i)
        p = QPoint(-p.y(), p.x());
    return p;
}

constexpr int kMinimumVisiblePixels = CodedPicture::kSide * CodedPicture::kSide / 4;

int CellOf(QPoint picture) {
    return picture.y() / CodedPicture::kSide * CodedPicture::kColumns +
           picture.x() / CodedPicture::kSide;
}

// A place a pixel votes for: a turn and an origin, packed into one key.
quint64 PlaceKey(int turns, QPoint origin) {
    return (static_cast<quint64>(turns) << 48) |
           (static_cast<quint64>(static_cast<quint16>(origin.x())) << 24) |
           static_cast<quint16>(origin.y());
}

}  // namespace

QPoint PieceSighting::onScreen(QPoint p) const {
    return origin + Turned(p, turns);
}

std::vector<std::optional<PieceSighting>> LocatePieces(const QImage& screen) {
    constexpr int kCells = CodedPicture::kColumns * CodedPicture::kRows;
    // Per cell: how many pixels vote for each place. Each pixel votes for all four turns;
    // only the true one gathers the votes of a whole piece at one origin.
    std::vector<QHash<quint64, int>> votes(kCells);
    for (int y = 0; y < screen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x)
            if (const auto picture = CodedPicture::pointOf(row[x]))
                for (int turns = 0; turns < 4; ++turns)
                    ++votes[CellOf(*picture)]
                           [PlaceKey(turns, QPoint(x, y) - Turned(*picture, turns))];
    }

    std::vector<std::optional<PieceSighting>> pieces(kCells);
    for (int cell = 0; cell < kCells; ++cell) {
        if (votes[cell].isEmpty())
            continue;
        auto best = votes[cell].cbegin();
        for (auto it = votes[cell].cbegin(); it != votes[cell].cend(); ++it)
            if (it.value() > best.value())
                best = it;
        // A neighbour's knob shows a few hundred of this cell's pixels; a piece counts as seen
        // only when a good part of its own core is.
        if (best.value() < kMinimumVisiblePixels)
            continue;
        PieceSighting seen;
        seen.turns = static_cast<int>(best.key() >> 48);
        seen.origin = QPoint(static_cast<qint16>((best.key() >> 24) & 0xFFFF),
                             static_cast<qint16>(best.key() & 0xFFFF));
        seen.pixels = best.value();

        // The grab point: the visible pixel of this piece nearest the centre of its cell.
        const QPoint centre =
            seen.onScreen(QPoint(cell % CodedPicture::kColumns * CodedPicture::kSide,
                                 cell / CodedPicture::kColumns * CodedPicture::kSide) +
                          QPoint(CodedPicture::kSide / 2, CodedPicture::kSide / 2));
        int nearest = INT_MAX;
        const int reach = CodedPicture::kSide / 2;
        for (int y = centre.y() - reach; y < centre.y() + reach; ++y)
            for (int x = centre.x() - reach; x < centre.x() + reach; ++x) {
                if (!screen.rect().contains(x, y))
                    continue;
                const auto picture = CodedPicture::pointOf(screen.pixel(x, y));
                if (!picture || CellOf(*picture) != cell || seen.onScreen(*picture) != QPoint(x, y))
                    continue;
                const int distance = (QPoint(x, y) - centre).manhattanLength();
                if (distance < nearest) {
                    nearest = distance;
                    seen.grab = QPoint(x, y);
                }
            }
        pieces[cell] = seen;
    }
    return pieces;
}

}  // namespace tessary::testing
