// The wrapper core: its base hooks, its making and freeing, and the wrapper base class.
#include "ui/framework/gdi/wrapper_core.h"

#include <windows.h>

#include <initializer_list>

#include "ui/framework/process_heap.h"

namespace marlivo::gdi {
namespace {

long WrapperQueryHook(WrapperCore*, const void*, void**) { return 1; }

long WrapperAddRef(WrapperCore* core) { return InterlockedIncrement(&core->refCount); }

long WrapperRelease(WrapperCore* core) {
  const long count = InterlockedDecrement(&core->refCount);
  if (count == 0) {
    core->hooks->CleanupHook(core);
    ui::HeapRelease(core->hooks);
    ui::HeapRelease(core);
  }
  return count;
}

bool ValidIndex(int index) { return index >= 0 && index < kWrapperDataWords; }

}  // namespace

WrapperCore* MakeWrapperCore() {
  auto* core = static_cast<WrapperCore*>(ui::HeapAllocate(sizeof(WrapperCore)));
  auto* hooks = static_cast<WrapperHookTable*>(ui::HeapAllocate(sizeof(WrapperHookTable)));
  auto* data =
      static_cast<std::uintptr_t*>(ui::HeapAllocate(sizeof(std::uintptr_t) * kWrapperDataWords));
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
      ui::HeapRelease(reinterpret_cast<void*>(core->data[word]));
      core->data[word] = 0;
    }
  }
  ui::HeapRelease(core->data);
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
