// qoControl: the control level, the default id counter, and how a control's window is
// made, taken over from a dialog and restyled.
#include "ui/controls/control.h"

#include <atomic>

#include "ui/controls/control_hooks.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/borders.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/module_instance.h"

namespace marlivo::ui {
namespace {

// Counts down from 0: the first control made without an id gets -1.
std::atomic<int> g_lastDefaultId{0};

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

HMENU IdAsMenu(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

void SetDefaultFont(HWND window) {
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 0);
}

}  // namespace

int NextDefaultControlId() { return g_lastDefaultId.fetch_sub(1) - 1; }

void InstallControlLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = ControlMessageHook;
  core->hooks->ReflectHook = ControlReflectHook;
  core->hooks->CleanupHook = ControlCleanup;
}

LRESULT ControlMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, int* handled) {
  return WindowMessageHook(core, window, message, wParam, lParam, handled);
}

LRESULT ControlReflectHook(ObjectCore*, HWND, UINT, WPARAM, LPARAM, int*) { return 0; }

void ControlCleanup(ObjectCore* core) { WindowCleanup(core); }

qoControl::qoControl() { InstallControlLevel(GetCore()); }

std::unique_ptr<qoWindowBase> qoControl::Copy() const {
  return std::make_unique<qoControl>(*this);
}

int qoControl::Create(HWND parent, const wchar_t* title, int x, int y, int width, int height,
                      HMENU menuOrId, DWORD style, DWORD exStyle, const wchar_t* className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  if (HasProperty(keys::kBorder)) {
    ApplyControlBorder(static_cast<int>(GetProperty(keys::kBorder)), style, exStyle);
  }
  style |= kChildStyle;
  const HWND window = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height,
                                        parent, menuOrId, ModuleInstance(), core);
  if (window == nullptr) return 0;
  SetDefaultFont(window);
  return 1;
}

int qoControl::Border(std::optional<int> kind) {
  const int previous = static_cast<int>(GetProperty(keys::kBorder));
  if (!kind.has_value()) return previous;
  SetProperty(keys::kBorder, *kind);
  const HWND window = GetHwnd();
  if (::IsWindow(window)) {
    RestyleFrame(window, [&](DWORD& style, DWORD& exStyle) { ApplyControlBorder(*kind, style, exStyle); });
  }
  return previous;
}

int qoControl::CreateChild(ControlParent parent, const wchar_t* text, int x, int y, int width,
                           int height, int id, DWORD style, DWORD exStyle,
                           const wchar_t* className) {
  if (GetCore() == nullptr || GetHwnd() != nullptr) return 0;
  if (HasProperty(keys::kBorder)) {
    ApplyControlBorder(static_cast<int>(GetProperty(keys::kBorder)), style, exStyle);
  }
  style |= kChildStyle;
  const HWND window =
      ::CreateWindowExW(exStyle, className, text != nullptr ? text : L"", style, x, y, width,
                        height, parent.window(), IdAsMenu(id), ModuleInstance(), GetCore());
  if (window == nullptr) return 0;
  // A window that cannot be bound stays as it is, unbound: its messages would never
  // reach this object, so the creation counts as failed.
  if (SubclassWindow(window) == 0) return 0;
  SetDefaultFont(window);
  return 1;
}

int qoControl::BindDlgItem(ControlParent parent, int id, int setFont) {
  const HWND item = ::GetDlgItem(parent.window(), id);
  if (item == nullptr) return 0;
  if (setFont != 0) SetDefaultFont(item);
  return SubclassWindow(item);
}

int qoControl::GetID() const { return static_cast<int>(::GetWindowLongW(GetHwnd(), GWL_ID)); }

}  // namespace marlivo::ui
