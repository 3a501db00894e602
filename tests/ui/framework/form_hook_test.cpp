// The form level: form events, the OK and Cancel commands, the close action, tray icon
// callbacks, first activation, wait cursor, kept-active caption, free move, size limits,
// the background painter, and the form cleanup on the window's end and on release.
#include "ui/framework/win32.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/events.h"
#include "ui/framework/gdi/icon.h"
#include "ui/framework/layout.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/process_heap.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_list.h"

namespace marlivo::ui {
namespace {

using testing::ClearRecorded;
using testing::CreateRecorder;
using testing::CreateTopWindow;
using testing::IsLiveIcon;
using testing::PrepareFramework;
using testing::RecordedCount;

// A window object with the form level, as the form classes build theirs.
class TestForm : public qoWindowBase {
 public:
  TestForm() { InstallFormLevel(GetCore()); }
};

// What the handlers saw, in order.
std::vector<std::string> g_events;
std::vector<int> g_arguments;

void Note(const std::string& event, std::initializer_list<int> arguments = {}) {
  g_events.push_back(event);
  g_arguments.insert(g_arguments.end(), arguments.begin(), arguments.end());
}

int g_answer = 0;

int OnCreate(HWND) { Note("create"); return 0; }
int OnSize(HWND, int width, int height) { Note("size", {width, height}); return 0; }
int OnMove(HWND, int x, int y) { Note("move", {x, y}); return 0; }
int OnDestroy(HWND) { Note("destroy"); return 0; }
int OnClose(HWND) { Note("close"); return g_answer; }
int OnUserClose(HWND) { Note("user close"); return g_answer; }
int OnActivate(HWND) { Note("activate"); return 0; }
int OnUnActivate(HWND) { Note("unactivate"); return 0; }
int OnShow(HWND) { Note("show"); return 0; }
int OnHide(HWND) { Note("hide"); return 0; }
int OnFirstActivate(HWND) { Note("first activate"); return 0; }
int OnMenuItem(HWND, int id) { Note("menu item", {id}); return 0; }
int OnTray(HWND, int code) { Note("tray", {code}); return 0; }
int OnMenuPopup(HWND, HMENU menu, int item, int flags) {
  Note("popup", {static_cast<int>(reinterpret_cast<std::intptr_t>(menu)), item, flags});
  return 0;
}
int OnLButton(HWND, int, int, int) { Note("lbutton"); return 0; }

std::vector<UINT> g_seen;  // messages that reached "OnWndMsg"
UINT g_claim = 0;          // a message that "OnWndMsg" claims

LRESULT SeeMessages(HWND, UINT message, WPARAM wParam, LPARAM, int* handled) {
  g_seen.push_back(message);
  if (message == g_claim || (message == WM_SYSCOMMAND && g_claim == WM_SYSCOMMAND + wParam)) {
    *handled = 1;
  }
  return 0;
}

template <typename Handler>
void Bind(qoWindowBase& form, const char* event, Handler handler) {
  form.SetProperty(event, reinterpret_cast<std::intptr_t>(handler));
}

class FormHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareFramework();
    ClearRecorded();
    g_events.clear();
    g_arguments.clear();
    g_seen.clear();
    g_claim = 0;
    g_answer = 0;
  }
  static int Count(UINT message) {
    return static_cast<int>(std::count(g_seen.begin(), g_seen.end(), message));
  }
};

TEST_F(FormHookTest, CreationRaisesOnCreateThenOnSizeWithTheClientSize) {
  TestForm form;
  Bind(form, events::kCreate, OnCreate);
  Bind(form, events::kSize, OnSize);
  const HWND window = CreateTopWindow(form, WS_POPUP, 220, 130);  // hidden: no show sizes
  ASSERT_NE(window, nullptr);
  // The form's own WM_SIZE comes first, straight after "OnCreate"; the system's own
  // WM_SIZE after WM_CREATE follows it.
  ASSERT_GE(g_events.size(), 2u);
  EXPECT_EQ(g_events[0], "create");
  EXPECT_EQ(g_events[1], "size");
  ASSERT_GE(g_arguments.size(), 2u);
  EXPECT_EQ(g_arguments[0], 220);
  EXPECT_EQ(g_arguments[1], 130);
  ::DestroyWindow(window);
}

TEST_F(FormHookTest, OnDestoryKeepsWmDestroyFromTheLowerHooks) {
  for (const bool bound : {false, true}) {
    SCOPED_TRACE(bound ? "bound" : "not bound");
    TestForm form;
    form.SetOnWndMsg(SeeMessages);
    if (bound) Bind(form, events::kDestroy, OnDestroy);
    g_seen.clear();
    g_events.clear();
    const HWND window = CreateTopWindow(form);
    ASSERT_NE(window, nullptr);
    ::DestroyWindow(window);
    EXPECT_EQ(Count(WM_DESTROY), bound ? 0 : 1);
    EXPECT_EQ(std::count(g_events.begin(), g_events.end(), "destroy"), bound ? 1 : 0);
    EXPECT_EQ(Count(WM_NCDESTROY), 1);  // the window's end still runs through every level
  }
}

TEST_F(FormHookTest, OnCloseDecidesAndTheCloseActionBringsTheOwnerBack) {
  qoWindowBase owner;
  const HWND ownerWindow = CreateTopWindow(owner);
  ASSERT_NE(ownerWindow, nullptr);
  TestForm form;
  ASSERT_EQ(form.Create(ownerWindow, L"owned", 0, 0, 100, 80, nullptr,
                        WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, kFormClassName),
            1);
  const HWND window = form.GetHwnd();
  Bind(form, events::kClose, OnClose);

  g_answer = 1;  // the handler keeps the form
  EXPECT_EQ(::SendMessageW(window, WM_CLOSE, 0, 0), 1);
  EXPECT_TRUE(::IsWindow(window));

  ::EnableWindow(ownerWindow, FALSE);  // as a modal form leaves its owner
  g_answer = 0;
  ::SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
  EXPECT_EQ(g_events, (std::vector<std::string>{"close", "close"}));
  ::DestroyWindow(ownerWindow);
}

TEST_F(FormHookTest, EnterAndEscapeCommandsClickTheFormsButtons) {
  TestForm form;
  ASSERT_NE(CreateTopWindow(form), nullptr);
  const HWND window = form.GetHwnd();
  Bind(form, events::kMenuItemClick, OnMenuItem);

  // Without buttons both commands are handled, and nothing happens.
  EXPECT_EQ(::SendMessageW(window, WM_COMMAND, IDOK, 0), 1);
  EXPECT_EQ(::SendMessageW(window, WM_COMMAND, IDCANCEL, 0), 1);
  EXPECT_TRUE(g_events.empty());

  qoWindowBase okButton;
  qoWindowBase cancelButton;
  ASSERT_EQ(okButton.SubclassWindow(CreateRecorder()), 1);
  const HWND cancelWindow = CreateRecorder();
  ASSERT_EQ(cancelButton.SubclassWindow(cancelWindow), 1);
  AddRef(okButton.GetCore());  // the form holds its default button
  form.SetProperty(keys::kDefaultButton, reinterpret_cast<std::intptr_t>(okButton.GetCore()));
  form.SetProperty(keys::kCancelButton, reinterpret_cast<std::intptr_t>(cancelButton.GetCore()));

  EXPECT_EQ(::SendMessageW(window, WM_COMMAND, IDOK, 0), 1);
  EXPECT_EQ(RecordedCount(BM_CLICK), 1);
  EXPECT_EQ(::SendMessageW(window, WM_COMMAND, IDCANCEL, 0), 1);
  EXPECT_EQ(RecordedCount(BM_CLICK), 2);
  EXPECT_TRUE(::IsWindow(window));  // "EscClose" not set
  EXPECT_TRUE(g_events.empty());

  // Menu and accelerator commands with other ids reach "OnMenuItemClick", signed.
  ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(-3), 0), 0);
  ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(40, 1), 0);
  ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(41, 0), reinterpret_cast<LPARAM>(cancelWindow));
  EXPECT_EQ(g_arguments, (std::vector<int>{-3, 40}));

  form.SetProperty(keys::kEscClose, 1);
  ::SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(RecordedCount(BM_CLICK), 3);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(okButton.GetRefCount(), 1);  // the form's cleanup gave its reference back
  ::DestroyWindow(okButton.GetHwnd());
  ::DestroyWindow(cancelWindow);
}

TEST_F(FormHookTest, TrayCallbacksBecomeCodes) {
  TestForm form;
  ASSERT_NE(CreateTopWindow(form), nullptr);
  Bind(form, events::kNotifyIcon, OnTray);
  const HWND window = form.GetHwnd();
  const UINT messages[] = {WM_MOUSEMOVE,     WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                           WM_RBUTTONUP,     WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, 0x402,
                           0x404,            0x405,          WM_MBUTTONUP};
  for (const UINT message : messages) ::SendMessageW(window, 0x3019, 1, message);
  EXPECT_EQ(g_arguments, (std::vector<int>{5, 1, 2, 3, 4, 6, 7, 8}));
  EXPECT_EQ(::GetCapture(), nullptr);  // each button up released what its down captured
  ::DestroyWindow(window);
}

TEST_F(FormHookTest, ActivationShowMoveAndMenuEvents) {
  TestForm form;
  ASSERT_NE(CreateTopWindow(form, WS_POPUP), nullptr);
  const HWND window = form.GetHwnd();
  Bind(form, events::kActivate, OnActivate);
  Bind(form, events::kUnActivate, OnUnActivate);
  Bind(form, events::kShow, OnShow);
  Bind(form, events::kHide, OnHide);
  Bind(form, events::kMove, OnMove);
  Bind(form, events::kInitMenuPopup, OnMenuPopup);
  Bind(form, events::kMenuSelect, OnMenuPopup);
  // The form's events fire before the lower hooks; claiming there keeps default
  // processing (which would activate the window for real) out of the way.
  form.SetOnWndMsg(SeeMessages);
  g_claim = WM_ACTIVATE;

  ::SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
  ::SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
  ::SendMessageW(window, WM_SHOWWINDOW, TRUE, 0);
  ::SendMessageW(window, WM_SHOWWINDOW, FALSE, 0);
  ::SendMessageW(window, WM_MOVE, 0, MAKELPARAM(-20, 30));
  EXPECT_EQ(::SendMessageW(window, WM_INITMENUPOPUP, 0x1234, MAKELPARAM(2, 1)), 0);
  ::SendMessageW(window, WM_MENUSELECT, MAKEWPARAM(7, 0x8010), 0x5678);
  EXPECT_EQ(g_events, (std::vector<std::string>{"activate", "unactivate", "show", "hide",
                                                 "move", "popup", "popup"}));
  EXPECT_EQ(g_arguments, (std::vector<int>{-20, 30, 0x1234, 2, 1, 0x5678, 7,
                                           static_cast<short>(0x8010)}));
  ::DestroyWindow(window);
}

TEST_F(FormHookTest, FirstActivationHappensOncePerWindow) {
  TestForm form;
  form.SetOnWndMsg(SeeMessages);
  Bind(form, events::kFirstActivate, OnFirstActivate);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    g_events.clear();
    g_seen.clear();
    const HWND window = CreateTopWindow(form, WS_POPUP);
    ASSERT_NE(window, nullptr);
    ::SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    ::SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(std::count(g_events.begin(), g_events.end(), "first activate"), 1);
    EXPECT_EQ(Count(WM_NCACTIVATE), 1);
    EXPECT_EQ(form.GetProperty(keys::kFirstActivated), 1);
    ::DestroyWindow(window);
    EXPECT_EQ(form.GetProperty(keys::kFirstActivated), 0);  // the next window's own turn
  }
}

TEST_F(FormHookTest, WaitCursorCaptionFreeMoveAndUserClose) {
  TestForm form;
  ASSERT_NE(CreateTopWindow(form), nullptr);
  const HWND window = form.GetHwnd();
  form.SetOnWndMsg(SeeMessages);

  const HCURSOR arrow = ::LoadCursorW(nullptr, WideResource(IDC_ARROW));
  ::SetCursor(arrow);
  form.SetProperty(keys::kWaitCursor, reinterpret_cast<std::intptr_t>(arrow));
  EXPECT_EQ(::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), HTCLIENT),
            reinterpret_cast<LRESULT>(arrow));
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, WideResource(IDC_WAIT)));
  EXPECT_EQ(Count(WM_SETCURSOR), 0);
  form.SetProperty(keys::kWaitCursor, 0);
  ::SetCursor(arrow);

  form.SetProperty(keys::kNcEverActive, 1);
  EXPECT_EQ(::SendMessageW(window, WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_EQ(Count(WM_NCACTIVATE), 0);

  // Free move hands the press to the system's move loop (claimed here, so that no loop
  // runs) and "OnLButtonDown" still fires.
  form.SetProperty(keys::kFreeMove, 1);
  form.SetOnLButtonDown(OnLButton);
  g_claim = WM_SYSCOMMAND + (SC_MOVE | HTCAPTION);
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Count(WM_SYSCOMMAND), 1);
  EXPECT_EQ(g_events, std::vector<std::string>{"lbutton"});

  Bind(form, events::kUserClose, OnUserClose);
  g_answer = 1;
  EXPECT_EQ(::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
  EXPECT_TRUE(::IsWindow(window));
  g_answer = 0;
  ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(::IsWindow(window));
}

class MinimumLayout : public qoLayoutBase {
 public:
  void Arrange() override {}
  SIZE MinimumSize() const override { return SIZE{150, 90}; }
};

TEST_F(FormHookTest, LayoutSetsTheMinimumTrackingSize) {
  TestForm form;
  ASSERT_NE(CreateTopWindow(form), nullptr);
  MINMAXINFO limits{};
  limits.ptMaxSize = POINT{999, 999};
  const auto ask = [&] {
    return ::SendMessageW(form.GetHwnd(), WM_GETMINMAXINFO, 0,
                          reinterpret_cast<LPARAM>(&limits));
  };
  ask();
  const POINT systemMinimum = limits.ptMinTrackSize;

  MinimumLayout layout;
  ASSERT_EQ(form.SetLayout(layout), 1);
  EXPECT_EQ(ask(), 1);
  RECT frame{};
  ::GetWindowRect(form.GetHwnd(), &frame);
  const RECT client = form.GetClientRect();
  EXPECT_EQ(limits.ptMinTrackSize.x, 150 + (frame.right - frame.left) - client.right);
  EXPECT_EQ(limits.ptMinTrackSize.y, 90 + (frame.bottom - frame.top) - client.bottom);
  EXPECT_NE(limits.ptMinTrackSize.x, systemMinimum.x);
  ::DestroyWindow(form.GetHwnd());
}

int g_painted = 0;
void CountPainting(ObjectCore*, HWND, HDC dc) {
  if (dc != nullptr) ++g_painted;
}

TEST_F(FormHookTest, BackgroundPainterRunsWhenTheFormHasAColourOrImage) {
  SetBackgroundPainter(CountPainting);
  TestForm form;
  ASSERT_NE(CreateTopWindow(form), nullptr);
  const HWND window = form.GetHwnd();
  const HDC dc = ::GetDC(window);
  g_painted = 0;
  ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(g_painted, 0);  // neither key: the class background
  form.SetProperty(keys::kBackColor, 0);  // present, even as 0
  EXPECT_EQ(::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(g_painted, 1);
  ::ReleaseDC(window, dc);
  ::DestroyWindow(window);
  SetBackgroundPainter(nullptr);
}

TEST_F(FormHookTest, ShellRestartPutsTheTrayIconBack) {
  TestForm form;
  ASSERT_NE(CreateTopWindow(form), nullptr);
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  form.SetProperty(keys::kTaskbarCreatedMessage, taskbarCreated);
  auto* data = static_cast<NOTIFYICONDATAW*>(HeapAllocate(sizeof(NOTIFYICONDATAW)));
  data->cbSize = sizeof(NOTIFYICONDATAW);
  data->hWnd = form.GetHwnd();
  data->uID = 1;
  data->uFlags = NIF_INFO;
  form.SetProperty(keys::kNotifyIconData, reinterpret_cast<std::intptr_t>(data));
  ::SendMessageW(form.GetHwnd(), taskbarCreated, 0, 0);
  EXPECT_EQ(data->uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  ::DestroyWindow(form.GetHwnd());
  EXPECT_EQ(form.GetProperty(keys::kNotifyIconData), 0);  // the block went with the window
}

TEST_F(FormHookTest, FormCleanupRunsOnTheWindowsEndAndOnTheLastRelease) {
  const auto iconCopy = [] {
    return reinterpret_cast<std::intptr_t>(
        ::CopyIcon(::LoadIconW(nullptr, WideResource(IDI_APPLICATION))));
  };
  for (const bool byRelease : {false, true}) {
    SCOPED_TRACE(byRelease ? "last release" : "window's end");
    gdi::qoIcon image;  // any wrapper core stands for the background image's
    qoWindowBase button;
    const std::intptr_t big = iconCopy();
    const std::intptr_t small = iconCopy();
    HWND window = nullptr;
    {
      auto form = std::make_unique<TestForm>();
      window = CreateTopWindow(*form);
      ASSERT_NE(window, nullptr);
      form->SetName("form");
      AddRef(button.GetCore());
      form->SetProperty(keys::kDefaultButton, reinterpret_cast<std::intptr_t>(button.GetCore()));
      image.GetCore()->hooks->AddRef(image.GetCore());
      form->SetProperty(keys::kBackImage, reinterpret_cast<std::intptr_t>(image.GetCore()));
      form->SetProperty(keys::kBigIcon, big);
      form->SetProperty(keys::kSmallIcon, small);
      form->SetProperty(keys::kFirstActivated, 1);
      WindowList* hosts = CreateWindowList();
      AppendToWindowList(hosts, 1);
      form->SetProperty(keys::kAtlWindows, reinterpret_cast<std::intptr_t>(hosts));
      if (!byRelease) {
        ::DestroyWindow(window);
        EXPECT_EQ(form->HasProperty(keys::kBackImage), 1);  // kept, as 0
        EXPECT_EQ(form->GetProperty(keys::kBackImage), 0);
        EXPECT_EQ(form->GetProperty(keys::kAtlWindows), 0);
        EXPECT_EQ(form->GetProperty(keys::kFirstActivated), 0);
        EXPECT_EQ(form->GetName(), "form");
      }
    }
    EXPECT_EQ(button.GetRefCount(), 1);
    EXPECT_EQ(image.GetRefCount(), 1);
    EXPECT_FALSE(IsLiveIcon(reinterpret_cast<HICON>(big)));
    EXPECT_FALSE(IsLiveIcon(reinterpret_cast<HICON>(small)));
    if (byRelease) {
      EXPECT_TRUE(::IsWindow(window));  // the window outlives its object, unbound
      ::DestroyWindow(window);
    }
  }
}

}  // namespace
}  // namespace marlivo::ui
