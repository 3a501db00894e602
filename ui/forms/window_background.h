// The background of a form or picture box as its bag describes it ("BackColor",
// "pBackImage", "ShowImageType"), painted on WM_ERASEBKGND by the background painter.
// Also how a window holds the image object under "pBackImage".
#pragma once

#include <optional>

#include "ui/forms/background_painter.h"
#include "ui/framework/gdi/wrapper_core.h"
#include "ui/framework/object_core.h"
#include "ui/framework/window_base.h"

namespace marlivo::forms {

BackgroundSettings BackgroundSettingsOf(const ui::ObjectCore* core);
// 1 when it painted: the bag holds "BackColor" or "pBackImage", whatever their values.
int PaintWindowBackground(const ui::ObjectCore* core, HWND window, HDC eraseDc);

// "ShowImageType" and "BackColor" (stored as ARGB) of a form or picture box: without a
// value the one held; with one, that is stored and the window repainted, and the
// previous one comes back.
int ExchangeShowImageType(ui::qoWindowBase& window, std::optional<int> mode);
COLORREF ExchangeBackColor(ui::qoWindowBase& window, std::optional<COLORREF> colour);

// A reference on an image object's core: taken, given up (none is allowed).
void AddRefImage(gdi::WrapperCore* image);
void ReleaseImage(gdi::WrapperCore* image);
// Releases the image held under "pBackImage" and stores 0 there, when the key exists:
// the key stays, so that a later window of the object still paints its colour.
void ReleaseBackImage(ui::ObjectCore* core);
// Holds the image under "pBackImage" in place of the one held before.
void HoldBackImage(ui::ObjectCore* core, gdi::WrapperCore* image);

}  // namespace marlivo::forms
