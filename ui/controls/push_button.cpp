// qoPushButton: creation, caption, the default and cancel roles in the top-level form,
// and the push-button level (Enter on the focused button, the button's icon).
#include "ui/controls/push_button.h"

#include "engine/text/code_page.h"
#include "ui/controls/control_hooks.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

constexpr wchar_t kButtonClass[] = L"Button";

void DestroyButtonIcon(ObjectCore* core) {
  if (const HICON icon = GetPropertyAs<HICON>(core, keys::kButtonIcon)) {
    ::DestroyIcon(icon);
    SetProperty(core, keys::kButtonIcon, 0);
  }
}

// The core of the button's top-level window, when the framework knows that window. A
// button without a parent is its own root and cannot hold a role in itself.
ObjectCore* RootCore(const qoWindowBase& button) {
  const HWND window = button.GetHwnd();
  if (window == nullptr) return nullptr;
  ObjectCore* root = FindCore(::GetAncestor(window, GA_ROOT));
  return root == button.GetCore() ? nullptr : root;
}

// Moves the root's reference under `key` to this button (or to nobody).
void HoldRole(ObjectCore* root, const char* key, ObjectCore* button, bool take) {
  Release(GetPropertyAs<ObjectCore*>(root, key));
  if (take) {
    AddRef(button);
    SetPropertyOf(root, key, button);
  } else {
    SetProperty(root, key, 0);
  }
}

}  // namespace

void InstallButtonLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = ButtonMessageHook;
  core->hooks->CleanupHook = ButtonCleanup;
}

LRESULT ButtonMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, int* handled) {
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    // The standard button ignores Enter; a focused framework button takes it as a click.
    ::SendMessageW(window, BM_CLICK, 0, 0);
  } else if (message == WM_NCDESTROY) {
    DestroyButtonIcon(core);
  }
  return ColorMessageHook(core, window, message, wParam, lParam, handled);
}

void ButtonCleanup(ObjectCore* core) {
  DestroyButtonIcon(core);
  ColorCleanup(core);
}

qoPushButton::qoPushButton() {
  SetType(types::kButton);
  InstallButtonLevel(GetCore());
}

std::unique_ptr<qoWindowBase> qoPushButton::Copy() const {
  return std::make_unique<qoPushButton>(*this);
}

int qoPushButton::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x,
                            int y, std::optional<SIZE> size, std::optional<int> id,
                            std::optional<DWORD> style, DWORD exStyle) {
  const SIZE extent = size.value_or(kButtonDefaultSize);
  const int controlId = id.has_value() ? *id : NextDefaultControlId();
  const wchar_t* caption = text.value_or(nullptr);
  return CreateChild(parent, caption != nullptr ? caption : types::kButtonW, x, y, extent.cx,
                     extent.cy, controlId, style.value_or(WS_TABSTOP), exStyle, kButtonClass);
}

int qoPushButton::CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                           std::optional<SIZE> size, std::optional<int> id,
                           std::optional<DWORD> style, DWORD exStyle) {
  const char* caption = text.value_or(nullptr);
  const std::wstring wide = text::GbkToWide(caption != nullptr ? caption : types::kButton);
  return CreateOnW(parent, wide.c_str(), x, y, size.value_or(kButtonDefaultSize),
                   id.has_value() ? *id : NextDefaultControlId(), style.value_or(WS_TABSTOP),
                   exStyle);
}

int qoPushButton::CreateFromMarkup(ControlParent, const char*) { return 0; }

std::wstring qoPushButton::TextW(std::optional<const wchar_t*> text) {
  if (!text.has_value()) return GetTextW();
  SetTextW(*text);
  return std::wstring();
}

std::string qoPushButton::Text(std::optional<const char*> text) {
  if (!text.has_value()) return GetText();
  SetText(*text);
  return std::string();
}

LRESULT qoPushButton::SetIcon(const gdi::qoIcon& icon) {
  DestroyButtonIcon(GetCore());
  AddWindowStyle(BS_ICON);
  const HICON copy = icon.CopyHandle();
  SetPropertyOf(GetCore(), keys::kButtonIcon, copy);
  return SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(copy));
}

gdi::qoIcon qoPushButton::GetIcon() const {
  const auto shown = reinterpret_cast<HICON>(
      ::SendMessageW(GetHwnd(), BM_GETIMAGE, IMAGE_ICON, 0));
  return gdi::qoIcon(shown != nullptr ? ::CopyIcon(shown) : nullptr);
}

int qoPushButton::DefaultButton(std::optional<int> value) {
  const int previous = (GetWindowStyle() & BS_DEFPUSHBUTTON) != 0 ? 1 : 0;
  if (!value.has_value()) return previous;
  ObjectCore* root = RootCore(*this);
  if (root == nullptr) return previous;
  if (*value != 0) {
    AddWindowStyle(BS_DEFPUSHBUTTON);
  } else {
    RemoveWindowStyle(BS_DEFPUSHBUTTON);
  }
  HoldRole(root, keys::kDefaultButton, GetCore(), *value != 0);
  return previous;
}

int qoPushButton::Cancel(std::optional<int> value) {
  const int previous = static_cast<int>(GetProperty(keys::kCancel));
  if (!value.has_value()) return previous;
  SetProperty(keys::kCancel, *value);
  if (ObjectCore* root = RootCore(*this)) {
    HoldRole(root, keys::kCancelButton, GetCore(), *value != 0);
  }
  return previous;
}

int qoPushButton::SetOnClick(ClickHandler handler) {
  return SetPropertyOf(GetCore(), events::kClick, handler);
}

}  // namespace marlivo::ui
