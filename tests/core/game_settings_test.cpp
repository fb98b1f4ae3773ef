#include "core/game_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tessary {
namespace {

TEST(GameSettingsTest, ResetToDefaultsLeavesTheWindowGroupAlone) {
    GameSettings settings;
    settings.enable3DElements = 0;
    settings.scrollWheel = 1;
    settings.elementSize = 128;
    settings.mosaic = 1;
    settings.textureBackground = 0;
    settings.backgroundBitmapId = 366;
    settings.backgroundColor = 0x123456;
    settings.fullScreen = 1;

    ResetToDefaults(settings);

    EXPECT_EQ(static_cast<PlaySettings&>(settings), PlaySettings{});
    EXPECT_EQ(static_cast<CutSettings&>(settings), CutSettings{});
    EXPECT_EQ(settings.textureBackground, 0);
    EXPECT_EQ(settings.backgroundBitmapId, 366);
    EXPECT_EQ(settings.backgroundColor, 0x123456);
    EXPECT_EQ(settings.fullScreen, 1);
}

TEST(GameSettingsTest, TextureIdentifiersAreTheTenBuiltInOnes) {
    for (int32_t id = 350; id < 370; ++id) {
        const bool isTexture = (id >= 356 && id <= 363) || id == 366 || id == 367;
        EXPECT_EQ(IsBackgroundTextureId(id), isTexture) << id;
    }
}

TEST(GameSettingsTest, RepairKeepsValuesInRange) {
    GameSettings settings;
    settings.contourThickness = 5;
    settings.captureRange = 16;
    settings.mouseScrollArea = 5;
    settings.mouseScrollSpeed = 10;
    settings.keyboardScrollSpeed = 0;
    settings.elementSize = 320;
    settings.backgroundBitmapId = 367;
    settings.contourColor3D = 0xFFFFFF;
    const GameSettings before = settings;

    RepairSettings(settings);

    EXPECT_EQ(settings, before);
}

struct RepairRow {
    const char* name;
    int32_t GameSettings::*field;
    int32_t value;
    int32_t expected;
    int32_t enable3DElements = 1;
};

class RepairTest : public testing::TestWithParam<RepairRow> {};

TEST_P(RepairTest, BringsTheFieldIntoRange) {
    const RepairRow& row = GetParam();
    GameSettings settings;
    settings.enable3DElements = row.enable3DElements;
    settings.*row.field = row.value;

    RepairSettings(settings);

    EXPECT_EQ(settings.*row.field, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RepairTest,
    testing::Values(
        RepairRow{"thickness0With3DOnBecomes1", &GameSettings::contourThickness, 0, 1},
        RepairRow{"thickness0With3DOffStays", &GameSettings::contourThickness, 0, 0, 0},
        RepairRow{"thickness3With3DOffStays", &GameSettings::contourThickness, 3, 3, 0},
        RepairRow{"negativeThicknessWith3DOffBecomes0", &GameSettings::contourThickness, -4, 0, 0},
        RepairRow{"thickness9Becomes5", &GameSettings::contourThickness, 9, 5},
        RepairRow{"thicknessWith3DFlag2ReadsAs3DOn", &GameSettings::contourThickness, 0, 1, 2},
        RepairRow{"captureRange0Becomes1", &GameSettings::captureRange, 0, 1},
        RepairRow{"captureRange17Becomes16", &GameSettings::captureRange, 17, 16},
        RepairRow{"scrollArea4Becomes5", &GameSettings::mouseScrollArea, 4, 5},
        RepairRow{"scrollArea51Becomes50", &GameSettings::mouseScrollArea, 51, 50},
        RepairRow{"scrollSpeed0Becomes1", &GameSettings::mouseScrollSpeed, 0, 1},
        RepairRow{"scrollSpeed11Becomes10", &GameSettings::mouseScrollSpeed, 11, 10},
        RepairRow{"negativeKeyboardSpeedBecomes0", &GameSettings::keyboardScrollSpeed, -1, 0},
        RepairRow{"largeKeyboardSpeedStays", &GameSettings::keyboardScrollSpeed, 100000, 100000},
        RepairRow{"flag2Becomes1", &GameSettings::mosaic, 2, 1},
        RepairRow{"negativeFlagBecomes1", &GameSettings::fullScreen, -1, 1},
        RepairRow{"flag0Stays", &GameSettings::exactAssembling, 0, 0},
        RepairRow{"colourLosesHighByte", &GameSettings::backgroundColor,
                  static_cast<int32_t>(0xFF123456u), 0x123456},
        RepairRow{"contourColourLosesHighByte", &GameSettings::contourColor3D, -1, 0xFFFFFF},
        RepairRow{"elementSize0FallsBackTo64", &GameSettings::elementSize, 0, 64},
        RepairRow{"elementSize50FallsBackTo64", &GameSettings::elementSize, 50, 64},
        RepairRow{"elementSize112Stays", &GameSettings::elementSize, 112, 112},
        RepairRow{"textureGap364FallsBackTo358", &GameSettings::backgroundBitmapId, 364, 358},
        RepairRow{"texture0FallsBackTo358", &GameSettings::backgroundBitmapId, 0, 358},
        RepairRow{"texture356Stays", &GameSettings::backgroundBitmapId, 356, 356}),
    [](const testing::TestParamInfo<RepairRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
