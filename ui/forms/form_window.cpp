// qoWindow: making the form's window, the modal loop, and the children made from markup.
#include "ui/forms/form_window.h"

#include <string>

#include "engine/text/code_page.h"
#include "ui/forms/form_keys.h"
#include "ui/forms/start_position.h"
#include "ui/framework/application.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"
#include "ui/framework/wrapper_cores.h"

namespace marlivo::ui {
namespace {

// The size of the hidden owner that keeps a form off the taskbar; it is never shown.
constexpr SIZE kHiddenOwnerSize = {250, 110};
// Sent to an ActiveX host with the address of a message it may take for its control.
constexpr UINT kForwardMessage = 0x037F;  // WM_FORWARDMSG

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= 0x108; }
bool IsMouseMessage(UINT message) { return message >= 0x200 && message <= 0x209; }

bool IsGiven(const wchar_t* text) { return text != nullptr && *text != L'\0'; }

// The first ActiveX host between the message's window and the top gets the message.
bool ForwardedToActiveXHost(MSG& message) {
  for (HWND window = message.hwnd; window != nullptr; window = ::GetParent(window)) {
    ObjectCore* core = FindCore(window);
    if (core != nullptr && GetProperty(core, keys::kActiveXHost) != 0) {
      return ::SendMessageW(window, kForwardMessage, 0, reinterpret_cast<LPARAM>(&message)) != 0;
    }
  }
  return false;
}

}  // namespace

struct qoWindow::Placement {
  std::wstring className;
  std::wstring title;
  HWND owner = nullptr;
  HWND hiddenOwner = nullptr;
  POINT position{};
  SIZE size{};
  DWORD style = 0;
  DWORD exStyle = 0;
};

qoWindow::qoWindow() {
  SetProperty(keys::kStartPosition, forms::kStartCentredOnOwner);
  SetType(types::kWindow);
}

std::unique_ptr<qoWindowBase> qoWindow::Copy() const {
  return std::make_unique<qoWindow>(*this);
}

int qoWindow::Attach(HWND window) { return SubclassWindow(window); }

bool qoWindow::Prepare(HWND parent, std::optional<const wchar_t*> title,
                       std::optional<POINT> position, std::optional<SIZE> size,
                       std::optional<DWORD> style, DWORD exStyle, int noTaskbarButton,
                       const wchar_t* className, const wchar_t* ownerTitle,
                       Placement& placement) {
  if (GetCore() == nullptr || GetHwnd() != nullptr) return false;
  placement.className = IsGiven(className) ? className : kFormClassName;
  RegisterWindowClass(std::nullopt, placement.className.c_str());
  const wchar_t* given = title.value_or(nullptr);
  placement.title = given != nullptr ? given : L"";
  placement.size = size.value_or(kFormDefaultSize);
  placement.style = style.value_or(kFormDefaultStyle);
  placement.exStyle = exStyle;

  placement.owner = parent;
  if (parent == nullptr && noTaskbarButton != 0) {
    // An owned window gets no taskbar button; this owner carries no core, so all its
    // messages go to default processing.
    placement.hiddenOwner = ::CreateWindowExW(
        0, placement.className.c_str(), ownerTitle, WS_POPUP, 0, 0, kHiddenOwnerSize.cx,
        kHiddenOwnerSize.cy, nullptr, nullptr, ModuleInstance(), nullptr);
    placement.owner = placement.hiddenOwner;
  }
  placement.position =
      forms::StartPositionOf(static_cast<int>(GetProperty(keys::kStartPosition)), placement.owner,
                             position.value_or(kFormDefaultPosition), placement.size);
  if (HasProperty(keys::kBorder)) {
    ApplyBorder(static_cast<int>(GetProperty(keys::kBorder)), placement.style,
                placement.exStyle);
  }
  return true;
}

int qoWindow::Make(const Placement& placement, DWORD extraStyle) {
  const int made = Create(placement.owner, placement.title.c_str(), placement.position.x,
                          placement.position.y, placement.size.cx, placement.size.cy, nullptr,
                          placement.style | extraStyle, placement.exStyle,
                          placement.className.c_str());
  if (placement.hiddenOwner != nullptr) {
    if (made != 0) {
      SetPropertyOf(GetCore(), keys::kHiddenOwner, placement.hiddenOwner);
    } else {
      ::DestroyWindow(placement.hiddenOwner);
    }
  }
  return made != 0 ? 1 : 0;
}

int qoWindow::CreateFormW(HWND parent, std::optional<const wchar_t*> title,
                          std::optional<POINT> position, std::optional<SIZE> size,
                          std::optional<DWORD> style, DWORD exStyle, int noTaskbarButton,
                          const wchar_t* className) {
  Placement placement;
  if (!Prepare(parent, title, position, size, style, exStyle, noTaskbarButton, className,
               L"qoShowTaskbar", placement)) {
    return 0;
  }
  return Make(placement, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}

int qoWindow::CreateForm(HWND parent, std::optional<const char*> title,
                         std::optional<POINT> position, std::optional<SIZE> size,
                         std::optional<DWORD> style, DWORD exStyle, int noTaskbarButton,
                         const char* className) {
  const char* given = title.value_or(nullptr);
  const std::wstring wideTitle = text::GbkToWide(given != nullptr ? given : "");
  const std::wstring wideClass = text::GbkToWide(className != nullptr ? className : "");
  return CreateFormW(parent, wideTitle.c_str(), position.value_or(kFormDefaultPosition),
                     size.value_or(kFormDefaultSize),
                     style.value_or(kFormDefaultStyle) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                     exStyle, noTaskbarButton, wideClass.c_str());
}

std::intptr_t qoWindow::RunModalW(HWND parent, std::optional<const wchar_t*> title,
                                  std::optional<POINT> position, std::optional<SIZE> size,
                                  std::optional<DWORD> style, DWORD exStyle,
                                  int noTaskbarButton, const wchar_t* className) {
  Placement placement;
  if (!Prepare(parent, title, position, size, style, exStyle, noTaskbarButton, className,
               L"ShowTaskbar", placement)) {
    return 0;
  }
  const HWND focused = ::GetFocus();
  if (Make(placement, WS_CLIPCHILDREN) == 0) return 0;
  const HWND form = GetHwnd();
  const HWND owner = placement.owner;
  const bool ownerDisabled = ::IsWindow(owner) && ::IsWindowVisible(owner);
  if (ownerDisabled) ::EnableWindow(owner, FALSE);

  bool quitSeen = false;
  WPARAM quitCode = 0;
  MSG message{};
  for (;;) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // A quit asked for while the modal window runs belongs to the loop outside it:
      // kept, and posted again once this loop has ended.
      quitSeen = true;
      quitCode = message.wParam;
    } else {
      bool consumed = false;
      if (const std::intptr_t table = GetProperty(keys::kAccelTable)) {
        const auto handle = reinterpret_cast<HACCEL>(WrapperHandle(table));
        consumed = handle != nullptr && ::TranslateAcceleratorW(form, handle, &message) != 0;
      }
      if (!consumed && (IsKeyboardMessage(message.message) || IsMouseMessage(message.message))) {
        consumed = ForwardedToActiveXHost(message);
      }
      if (!consumed && IsKeyboardMessage(message.message)) {
        consumed = NavigationStep(form, FindCore(message.hwnd), message);
      }
      if (!consumed) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
      }
    }
    if (!::IsWindow(form)) break;
  }

  // The close action enables the owner again; a form that went without WM_CLOSE would
  // leave it disabled for good.
  if (ownerDisabled && ::IsWindow(owner) && !::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, TRUE);
  }
  if (focused != nullptr && ::IsWindow(focused)) ::SetFocus(focused);
  if (quitSeen) ::PostQuitMessage(static_cast<int>(quitCode));
  return GetProperty(keys::kDialogResult);
}

std::intptr_t qoWindow::RunModal(HWND parent, std::optional<const char*> title,
                                 std::optional<POINT> position, std::optional<SIZE> size,
                                 std::optional<DWORD> style, DWORD exStyle, int noTaskbarButton,
                                 const char* className) {
  const char* given = title.value_or(nullptr);
  const std::wstring wideTitle = text::GbkToWide(given != nullptr ? given : "");
  const std::wstring wideClass = text::GbkToWide(className != nullptr ? className : "");
  return RunModalW(parent, wideTitle.c_str(), position.value_or(kFormDefaultPosition),
                   size.value_or(kFormDefaultSize),
                   style.value_or(WS_CAPTION | WS_SYSMENU | WS_VISIBLE) | WS_CLIPCHILDREN, exStyle,
                   noTaskbarButton, wideClass.c_str());
}

int qoWindow::GetControl(HWND child, qoWindowBase& object) {
  const auto* children = GetPropertyAs<const HashMap*>(GetCore(), keys::kControls);
  auto* core = reinterpret_cast<ObjectCore*>(MapGet(children, reinterpret_cast<std::intptr_t>(child)));
  if (core == nullptr) return 0;
  return object.ShareCore(core);
}

int qoWindow::GetControlHandles(std::vector<HWND>& handles) const {
  const auto* children = GetPropertyAs<const HashMap*>(GetCore(), keys::kControls);
  if (children == nullptr) return 0;
  handles.clear();
  for (const std::intptr_t key : MapIntegerKeys(children)) {
    handles.push_back(reinterpret_cast<HWND>(key));
  }
  return static_cast<int>(handles.size());
}

}  // namespace marlivo::ui
