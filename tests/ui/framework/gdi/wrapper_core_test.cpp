// The wrapper core: a fresh core, copies sharing it, ShareCore, and one cleanup at the
// last release.
#include "ui/framework/gdi/wrapper_core.h"

#include "ui/framework/process_heap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

namespace marlivo::gdi {
namespace {

int g_cleanups = 0;

void CountingCleanup(WrapperCore* core) {
  ++g_cleanups;
  BaseWrapperCleanup(core);
}

// A wrapper class of the tests' own whose class level installs a counting cleanup.
class CountedWrapper : public qoWrapperBase {
 public:
  CountedWrapper() { InstallCleanupHook(CountingCleanup); }
};

TEST(WrapperCoreTest, FreshCoreHasCountOneAndZeroedWordsWithTheBaseHooks) {
  CountedWrapper object;
  WrapperCore* core = object.GetCore();
  ASSERT_NE(core, nullptr);
  EXPECT_EQ(object.PeekCore(), core);
  EXPECT_EQ(object.GetRefCount(), 1);
  ASSERT_EQ(object.GetData(), core->data);
  for (int i = 0; i < kWrapperDataWords; ++i) EXPECT_EQ(object.GetDataItem(i), 0u) << i;
  void* out = nullptr;
  EXPECT_EQ(core->hooks->QueryHook(core, nullptr, &out), 1);

  object.SetDataItem(15, 0x1234);
  EXPECT_EQ(object.GetDataItem(15), 0x1234u);
  EXPECT_EQ(object.GetDataItemAddress(15), &core->data[15]);
  // Words outside the block are neither read nor written.
  for (int outside : {-1, kWrapperDataWords}) {
    object.SetDataItem(outside, 7);
    EXPECT_EQ(object.GetDataItem(outside), 0u);
    EXPECT_EQ(object.GetDataItemAddress(outside), nullptr);
  }
}

TEST(WrapperCoreTest, CopiesShareOneCoreAndTheLastReleaseCleansUpOnce) {
  g_cleanups = 0;
  std::optional<CountedWrapper> first(std::in_place);
  WrapperCore* core = first->GetCore();
  {
    CountedWrapper second = *first;
    EXPECT_EQ(second.GetCore(), core);
    EXPECT_EQ(first->GetRefCount(), 2);
    CountedWrapper third;
    third = second;  // the third's own core goes at once
    EXPECT_EQ(g_cleanups, 1);
    EXPECT_EQ(third.GetCore(), core);
    EXPECT_EQ(first->GetRefCount(), 3);
    third = third;  // assigning to itself keeps the count
    EXPECT_EQ(first->GetRefCount(), 3);
  }
  EXPECT_EQ(g_cleanups, 1);
  EXPECT_EQ(first->GetRefCount(), 1);
  first.reset();
  EXPECT_EQ(g_cleanups, 2);
}

TEST(WrapperCoreTest, ShareCoreAdoptsTheGivenCoreAndReleasesItsOwn) {
  g_cleanups = 0;
  CountedWrapper holder;
  CountedWrapper other;
  WrapperCore* own = holder.GetCore();

  // Its own core: one reference added and one removed.
  EXPECT_EQ(holder.ShareCore(own), 1);
  EXPECT_EQ(holder.GetRefCount(), 1);
  EXPECT_EQ(g_cleanups, 0);

  EXPECT_EQ(holder.ShareCore(nullptr), 0);
  EXPECT_EQ(holder.GetCore(), own);

  EXPECT_EQ(holder.ShareCore(other.GetCore()), 1);
  EXPECT_EQ(g_cleanups, 1);  // the old core had no other holder
  EXPECT_EQ(holder.GetCore(), other.GetCore());
  EXPECT_EQ(other.GetRefCount(), 2);
}

// Busy blocks of the process heap: the core, its table, its data block and the blocks
// of words 8 and 9 all come from there.
std::size_t BusyHeapBlocks() {
  HANDLE heap = GetProcessHeap();
  std::size_t busy = 0;
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry{};
  while (HeapWalk(heap, &entry)) {
    if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) ++busy;
  }
  HeapUnlock(heap);
  return busy;
}

TEST(WrapperCoreTest, LastReleaseFreesTheCoreAndTheBlocksOfWordsEightAndNine) {
  const std::size_t before = BusyHeapBlocks();
  auto* object = new CountedWrapper;
  object->SetDataItem(kOwnedBlockWordA, reinterpret_cast<std::uintptr_t>(ui::HeapAllocate(32)));
  object->SetDataItem(kOwnedBlockWordB, reinterpret_cast<std::uintptr_t>(ui::HeapAllocate(64)));
  const std::size_t holding = BusyHeapBlocks();
  EXPECT_GE(holding, before + 5);  // core, table, data block, two owned blocks
  delete object;
  EXPECT_EQ(BusyHeapBlocks(), before);
}

}  // namespace
}  // namespace marlivo::gdi
