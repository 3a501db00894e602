// qoWindowBase: the window object from which every form and control derives, and the
// base operations that every window has.
//
// A window object is a handle on a reference-counted ObjectCore (object_core.h); copying
// the object shares the core. The object exists before its window: handlers, texts and
// styles can be stored in the bag at any time and take effect with the window.
//
// The operations are virtual and keep this order in every class: the destructor and
// Copy first, then the base operations in the groups below; derived classes replace
// entries in place and append their own. Every operation on an object without a core
// does nothing and returns 0 or the empty text. Operations on an object without a window
// pass window 0 to the system and pass its answer on, unless they say otherwise.
// Optional arguments are std::optional; an omitted one takes the stated default. A
// get-or-set operation reads when its value is omitted and otherwise stores the value,
// acts on the window and returns the previous value.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/framework/events.h"
#include "ui/framework/gdi/font.h"
#include "ui/framework/gdi/icon.h"
#include "ui/framework/object_core.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

class qoLayoutBase;

class qoWindowBase {
 public:
  // The base and window constructor levels: a fresh core with the base hooks, then the
  // window level's message hook and cleanup.
  qoWindowBase();
  // A second object on the same core (one more reference).
  qoWindowBase(const qoWindowBase& other);
  qoWindowBase& operator=(const qoWindowBase& other);

  // Class-specific entries: give up this object's reference, and make a copy of this
  // object (same class, same core).
  virtual ~qoWindowBase();
  virtual std::unique_ptr<qoWindowBase> Copy() const;

  // Core, bag, type and name.
  virtual ObjectCore* GetCore() const;
  // When both cores exist: AddRef the given one, Release the own one, adopt the given
  // one; 1. Otherwise 0 and nothing changes.
  virtual int ShareCore(ObjectCore* core);
  // The address of this object's core reference, for operations that replace the core.
  virtual ObjectCore** GetCoreSlot();
  virtual LONG GetRefCount() const;
  virtual std::intptr_t GetProperty(const char* key) const;
  // 1 when the key's value was replaced, 0 when the key was added.
  virtual int SetProperty(const char* key, std::intptr_t value);
  virtual int RemoveProperty(const char* key);
  virtual int HasProperty(const char* key) const;
  // Replaces the array's content with the bag's keys; their number.
  virtual int GetPropertyNames(std::vector<std::string>& names) const;
  // Stores the text's address under "Type" (the text must outlive the object).
  virtual void SetType(const char* type);
  virtual std::string GetType() const;
  // Keeps a heap copy under "Name", freeing the previous one.
  virtual void SetName(const char* name);
  virtual std::string GetName() const;

  // Creation and binding. The creation operations refuse (0) on an object that has a
  // window already; "Border" is applied to the styles first when the bag holds it.
  virtual int Create(HWND parent, const wchar_t* title, int x, int y, int width, int height,
                     HMENU menuOrId, DWORD style, DWORD exStyle, const wchar_t* className);
  // A modeless dialog from an in-memory template (position and size in dialog units).
  virtual int CreateDialog(HWND parent, const wchar_t* title, int x, int y, int width,
                           int height, DWORD style, DWORD exStyle,
                           std::optional<const wchar_t*> className = std::nullopt);
  // The same as a modal dialog; the value it ended with, 0 when none was shown.
  virtual INT_PTR ShowModal(HWND parent, const wchar_t* title, int x, int y, int width,
                            int height, DWORD style, DWORD exStyle,
                            std::optional<const wchar_t*> className = std::nullopt);
  // Dialogs from a template resource of the module (a name or MAKEINTRESOURCEW number).
  virtual int CreateDialogFromResource(HWND parent, const wchar_t* templateName,
                                       std::optional<const wchar_t*> className = std::nullopt);
  virtual INT_PTR ShowModalFromResource(
      HWND parent, const wchar_t* templateName,
      std::optional<const wchar_t*> className = std::nullopt);
  virtual int CreateMDIChild(HWND mdiClient, const wchar_t* title, int x, int y, int width,
                             int height, DWORD style, const wchar_t* className);
  // Binds an existing window of any class through the shared subclass procedure. A window
  // that is bound already makes this object share that window's core.
  virtual int SubclassWindow(HWND window);
  // Unbinds the window without destroying it; its messages no longer reach the object.
  virtual void UnsubclassWindow();
  virtual HWND GetHwnd() const;
  // Shares the core that the window is bound to; no subclassing.
  virtual int BindHandle(HWND window);
  virtual int Attach(HWND window);
  virtual void Detach();

  // Framework style flags, kept under "qoStyle"; each change returns the old value.
  virtual DWORD AddStyle(DWORD bits);
  virtual DWORD RemoveStyle(DWORD bits);
  virtual DWORD GetStyle() const;
  virtual DWORD SetStyle(DWORD value);

  // Messages, capture, class, focus.
  // 1 when the window was visible before. Default command SW_SHOW.
  virtual int Show(std::optional<int> command = std::nullopt);
  virtual LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual int PostMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual HWND SetCapture();
  virtual int ReleaseCapture();
  virtual std::wstring GetClassNameW() const;
  virtual std::string GetClassName() const;
  // Keeps a copy of the cursor as the window's own ("hCursor"; the previous copy is
  // destroyed) and shows it; the cursor shown before.
  virtual HCURSOR SetCursor(const gdi::qoIcon& cursor);
  // A new cursor object holding a copy of the window's own cursor.
  virtual gdi::qoIcon GetCursor() const;
  virtual int IsWindow() const;
  virtual LRESULT Close();
  virtual HWND SetFocus();
  virtual int HasFocus() const;

  // Geometry. Positions are in the parent's client coordinates (screen coordinates for a
  // window without a parent). The repaint flag defaults to 1.
  virtual RECT GetClientRect() const;
  virtual int GetClientWidth() const;
  virtual int GetClientHeight() const;
  virtual RECT GetRect() const;
  virtual LRESULT LockRedraw();
  virtual LRESULT UnlockRedraw();
  // Both do nothing and return 0 without a window. Default erase flag 1.
  virtual int Invalidate(std::optional<int> erase = std::nullopt);
  virtual int InvalidateRect(const RECT& rect, int erase);
  virtual int Validate();
  virtual int Update();
  // Each value left out keeps the current one; nothing happens without a window.
  virtual void Move(std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt,
                    std::optional<int> width = std::nullopt,
                    std::optional<int> height = std::nullopt,
                    std::optional<int> repaint = std::nullopt);
  virtual POINT GetPosition() const;
  virtual void SetPosition(POINT position, std::optional<int> repaint = std::nullopt);
  virtual SIZE GetSize() const;
  virtual void SetSize(SIZE size, std::optional<int> repaint = std::nullopt);
  // Without a value: the current edge or extent. With one: MoveWindow with only that
  // value changed, and MoveWindow's result.
  virtual int Left(std::optional<int> value = std::nullopt,
                   std::optional<int> repaint = std::nullopt);
  virtual int Top(std::optional<int> value = std::nullopt,
                  std::optional<int> repaint = std::nullopt);
  virtual int Width(std::optional<int> value = std::nullopt,
                    std::optional<int> repaint = std::nullopt);
  virtual int Height(std::optional<int> value = std::nullopt,
                     std::optional<int> repaint = std::nullopt);
  // 1 top, 2 bottom, 3 topmost, 4 not topmost; omitted or out of range: 1.
  virtual int SetZOrder(std::optional<int> position = std::nullopt);
  virtual HWND SetParent(HWND parent);
  virtual HWND GetParent() const;
  // Read: 1 when visible. Change: shows or hides; 1 when it was visible before.
  virtual int Visible(std::optional<int> flag = std::nullopt);
  // Read: 1 when disabled. Change: disables or enables; 1 when it was disabled before.
  virtual int Disabled(std::optional<int> flag = std::nullopt);

  // Window styles; every change redraws the frame and returns the previous value.
  virtual DWORD GetWindowStyle() const;
  virtual DWORD SetWindowStyle(DWORD style);
  virtual DWORD AddWindowStyle(DWORD bits);
  virtual DWORD RemoveWindowStyle(DWORD bits);
  virtual DWORD GetWindowExStyle() const;
  virtual DWORD SetWindowExStyle(DWORD exStyle);
  virtual DWORD AddWindowExStyle(DWORD bits);
  virtual DWORD RemoveWindowExStyle(DWORD bits);

  // Text (8-bit forms in code page 936), message boxes, drag and drop, timers, layout.
  virtual int GetTextLength() const;
  virtual std::wstring GetTextW() const;
  virtual std::string GetText() const;
  virtual int SetTextW(const wchar_t* text);
  virtual int SetText(const char* text);
  // Owned by the window; default type 0, default title "信息：".
  virtual int MessageBoxW(const wchar_t* text, std::optional<UINT> type = std::nullopt,
                          std::optional<const wchar_t*> title = std::nullopt);
  virtual int MessageBox(const char* text, std::optional<UINT> type = std::nullopt,
                         std::optional<const char*> title = std::nullopt);
  // Gives the window a GDI font made from the font object on the window's own device
  // context; the window owns it ("hFont"), and the font it owned before is deleted.
  virtual void SetFont(const gdi::qoFont& font);
  // A new font object made from the window's font, or from DEFAULT_GUI_FONT.
  virtual gdi::qoFont GetFont() const;
  virtual void DragAcceptFiles(int accept);
  // A timer without a procedure: "OnTimer" receives it. Default id 1.
  virtual int SetTimer(UINT interval, std::optional<UINT_PTR> id = std::nullopt);
  virtual int KillTimer(std::optional<UINT_PTR> id = std::nullopt);
  // Holds a reference on the layout's core under "qoLayout" and runs its layout step;
  // 1, or 0 when the layout has no core.
  virtual int SetLayout(qoLayoutBase& layout);
  // The procedure that binding replaced, or DefWindowProcW.
  virtual LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

  // The window's own property list (SetProp), apart from the bag. The 8-bit names are
  // converted with code page 936; an atom (MAKEINTATOM) passes unchanged.
  virtual int SetPropW(const wchar_t* name, HANDLE data);
  virtual int SetPropA(const char* name, HANDLE data);
  virtual HANDLE GetPropW(const wchar_t* name) const;
  virtual HANDLE GetPropA(const char* name) const;
  virtual HANDLE RemovePropW(const wchar_t* name);
  virtual HANDLE RemovePropA(const char* name);
  // Replace the array's content with the names (atoms as their names, up to 9 characters)
  // or the data, in enumeration order; their number. 0 and the array untouched when the
  // window has no properties.
  virtual int GetPropNames(std::vector<std::wstring>& names) const;
  virtual int GetPropHandles(std::vector<HANDLE>& handles) const;

  // Borders: the kind stored under "Border" before the call; a given kind is stored and,
  // on a live window, turned into style bits by ApplyBorder.
  virtual int Border(std::optional<int> kind = std::nullopt);
  virtual void ApplyControlBorder(int kind, DWORD& style, DWORD& exStyle) const;
  virtual void ApplyBorder(int kind, DWORD& style, DWORD& exStyle) const;

  // Event binding: the handler's address goes under the event's name. The three hover
  // events also switch hover tracking on ("EnlableHover").
  virtual void SetOnPaint(PaintHandler handler);
  virtual void SetOnLButtonDown(MouseHandler handler);
  virtual void SetOnLButtonUp(MouseHandler handler);
  virtual void SetOnLButtonDblClk(MouseHandler handler);
  virtual void SetOnRButtonDown(MouseHandler handler);
  virtual void SetOnRButtonUp(MouseHandler handler);
  virtual void SetOnMouseMove(MouseHandler handler);
  virtual void SetOnMouseIn(MouseHandler handler);
  virtual void SetOnMouseHover(WindowHandler handler);
  virtual void SetOnMouseLeave(WindowHandler handler);
  virtual void SetOnSetFocus(WindowHandler handler);
  virtual void SetOnKillFocus(WindowHandler handler);
  virtual void SetOnKeyDown(KeyHandler handler);
  virtual void SetOnKeyUp(KeyHandler handler);
  virtual void SetOnMouseWheel(WheelHandler handler);
  virtual void SetOnChar(CharHandler handler);
  virtual void SetOnDropFiles(DropFilesHandler handler);
  virtual void SetOnTimer(TimerHandler handler);
  virtual void SetOnWndMsg(WndMsgHandler handler);

 private:
  ObjectCore* core_;  // one reference held; none only after a failed creation
};

}  // namespace marlivo::ui
