// The framework's singly linked list, kept by a form under "ATLWindows" for the windows
// of the ActiveX controls it hosts. The message loop walks it from the start.
#pragma once

#include <cstdint>

#include "ui/framework/hash_map.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

struct WindowListNode {
  std::intptr_t value;  // a window handle for "ATLWindows"
  WindowListNode* next;
};

struct WindowList {
  HANDLE heap;          // the process heap, for every node
  MapKind valueKind;    // kInteger: values are not owned; the heap kinds are freed
  WindowListNode* first;
};

WindowList* CreateWindowList(MapKind valueKind = MapKind::kInteger);
// Adds the value at the end.
void AppendToWindowList(WindowList* list, std::intptr_t value);
// Frees every node (and an owned value by its kind), then the header.
void FreeWindowList(WindowList* list);

}  // namespace marlivo::ui
