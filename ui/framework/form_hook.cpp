// The form level's message hook and cleanup: the form events, the OK and Cancel
// commands, the close action, tray icon callbacks, first activation, the wait cursor,
// the kept-active caption, free move and the layout's size limits.
#include "ui/framework/win32.h"

#include <shellapi.h>

#include "ui/framework/bag_keys.h"
#include "ui/framework/events.h"
#include "ui/framework/layout.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/process_heap.h"
#include "ui/framework/wrapper_cores.h"
#include "ui/framework/window_list.h"

namespace marlivo::ui {
namespace {

// The message a form's tray icon calls back with.
constexpr UINT kTrayCallbackMessage = 0x3019;
// Balloon notifications of the tray icon (NIN_BALLOONSHOW, _TIMEOUT, _USERCLICK).
constexpr UINT kBalloonShown = 0x402;
constexpr UINT kBalloonTimedOut = 0x404;
constexpr UINT kBalloonClicked = 0x405;

BackgroundPainter g_backgroundPainter = nullptr;

int SignedLow(std::intptr_t value) { return static_cast<short>(LOWORD(value)); }
int SignedHigh(std::intptr_t value) { return static_cast<short>(HIWORD(value)); }

void RaiseWindowEvent(ObjectCore* core, const char* name, HWND window) {
  if (auto handler = GetPropertyAs<WindowHandler>(core, name)) handler(window);
}

HWND HeldWindow(ObjectCore* core, const char* key) {
  return GetPropertyAs<HWND>(GetPropertyAs<ObjectCore*>(core, key), keys::kHwnd);
}

void CreateEvents(ObjectCore* core, HWND window) {
  if (auto handler = GetPropertyAs<XmlresOnCreateHandler>(core, events::kXmlresOnCreate)) {
    handler(core, window, GetProperty(core, keys::kXmlNode));
  }
  RaiseWindowEvent(core, events::kCreate, window);
  // Whatever "OnCreate" put in the window gets laid out once at the client size.
  RECT client{};
  ::GetClientRect(window, &client);
  ::SendMessageW(window, WM_SIZE, 0,
                 MAKELPARAM(client.right - client.left, client.bottom - client.top));
}

// Enter and Escape from the message loop: click the default or the cancel button (and
// close on Escape when asked to). Handled whether or not such a button exists.
void OkCancelCommand(ObjectCore* core, HWND window, WORD id) {
  if (id == IDOK) {
    if (const HWND button = HeldWindow(core, keys::kDefaultButton)) {
      ::SendMessageW(button, BM_CLICK, 0, 0);
    }
    return;
  }
  if (const HWND button = HeldWindow(core, keys::kCancelButton)) {
    ::SendMessageW(button, BM_CLICK, 0, 0);
  }
  if (GetProperty(core, keys::kEscClose) != 0) ::SendMessageW(window, WM_CLOSE, 0, 0);
}

// A form closing brings its visible owner back: enabled (a modal form disabled it) and
// on top.
void CloseAction(HWND window) {
  const auto owner = reinterpret_cast<HWND>(::GetWindowLongPtrW(window, GWLP_HWNDPARENT));
  if (!::IsWindow(owner) || !::IsWindowVisible(owner)) return;
  if (!::IsWindowEnabled(owner)) ::EnableWindow(owner, TRUE);
  ::SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void TrayCallback(ObjectCore* core, HWND window, LPARAM lParam) {
  auto handler = GetPropertyAs<CodeHandler>(core, events::kNotifyIcon);
  if (handler == nullptr) return;
  switch (static_cast<UINT>(lParam)) {
    case WM_MOUSEMOVE: handler(window, 5); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: ::SetCapture(window); break;
    case WM_LBUTTONUP: handler(window, 1); ::ReleaseCapture(); break;
    case WM_RBUTTONUP: handler(window, 2); ::ReleaseCapture(); break;
    case WM_LBUTTONDBLCLK: handler(window, 3); break;
    case WM_RBUTTONDBLCLK: handler(window, 4); break;
    case kBalloonShown: handler(window, 6); break;
    case kBalloonTimedOut: handler(window, 7); break;
    case kBalloonClicked: handler(window, 8); break;
    default: break;
  }
}

// The shell restarted: its tray lost the icon, so it is put there again.
void ReAddTrayIcon(ObjectCore* core) {
  auto* data = GetPropertyAs<NOTIFYICONDATAW*>(core, keys::kNotifyIconData);
  if (data == nullptr) return;
  ::Shell_NotifyIconW(NIM_DELETE, data);
  data->uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  ::Shell_NotifyIconW(NIM_ADD, data);
}

void FirstActivation(ObjectCore* core, HWND window) {
  if (GetProperty(core, keys::kFirstActivated) != 0) return;
  SetProperty(core, keys::kFirstActivated, 1);
  if (auto handler = GetPropertyAs<WindowHandler>(core, events::kFirstActivate)) {
    ::SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    handler(window);
  }
}

// The layout's minimum client size plus the frame becomes the minimum tracking size.
bool ApplySizeLimits(ObjectCore* core, HWND window, LPARAM lParam) {
  auto* layout = GetPropertyAs<ObjectCore*>(core, keys::kLayout);
  auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
  if (layout == nullptr || limits == nullptr) return false;
  int handled = 0;
  const LRESULT minimum =
      layout->hooks->MessageHook(layout, window, kLayoutMinimumSize, 0, 0, &handled);
  RECT frame{};
  RECT client{};
  ::GetWindowRect(window, &frame);
  ::GetClientRect(window, &client);
  const int dx = (frame.right - frame.left) - (client.right - client.left);
  const int dy = (frame.bottom - frame.top) - (client.bottom - client.top);
  limits->ptMinTrackSize.x = SignedLow(minimum) + dx;
  limits->ptMinTrackSize.y = SignedHigh(minimum) + dy;
  return true;
}

}  // namespace

void InstallFormLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = FormMessageHook;
  core->hooks->CleanupHook = FormCleanup;
}

void SetBackgroundPainter(BackgroundPainter painter) { g_backgroundPainter = painter; }

LRESULT FormMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled) {
  const auto taskbarCreated = static_cast<UINT>(GetProperty(core, keys::kTaskbarCreatedMessage));
  if (taskbarCreated != 0 && message == taskbarCreated) ReAddTrayIcon(core);

  switch (message) {
    case WM_CREATE:
    case WM_INITDIALOG:
      CreateEvents(core, window);
      break;

    case WM_ERASEBKGND:
      if (g_backgroundPainter != nullptr &&
          (HasProperty(core, keys::kBackImage) || HasProperty(core, keys::kBackColor))) {
        g_backgroundPainter(core, window, reinterpret_cast<HDC>(wParam));
        *handled = 1;
        return 1;
      }
      break;

    case WM_NCDESTROY:
      ReleaseFormResources(core);
      break;

    case WM_DESTROY:
      if (auto handler = GetPropertyAs<WindowHandler>(core, events::kDestroy)) {
        handler(window);
        *handled = 1;
        return 0;
      }
      break;

    case WM_MOVE:
    case WM_SIZE:
      if (auto handler = GetPropertyAs<PairHandler>(
              core, message == WM_MOVE ? events::kMove : events::kSize)) {
        handler(window, SignedLow(lParam), SignedHigh(lParam));
      }
      break;

    case WM_ACTIVATE:
      RaiseWindowEvent(core, LOWORD(wParam) != 0 ? events::kActivate : events::kUnActivate,
                       window);
      break;

    case WM_SHOWWINDOW:
      RaiseWindowEvent(core, wParam != 0 ? events::kShow : events::kHide, window);
      break;

    case WM_CLOSE:
      if (auto handler = GetPropertyAs<WindowHandler>(core, events::kClose)) {
        if (handler(window) != 0) {
          *handled = 1;
          return 1;
        }
      }
      CloseAction(window);
      break;

    case WM_COMMAND: {
      const WORD code = HIWORD(wParam);
      if (lParam != 0 || (code != 0 && code != 1)) break;
      const WORD id = LOWORD(wParam);
      if (code == 0 && (id == IDOK || id == IDCANCEL)) {
        OkCancelCommand(core, window, id);
        *handled = 1;
        return 1;
      }
      if (auto handler = GetPropertyAs<CodeHandler>(core, events::kMenuItemClick)) {
        handler(window, static_cast<short>(id));
      }
      break;
    }

    case kTrayCallbackMessage:
      TrayCallback(core, window, lParam);
      break;

    case WM_ACTIVATEAPP:
      if (wParam != 0) FirstActivation(core, window);
      break;

    case WM_SETCURSOR:
      if (GetProperty(core, keys::kWaitCursor) != 0) {
        *handled = 1;
        return reinterpret_cast<LRESULT>(::SetCursor(::LoadCursorW(nullptr, WideResource(IDC_WAIT))));
      }
      break;

    case WM_GETMINMAXINFO:
      if (ApplySizeLimits(core, window, lParam)) {
        *handled = 1;
        return 1;
      }
      break;

    case WM_NCACTIVATE:
      if (wParam == 0 && GetProperty(core, keys::kNcEverActive) != 0) {
        *handled = 1;
        return 1;
      }
      break;

    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        auto handler = GetPropertyAs<WindowHandler>(core, events::kUserClose);
        if (handler != nullptr && handler(window) != 0) {
          *handled = 1;
          return 0;
        }
      }
      break;

    case WM_INITMENUPOPUP:
      if (auto handler = GetPropertyAs<MenuHandler>(core, events::kInitMenuPopup)) {
        handler(window, reinterpret_cast<HMENU>(wParam), SignedLow(lParam), SignedHigh(lParam));
        *handled = 1;
        return 0;
      }
      break;

    case WM_MENUSELECT:
      if (auto handler = GetPropertyAs<MenuHandler>(core, events::kMenuSelect)) {
        handler(window, reinterpret_cast<HMENU>(lParam), SignedLow(static_cast<LPARAM>(wParam)),
                SignedHigh(static_cast<LPARAM>(wParam)));
        *handled = 1;
        return 0;
      }
      break;

    case WM_LBUTTONDOWN:
      // Dragging the client area moves the form as its caption would.
      if (GetProperty(core, keys::kFreeMove) != 0) {
        ::SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
      }
      break;

    default:
      break;
  }
  return WindowMessageHook(core, window, message, wParam, lParam, handled);
}

void ReleaseFormResources(ObjectCore* core) {
  // Only keys that are there are stored as 0: the background painter goes by the mere
  // presence of "pBackImage".
  if (HasProperty(core, keys::kBackImage)) {
    ReleaseWrapperCore(GetProperty(core, keys::kBackImage));
    SetProperty(core, keys::kBackImage, 0);
  }
  if (auto* data = GetPropertyAs<NOTIFYICONDATAW*>(core, keys::kNotifyIconData)) {
    if (const HICON icon = GetPropertyAs<HICON>(core, keys::kNotifyIcon)) {
      ::DestroyIcon(icon);
      SetProperty(core, keys::kNotifyIcon, 0);
    }
    ::Shell_NotifyIconW(NIM_DELETE, data);
    HeapRelease(data);
    SetProperty(core, keys::kNotifyIconData, 0);
  }
  if (auto* hosts = GetPropertyAs<WindowList*>(core, keys::kAtlWindows)) {
    FreeWindowList(hosts);
    SetProperty(core, keys::kAtlWindows, 0);
  }
  if (auto* button = GetPropertyAs<ObjectCore*>(core, keys::kDefaultButton)) {
    Release(button);
    SetProperty(core, keys::kDefaultButton, 0);
  }
  for (const char* key : {keys::kBigIcon, keys::kSmallIcon}) {
    if (const HICON icon = GetPropertyAs<HICON>(core, key)) {
      ::DestroyIcon(icon);
      SetProperty(core, key, 0);
    }
  }
  if (GetProperty(core, keys::kFirstActivated) != 0) SetProperty(core, keys::kFirstActivated, 0);
}

void FormCleanup(ObjectCore* core) {
  ReleaseFormResources(core);
  WindowCleanup(core);
}

}  // namespace marlivo::ui
