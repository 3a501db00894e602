// The window level's message hook and cleanup: what every window owns through its bag
// (a cursor, a font, the children made from markup, its border kind).
#include "ui/framework/bag_keys.h"
#include "ui/framework/message_hooks.h"

namespace marlivo::ui {

void InstallWindowLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = WindowMessageHook;
  core->hooks->CleanupHook = WindowCleanup;
}

LRESULT WindowMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, int* handled) {
  if (message == WM_NCDESTROY) {
    ReleaseWindowResources(core);
  } else if (message == WM_SETCURSOR) {
    // The window's own cursor over its client area; elsewhere the system's.
    const HCURSOR cursor = GetPropertyAs<HCURSOR>(core, keys::kCursor);
    if (cursor != nullptr && LOWORD(lParam) == HTCLIENT &&
        reinterpret_cast<HWND>(wParam) == window) {
      if (const HCURSOR previous = ::SetCursor(cursor)) {
        *handled = 1;
        return reinterpret_cast<LRESULT>(previous);
      }
    }
  }
  return BaseMessageHook(core, window, message, wParam, lParam, handled);
}

void ReleaseWindowResources(ObjectCore* core) {
  if (const HCURSOR cursor = GetPropertyAs<HCURSOR>(core, keys::kCursor)) {
    ::DestroyCursor(cursor);
    SetProperty(core, keys::kCursor, 0);
  }
  if (const HFONT font = GetPropertyAs<HFONT>(core, keys::kFont)) {
    ::DeleteObject(font);
    SetProperty(core, keys::kFont, 0);
  }
  if (auto* children = GetPropertyAs<HashMap*>(core, keys::kControls)) {
    for (const std::intptr_t child : MapValues(children)) {
      Release(reinterpret_cast<ObjectCore*>(child));
    }
    FreeHashMap(children);
    SetProperty(core, keys::kControls, 0);
  }
  RemoveProperty(core, keys::kBorder);
}

void WindowCleanup(ObjectCore* core) {
  ReleaseWindowResources(core);
  BaseCleanup(core);
}

}  // namespace marlivo::ui
