// The background painter: forms and picture boxes answer WM_ERASEBKGND with it. It
// paints the whole client area off-screen, a colour and over it an image in one of four
// display modes, and copies the result onto the erase DC with one BitBlt, so a repaint
// never flickers, even while an animated image changes its frame.
//
// The caller reads the three bag keys of the window being painted ("BackColor",
// "pBackImage", "ShowImageType") into BackgroundSettings; presence counts for the first
// two, whatever the value.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/framework/gdi/wrapper_core.h"

namespace marlivo::forms {

// "ShowImageType" values. Any other value draws no image.
inline constexpr int kShowImageTile = 0;     // repeated from the top-left corner
inline constexpr int kShowImageNatural = 1;  // own size at the top-left corner
inline constexpr int kShowImageStretch = 2;  // stretched over the client area
inline constexpr int kShowImageFit = 3;      // fitted keeping its aspect ratio, centred

struct BackgroundSettings {
  bool hasBackColor = false;       // "BackColor" is in the bag
  std::uint32_t backColor = 0;     // its ARGB value; 0 means the system face colour
  bool hasBackImage = false;       // "pBackImage" is in the bag
  gdi::WrapperCore* backImage = nullptr;  // its value: an image object's core, or none
  std::intptr_t showImageType = kShowImageTile;  // "ShowImageType"
};

// 1 when it painted; 0, touching nothing, when neither "BackColor" nor "pBackImage" is
// in the bag (WM_ERASEBKGND then goes on to the class background).
int PaintBackground(const BackgroundSettings& settings, HWND window, HDC eraseDc);

// Where mode 3 draws an image of imageWidth x imageHeight in an area of width x height
// at (0, 0): as wide or as high as the area, centred the other way. The whole area when
// the aspect ratios agree, or when the image has no size.
RECT FitRectangle(int imageWidth, int imageHeight, int width, int height);

// The colour conventions of "BackColor": a COLORREF 0x00BBGGRR is kept as ARGB with
// alpha 255; reading it back drops the alpha.
std::uint32_t ColorRefToArgb(COLORREF colour);
COLORREF ArgbToColorRef(std::uint32_t argb);
// COLOR_BTNFACE as opaque ARGB: what a "BackColor" of 0 paints.
std::uint32_t FaceColourArgb();

}  // namespace marlivo::forms
