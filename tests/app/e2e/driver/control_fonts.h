// The fonts that the program's controls draw their captions with.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace marlivo::e2e {

// The LOGFONTW of each window's font, in order; nothing for a window without a font of
// its own (WM_GETFONT answered 0). Empty with `problem` set when the program could not
// be asked. The windows belong to `process`, which must allow thread creation and memory
// access (the driver started it).
std::vector<std::optional<LOGFONTW>> ReadControlFonts(HANDLE process,
                                                      const std::vector<HWND>& windows,
                                                      std::string* problem);

}  // namespace marlivo::e2e
