// Binding a window to a core and undoing it, and the framework's window procedures
// through which every message of a bound window reaches its core's MessageHook.
//
// Binding stores the handle under "hWnd" and maps the handle to the core in the window
// registry; nothing else ties a window to its object.
#pragma once

#include <optional>

#include "ui/framework/object_core.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

inline constexpr wchar_t kFormClassName[] = L"qoWindow";
// The system dialog class, whose procedure dialogs made by the framework keep.
inline constexpr wchar_t kDialogClassName[] = L"#32770";

// Stores the handle under "hWnd" and adds handle -> core to the registry.
void BindWindow(ObjectCore* core, HWND window);

// The unbinding step: the replaced procedure goes back into the window, the registry
// entry goes, "oldWndProp" and "hWnd" become 0. On the window's end (WM_NCDESTROY) the
// layout held under "qoLayout" is released too.
enum class UnbindKind { kLiveWindow, kWindowEnd };
void UnbindWindow(ObjectCore* core, UnbindKind kind);

// The class window procedure of classes that the framework registers: binds the core
// given as creation parameter on WM_NCCREATE (for an MDI child, the MDICREATESTRUCT's
// lParam), then hands every message to the core's MessageHook.
LRESULT CALLBACK ClassWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The procedure of windows of other classes that the framework subclasses.
LRESULT CALLBACK SharedSubclassProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);
// Dialog procedures of dialogs that the framework makes; the core comes as the
// WM_INITDIALOG parameter. On an unclaimed WM_CLOSE the modeless one destroys the dialog
// and the modal one ends it with "DialogResult".
INT_PTR CALLBACK ModelessDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ModalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a window class with the framework's defaults: CS_HREDRAW | CS_VREDRAW |
// CS_DBLCLKS, the class window procedure, the module instance, IDI_APPLICATION, the arrow
// cursor, the COLOR_BTNFACE brush. The class atom, 0 on failure (also when it exists).
ATOM RegisterWindowClass(std::optional<HINSTANCE> instance, const wchar_t* className,
                         std::optional<WNDPROC> windowProc = std::nullopt,
                         std::optional<HICON> icon = std::nullopt,
                         std::optional<UINT> classStyle = std::nullopt);

}  // namespace marlivo::ui
