// The two translations from a border kind to style bits.
#include "ui/framework/borders.h"

namespace marlivo::ui {

void ApplyWindowBorderKind(int kind, DWORD& style, DWORD& exStyle) {
  style &= ~static_cast<DWORD>(WS_POPUP | WS_SYSMENU | WS_CAPTION | WS_BORDER | WS_DLGFRAME |
                               WS_THICKFRAME);
  exStyle &= ~static_cast<DWORD>(WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW);
  if (kind == 0) {
    style |= WS_POPUP;
    return;
  }
  const bool sizable = kind == 1 || kind == 3 || kind == 5;
  style |= WS_SYSMENU | WS_CAPTION | WS_BORDER | WS_DLGFRAME;
  if (sizable) style |= WS_THICKFRAME;
  exStyle |= WS_EX_WINDOWEDGE;
  if (kind == 3 || kind == 4) exStyle |= WS_EX_TOOLWINDOW;
  if (kind == 5 || kind == 6) exStyle |= WS_EX_CLIENTEDGE;
}

void ApplyControlBorderKind(int kind, DWORD& style, DWORD& exStyle) {
  style &= ~static_cast<DWORD>(WS_BORDER);
  exStyle &= ~static_cast<DWORD>(WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
  switch (kind) {
    case 1: exStyle |= WS_EX_CLIENTEDGE; break;
    case 2: exStyle |= WS_EX_WINDOWEDGE; break;
    case 3: exStyle |= WS_EX_STATICEDGE; break;
    case 4: exStyle |= WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE; break;
    case 5: style |= WS_BORDER; break;
    default: break;
  }
}

void RefreshFrame(HWND window) {
  ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace marlivo::ui
