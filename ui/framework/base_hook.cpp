// The base level's message hook: named events, reflection, hover tracking, the drop and
// mnemonic steps and layout, and the base cleanup.
#include "ui/framework/win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "ui/framework/bag_keys.h"
#include "ui/framework/events.h"
#include "ui/framework/layout.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/process_heap.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

constexpr int kKeyCtrl = 1;
constexpr int kKeyShift = 2;
constexpr int kKeyAlt = 4;
// DragQueryFileW's index that asks for the number of files.
constexpr UINT kDropFileCount = 0xFFFFFFFF;
constexpr UINT kDropPathUnits = 260;
constexpr int kClassNameUnits = 260;

int SignedLow(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int SignedHigh(LPARAM value) { return static_cast<short>(HIWORD(value)); }

// Ctrl, Shift and Alt as they are on the keyboard while the message is handled.
int KeysDown() {
  int keys = 0;
  if (::GetAsyncKeyState(VK_CONTROL) & 0x8000) keys |= kKeyCtrl;
  if (::GetAsyncKeyState(VK_SHIFT) & 0x8000) keys |= kKeyShift;
  if (::GetAsyncKeyState(VK_MENU) & 0x8000) keys |= kKeyAlt;
  return keys;
}

const char* ButtonEvent(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return events::kLButtonDown;
    case WM_LBUTTONUP: return events::kLButtonUp;
    case WM_LBUTTONDBLCLK: return events::kLButtonDblClk;
    case WM_RBUTTONDOWN: return events::kRButtonDown;
    case WM_RBUTTONUP: return events::kRButtonUp;
    default: return nullptr;
  }
}

// A parent's notification handed to the child's core; a child that the framework does
// not know gets nothing and the message goes on to default processing.
LRESULT Reflect(HWND target, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                int* handled) {
  ObjectCore* child = FindCore(target);
  if (child == nullptr) return 0;
  return child->hooks->ReflectHook(child, window, message, wParam, lParam, handled);
}

LRESULT ReflectNotify(ObjectCore* core, HWND window, WPARAM wParam, LPARAM lParam,
                      int* handled) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header == nullptr) return 0;
  // A tooltip asks its owner for the text; the owner is this window itself.
  if (header->code == static_cast<UINT>(TTN_GETDISPINFOW)) {
    return core->hooks->ReflectHook(core, window, WM_NOTIFY, wParam, lParam, handled);
  }
  return Reflect(header->hwndFrom, window, WM_NOTIFY, wParam, lParam, handled);
}

void HoverStep(ObjectCore* core, HWND window, int x, int y, int keys) {
  if (!HasProperty(core, keys::kEnableHover)) return;
  if (GetProperty(core, keys::kMovedIn) != 0) return;
  SetProperty(core, keys::kMovedIn, 1);
  if (auto handler = GetPropertyAs<MouseHandler>(core, events::kMouseIn)) {
    handler(window, x, y, keys);
  }
  // The system ends hover tracking after one WM_MOUSEHOVER and leave tracking with
  // WM_MOUSELEAVE; the next entry asks again.
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = window;
  track.dwHoverTime = HOVER_DEFAULT;
  ::TrackMouseEvent(&track);
}

void DropStep(HWND window, HDROP drop, DropFilesHandler handler) {
  const UINT count = ::DragQueryFileW(drop, kDropFileCount, nullptr, 0);
  std::wstring paths;
  for (UINT i = 0; i < count; ++i) {
    wchar_t path[kDropPathUnits] = {};
    ::DragQueryFileW(drop, i, path, kDropPathUnits);
    if (i > 0) paths += L"\r\n";
    paths += path;
  }
  ::DragFinish(drop);
  handler(window, paths.c_str());
}

using StrStrIWFunction = PWSTR(WINAPI*)(PCWSTR, PCWSTR);

// The case-blind search of the mnemonic step, taken from shell32 by name; shlwapi's own
// serves where shell32 does not export it.
StrStrIWFunction CaseBlindFind() {
  static const StrStrIWFunction function = [] {
    StrStrIWFunction found = nullptr;
    if (HMODULE shell = ::LoadLibraryW(L"shell32.dll")) {
      found = reinterpret_cast<StrStrIWFunction>(
          reinterpret_cast<void (*)()>(::GetProcAddress(shell, "StrStrIW")));
    }
    return found != nullptr ? found : &::StrStrIW;
  }();
  return function;
}

bool IsMnemonicMatch(HWND child, const wchar_t* className, const wchar_t* mnemonic) {
  wchar_t childClass[kClassNameUnits] = {};
  if (::GetClassNameW(child, childClass, kClassNameUnits) == 0) return false;
  if (::lstrcmpiW(childClass, className) != 0) return false;
  const int length = ::GetWindowTextLengthW(child);
  if (length <= 0) return false;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::GetWindowTextW(child, text.data(), length + 1);
  return CaseBlindFind()(text.c_str(), mnemonic) != nullptr;
}

// Depth first below the parent: each child is tested before its own children.
HWND FindMnemonic(HWND parent, const wchar_t* className, const wchar_t* mnemonic) {
  for (HWND child = ::FindWindowExW(parent, nullptr, nullptr, nullptr); child != nullptr;
       child = ::FindWindowExW(parent, child, nullptr, nullptr)) {
    if (IsMnemonicMatch(child, className, mnemonic)) return child;
    if (HWND found = FindMnemonic(child, className, mnemonic)) return found;
  }
  return nullptr;
}

// Alt plus a character: the first button (a standard one, else a framework one) whose
// text has "&" before that character is clicked through its parent.
bool MnemonicStep(HWND window, WPARAM character) {
  const wchar_t mnemonic[3] = {L'&', static_cast<wchar_t>(character), L'\0'};
  const HWND root = ::GetAncestor(window, GA_ROOT);
  HWND match = FindMnemonic(root, L"button", mnemonic);
  if (match == nullptr) match = FindMnemonic(root, L"qoButton", mnemonic);
  if (match == nullptr) return false;
  const WORD id = LOWORD(::GetWindowLongW(match, GWL_ID));
  ::SendMessageW(::GetParent(match), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(match));
  return true;
}

void LayoutStep(ObjectCore* core, HWND window, LPARAM lParam) {
  auto* layout = GetPropertyAs<ObjectCore*>(core, keys::kLayout);
  if (layout == nullptr) return;
  const auto width = static_cast<std::intptr_t>(SignedLow(lParam));
  const int height = SignedHigh(lParam);
  int handled = 0;
  layout->hooks->MessageHook(layout, window, kLayoutResize, static_cast<WPARAM>(width),
                             height, &handled);
  handled = 0;
  layout->hooks->MessageHook(layout, window, kLayoutApply, 0, 0, &handled);
}

}  // namespace

LRESULT BaseMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled) {
  *handled = 0;
  if (auto handler = GetPropertyAs<WndMsgHandler>(core, events::kWndMsg)) {
    const LRESULT result = handler(window, message, wParam, lParam, handled);
    if (*handled != 0) return result;
  }

  switch (message) {
    case WM_NCDESTROY:
      UnbindWindow(core, UnbindKind::kWindowEnd);
      return 0;

    case WM_PAINT: {
      auto handler = GetPropertyAs<PaintHandler>(core, events::kPaint);
      if (handler == nullptr) return 0;
      PAINTSTRUCT paint{};
      const HDC dc = ::BeginPaint(window, &paint);
      const int result = handler(window, dc, paint.rcPaint.left, paint.rcPaint.top,
                                 paint.rcPaint.right, paint.rcPaint.bottom);
      ::EndPaint(window, &paint);
      *handled = 1;
      return result;
    }

    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
      auto handler = GetPropertyAs<MouseHandler>(core, ButtonEvent(message));
      if (handler == nullptr) return 0;
      const int result = handler(window, SignedLow(lParam), SignedHigh(lParam), KeysDown());
      if (result != 0) *handled = 1;
      return result;
    }

    case WM_MOUSEMOVE: {
      const int x = SignedLow(lParam);
      const int y = SignedHigh(lParam);
      const int keys = KeysDown();
      HoverStep(core, window, x, y, keys);
      auto handler = GetPropertyAs<MouseHandler>(core, events::kMouseMove);
      if (handler == nullptr) return 0;
      const int result = handler(window, x, y, keys);
      if (result != 0) *handled = 1;
      return result;
    }

    case WM_MOUSELEAVE:
      SetProperty(core, keys::kMovedIn, 0);
      if (auto handler = GetPropertyAs<WindowHandler>(core, events::kMouseLeave)) {
        handler(window);
      }
      return 0;

    case WM_MOUSEHOVER:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const char* name = message == WM_MOUSEHOVER ? events::kMouseHover
                         : message == WM_SETFOCUS ? events::kSetFocus
                                                  : events::kKillFocus;
      if (auto handler = GetPropertyAs<WindowHandler>(core, name)) handler(window);
      return 0;
    }

    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      auto handler = GetPropertyAs<KeyHandler>(core, down ? events::kKeyDown : events::kKeyUp);
      if (handler == nullptr) return 0;
      if (handler(window, static_cast<int>(wParam), KeysDown()) != 0) *handled = 1;
      return 0;
    }

    case WM_MOUSEWHEEL:
      if (auto handler = GetPropertyAs<WheelHandler>(core, events::kMouseWheel)) {
        handler(window, static_cast<short>(HIWORD(wParam)), KeysDown());
      }
      return 0;

    case WM_CHAR: {
      auto handler = GetPropertyAs<CharHandler>(core, events::kChar);
      if (handler == nullptr) return 0;
      const int result = handler(window, static_cast<int>(wParam));
      if (result != 0) *handled = 1;
      return result;
    }

    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_COMMAND:
      return Reflect(reinterpret_cast<HWND>(lParam), window, message, wParam, lParam, handled);

    case WM_NOTIFY:
      return ReflectNotify(core, window, wParam, lParam, handled);

    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      const LRESULT result =
          Reflect(reinterpret_cast<HWND>(lParam), window, message, wParam, lParam, handled);
      return *handled != 0 ? result : 0;
    }

    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr) return 0;
      return Reflect(item->hwndItem, window, message, wParam, lParam, handled);
    }

    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM: {
      const HWND item = ::GetDlgItem(window, static_cast<int>(wParam));
      const LRESULT result = Reflect(item, window, message, wParam, lParam, handled);
      return *handled != 0 ? result : 0;
    }

    case WM_DROPFILES:
      if (auto handler = GetPropertyAs<DropFilesHandler>(core, events::kDropFiles)) {
        DropStep(window, reinterpret_cast<HDROP>(wParam), handler);
        *handled = 1;
      }
      return 0;

    case WM_TIMER:
      if (auto handler = GetPropertyAs<TimerHandler>(core, events::kTimer)) {
        handler(window, static_cast<int>(wParam));
        *handled = 1;
      }
      return 0;

    case WM_SIZE:
      LayoutStep(core, window, lParam);
      return 0;

    case WM_SYSCHAR:
      if (MnemonicStep(window, wParam)) *handled = 1;
      return 0;

    default:
      return 0;
  }
}

void BaseCleanup(ObjectCore* core) {
  UnbindWindow(core, UnbindKind::kWindowEnd);
  if (char* name = GetPropertyAs<char*>(core, keys::kName)) {
    HeapRelease(name);
    SetProperty(core, keys::kName, 0);
  }
}

}  // namespace marlivo::ui
