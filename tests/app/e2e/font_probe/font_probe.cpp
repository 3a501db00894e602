// The font probe: a library that the driver loads into the running program to read the
// fonts of its controls. A control's font is a GDI handle of the program's process, and
// Wine passes neither WM_GETFONT nor the font itself to another process, so the two
// calls that tell which font a control draws with (WM_GETFONT, then GetObjectW) run in
// the program itself, on a thread of the probe's own. The program is not changed: its
// window thread answers WM_GETFONT as it answers every other message.
#include <windows.h>

#include "tests/app/e2e/font_probe/font_probe_block.h"

extern "C" __declspec(dllexport) DWORD WINAPI ReadWindowFonts(void* parameter) {
  auto* block = static_cast<marlivo::e2e::FontProbeBlock*>(parameter);
  if (!block || block->count > marlivo::e2e::kFontProbeMaxWindows) return 1;
  for (std::uint32_t i = 0; i < block->count; ++i) {
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(block->windows[i]));
    DWORD_PTR font = 0;
    block->answered[i] =
        SendMessageTimeoutW(window, WM_GETFONT, 0, 0, SMTO_NORMAL, 30000, &font) != 0;
    block->has_font[i] =
        font && GetObjectW(reinterpret_cast<HFONT>(font), sizeof(LOGFONTW), &block->fonts[i]) ==
                    static_cast<int>(sizeof(LOGFONTW));
  }
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
