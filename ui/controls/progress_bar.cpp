// qoProgressBar: creation and the progress-bar messages. The rename job moves the bar
// from its worker thread; SendMessageW carries each call over to the window's thread.
#include "ui/controls/progress_bar.h"

#include "engine/text/code_page.h"

namespace marlivo::ui {

qoProgressBar::qoProgressBar() { SetType(types::kProgressBar); }

std::unique_ptr<qoWindowBase> qoProgressBar::Copy() const {
  return std::make_unique<qoProgressBar>(*this);
}

int qoProgressBar::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x,
                             int y, std::optional<SIZE> size, std::optional<int> id,
                             std::optional<DWORD> style, DWORD exStyle) {
  const SIZE extent = size.value_or(kProgressBarDefaultSize);
  const int controlId = id.has_value() ? *id : NextDefaultControlId();
  const wchar_t* caption = text.value_or(nullptr);
  return CreateChild(parent, caption != nullptr ? caption : L"", x, y, extent.cx, extent.cy,
                     controlId, style.value_or(0), exStyle, PROGRESS_CLASSW);
}

int qoProgressBar::CreateOn(ControlParent parent, std::optional<const char*> text, int x,
                            int y, std::optional<SIZE> size, std::optional<int> id,
                            std::optional<DWORD> style, DWORD exStyle) {
  const char* caption = text.value_or(nullptr);
  const std::wstring wide = text::GbkToWide(caption != nullptr ? caption : "");
  return CreateOnW(parent, wide.c_str(), x, y, size, id, style, exStyle);
}

int qoProgressBar::CreateFromMarkup(ControlParent, const char*) { return 0; }

int qoProgressBar::Position(std::optional<int> position) {
  if (position.has_value()) {
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(*position), 0));
  }
  return static_cast<int>(SendMessage(PBM_GETPOS, 0, 0));
}

LRESULT qoProgressBar::SetRange(int minimum, int maximum) {
  return SendMessage(PBM_SETRANGE, 0, MAKELPARAM(minimum, maximum));
}

PBRANGE qoProgressBar::GetRange() const {
  PBRANGE range{};
  ::SendMessageW(GetHwnd(), PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

COLORREF qoProgressBar::SetBarColor(COLORREF colour) {
  return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(colour)));
}

COLORREF qoProgressBar::GetBarColor() const {
  return static_cast<COLORREF>(::SendMessageW(GetHwnd(), PBM_GETBARCOLOR, 0, 0));
}

COLORREF qoProgressBar::SetBkColor(COLORREF colour) {
  return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, static_cast<LPARAM>(colour)));
}

COLORREF qoProgressBar::GetBkColor() const {
  return static_cast<COLORREF>(::SendMessageW(GetHwnd(), PBM_GETBKCOLOR, 0, 0));
}

int qoProgressBar::SetStep(int step) {
  return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step), 0));
}

}  // namespace marlivo::ui
