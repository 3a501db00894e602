// Test support for the window framework's tests.
#include "tests/ui/framework/framework_test_support.h"

#include <map>

#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui::testing {

void PrepareFramework() {
  static const bool prepared = [] {
    EnsureWindowRegistry();
    RegisterWindowClass(std::nullopt, kFormClassName);
    return true;
  }();
  (void)prepared;
}

void PumpPending() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD boundMs) {
  const ULONGLONG deadline = ::GetTickCount64() + boundMs;
  while (!done()) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                QS_ALLINPUT);
    PumpPending();
  }
  return true;
}

HWND CreateTopWindow(qoWindowBase& object, DWORD style, int width, int height) {
  PrepareFramework();
  if (!object.Create(nullptr, L"test", 100, 100, width, height, nullptr, style, 0,
                     kFormClassName)) {
    return nullptr;
  }
  return object.GetHwnd();
}

namespace {

std::map<UINT, int>& Recorded() {
  static std::map<UINT, int> recorded;
  return recorded;
}

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++Recorded()[message];
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

const wchar_t* RecorderClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    info.lpfnWndProc = RecorderProc;
    info.hInstance = ::GetModuleHandleW(nullptr);
    info.lpszClassName = L"MarlivoRecorder";
    ::RegisterClassExW(&info);
    return L"MarlivoRecorder";
  }();
  return name;
}

HWND CreateRecorder(HWND parent, DWORD style) {
  return ::CreateWindowExW(0, RecorderClass(), L"recorder", style, 10, 10, 120, 80, parent,
                           nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

int RecordedCount(UINT message) {
  const auto found = Recorded().find(message);
  return found == Recorded().end() ? 0 : found->second;
}

void ClearRecorded() { Recorded().clear(); }

bool HoldKey(int virtualKey, bool down) {
  const auto held = [virtualKey, down] {
    const bool async = (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
    const bool thread = (::GetKeyState(virtualKey) & 0x8000) != 0;
    return async == down && thread == down;
  };
  for (int attempt = 0; attempt < 5 && !held(); ++attempt) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
    PumpUntil(held, 2000);
  }
  return held();
}

bool IsLiveIcon(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return false;
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
  return true;
}

}  // namespace marlivo::ui::testing
