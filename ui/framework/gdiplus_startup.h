// Starting GDI+ for the process (its flat API's GdiplusStartup).
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::ui {

// GdiplusStartup with version 1, no debug callback, the background thread and the
// external codecs not suppressed; the token, 0 when GDI+ did not start.
ULONG_PTR StartGdiplus();

}  // namespace marlivo::ui
