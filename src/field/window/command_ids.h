#pragma once

namespace tessary {

/// The window's command identifiers: menu items, accelerators and the full-screen menu button.
enum CommandId : int {
    kCmdLoadPicture = 32771,
    kCmdCutPicture = 32772,
    kCmdSettings = 32773,
    kCmdCreateElements = 32774,
    kCmdShowPicture = 32775,
    kCmdToggleFullScreen = 32777,
    kCmdBackgroundMenu = 32779,
    kCmdControls = 32797,
    kCmdAbout = 32798,
    kCmdSaveGame = 32799,
    kCmdLoadGame = 32800,
    kCmdNewGame = 32801,
    kCmdPause = 32803,
    kCmdFullScreenMenu = 32805,
    kCmdHelp = 32806,
    kCmdFirstTexture = 32810,  // 32810..32819: the ten texture items
    kCmdLastTexture = 32819,
    kCmdSolidBackground = 32820,
    kCmdFirstTextureAlias = 32821,  // 32821..32830: handled as 32810..32819, sent by nothing
    kCmdLastTextureAlias = 32830,
    kCmdSaveSettings = 32840,
    kCmdRestoreSettings = 32841,
    kCmdCaptureField = 32843,
    kCmdCaptureRectangle = 32844,
    kCmdArrangeElements = 32845,
    kCmdShowAllElements = 32846,
    kCmdZoomIn = 32850,
    kCmdZoomOut = 32851,
    kCmdZoom100 = 32852,
    kCmdOverview = 32853,
    kCmdExtraOptions = 32854,
    kCmdCollectBorder = 32855,
    kCmdRestoreGame = 32857,
    kCmdSound = 32860,
    kCmdDrawCaptionFrames = 32796,
    kCmdExit = 57665,
    kCmdMenuButton = 2001,
};

/// Whether id is one of the texture commands (either range).
constexpr bool IsTextureCommand(int id) {
    return (id >= kCmdFirstTexture && id <= kCmdLastTexture) ||
           (id >= kCmdFirstTextureAlias && id <= kCmdLastTextureAlias);
}

/// The texture bitmap a texture command selects.
int TextureBitmapOfCommand(int id);

}  // namespace tessary
