// The layout hook-up: what a window asks of a layout object that SetLayout gave it.
//
// A layout object has a core of its own. Its bag keeps "pRect", the address of a RECT
// buffer into which SetLayout copies the window's client rectangle, and its core's
// MessageHook (entry 3) takes three requests from the window: kLayoutResize (wParam
// width, lParam height) on every WM_SIZE, kLayoutApply right after it, and, from a form
// on WM_GETMINMAXINFO, kLayoutMinimumSize, answered with the minimum client size (width
// in the low 16 bits, height in the high 16 bits, each signed).
#pragma once

#include "ui/framework/object_core.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

inline constexpr UINT kLayoutApply = 0x401;
inline constexpr UINT kLayoutResize = 0x402;
inline constexpr UINT kLayoutMinimumSize = 0x403;

// The base of layout classes. Its core records each resize into the rectangle and runs
// Arrange on kLayoutApply; a layout class supplies Arrange and, when it has one, a
// minimum size. A layout object is not copied: the window holds its core, not it.
class qoLayoutBase {
 public:
  qoLayoutBase();
  qoLayoutBase(const qoLayoutBase&) = delete;
  qoLayoutBase& operator=(const qoLayoutBase&) = delete;
  virtual ~qoLayoutBase();

  ObjectCore* GetCore() const;
  // The rectangle buffer kept under "pRect".
  RECT* GetRectBuffer() const;

  // The layout step: places what the layout manages within the rectangle.
  virtual void Arrange() = 0;
  // The smallest client size the layout can place its windows in; none by default.
  virtual SIZE MinimumSize() const;

 private:
  ObjectCore* core_;
};

}  // namespace marlivo::ui
