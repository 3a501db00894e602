// qoApplication: the process-level object of the framework. It prepares what every
// window needs before the first one exists (window registry, module instance, GDI+,
// ActiveX control hosting, common-control classes), answers questions about the running
// program, and runs the message loop of the program's main window.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/framework/window_base.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

// Framework style flags ("qoStyle") that the message loops read on the message's window.
inline constexpr DWORD kStyleOwnTab = 0x1;     // the window takes Tab (and, in the dialog
                                               // loop, every navigation key) itself
inline constexpr DWORD kStyleOwnEnter = 0x2;   // the window takes Enter itself
inline constexpr DWORD kStyleOwnArrows = 0x4;  // the window takes the arrow keys (dialog loop)

class qoApplication {
 public:
  // GDI+ not started; the window member refers to no window.
  qoApplication();
  qoApplication(const qoApplication& other);
  qoApplication& operator=(const qoApplication&) = delete;

  // Destroys the window member. GDI+ is not shut down: it serves the process to its end.
  virtual ~qoApplication();
  // Same GDI+ token, a copy of the window member.
  virtual std::unique_ptr<qoApplication> Clone() const;
  // Installs the out-of-memory rule for operator new (process_heap.h; the program
  // registers its exit sequence there), creates the registry unless it exists, records
  // the module instance (the given one, else the process's module), starts GDI+ once,
  // registers the ActiveX host window class when the flag is omitted or 1, and the
  // common-control classes (default 0xFFFF).
  // The results of the three system initialisations are not examined: a failure shows
  // later as windows or images that cannot be drawn.
  virtual void Initialise(std::optional<HINSTANCE> instance = std::nullopt,
                          std::optional<int> atlHosting = std::nullopt,
                          std::optional<DWORD> commonControlClasses = std::nullopt);
  virtual HINSTANCE GetInstance() const;
  // The command line split by CommandLineToArgvW (argument 0 is the program as typed);
  // their number. 0 and the array untouched when the line cannot be split.
  virtual int GetArgumentsW(std::vector<std::wstring>& arguments) const;
  virtual int GetArguments(std::vector<std::string>& arguments) const;
  // The folder and the file name of the program's module (MAX_PATH units at most).
  virtual std::wstring GetProgramDirW() const;
  virtual std::string GetProgramDir() const;
  virtual std::wstring GetProgramFileNameW() const;
  virtual std::string GetProgramFileName() const;
  // The window reached by following GetParent until there is none; 0 for 0.
  virtual HWND GetTopLevelWindow(HWND window) const;
  // Moves the focus to the next visible, enabled tab stop among the window's siblings
  // (after the focused one, wrapping round); the window that had the focus, 0 when the
  // focus did not move.
  virtual HWND FocusNextTabStop(HWND window);
  // The message loop with the system's dialog navigation (IsDialogMessageW).
  virtual WPARAM RunDialogLoop(const qoWindowBase& window, std::optional<int> show = std::nullopt);
  // The program's message loop: runs until WM_QUIT or until the window is gone, with
  // accelerators, ActiveX pre-translation and the framework's keyboard navigation. The
  // last message's wParam; 1 at once when the window does not exist.
  virtual WPARAM Run(const qoWindowBase& window, std::optional<int> show = std::nullopt);
  virtual void Quit();

  // The token GdiplusStartup gave; 0 while GDI+ is not started by this object.
  ULONG_PTR GetGdiplusToken() const;
  // The window member: the window that Run runs, or the initial windowless form.
  const qoWindowBase& GetWindowMember() const;

 private:
  // Replaces the window member by a copy of the window; the member's window, if alive.
  HWND AdoptWindow(const qoWindowBase& window, std::optional<int> show);

  ULONG_PTR gdiplusToken_;
  std::unique_ptr<qoWindowBase> window_;
};

// The keyboard navigation step of Run: Tab and Shift+Tab move the focus among the root's
// tab stops, Escape sends IDCANCEL to the root, Enter sends IDOK. Whether the key
// message was consumed. A window whose "qoStyle" has bit 0x1 keeps Tab, bit 0x2 Enter.
bool NavigationStep(HWND root, ObjectCore* target, const MSG& message);

}  // namespace marlivo::ui
