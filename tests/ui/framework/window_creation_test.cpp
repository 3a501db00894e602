// Making windows for window objects and binding them: the class window procedure,
// subclassing and sharing, dialogs from templates and resources, MDI children, borders.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/borders.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

using testing::ClearRecorded;
using testing::CreateRecorder;
using testing::CreateTopWindow;
using testing::PrepareFramework;
using testing::RecordedCount;

constexpr UINT kProbe = WM_APP + 7;

class WindowCreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareFramework();
    ClearRecorded();
  }
};

int CountThreadWindows() {
  int count = 0;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND, LPARAM param) -> BOOL {
        ++*reinterpret_cast<int*>(param);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// Messages that reached a core's hooks, in order.
std::vector<UINT> g_hooked;

LRESULT RecordHooked(HWND, UINT message, WPARAM, LPARAM, int*) {
  g_hooked.push_back(message);
  return 0;
}

TEST_F(WindowCreationTest, CreateBindsInsideTheCallFromWmNcCreateOn) {
  qoWindowBase window;
  g_hooked.clear();
  window.SetOnWndMsg(RecordHooked);
  const HWND handle = CreateTopWindow(window);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(window.GetClassNameW(), L"qoWindow");
  // What came before WM_NCCREATE (WM_GETMINMAXINFO) found no core yet.
  ASSERT_FALSE(g_hooked.empty());
  EXPECT_EQ(g_hooked.front(), static_cast<UINT>(WM_NCCREATE));

  // A second creation is refused and makes no window.
  const int before = CountThreadWindows();
  EXPECT_EQ(window.Create(nullptr, L"again", 0, 0, 50, 50, nullptr, WS_POPUP, 0,
                          kFormClassName),
            0);
  EXPECT_EQ(CountThreadWindows(), before);
  EXPECT_EQ(window.GetHwnd(), handle);
  ::DestroyWindow(handle);
}

TEST_F(WindowCreationTest, FormClassHasTheFrameworkDefaults) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetClassInfoExW(ModuleInstance(), kFormClassName, &info));
  EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
  EXPECT_EQ(info.lpfnWndProc, &ClassWindowProc);
  EXPECT_EQ(info.cbClsExtra, 0);
  EXPECT_EQ(info.cbWndExtra, 0);
  EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(16)));
  EXPECT_EQ(info.hCursor, ::LoadCursorW(nullptr, WideResource(IDC_ARROW)));
  EXPECT_EQ(info.hIcon, ::LoadIconW(nullptr, WideResource(IDI_APPLICATION)));
  EXPECT_EQ(info.lpszMenuName, nullptr);
  EXPECT_EQ(RegisterWindowClass(std::nullopt, kFormClassName), 0);  // exists already
}

TEST_F(WindowCreationTest, SecondObjectOnABoundWindowSharesItsCore) {
  struct Case {
    const char* name;
    int (qoWindowBase::*bind)(HWND);
  };
  const Case cases[] = {{"SubclassWindow", &qoWindowBase::SubclassWindow},
                        {"BindHandle", &qoWindowBase::BindHandle}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qoWindowBase owner;
    const HWND handle = CreateTopWindow(owner);
    ASSERT_NE(handle, nullptr);
    qoWindowBase second;
    EXPECT_EQ((second.*c.bind)(handle), 1);
    EXPECT_EQ(second.GetCore(), owner.GetCore());
    EXPECT_EQ(owner.GetRefCount(), 2);
    second.SetProperty("FromSecond", 3);
    EXPECT_EQ(owner.GetProperty("FromSecond"), 3);
    ::DestroyWindow(handle);
  }
}

TEST_F(WindowCreationTest, BindingRefusesWhatIsNoWindowOrNotBound) {
  qoWindowBase window;
  const HWND gone = CreateRecorder();
  ::DestroyWindow(gone);
  EXPECT_EQ(window.SubclassWindow(gone), 0);
  EXPECT_EQ(window.BindHandle(gone), 0);
  EXPECT_EQ(window.SubclassWindow(nullptr), 0);

  const HWND unbound = CreateRecorder();
  ObjectCore* own = window.GetCore();
  EXPECT_EQ(window.BindHandle(unbound), 0);  // BindHandle never subclasses
  EXPECT_EQ(window.GetCore(), own);
  EXPECT_EQ(FindCore(unbound), nullptr);
  ::DestroyWindow(unbound);
}

TEST_F(WindowCreationTest, AfterUnsubclassMessagesReachOnlyTheReplacedProcedure) {
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  g_hooked.clear();
  window.SetOnWndMsg(RecordHooked);
  ASSERT_EQ(window.SubclassWindow(recorder), 1);
  ::SendMessageW(recorder, kProbe, 0, 0);
  EXPECT_EQ(std::count(g_hooked.begin(), g_hooked.end(), kProbe), 1);
  EXPECT_EQ(RecordedCount(kProbe), 1);  // unclaimed: on to the replaced procedure

  window.UnsubclassWindow();
  EXPECT_EQ(window.GetHwnd(), nullptr);
  EXPECT_EQ(FindCore(recorder), nullptr);
  ::SendMessageW(recorder, kProbe, 0, 0);
  EXPECT_EQ(std::count(g_hooked.begin(), g_hooked.end(), kProbe), 1);
  EXPECT_EQ(RecordedCount(kProbe), 2);
  ::DestroyWindow(recorder);
}

TEST_F(WindowCreationTest, SubclassedControlStillGetsItsLastMessage) {
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  ASSERT_EQ(window.SubclassWindow(recorder), 1);
  ::DestroyWindow(recorder);
  // The control's own procedure frees what it keeps on WM_NCDESTROY.
  EXPECT_EQ(RecordedCount(WM_NCDESTROY), 1);
  EXPECT_EQ(window.GetHwnd(), nullptr);
  EXPECT_EQ(window.GetProperty(keys::kOldWndProc), 0);
}

TEST_F(WindowCreationTest, SubclassingAnotherWindowMovesASoleCoreAndRefusesASharedOne) {
  const HWND first = CreateRecorder();
  const HWND second = CreateRecorder();
  const LONG_PTR recorderProc = ::GetWindowLongPtrW(first, GWLP_WNDPROC);
  {
    qoWindowBase window;
    window.SetName("dropped with the old window");
    ASSERT_EQ(window.SubclassWindow(first), 1);

    qoWindowBase sharer(window);  // two references: the core is shared
    EXPECT_EQ(sharer.SubclassWindow(second), 0);
    EXPECT_EQ(FindCore(first), window.GetCore());
    EXPECT_EQ(FindCore(second), nullptr);
    EXPECT_EQ(window.GetHwnd(), first);
  }
  {
    qoWindowBase window;
    window.SetName("dropped with the old window");
    ASSERT_EQ(window.SubclassWindow(first), 1);
    ASSERT_EQ(window.SubclassWindow(second), 1);
    EXPECT_EQ(FindCore(first), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(first, GWLP_WNDPROC), recorderProc);
    EXPECT_EQ(FindCore(second), window.GetCore());
    EXPECT_EQ(window.GetHwnd(), second);
    EXPECT_EQ(window.GetName(), "");  // the old binding's cleanup freed the name
  }
  ::DestroyWindow(first);
  ::DestroyWindow(second);
}

// Closes the dialog as soon as it exists; records what the hooks saw meanwhile.
HWND g_dialog = nullptr;
ObjectCore* g_dialogCore = nullptr;

LRESULT CloseOnInit(HWND window, UINT message, WPARAM, LPARAM, int*) {
  if (message == WM_INITDIALOG) {
    g_dialog = window;
    g_dialogCore = FindCore(window);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return 0;
}

TEST_F(WindowCreationTest, ModalDialogClosedByWmCloseEndsWithDialogResult) {
  qoWindowBase dialog;
  dialog.SetProperty(keys::kDialogResult, 42);
  dialog.SetOnWndMsg(CloseOnInit);
  g_dialog = nullptr;
  EXPECT_EQ(dialog.ShowModal(nullptr, L"modal", 10, 10, 100, 60,
                             WS_POPUP | WS_CAPTION | WS_SYSMENU, 0),
            42);
  EXPECT_EQ(g_dialogCore, dialog.GetCore());  // bound while it lived
  EXPECT_FALSE(::IsWindow(g_dialog));
  EXPECT_EQ(dialog.GetHwnd(), nullptr);

  // Without "DialogResult" the dialog ends with 0.
  qoWindowBase plain;
  plain.SetOnWndMsg(CloseOnInit);
  EXPECT_EQ(plain.ShowModal(nullptr, L"modal", 10, 10, 100, 60, WS_POPUP | WS_CAPTION, 0), 0);
}

TEST_F(WindowCreationTest, ModelessDialogFromTemplateHasItsClassSizeAndTitle) {
  qoWindowBase dialog;
  ASSERT_EQ(dialog.CreateDialog(nullptr, L"modeless", 10, 10, 100, 50,
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, L"qoDialog"),
            1);
  const HWND handle = dialog.GetHwnd();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(FindCore(handle), dialog.GetCore());
  EXPECT_EQ(dialog.GetClassNameW(), L"qoDialog");
  EXPECT_EQ(dialog.GetTextW(), L"modeless");
  EXPECT_NE(dialog.GetProperty(keys::kOldWndProc), 0);  // the dialog class's procedure
  EXPECT_EQ(::GetClassLongW(handle, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW),
            static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));
  RECT units{0, 0, 100, 50};
  ::MapDialogRect(handle, &units);
  const RECT client = dialog.GetClientRect();
  EXPECT_EQ(client.right, units.right);
  EXPECT_EQ(client.bottom, units.bottom);
  EXPECT_EQ(dialog.CreateDialog(nullptr, L"", 0, 0, 10, 10, WS_POPUP, 0), 0);  // bound

  // An unclaimed WM_CLOSE destroys a modeless dialog.
  ::SendMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(handle));
  EXPECT_EQ(dialog.GetHwnd(), nullptr);
}

HWND g_saveButton = nullptr;

LRESULT CloseResourceDialog(HWND window, UINT message, WPARAM, LPARAM, int*) {
  if (message == WM_INITDIALOG) {
    g_saveButton = ::GetDlgItem(window, 1001);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return 0;
}

TEST_F(WindowCreationTest, DialogsFromTheModulesTemplateResource) {
  qoWindowBase modal;
  modal.SetProperty(keys::kDialogResult, 7);
  modal.SetOnWndMsg(CloseResourceDialog);
  g_saveButton = nullptr;
  EXPECT_EQ(modal.ShowModalFromResource(nullptr, MAKEINTRESOURCEW(101)), 7);
  EXPECT_NE(g_saveButton, nullptr);

  qoWindowBase modeless;
  ASSERT_EQ(modeless.CreateDialogFromResource(nullptr, MAKEINTRESOURCEW(101), L"qoResDialog"),
            1);
  EXPECT_EQ(modeless.GetTextW(), L"From resource");
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(::GetClassInfoExW(ModuleInstance(), L"qoResDialog", &info));
  EXPECT_EQ(modeless.CreateDialogFromResource(nullptr, MAKEINTRESOURCEW(101)), 0);
  ::DestroyWindow(modeless.GetHwnd());

  qoWindowBase missing;
  EXPECT_EQ(missing.CreateDialogFromResource(nullptr, MAKEINTRESOURCEW(999)), 0);
}

TEST_F(WindowCreationTest, MdiChildOfTheFormClassIsBound) {
  qoWindowBase frame;
  const HWND frameWindow = CreateTopWindow(frame);
  ASSERT_NE(frameWindow, nullptr);
  CLIENTCREATESTRUCT clientInfo{};
  clientInfo.idFirstChild = 100;
  const HWND client = ::CreateWindowExW(0, L"MDICLIENT", nullptr,
                                        WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 300, 200,
                                        frameWindow, nullptr, ModuleInstance(), &clientInfo);
  ASSERT_NE(client, nullptr);

  qoWindowBase child;
  child.SetProperty(keys::kBorder, 0);
  g_hooked.clear();
  child.SetOnWndMsg(RecordHooked);
  ASSERT_EQ(child.CreateMDIChild(client, L"child", 0, 0, 120, 80, WS_VISIBLE, kFormClassName),
            1);
  const HWND handle = child.GetHwnd();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(FindCore(handle), child.GetCore());
  EXPECT_EQ(::GetParent(handle), client);
  ::SendMessageW(handle, kProbe, 0, 0);
  EXPECT_EQ(std::count(g_hooked.begin(), g_hooked.end(), kProbe), 1);
  ::DestroyWindow(frameWindow);
  EXPECT_EQ(child.GetHwnd(), nullptr);
}

TEST_F(WindowCreationTest, WindowBorderKindsTurnIntoStyles) {
  const DWORD frameBits = WS_SYSMENU | WS_CAPTION | WS_BORDER | WS_DLGFRAME;
  struct Case {
    int kind;
    DWORD style;
    DWORD exStyle;
  };
  const Case cases[] = {
      {0, WS_POPUP, 0},
      {1, frameBits | WS_THICKFRAME, WS_EX_WINDOWEDGE},
      {2, frameBits, WS_EX_WINDOWEDGE},
      {3, frameBits | WS_THICKFRAME, WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW},
      {4, frameBits, WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW},
      {5, frameBits | WS_THICKFRAME, WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE},
      {6, frameBits, WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE},
      {7, frameBits, WS_EX_WINDOWEDGE},  // every unlisted kind is kind 2
      {-1, frameBits, WS_EX_WINDOWEDGE},
  };
  for (const Case& c : cases) {
    DWORD style = WS_POPUP | WS_THICKFRAME | WS_VISIBLE;  // frame bits go, others stay
    DWORD exStyle = WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    ApplyWindowBorderKind(c.kind, style, exStyle);
    EXPECT_EQ(style, c.style | WS_VISIBLE) << c.kind;
    EXPECT_EQ(exStyle, c.exStyle | WS_EX_TOPMOST) << c.kind;
  }
}

TEST_F(WindowCreationTest, ControlBorderKindsTurnIntoStyles) {
  struct Case {
    int kind;
    DWORD style;
    DWORD exStyle;
  };
  const Case cases[] = {
      {0, 0, 0},
      {1, 0, WS_EX_CLIENTEDGE},
      {2, 0, WS_EX_WINDOWEDGE},
      {3, 0, WS_EX_STATICEDGE},
      {4, 0, WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE},
      {5, WS_BORDER, 0},
      {6, 0, 0},
  };
  for (const Case& c : cases) {
    DWORD style = WS_CHILD | WS_BORDER;
    DWORD exStyle = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;
    ApplyControlBorderKind(c.kind, style, exStyle);
    EXPECT_EQ(style, c.style | WS_CHILD) << c.kind;
    EXPECT_EQ(exStyle, c.exStyle | WS_EX_NOPARENTNOTIFY) << c.kind;
  }
}

TEST_F(WindowCreationTest, CreateAppliesTheBorderOnlyWhenTheBagHasOne) {
  const DWORD given = WS_OVERLAPPEDWINDOW;
  qoWindowBase popup;
  popup.SetProperty(keys::kBorder, 0);
  ASSERT_NE(CreateTopWindow(popup, given), nullptr);
  EXPECT_EQ(popup.GetWindowStyle() & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
            static_cast<DWORD>(WS_POPUP));

  qoWindowBase unchanged;
  ASSERT_NE(CreateTopWindow(unchanged, given), nullptr);
  EXPECT_EQ(unchanged.GetWindowStyle() & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
            static_cast<DWORD>(WS_CAPTION | WS_THICKFRAME));
  ::DestroyWindow(popup.GetHwnd());
  ::DestroyWindow(unchanged.GetHwnd());
}

}  // namespace
}  // namespace marlivo::ui
