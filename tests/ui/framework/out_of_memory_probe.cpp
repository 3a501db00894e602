// A program that runs out of memory on purpose, for the out-of-memory test: it installs
// the framework's rule, registers an exit sequence that leaves a marker file, and asks
// for more memory than any machine has, through operator new ("new") or the process
// heap ("heap").
#include <cstdio>
#include <cwchar>
#include <new>

#include "ui/framework/process_heap.h"
#include "ui/framework/win32.h"

namespace {

const wchar_t* g_marker = nullptr;

void ExitSequence() {
  const HANDLE file = ::CreateFileW(g_marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  ::ExitProcess(0);
}

// More than any address space holds, so that the request fails at once.
constexpr std::size_t kTooMuch = static_cast<std::size_t>(1) << 62;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 64;
  g_marker = argv[2];
  marlivo::ui::InstallOutOfMemoryHandler();
  marlivo::ui::SetExitSequence(ExitSequence);
  void* block = nullptr;
  if (std::wcscmp(argv[1], L"new") == 0) {
    block = ::operator new(kTooMuch);
  } else {
    block = marlivo::ui::HeapAllocate(kTooMuch);
  }
  // Reaching this line means the allocation did not fail, or the rule came back.
  std::printf("allocated %p\n", block);
  return 3;
}
