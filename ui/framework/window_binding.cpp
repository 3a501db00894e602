// Binding and unbinding, and the four framework procedures that lead a bound window's
// messages to its core: class window procedure, shared subclass procedure, and the
// modeless and modal dialog procedures.
#include "ui/framework/window_binding.h"

#include "ui/framework/bag_keys.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

// Hands the message to the core's hook chain with a cleared handled flag.
LRESULT RunHooks(ObjectCore* core, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 int* handled) {
  *handled = 0;
  return core->hooks->MessageHook(core, window, message, wParam, lParam, handled);
}

// The core that a creation call passed on. CreateMDIWindowW wraps it in the MDI creation
// record, so an MDI child finds it one level deeper.
ObjectCore* CoreOfCreation(const CREATESTRUCTW* creation) {
  if (creation == nullptr || creation->lpCreateParams == nullptr) return nullptr;
  if ((creation->dwExStyle & WS_EX_MDICHILD) != 0) {
    const auto* mdi = static_cast<const MDICREATESTRUCTW*>(creation->lpCreateParams);
    return reinterpret_cast<ObjectCore*>(mdi->lParam);
  }
  return static_cast<ObjectCore*>(creation->lpCreateParams);
}

bool IsMdiChild(HWND window) {
  return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

// Dialogs of both kinds bind on WM_INITDIALOG and hand every message to the hooks.
bool DialogHooks(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  if (message == WM_INITDIALOG && lParam != 0) {
    auto* core = reinterpret_cast<ObjectCore*>(lParam);
    // Dialogs repaint wholly when resized, like the framework's own windows.
    const DWORD style = ::GetClassLongW(dialog, GCL_STYLE);
    ::SetClassLongW(dialog, GCL_STYLE, static_cast<LONG>(style | CS_HREDRAW | CS_VREDRAW));
    BindWindow(core, dialog);
  }
  ObjectCore* core = FindCore(dialog);
  if (core == nullptr) return false;
  int handled = 0;
  const LRESULT hookResult = RunHooks(core, dialog, message, wParam, lParam, &handled);
  if (handled == 0) return false;
  *result = static_cast<INT_PTR>(hookResult);
  return true;
}

}  // namespace

void BindWindow(ObjectCore* core, HWND window) {
  SetProperty(core, keys::kHwnd, reinterpret_cast<std::intptr_t>(window));
  RegisterWindow(window, core);
}

void UnbindWindow(ObjectCore* core, UnbindKind kind) {
  const HWND window = GetPropertyAs<HWND>(core, keys::kHwnd);
  if (window == nullptr) return;
  if (const std::intptr_t replaced = GetProperty(core, keys::kOldWndProc)) {
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, replaced);
    SetProperty(core, keys::kOldWndProc, 0);
  }
  UnregisterWindow(window);
  SetProperty(core, keys::kHwnd, 0);
  if (kind == UnbindKind::kWindowEnd) {
    if (auto* layout = GetPropertyAs<ObjectCore*>(core, keys::kLayout)) {
      Release(layout);
      SetProperty(core, keys::kLayout, 0);
    }
  }
}

LRESULT CALLBACK ClassWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    if (ObjectCore* core = CoreOfCreation(reinterpret_cast<const CREATESTRUCTW*>(lParam))) {
      BindWindow(core, window);
      const auto self = reinterpret_cast<LONG_PTR>(&ClassWindowProc);
      if (::GetWindowLongPtrW(window, GWLP_WNDPROC) != self) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, self);
      }
    }
  }
  if (ObjectCore* core = FindCore(window)) {
    int handled = 0;
    const LRESULT result = RunHooks(core, window, message, wParam, lParam, &handled);
    if (handled != 0) return result;
  }
  // An MDI child's unclaimed messages belong to DefMDIChildProcW, which keeps the frame's
  // window menu, activation and maximised state right.
  if (IsMdiChild(window)) return ::DefMDIChildProcW(window, message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK SharedSubclassProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  ObjectCore* core = FindCore(window);
  if (core == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  // The replaced procedure as it was before the hooks ran. Unbinding during this message
  // (on WM_NCDESTROY the base hook always unbinds) clears "oldWndProp"; the control's own
  // procedure still gets the message, so that a standard control frees what it keeps.
  const std::intptr_t replacedBefore = GetProperty(core, keys::kOldWndProc);
  int handled = 0;
  const LRESULT result = RunHooks(core, window, message, wParam, lParam, &handled);
  if (handled != 0) return result;
  std::intptr_t replaced = GetProperty(core, keys::kOldWndProc);
  if (replaced == 0) replaced = replacedBefore;
  if (replaced != 0) {
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(replaced), window, message, wParam,
                             lParam);
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK ModelessDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = 0;
  if (DialogHooks(dialog, message, wParam, lParam, &result)) return result;
  if (message == WM_CLOSE) ::DestroyWindow(dialog);
  return 0;
}

INT_PTR CALLBACK ModalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = 0;
  if (DialogHooks(dialog, message, wParam, lParam, &result)) return result;
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, GetProperty(FindCore(dialog), keys::kDialogResult));
  }
  return 0;
}

ATOM RegisterWindowClass(std::optional<HINSTANCE> instance, const wchar_t* className,
                         std::optional<WNDPROC> windowProc, std::optional<HICON> icon,
                         std::optional<UINT> classStyle) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  info.style = classStyle.value_or(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
  info.lpfnWndProc = windowProc.value_or(&ClassWindowProc);
  info.hInstance = instance.value_or(ModuleInstance());
  info.hIcon = icon.has_value() ? *icon : ::LoadIconW(nullptr, WideResource(IDI_APPLICATION));
  info.hCursor = ::LoadCursorW(nullptr, WideResource(IDC_ARROW));
  info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  info.lpszClassName = className;
  return ::RegisterClassExW(&info);
}

}  // namespace marlivo::ui
