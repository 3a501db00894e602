// qoEdit: the system "Edit" control with a white background, its text in both text
// forms, thin wrappers over the edit messages, "OnTextChange", Tab and Enter for
// single-line use, and an optional vertical centring of a multi-line edit's text.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/controls/control.h"

namespace marlivo::ui {

inline constexpr SIZE kEditDefaultSize = {80, 20};
inline constexpr DWORD kEditDefaultStyle = ES_AUTOHSCROLL | WS_TABSTOP;
inline constexpr DWORD kEditDefaultExStyle = WS_EX_CLIENTEDGE;
inline constexpr COLORREF kEditBackColor = RGB(255, 255, 255);

class qoEdit : public qoColorControl {
 public:
  qoEdit();
  qoEdit(const qoEdit& other) = default;
  qoEdit& operator=(const qoEdit& other) = default;
  // The object's own copy. (`Copy()` without const is the clipboard operation below.)
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Replaces the base GetRect: the formatting rectangle, not the window rectangle.
  RECT GetRect() const override;

  // After creation: the white background brush; an edit with ES_WANTRETURN keeps Enter
  // for itself ("qoStyle" 2).
  virtual void InitEdit();
  // Defaults: empty text, 80 x 20, an id from the default counter, ES_AUTOHSCROLL |
  // WS_TABSTOP, WS_EX_CLIENTEDGE.
  virtual int CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                        std::optional<SIZE> size = std::nullopt,
                        std::optional<int> id = std::nullopt,
                        std::optional<DWORD> style = std::nullopt,
                        std::optional<DWORD> exStyle = std::nullopt);
  virtual int CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                       std::optional<SIZE> size = std::nullopt,
                       std::optional<int> id = std::nullopt,
                       std::optional<DWORD> style = std::nullopt,
                       std::optional<DWORD> exStyle = std::nullopt);
  // Creation from markup: the program has no markup reader, so this refuses with 0.
  virtual int CreateFromMarkup(ControlParent parent, const char* markup);
  // Without a text: the window text. With one: sets it and returns the empty text.
  virtual std::wstring TextW(std::optional<const wchar_t*> text = std::nullopt);
  virtual std::string Text(std::optional<const char*> text = std::nullopt);

  virtual LRESULT SetSel(int start, std::optional<int> end = std::nullopt);
  virtual void GetSel(DWORD& start, DWORD& end) const;
  // Puts the caret at the end and inserts the text there, undoably.
  virtual LRESULT AppendTextW(const wchar_t* text);
  virtual LRESULT AppendText(const char* text);
  virtual LRESULT ReplaceSelW(const wchar_t* text);
  virtual LRESULT ReplaceSel(const char* text);
  // With a length: EM_LIMITTEXT. Without: the current limit.
  virtual LRESULT MaxLength(std::optional<int> length = std::nullopt);
  virtual std::wstring GetPasswordCharW() const;
  virtual std::string GetPasswordChar() const;
  virtual LRESULT SetPasswordCharW(const wchar_t* text);
  virtual LRESULT SetPasswordChar(const char* text);
  virtual int SetReadOnly(std::optional<int> value = std::nullopt);
  virtual LRESULT SetFormatRect(const RECT& rect);
  // Without a value: the stored "vCenter". With one: stores it and lays the formatting
  // rectangle out again at once; from then on every WM_SIZE does (multi-line edits
  // only: single-line edits have no formatting rectangle to move).
  virtual int vCenter(std::optional<int> value = std::nullopt);
  virtual int CanUndo() const;
  virtual LRESULT Undo();
  virtual LRESULT EmptyUndoBuffer();
  virtual LRESULT Cut();
  // The clipboard copy of the selection.
  virtual LRESULT Copy();
  virtual LRESULT Paste();
  virtual LRESULT Clear();
  virtual int GetModify() const;
  virtual LRESULT SetModify(int value);
  virtual int GetFirstVisibleLine() const;
  // A line count of 0 is sent as 1. 1 or 0.
  virtual int LineScroll(int characters, int lines);
  // Scrolls so that the caret's line becomes the first visible line; 1 or 0.
  virtual int ScrollCaretToTop();
  virtual int GetLineCount() const;
  // The line's text; empty for an empty line, a line past the end or a failed copy.
  virtual std::wstring GetLineW(int line) const;
  virtual std::string GetLine(int line) const;
  virtual int GetLineLength(int line) const;
  // Default -1: the caret's line.
  virtual int LineIndex(std::optional<int> line = std::nullopt) const;
  virtual int LineFromChar(int index) const;
  virtual POINT PosFromChar(int index) const;
  virtual int CharFromPos(int x, int y) const;
  // The caret's column; its line goes to `line`.
  virtual int GetCaretLineCol(int& line) const;
  virtual int SetOnTextChange(TextChangeHandler handler);

 private:
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
};

}  // namespace marlivo::ui
