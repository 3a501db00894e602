// The reference-counted core shared by the small wrapper objects (icon, cursor, font,
// image, GDI+ helpers), and the wrapper base class that every one of them derives from.
//
// A wrapper object is only a handle on its core. Copying an object gives a second
// handle on the same core, so the system object it holds is never duplicated; the
// core's last Release runs the core's CleanupHook, which destroys the system object
// once, and then frees the core.
#pragma once

#include <cstddef>
#include <cstdint>

namespace marlivo::gdi {

struct WrapperCore;

// Every core has its own table (never shared), so that each class level can replace
// the CleanupHook of the cores it makes. The entries take the core first.
struct WrapperHookTable {
  // Always 1; no interface is looked up.
  long (*QueryHook)(WrapperCore* core, const void* interfaceId, void** out);
  // Interlocked increment; the new count.
  long (*AddRef)(WrapperCore* core);
  // Interlocked decrement; the new count. At 0: CleanupHook, then the table and the
  // core are freed.
  long (*Release)(WrapperCore* core);
  // Releases what the data block holds. The base variant frees the heap blocks named by
  // data words 8 and 9, then the data block itself; class variants first destroy the
  // system object in word 0 and then call the base variant.
  void (*CleanupHook)(WrapperCore* core);
};

// Sixteen data words, zeroed when the core is made. They are pointer-sized: word 0
// holds a handle or a pointer to a GDI+ object, which does not fit 32 bits here.
inline constexpr int kWrapperDataWords = 16;
// Words whose non-zero values are process-heap blocks that the base cleanup frees.
inline constexpr int kOwnedBlockWordA = 8;
inline constexpr int kOwnedBlockWordB = 9;

struct WrapperCore {
  WrapperHookTable* hooks;  // this core's own table
  volatile long refCount;   // 1 when made; changed only with interlocked operations
  std::uintptr_t* data;     // kWrapperDataWords words
};

// Makes a core with count 1, a zeroed data block and the base hooks, from the process
// heap (running out of it ends the program by the framework's out-of-memory rule).
WrapperCore* MakeWrapperCore();

// The base CleanupHook: frees the blocks named by words 8 and 9 and the data block.
// Class cleanups call it last.
void BaseWrapperCleanup(WrapperCore* core);

// The wrapper base: positions 0 and 1 of every wrapper class's operations are the
// destructor (gives up this object's reference) and the copy (a second object on the
// same core); positions 2 to 8 are the operations below. Every operation on an object
// without a core does nothing and returns 0.
class qoWrapperBase {
 public:
  virtual ~qoWrapperBase();
  qoWrapperBase(const qoWrapperBase& other);
  qoWrapperBase& operator=(const qoWrapperBase& other);

  WrapperCore* GetCore() const;
  // When both this object's core and the given core exist: AddRef the given one,
  // Release the own one, adopt the given one; 1. Otherwise 0 and nothing changes.
  int ShareCore(WrapperCore* core);
  WrapperCore* PeekCore() const;
  std::uintptr_t* GetData() const;
  std::uintptr_t GetDataItem(int index) const;
  std::uintptr_t* GetDataItemAddress(int index) const;
  void SetDataItem(int index, std::uintptr_t value);

  // The core's reference count; 0 without a core.
  long GetRefCount() const;

 protected:
  // The wrapper base level: a fresh core (count 1, zeroed data block).
  qoWrapperBase();
  // The class level: installs the class's CleanupHook into this object's own core.
  void InstallCleanupHook(void (*cleanup)(WrapperCore* core));

 private:
  WrapperCore* core_;
};

}  // namespace marlivo::gdi
