// Where the main window's controls sit, in pixels of its client area, and the window's
// own title, position and size as the program asks for them.
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::app {

inline constexpr char kMainWindowTitle[] = "Marlivo - @Ulvaro";
// Never seen: the form centres the window on the work area, then the creation routine
// centres it on the screen.
inline constexpr POINT kMainWindowPosition = {745, 300};
inline constexpr SIZE kMainWindowSize = {430, 480};
// WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX: a fixed
// size that can be minimised, never maximised; shown by the message loop.
inline constexpr DWORD kMainWindowStyle = 0x06CA0000;
inline constexpr DWORD kMainWindowExStyle = WS_EX_WINDOWEDGE;
// WindowState 3: centre the window now.
inline constexpr int kCentreWindow = 3;

struct Placement {
  int x, y, width, height;
  SIZE size() const { return {width, height}; }
};

// In creation order, which is also the z-order.
inline constexpr Placement kStartButtonPlace = {62, 370, 300, 48};
inline constexpr Placement kMaterialFolderEditPlace = {62, 109, 300, 24};
inline constexpr Placement kDicFileEditPlace = {62, 173, 300, 24};
inline constexpr Placement kMaterialFolderLabelPlace = {62, 77, 136, 32};
inline constexpr Placement kDicFileLabelPlace = {62, 141, 136, 32};
inline constexpr Placement kStatusLabelPlace = {63, 306, 298, 32};
inline constexpr Placement kFromFilenameRadioPlace = {62, 278, 120, 24};
inline constexpr Placement kFromPropertiesRadioPlace = {242, 278, 120, 24};
inline constexpr Placement kMaterialNameCheckPlace = {62, 245, 120, 24};
inline constexpr Placement kFolderNameCheckPlace = {62, 213, 120, 24};
// The two "Double Lang" boxes share their caption; their rows tell them apart.
inline constexpr Placement kMaterialDoubleLangCheckPlace = {242, 245, 100, 24};
inline constexpr Placement kFolderDoubleLangCheckPlace = {242, 214, 100, 23};
inline constexpr Placement kInvertCheckPlace = {307, 145, 55, 24};
inline constexpr Placement kProgressBarPlace = {62, 340, 300, 16};
inline constexpr Placement kBannerPicturePlace = {2, 2, 420, 60};

// Styles passed to the controls' creation; the control base adds WS_CHILD, WS_VISIBLE
// and WS_CLIPSIBLINGS, and each class its own bits. No control is a tab stop.
// BS_MULTILINE | BS_VCENTER | BS_CENTER, a push button.
inline constexpr DWORD kStartButtonStyle = 0x54002F00;
// ES_AUTOHSCROLL, first with a client edge that the border kind below takes away.
inline constexpr DWORD kFieldStyle = 0x54000080;
inline constexpr DWORD kFieldExStyle = WS_EX_CLIENTEDGE;
// The whole extended style of a field once made: it takes dropped files.
inline constexpr DWORD kFieldDropExStyle = WS_EX_ACCEPTFILES;
// Border kind 5: a plain one-pixel border.
inline constexpr int kFieldBorder = 5;
// SS_CENTERIMAGE; the label class adds SS_NOTIFY.
inline constexpr DWORD kLabelStyle = 0x54000200;
// The radio class adds BS_RADIOBUTTON to nothing else.
inline constexpr DWORD kRadioStyle = 0;
// BS_MULTILINE | BS_VCENTER | BS_LEFT | BS_AUTOCHECKBOX.
inline constexpr DWORD kCheckStyle = 0x54002D03;
inline constexpr DWORD kBannerStyle = 0x54000000;

inline constexpr int kProgressMinimum = 0;
inline constexpr int kProgressMaximum = 100;

// Both fonts: 微软雅黑 (GBK), 12 in the font class's default unit (world units).
inline constexpr char kFontFamily[] = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";
inline constexpr float kFontSize = 12.0f;

// The program's icon group resource.
inline constexpr int kIconResource = 129;

}  // namespace marlivo::app
