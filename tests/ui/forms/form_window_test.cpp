// qoWindow and qoForm: creation and its defaults, start positions and centring, the
// window states, icons, dialog items, the wait cursor, menus, markup children, and the
// modal loop.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/forms/form_keys.h"
#include "ui/forms/form_window.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

using testing::IsLiveIcon;
using testing::PrepareControls;
using testing::PumpPending;

RECT WorkArea() {
  RECT area{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

// A form whose window goes with the object at the end of a test.
class TestForm : public qoWindow {
 public:
  ~TestForm() override {
    if (IsWindow()) ::DestroyWindow(GetHwnd());
  }
};

class FormWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { PrepareControls(); }
  void TearDown() override { PumpPending(); }
};

TEST_F(FormWindowTest, CreateFormWithoutArgumentsCentresTheDefaultWindowInTheWorkArea) {
  TestForm form;
  EXPECT_EQ(form.GetType(), "\xB4\xB0\xBF\xDA");  // 窗口
  EXPECT_EQ(form.StartPosition(), 2);
  ASSERT_EQ(form.CreateForm(nullptr), 1);
  EXPECT_EQ(form.GetClassNameW(), L"qoWindow");
  EXPECT_EQ(form.GetWindowStyle(), 0x16C80000u);
  const RECT rect = WindowRect(form.GetHwnd());
  EXPECT_EQ(rect.right - rect.left, 380);
  EXPECT_EQ(rect.bottom - rect.top, 250);
  const RECT area = WorkArea();
  EXPECT_EQ(rect.left, area.left + (area.right - area.left - 380) / 2);
  EXPECT_EQ(rect.top, area.top + (area.bottom - area.top - 250) / 2);
  EXPECT_EQ(::GetWindow(form.GetHwnd(), GW_OWNER), nullptr);
  EXPECT_EQ(FindCore(form.GetHwnd()), form.GetCore());

  // A second creation on the bound object makes nothing.
  EXPECT_EQ(form.CreateForm(nullptr), 0);
}

qoWindow* g_mainForm = nullptr;
int CentreOnCreate(HWND) {
  g_mainForm->WindowState(3);
  return 0;
}

TEST_F(FormWindowTest, TheProgramsMainWindowEndsUpCentredOnTheScreen) {
  TestForm form;
  g_mainForm = &form;
  form.SetOnCreate(CentreOnCreate);
  ASSERT_EQ(form.CreateForm(nullptr, "Marlivo - @Ulvaro", POINT{745, 300}, SIZE{430, 480},
                            0x06CA0000, WS_EX_WINDOWEDGE, 0, ""),
            1);
  EXPECT_EQ(form.GetTextW(), L"Marlivo - @Ulvaro");
  EXPECT_EQ(form.GetWindowStyle(), 0x06CA0000u);  // not visible until the loop shows it
  EXPECT_NE(form.GetWindowExStyle() & WS_EX_WINDOWEDGE, 0u);
  const RECT rect = WindowRect(form.GetHwnd());
  EXPECT_EQ(rect.right - rect.left, 430);
  EXPECT_EQ(rect.bottom - rect.top, 480);
  EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 430) / 2);
  EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 480) / 2);
}

struct StartCase {
  const char* name;
  int startPosition;
  bool withOwner;
};

TEST_F(FormWindowTest, StartPositionPlacesTheNewWindow) {
  TestForm owner;
  ASSERT_EQ(owner.CreateFormW(nullptr, L"owner", POINT{0, 0}, SIZE{300, 200}, WS_POPUP), 1);
  owner.Move(100, 120);
  const SIZE size{120, 80};
  const RECT area = WorkArea();
  const StartCase cases[] = {
      {"0: the given position", 0, false},
      {"1: the work area's size, its corner not added", 1, false},
      {"2 without owner: the work area", 2, false},
      {"2 with owner: over the owner", 2, true},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    qoWindow form;
    form.StartPosition(c.startPosition);
    ASSERT_EQ(form.CreateFormW(c.withOwner ? owner.GetHwnd() : nullptr, L"f", POINT{33, 44},
                               size, WS_POPUP),
              1);
    const RECT rect = WindowRect(form.GetHwnd());
    POINT expected{33, 44};
    if (c.startPosition == 1) {
      expected = {(area.right - area.left - size.cx) / 2, (area.bottom - area.top - size.cy) / 2};
    } else if (c.startPosition == 2 && !c.withOwner) {
      expected = {area.left + (area.right - area.left - size.cx) / 2,
                  area.top + (area.bottom - area.top - size.cy) / 2};
    } else if (c.startPosition == 2) {
      expected = {100 + (300 - size.cx) / 2, 120 + (200 - size.cy) / 2};
    }
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    ::DestroyWindow(form.GetHwnd());
  }
}

TEST_F(FormWindowTest, AWorkAreaBelowATopTaskbarSeparatesTheTwoCentrings) {
  const RECT original = WorkArea();
  RECT lowered{0, 40, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ASSERT_TRUE(::SystemParametersInfoW(SPI_SETWORKAREA, 0, &lowered, 0));
  const RECT area = WorkArea();
  int tops[2] = {};
  for (int mode = 1; mode <= 2; ++mode) {
    qoWindow form;
    form.StartPosition(mode);
    ASSERT_EQ(form.CreateFormW(nullptr, L"f", std::nullopt, SIZE{200, 100}, WS_POPUP), 1);
    tops[mode - 1] = WindowRect(form.GetHwnd()).top;
    ::DestroyWindow(form.GetHwnd());
  }
  RECT restore = original;
  ::SystemParametersInfoW(SPI_SETWORKAREA, 0, &restore, 0);
  ASSERT_EQ(area.top, 40) << "the work area could not be moved";
  EXPECT_EQ(tops[1] - tops[0], 40);
}

TEST_F(FormWindowTest, NoTaskbarButtonGivesTheFormAHiddenOwnerThatGoesWithIt) {
  qoWindow form;
  ASSERT_EQ(form.CreateFormW(nullptr, L"tool", std::nullopt, std::nullopt, std::nullopt, 0, 1), 1);
  const HWND owner = ::GetWindow(form.GetHwnd(), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  wchar_t title[32] = {};
  ::GetWindowTextW(owner, title, 32);
  EXPECT_STREQ(title, L"qoShowTaskbar");
  EXPECT_FALSE(::IsWindowVisible(owner));
  EXPECT_EQ(FindCore(owner), nullptr);

  ::DestroyWindow(form.GetHwnd());
  PumpPending();
  EXPECT_FALSE(::IsWindow(owner));
}

TEST_F(FormWindowTest, WindowStateShowsMinimisesMaximisesHidesAndCentres) {
  TestForm owner;
  TestForm form;
  owner.StartPosition(0);
  ASSERT_EQ(owner.CreateFormW(nullptr, L"owner", POINT{10, 10}, SIZE{400, 300},
                              WS_POPUP | WS_VISIBLE),
            1);
  form.StartPosition(0);
  ASSERT_EQ(form.CreateFormW(owner.GetHwnd(), L"form", POINT{0, 0}, SIZE{200, 100}), 1);

  EXPECT_EQ(form.WindowState(), 0);
  form.WindowState(2);
  EXPECT_EQ(form.WindowState(), 2);
  form.WindowState(0);
  EXPECT_EQ(form.WindowState(), 0);
  form.WindowState(1);
  EXPECT_EQ(form.WindowState(), 1);
  form.WindowState(0);
  EXPECT_EQ(form.WindowState(), 0);
  EXPECT_TRUE(::IsWindowVisible(form.GetHwnd()));
  form.WindowState(9);
  EXPECT_FALSE(::IsWindowVisible(form.GetHwnd()));

  // Centred over the visible owner, or on the screen once the owner is hidden.
  EXPECT_EQ(form.WindowState(3), 1);
  RECT rect = WindowRect(form.GetHwnd());
  EXPECT_EQ(rect.left, 10 + (400 - 200) / 2);
  EXPECT_EQ(rect.top, 10 + (300 - 100) / 2);
  owner.Visible(0);
  form.WindowState(3);
  rect = WindowRect(form.GetHwnd());
  EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 100) / 2);
}

TEST_F(FormWindowTest, TheFormOwnsCopiesOfItsIcons) {
  TestForm form;
  ASSERT_EQ(form.CreateFormW(nullptr, L"icons"), 1);
  gdi::qoIcon fallback = form.GetIcon(0);
  EXPECT_NE(fallback.GetHandle(), nullptr);  // the system application icon, copied

  gdi::qoIcon icon;
  ASSERT_EQ(icon.LoadSystemIcon(WideResource(IDI_INFORMATION)), 1);
  form.SetIcon(icon, 0);
  const auto small = reinterpret_cast<HICON>(form.GetProperty(keys::kSmallIcon));
  ASSERT_NE(small, nullptr);
  EXPECT_NE(small, icon.GetHandle());
  EXPECT_EQ(form.SendMessage(WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(small));
  EXPECT_EQ(form.GetProperty(keys::kBigIcon), 0);
  {
    gdi::qoIcon read = form.GetIcon(0);
    EXPECT_NE(read.GetHandle(), small);
  }

  form.SetIcon(icon, 0);
  const auto second = reinterpret_cast<HICON>(form.GetProperty(keys::kSmallIcon));
  EXPECT_FALSE(IsLiveIcon(small));
  EXPECT_TRUE(IsLiveIcon(second));
  ::DestroyWindow(form.GetHwnd());
  EXPECT_FALSE(IsLiveIcon(second));
  EXPECT_TRUE(IsLiveIcon(icon.GetHandle()));
}

TEST_F(FormWindowTest, DialogItemsWaitCursorAndMenu) {
  TestForm form;
  ASSERT_EQ(form.CreateFormW(nullptr, L"items"), 1);
  const HWND item = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 10, 10, form.GetHwnd(),
                                      reinterpret_cast<HMENU>(5), nullptr, nullptr);
  EXPECT_EQ(form.GetDlgItem(5), item);
  qoWindowBase taken;
  EXPECT_EQ(form.AttachDlgItem(6, taken), 0);
  EXPECT_EQ(form.AttachDlgItem(5, taken), 1);
  EXPECT_EQ(taken.GetHwnd(), item);

  form.BeginWaitCursor();
  EXPECT_NE(form.GetProperty(keys::kWaitCursor), 0);
  form.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(form.GetHwnd()), HTCLIENT);
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, WideResource(IDC_WAIT)));
  form.EndWaitCursor();
  EXPECT_EQ(form.GetProperty(keys::kWaitCursor), 0);

  const HMENU menu = ::CreateMenu();
  ::AppendMenuW(menu, MF_STRING, 40, L"&File");
  EXPECT_EQ(form.SetMenu(menu), 1);
  EXPECT_EQ(form.GetMenu(), menu);
  EXPECT_EQ(form.DrawMenuBar(), 1);
  EXPECT_EQ(form.SetMenu(), 1);
  EXPECT_EQ(form.GetMenu(), nullptr);
  ::DestroyMenu(menu);
}

TEST_F(FormWindowTest, ChildrenMadeFromMarkupAreFoundByHandle) {
  TestForm form;
  EXPECT_EQ(form.CreateFormW(nullptr, L"markup"), 1);
  std::vector<HWND> handles{reinterpret_cast<HWND>(1)};
  EXPECT_EQ(form.GetControlHandles(handles), 0);
  EXPECT_EQ(handles.size(), 1u);

  // What markup creation leaves behind: the children's cores under "Controls", one
  // reference each.
  qoWindowBase child;
  const HWND childWindow = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 5, 5,
                                             form.GetHwnd(), nullptr, nullptr, nullptr);
  ASSERT_EQ(child.SubclassWindow(childWindow), 1);
  HashMap* children = CreateHashMap(MapKind::kInteger, MapKind::kInteger);
  AddRef(child.GetCore());
  MapPut(children, reinterpret_cast<std::intptr_t>(childWindow),
         reinterpret_cast<std::intptr_t>(child.GetCore()));
  form.SetProperty(keys::kControls, reinterpret_cast<std::intptr_t>(children));

  EXPECT_EQ(form.GetControlHandles(handles), 1);
  EXPECT_EQ(handles, std::vector<HWND>{childWindow});
  qoWindowBase found;
  EXPECT_EQ(form.GetControl(form.GetHwnd(), found), 0);
  EXPECT_EQ(form.GetControl(childWindow, found), 1);
  EXPECT_EQ(found.GetCore(), child.GetCore());
  EXPECT_EQ(child.GetRefCount(), 3);  // child, found, "Controls"
  ::DestroyWindow(form.GetHwnd());
  EXPECT_EQ(child.GetRefCount(), 2);
}

// The modal window, seen from inside its loop.
struct ModalRecord {
  bool ownerEnabledInside = true;
  bool closed = false;
};
ModalRecord g_modal;
qoWindow* g_modalForm = nullptr;

int CloseSoon(HWND window) {
  g_modalForm->DialogResult(5);
  ::PostQuitMessage(3);  // a quit for the loop outside; the modal loop goes on
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}

int NoteClose(HWND window) {
  g_modal.ownerEnabledInside =
      ::IsWindowEnabled(reinterpret_cast<HWND>(::GetWindowLongPtrW(window, GWLP_HWNDPARENT)));
  g_modal.closed = true;
  return 0;
}

TEST_F(FormWindowTest, RunModalDisablesTheOwnerUntilTheWindowIsClosed) {
  TestForm owner;
  ASSERT_EQ(owner.CreateFormW(nullptr, L"owner", POINT{0, 0}, SIZE{300, 200},
                              WS_POPUP | WS_VISIBLE),
            1);
  const HWND field = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                       owner.GetHwnd(), nullptr, nullptr, nullptr);
  ::SetForegroundWindow(owner.GetHwnd());
  ::SetFocus(field);
  ASSERT_EQ(::GetFocus(), field);

  qoWindow modal;
  g_modalForm = &modal;
  g_modal = ModalRecord{};
  modal.SetOnCreate(CloseSoon);
  modal.SetOnClose(NoteClose);
  EXPECT_EQ(modal.RunModal(owner.GetHwnd(), "modal"), 5);
  EXPECT_TRUE(g_modal.closed);
  EXPECT_FALSE(g_modal.ownerEnabledInside);
  EXPECT_TRUE(::IsWindowEnabled(owner.GetHwnd()));
  EXPECT_EQ(modal.GetHwnd(), nullptr);
  EXPECT_EQ(::GetFocus(), field);
  // The quit asked for inside is there again for the loop outside.
  MSG quit{};
  ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
}

int PressEscape(HWND window) {
  ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
  return 0;
}

TEST_F(FormWindowTest, EscapeInAModalWindowThatClosesOnEscapeEndsIt) {
  qoWindow modal;
  modal.EscClose(1);
  modal.DialogResult(2);
  modal.SetOnCreate(PressEscape);
  EXPECT_EQ(modal.RunModalW(nullptr, L"escape"), 2);
  EXPECT_EQ(modal.GetHwnd(), nullptr);
}

TEST_F(FormWindowTest, RunModalThatCanMakeNoWindowReturnsZeroAtOnce) {
  TestForm modal;
  modal.DialogResult(9);
  ASSERT_EQ(modal.CreateFormW(nullptr, L"already made"), 1);
  EXPECT_EQ(modal.RunModalW(nullptr, L"second"), 0);
  EXPECT_TRUE(modal.IsWindow());
}

}  // namespace
}  // namespace marlivo::ui
