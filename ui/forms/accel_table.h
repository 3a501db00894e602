// The accelerator-table object: a wrapper object holding one HACCEL in data word 0,
// which it owns. A form keeps its core under "pAccelTable"; the message loops translate
// key messages through the handle.
#pragma once

#include <span>
#include <vector>

#include "ui/framework/gdi/wrapper_core.h"
#include "ui/framework/win32.h"

namespace marlivo::forms {

class qoAccelTable : public gdi::qoWrapperBase {
 public:
  qoAccelTable();
  // A table of the given entries (CreateAcceleratorTableW); empty when none was made.
  explicit qoAccelTable(std::span<const ACCEL> entries);

  // An accelerator resource of the program's module (a name or MAKEINTRESOURCEW
  // number); 1 when it was loaded. What was held before goes first.
  int LoadResource(const wchar_t* name);
  HACCEL GetHandle() const;
  // Destroys the held table; the object is empty afterwards.
  void Destroy();
};

// The class's CleanupHook: destroys the table in word 0, then the base cleanup.
void AccelTableCleanup(gdi::WrapperCore* core);

}  // namespace marlivo::forms
