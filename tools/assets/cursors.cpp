#include "cursors.h"

#include <array>

#include "shape_painter.h"

namespace tessary::assets {
namespace {

constexpr int kSide = 32;
constexpr Rgba kInk = Hex(0x000000);
constexpr Rgba kWhite = Hex(0xFFFFFF);

RgbaImage Hourglass() {
    RgbaImage image(kSide, kSide);
    const std::array<Vec2, 10> glass = {{{9.5f, 6},
                                         {22.5f, 6},
                                         {22.5f, 9.5f},
                                         {17.2f, 16},
                                         {22.5f, 22.5f},
                                         {22.5f, 26},
                                         {9.5f, 26},
                                         {9.5f, 22.5f},
                                         {14.8f, 16},
                                         {9.5f, 9.5f}}};
    FillAndStroke(image, Polygon(glass), Solid(Hex(0xE8F4FF)), 1.4f, kInk);
    const Paint sand = Solid(Hex(0xE0A030));
    const std::array<Vec2, 3> upper = {{{11.8f, 10.5f}, {20.2f, 10.5f}, {16, 15.2f}}};
    const std::array<Vec2, 3> lower = {{{11, 24.8f}, {21, 24.8f}, {16, 19.5f}}};
    FillShape(image, Polygon(upper), sand);
    FillShape(image, Polygon(lower), sand);
    FillShape(image, Capsule({16, 15}, {16, 21}, 0.6f), sand);
    for (float y : {4.0f, 28.0f})
        FillAndStroke(image, RoundedBox({16, y}, {9.5f, 2}, 1), Solid(Hex(0x7A4520)), 1.2f, kInk);
    return image;
}

RgbaImage CrossHair() {
    RgbaImage image(kSide, kSide);
    const Vec2 centre{15.5f, 15.5f};
    const std::array<std::array<Vec2, 2>, 4> arms = {{{{{15.5f, 1.5f}, {15.5f, 11.5f}}},
                                                      {{{15.5f, 19.5f}, {15.5f, 29.5f}}},
                                                      {{{1.5f, 15.5f}, {11.5f, 15.5f}}},
                                                      {{{19.5f, 15.5f}, {29.5f, 15.5f}}}}};
    // A white halo under black lines keeps the cross visible on any picture.
    for (const auto& arm : arms)
        FillShape(image, Capsule(arm[0], arm[1], 1.5f), Solid(kWhite));
    FillShape(image, Circle(centre, 1.5f), Solid(kWhite));
    for (const auto& arm : arms)
        FillShape(image, Capsule(arm[0], arm[1], 0.5f), Solid(kInk));
    FillShape(image, Circle(centre, 0.5f), Solid(kInk));
    return image;
}

Shape Hand() {
    Shape hand = Capsule({11, 4.6f}, {11, 17}, 2.6f);
    hand = Union(hand, RoundedBox({16, 21}, {7.5f, 6.5f}, 3));
    hand = Union(hand, Capsule({15.8f, 14.2f}, {15.8f, 17}, 2.4f));
    hand = Union(hand, Capsule({20.4f, 15}, {20.4f, 17.5f}, 2.3f));
    hand = Union(hand, Capsule({8.6f, 21}, {5, 15.5f}, 2.3f));
    return Union(hand, RoundedBox({16, 29.5f}, {6, 2.5f}, 0.5f));
}

RgbaImage PointingHand() {
    RgbaImage image(kSide, kSide);
    FillAndStroke(image, Hand(), Solid(kWhite), 1.2f, kInk);
    // Creases between the folded fingers.
    StrokeShape(image, Capsule({18.1f, 15.5f}, {18.1f, 18.5f}, 0), 0.9f, Solid(kInk));
    StrokeShape(image, Capsule({13.4f, 15.5f}, {13.4f, 18.5f}, 0), 0.9f, Solid(kInk));
    return image;
}

RgbaImage HandWithNoEntry() {
    RgbaImage image = PointingHand();
    const Vec2 centre{22.5f, 22.5f};
    const Shape sign =
        Union(Ring(centre, 6.5f, 1.5f), Capsule({18.2f, 26.8f}, {26.8f, 18.2f}, 1.4f));
    StrokeShape(image, sign, 2.2f, Solid(kWhite));
    FillShape(image, sign, Solid(Hex(0xD42020)));
    return image;
}

}  // namespace

std::vector<CursorPicture> MakeCursors() {
    std::vector<CursorPicture> cursors;
    cursors.push_back({"busy", Hourglass(), 16, 16});
    cursors.push_back({"capture", CrossHair(), 15, 15});
    cursors.push_back({"hint", PointingHand(), 11, 2});
    cursors.push_back({"no_hint", HandWithNoEntry(), 11, 2});
    return cursors;
}

}  // namespace tessary::assets
