// qoControl, the base of every control class, and qoColorControl, the base of the
// controls that answer their parent's WM_CTLCOLOR... messages with their own colours.
//
// A control is a child window of a standard class (or of a framework class) bound to the
// object's core. Its parent passes notifications about it on to the core (reflection),
// so a button raises its own "OnClick" and a label answers its own colour message.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>

#include "ui/controls/control_keys.h"
#include "ui/framework/window_base.h"

namespace marlivo::ui {

// A control's parent: a window handle or a window object (whose window is used).
class ControlParent {
 public:
  ControlParent(HWND window) : window_(window) {}  // NOLINT: a handle converts implicitly
  ControlParent(std::nullptr_t) {}                 // NOLINT
  ControlParent(const qoWindowBase& object)        // NOLINT: so does a window object
      : window_(object.GetHwnd()) {}

  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// The next default control id: -1, -2, ... in creation order, process-wide and across
// all control classes. A creation operation given no id takes one, whether or not the
// window can then be made.
int NextDefaultControlId();

class qoControl : public qoWindowBase {
 public:
  // The control level: adds no behaviour of its own to the hooks.
  qoControl();
  qoControl(const qoControl& other) = default;
  qoControl& operator=(const qoControl& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Replaces the base Create: a child window (WS_CHILD, WS_VISIBLE, WS_CLIPSIBLINGS
  // added, "Border" applied with the control variant) with DEFAULT_GUI_FONT. It does not
  // subclass: only a class whose procedure binds the core ends up bound.
  int Create(HWND parent, const wchar_t* title, int x, int y, int width, int height,
             HMENU menuOrId, DWORD style, DWORD exStyle, const wchar_t* className) override;
  // Replaces the base Border: the control variant of the border kinds.
  int Border(std::optional<int> kind = std::nullopt) override;

  // An MDI client window bound to this object (class "qoMDIClient" when none is given,
  // a copy of the system's "MDIClient"); its handle, 0 on failure. "MDIClientMenu" and
  // "MDIClientFirstMenuId" in the bag give the window menu and the first child id.
  virtual HWND CreateMDIClient(ControlParent parent, const wchar_t* title, int x, int y,
                               int width, int height, int id, DWORD style, DWORD exStyle,
                               std::optional<const wchar_t*> className = std::nullopt);
  // Makes a window of a standard control class as a child of the parent (WS_CHILD,
  // WS_VISIBLE, WS_CLIPSIBLINGS added, "Border" applied), subclasses it and gives it
  // DEFAULT_GUI_FONT; 1, or 0 when the object has no core or a window already, or the
  // window could not be made or bound.
  virtual int CreateChild(ControlParent parent, const wchar_t* text, int x, int y, int width,
                          int height, int id, DWORD style, DWORD exStyle,
                          const wchar_t* className);
  // Takes over the parent's item with that id (DEFAULT_GUI_FONT first when setFont is
  // non-zero); SubclassWindow's result, 0 when there is no such item.
  virtual int BindDlgItem(ControlParent parent, int id, int setFont);
  virtual int GetID() const;
};

class qoColorControl : public qoControl {
 public:
  // The colour level: the system face colour as background, black text, no brush yet.
  qoColorControl();
  qoColorControl(const qoColorControl& other) = default;
  qoColorControl& operator=(const qoColorControl& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Stores the default colours; makes no brush, so the control keeps the system's
  // colours until a colour is set.
  virtual void InitColors();
  // Without a colour: the stored text colour. With one: stores it, makes the brush when
  // there is none yet, repaints; what storing returned (1 replaced, 0 added).
  virtual std::intptr_t TextColor(std::optional<COLORREF> colour = std::nullopt);
  // Without a colour: the stored background colour. With one (kTransparentColor for a
  // transparent background): a new brush of it, repaint; what storing returned.
  virtual std::intptr_t BackColor(std::optional<COLORREF> colour = std::nullopt);
};

}  // namespace marlivo::ui
