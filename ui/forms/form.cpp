// qoForm: the form class's level, its flags, icons, menus, window state, dialog items,
// wait cursor and event binding.
#include "ui/forms/form.h"

#include "ui/forms/form_keys.h"
#include "ui/forms/start_position.h"
#include "ui/forms/window_background.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/message_hooks.h"

namespace marlivo::ui {
namespace {

void PaintFormBackground(ObjectCore* core, HWND window, HDC dc) {
  forms::PaintWindowBackground(core, window, dc);
}

// What the form class holds beyond the form level, given up when the window goes: the
// cancel button's core, like the default button's, belongs to this window's controls,
// and the hidden owner of a form kept off the taskbar has no use without it.
void ReleaseFormClassResources(ObjectCore* core) {
  if (auto* button = GetPropertyAs<ObjectCore*>(core, keys::kCancelButton)) {
    Release(button);
    SetProperty(core, keys::kCancelButton, 0);
  }
  if (const HWND owner = GetPropertyAs<HWND>(core, keys::kHiddenOwner)) {
    // Not destroyed here: the form is still being torn down, and destroying its owner
    // would reach back into it. The owner closes once this message has been handled.
    ::PostMessageW(owner, WM_CLOSE, 0, 0);
    SetProperty(core, keys::kHiddenOwner, 0);
  }
}

LRESULT FormClassMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam, int* handled) {
  if (message == WM_NCDESTROY) ReleaseFormClassResources(core);
  return FormMessageHook(core, window, message, wParam, lParam, handled);
}

// The object's end: the accelerator table is a setting of the object, kept from one
// window to the next, and given up only here.
void FormClassCleanup(ObjectCore* core) {
  ReleaseFormClassResources(core);
  if (auto* table = GetPropertyAs<gdi::WrapperCore*>(core, keys::kAccelTable)) {
    table->hooks->Release(table);
    SetProperty(core, keys::kAccelTable, 0);
  }
  FormCleanup(core);
}

void InstallFormClassLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = FormClassMessageHook;
  core->hooks->CleanupHook = FormClassCleanup;
}

int StoredFlag(const qoWindowBase& form, const char* key) {
  return static_cast<int>(form.GetProperty(key));
}

int GetOrSet(qoWindowBase& form, const char* key, std::optional<int> value) {
  const int previous = StoredFlag(form, key);
  if (value.has_value()) form.SetProperty(key, *value);
  return previous;
}

template <typename Handler>
int Bind(qoWindowBase& form, const char* event, Handler handler) {
  return SetPropertyOf(form.GetCore(), event, handler);
}

}  // namespace

qoForm::qoForm() {
  InstallFormLevel(GetCore());
  InstallFormClassLevel(GetCore());
  static const bool painterInstalled = [] {
    SetBackgroundPainter(&PaintFormBackground);
    return true;
  }();
  (void)painterInstalled;
}

std::unique_ptr<qoWindowBase> qoForm::Copy() const { return std::make_unique<qoForm>(*this); }

int qoForm::NCEverActive(std::optional<int> value) {
  return GetOrSet(*this, keys::kNcEverActive, value);
}

int qoForm::FreeMove(std::optional<int> value) { return GetOrSet(*this, keys::kFreeMove, value); }

std::intptr_t qoForm::DialogResult(std::optional<std::intptr_t> value) {
  if (!value.has_value()) return GetProperty(keys::kDialogResult);
  return SetProperty(keys::kDialogResult, *value);
}

LRESULT qoForm::SetIcon(const gdi::qoIcon& icon, int big) {
  const char* key = big != 0 ? keys::kBigIcon : keys::kSmallIcon;
  const HICON previous = GetPropertyAs<HICON>(GetCore(), key);
  const HICON copy = icon.CopyHandle();
  SetPropertyOf(GetCore(), key, copy);
  const LRESULT result =
      SendMessage(WM_SETICON, big != 0 ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(copy));
  // Only now that the window shows the new copy may the old one go.
  if (previous != nullptr) ::DestroyIcon(previous);
  return result;
}

gdi::qoIcon qoForm::GetIcon(int big) const {
  auto shown = reinterpret_cast<HICON>(
      ::SendMessageW(GetHwnd(), WM_GETICON, big != 0 ? ICON_BIG : ICON_SMALL, 0));
  if (shown == nullptr) shown = ::LoadIconW(nullptr, WideResource(IDI_APPLICATION));
  return gdi::qoIcon(::CopyIcon(shown));
}

void qoForm::SetAccelTable(const forms::qoAccelTable& table) {
  gdi::WrapperCore* held = GetPropertyAs<gdi::WrapperCore*>(GetCore(), keys::kAccelTable);
  gdi::WrapperCore* given = table.GetCore();
  if (given != nullptr) given->hooks->AddRef(given);
  if (held != nullptr) held->hooks->Release(held);
  SetPropertyOf(GetCore(), keys::kAccelTable, given);
}

int qoForm::WindowState(std::optional<int> state) {
  const HWND window = GetHwnd();
  if (!state.has_value()) {
    if (::IsIconic(window)) return 1;
    if (::IsZoomed(window)) return 2;
    return 0;
  }
  switch (*state) {
    case 0: return ::ShowWindow(window, SW_SHOWNORMAL) ? 1 : 0;
    case 1: return ::ShowWindow(window, SW_MINIMIZE) ? 1 : 0;
    case 2: return ::ShowWindow(window, SW_MAXIMIZE) ? 1 : 0;
    case 3: {
      const SIZE size = GetSize();
      const auto owner = reinterpret_cast<HWND>(::GetWindowLongPtrW(window, GWLP_HWNDPARENT));
      const POINT at = forms::CentreOfOwnerOrScreen(owner, size);
      return ::MoveWindow(window, at.x, at.y, size.cx, size.cy, TRUE) ? 1 : 0;
    }
    default: return ::ShowWindow(window, SW_HIDE) ? 1 : 0;
  }
}

HMENU qoForm::GetMenu() const { return ::GetMenu(GetHwnd()); }

int qoForm::SetMenu(std::optional<HMENU> menu) {
  const HWND window = GetHwnd();
  const BOOL set = ::SetMenu(window, menu.value_or(nullptr));
  if (::IsWindow(window)) ::DrawMenuBar(window);
  return set ? 1 : 0;
}

int qoForm::DrawMenuBar() { return ::DrawMenuBar(GetHwnd()) ? 1 : 0; }

int qoForm::EscClose(std::optional<int> value) { return GetOrSet(*this, keys::kEscClose, value); }

int qoForm::AttachDlgItem(int id, qoWindowBase& object) {
  const HWND item = ::GetDlgItem(GetHwnd(), id);
  if (item == nullptr) return 0;
  object.Attach(item);
  return 1;
}

HWND qoForm::GetDlgItem(int id) const { return ::GetDlgItem(GetHwnd(), id); }

void qoForm::BeginWaitCursor() {
  const HCURSOR wait = ::LoadCursorW(nullptr, WideResource(IDC_WAIT));
  const HCURSOR previous = ::SetCursor(wait);
  // The key's value says the wait cursor is on; with no cursor shown before, the wait
  // cursor itself stands for it, so that it is never 0 while on.
  SetPropertyOf(GetCore(), keys::kWaitCursor, previous != nullptr ? previous : wait);
}

void qoForm::EndWaitCursor() { SetProperty(keys::kWaitCursor, 0); }

int qoForm::StartPosition(std::optional<int> value) {
  return GetOrSet(*this, keys::kStartPosition, value);
}

int qoForm::SetOnCreate(WindowHandler handler) { return Bind(*this, events::kCreate, handler); }
int qoForm::SetOnClose(WindowHandler handler) { return Bind(*this, events::kClose, handler); }
int qoForm::SetOnMenuItemClick(CodeHandler handler) {
  return Bind(*this, events::kMenuItemClick, handler);
}
int qoForm::SetOnDestory(WindowHandler handler) { return Bind(*this, events::kDestroy, handler); }
int qoForm::SetOnMove(PairHandler handler) { return Bind(*this, events::kMove, handler); }
int qoForm::SetOnSize(PairHandler handler) { return Bind(*this, events::kSize, handler); }
int qoForm::SetOnActivate(WindowHandler handler) {
  return Bind(*this, events::kActivate, handler);
}
int qoForm::SetOnUnActivate(WindowHandler handler) {
  return Bind(*this, events::kUnActivate, handler);
}
int qoForm::SetOnFirstActivate(WindowHandler handler) {
  return Bind(*this, events::kFirstActivate, handler);
}
int qoForm::SetOnShow(WindowHandler handler) { return Bind(*this, events::kShow, handler); }
int qoForm::SetOnHide(WindowHandler handler) { return Bind(*this, events::kHide, handler); }
int qoForm::SetOnNotifIcon(CodeHandler handler) {
  return Bind(*this, events::kNotifyIcon, handler);
}
int qoForm::SetOnInitMenuPopup(MenuHandler handler) {
  return Bind(*this, events::kInitMenuPopup, handler);
}
int qoForm::SetOnMenuSelect(MenuHandler handler) {
  return Bind(*this, events::kMenuSelect, handler);
}
int qoForm::SetOnUserClose(WindowHandler handler) {
  return Bind(*this, events::kUserClose, handler);
}

}  // namespace marlivo::ui
