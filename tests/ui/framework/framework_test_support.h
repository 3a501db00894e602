// Shared by the window framework's tests: the registry and the form class in place, a
// bounded message pump, and a plain top-level window of the form class.
#pragma once

#include <functional>

#include "ui/framework/window_base.h"
#include "ui/framework/win32.h"

namespace marlivo::ui::testing {

// The window registry and the "qoWindow" class, made once per process.
void PrepareFramework();

// Dispatches messages until done() holds or the bound has passed; whether done() held.
// The bound only keeps a broken test from hanging: tests wait for an event, never for time.
bool PumpUntil(const std::function<bool()>& done, DWORD boundMs = 20000);
// Dispatches what is queued now.
void PumpPending();

// A top-level window of class "qoWindow" made through the object's Create; its handle.
HWND CreateTopWindow(qoWindowBase& object, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                     int width = 320, int height = 240);

// A window class of the test's own ("MarlivoRecorder") whose procedure notes every
// message it receives before DefWindowProcW: it stands for a standard control's own
// procedure, so that a test sees what reaches default processing.
const wchar_t* RecorderClass();
HWND CreateRecorder(HWND parent = nullptr, DWORD style = WS_POPUP);
// How many times the recorder procedure received the message since the last clear.
int RecordedCount(UINT message);
void ClearRecorded();

// Presses or releases a key through injected input, until both the asynchronous state
// and the thread's own state show it; whether they do. Wine brings its key state in line
// with the X server's keyboard when one of its windows gains the X focus, which can undo
// an injected press; it is injected again then. Key messages it causes are dispatched.
bool HoldKey(int virtualKey, bool down);

// Whether the handle still names a live cursor or icon.
bool IsLiveIcon(HICON icon);

}  // namespace marlivo::ui::testing
