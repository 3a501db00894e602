// qoLabel: creation defaults, text, and the label level.
#include "ui/controls/label.h"

#include "engine/text/code_page.h"
#include "ui/controls/control_hooks.h"

namespace marlivo::ui {
namespace {

constexpr wchar_t kStaticClass[] = L"Static";

}  // namespace

void InstallLabelLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = LabelMessageHook;
}

LRESULT LabelMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled) {
  // A centred text moves when the label changes size; repainting the whole label keeps
  // the old text from staying behind. The background is painted with the text, so no
  // erase is needed and nothing flickers.
  if (message == WM_SIZE) ::InvalidateRect(window, nullptr, FALSE);
  return ColorMessageHook(core, window, message, wParam, lParam, handled);
}

qoLabel::qoLabel() {
  SetType(types::kLabel);
  InstallLabelLevel(GetCore());
}

std::unique_ptr<qoWindowBase> qoLabel::Copy() const { return std::make_unique<qoLabel>(*this); }

void qoLabel::InitLabel() { BackColor(::GetSysColor(COLOR_BTNFACE)); }

int qoLabel::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                       std::optional<SIZE> size, std::optional<int> id,
                       std::optional<DWORD> style, DWORD exStyle) {
  const SIZE extent = size.value_or(kLabelDefaultSize);
  const int controlId = id.has_value() ? *id : NextDefaultControlId();
  const wchar_t* caption = text.value_or(nullptr);
  if (!CreateChild(parent, caption != nullptr ? caption : types::kLabelW, x, y, extent.cx,
                   extent.cy, controlId, style.value_or(SS_CENTERIMAGE) | SS_NOTIFY, exStyle,
                   kStaticClass)) {
    return 0;
  }
  InitLabel();
  return 1;
}

int qoLabel::CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                      std::optional<SIZE> size, std::optional<int> id,
                      std::optional<DWORD> style, DWORD exStyle) {
  const char* caption = text.value_or(nullptr);
  const std::wstring wide = text::GbkToWide(caption != nullptr ? caption : types::kLabel);
  return CreateOnW(parent, wide.c_str(), x, y, size, id, style, exStyle);
}

int qoLabel::CreateFromMarkup(ControlParent, const char*) { return 0; }

std::wstring qoLabel::TextW(std::optional<const wchar_t*> text) {
  if (!text.has_value()) return GetTextW();
  SetTextW(*text);
  return std::wstring();
}

std::string qoLabel::Text(std::optional<const char*> text) {
  if (!text.has_value()) return GetText();
  SetText(*text);
  return std::string();
}

}  // namespace marlivo::ui
