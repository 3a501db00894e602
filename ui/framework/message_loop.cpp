// qoApplication's two message loops and the keyboard navigation step.
#include "ui/framework/application.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_list.h"
#include "ui/framework/window_registry.h"
#include "ui/framework/wrapper_cores.h"

namespace marlivo::ui {
namespace {

// An ActiveX host window pre-translates its control's messages when given this.
constexpr UINT kForwardMessage = 0x037F;  // WM_FORWARDMSG

bool IsKeyboardMessage(UINT message) { return message >= 0x100 && message <= 0x108; }
bool IsMouseMessage(UINT message) { return message >= 0x200 && message <= 0x209; }

DWORD StyleOf(ObjectCore* core) { return static_cast<DWORD>(GetProperty(core, keys::kStyle)); }

LRESULT Forward(HWND host, const MSG& message) {
  return ::SendMessageW(host, kForwardMessage, 0, reinterpret_cast<LPARAM>(&message));
}

// The first window from the message's own up through its parents whose core is marked
// as an ActiveX host gets the message to pre-translate; its answer.
LRESULT ForwardToMarkedHost(const MSG& message) {
  for (HWND window = message.hwnd; window != nullptr; window = ::GetParent(window)) {
    if (GetProperty(FindCore(window), keys::kActiveXHost) != 0) return Forward(window, message);
  }
  return 0;
}

// The first listed host window that contains the message's window gets it.
LRESULT ForwardToListedHost(const WindowList* hosts, const MSG& message) {
  for (const WindowListNode* node = hosts->first; node != nullptr; node = node->next) {
    const auto host = reinterpret_cast<HWND>(node->value);
    if (::IsChild(host, message.hwnd)) return Forward(host, message);
  }
  return 0;
}

// What the root window's core holds for the loop: MDI client, accelerators, hosts.
struct RootSettings {
  HWND root;
  HWND mdiClient;
  HACCEL accelerators;
  const WindowList* hosts;
};

RootSettings SettingsOfRoot(HWND window) {
  const HWND root = ::GetAncestor(window, GA_ROOT);
  ObjectCore* core = FindCore(root);
  return RootSettings{
      root, GetPropertyAs<HWND>(core, keys::kMdiClient),
      reinterpret_cast<HACCEL>(WrapperHandle(GetProperty(core, keys::kAccelTable))),
      GetPropertyAs<const WindowList*>(core, keys::kAtlWindows)};
}

// MDI system keys and the root's accelerators; whether one of them took the message.
bool TranslatedByRoot(const RootSettings& settings, MSG& message) {
  if (settings.mdiClient != nullptr && ::TranslateMDISysAccel(settings.mdiClient, &message)) {
    return true;
  }
  return settings.accelerators != nullptr &&
         ::TranslateAcceleratorW(settings.root, settings.accelerators, &message);
}

// Which keys the dialog loop lets IsDialogMessageW see. Escape is answered here: the
// message window's parent (or the window itself) gets IDCANCEL.
bool MayDialogSee(ObjectCore* target, const MSG& message) {
  if (IsMouseMessage(message.message)) return true;
  if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return false;
  const DWORD style = StyleOf(target);
  switch (message.wParam) {
    case VK_TAB:
      return (style & kStyleOwnTab) == 0;
    case VK_RETURN:
      return (style & (kStyleOwnEnter | kStyleOwnTab)) == 0;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      return (style & (kStyleOwnArrows | kStyleOwnTab)) == 0;
    case VK_ESCAPE:
      if (message.message == WM_KEYDOWN) {
        HWND parent = ::GetParent(message.hwnd);
        if (!::IsWindow(parent)) parent = message.hwnd;
        ::SendMessageW(parent, WM_COMMAND, IDCANCEL, 0);
      }
      return false;
    default:
      return false;
  }
}

}  // namespace

bool NavigationStep(HWND root, ObjectCore* target, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const DWORD style = StyleOf(target);
  switch (message.wParam) {
    case VK_TAB: {
      if ((style & kStyleOwnTab) != 0) return false;
      const BOOL backwards = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
      const HWND next =
          ::GetNextDlgTabItem(root, GetPropertyAs<HWND>(target, keys::kHwnd), backwards);
      if (!::IsWindow(next)) return false;
      ::SetFocus(next);
      return true;
    }
    case VK_ESCAPE:
      ::SendMessageW(root, WM_COMMAND, IDCANCEL, 0);
      return false;
    case VK_RETURN:
      if ((style & kStyleOwnEnter) != 0) return false;
      return ::SendMessageW(root, WM_COMMAND, IDOK, 0) != 0;
    default:
      return false;
  }
}

WPARAM qoApplication::Run(const qoWindowBase& window, std::optional<int> show) {
  if (AdoptWindow(window, show) == nullptr) return 1;
  MSG message{};
  // GetMessageW's -1 (an error) does not end the loop; only WM_QUIT does.
  while (::GetMessageW(&message, nullptr, 0, 0) != 0) {
    const RootSettings settings = SettingsOfRoot(message.hwnd);
    if (TranslatedByRoot(settings, message)) continue;
    ObjectCore* target = FindCore(message.hwnd);
    const bool input = IsKeyboardMessage(message.message) || IsMouseMessage(message.message);
    const LRESULT forwarded = input ? ForwardToMarkedHost(message) : 0;
    if (forwarded == 0 && IsKeyboardMessage(message.message) &&
        NavigationStep(settings.root, target, message)) {
      continue;
    }
    if (forwarded != 0) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    if (!::IsWindow(GetWindowMember().GetHwnd())) break;
  }
  return message.wParam;
}

WPARAM qoApplication::RunDialogLoop(const qoWindowBase& window, std::optional<int> show) {
  if (AdoptWindow(window, show) == nullptr) return 1;
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) != 0) {
    const RootSettings settings = SettingsOfRoot(message.hwnd);
    ObjectCore* target = FindCore(message.hwnd);
    const bool input = IsKeyboardMessage(message.message) || IsMouseMessage(message.message);
    const LRESULT forwarded =
        input && settings.hosts != nullptr ? ForwardToListedHost(settings.hosts, message) : 0;
    if (TranslatedByRoot(settings, message)) continue;
    if (forwarded == 0 && input && MayDialogSee(target, message) &&
        ::IsDialogMessageW(settings.root, &message)) {
      continue;
    }
    if (forwarded != 0) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    if (!::IsWindow(GetWindowMember().GetHwnd())) break;
  }
  return message.wParam;
}

}  // namespace marlivo::ui
