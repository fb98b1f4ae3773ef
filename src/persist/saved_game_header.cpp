#include "persist/saved_game_header.h"

#include "core/cutting_plan.h"
#include "core/game_settings.h"

namespace tessary {

namespace {

// What a header value is of the game it was written from, and what loading does with it.
enum class HeaderRole {
    Setting,      // a setting, restored as stored
    WindowMode,   // a setting that is stored but never restored
    Knobbed,      // the setting squareBase inverted: 1 when it is 0, 0 when it is 1
    Grid,         // a value of the plan, restored into the plan (and into the setting if any)
    FieldWidth,   // the field's size when saved; the rebuild takes it as a lower bound
    FieldHeight,  // likewise its height
    Reserved,     // written 0, ignored when read
};

struct HeaderField {
    std::int32_t SavedGameHeader::*value;
    HeaderRole role;
    std::int32_t GameSettings::*setting = nullptr;
    std::int32_t CuttingPlan::*plan = nullptr;
};

using H = SavedGameHeader;
using S = GameSettings;
using P = CuttingPlan;

// The header's 32-bit values in file order; the elapsed seconds take the last two places.
constexpr std::array<HeaderField, kHeaderValueCount - 2> kFields = {{
    {&H::rows, HeaderRole::Grid, nullptr, &P::rows},
    {&H::columns, HeaderRole::Grid, nullptr, &P::columns},
    {&H::backgroundColor, HeaderRole::Setting, &S::backgroundColor},
    {&H::contourColor3D, HeaderRole::Setting, &S::contourColor3D},
    {&H::elementSize, HeaderRole::Grid, &S::elementSize, &P::elementSize},
    {&H::captureRange, HeaderRole::Setting, &S::captureRange},
    {&H::contourThickness, HeaderRole::Setting, &S::contourThickness},
    {&H::mouseScrollArea, HeaderRole::Setting, &S::mouseScrollArea},
    {&H::mouseScrollSpeed, HeaderRole::Setting, &S::mouseScrollSpeed},
    {&H::keyboardScrollSpeed, HeaderRole::Setting, &S::keyboardScrollSpeed},
    {&H::enable3DElements, HeaderRole::Setting, &S::enable3DElements},
    {&H::enableMouseScroll, HeaderRole::Setting, &S::enableMouseScroll},
    {&H::showTimer, HeaderRole::Setting, &S::showTimer},
    {&H::knobbed, HeaderRole::Knobbed, &S::squareBase},
    {&H::enableOffset, HeaderRole::Setting, &S::enableOffset},
    {&H::rotateElements, HeaderRole::Setting, &S::rotateElements},
    {&H::mosaic, HeaderRole::Setting, &S::mosaic},
    {&H::exactAssembling, HeaderRole::Setting, &S::exactAssembling},
    {&H::fieldWidth, HeaderRole::FieldWidth},
    {&H::fieldHeight, HeaderRole::FieldHeight},
    {&H::textureBackground, HeaderRole::Setting, &S::textureBackground},
    {&H::fullScreen, HeaderRole::WindowMode, &S::fullScreen},
    {&H::backgroundBitmapId, HeaderRole::Setting, &S::backgroundBitmapId},
    {&H::reserved, HeaderRole::Reserved},
}};

}  // namespace

std::array<std::int32_t, kHeaderValueCount> SavedGameHeader::values() const {
    std::array<std::int32_t, kHeaderValueCount> values{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        values[i] = this->*kFields[i].value;
    }
    const auto elapsed = static_cast<std::uint64_t>(elapsedSeconds);
    values[24] = static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed));
    values[25] = static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed >> 32));
    return values;
}

SavedGameHeader SavedGameHeader::FromValues(
    const std::array<std::int32_t, kHeaderValueCount>& values) {
    SavedGameHeader header;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        header.*kFields[i].value = values[i];
    }
    const std::uint64_t elapsed = static_cast<std::uint32_t>(values[24]) |
                                  std::uint64_t{static_cast<std::uint32_t>(values[25])} << 32;
    header.elapsedSeconds = static_cast<std::int64_t>(elapsed);
    return header;
}

SavedGameHeader MakeSavedGameHeader(const CuttingPlan& plan, const GameSettings& settings,
                                    Point fieldSize, std::int64_t elapsedSeconds) {
    SavedGameHeader header;
    for (const HeaderField& field : kFields) {
        std::int32_t& value = header.*field.value;
        switch (field.role) {
            case HeaderRole::Setting:
            case HeaderRole::WindowMode:
                value = settings.*field.setting;
                break;
            case HeaderRole::Knobbed:
                value = settings.*field.setting != 0 ? 0 : 1;
                break;
            case HeaderRole::Grid:
                value = plan.*field.plan;
                break;
            case HeaderRole::FieldWidth:
                value = fieldSize.x;
                break;
            case HeaderRole::FieldHeight:
                value = fieldSize.y;
                break;
            case HeaderRole::Reserved:
                value = 0;
                break;
        }
    }
    header.elapsedSeconds = elapsedSeconds;
    return header;
}

void RestoreSavedGameSettings(const SavedGameHeader& header, CuttingPlan& plan,
                              GameSettings& settings) {
    for (const HeaderField& field : kFields) {
        const std::int32_t value = header.*field.value;
        switch (field.role) {
            case HeaderRole::Grid:
                plan.*field.plan = value;
                if (field.setting != nullptr) {
                    settings.*field.setting = value;
                }
                break;
            case HeaderRole::Setting:
                settings.*field.setting = value;
                break;
            case HeaderRole::Knobbed:
                settings.*field.setting = value != 0 ? 0 : 1;
                break;
            case HeaderRole::WindowMode:
            case HeaderRole::FieldWidth:
            case HeaderRole::FieldHeight:
            case HeaderRole::Reserved:
                break;
        }
    }
    plan.pictureWidth = header.columns * header.elementSize;
    plan.pictureHeight = header.rows * header.elementSize;
    RepairSettings(settings);
}

}  // namespace tessary
