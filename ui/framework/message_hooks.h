// The class levels' message hooks and cleanups, chained form -> window -> base.
//
// A level's MessageHook does its own work and then, unless it claimed the message, calls
// the MessageHook of the level below it by name and returns that result. Below the base
// hook lies default processing: the procedure that binding replaced, or DefWindowProcW.
// Cleanups chain the same way: form, then window, then base.
#pragma once

#include "ui/framework/object_core.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

// Base level: "OnWndMsg", the named mouse, key, focus, paint, drop and timer events,
// reflection of notifications to the child's core, hover tracking, the mnemonic step and
// layout on WM_SIZE. Unbinds the window on WM_NCDESTROY.
LRESULT BaseMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled);
// Unbinds the window (as on WM_NCDESTROY) and frees the "Name" text.
void BaseCleanup(ObjectCore* core);

// Window level: owned cursor and font, "Controls" and "Border" released on WM_NCDESTROY;
// the owned cursor shown over the client area on WM_SETCURSOR.
void InstallWindowLevel(ObjectCore* core);
LRESULT WindowMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, int* handled);
// The window's resources, then the base cleanup.
void WindowCleanup(ObjectCore* core);
// Only the window's own resources: "hCursor", "hFont", "Controls", "Border".
void ReleaseWindowResources(ObjectCore* core);

// Form level: the form events ("OnCreate" ... "OnUserClose"), OK and Cancel commands,
// close action, tray icon callbacks, first activation, wait cursor, size limits.
void InstallFormLevel(ObjectCore* core);
LRESULT FormMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled);
// The form's resources, then the window cleanup.
void FormCleanup(ObjectCore* core);
// Only the form's own resources: background image, tray icon, ActiveX host list, default
// button, icons, first activation.
void ReleaseFormResources(ObjectCore* core);

// Paints a form's background (colour or image) on WM_ERASEBKGND. The forms module
// installs it; the form hook calls it only when the bag holds "pBackImage" or
// "BackColor", and then claims the message with result 1.
using BackgroundPainter = void (*)(ObjectCore* core, HWND window, HDC dc);
void SetBackgroundPainter(BackgroundPainter painter);

}  // namespace marlivo::ui
