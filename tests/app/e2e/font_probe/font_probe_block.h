// The request and answer block that the driver and the font probe share: the driver
// writes the windows into the program's memory, the probe fills in their fonts there.
#pragma once

#include <windows.h>

#include <cstdint>

namespace marlivo::e2e {

inline constexpr int kFontProbeMaxWindows = 32;

struct FontProbeBlock {
  std::uint32_t count;                          // windows asked about
  std::uint64_t windows[kFontProbeMaxWindows];  // HWND values
  std::int32_t answered[kFontProbeMaxWindows];  // 1 when WM_GETFONT was answered
  std::int32_t has_font[kFontProbeMaxWindows];  // 1 when GetObjectW read a font
  LOGFONTW fonts[kFontProbeMaxWindows];
};

// The probe's entry, run on a thread of its own inside the program.
inline constexpr char kFontProbeEntry[] = "ReadWindowFonts";
inline constexpr wchar_t kFontProbeLibrary[] = L"marlivo_font_probe.dll";

}  // namespace marlivo::e2e
