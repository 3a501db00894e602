// Named events: the bag keys under which handlers are bound, and the handlers' shapes.
//
// A handler is bound by storing its address under the event's name; 0 or no key means
// none. The message hooks call it with the window first, then the event's arguments.
// Handles, pointers and message parameters are pointer-sized; the other arguments and
// the results are 32-bit, as they have always been.
#pragma once

#include <cstdint>

#include "ui/framework/win32.h"

namespace marlivo::ui {

struct ObjectCore;

namespace events {

// Raised by the base hook of every window.
inline constexpr char kWndMsg[] = "OnWndMsg";
inline constexpr char kPaint[] = "OnPaint";
inline constexpr char kLButtonDown[] = "OnLButtonDown";
inline constexpr char kLButtonUp[] = "OnLButtonUp";
inline constexpr char kLButtonDblClk[] = "OnLButtonDblClk";
inline constexpr char kRButtonDown[] = "OnRButtonDown";
inline constexpr char kRButtonUp[] = "OnRButtonUp";
inline constexpr char kMouseMove[] = "OnMouseMove";
inline constexpr char kMouseIn[] = "OnMouseIn";
inline constexpr char kMouseHover[] = "OnMouseHover";
inline constexpr char kMouseLeave[] = "OnMouseLeave";
inline constexpr char kSetFocus[] = "OnSetFocus";
inline constexpr char kKillFocus[] = "OnKillFocus";
inline constexpr char kKeyDown[] = "OnKeyDown";
inline constexpr char kKeyUp[] = "OnKeyUp";
inline constexpr char kMouseWheel[] = "OnMouseWheel";
inline constexpr char kChar[] = "OnChar";
inline constexpr char kDropFiles[] = "OnDropFiles";
inline constexpr char kTimer[] = "OnTimer";

// Raised by the form hook.
inline constexpr char kXmlresOnCreate[] = "XmlresOnCreate";
inline constexpr char kCreate[] = "OnCreate";
inline constexpr char kClose[] = "OnClose";
inline constexpr char kMenuItemClick[] = "OnMenuItemClick";
inline constexpr char kDestroy[] = "OnDestory";  // so spelled: bound handlers use this key
inline constexpr char kMove[] = "OnMove";
inline constexpr char kSize[] = "OnSize";
inline constexpr char kActivate[] = "OnActivate";
inline constexpr char kUnActivate[] = "OnUnActivate";
inline constexpr char kFirstActivate[] = "OnFirstActivate";
inline constexpr char kShow[] = "OnShow";
inline constexpr char kHide[] = "OnHide";
inline constexpr char kNotifyIcon[] = "OnNotifIcon";
inline constexpr char kInitMenuPopup[] = "OnInitMenuPopup";
inline constexpr char kMenuSelect[] = "OnMenuSelect";
inline constexpr char kUserClose[] = "OnUserClose";

}  // namespace events

// (window, message, wParam, lParam, handled flag): sees every message first; setting the
// flag claims the message and makes the result the window procedure's result.
using WndMsgHandler = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  int* handled);
// (window, device context, paint rectangle left, top, right, bottom).
using PaintHandler = int (*)(HWND window, HDC dc, int left, int top, int right, int bottom);
// Buttons, OnMouseMove and OnMouseIn: (window, x, y, keys); keys: 1 Ctrl, 2 Shift, 4 Alt.
using MouseHandler = int (*)(HWND window, int x, int y, int keys);
// (window): OnMouseHover, OnMouseLeave, OnSetFocus, OnKillFocus and most form events.
using WindowHandler = int (*)(HWND window);
// OnKeyDown and OnKeyUp: (window, virtual key, keys).
using KeyHandler = int (*)(HWND window, int virtualKey, int keys);
// (window, wheel delta, keys).
using WheelHandler = int (*)(HWND window, int delta, int keys);
// (window, character code).
using CharHandler = int (*)(HWND window, int code);
// (window, the dropped paths joined with CR LF).
using DropFilesHandler = int (*)(HWND window, const wchar_t* paths);
// (window, timer id).
using TimerHandler = int (*)(HWND window, int timerId);

// Form events with arguments.
// (core, window, the "XmlNode" value).
using XmlresOnCreateHandler = int (*)(ObjectCore* core, HWND window, std::intptr_t xmlNode);
// OnMove and OnSize: (window, x or width, y or height).
using PairHandler = int (*)(HWND window, int first, int second);
// OnMenuItemClick: (window, command id); OnNotifIcon: (window, mouse code 1 to 8).
using CodeHandler = int (*)(HWND window, int code);
// OnInitMenuPopup: (window, menu, item position, window-menu flag);
// OnMenuSelect: (window, menu, item, flags).
using MenuHandler = int (*)(HWND window, HMENU menu, int item, int flags);

}  // namespace marlivo::ui
