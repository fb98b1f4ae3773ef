#pragma once

#include <memory>
#include <vector>

#include "core/completion.h"
#include "core/element_set.h"
#include "core/game_settings.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "picture/picture_buffer.h"
#include "picture/rotate_picture.h"
#include "recording_platform.h"

namespace tessary {

/// Pixel values the fixtures paint with; the picture never uses them.
inline constexpr std::uint32_t kBackgroundPixel = 0x00FF00FF;
inline constexpr std::uint32_t kContourColourRef = 0x00202020;  // 0x00BBGGRR
inline constexpr std::uint32_t kContourPixel = 0x00202020;

/// The steady clock's milliseconds when the test window shows a cursor.
inline constexpr std::int64_t kCursorTime = 5000;

/// How a test game is cut and shown.
struct TestGameOptions {
    int rows = 2;
    int columns = 2;
    bool is3D = true;
    bool isExact = true;
    bool isTextured = false;
};

/// The picture pixel a test picture of that size holds at (x, y): every pixel distinct, none
/// equal to the background or contour pixels.
std::uint32_t PicturePixel(int x, int y);

/// A 24-bit bottom-up picture filled with PicturePixel.
PictureBuffer MakeTestPicture(int width, int height);

/// A game of S = 64 on a 1200 x 900 field shown through an 800 x 600 client area: its elements
/// alone at rotation 0, their images rendered, placed `spacing` apart in picture order starting
/// at (20, 20), the field picture drawn. The painter is installed.
class TestGame {
public:
    explicit TestGame(const TestGameOptions& options = {}, int spacing = 150);

    ElementSet& set() { return *set_; }
    Field& field() { return *field_; }
    const OutlineGeometry& g() const { return set_->geometry(); }

    /// Top-left corner of the element's core square on the field.
    Point core(int index) const;
    /// A field point inside the element's core square (its centre).
    Point centre(int index) const;
    /// Puts the pointer over a field point.
    void pointAt(Point fieldPoint);
    /// Picks the element under a field point with `keyState`.
    void pick(Point fieldPoint, int keyState);
    /// One drag step to the client point that lies over field point `fieldPoint`.
    JoinReaction dragTo(Point fieldPoint, int keyState = 1);
    /// Picks `g` at its centre and drags it so that its core lies beside `o`'s on o's field
    /// side `sideOfO`, `offset` further; releases it when no join ended the drag.
    JoinReaction dropBeside(int g, int o, Side sideOfO, Point offset = {});
    /// The field picture as it would be after drawing every element but those `left out` from
    /// scratch, bottom to top.
    Bitmap32 redrawnFromScratch(const std::vector<int>& leftOut = {});
    /// The turned picture of rotation r (0 the picture itself).
    const PictureBuffer& turnedPicture(int r) const { return r == 0 ? picture : turned[r - 1]; }

    GameSettings settings;
    RecordingPlatform platform;
    PictureBuffer picture;
    TurnedPictures turned;
    bool isMarkedComplete = false;
    int completions = 0;

private:
    std::unique_ptr<ElementSet> set_;
    std::unique_ptr<Field> field_;
    std::unique_ptr<FieldPainter> painter_;
};

/// The field pixels that differ between two pictures of one size, as field points.
std::vector<Point> DifferingPixels(const Bitmap32& a, const Bitmap32& b);

}  // namespace tessary
