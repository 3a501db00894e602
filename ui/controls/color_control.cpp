// qoColorControl: the colour level. A control's colours are answered through its
// parent's WM_CTLCOLOR... messages, which the parent's base hook passes on to the
// control's core; "OnClick" is raised the same way from the parent's BN_CLICKED.
#include <cstdint>

#include "ui/controls/control.h"
#include "ui/controls/control_hooks.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

// The brush that paints a background colour; the stock NULL_BRUSH for a transparent one
// (deleting a stock object is harmless, so every brush is deleted the same way).
HBRUSH MakeBackBrush(COLORREF colour) {
  if (colour == kTransparentColor) return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
  return ::CreateSolidBrush(colour);
}

COLORREF StoredColour(const ObjectCore* core, const char* key) {
  return static_cast<COLORREF>(GetProperty(core, key));
}

// A colour as the bag keeps it: a 32-bit value, so the transparent colour reads back -1.
std::intptr_t AsBagValue(COLORREF colour) {
  return static_cast<std::intptr_t>(static_cast<std::int32_t>(colour));
}

bool IsColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

void InstallColorLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = ColorMessageHook;
  core->hooks->ReflectHook = ColorReflectHook;
  core->hooks->CleanupHook = ColorCleanup;
}

void DeleteBackBrush(ObjectCore* core) {
  if (const HBRUSH brush = GetPropertyAs<HBRUSH>(core, keys::kBackBrush)) {
    ::DeleteObject(brush);
    SetProperty(core, keys::kBackBrush, 0);
  }
}

LRESULT ColorMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled) {
  if (message == WM_NCDESTROY) DeleteBackBrush(core);
  return ControlMessageHook(core, window, message, wParam, lParam, handled);
}

LRESULT ColorReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (auto handler = GetPropertyAs<ClickHandler>(core, events::kClick)) {
      handler(reinterpret_cast<HWND>(lParam), static_cast<short>(LOWORD(wParam)));
      *handled = 1;
      return 0;
    }
  } else if (IsColourMessage(message)) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, StoredColour(core, keys::kTextColor));
    // Until a colour was set there is no brush, and the system's colours apply.
    if (const HBRUSH brush = GetPropertyAs<HBRUSH>(core, keys::kBackBrush)) {
      const COLORREF back = StoredColour(core, keys::kBackColor);
      if (back == kTransparentColor) {
        ::SetBkMode(dc, TRANSPARENT);
      } else {
        ::SetBkColor(dc, back);
      }
      *handled = 1;
      return reinterpret_cast<LRESULT>(brush);
    }
  }
  return ControlReflectHook(core, window, message, wParam, lParam, handled);
}

void ColorCleanup(ObjectCore* core) {
  DeleteBackBrush(core);
  ControlCleanup(core);
}

qoColorControl::qoColorControl() {
  InstallColorLevel(GetCore());
  qoColorControl::InitColors();
}

std::unique_ptr<qoWindowBase> qoColorControl::Copy() const {
  return std::make_unique<qoColorControl>(*this);
}

void qoColorControl::InitColors() {
  SetProperty(keys::kBackColor, AsBagValue(::GetSysColor(COLOR_BTNFACE)));
  SetProperty(keys::kTextColor, 0);
}

std::intptr_t qoColorControl::TextColor(std::optional<COLORREF> colour) {
  if (!colour.has_value()) return GetProperty(keys::kTextColor);
  const int stored = SetProperty(keys::kTextColor, AsBagValue(*colour));
  if (GetProperty(keys::kBackBrush) == 0) {
    SetPropertyOf(GetCore(), keys::kBackBrush,
                  MakeBackBrush(StoredColour(GetCore(), keys::kBackColor)));
  }
  Invalidate(TRUE);
  return stored;
}

std::intptr_t qoColorControl::BackColor(std::optional<COLORREF> colour) {
  if (!colour.has_value()) return GetProperty(keys::kBackColor);
  DeleteBackBrush(GetCore());
  SetPropertyOf(GetCore(), keys::kBackBrush, MakeBackBrush(*colour));
  const int stored = SetProperty(keys::kBackColor, AsBagValue(*colour));
  Invalidate(TRUE);
  return stored;
}

}  // namespace marlivo::ui
