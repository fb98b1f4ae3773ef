#pragma once

#include <array>

namespace tessary {

/// The topics the program opens its help at. Each number is the name of an anchor in the help
/// document (resources/help/tessary.html); every topic the program asks for is listed here and
/// in kHelpTopics, so that a test can check the document has them all.
enum class HelpTopic : int {
    Contents = 256,  // F1 in the main window and in dialogs without topics of their own

    // The picture open dialog.
    OpenPreviewCheck = 8192,
    OpenInformation = 8193,
    OpenPreviewBox = 8194,

    // The settings dialog.
    Param3DElements = 12288,
    ParamThickness = 12289,
    ParamColour = 12290,
    ParamCaptureRange = 12291,
    ParamExactAssembling = 12292,
    ParamMouseScroll = 12293,
    ParamScrollArea = 12294,
    ParamScrollSpeed = 12295,
    ParamKeyboardSpeed = 12296,
    ParamShowTimer = 12297,
    ParamWheelRotate = 12304,
    ParamWheelScroll = 12305,

    // The cut dialog.
    CutWidth = 20480,
    CutHeight = 20481,
    CutKeepRatio = 20482,
    CutElementSize = 20483,
    CutColumns = 20484,
    CutRows = 20485,
    CutResultWidth = 20486,
    CutResultHeight = 20487,
    CutRotate = 20488,
    CutOffset = 20489,
    CutMosaic = 20490,
    CutSquareBase = 20491,
    CutWidthLabel = 20492,
    CutHeightLabel = 20493,
    CutSample = 20494,

    // The extra options dialog: one topic for the whole dialog.
    ExtraOptions = 24576,

    // The dialog of the interrupted games: one topic for the whole dialog.
    RestoreGame = 28672,

    // The OK and "Отмена" buttons of the settings and cut dialogs.
    OkButton = 40960,
    CancelButton = 40961,
};

/// Every topic of HelpTopic.
inline constexpr std::array kHelpTopics = {
    HelpTopic::Contents,
    HelpTopic::OpenPreviewCheck,
    HelpTopic::OpenInformation,
    HelpTopic::OpenPreviewBox,
    HelpTopic::Param3DElements,
    HelpTopic::ParamThickness,
    HelpTopic::ParamColour,
    HelpTopic::ParamCaptureRange,
    HelpTopic::ParamExactAssembling,
    HelpTopic::ParamMouseScroll,
    HelpTopic::ParamScrollArea,
    HelpTopic::ParamScrollSpeed,
    HelpTopic::ParamKeyboardSpeed,
    HelpTopic::ParamShowTimer,
    HelpTopic::ParamWheelRotate,
    HelpTopic::ParamWheelScroll,
    HelpTopic::CutWidth,
    HelpTopic::CutHeight,
    HelpTopic::CutKeepRatio,
    HelpTopic::CutElementSize,
    HelpTopic::CutColumns,
    HelpTopic::CutRows,
    HelpTopic::CutResultWidth,
    HelpTopic::CutResultHeight,
    HelpTopic::CutRotate,
    HelpTopic::CutOffset,
    HelpTopic::CutMosaic,
    HelpTopic::CutSquareBase,
    HelpTopic::CutWidthLabel,
    HelpTopic::CutHeightLabel,
    HelpTopic::CutSample,
    HelpTopic::ExtraOptions,
    HelpTopic::RestoreGame,
    HelpTopic::OkButton,
    HelpTopic::CancelButton,
};

/// The topic's number: the anchor the help document names it by.
constexpr int HelpTopicNumber(HelpTopic topic) {
    return static_cast<int>(topic);
}

}  // namespace tessary
