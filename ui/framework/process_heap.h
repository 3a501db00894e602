// Memory of the framework: zeroed blocks from the process heap, and the rule for running
// out of it (a message box "内存不足", then the program's exit sequence).
#pragma once

#include <cstddef>

namespace marlivo::ui {

// A zeroed block from the process heap. When the heap has none left the out-of-memory
// rule runs and does not come back, so the result is never null.
void* HeapAllocate(std::size_t bytes);
// Frees a block from HeapAllocate; null is allowed.
void HeapRelease(void* block);
// A heap copy of a zero-terminated 8-bit text (terminator included).
char* HeapCopyText(const char* text);

// The out-of-memory rule: MessageBoxW "内存不足", title "error", MB_ICONERROR; then the
// exit sequence that the program registered, and ExitProcess(0) should that return.
[[noreturn]] void OutOfMemory();

// The program's exit sequence (destroys its objects in order and ends the process with
// exit code 0). Without one, the out-of-memory rule ends the process with ExitProcess(0).
using ExitSequence = void (*)();
void SetExitSequence(ExitSequence sequence);

// Makes operator new follow the out-of-memory rule instead of throwing std::bad_alloc:
// nothing throws out of the framework.
void InstallOutOfMemoryHandler();

}  // namespace marlivo::ui
