// qoWindowBase: style flags, messages, focus, geometry, window styles, text, message
// boxes, drag and drop, timers, layout and default processing. Each is a thin call on
// the bound window.
#include "ui/framework/win32.h"

#include <shellapi.h>

#include "engine/text/code_page.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/borders.h"
#include "ui/framework/layout.h"
#include "ui/framework/window_base.h"

namespace marlivo::ui {
namespace {

// 信息： ("information:"), the title of a message box that is given none.
constexpr wchar_t kDefaultMessageBoxTitle[] = L"\x4FE1\x606F\xFF1A";
constexpr int kClassNameUnits = 260;

// The window rectangle in the parent's client coordinates. A window without a parent
// keeps its screen coordinates, since ScreenToClient on no window fails.
RECT RectInParent(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const HWND parent = ::GetParent(window);
  POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
  if (::ScreenToClient(parent, &corners[0]) && ::ScreenToClient(parent, &corners[1])) {
    rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  return rect;
}

int RepaintFlag(const std::optional<int>& repaint) { return repaint.value_or(TRUE); }

DWORD ReplaceLong(HWND window, int index, DWORD value) {
  const DWORD previous =
      static_cast<DWORD>(::SetWindowLongW(window, index, static_cast<LONG>(value)));
  RefreshFrame(window);
  return previous;
}

DWORD ReadLong(HWND window, int index) {
  return static_cast<DWORD>(::GetWindowLongW(window, index));
}

}  // namespace

DWORD qoWindowBase::AddStyle(DWORD bits) {
  const DWORD old = GetStyle();
  SetProperty(keys::kStyle, static_cast<std::intptr_t>(old | bits));
  return old;
}

DWORD qoWindowBase::RemoveStyle(DWORD bits) {
  const DWORD old = GetStyle();
  SetProperty(keys::kStyle, static_cast<std::intptr_t>(old & ~bits));
  return old;
}

DWORD qoWindowBase::GetStyle() const {
  return static_cast<DWORD>(GetProperty(keys::kStyle));
}

DWORD qoWindowBase::SetStyle(DWORD value) {
  const DWORD old = GetStyle();
  SetProperty(keys::kStyle, static_cast<std::intptr_t>(value));
  return old;
}

int qoWindowBase::Show(std::optional<int> command) {
  return ::ShowWindow(GetHwnd(), command.value_or(SW_SHOW)) ? 1 : 0;
}

LRESULT qoWindowBase::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(GetHwnd(), message, wParam, lParam);
}

int qoWindowBase::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(GetHwnd(), message, wParam, lParam) ? 1 : 0;
}

HWND qoWindowBase::SetCapture() { return ::SetCapture(GetHwnd()); }

int qoWindowBase::ReleaseCapture() { return ::ReleaseCapture() ? 1 : 0; }

std::wstring qoWindowBase::GetClassNameW() const {
  wchar_t name[kClassNameUnits] = {};
  const int length = ::GetClassNameW(GetHwnd(), name, kClassNameUnits);
  return length > 0 ? std::wstring(name, static_cast<std::size_t>(length)) : std::wstring();
}

std::string qoWindowBase::GetClassName() const { return text::WideToGbk(GetClassNameW()); }

int qoWindowBase::IsWindow() const { return ::IsWindow(GetHwnd()) ? 1 : 0; }

LRESULT qoWindowBase::Close() { return SendMessage(WM_CLOSE, 0, 0); }

HWND qoWindowBase::SetFocus() { return ::SetFocus(GetHwnd()); }

int qoWindowBase::HasFocus() const {
  const HWND window = GetHwnd();
  return window != nullptr && ::GetFocus() == window ? 1 : 0;
}

RECT qoWindowBase::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(GetHwnd(), &rect);
  return rect;
}

int qoWindowBase::GetClientWidth() const {
  const RECT rect = GetClientRect();
  return rect.right - rect.left;
}

int qoWindowBase::GetClientHeight() const {
  const RECT rect = GetClientRect();
  return rect.bottom - rect.top;
}

RECT qoWindowBase::GetRect() const { return RectInParent(GetHwnd()); }

LRESULT qoWindowBase::LockRedraw() { return SendMessage(WM_SETREDRAW, FALSE, 0); }

LRESULT qoWindowBase::UnlockRedraw() { return SendMessage(WM_SETREDRAW, TRUE, 0); }

int qoWindowBase::Invalidate(std::optional<int> erase) {
  const HWND window = GetHwnd();
  if (window == nullptr) return 0;
  return ::InvalidateRect(window, nullptr, erase.value_or(TRUE)) ? 1 : 0;
}

int qoWindowBase::InvalidateRect(const RECT& rect, int erase) {
  const HWND window = GetHwnd();
  if (window == nullptr) return 0;
  return ::InvalidateRect(window, &rect, erase) ? 1 : 0;
}

int qoWindowBase::Validate() { return ::ValidateRect(GetHwnd(), nullptr) ? 1 : 0; }

int qoWindowBase::Update() { return ::UpdateWindow(GetHwnd()) ? 1 : 0; }

void qoWindowBase::Move(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                        std::optional<int> height, std::optional<int> repaint) {
  const HWND window = GetHwnd();
  if (window == nullptr) return;
  const RECT rect = RectInParent(window);
  ::MoveWindow(window, x.value_or(rect.left), y.value_or(rect.top),
               width.value_or(rect.right - rect.left), height.value_or(rect.bottom - rect.top),
               RepaintFlag(repaint));
}

// Position and extent always come from the window rectangle itself, never through the
// GetRect entry: a class may replace that with another rectangle (the edit box answers
// its formatting rectangle), and its position must not move with it.
POINT qoWindowBase::GetPosition() const {
  const RECT rect = RectInParent(GetHwnd());
  return POINT{rect.left, rect.top};
}

void qoWindowBase::SetPosition(POINT position, std::optional<int> repaint) {
  const SIZE size = GetSize();
  ::MoveWindow(GetHwnd(), position.x, position.y, size.cx, size.cy, RepaintFlag(repaint));
}

SIZE qoWindowBase::GetSize() const {
  RECT rect{};
  ::GetWindowRect(GetHwnd(), &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void qoWindowBase::SetSize(SIZE size, std::optional<int> repaint) {
  const POINT position = GetPosition();
  ::MoveWindow(GetHwnd(), position.x, position.y, size.cx, size.cy, RepaintFlag(repaint));
}

int qoWindowBase::Left(std::optional<int> value, std::optional<int> repaint) {
  const RECT rect = RectInParent(GetHwnd());
  if (!value.has_value()) return rect.left;
  return ::MoveWindow(GetHwnd(), *value, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, RepaintFlag(repaint));
}

int qoWindowBase::Top(std::optional<int> value, std::optional<int> repaint) {
  const RECT rect = RectInParent(GetHwnd());
  if (!value.has_value()) return rect.top;
  return ::MoveWindow(GetHwnd(), rect.left, *value, rect.right - rect.left,
                      rect.bottom - rect.top, RepaintFlag(repaint));
}

int qoWindowBase::Width(std::optional<int> value, std::optional<int> repaint) {
  const RECT rect = RectInParent(GetHwnd());
  if (!value.has_value()) return rect.right - rect.left;
  return ::MoveWindow(GetHwnd(), rect.left, rect.top, *value, rect.bottom - rect.top,
                      RepaintFlag(repaint));
}

int qoWindowBase::Height(std::optional<int> value, std::optional<int> repaint) {
  const RECT rect = RectInParent(GetHwnd());
  if (!value.has_value()) return rect.bottom - rect.top;
  return ::MoveWindow(GetHwnd(), rect.left, rect.top, rect.right - rect.left, *value,
                      RepaintFlag(repaint));
}

int qoWindowBase::SetZOrder(std::optional<int> position) {
  HWND insertAfter = HWND_TOP;
  switch (position.value_or(1)) {
    case 2: insertAfter = HWND_BOTTOM; break;
    case 3: insertAfter = HWND_TOPMOST; break;
    case 4: insertAfter = HWND_NOTOPMOST; break;
    default: break;
  }
  return ::SetWindowPos(GetHwnd(), insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) ? 1 : 0;
}

HWND qoWindowBase::SetParent(HWND parent) { return ::SetParent(GetHwnd(), parent); }

HWND qoWindowBase::GetParent() const { return ::GetParent(GetHwnd()); }

int qoWindowBase::Visible(std::optional<int> flag) {
  if (!flag.has_value()) return ::IsWindowVisible(GetHwnd()) ? 1 : 0;
  return ::ShowWindow(GetHwnd(), *flag != 0 ? SW_SHOW : SW_HIDE) ? 1 : 0;
}

int qoWindowBase::Disabled(std::optional<int> flag) {
  if (!flag.has_value()) return ::IsWindowEnabled(GetHwnd()) ? 0 : 1;
  return ::EnableWindow(GetHwnd(), *flag == 0) ? 1 : 0;
}

DWORD qoWindowBase::GetWindowStyle() const { return ReadLong(GetHwnd(), GWL_STYLE); }

DWORD qoWindowBase::SetWindowStyle(DWORD style) {
  return ReplaceLong(GetHwnd(), GWL_STYLE, style);
}

DWORD qoWindowBase::AddWindowStyle(DWORD bits) {
  const HWND window = GetHwnd();
  return ReplaceLong(window, GWL_STYLE, ReadLong(window, GWL_STYLE) | bits);
}

DWORD qoWindowBase::RemoveWindowStyle(DWORD bits) {
  const HWND window = GetHwnd();
  return ReplaceLong(window, GWL_STYLE, ReadLong(window, GWL_STYLE) & ~bits);
}

DWORD qoWindowBase::GetWindowExStyle() const { return ReadLong(GetHwnd(), GWL_EXSTYLE); }

DWORD qoWindowBase::SetWindowExStyle(DWORD exStyle) {
  return ReplaceLong(GetHwnd(), GWL_EXSTYLE, exStyle);
}

DWORD qoWindowBase::AddWindowExStyle(DWORD bits) {
  const HWND window = GetHwnd();
  return ReplaceLong(window, GWL_EXSTYLE, ReadLong(window, GWL_EXSTYLE) | bits);
}

DWORD qoWindowBase::RemoveWindowExStyle(DWORD bits) {
  const HWND window = GetHwnd();
  return ReplaceLong(window, GWL_EXSTYLE, ReadLong(window, GWL_EXSTYLE) & ~bits);
}

int qoWindowBase::GetTextLength() const { return ::GetWindowTextLengthW(GetHwnd()); }

std::wstring qoWindowBase::GetTextW() const {
  const HWND window = GetHwnd();
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string qoWindowBase::GetText() const { return text::WideToGbk(GetTextW()); }

int qoWindowBase::SetTextW(const wchar_t* text) {
  return ::SetWindowTextW(GetHwnd(), text != nullptr ? text : L"") ? 1 : 0;
}

int qoWindowBase::SetText(const char* text) {
  const std::wstring wide = text::GbkToWide(text != nullptr ? text : "");
  return ::SetWindowTextW(GetHwnd(), wide.c_str()) ? 1 : 0;
}

int qoWindowBase::MessageBoxW(const wchar_t* text, std::optional<UINT> type,
                              std::optional<const wchar_t*> title) {
  return ::MessageBoxW(GetHwnd(), text, title.value_or(kDefaultMessageBoxTitle),
                       type.value_or(0));
}

int qoWindowBase::MessageBox(const char* text, std::optional<UINT> type,
                             std::optional<const char*> title) {
  const std::wstring wideText = text::GbkToWide(text != nullptr ? text : "");
  std::wstring wideTitle = kDefaultMessageBoxTitle;
  if (title.has_value()) wideTitle = text::GbkToWide(*title != nullptr ? *title : "");
  return ::MessageBoxW(GetHwnd(), wideText.c_str(), wideTitle.c_str(), type.value_or(0));
}

void qoWindowBase::DragAcceptFiles(int accept) { ::DragAcceptFiles(GetHwnd(), accept); }

int qoWindowBase::SetTimer(UINT interval, std::optional<UINT_PTR> id) {
  return ::SetTimer(GetHwnd(), id.value_or(1), interval, nullptr) != 0 ? 1 : 0;
}

int qoWindowBase::KillTimer(std::optional<UINT_PTR> id) {
  return ::KillTimer(GetHwnd(), id.value_or(1)) ? 1 : 0;
}

int qoWindowBase::SetLayout(qoLayoutBase& layout) {
  ObjectCore* layoutCore = layout.GetCore();
  if (layoutCore == nullptr || GetCore() == nullptr) return 0;
  // A layout set over another gives the earlier one its reference back.
  ObjectCore* previous = GetPropertyAs<ObjectCore*>(GetCore(), keys::kLayout);
  AddRef(layoutCore);
  SetPropertyOf(GetCore(), keys::kLayout, layoutCore);
  Release(previous);
  if (RECT* buffer = layout.GetRectBuffer()) *buffer = GetClientRect();
  layout.Arrange();
  return 1;
}

LRESULT qoWindowBase::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const std::intptr_t replaced = GetProperty(keys::kOldWndProc)) {
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(replaced), GetHwnd(), message, wParam,
                             lParam);
  }
  return ::DefWindowProcW(GetHwnd(), message, wParam, lParam);
}

}  // namespace marlivo::ui
