// Border kinds (the bag key "Border") turned into window style bits: the window variant
// for forms, dialogs and MDI children, the control variant for controls.
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::ui {

// Clears every frame bit, then: 0 popup without frame; 1 sizable caption frame; 2 fixed
// caption frame (also every unlisted kind); 3 and 4 as 1 and 2 as tool windows; 5 and 6
// as 1 and 2 with a client edge. Every kind but 0 has the window edge.
void ApplyWindowBorderKind(int kind, DWORD& style, DWORD& exStyle);

// Clears WS_BORDER and the three edges, then: 1 client edge; 2 window edge; 3 static
// edge; 4 client and window edge; 5 WS_BORDER; any other kind nothing.
void ApplyControlBorderKind(int kind, DWORD& style, DWORD& exStyle);

// SetWindowPos with SWP_FRAMECHANGED and nothing else changed: the system recomputes
// and redraws the frame after a style change.
void RefreshFrame(HWND window);

// Lets `apply` change a live window's style bits (style, extended style), writes them
// back and has the frame redrawn.
template <typename Apply>
void RestyleFrame(HWND window, Apply&& apply) {
  DWORD style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
  DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
  apply(style, exStyle);
  ::SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
  ::SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  RefreshFrame(window);
}

}  // namespace marlivo::ui
