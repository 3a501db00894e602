// The window core's base level: how a core is made, counted and freed, and its bag.
#include "ui/framework/object_core.h"

#include "ui/framework/message_hooks.h"
#include "ui/framework/process_heap.h"

namespace marlivo::ui {

ObjectCore* MakeWindowCore() {
  auto* hooks = static_cast<HookTable*>(HeapAllocate(sizeof(HookTable)));
  hooks->QueryHook = QueryHookNone;
  hooks->AddRef = AddRefCore;
  hooks->Release = ReleaseWindowCore;
  hooks->MessageHook = BaseMessageHook;
  hooks->ReflectHook = ReflectHookNone;
  hooks->CleanupHook = BaseCleanup;
  auto* core = static_cast<ObjectCore*>(HeapAllocate(sizeof(ObjectCore)));
  core->hooks = hooks;
  core->refCount = 1;
  core->data = CreateHashMap(MapKind::kText, MapKind::kInteger, kDefaultBucketCount,
                             kDefaultLoadFactor);
  return core;
}

int QueryHookNone(ObjectCore*, const IID*, void**) { return 1; }

LONG AddRefCore(ObjectCore* core) { return ::InterlockedIncrement(&core->refCount); }

LONG ReleaseWindowCore(ObjectCore* core) {
  const LONG count = ::InterlockedDecrement(&core->refCount);
  if (count == 0) {
    core->hooks->CleanupHook(core);
    FreeHashMap(core->data);
    core->data = nullptr;
    HeapRelease(core->hooks);
    HeapRelease(core);
  }
  return count;
}

LRESULT ReflectHookNone(ObjectCore*, HWND, UINT, WPARAM, LPARAM, int*) { return 0; }

LONG AddRef(ObjectCore* core) { return core == nullptr ? 0 : core->hooks->AddRef(core); }

LONG Release(ObjectCore* core) { return core == nullptr ? 0 : core->hooks->Release(core); }

std::intptr_t GetProperty(const ObjectCore* core, const char* key) {
  if (core == nullptr) return 0;
  return MapGet(core->data, reinterpret_cast<std::intptr_t>(key));
}

int SetProperty(ObjectCore* core, const char* key, std::intptr_t value) {
  if (core == nullptr) return 0;
  return MapPut(core->data, reinterpret_cast<std::intptr_t>(key), value);
}

int RemoveProperty(ObjectCore* core, const char* key) {
  if (core == nullptr) return 0;
  return MapRemove(core->data, reinterpret_cast<std::intptr_t>(key));
}

int HasProperty(const ObjectCore* core, const char* key) {
  if (core == nullptr) return 0;
  return MapHas(core->data, reinterpret_cast<std::intptr_t>(key));
}

}  // namespace marlivo::ui
