// qoWindowBase: construction, copies, and the operations on the core and its bag.
#include "ui/framework/window_base.h"

#include "ui/framework/bag_keys.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/process_heap.h"

namespace marlivo::ui {

qoWindowBase::qoWindowBase() : core_(MakeWindowCore()) { InstallWindowLevel(core_); }

qoWindowBase::qoWindowBase(const qoWindowBase& other) : core_(other.core_) {
  AddRef(core_);
}

qoWindowBase& qoWindowBase::operator=(const qoWindowBase& other) {
  if (this != &other) {
    AddRef(other.core_);
    Release(core_);
    core_ = other.core_;
  }
  return *this;
}

qoWindowBase::~qoWindowBase() { Release(core_); }

std::unique_ptr<qoWindowBase> qoWindowBase::Copy() const {
  return std::make_unique<qoWindowBase>(*this);
}

ObjectCore* qoWindowBase::GetCore() const { return core_; }

int qoWindowBase::ShareCore(ObjectCore* core) {
  if (core_ == nullptr || core == nullptr) return 0;
  AddRef(core);
  Release(core_);
  core_ = core;
  return 1;
}

ObjectCore** qoWindowBase::GetCoreSlot() { return &core_; }

LONG qoWindowBase::GetRefCount() const { return core_ == nullptr ? 0 : core_->refCount; }

std::intptr_t qoWindowBase::GetProperty(const char* key) const {
  return ui::GetProperty(core_, key);
}

int qoWindowBase::SetProperty(const char* key, std::intptr_t value) {
  return ui::SetProperty(core_, key, value);
}

int qoWindowBase::RemoveProperty(const char* key) { return ui::RemoveProperty(core_, key); }

int qoWindowBase::HasProperty(const char* key) const { return ui::HasProperty(core_, key); }

int qoWindowBase::GetPropertyNames(std::vector<std::string>& names) const {
  if (core_ == nullptr) return 0;
  names = MapTextKeys(core_->data);
  return static_cast<int>(names.size());
}

void qoWindowBase::SetType(const char* type) { SetPropertyOf(core_, keys::kType, type); }

std::string qoWindowBase::GetType() const {
  const char* type = GetPropertyAs<const char*>(core_, keys::kType);
  return type == nullptr ? std::string() : std::string(type);
}

void qoWindowBase::SetName(const char* name) {
  if (core_ == nullptr) return;
  HeapRelease(GetPropertyAs<char*>(core_, keys::kName));
  SetPropertyOf(core_, keys::kName, name == nullptr ? nullptr : HeapCopyText(name));
}

std::string qoWindowBase::GetName() const {
  const char* name = GetPropertyAs<const char*>(core_, keys::kName);
  return name == nullptr ? std::string() : std::string(name);
}

HWND qoWindowBase::GetHwnd() const { return GetPropertyAs<HWND>(core_, keys::kHwnd); }

}  // namespace marlivo::ui
