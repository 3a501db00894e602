// The base window operations: style flags, visibility and enabling, geometry in parent
// coordinates, z-order, window styles, text in both forms, message boxes, the window's
// own property list, borders, default processing.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_binding.h"

namespace marlivo::ui {
namespace {

using testing::ClearRecorded;
using testing::CreateRecorder;
using testing::CreateTopWindow;
using testing::PrepareFramework;
using testing::PumpPending;
using testing::RecordedCount;

class WindowOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareFramework();
    ClearRecorded();
  }
  void TearDown() override {
    for (const HWND window : made_) ::DestroyWindow(window);
  }
  HWND Top(qoWindowBase& object, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    const HWND window = CreateTopWindow(object, style);
    made_.push_back(window);
    return window;
  }
  // A child of the form class at (x, y) in the parent's client area.
  HWND Child(qoWindowBase& object, HWND parent, int x, int y, int width, int height) {
    object.Create(parent, L"child", x, y, width, height, nullptr, WS_CHILD | WS_VISIBLE, 0,
                  kFormClassName);
    return object.GetHwnd();
  }

 private:
  std::vector<HWND> made_;
};

TEST_F(WindowOperationsTest, StyleFlagsReturnTheOldValue) {
  qoWindowBase window;
  EXPECT_EQ(window.GetStyle(), 0u);
  EXPECT_EQ(window.AddStyle(0x1 | 0x4), 0u);
  EXPECT_EQ(window.AddStyle(0x2), 0x5u);
  EXPECT_EQ(window.RemoveStyle(0x4), 0x7u);
  EXPECT_EQ(window.SetStyle(0x10), 0x3u);
  EXPECT_EQ(window.GetStyle(), 0x10u);
  EXPECT_EQ(window.GetProperty(keys::kStyle), 0x10);
}

TEST_F(WindowOperationsTest, VisibleAndDisabledReturnThePreviousState) {
  qoWindowBase window;
  ASSERT_NE(Top(window), nullptr);
  EXPECT_EQ(window.Visible(), 1);
  EXPECT_EQ(window.Visible(0), 1);
  EXPECT_EQ(window.Visible(), 0);
  EXPECT_EQ(window.Visible(0), 0);
  EXPECT_EQ(window.Show(), 0);  // SW_SHOW; it was hidden
  EXPECT_EQ(window.Show(SW_HIDE), 1);
  EXPECT_EQ(window.Visible(1), 0);

  EXPECT_EQ(window.Disabled(), 0);
  EXPECT_EQ(window.Disabled(1), 0);
  EXPECT_EQ(window.Disabled(), 1);
  EXPECT_FALSE(::IsWindowEnabled(window.GetHwnd()));
  EXPECT_EQ(window.Disabled(0), 1);
  EXPECT_EQ(window.Disabled(), 0);
}

TEST_F(WindowOperationsTest, GeometryIsInTheParentsClientCoordinates) {
  qoWindowBase parent;
  ASSERT_NE(Top(parent), nullptr);
  qoWindowBase child;
  ASSERT_NE(Child(child, parent.GetHwnd(), 30, 40, 100, 50), nullptr);

  const RECT rect = child.GetRect();
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.right, 130);
  EXPECT_EQ(rect.bottom, 90);
  EXPECT_EQ(child.GetClientWidth(), 100);
  EXPECT_EQ(child.GetClientHeight(), 50);

  struct Case {
    const char* name;
    int (qoWindowBase::*operation)(std::optional<int>, std::optional<int>);
    int value;
    RECT after;
  };
  const Case cases[] = {
      {"Left", &qoWindowBase::Left, 50, {50, 40, 150, 90}},
      {"Top", &qoWindowBase::Top, 10, {50, 10, 150, 60}},
      {"Width", &qoWindowBase::Width, 70, {50, 10, 120, 60}},
      {"Height", &qoWindowBase::Height, 35, {50, 10, 120, 45}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NE((child.*c.operation)(c.value, std::nullopt), 0);
    const RECT moved = child.GetRect();
    EXPECT_EQ(moved.left, c.after.left);
    EXPECT_EQ(moved.top, c.after.top);
    EXPECT_EQ(moved.right, c.after.right);
    EXPECT_EQ(moved.bottom, c.after.bottom);
    EXPECT_EQ((child.*c.operation)(std::nullopt, std::nullopt), c.value);
  }

  child.Move(5, std::nullopt, std::nullopt, 20);  // x and height; y and width stay
  EXPECT_EQ(child.GetPosition().x, 5);
  EXPECT_EQ(child.GetPosition().y, 10);
  EXPECT_EQ(child.GetSize().cx, 70);
  EXPECT_EQ(child.GetSize().cy, 20);
  child.SetPosition(POINT{7, 8});
  child.SetSize(SIZE{33, 44}, FALSE);
  const RECT last = child.GetRect();
  EXPECT_EQ(last.left, 7);
  EXPECT_EQ(last.top, 8);
  EXPECT_EQ(last.right - last.left, 33);
  EXPECT_EQ(last.bottom - last.top, 44);
  EXPECT_EQ(child.GetParent(), parent.GetHwnd());
}

TEST_F(WindowOperationsTest, TopLevelWindowKeepsScreenCoordinates) {
  qoWindowBase window;
  ASSERT_NE(Top(window, WS_POPUP | WS_VISIBLE), nullptr);
  RECT screen{};
  ::GetWindowRect(window.GetHwnd(), &screen);
  const RECT rect = window.GetRect();
  EXPECT_EQ(rect.left, screen.left);
  EXPECT_EQ(rect.top, screen.top);
  EXPECT_EQ(window.Left(), screen.left);
}

TEST_F(WindowOperationsTest, OperationsWithoutAWindowDoNothing) {
  qoWindowBase window;
  EXPECT_EQ(window.Invalidate(), 0);
  EXPECT_EQ(window.InvalidateRect(RECT{0, 0, 1, 1}, 1), 0);
  window.Move(1, 2, 3, 4);
  EXPECT_EQ(window.IsWindow(), 0);
  EXPECT_EQ(window.HasFocus(), 0);
  EXPECT_EQ(window.GetTextW(), L"");
  EXPECT_EQ(window.GetClassNameW(), L"");
  std::vector<std::wstring> names{L"kept"};
  EXPECT_EQ(window.GetPropNames(names), 0);
  EXPECT_EQ(names, std::vector<std::wstring>{L"kept"});
}

TEST_F(WindowOperationsTest, ZOrderPositionsOutOfRangeMeanTop) {
  qoWindowBase parent;
  ASSERT_NE(Top(parent), nullptr);
  qoWindowBase first;
  qoWindowBase second;
  ASSERT_NE(Child(first, parent.GetHwnd(), 0, 0, 20, 20), nullptr);
  ASSERT_NE(Child(second, parent.GetHwnd(), 0, 0, 20, 20), nullptr);
  const auto topChild = [&] { return ::GetWindow(parent.GetHwnd(), GW_CHILD); };
  const auto bottomChild = [&] { return ::GetWindow(topChild(), GW_HWNDLAST); };

  for (const std::optional<int> position : {std::optional<int>(), std::optional<int>(1),
                                            std::optional<int>(0), std::optional<int>(9)}) {
    ASSERT_NE(first.SetZOrder(2), 0);
    EXPECT_EQ(bottomChild(), first.GetHwnd());
    ASSERT_NE(first.SetZOrder(position), 0);
    EXPECT_EQ(topChild(), first.GetHwnd()) << position.value_or(-1);
  }

  qoWindowBase top;
  ASSERT_NE(Top(top, WS_POPUP | WS_VISIBLE), nullptr);
  top.SetZOrder(3);
  EXPECT_NE(top.GetWindowExStyle() & WS_EX_TOPMOST, 0u);
  top.SetZOrder(4);
  EXPECT_EQ(top.GetWindowExStyle() & WS_EX_TOPMOST, 0u);
}

TEST_F(WindowOperationsTest, WindowStyleChangesReturnThePreviousStyle) {
  qoWindowBase window;
  ASSERT_NE(Top(window, WS_POPUP | WS_VISIBLE), nullptr);
  const DWORD start = window.GetWindowStyle();
  EXPECT_EQ(window.AddWindowStyle(WS_BORDER), start);
  EXPECT_EQ(window.GetWindowStyle(), start | WS_BORDER);
  EXPECT_EQ(window.RemoveWindowStyle(WS_BORDER), start | WS_BORDER);
  EXPECT_EQ(window.GetWindowStyle(), start);
  EXPECT_EQ(window.SetWindowStyle(start | WS_THICKFRAME), start);
  EXPECT_NE(window.GetWindowStyle() & WS_THICKFRAME, 0u);

  const DWORD exStart = window.GetWindowExStyle();
  EXPECT_EQ(window.AddWindowExStyle(WS_EX_TOOLWINDOW), exStart);
  EXPECT_NE(window.GetWindowExStyle() & WS_EX_TOOLWINDOW, 0u);
  EXPECT_EQ(window.RemoveWindowExStyle(WS_EX_TOOLWINDOW) & WS_EX_TOOLWINDOW,
            static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(window.GetWindowExStyle() & WS_EX_TOOLWINDOW, 0u);
  const DWORD exNow = window.GetWindowExStyle();
  EXPECT_EQ(window.SetWindowExStyle(exNow | WS_EX_CLIENTEDGE), exNow);

  window.DragAcceptFiles(TRUE);
  EXPECT_NE(window.GetWindowExStyle() & WS_EX_ACCEPTFILES, 0u);
  window.DragAcceptFiles(FALSE);
  EXPECT_EQ(window.GetWindowExStyle() & WS_EX_ACCEPTFILES, 0u);
}

TEST_F(WindowOperationsTest, BorderOnALiveWindowRestylesIt) {
  qoWindowBase window;
  ASSERT_NE(Top(window), nullptr);
  EXPECT_EQ(window.Border(), 0);  // none stored yet
  EXPECT_EQ(window.Border(0), 0);
  EXPECT_EQ(window.GetWindowStyle() & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
            static_cast<DWORD>(WS_POPUP));
  EXPECT_EQ(window.Border(4), 0);
  EXPECT_EQ(window.Border(), 4);
  EXPECT_NE(window.GetWindowExStyle() & WS_EX_TOOLWINDOW, 0u);
  EXPECT_EQ(window.GetWindowStyle() & (WS_POPUP | WS_CAPTION), static_cast<DWORD>(WS_CAPTION));
}

TEST_F(WindowOperationsTest, TextInBothFormsAndNoReadOfAnEmptyText) {
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  ASSERT_EQ(window.SubclassWindow(recorder), 1);
  ASSERT_EQ(window.SetTextW(L""), 1);
  ClearRecorded();
  EXPECT_EQ(window.GetTextW(), L"");
  EXPECT_EQ(RecordedCount(WM_GETTEXTLENGTH), 1);
  EXPECT_EQ(RecordedCount(WM_GETTEXT), 0);

  ASSERT_EQ(window.SetText("\xBD\xF0 Gold"), 1);  // 金 Gold in GBK
  EXPECT_EQ(window.GetTextW(), L"\x91D1 Gold");
  EXPECT_EQ(window.GetText(), "\xBD\xF0 Gold");
  EXPECT_EQ(window.GetTextLength(), 6);
  EXPECT_EQ(window.GetClassName(), "MarlivoRecorder");

  window.LockRedraw();
  window.UnlockRedraw();
  EXPECT_EQ(RecordedCount(WM_SETREDRAW), 2);
  ::DestroyWindow(recorder);
}

// The title of the message box that the window thread shows next, read from another
// thread, which then closes the box.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(DWORD threadId)
      : thread_([this, threadId] {
          const ULONGLONG deadline = ::GetTickCount64() + 20000;
          while (::GetTickCount64() < deadline) {
            HWND box = nullptr;
            ::EnumThreadWindows(
                threadId,
                [](HWND candidate, LPARAM param) -> BOOL {
                  wchar_t name[16] = {};
                  ::GetClassNameW(candidate, name, 16);
                  if (std::wstring(name) != L"#32770") return TRUE;
                  *reinterpret_cast<HWND*>(param) = candidate;
                  return FALSE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box != nullptr && ::IsWindowVisible(box)) {
              wchar_t text[64] = {};
              ::GetWindowTextW(box, text, 64);
              title_ = text;
              ::PostMessageW(box, WM_COMMAND, IDOK, 0);
              return;
            }
            ::Sleep(20);
          }
        }) {}
  ~MessageBoxWatcher() { thread_.join(); }
  std::wstring Title() {
    thread_.join();
    thread_ = std::thread([] {});
    return title_;
  }

 private:
  std::wstring title_;
  std::thread thread_;
};

TEST_F(WindowOperationsTest, MessageBoxTitleDefaultsToInformation) {
  qoWindowBase window;
  ASSERT_NE(Top(window), nullptr);
  const DWORD self = ::GetCurrentThreadId();
  {
    MessageBoxWatcher watcher(self);
    EXPECT_EQ(window.MessageBoxW(L"text"), IDOK);
    EXPECT_EQ(watcher.Title(), L"\x4FE1\x606F\xFF1A");  // 信息：
  }
  {
    MessageBoxWatcher watcher(self);
    EXPECT_EQ(window.MessageBox("text"), IDOK);
    EXPECT_EQ(watcher.Title(), L"\x4FE1\x606F\xFF1A");
  }
  {
    MessageBoxWatcher watcher(self);
    EXPECT_EQ(window.MessageBox("text", MB_OK, "\xB1\xEA\xCC\xE2"), IDOK);  // 标题 in GBK
    EXPECT_EQ(watcher.Title(), L"\x6807\x9898");
  }
  {
    MessageBoxWatcher watcher(self);
    EXPECT_EQ(window.MessageBoxW(L"text", MB_OKCANCEL, L"Given"), IDOK);
    EXPECT_EQ(watcher.Title(), L"Given");
  }
}

TEST_F(WindowOperationsTest, OwnPropertyListInBothForms) {
  // A child window: Wine keeps a property of its own on top-level windows.
  qoWindowBase parent;
  ASSERT_NE(Top(parent), nullptr);
  qoWindowBase window;
  ASSERT_NE(Child(window, parent.GetHwnd(), 0, 0, 30, 30), nullptr);
  std::vector<std::wstring> names{L"kept"};
  std::vector<HANDLE> handles;
  EXPECT_EQ(window.GetPropNames(names), 0);  // no properties yet: the array stays
  EXPECT_EQ(names, std::vector<std::wstring>{L"kept"});
  EXPECT_EQ(window.GetPropHandles(handles), 0);

  const auto data = [](std::intptr_t value) { return reinterpret_cast<HANDLE>(value); };
  EXPECT_EQ(window.SetPropA("\xC3\xFB\xB3\xC6", data(11)), 1);  // 名称 in GBK
  EXPECT_EQ(window.GetPropW(L"\x540D\x79F0"), data(11));         // found through UTF-16
  EXPECT_EQ(window.SetPropW(L"Plain", data(22)), 1);
  EXPECT_EQ(window.GetPropA("Plain"), data(22));
  EXPECT_EQ(window.SetPropW(reinterpret_cast<const wchar_t*>(MAKEINTATOM(123)), data(33)), 1);

  EXPECT_EQ(window.GetPropNames(names), 3);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"#123", L"Plain", L"\x540D\x79F0"}));
  EXPECT_EQ(window.GetPropHandles(handles), 3);
  std::sort(handles.begin(), handles.end());
  EXPECT_EQ(handles, (std::vector<HANDLE>{data(11), data(22), data(33)}));

  EXPECT_EQ(window.RemovePropA("Plain"), data(22));
  EXPECT_EQ(window.RemovePropW(L"\x540D\x79F0"), data(11));
  EXPECT_EQ(window.GetPropW(L"Plain"), nullptr);
  window.RemovePropW(reinterpret_cast<const wchar_t*>(MAKEINTATOM(123)));
}

TEST_F(WindowOperationsTest, CallDefaultGoesToTheReplacedProcedureOrDefWindowProc) {
  const HWND recorder = CreateRecorder();
  qoWindowBase subclassed;
  ASSERT_EQ(subclassed.SubclassWindow(recorder), 1);
  ClearRecorded();
  subclassed.CallDefault(WM_APP + 3, 0, 0);
  EXPECT_EQ(RecordedCount(WM_APP + 3), 1);
  ::DestroyWindow(recorder);

  qoWindowBase own;
  ASSERT_NE(Top(own), nullptr);
  own.SetTextW(L"four");
  EXPECT_EQ(own.CallDefault(WM_GETTEXTLENGTH, 0, 0), 4);
}

TEST_F(WindowOperationsTest, MessagesFocusAndCapture) {
  qoWindowBase window;
  ASSERT_NE(Top(window), nullptr);
  qoWindowBase child;
  ASSERT_NE(Child(child, window.GetHwnd(), 0, 0, 30, 30), nullptr);
  EXPECT_EQ(window.IsWindow(), 1);
  EXPECT_EQ(window.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"sent")), TRUE);
  EXPECT_EQ(window.GetTextW(), L"sent");
  EXPECT_EQ(window.PostMessage(WM_SETTEXT + 0x400, 0, 0), 1);
  PumpPending();

  child.SetFocus();
  EXPECT_EQ(child.HasFocus(), 1);
  EXPECT_EQ(window.HasFocus(), 0);
  EXPECT_EQ(window.SetFocus(), child.GetHwnd());
  EXPECT_EQ(window.HasFocus(), 1);

  window.SetCapture();
  EXPECT_EQ(::GetCapture(), window.GetHwnd());
  EXPECT_EQ(child.SetCapture(), window.GetHwnd());
  EXPECT_EQ(child.ReleaseCapture(), 1);
  EXPECT_EQ(::GetCapture(), nullptr);

  // Close sends WM_CLOSE: default processing destroys the window.
  const HWND handle = window.GetHwnd();
  window.Close();
  EXPECT_FALSE(::IsWindow(handle));
  EXPECT_EQ(window.GetHwnd(), nullptr);
}

}  // namespace
}  // namespace marlivo::ui
