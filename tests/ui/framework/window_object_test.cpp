// Window objects, their cores and bags: what an object stores, how copies and shared
// cores count, and how a window's registry entry and "hWnd" come and go.
#include <gtest/gtest.h>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

using testing::CreateTopWindow;
using testing::PrepareFramework;

class WindowObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { PrepareFramework(); }
};

TEST_F(WindowObjectTest, BagStoresReplacesAndRemovesThroughTheObject) {
  qoWindowBase window;
  EXPECT_EQ(window.SetProperty("Zero", 0), 0);
  EXPECT_EQ(window.GetProperty("Zero"), 0);
  EXPECT_EQ(window.HasProperty("Zero"), 1);
  EXPECT_EQ(window.HasProperty("Never"), 0);

  EXPECT_EQ(window.SetProperty("Count", 1), 0);
  EXPECT_EQ(window.SetProperty("Count", 2), 1);
  EXPECT_EQ(window.GetProperty("Count"), 2);

  EXPECT_EQ(window.RemoveProperty("Zero"), 1);
  EXPECT_EQ(window.HasProperty("Zero"), 0);
  EXPECT_EQ(window.RemoveProperty("Zero"), 0);

  std::vector<std::string> names{"stale"};
  EXPECT_EQ(window.GetPropertyNames(names), 1);
  EXPECT_EQ(names, std::vector<std::string>{"Count"});
}

TEST_F(WindowObjectTest, BagOfAFreshObjectHasElevenBucketsAndGrowsAtTheNinthKey) {
  qoWindowBase window;
  const HashMap* bag = window.GetCore()->data;
  EXPECT_EQ(bag->bucketCount, 11);
  const char* names[] = {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"};
  for (int i = 0; i < 9; ++i) window.SetProperty(names[i], i);
  EXPECT_EQ(bag->bucketCount, 23);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(window.HasProperty(names[i]), 1);
}

TEST_F(WindowObjectTest, NameIsCopiedAndTypeIsNot) {
  qoWindowBase window;
  EXPECT_EQ(window.GetName(), "");
  EXPECT_EQ(window.GetType(), "");

  char name[] = "first";
  window.SetName(name);
  name[0] = 'X';
  EXPECT_EQ(window.GetName(), "first");
  window.SetName("second");
  EXPECT_EQ(window.GetName(), "second");

  static char type[] = "\xB0\xB4\xC5\xA5";  // 按钮
  window.SetType(type);
  EXPECT_EQ(window.GetType(), "\xB0\xB4\xC5\xA5");
  EXPECT_EQ(window.GetProperty(keys::kType), reinterpret_cast<std::intptr_t>(type));
}

TEST_F(WindowObjectTest, CopiesShareOneCoreAndCountIt) {
  qoWindowBase first;
  EXPECT_EQ(first.GetRefCount(), 1);
  {
    qoWindowBase second(first);
    std::unique_ptr<qoWindowBase> third = first.Copy();
    EXPECT_EQ(second.GetCore(), first.GetCore());
    EXPECT_EQ(third->GetCore(), first.GetCore());
    EXPECT_EQ(first.GetRefCount(), 3);
    second.SetProperty("Shared", 5);
    EXPECT_EQ(first.GetProperty("Shared"), 5);
  }
  EXPECT_EQ(first.GetRefCount(), 1);
}

TEST_F(WindowObjectTest, ShareCoreMovesTheReference) {
  qoWindowBase owner;
  qoWindowBase other;
  owner.SetProperty("Mark", 9);

  // With its own core: one reference added and one taken, nothing else.
  EXPECT_EQ(owner.ShareCore(owner.GetCore()), 1);
  EXPECT_EQ(owner.GetRefCount(), 1);

  EXPECT_EQ(other.ShareCore(owner.GetCore()), 1);
  EXPECT_EQ(other.GetCore(), owner.GetCore());
  EXPECT_EQ(owner.GetRefCount(), 2);
  EXPECT_EQ(other.GetProperty("Mark"), 9);

  EXPECT_EQ(other.ShareCore(nullptr), 0);
  EXPECT_EQ(other.GetCore(), owner.GetCore());
}

TEST_F(WindowObjectTest, ObjectWithoutCoreDoesNothing) {
  qoWindowBase window;
  ObjectCore** slot = window.GetCoreSlot();
  Release(*slot);
  *slot = nullptr;

  std::vector<std::string> names{"kept"};
  EXPECT_EQ(window.GetCore(), nullptr);
  EXPECT_EQ(window.GetRefCount(), 0);
  EXPECT_EQ(window.SetProperty("Key", 1), 0);
  EXPECT_EQ(window.GetProperty("Key"), 0);
  EXPECT_EQ(window.HasProperty("Key"), 0);
  EXPECT_EQ(window.RemoveProperty("Key"), 0);
  EXPECT_EQ(window.GetPropertyNames(names), 0);
  EXPECT_EQ(names, std::vector<std::string>{"kept"});
  window.SetName("name");
  EXPECT_EQ(window.GetName(), "");
  EXPECT_EQ(window.GetHwnd(), nullptr);
  EXPECT_EQ(window.Create(nullptr, L"", 0, 0, 10, 10, nullptr, WS_POPUP, 0, L"qoWindow"), 0);
  qoWindowBase donor;
  EXPECT_EQ(window.ShareCore(donor.GetCore()), 0);
}

TEST_F(WindowObjectTest, RegistryEntryAndHwndLiveAsLongAsTheWindow) {
  qoWindowBase window;
  window.SetName("kept");
  window.SetProperty(keys::kStyle, 4);
  window.SetProperty(keys::kBorder, 2);
  const HWND handle = CreateTopWindow(window);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(window.GetHwnd(), handle);
  EXPECT_EQ(FindCore(handle), window.GetCore());
  EXPECT_EQ(window.GetRefCount(), 1);  // the registry holds no reference

  ASSERT_TRUE(::DestroyWindow(handle));
  EXPECT_EQ(FindCore(handle), nullptr);
  EXPECT_EQ(window.GetHwnd(), nullptr);
  EXPECT_EQ(window.HasProperty(keys::kHwnd), 1);  // stored as 0, not removed
  // What the window's end does not clear stays with the object; "Border" goes.
  EXPECT_EQ(window.GetName(), "kept");
  EXPECT_EQ(window.GetProperty(keys::kStyle), 4);
  EXPECT_EQ(window.HasProperty(keys::kBorder), 0);

  // The same object makes a new window.
  const HWND again = CreateTopWindow(window);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(FindCore(again), window.GetCore());
  ::DestroyWindow(again);
}

TEST_F(WindowObjectTest, LastReleaseOfABoundCoreUnbindsItsWindow) {
  const HWND edit = ::CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 50, 20, nullptr,
                                      nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  const LONG_PTR editProc = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);
  {
    qoWindowBase window;
    ASSERT_EQ(window.SubclassWindow(edit), 1);
    EXPECT_EQ(FindCore(edit), window.GetCore());
    EXPECT_NE(::GetWindowLongPtrW(edit, GWLP_WNDPROC), editProc);

    // Giving the core up for another one frees it: its window is unbound.
    qoWindowBase other;
    ASSERT_EQ(window.ShareCore(other.GetCore()), 1);
    EXPECT_EQ(FindCore(edit), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(edit, GWLP_WNDPROC), editProc);
  }
  ::DestroyWindow(edit);
}

}  // namespace
}  // namespace marlivo::ui
