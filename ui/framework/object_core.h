// The reference-counted core of a window object: its hook table, its count and its
// property bag. A window object is only a handle on its core; two objects may share one.
//
// The hook table is the core's own (never shared). The class levels of a window object
// replace its entries in turn, and each level's hook calls the level below it by name.
#pragma once

#include <cstdint>

#include "ui/framework/hash_map.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

struct ObjectCore;

// A text-keyed, integer-valued hash map: "hWnd", "oldWndProp", event handlers...
using PropertyBag = HashMap;

// The message hooks' result is the window procedure's result; *handled is the flag the
// framework procedure cleared: a hook sets it non-zero to claim the message, so that the
// procedure returns the hook's result and does no default processing.
using MessageHookFunction = LRESULT (*)(ObjectCore* core, HWND window, UINT message,
                                        WPARAM wParam, LPARAM lParam, int* handled);

struct HookTable {
  // Always 1; nothing is looked up.
  int (*QueryHook)(ObjectCore* core, const IID* interfaceId, void** out);
  // Interlocked increment; the new count.
  LONG (*AddRef)(ObjectCore* core);
  // Interlocked decrement; the new count. At 0: CleanupHook, then the bag, the table and
  // the core are freed.
  LONG (*Release)(ObjectCore* core);
  // Every message of the bound window.
  MessageHookFunction MessageHook;
  // A message that the parent passes on to this child: the parent's window, message,
  // wParam and lParam.
  MessageHookFunction ReflectHook;
  // Releases what the class levels hold.
  void (*CleanupHook)(ObjectCore* core);
};

struct ObjectCore {
  HookTable* hooks;        // this core's own table
  volatile LONG refCount;  // 1 when made; changed only with interlocked operations
  PropertyBag* data;       // the property bag (11 buckets, load factor 0.75 when made)
};

// The base constructor level: a core with count 1, an empty bag and the base hooks
// (base message hook, a reflect hook that answers 0, base cleanup).
ObjectCore* MakeWindowCore();

// The base level's entries; class levels call them as the level below their own.
int QueryHookNone(ObjectCore* core, const IID* interfaceId, void** out);
LONG AddRefCore(ObjectCore* core);
LONG ReleaseWindowCore(ObjectCore* core);
LRESULT ReflectHookNone(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled);

// Reference counting through the core's own table; null is allowed.
LONG AddRef(ObjectCore* core);
LONG Release(ObjectCore* core);

// The core's bag. Without a core every read is 0 and every write does nothing and
// answers 0.
std::intptr_t GetProperty(const ObjectCore* core, const char* key);
int SetProperty(ObjectCore* core, const char* key, std::intptr_t value);
int RemoveProperty(ObjectCore* core, const char* key);
int HasProperty(const ObjectCore* core, const char* key);

// A handler or object stored in the bag, read back as its own type.
template <typename T>
T GetPropertyAs(const ObjectCore* core, const char* key) {
  return reinterpret_cast<T>(GetProperty(core, key));
}
template <typename T>
int SetPropertyOf(ObjectCore* core, const char* key, T value) {
  return SetProperty(core, key, reinterpret_cast<std::intptr_t>(value));
}

}  // namespace marlivo::ui
