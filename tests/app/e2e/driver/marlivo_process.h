// The program under test as a process: started from its executable as a user starts it,
// its main window found by the title, closed, and its exit code read.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/app/e2e/driver/bounded_wait.h"

namespace marlivo::e2e {

inline constexpr wchar_t kMainWindowTitle[] = L"Marlivo - @Ulvaro";

class MarlivoProcess {
 public:
  MarlivoProcess() = default;
  MarlivoProcess(const MarlivoProcess&) = delete;
  MarlivoProcess& operator=(const MarlivoProcess&) = delete;
  // A program still running when its test ends (the test failed) is ended here, so that
  // it cannot hold files or the display for the next test.
  ~MarlivoProcess();

  // Starts the executable with no arguments, its own folder as working folder.
  bool Start(const std::wstring& executable);

  // The visible top-level window of this process whose title is the main window's; 0
  // when none appeared in time.
  HWND WaitForMainWindow(DWORD timeout_ms = kDefaultWaitMs);

  // Posts WM_CLOSE to the window, as the close box does.
  void Close(HWND window);

  // The exit code once the process has ended; nothing when it still runs after the wait.
  std::optional<DWORD> WaitForExit(DWORD timeout_ms = kDefaultWaitMs);

  bool IsRunning() const;
  DWORD id() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// The folder of the running test program (no trailing backslash), where the build puts
// Marlivo.exe, the driver and its probe.
std::wstring OwnFolder();

}  // namespace marlivo::e2e
