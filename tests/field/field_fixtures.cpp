#include "field_fixtures.h"

#include <algorithm>
#include <stdexcept>

#include "core/cutting_plan.h"
#include "core/field_region.h"
#include "core/game_random.h"
#include "core/knob_tables.h"
#include "field/dragging.h"
#include "field/region_blit.h"
#include "field/render_element_image.h"
#include "field/rotation.h"
#include "field/viewport.h"
#include "test_pictures.h"

namespace tessary {

std::uint32_t PicturePixel(int x, int y) {
    const std::uint32_t blue = 0x80 | (x >> 8 & 7) << 3 | (y >> 8 & 7);
    return static_cast<std::uint32_t>(x & 0xFF) << 16 | static_cast<std::uint32_t>(y & 0xFF) << 8 |
           blue;
}

PictureBuffer MakeTestPicture(int width, int height) {
    return testing::MakeFilledPicture(width, height, PicturePixel);
}

namespace {

Bitmap32 MakeTexture() {
    Bitmap32 texture(7, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x)
            texture.setPixel(x, y,
                             static_cast<std::uint32_t>(0x10 * x << 16 | 0x10 * y << 8 | 0x40));
    }
    return texture;
}

}  // namespace

TestGame::TestGame(const TestGameOptions& options, int spacing) {
    ResetToDefaults(settings);
    settings.enable3DElements = options.is3D ? 1 : 0;
    settings.contourThickness = options.is3D ? 3 : 0;
    settings.contourColor3D = static_cast<std::int32_t>(kContourColourRef);
    settings.exactAssembling = options.isExact ? 1 : 0;
    settings.textureBackground = options.isTextured ? 1 : 0;
    CuttingPlan plan;
    plan.elementSize = 64;
    plan.columns = options.columns;
    plan.rows = options.rows;
    if (!DerivePlan(plan, settings))
        throw std::invalid_argument("no plan");
    picture = MakeTestPicture(plan.columns * 64, plan.rows * 64);
    if (!BuildRotatedPictures(picture, turned))
        throw std::runtime_error("no turned pictures");

    set_ = std::make_unique<ElementSet>(plan, OutlineGeometry::From(plan, settings),
                                        AssemblyOptions::From(settings));
    field_ = std::make_unique<Field>(settings, platform);
    Field& f = *field_;
    f.viewport.screenWidth = 1024;
    f.viewport.screenHeight = 768;
    f.viewport.clientRect = {0, 0, 800, 600};
    SetFieldSize(f, 1200, 900);
    f.picture = &picture;
    platform.watchCursor(f.cursor, kCursorTime);
    f.background.isTextured = options.isTextured;
    f.background.texture = MakeTexture();
    f.background.colour = kBackgroundPixel;
    f.elements = set_.get();

    GameRandom random;
    const KnobTables tables =
        GenerateKnobTables(plan.rows, plan.columns, true, false, random, [] { return 7u; });
    for (int i = 0; i < set_->elementCount(); ++i) {
        const ElementEdges edges = AssignEdgeTables(tables, i);
        set_->element(i).knobs = edges.knobs;
        set_->element(i).knobShifts = edges.knobShifts;
        ReorientElement(f, i, 0);
        set_->placeElement(i,
                           {20 + spacing * (i % plan.columns), 20 + spacing * (i / plan.columns)});
        BuildFieldRegion(*set_, i);
    }
    painter_ = std::make_unique<FieldPainter>(f);
    set_->setPainter(painter_.get());
    RedrawField(f, {.clear = true});
    platform.clearRecords();
}

Point TestGame::core(int index) const {
    const Rect& base = set_->baseRects()[index];
    return {base.left, base.top};
}

Point TestGame::centre(int index) const {
    const Point c = core(index);
    return {c.x + g().S / 2, c.y + g().S / 2};
}

void TestGame::pointAt(Point fieldPoint) {
    platform.pointer = field_->viewport.toClient(fieldPoint);
}

void TestGame::pick(Point fieldPoint, int keyState) {
    pointAt(fieldPoint);
    PickElement(*field_, keyState);
}

JoinReaction TestGame::dragTo(Point fieldPoint, int keyState) {
    pointAt(fieldPoint);
    const JoinReaction reaction = DragStep(*field_, keyState, platform.pointer, isMarkedComplete);
    if (reaction == JoinReaction::CompletedNow) {
        isMarkedComplete = true;
        ++completions;
    }
    return reaction;
}

JoinReaction TestGame::dropBeside(int g, int o, Side sideOfO, Point offset) {
    const int S = this->g().S;
    Point target = core(o);
    switch (sideOfO) {
        case kTop:
            target.y -= S;
            break;
        case kRight:
            target.x += S;
            break;
        case kBottom:
            target.y += S;
            break;
        case kLeft:
            target.x -= S;
            break;
    }
    const Point from = centre(g), corner = core(g);
    pick(from, 1);
    const JoinReaction reaction =
        dragTo({from.x + target.x + offset.x - corner.x, from.y + target.y + offset.y - corner.y});
    if (field_->heldElement >= 0)
        ReleaseElement(*field_);
    return reaction;
}

Bitmap32 TestGame::redrawnFromScratch(const std::vector<int>& leftOut) {
    Bitmap32 out(field_->fieldPicture.width(), field_->fieldPicture.height());
    FillWithBackground(out, field_->background);
    const std::span<const int> zOrder = set_->zOrder();
    for (std::size_t k = zOrder.size(); k-- > 0;) {
        if (std::find(leftOut.begin(), leftOut.end(), zOrder[k]) != leftOut.end())
            continue;
        const Element& e = set_->element(zOrder[k]);
        CopyThroughRegion(out, RenderElementImage(e, *set_, picture, kContourPixel),
                          {e.fieldRect.left, e.fieldRect.top}, set_->fieldRegions()[zOrder[k]]);
    }
    return out;
}

std::vector<Point> DifferingPixels(const Bitmap32& a, const Bitmap32& b) {
    std::vector<Point> points;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                points.push_back({x, y});
        }
    }
    return points;
}

}  // namespace tessary
