// The list behind "ATLWindows".
#include "ui/framework/window_list.h"

#include "ui/framework/process_heap.h"

namespace marlivo::ui {

WindowList* CreateWindowList(MapKind valueKind) {
  auto* list = static_cast<WindowList*>(HeapAllocate(sizeof(WindowList)));
  list->heap = ::GetProcessHeap();
  list->valueKind = valueKind;
  list->first = nullptr;
  return list;
}

void AppendToWindowList(WindowList* list, std::intptr_t value) {
  if (list == nullptr) return;
  auto* node = static_cast<WindowListNode*>(HeapAllocate(sizeof(WindowListNode)));
  node->value = value;
  WindowListNode** link = &list->first;
  while (*link != nullptr) link = &(*link)->next;
  *link = node;
}

void FreeWindowList(WindowList* list) {
  if (list == nullptr) return;
  WindowListNode* node = list->first;
  while (node != nullptr) {
    WindowListNode* next = node->next;
    if (list->valueKind != MapKind::kInteger) HeapRelease(reinterpret_cast<void*>(node->value));
    HeapRelease(node);
    node = next;
  }
  HeapRelease(list);
}

}  // namespace marlivo::ui
