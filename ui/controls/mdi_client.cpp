// qoControl::CreateMDIClient: an MDI client window of a copy of the system's "MDIClient"
// class, whose procedure binds the object's core on WM_NCCREATE and hands it every
// message before the system's MDI client procedure sees it.
#include "ui/controls/control.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

constexpr wchar_t kSystemMdiClientClass[] = L"MDIClient";
constexpr wchar_t kDefaultMdiClientClass[] = L"qoMDIClient";

// What the system's MDI client reads from the creation parameter (the window menu and
// the first child id), followed by the core for the framework's procedure.
struct MdiClientCreation {
  CLIENTCREATESTRUCT client;
  ObjectCore* core;
};

LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* block = static_cast<const MdiClientCreation*>(creation->lpCreateParams);
    if (block != nullptr && block->core != nullptr) BindWindow(block->core, window);
  }
  ObjectCore* core = FindCore(window);
  // The system procedure, read before the hooks run: unbinding on WM_NCDESTROY clears
  // "oldWndProp", and the system's MDI client must still free what it keeps.
  WNDPROC system = GetPropertyAs<WNDPROC>(core, keys::kOldWndProc);
  if (core != nullptr) {
    int handled = 0;
    const LRESULT result =
        core->hooks->MessageHook(core, window, message, wParam, lParam, &handled);
    if (handled != 0) return result;
    if (WNDPROC now = GetPropertyAs<WNDPROC>(core, keys::kOldWndProc)) system = now;
  }
  if (system == nullptr) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    if (::GetClassInfoExW(nullptr, kSystemMdiClientClass, &info)) system = info.lpfnWndProc;
  }
  if (system != nullptr) return ::CallWindowProcW(system, window, message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND qoControl::CreateMDIClient(ControlParent parent, const wchar_t* title, int x, int y,
                                int width, int height, int id, DWORD style, DWORD exStyle,
                                std::optional<const wchar_t*> className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return nullptr;
  const wchar_t* name = className.has_value() && *className != nullptr && **className != L'\0'
                            ? *className
                            : kDefaultMdiClientClass;

  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  if (!::GetClassInfoExW(nullptr, kSystemMdiClientClass, &info)) return nullptr;
  SetPropertyOf(core, keys::kOldWndProc, info.lpfnWndProc);
  info.lpfnWndProc = MdiClientProc;
  info.hInstance = ModuleInstance();
  info.lpszClassName = name;
  ::RegisterClassExW(&info);  // a class registered by an earlier call is no error

  MdiClientCreation creation{};
  creation.client.hWindowMenu = GetPropertyAs<HMENU>(core, keys::kMdiClientMenu);
  creation.client.idFirstChild =
      static_cast<UINT>(ui::GetProperty(core, keys::kMdiClientFirstMenuId));
  creation.core = core;

  if (HasProperty(keys::kBorder)) {
    ApplyControlBorder(static_cast<int>(GetProperty(keys::kBorder)), style, exStyle);
  }
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  return ::CreateWindowExW(exStyle, name, title != nullptr ? title : L"", style, x, y, width,
                           height, parent.window(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(),
                           &creation);
}

}  // namespace marlivo::ui
