// qoCheckBox and qoRadioButton: their creation defaults, check states and class levels.
#include "ui/controls/check_box.h"

#include <string>

#include "engine/text/code_page.h"
#include "ui/controls/control_hooks.h"

namespace marlivo::ui {
namespace {

constexpr wchar_t kButtonClass[] = L"Button";

int CheckedState(qoWindowBase& button, std::optional<int> value) {
  if (value.has_value()) {
    return button.SendMessage(BM_SETCHECK, *value != 0 ? BST_CHECKED : BST_UNCHECKED, 0) != 0
               ? 1
               : 0;
  }
  // An indeterminate box counts as checked.
  return button.SendMessage(BM_GETCHECK, 0, 0) != BST_UNCHECKED ? 1 : 0;
}

// The common creation path of both classes: the defaults, then the class's type bits.
int CreateButtonOfType(qoControl& control, ControlParent parent, const wchar_t* text,
                       const wchar_t* defaultText, int x, int y, std::optional<SIZE> size,
                       std::optional<int> id, DWORD style, DWORD exStyle) {
  const SIZE extent = size.value_or(kButtonDefaultSize);
  const int controlId = id.has_value() ? *id : NextDefaultControlId();
  return control.CreateChild(parent, text != nullptr ? text : defaultText, x, y, extent.cx,
                             extent.cy, controlId, style, exStyle, kButtonClass);
}

std::wstring WideCaption(std::optional<const char*> text, const char* defaultText) {
  const char* caption = text.value_or(nullptr);
  return text::GbkToWide(caption != nullptr ? caption : defaultText);
}

}  // namespace

void InstallRadioLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->ReflectHook = RadioReflectHook;
}

qoCheckBox::qoCheckBox() { SetType(types::kCheckBox); }

std::unique_ptr<qoWindowBase> qoCheckBox::Copy() const {
  return std::make_unique<qoCheckBox>(*this);
}

int qoCheckBox::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x,
                          int y, std::optional<SIZE> size, std::optional<int> id,
                          std::optional<DWORD> style, DWORD exStyle) {
  return CreateButtonOfType(*this, parent, text.value_or(nullptr), types::kCheckBoxW, x, y,
                            size, id, style.value_or(WS_TABSTOP) | BS_AUTOCHECKBOX, exStyle);
}

int qoCheckBox::CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                         std::optional<SIZE> size, std::optional<int> id,
                         std::optional<DWORD> style, DWORD exStyle) {
  const std::wstring wide = WideCaption(text, types::kCheckBox);
  return CreateOnW(parent, wide.c_str(), x, y, size.value_or(kButtonDefaultSize),
                   id.has_value() ? *id : NextDefaultControlId(),
                   style.value_or(WS_TABSTOP) | BS_AUTOCHECKBOX, exStyle);
}

int qoCheckBox::CreateFromMarkup(ControlParent, const char*) { return 0; }

int qoCheckBox::Checked(std::optional<int> value) { return CheckedState(*this, value); }

qoRadioButton::qoRadioButton() {
  SetType(types::kRadioButton);
  InstallRadioLevel(GetCore());
}

std::unique_ptr<qoWindowBase> qoRadioButton::Copy() const {
  return std::make_unique<qoRadioButton>(*this);
}

int qoRadioButton::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x,
                             int y, std::optional<SIZE> size, std::optional<int> id,
                             std::optional<DWORD> style, DWORD exStyle) {
  return CreateButtonOfType(*this, parent, text.value_or(nullptr), types::kRadioButtonW, x, y,
                            size, id, style.value_or(0) | BS_RADIOBUTTON, exStyle);
}

int qoRadioButton::CreateOn(ControlParent parent, std::optional<const char*> text, int x,
                            int y, std::optional<SIZE> size, std::optional<int> id,
                            std::optional<DWORD> style, DWORD exStyle) {
  const std::wstring wide = WideCaption(text, types::kRadioButton);
  return CreateOnW(parent, wide.c_str(), x, y, size.value_or(kButtonDefaultSize),
                   id.has_value() ? *id : NextDefaultControlId(),
                   style.value_or(0) | BS_RADIOBUTTON, exStyle);
}

int qoRadioButton::CreateFromMarkup(ControlParent, const char*) { return 0; }

int qoRadioButton::Checked(std::optional<int> value) { return CheckedState(*this, value); }

}  // namespace marlivo::ui
