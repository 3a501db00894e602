// The accelerator-table object.
#include "ui/forms/accel_table.h"

#include "ui/framework/module_instance.h"

namespace marlivo::forms {

void AccelTableCleanup(gdi::WrapperCore* core) {
  if (core->data != nullptr && core->data[0] != 0) {
    ::DestroyAcceleratorTable(reinterpret_cast<HACCEL>(core->data[0]));
    core->data[0] = 0;
  }
  gdi::BaseWrapperCleanup(core);
}

qoAccelTable::qoAccelTable() { InstallCleanupHook(AccelTableCleanup); }

qoAccelTable::qoAccelTable(std::span<const ACCEL> entries) : qoAccelTable() {
  if (entries.empty()) return;
  // CreateAcceleratorTableW takes a writable array, though it only reads it.
  std::vector<ACCEL> copy(entries.begin(), entries.end());
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(
                     ::CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size()))));
}

int qoAccelTable::LoadResource(const wchar_t* name) {
  Destroy();
  const HACCEL table = ::LoadAcceleratorsW(ui::ModuleInstance(), name);
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(table));
  return table != nullptr ? 1 : 0;
}

HACCEL qoAccelTable::GetHandle() const { return reinterpret_cast<HACCEL>(GetDataItem(0)); }

void qoAccelTable::Destroy() {
  if (const HACCEL table = GetHandle()) {
    ::DestroyAcceleratorTable(table);
    SetDataItem(0, 0);
  }
}

}  // namespace marlivo::forms
