// Process-heap blocks and the out-of-memory rule.
#include "ui/framework/process_heap.h"

#include <cstring>
#include <new>

#include "ui/framework/win32.h"

namespace marlivo::ui {
namespace {

ExitSequence g_exitSequence = nullptr;

// The thread that shows the box, 0 before. The box runs its own message loop: a second
// failure on that thread (inside the box or the exit sequence) ends the process at once;
// another thread that runs out meanwhile waits for the first to end the process.
volatile LONG g_outOfMemoryThread = 0;

void NewHandler() { OutOfMemory(); }

}  // namespace

void* HeapAllocate(std::size_t bytes) {
  void* block = ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, bytes == 0 ? 1 : bytes);
  if (block == nullptr) OutOfMemory();
  return block;
}

void HeapRelease(void* block) {
  if (block != nullptr) ::HeapFree(::GetProcessHeap(), 0, block);
}

char* HeapCopyText(const char* text) {
  if (text == nullptr) text = "";
  const std::size_t size = std::strlen(text) + 1;
  char* copy = static_cast<char*>(HeapAllocate(size));
  std::memcpy(copy, text, size);
  return copy;
}

void OutOfMemory() {
  const LONG self = static_cast<LONG>(::GetCurrentThreadId());
  const LONG first = ::InterlockedCompareExchange(&g_outOfMemoryThread, self, 0);
  if (first == 0) {
    ::MessageBoxW(nullptr, L"\x5185\x5B58\x4E0D\x8DB3" /* 内存不足 */, L"error",
                  MB_ICONERROR);
    if (g_exitSequence != nullptr) g_exitSequence();
  } else if (first != self) {
    for (;;) ::Sleep(INFINITE);
  }
  ::ExitProcess(0);
}

void SetExitSequence(ExitSequence sequence) { g_exitSequence = sequence; }

void InstallOutOfMemoryHandler() { std::set_new_handler(NewHandler); }

}  // namespace marlivo::ui
