// The application object: initialisation, the program helpers, and its message loops
// with their keyboard navigation, accelerators and ActiveX pre-translation.
#include "ui/framework/win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "engine/text/code_page.h"
#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/application.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/gdi/wrapper_core.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_list.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

using testing::CreateTopWindow;
using testing::PrepareFramework;

constexpr UINT kForwardMessage = 0x037F;

class ApplicationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Application().Initialise(); }
  void SetUp() override { PrepareFramework(); }
  static qoApplication& Application() {
    static qoApplication application;
    return application;
  }
};

TEST_F(ApplicationTest, SecondInitialiseKeepsGdiplusAndTheRegistry) {
  qoApplication& app = Application();
  const ULONG_PTR token = app.GetGdiplusToken();
  const HashMap* registry = WindowRegistry();
  EXPECT_NE(token, 0u);
  ASSERT_NE(registry, nullptr);
  app.Initialise();
  EXPECT_EQ(app.GetGdiplusToken(), token);
  EXPECT_EQ(WindowRegistry(), registry);
  EXPECT_EQ(app.GetInstance(), ::GetModuleHandleW(nullptr));
  EXPECT_NE(std::get_new_handler(), nullptr);  // operator new follows the out-of-memory rule

  const HINSTANCE other = ::GetModuleHandleW(L"user32.dll");
  app.Initialise(other, 0, ICC_PROGRESS_CLASS);
  EXPECT_EQ(app.GetInstance(), other);
  EXPECT_EQ(ModuleInstance(), other);
  app.Initialise();
  EXPECT_EQ(app.GetInstance(), ::GetModuleHandleW(nullptr));

  // ActiveX hosting registered its host window class.
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(::GetClassInfoExW(app.GetInstance(), L"AtlAxWin", &info));
  EXPECT_TRUE(::GetClassInfoExW(nullptr, L"msctls_progress32", &info));
}

TEST_F(ApplicationTest, ProgramHelpersDescribeTheRunningModule) {
  const qoApplication& app = Application();
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  EXPECT_EQ(app.GetProgramFileNameW(), L"application_test.exe");
  EXPECT_EQ(app.GetProgramDirW() + L"\\" + app.GetProgramFileNameW(), path);
  EXPECT_EQ(app.GetProgramDir(), text::WideToGbk(app.GetProgramDirW()));
  EXPECT_EQ(app.GetProgramFileName(), "application_test.exe");

  std::vector<std::wstring> wide;
  std::vector<std::string> narrow;
  const int count = app.GetArgumentsW(wide);
  ASSERT_GE(count, 1);
  EXPECT_EQ(static_cast<int>(wide.size()), count);
  EXPECT_NE(wide[0].find(L"application_test"), std::wstring::npos);
  EXPECT_EQ(app.GetArguments(narrow), count);
  EXPECT_EQ(narrow[0], text::WideToGbk(wide[0]));
}

TEST_F(ApplicationTest, TopLevelWindowAndNextTabStop) {
  qoApplication& app = Application();
  qoWindowBase top;
  const HWND root = CreateTopWindow(top);
  ASSERT_NE(root, nullptr);
  const auto child = [](HWND parent, DWORD style) {
    return ::CreateWindowExW(0, L"Button", L"b", WS_CHILD | style, 0, 0, 20, 20, parent,
                             nullptr, nullptr, nullptr);
  };
  const HWND first = child(root, WS_VISIBLE | WS_TABSTOP);
  child(root, WS_VISIBLE | WS_TABSTOP | WS_DISABLED);
  child(root, WS_VISIBLE);
  child(root, WS_TABSTOP);  // hidden
  const HWND last = child(root, WS_VISIBLE | WS_TABSTOP);
  const HWND inner = child(first, WS_VISIBLE);

  EXPECT_EQ(app.GetTopLevelWindow(inner), root);
  EXPECT_EQ(app.GetTopLevelWindow(root), root);
  EXPECT_EQ(app.GetTopLevelWindow(nullptr), nullptr);

  ::SetFocus(first);
  EXPECT_EQ(app.FocusNextTabStop(first), first);
  EXPECT_EQ(::GetFocus(), last);
  EXPECT_EQ(app.FocusNextTabStop(first), last);  // the last one wraps round to the first
  EXPECT_EQ(::GetFocus(), first);
  ::EnableWindow(last, FALSE);
  EXPECT_EQ(app.FocusNextTabStop(first), nullptr);  // nowhere else to go
  EXPECT_EQ(::GetFocus(), first);
  ::DestroyWindow(root);
}

TEST_F(ApplicationTest, RunOnAWindowNeverCreatedReturnsOneAtOnce) {
  qoWindowBase never;
  qoApplication app(Application());
  ::PostMessageW(nullptr, WM_APP, 0, 0);  // would be taken by a loop that ran
  EXPECT_EQ(app.Run(never), 1u);
  EXPECT_EQ(app.RunDialogLoop(never), 1u);
  EXPECT_EQ(app.GetWindowMember().GetCore(), never.GetCore());
  MSG left{};
  EXPECT_TRUE(::PeekMessageW(&left, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

bool g_visibleAtClose = true;
LRESULT NoteVisibility(HWND window, UINT message, WPARAM, LPARAM, int*) {
  if (message == WM_CLOSE) g_visibleAtClose = ::IsWindowVisible(window) != 0;
  return 0;
}

TEST_F(ApplicationTest, RunShowsTheWindowAndEndsWithQuitOrWithTheWindow) {
  qoApplication app(Application());
  qoWindowBase window;
  ASSERT_NE(CreateTopWindow(window, WS_OVERLAPPEDWINDOW), nullptr);
  EXPECT_FALSE(::IsWindowVisible(window.GetHwnd()));
  app.Quit();
  EXPECT_EQ(app.Run(window), 0u);  // the WM_QUIT's wParam
  EXPECT_TRUE(::IsWindowVisible(window.GetHwnd()));
  EXPECT_EQ(app.GetWindowMember().GetCore(), window.GetCore());
  EXPECT_EQ(window.GetRefCount(), 2);  // the member shares the core
  ::DestroyWindow(window.GetHwnd());

  // Not shown: the loop runs until the window is gone.
  qoWindowBase hidden;
  ASSERT_NE(CreateTopWindow(hidden, WS_OVERLAPPEDWINDOW), nullptr);
  hidden.SetOnWndMsg(NoteVisibility);
  g_visibleAtClose = true;
  ::PostMessageW(hidden.GetHwnd(), WM_CLOSE, 7, 0);
  EXPECT_EQ(app.Run(hidden, 0), 7u);  // the last message's wParam
  EXPECT_FALSE(g_visibleAtClose);
  EXPECT_EQ(hidden.GetHwnd(), nullptr);
}

// --- keyboard navigation -----------------------------------------------------------

std::vector<std::string> g_keys;        // which button saw which key
std::vector<WPARAM> g_rootCommands;     // WM_COMMAND wParams that reached the root
LRESULT g_okAnswer = 0;                 // the root's answer to IDOK

int NoteKey(HWND window, int key, int) {
  wchar_t text[16] = {};
  ::GetWindowTextW(window, text, 16);
  g_keys.push_back(text::WideToGbk(text) + ":" + std::to_string(key));
  return 0;
}

LRESULT RootCommands(HWND, UINT message, WPARAM wParam, LPARAM, int* handled) {
  if (message == WM_COMMAND) {
    g_rootCommands.push_back(wParam);
    if (wParam == IDOK && g_okAnswer != 0) {
      *handled = 1;
      return g_okAnswer;
    }
  }
  return 0;
}

// A visible root with three tab-stop buttons, each bound to a window object.
class NavigationTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    g_keys.clear();
    g_rootCommands.clear();
    g_okAnswer = 0;
    root_ = CreateTopWindow(rootObject_);
    ASSERT_NE(root_, nullptr);
    rootObject_.SetOnWndMsg(RootCommands);
    const wchar_t* names[] = {L"one", L"two", L"three"};
    for (int i = 0; i < 3; ++i) {
      const HWND button = ::CreateWindowExW(0, L"Button", names[i],
                                            WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10 + 30 * i,
                                            60, 25, root_, nullptr, nullptr, nullptr);
      ASSERT_EQ(buttons_[i].SubclassWindow(button), 1);
      buttons_[i].SetOnKeyDown(NoteKey);
    }
    ::SetForegroundWindow(root_);
    buttons_[0].SetFocus();
  }
  void TearDown() override { ::DestroyWindow(root_); }

  // Posts the key to the focused button, then WM_QUIT, and runs the loop to its end.
  void Press(WPARAM key, bool dialogLoop = false) {
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    qoApplication app(Application());
    app.Quit();
    if (dialogLoop) {
      app.RunDialogLoop(rootObject_, 0);
    } else {
      app.Run(rootObject_, 0);
    }
  }

  HWND root_ = nullptr;
  qoWindowBase rootObject_;
  qoWindowBase buttons_[3];
};

bool HoldShift(bool down) {
  const bool held = testing::HoldKey(VK_SHIFT, down);
  g_keys.clear();  // the Shift key messages themselves
  return held;
}

TEST_F(NavigationTest, TabMovesTheFocusAndIsNotDispatched) {
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), buttons_[1].GetHwnd());
  EXPECT_TRUE(g_keys.empty());

  ASSERT_TRUE(HoldShift(true));
  Press(VK_TAB);
  ASSERT_TRUE(HoldShift(false));
  EXPECT_EQ(::GetFocus(), buttons_[0].GetHwnd());
  Press(VK_TAB);
  Press(VK_TAB);
  Press(VK_TAB);  // past the last one: round to the first
  EXPECT_EQ(::GetFocus(), buttons_[0].GetHwnd());
  EXPECT_TRUE(g_keys.empty());
}

TEST_F(NavigationTest, WindowThatTakesTabItselfGetsTheKey) {
  buttons_[0].AddStyle(kStyleOwnTab);
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), buttons_[0].GetHwnd());
  EXPECT_EQ(g_keys, std::vector<std::string>{"one:9"});
}

TEST_F(NavigationTest, EscapeSendsCancelToTheRootAndIsStillDispatched) {
  Press(VK_ESCAPE);
  EXPECT_EQ(g_rootCommands, std::vector<WPARAM>{IDCANCEL});
  EXPECT_EQ(g_keys, std::vector<std::string>{"one:27"});
}

TEST_F(NavigationTest, EnterIsConsumedWhenTheRootHandlesOk) {
  struct Case {
    const char* name;
    LRESULT okAnswer;
    DWORD style;
    std::vector<WPARAM> commands;
    std::vector<std::string> keys;
  };
  const Case cases[] = {
      {"root answers 1", 1, 0, {IDOK}, {}},
      {"root answers 0", 0, 0, {IDOK}, {"one:13"}},
      {"window takes Enter itself", 1, kStyleOwnEnter, {}, {"one:13"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_keys.clear();
    g_rootCommands.clear();
    g_okAnswer = c.okAnswer;
    buttons_[0].SetStyle(c.style);
    Press(VK_RETURN);
    EXPECT_EQ(g_rootCommands, c.commands);
    EXPECT_EQ(g_keys, c.keys);
  }
}

// An accelerator-table object: a wrapper core whose data word 0 holds the table.
class AcceleratorTable : public gdi::qoWrapperBase {
 public:
  explicit AcceleratorTable(HACCEL table) {
    SetDataItem(0, reinterpret_cast<std::uintptr_t>(table));
  }
  ~AcceleratorTable() override {
    ::DestroyAcceleratorTable(reinterpret_cast<HACCEL>(GetDataItem(0)));
  }
};

TEST_F(NavigationTest, RootAcceleratorsTranslateBeforeAnythingElse) {
  ACCEL accelerator{FVIRTKEY, VK_F5, 300};
  AcceleratorTable table(::CreateAcceleratorTableW(&accelerator, 1));
  rootObject_.SetProperty(keys::kAccelTable, reinterpret_cast<std::intptr_t>(table.GetCore()));
  Press(VK_F5);
  EXPECT_EQ(g_rootCommands, std::vector<WPARAM>{MAKEWPARAM(300, 1)});
  EXPECT_TRUE(g_keys.empty());
  Press('A');  // not in the table: dispatched
  EXPECT_EQ(g_keys, std::vector<std::string>{"one:65"});
  rootObject_.SetProperty(keys::kAccelTable, 0);
}

UINT g_forwarded = 0;  // the message that a host was given to pre-translate
LRESULT HostTakesKeys(HWND, UINT message, WPARAM, LPARAM lParam, int* handled) {
  if (message != kForwardMessage) return 0;
  g_forwarded = reinterpret_cast<const MSG*>(lParam)->message;
  *handled = 1;
  return 1;
}

TEST_F(NavigationTest, MarkedActiveXHostPreTranslatesItsChildrensInput) {
  qoWindowBase host;
  ASSERT_EQ(host.SubclassWindow(::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 100,
                                                  10, 80, 80, root_, nullptr, nullptr, nullptr)),
            1);
  ::SetParent(buttons_[2].GetHwnd(), host.GetHwnd());
  host.SetProperty(keys::kActiveXHost, 1);
  host.SetOnWndMsg(HostTakesKeys);
  buttons_[2].SetFocus();
  g_forwarded = 0;
  Press(VK_TAB);
  EXPECT_EQ(g_forwarded, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(::GetFocus(), buttons_[2].GetHwnd());  // consumed: no navigation either
  EXPECT_TRUE(g_keys.empty());
}

// --- the dialog loop ---------------------------------------------------------------

TEST_F(ApplicationTest, DialogLoopLetsTheDialogNavigate) {
  qoWindowBase dialog;
  ASSERT_EQ(dialog.CreateDialog(nullptr, L"loop", 10, 10, 120, 80,
                                WS_POPUP | WS_CAPTION | WS_VISIBLE, 0),
            1);
  const HWND dialogWindow = dialog.GetHwnd();
  dialog.SetOnWndMsg(RootCommands);
  qoWindowBase buttons[2];
  for (int i = 0; i < 2; ++i) {
    const HWND button = ::CreateWindowExW(0, L"Button", i == 0 ? L"one" : L"two",
                                          WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5 + 30 * i, 60,
                                          25, dialogWindow, nullptr, nullptr, nullptr);
    ASSERT_EQ(buttons[i].SubclassWindow(button), 1);
    buttons[i].SetOnKeyDown(NoteKey);
  }
  const auto press = [&](WPARAM key) {
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    qoApplication app(Application());
    app.Quit();
    app.RunDialogLoop(dialog, 0);
  };
  ::SetForegroundWindow(dialogWindow);
  buttons[0].SetFocus();
  g_keys.clear();
  g_rootCommands.clear();

  press(VK_TAB);  // the dialog manager moves the focus
  EXPECT_EQ(::GetFocus(), buttons[1].GetHwnd());
  EXPECT_TRUE(g_keys.empty());

  press(VK_ESCAPE);  // IDCANCEL to the button's parent, then dispatched
  EXPECT_EQ(std::count(g_rootCommands.begin(), g_rootCommands.end(), IDCANCEL), 1);
  EXPECT_EQ(g_keys, std::vector<std::string>{"two:27"});

  buttons[1].AddStyle(kStyleOwnTab);  // keeps every navigation key from the dialog manager
  g_keys.clear();
  press(VK_TAB);
  press(VK_DOWN);
  EXPECT_EQ(::GetFocus(), buttons[1].GetHwnd());
  EXPECT_EQ(g_keys, (std::vector<std::string>{"two:9", "two:40"}));

  // A listed ActiveX host pre-translates what goes to the windows inside it.
  WindowList* hosts = CreateWindowList();
  AppendToWindowList(hosts, reinterpret_cast<std::intptr_t>(buttons[1].GetHwnd()));
  dialog.SetProperty(keys::kAtlWindows, reinterpret_cast<std::intptr_t>(hosts));
  const HWND inner = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5,
                                       buttons[1].GetHwnd(), nullptr, nullptr, nullptr);
  buttons[1].SetOnWndMsg(HostTakesKeys);
  g_forwarded = 0;
  ::PostMessageW(inner, WM_KEYDOWN, 'X', 1);
  qoApplication app(Application());
  app.Quit();
  app.RunDialogLoop(dialog, 0);
  EXPECT_EQ(g_forwarded, static_cast<UINT>(WM_KEYDOWN));
  ::DestroyWindow(dialogWindow);  // the form level is not on this object: the list is ours
  FreeWindowList(hosts);
}

}  // namespace
}  // namespace marlivo::ui
