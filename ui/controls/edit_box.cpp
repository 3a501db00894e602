// qoEdit: creation, text and the wrappers over the edit messages.
#include "ui/controls/edit_box.h"

#include <algorithm>
#include <vector>

#include "engine/text/code_page.h"
#include "ui/controls/control_hooks.h"
#include "ui/framework/application.h"

namespace marlivo::ui {
namespace {

constexpr wchar_t kEditClass[] = L"Edit";

std::wstring WideOf(const char* text) { return text::GbkToWide(text != nullptr ? text : ""); }

}  // namespace

qoEdit::qoEdit() {
  SetType(types::kEdit);
  InstallEditLevel(GetCore());
}

std::unique_ptr<qoWindowBase> qoEdit::Copy() const { return std::make_unique<qoEdit>(*this); }

LRESULT qoEdit::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(GetHwnd(), message, wParam, lParam);
}

RECT qoEdit::GetRect() const {
  RECT rect{};
  Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void qoEdit::InitEdit() {
  BackColor(kEditBackColor);
  if ((GetWindowStyle() & ES_WANTRETURN) != 0) SetStyle(kStyleOwnEnter);
}

int qoEdit::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                      std::optional<SIZE> size, std::optional<int> id,
                      std::optional<DWORD> style, std::optional<DWORD> exStyle) {
  const SIZE extent = size.value_or(kEditDefaultSize);
  const int controlId = id.has_value() ? *id : NextDefaultControlId();
  if (!CreateChild(parent, text.value_or(L""), x, y, extent.cx, extent.cy, controlId,
                   style.value_or(kEditDefaultStyle), exStyle.value_or(kEditDefaultExStyle),
                   kEditClass)) {
    return 0;
  }
  InitEdit();
  return 1;
}

int qoEdit::CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                     std::optional<SIZE> size, std::optional<int> id,
                     std::optional<DWORD> style, std::optional<DWORD> exStyle) {
  const std::wstring wide = WideOf(text.value_or(""));
  return CreateOnW(parent, wide.c_str(), x, y, size, id, style, exStyle);
}

int qoEdit::CreateFromMarkup(ControlParent, const char*) { return 0; }

std::wstring qoEdit::TextW(std::optional<const wchar_t*> text) {
  if (!text.has_value()) return GetTextW();
  SetTextW(*text);
  return std::wstring();
}

std::string qoEdit::Text(std::optional<const char*> text) {
  if (!text.has_value()) return GetText();
  SetText(*text);
  return std::string();
}

LRESULT qoEdit::SetSel(int start, std::optional<int> end) {
  return Send(EM_SETSEL, static_cast<WPARAM>(start), end.value_or(-1));
}

void qoEdit::GetSel(DWORD& start, DWORD& end) const {
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

LRESULT qoEdit::AppendTextW(const wchar_t* text) {
  // A start of -2 is past every text: the selection collapses to the end.
  Send(EM_SETSEL, static_cast<WPARAM>(-2), -1);
  return ReplaceSelW(text);
}

LRESULT qoEdit::AppendText(const char* text) { return AppendTextW(WideOf(text).c_str()); }

LRESULT qoEdit::ReplaceSelW(const wchar_t* text) {
  return Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text != nullptr ? text : L""));
}

LRESULT qoEdit::ReplaceSel(const char* text) { return ReplaceSelW(WideOf(text).c_str()); }

LRESULT qoEdit::MaxLength(std::optional<int> length) {
  if (length.has_value()) return Send(EM_LIMITTEXT, static_cast<WPARAM>(*length), 0);
  return Send(EM_GETLIMITTEXT, 0, 0);
}

std::wstring qoEdit::GetPasswordCharW() const {
  const auto character = static_cast<wchar_t>(Send(EM_GETPASSWORDCHAR, 0, 0));
  return character == L'\0' ? std::wstring() : std::wstring(1, character);
}

std::string qoEdit::GetPasswordChar() const { return text::WideToGbk(GetPasswordCharW()); }

LRESULT qoEdit::SetPasswordCharW(const wchar_t* text) {
  const wchar_t character = text != nullptr ? text[0] : L'\0';
  const LRESULT result = Send(EM_SETPASSWORDCHAR, character, 0);
  Invalidate();
  return result;
}

LRESULT qoEdit::SetPasswordChar(const char* text) {
  return SetPasswordCharW(WideOf(text).c_str());
}

int qoEdit::SetReadOnly(std::optional<int> value) {
  return Send(EM_SETREADONLY, value.value_or(TRUE), 0) != 0 ? 1 : 0;
}

LRESULT qoEdit::SetFormatRect(const RECT& rect) {
  return Send(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rect));
}

int qoEdit::vCenter(std::optional<int> value) {
  if (!value.has_value()) return static_cast<int>(GetProperty(keys::kVerticalCentre));
  SetProperty(keys::kVerticalCentre, *value);
  if (const HWND window = GetHwnd()) {
    const RECT client = GetClientRect();
    ::SendMessageW(window, WM_SIZE, 0,
                   MAKELPARAM(client.right - client.left, client.bottom - client.top));
  }
  return 1;
}

int qoEdit::CanUndo() const { return Send(EM_CANUNDO, 0, 0) != 0 ? 1 : 0; }

LRESULT qoEdit::Undo() { return Send(EM_UNDO, 0, 0); }

LRESULT qoEdit::EmptyUndoBuffer() { return Send(EM_EMPTYUNDOBUFFER, 0, 0); }

LRESULT qoEdit::Cut() { return Send(WM_CUT, 0, 0); }

LRESULT qoEdit::Copy() { return Send(WM_COPY, 0, 0); }

LRESULT qoEdit::Paste() { return Send(WM_PASTE, 0, 0); }

LRESULT qoEdit::Clear() { return Send(WM_CLEAR, 0, 0); }

int qoEdit::GetModify() const { return Send(EM_GETMODIFY, 0, 0) != 0 ? 1 : 0; }

LRESULT qoEdit::SetModify(int value) { return Send(EM_SETMODIFY, value, 0); }

int qoEdit::GetFirstVisibleLine() const {
  return static_cast<int>(Send(EM_GETFIRSTVISIBLELINE, 0, 0));
}

int qoEdit::LineScroll(int characters, int lines) {
  return Send(EM_LINESCROLL, static_cast<WPARAM>(characters), lines == 0 ? 1 : lines) != 0
             ? 1
             : 0;
}

int qoEdit::ScrollCaretToTop() {
  DWORD start = 0;
  DWORD end = 0;
  GetSel(start, end);
  const int line = LineFromChar(static_cast<int>(start));
  const int column = static_cast<int>(start) - LineIndex(line);
  return Send(EM_LINESCROLL, static_cast<WPARAM>(column), line - GetFirstVisibleLine()) != 0
             ? 1
             : 0;
}

int qoEdit::GetLineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT, 0, 0)); }

std::wstring qoEdit::GetLineW(int line) const {
  const int length = GetLineLength(line);
  if (length <= 0) return std::wstring();
  // EM_GETLINE reads the buffer's size from its first word and writes no terminator.
  std::vector<wchar_t> buffer(static_cast<std::size_t>(std::max(length, 1)), L'\0');
  buffer[0] = static_cast<wchar_t>(length);
  const LRESULT copied = Send(EM_GETLINE, static_cast<WPARAM>(line),
                              reinterpret_cast<LPARAM>(buffer.data()));
  if (copied <= 0) return std::wstring();
  return std::wstring(buffer.data(), static_cast<std::size_t>(std::min<LRESULT>(copied, length)));
}

std::string qoEdit::GetLine(int line) const { return text::WideToGbk(GetLineW(line)); }

int qoEdit::GetLineLength(int line) const {
  return static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(LineIndex(line)), 0));
}

int qoEdit::LineIndex(std::optional<int> line) const {
  return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line.value_or(-1)), 0));
}

int qoEdit::LineFromChar(int index) const {
  return static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0));
}

POINT qoEdit::PosFromChar(int index) const {
  const LRESULT position = Send(EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  return POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

int qoEdit::CharFromPos(int x, int y) const {
  return static_cast<short>(LOWORD(Send(EM_CHARFROMPOS, 0, MAKELPARAM(x, y))));
}

int qoEdit::GetCaretLineCol(int& line) const {
  DWORD start = 0;
  DWORD end = 0;
  GetSel(start, end);
  line = LineFromChar(static_cast<int>(start));
  return static_cast<int>(start) - LineIndex(line);
}

int qoEdit::SetOnTextChange(TextChangeHandler handler) {
  return SetPropertyOf(GetCore(), events::kTextChange, handler);
}

}  // namespace marlivo::ui
