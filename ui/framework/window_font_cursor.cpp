// qoWindowBase: the window's own cursor and font, exchanged with cursor and font objects.
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_base.h"

namespace marlivo::ui {
namespace {

// A window's device context for the length of one operation.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace

// The new copy is shown before the old one is destroyed, so that the cursor on the
// screen is never one that no longer exists.
HCURSOR qoWindowBase::SetCursor(const gdi::qoIcon& cursor) {
  ObjectCore* core = GetCore();
  if (core == nullptr) return nullptr;
  const HCURSOR owned = GetPropertyAs<HCURSOR>(core, keys::kCursor);
  const HCURSOR copy = ::CopyIcon(cursor.GetHandle());
  SetPropertyOf(core, keys::kCursor, copy);
  const HCURSOR previous = ::SetCursor(copy);
  if (owned != nullptr) ::DestroyCursor(owned);
  return previous;
}

gdi::qoIcon qoWindowBase::GetCursor() const {
  const HCURSOR owned = GetPropertyAs<HCURSOR>(GetCore(), keys::kCursor);
  return gdi::qoIcon(owned != nullptr ? ::CopyIcon(owned) : nullptr);
}

// The GDI font's height follows the window's own context: its resolution and the font
// object's unit. The window switches to the new font before the old one is deleted.
void qoWindowBase::SetFont(const gdi::qoFont& font) {
  ObjectCore* core = GetCore();
  if (core == nullptr) return;
  const HFONT owned = GetPropertyAs<HFONT>(core, keys::kFont);
  HFONT made = nullptr;
  {
    const WindowDc dc(GetHwnd());
    const gdi::qoGraphics graphics(dc.get());
    made = font.ToHFONT(&graphics);
  }
  SetPropertyOf(core, keys::kFont, made);
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
  if (owned != nullptr) ::DeleteObject(owned);
}

gdi::qoFont qoWindowBase::GetFont() const {
  const auto current = reinterpret_cast<HFONT>(::SendMessageW(GetHwnd(), WM_GETFONT, 0, 0));
  const WindowDc dc(GetHwnd());
  gdi::qoFont font;
  if (current != nullptr) {
    font.CreateFromHFONT(dc.get(), current);
  } else {
    font.CreateDefault(dc.get());
  }
  return font;
}

}  // namespace marlivo::ui
