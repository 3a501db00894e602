// The program's main window as the tests see it from outside: the fifteen controls
// found by class and place, and worked only through window messages, as a user's
// clicks, typing and drops would work them.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/app/e2e/driver/bounded_wait.h"

namespace marlivo::e2e {

enum class Control {
  kStartButton,
  kMaterialFolderEdit,
  kDicFileEdit,
  kMaterialFolderLabel,
  kDicFileLabel,
  kStatusLabel,
  kFromFilenameRadio,
  kFromPropertiesRadio,
  kMaterialNameCheck,
  kFolderNameCheck,
  kMaterialDoubleLangCheck,
  kFolderDoubleLangCheck,
  kInvertCheck,
  kProgressBar,
  kBannerPicture,
};
inline constexpr int kControlCount = 15;

// Where a control sits: its window class and its window rectangle in the main window's
// client area. The two "Double Lang" boxes share their caption and differ only here.
struct ControlPlace {
  Control control;
  const char* name;          // for messages
  const wchar_t* class_name;
  int x, y, width, height;
};
extern const std::array<ControlPlace, kControlCount> kControlPlaces;

// The ten inputs that a run locks.
extern const std::array<Control, 10> kLockedControls;

class MainWindow {
 public:
  explicit MainWindow(HWND window) : window_(window) {}

  // Finds every control of the table among the window's children. On failure `problem`
  // says which are missing and what children there are.
  bool FindControls(std::string* problem);

  HWND window() const { return window_; }
  HWND handle(Control control) const;

  // The control's text (WM_GETTEXT: another process's window text can only be had by
  // asking its window).
  std::wstring Text(Control control) const;
  // What a user does. A user cannot reach a disabled control, while its window procedure
  // would still take these messages, so each of them does nothing and returns false
  // when the control is disabled.
  //
  // Replaces a field's text at once, as pasting over a selection does (WM_SETTEXT).
  bool SetText(Control control, std::wstring_view text) const;
  // Types into a field key by key: all selected first, then one WM_CHAR per character.
  bool Type(Control control, std::wstring_view text) const;
  // A click on a button, check box or radio button (BM_CLICK: press and release). It
  // returns once the program has handled the click.
  bool Click(Control control) const;
  // A double click with the left button in the middle of the control, as the mouse
  // sends it: down, up, double click, up.
  bool DoubleClick(Control control) const;
  // Drops the files (full paths) on the control as the shell drops them: WM_DROPFILES
  // with a DROPFILES block in the program's memory. False when the block could not be
  // made there or the message was not taken.
  bool DropFiles(Control control, const std::vector<std::wstring>& paths) const;

  int CheckState(Control control) const;  // BM_GETCHECK
  bool IsEnabled(Control control) const;
  int ProgressPosition() const;           // PBM_GETPOS
  std::pair<int, int> ProgressRange() const;  // PBM_GETRANGE
  DWORD Style(Control control) const;
  DWORD ExStyle(Control control) const;
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  RECT WindowRect() const;
  RECT ClientRectOnScreen() const;

  // Clicks "Start" and waits until the run has ended: "done it!" shown and the inputs
  // enabled again. The click locks the inputs before it returns, so a "done it!" left
  // from an earlier run is not taken for this run's end. On failure `problem` says why.
  bool RunToTheEnd(std::string* problem = nullptr) const;

  // Has the window and its controls paint what is pending, and waits until they have.
  bool WaitUntilPainted() const;

  // Waits until the status line shows `text`.
  bool WaitForStatus(std::wstring_view text, DWORD timeout_ms = kDefaultWaitMs) const;

 private:
  LRESULT Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND window_;
  std::array<HWND, kControlCount> controls_{};
};

const char* ControlName(Control control);

}  // namespace marlivo::e2e
