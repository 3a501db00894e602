// The out-of-memory rule, seen from outside: a program that runs out of memory shows the
// box "内存不足" (title "error", the error icon), runs its exit sequence once the box is
// closed, and ends with exit code 0.
#include <gtest/gtest.h>

#include <string>

#include "ui/framework/win32.h"

namespace {

// The message box's text and icon controls.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconId = 0x0440;

std::wstring Directory() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory = path;
  return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

struct BoxSearch {
  DWORD processId;
  HWND box;
};

HWND FindBoxOf(DWORD processId) {
  BoxSearch search{processId, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* found = reinterpret_cast<BoxSearch*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        wchar_t name[16] = {};
        ::GetClassNameW(window, name, 16);
        if (owner != found->processId || std::wstring(name) != L"#32770" ||
            !::IsWindowVisible(window)) {
          return TRUE;
        }
        found->box = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.box;
}

TEST(OutOfMemoryTest, BoxThenExitSequenceThenExitCodeZero) {
  for (const wchar_t* mode : {L"new", L"heap"}) {
    SCOPED_TRACE(::testing::Message() << (mode[0] == L'n' ? "operator new" : "process heap"));
    const std::wstring marker = Directory() + L"out_of_memory_marker.txt";
    ::DeleteFileW(marker.c_str());
    std::wstring command = L"\"" + Directory() + L"out_of_memory_probe.exe\" " + mode + L" \"" +
                           marker + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process));

    HWND box = nullptr;
    const ULONGLONG deadline = ::GetTickCount64() + 30000;
    while (box == nullptr && ::GetTickCount64() < deadline &&
           ::WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
      box = FindBoxOf(process.dwProcessId);
    }
    ASSERT_NE(box, nullptr) << "no message box appeared";
    wchar_t title[32] = {};
    wchar_t text[32] = {};
    ::GetWindowTextW(box, title, 32);
    ::GetDlgItemTextW(box, kBoxTextId, text, 32);
    EXPECT_EQ(std::wstring(title), L"error");
    EXPECT_EQ(std::wstring(text), L"\x5185\x5B58\x4E0D\x8DB3");  // 内存不足
    const HWND icon = ::GetDlgItem(box, kBoxIconId);
    EXPECT_TRUE(icon != nullptr && ::IsWindowVisible(icon));
    EXPECT_EQ(::GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);  // not yet

    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(::WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(::GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::DeleteFileW(marker.c_str());
  }
}

}  // namespace
