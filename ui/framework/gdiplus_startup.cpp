// GDI+ start-up. GDI+ is never shut down: images and fonts live until the process ends.
#include "ui/framework/gdiplus_startup.h"

#include <objidl.h>
#include <gdiplus.h>

namespace marlivo::ui {

ULONG_PTR StartGdiplus() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 0;
  return token;
}

}  // namespace marlivo::ui
