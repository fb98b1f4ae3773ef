#pragma once

#include <QImage>
#include <QPoint>

#include <optional>
#include <vector>

namespace tessary::testing {

/// The picture the end-to-end games are played with: 192 x 128 pixels, which the cut dialog
/// proposes to cut 3 x 2 at 64. Every pixel's colour names its place, (x, 2y, 128), so a
/// screenshot tells where each piece lies without knowing the game's random tables.
class CodedPicture {
public:
    static constexpr int kWidth = 192;
    static constexpr int kHeight = 128;
    static constexpr int kSide = 64;
    static constexpr int kColumns = kWidth / kSide;
    static constexpr int kRows = kHeight / kSide;

    static QImage make();
    /// The picture point a screen colour shows, if it is one of the picture's colours.
    static std::optional<QPoint> pointOf(QRgb colour);
};

/// Where one piece of the coded picture is seen on the screen.
struct PieceSighting {
    int turns = 0;   // quarter turns clockwise from upright
    QPoint origin;   // the screen point the picture's (0, 0) would lie at, for this piece
    QPoint grab;     // a visible screen point of the piece, as near its centre as can be seen
    int pixels = 0;  // how many of its pixels are visible

    /// The screen point showing picture point p, for this piece.
    QPoint onScreen(QPoint p) const;
};

/// Finds the pieces of the coded picture in a screenshot, indexed row by row; a piece with less
/// than a quarter of its cell visible has no sighting. A piece's pixels are those whose colour
/// decodes into its cell; the turn and origin most of them agree on are its place (knobs of
/// neighbours show pixels of the cell at their own place, and are outvoted).
std::vector<std::optional<PieceSighting>> LocatePieces(const QImage& screen);

}  // namespace tessary::testing
