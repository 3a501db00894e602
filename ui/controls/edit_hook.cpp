// The edit level's hooks: Tab and Enter for single-line use, the formatting rectangle
// laid out again on WM_SIZE while "vCenter" is set, and "OnTextChange" on EN_CHANGE.
#include "ui/controls/control_hooks.h"
#include "ui/framework/application.h"
#include "ui/controls/control_keys.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

bool WantsReturn(HWND edit) {
  return (::GetWindowLongW(edit, GWL_STYLE) & ES_WANTRETURN) != 0;
}

bool KeepsKey(const ObjectCore* core, DWORD bit) {
  return (static_cast<DWORD>(GetProperty(core, keys::kStyle)) & bit) != 0;
}

// Tab moves the focus among the tab stops of the top-level window, Shift+Tab backwards.
bool MoveFocus(HWND edit) {
  const bool backwards = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
  const HWND next = ::GetNextDlgTabItem(::GetAncestor(edit, GA_ROOT), edit, backwards);
  if (next == nullptr) return false;
  ::SetFocus(next);
  return true;
}

// The formatting rectangle inside the client area: one pixel in from each side, or, for
// a centred edit, one line high in the middle. The metrics are those of the edit's plain
// DC (no font selected), as the centring has always used.
RECT FormattingRect(HWND edit, bool centred) {
  RECT rect{};
  ::GetClientRect(edit, &rect);
  rect.left = 1;
  rect.right -= 1;
  if (!centred) {
    rect.top = 1;
    rect.bottom -= 1;
    return rect;
  }
  TEXTMETRICW metrics{};
  if (const HDC dc = ::GetDC(edit)) {
    ::GetTextMetricsW(dc, &metrics);
    ::ReleaseDC(edit, dc);
  }
  const double free = static_cast<double>(rect.bottom - rect.top - metrics.tmHeight);
  rect.top = static_cast<int>(free / 2 + 1);
  rect.bottom = rect.top + metrics.tmHeight;
  return rect;
}

LRESULT ResizeCentred(ObjectCore* core, HWND window, WPARAM wParam, LPARAM lParam) {
  const auto replaced = GetPropertyAs<WNDPROC>(core, keys::kOldWndProc);
  const LRESULT result =
      replaced != nullptr ? ::CallWindowProcW(replaced, window, WM_SIZE, wParam, lParam)
                          : ::DefWindowProcW(window, WM_SIZE, wParam, lParam);
  const RECT rect = FormattingRect(window, GetProperty(core, keys::kVerticalCentre) != 0);
  ::SendMessageW(window, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  return result;
}

}  // namespace

void InstallEditLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = EditMessageHook;
  core->hooks->ReflectHook = EditReflectHook;
}

LRESULT EditMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled) {
  if (message == WM_KEYDOWN && wParam == VK_TAB) {
    if (!WantsReturn(window) && !KeepsKey(core, kStyleOwnTab) && MoveFocus(window)) {
      *handled = 1;
      return 0;
    }
  } else if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    if (!WantsReturn(window) && !KeepsKey(core, kStyleOwnEnter)) {
      // A single-line edit has no use for Enter: it is the OK command of its parent.
      ::SendMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
      *handled = 1;
      return 0;
    }
  } else if (message == WM_SIZE && HasProperty(core, keys::kVerticalCentre)) {
    *handled = 1;
    return ResizeCentred(core, window, wParam, lParam);
  }
  return ColorMessageHook(core, window, message, wParam, lParam, handled);
}

LRESULT EditReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    if (auto handler = GetPropertyAs<TextChangeHandler>(core, events::kTextChange)) {
      handler(reinterpret_cast<HWND>(lParam), static_cast<short>(LOWORD(wParam)));
    }
  }
  return ColorReflectHook(core, window, message, wParam, lParam, handled);
}

}  // namespace marlivo::ui
