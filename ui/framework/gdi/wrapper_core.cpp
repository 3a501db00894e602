// The wrapper core: its base hooks, its making and freeing, and the wrapper base class.
#include "ui/framework/gdi/wrapper_core.h"

#include <windows.h>

#include <initializer_list>
#include <new>

namespace marlivo::gdi {
namespace {

long WrapperQueryHook(WrapperCore*, const void*, void**) { return 1; }

long WrapperAddRef(WrapperCore* core) { return InterlockedIncrement(&core->refCount); }

long WrapperRelease(WrapperCore* core) {
  const long count = InterlockedDecrement(&core->refCount);
  if (count == 0) {
    core->hooks->CleanupHook(core);
    FreeProcessHeapBlock(core->hooks);
    FreeProcessHeapBlock(core);
  }
  return count;
}

bool ValidIndex(int index) { return index >= 0 && index < kWrapperDataWords; }

}  // namespace

void* AllocateProcessHeapBlock(std::size_t bytes) {
  // The same contract as operator new without exceptions: when the heap is exhausted
  // the installed new-handler (the program's out-of-memory exit) gets its turn.
  for (;;) {
    if (void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes)) return block;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) return nullptr;
    handler();
  }
}

void FreeProcessHeapBlock(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

WrapperCore* MakeWrapperCore() {
  auto* core = static_cast<WrapperCore*>(AllocateProcessHeapBlock(sizeof(WrapperCore)));
  auto* hooks = static_cast<WrapperHookTable*>(AllocateProcessHeapBlock(sizeof(WrapperHookTable)));
  auto* data = static_cast<std::uintptr_t*>(
      AllocateProcessHeapBlock(sizeof(std::uintptr_t) * kWrapperDataWords));
  if (core == nullptr || hooks == nullptr || data == nullptr) {
    FreeProcessHeapBlock(core);
    FreeProcessHeapBlock(hooks);
    FreeProcessHeapBlock(data);
    return nullptr;
  }
  hooks->QueryHook = WrapperQueryHook;
  hooks->AddRef = WrapperAddRef;
  hooks->Release = WrapperRelease;
  hooks->CleanupHook = BaseWrapperCleanup;
  core->hooks = hooks;
  core->refCount = 1;
  core->data = data;
  return core;
}

void BaseWrapperCleanup(WrapperCore* core) {
  if (core->data == nullptr) return;
  for (int word : {kOwnedBlockWordA, kOwnedBlockWordB}) {
    if (core->data[word] != 0) {
      FreeProcessHeapBlock(reinterpret_cast<void*>(core->data[word]));
      core->data[word] = 0;
    }
  }
  FreeProcessHeapBlock(core->data);
  core->data = nullptr;
}

qoWrapperBase::qoWrapperBase() : core_(MakeWrapperCore()) {}

qoWrapperBase::~qoWrapperBase() {
  if (core_ != nullptr) core_->hooks->Release(core_);
}

qoWrapperBase::qoWrapperBase(const qoWrapperBase& other) : core_(other.core_) {
  if (core_ != nullptr) core_->hooks->AddRef(core_);
}

qoWrapperBase& qoWrapperBase::operator=(const qoWrapperBase& other) {
  if (other.core_ != nullptr) other.core_->hooks->AddRef(other.core_);
  if (core_ != nullptr) core_->hooks->Release(core_);
  core_ = other.core_;
  return *this;
}

WrapperCore* qoWrapperBase::GetCore() const { return core_; }

int qoWrapperBase::ShareCore(WrapperCore* core) {
  if (core_ == nullptr || core == nullptr) return 0;
  // AddRef first: when the given core is our own, the Release must not free it.
  core->hooks->AddRef(core);
  core_->hooks->Release(core_);
  core_ = core;
  return 1;
}

WrapperCore* qoWrapperBase::PeekCore() const { return core_; }

std::uintptr_t* qoWrapperBase::GetData() const {
  return core_ != nullptr ? core_->data : nullptr;
}

std::uintptr_t qoWrapperBase::GetDataItem(int index) const {
  std::uintptr_t* word = GetDataItemAddress(index);
  return word != nullptr ? *word : 0;
}

std::uintptr_t* qoWrapperBase::GetDataItemAddress(int index) const {
  if (core_ == nullptr || core_->data == nullptr || !ValidIndex(index)) return nullptr;
  return &core_->data[index];
}

void qoWrapperBase::SetDataItem(int index, std::uintptr_t value) {
  if (std::uintptr_t* word = GetDataItemAddress(index)) *word = value;
}

long qoWrapperBase::GetRefCount() const { return core_ != nullptr ? core_->refCount : 0; }

void qoWrapperBase::InstallCleanupHook(void (*cleanup)(WrapperCore* core)) {
  if (core_ != nullptr) core_->hooks->CleanupHook = cleanup;
}

}  // namespace marlivo::gdi
