// Starting, finding and ending the program under test.
#include "tests/app/e2e/driver/marlivo_process.h"

#include <vector>

namespace marlivo::e2e {
namespace {

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window)) return TRUE;
  // GetWindowTextW of another process's window reads the caption that the system
  // keeps and sends nothing, so a busy program cannot stall the search.
  wchar_t title[64] = L"";
  GetWindowTextW(window, title, 64);
  if (std::wstring(title) != kMainWindowTitle) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

MarlivoProcess::~MarlivoProcess() {
  if (info_.hProcess) {
    if (IsRunning()) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, kDefaultWaitMs);
    }
    CloseHandle(info_.hProcess);
  }
  if (info_.hThread) CloseHandle(info_.hThread);
}

bool MarlivoProcess::Start(const std::wstring& executable) {
  if (info_.hProcess) return false;
  std::wstring folder = executable;
  const size_t slash = folder.find_last_of(L"\\/");
  folder = slash == std::wstring::npos ? L"." : folder.substr(0, slash);
  std::vector<wchar_t> command_line;
  const std::wstring quoted = L"\"" + executable + L"\"";
  command_line.assign(quoted.begin(), quoted.end());
  command_line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(executable.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &info_) != 0;
}

HWND MarlivoProcess::WaitForMainWindow(DWORD timeout_ms) {
  WindowSearch search{info_.dwProcessId, nullptr};
  WaitUntil(
      [&] {
        if (!IsRunning()) return true;
        EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeout_ms);
  if (search.found) {
    // The window is shown before its message loop first runs; wait until the program
    // answers messages, so that the first request of a test is not its first message.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, timeout_ms, &ignored);
  }
  return search.found;
}

void MarlivoProcess::Close(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

std::optional<DWORD> MarlivoProcess::WaitForExit(DWORD timeout_ms) {
  if (!info_.hProcess) return std::nullopt;
  if (WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool MarlivoProcess::IsRunning() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring OwnFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\'));
}

}  // namespace marlivo::e2e
