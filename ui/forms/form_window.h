// qoWindow: a form with a window of its own, of the framework's class "qoWindow" (or a
// class of the caller's name registered the same way): made with CreateFormW, or run as
// a modal window with its own message loop by RunModalW. The program's main window is
// one.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ui/forms/form.h"

namespace marlivo::ui {

inline constexpr POINT kFormDefaultPosition = {50, 50};
inline constexpr SIZE kFormDefaultSize = {380, 250};
// WS_VISIBLE | WS_CAPTION | WS_SYSMENU (WS_CAPTION holds WS_BORDER and WS_DLGFRAME).
inline constexpr DWORD kFormDefaultStyle = 0x10C80000;

class qoWindow : public qoForm {
 public:
  // The class level: centred over the owner when made ("StartPosition" 2), "窗口".
  qoWindow();
  qoWindow(const qoWindow& other) = default;
  qoWindow& operator=(const qoWindow& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Binds an existing window directly (SubclassWindow).
  int Attach(HWND window) override;

  // Makes the form's window: an empty class name means "qoWindow" (registered on every
  // call; a class that exists already is no error); omitted title, position, size and
  // style take the empty text, (50, 50), 380 x 250 and kFormDefaultStyle. Without a
  // parent and with noTaskbarButton non-zero, a hidden window owns the form and keeps
  // it off the taskbar. The start position, the border kind, WS_CLIPCHILDREN and
  // WS_CLIPSIBLINGS apply. 1 when the window was made.
  virtual int CreateFormW(HWND parent, std::optional<const wchar_t*> title = std::nullopt,
                          std::optional<POINT> position = std::nullopt,
                          std::optional<SIZE> size = std::nullopt,
                          std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0,
                          int noTaskbarButton = 0, const wchar_t* className = nullptr);
  // The same with GBK texts.
  virtual int CreateForm(HWND parent, std::optional<const char*> title = std::nullopt,
                         std::optional<POINT> position = std::nullopt,
                         std::optional<SIZE> size = std::nullopt,
                         std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0,
                         int noTaskbarButton = 0, const char* className = nullptr);
  // Makes the window as CreateFormW does (without WS_CLIPSIBLINGS), disables a visible
  // owner, and runs a message loop until the window is gone; "DialogResult". 0 when no
  // window was made.
  virtual std::intptr_t RunModalW(HWND parent, std::optional<const wchar_t*> title = std::nullopt,
                                  std::optional<POINT> position = std::nullopt,
                                  std::optional<SIZE> size = std::nullopt,
                                  std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0,
                                  int noTaskbarButton = 0, const wchar_t* className = nullptr);
  virtual std::intptr_t RunModal(HWND parent, std::optional<const char*> title = std::nullopt,
                                 std::optional<POINT> position = std::nullopt,
                                 std::optional<SIZE> size = std::nullopt,
                                 std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0,
                                 int noTaskbarButton = 0, const char* className = nullptr);
  // Children made from markup ("Controls"): the object takes the child's core
  // (ShareCore's result), 0 when the child is not there.
  virtual int GetControl(HWND child, qoWindowBase& object);
  virtual int GetControlHandles(std::vector<HWND>& handles) const;

 private:
  struct Placement;
  // Steps shared by CreateFormW and RunModalW: the class, the defaults, the owner, the
  // start position and the border. False when the object cannot make a window.
  bool Prepare(HWND parent, std::optional<const wchar_t*> title, std::optional<POINT> position,
               std::optional<SIZE> size, std::optional<DWORD> style, DWORD exStyle,
               int noTaskbarButton, const wchar_t* className, const wchar_t* ownerTitle,
               Placement& placement);
  int Make(const Placement& placement, DWORD extraStyle);
};

}  // namespace marlivo::ui
