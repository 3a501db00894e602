// Message dispatch to named events: "OnWndMsg" first, the handled flag, button, key,
// paint, hover, drop and timer events, reflection to the child's core, the mnemonic
// step, layout on WM_SIZE, and what a window's end releases.
#include "ui/framework/win32.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/layout.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

using testing::ClearRecorded;
using testing::CreateRecorder;
using testing::CreateTopWindow;
using testing::IsLiveIcon;
using testing::PrepareFramework;
using testing::PumpPending;
using testing::PumpUntil;
using testing::RecordedCount;

class MessageDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareFramework();
    ClearRecorded();
  }
};

// --- paint and "OnWndMsg" -------------------------------------------------------------

int g_paints = 0;
RECT g_paintRect{};

int CountPaint(HWND, HDC dc, int left, int top, int right, int bottom) {
  if (dc != nullptr) ++g_paints;
  g_paintRect = RECT{left, top, right, bottom};
  return 0;
}

LRESULT ClaimPaint(HWND, UINT message, WPARAM, LPARAM, int* handled) {
  if (message == WM_PAINT) *handled = 1;
  return 0;
}

TEST_F(MessageDispatchTest, OnWndMsgClaimingPaintKeepsOnPaintAndBeginPaintAway) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window);
  ASSERT_NE(handle, nullptr);
  PumpPending();
  g_paints = 0;
  window.SetOnPaint(CountPaint);
  window.SetOnWndMsg(ClaimPaint);

  const RECT dirty{10, 20, 60, 70};
  ::InvalidateRect(handle, &dirty, FALSE);
  ::SendMessageW(handle, WM_PAINT, 0, 0);
  EXPECT_EQ(g_paints, 0);
  RECT update{};
  EXPECT_TRUE(::GetUpdateRect(handle, &update, FALSE));  // nobody called BeginPaint

  window.SetOnWndMsg(nullptr);
  ::SendMessageW(handle, WM_PAINT, 0, 0);
  EXPECT_EQ(g_paints, 1);
  EXPECT_EQ(g_paintRect.left, 10);
  EXPECT_EQ(g_paintRect.top, 20);
  EXPECT_EQ(g_paintRect.right, 60);
  EXPECT_EQ(g_paintRect.bottom, 70);
  EXPECT_FALSE(::GetUpdateRect(handle, &update, FALSE));
  ::DestroyWindow(handle);
}

// --- buttons, keys, characters --------------------------------------------------------

int g_answer = 0;
int g_x = 0;
int g_y = 0;
int g_keys = -1;
int g_calls = 0;

int AnswerMouse(HWND, int x, int y, int keys) {
  ++g_calls;
  g_x = x;
  g_y = y;
  g_keys = keys;
  return g_answer;
}

int AnswerKey(HWND, int virtualKey, int keys) {
  ++g_calls;
  g_x = virtualKey;
  g_keys = keys;
  return g_answer;
}

int AnswerChar(HWND, int code) {
  ++g_calls;
  g_x = code;
  return g_answer;
}

TEST_F(MessageDispatchTest, HandlerResultDecidesWhetherDefaultProcessingRuns) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    int answer;
    LRESULT result;     // what the window procedure returns
    bool reachesDefault;
  };
  const Case cases[] = {
      {"button down answered 0", WM_LBUTTONDOWN, 0, 0, 0, true},
      {"button down answered 1", WM_LBUTTONDOWN, 0, 1, 1, false},
      {"right button up answered 3", WM_RBUTTONUP, 0, 3, 3, false},
      {"double click answered 0", WM_LBUTTONDBLCLK, 0, 0, 0, true},
      {"key down answered 5: claimed, result 0", WM_KEYDOWN, 'A', 5, 0, false},
      {"key down answered 0", WM_KEYDOWN, 'A', 0, 0, true},
      {"system key up answered 1", WM_SYSKEYUP, 'B', 1, 0, false},
      {"character answered 9", WM_CHAR, 'x', 9, 9, false},
      {"character answered 0", WM_CHAR, 'x', 0, 0, true},
  };
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  ASSERT_EQ(window.SubclassWindow(recorder), 1);
  window.SetOnLButtonDown(AnswerMouse);
  window.SetOnRButtonUp(AnswerMouse);
  window.SetOnLButtonDblClk(AnswerMouse);
  window.SetOnKeyDown(AnswerKey);
  window.SetOnKeyUp(AnswerKey);
  window.SetOnChar(AnswerChar);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearRecorded();
    g_calls = 0;
    g_answer = c.answer;
    EXPECT_EQ(::SendMessageW(recorder, c.message, c.wParam, MAKELPARAM(3, 4)), c.result);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(RecordedCount(c.message), c.reachesDefault ? 1 : 0);
  }
  ::DestroyWindow(recorder);
}

TEST_F(MessageDispatchTest, MouseArgumentsAreSignExtendedAndKeysComeFromTheKeyboard) {
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  ASSERT_EQ(window.SubclassWindow(recorder), 1);
  window.SetOnMouseMove(AnswerMouse);
  g_answer = 0;
  ::SendMessageW(recorder, WM_MOUSEMOVE, 0, MAKELPARAM(-5, -300));
  EXPECT_EQ(g_x, -5);
  EXPECT_EQ(g_y, -300);
  EXPECT_EQ(g_keys, 0);

  // Ctrl held on the keyboard (injected input) shows as bit 1, whatever wParam says.
  ASSERT_TRUE(testing::HoldKey(VK_CONTROL, true));
  ::SendMessageW(recorder, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  ASSERT_TRUE(testing::HoldKey(VK_CONTROL, false));
  EXPECT_EQ(g_keys, 1);
  ::DestroyWindow(recorder);
}

int g_wheelDelta = 0;
int NoteWheel(HWND, int delta, int) {
  ++g_calls;
  g_wheelDelta = delta;
  return 1;
}
int NoteWindow(HWND) {
  ++g_calls;
  return 1;
}

TEST_F(MessageDispatchTest, NotificationEventsNeverClaimTheirMessage) {
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  ASSERT_EQ(window.SubclassWindow(recorder), 1);
  window.SetOnMouseWheel(NoteWheel);
  window.SetOnSetFocus(NoteWindow);
  window.SetOnKillFocus(NoteWindow);
  window.SetOnMouseHover(NoteWindow);
  const struct {
    UINT message;
    WPARAM wParam;
  } cases[] = {{WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240))},
               {WM_SETFOCUS, 0},
               {WM_KILLFOCUS, 0},
               {WM_MOUSEHOVER, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    ClearRecorded();
    g_calls = 0;
    EXPECT_EQ(::SendMessageW(recorder, c.message, c.wParam, 0), 0);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(RecordedCount(c.message), 1);  // the handler's 1 does not claim it
  }
  EXPECT_EQ(g_wheelDelta, -240);
  ::DestroyWindow(recorder);
}

// --- hover tracking ------------------------------------------------------------------

int g_mouseIns = 0;
int g_hovers = 0;
int g_leaves = 0;

int CountMouseIn(HWND, int, int, int) { return ++g_mouseIns; }
int CountHover(HWND) { return ++g_hovers; }
int CountLeave(HWND) { return ++g_leaves; }

POINT CentreOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(MessageDispatchTest, HoverEventsFireOncePerEntry) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window, WS_POPUP | WS_VISIBLE, 200, 150);
  ASSERT_NE(handle, nullptr);
  ::SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  window.SetOnMouseIn(CountMouseIn);
  window.SetOnMouseHover(CountHover);
  window.SetOnMouseLeave(CountLeave);
  g_mouseIns = g_hovers = g_leaves = 0;

  const POINT centre = CentreOf(handle);
  ::SetCursorPos(centre.x, centre.y);
  PumpPending();
  const LPARAM inside = MAKELPARAM(100, 75);
  ::SendMessageW(handle, WM_MOUSEMOVE, 0, inside);
  ::SendMessageW(handle, WM_MOUSEMOVE, 0, inside);
  EXPECT_EQ(g_mouseIns, 1);
  EXPECT_EQ(window.GetProperty(keys::kMovedIn), 1);

  // The pointer rests inside: one WM_MOUSEHOVER, and no other.
  EXPECT_TRUE(PumpUntil([] { return g_hovers > 0; }));
  EXPECT_EQ(g_hovers, 1);

  ::SetCursorPos(centre.x + 400, centre.y + 400);
  EXPECT_TRUE(PumpUntil([] { return g_leaves > 0; }));
  EXPECT_EQ(g_leaves, 1);
  EXPECT_EQ(window.GetProperty(keys::kMovedIn), 0);

  // Coming back is a new entry.
  ::SetCursorPos(centre.x, centre.y);
  ::SendMessageW(handle, WM_MOUSEMOVE, 0, inside);
  EXPECT_EQ(g_mouseIns, 2);
  ::DestroyWindow(handle);
}

TEST_F(MessageDispatchTest, OnMouseLeaveAloneSwitchesHoverTrackingOn) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window, WS_POPUP | WS_VISIBLE, 200, 150);
  ASSERT_NE(handle, nullptr);
  ::SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  window.SetOnMouseLeave(CountLeave);
  EXPECT_EQ(window.HasProperty(keys::kEnableHover), 1);
  g_leaves = 0;
  const POINT centre = CentreOf(handle);
  ::SetCursorPos(centre.x, centre.y);
  PumpPending();
  ::SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(100, 75));
  EXPECT_EQ(window.GetProperty(keys::kMovedIn), 1);
  ::SetCursorPos(centre.x + 400, centre.y + 400);
  EXPECT_TRUE(PumpUntil([] { return g_leaves > 0; }));
  EXPECT_EQ(window.GetProperty(keys::kMovedIn), 0);
  ::DestroyWindow(handle);
}

// --- drag and drop -------------------------------------------------------------------

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::size_t units = 1;
  for (const std::wstring& path : paths) units += path.size() + 1;
  const SIZE_T bytes = sizeof(DROPFILES) + units * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GHND, bytes);
  auto* files = static_cast<DROPFILES*>(::GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  auto* list = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(files) + sizeof(DROPFILES));
  for (const std::wstring& path : paths) {
    path.copy(list, path.size());
    list += path.size() + 1;
  }
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

std::wstring g_dropped;
int g_drops = 0;

int KeepDropped(HWND, const wchar_t* paths) {
  ++g_drops;
  g_dropped = paths;
  return 0;
}

TEST_F(MessageDispatchTest, DroppedFilesArriveAsOneTextJoinedByCrLf) {
  const std::wstring longName(300, L'x');
  const HWND recorder = CreateRecorder();
  qoWindowBase window;
  ASSERT_EQ(window.SubclassWindow(recorder), 1);

  // Without a handler the drop goes on to default processing, untouched.
  const HDROP kept = MakeDrop({L"C:\\a.txt", L"C:\\b.txt"});
  ::SendMessageW(recorder, WM_DROPFILES, reinterpret_cast<WPARAM>(kept), 0);
  EXPECT_EQ(RecordedCount(WM_DROPFILES), 1);
  EXPECT_EQ(::DragQueryFileW(kept, 0xFFFFFFFF, nullptr, 0), 2u);
  ::DragFinish(kept);

  window.SetOnDropFiles(KeepDropped);
  g_drops = 0;
  const HDROP drop = MakeDrop({L"C:\\a.txt", L"C:\\dir with space\\\x91D1.mtl", longName});
  EXPECT_EQ(::SendMessageW(recorder, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
  EXPECT_EQ(g_drops, 1);
  EXPECT_EQ(RecordedCount(WM_DROPFILES), 1);  // claimed this time
  // A path longer than 259 units is cut to what the 260-unit buffer holds.
  EXPECT_EQ(g_dropped, L"C:\\a.txt\r\nC:\\dir with space\\\x91D1.mtl\r\n" + longName.substr(0, 259));
  ::DestroyWindow(recorder);
}

// --- timers ---------------------------------------------------------------------------

int g_timerId = 0;

int KeepTimerId(HWND, int id) {
  g_timerId = id;
  return 0;
}

TEST_F(MessageDispatchTest, TimerWithoutIdIsTimerOne) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window);
  ASSERT_NE(handle, nullptr);
  window.SetOnTimer(KeepTimerId);
  g_timerId = 0;
  ASSERT_EQ(window.SetTimer(10), 1);
  EXPECT_TRUE(PumpUntil([] { return g_timerId != 0; }));
  EXPECT_EQ(g_timerId, 1);
  EXPECT_EQ(window.KillTimer(), 1);
  EXPECT_EQ(window.KillTimer(), 0);
  ::DestroyWindow(handle);
}

// --- reflection -----------------------------------------------------------------------

struct Reflected {
  ObjectCore* core = nullptr;
  HWND window = nullptr;
  UINT message = 0;
  int calls = 0;
};
Reflected g_reflected;
LRESULT g_reflectAnswer = 0;
int g_reflectClaims = 1;

LRESULT RecordReflect(ObjectCore* core, HWND window, UINT message, WPARAM, LPARAM,
                      int* handled) {
  g_reflected = Reflected{core, window, message, g_reflected.calls + 1};
  *handled = g_reflectClaims;
  return g_reflectAnswer;
}

TEST_F(MessageDispatchTest, ParentPassesNotificationsToTheChildsCore) {
  qoWindowBase parent;
  const HWND parentWindow = CreateTopWindow(parent);
  ASSERT_NE(parentWindow, nullptr);
  constexpr int kChildId = 5;
  const HWND childWindow = ::CreateWindowExW(
      0, testing::RecorderClass(), L"child", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, parentWindow,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChildId)), nullptr, nullptr);
  qoWindowBase child;
  ASSERT_EQ(child.SubclassWindow(childWindow), 1);
  child.GetCore()->hooks->ReflectHook = RecordReflect;
  parent.GetCore()->hooks->ReflectHook = RecordReflect;

  const auto childParam = reinterpret_cast<LPARAM>(childWindow);
  NMHDR notify{childWindow, static_cast<UINT_PTR>(kChildId), NM_CLICK};
  NMHDR tooltip{childWindow, static_cast<UINT_PTR>(kChildId), static_cast<UINT>(TTN_GETDISPINFOW)};
  DRAWITEMSTRUCT draw{};
  draw.hwndItem = childWindow;
  MEASUREITEMSTRUCT measure{};

  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    ObjectCore* target;
  };
  const Case cases[] = {
      {"WM_COMMAND", WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), childParam, child.GetCore()},
      {"WM_HSCROLL", WM_HSCROLL, 0, childParam, child.GetCore()},
      {"WM_VSCROLL", WM_VSCROLL, 0, childParam, child.GetCore()},
      {"WM_CTLCOLORSTATIC", WM_CTLCOLORSTATIC, 0, childParam, child.GetCore()},
      {"WM_CTLCOLORMSGBOX", WM_CTLCOLORMSGBOX, 0, childParam, child.GetCore()},
      {"WM_NOTIFY", WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&notify), child.GetCore()},
      {"TTN_GETDISPINFOW goes to the window itself", WM_NOTIFY, kChildId,
       reinterpret_cast<LPARAM>(&tooltip), parent.GetCore()},
      {"WM_DRAWITEM", WM_DRAWITEM, kChildId, reinterpret_cast<LPARAM>(&draw), child.GetCore()},
      {"WM_MEASUREITEM by id", WM_MEASUREITEM, kChildId, reinterpret_cast<LPARAM>(&measure),
       child.GetCore()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_reflected = Reflected{};
    g_reflectAnswer = 77;
    g_reflectClaims = 1;
    EXPECT_EQ(::SendMessageW(parentWindow, c.message, c.wParam, c.lParam), 77);
    EXPECT_EQ(g_reflected.calls, 1);
    EXPECT_EQ(g_reflected.core, c.target);
    EXPECT_EQ(g_reflected.window, parentWindow);  // the parent's window, not the child's
    EXPECT_EQ(g_reflected.message, c.message);
  }

  // A colour message that the child does not claim goes on to default processing.
  g_reflectClaims = 0;
  g_reflectAnswer = 77;
  EXPECT_EQ(::SendMessageW(parentWindow, WM_CTLCOLORBTN, 0, childParam),
            ::DefWindowProcW(parentWindow, WM_CTLCOLORBTN, 0, childParam));

  // A child the framework does not know gets nothing.
  const HWND stranger = CreateRecorder(parentWindow, WS_CHILD);
  g_reflected = Reflected{};
  ::SendMessageW(parentWindow, WM_COMMAND, 0, reinterpret_cast<LPARAM>(stranger));
  EXPECT_EQ(g_reflected.calls, 0);
  ::DestroyWindow(parentWindow);
}

// --- mnemonic step ---------------------------------------------------------------------

TEST_F(MessageDispatchTest, AltAndALetterClicksTheButtonWithThatMnemonic) {
  ASSERT_NE(RegisterWindowClass(std::nullopt, L"qoButton"), 0);
  const HWND formWindow = CreateRecorder(nullptr, WS_POPUP | WS_VISIBLE);
  qoWindowBase form;
  ASSERT_EQ(form.SubclassWindow(formWindow), 1);

  // Group box, with "&Apply" and "&Save" inside it; a framework button "&Quit" beside.
  const HWND group = ::CreateWindowExW(0, L"Button", L"Group", WS_CHILD | BS_GROUPBOX, 0, 0,
                                       200, 100, formWindow, nullptr, nullptr, nullptr);
  qoWindowBase groupObject;
  ASSERT_EQ(groupObject.SubclassWindow(group), 1);
  const auto makeButton = [group](const wchar_t* text, int id) {
    return ::CreateWindowExW(0, L"Button", text, WS_CHILD | BS_PUSHBUTTON, 10, 20, 60, 20,
                             group, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                             nullptr);
  };
  qoWindowBase apply;
  qoWindowBase save;
  ASSERT_EQ(apply.SubclassWindow(makeButton(L"&Apply", 11)), 1);
  ASSERT_EQ(save.SubclassWindow(makeButton(L"&Save", 12)), 1);
  qoWindowBase quit;
  ASSERT_EQ(quit.Create(formWindow, L"&Quit", 0, 120, 60, 20,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(13)), WS_CHILD, 0,
                        L"qoButton"),
            1);
  for (qoWindowBase* button : {&apply, &save, &quit}) {
    button->GetCore()->hooks->ReflectHook = RecordReflect;
  }

  struct Case {
    wchar_t key;
    ObjectCore* clicked;  // none: nothing matches, default processing
    HWND via;             // the parent that the click is sent to
  };
  const Case cases[] = {
      {L's', save.GetCore(), group},
      {L'S', save.GetCore(), group},
      {L'a', apply.GetCore(), group},
      {L'q', quit.GetCore(), formWindow},  // no standard button has it: the second search
      {L'k', nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.key));
    ClearRecorded();
    g_reflected = Reflected{};
    g_reflectClaims = 1;
    g_reflectAnswer = 0;
    ::SendMessageW(formWindow, WM_SYSCHAR, c.key, 0);
    if (c.clicked == nullptr) {
      EXPECT_EQ(g_reflected.calls, 0);
      EXPECT_EQ(RecordedCount(WM_SYSCHAR), 1);
      continue;
    }
    EXPECT_EQ(g_reflected.calls, 1);
    EXPECT_EQ(g_reflected.core, c.clicked);
    EXPECT_EQ(g_reflected.window, c.via);
    EXPECT_EQ(g_reflected.message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(RecordedCount(WM_SYSCHAR), 0);  // claimed: no beep, no menu
  }
  ::DestroyWindow(formWindow);
}

// --- layout ---------------------------------------------------------------------------

class CountingLayout : public qoLayoutBase {
 public:
  void Arrange() override {
    ++arranged;
    seen = *GetRectBuffer();
  }
  int arranged = 0;
  RECT seen{};
};

TEST_F(MessageDispatchTest, LayoutFollowsEverySizeChangeUntilTheWindowEnds) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window, WS_POPUP | WS_VISIBLE, 200, 100);
  ASSERT_NE(handle, nullptr);
  CountingLayout layout;
  ASSERT_EQ(window.SetLayout(layout), 1);
  EXPECT_EQ(layout.arranged, 1);
  EXPECT_EQ(layout.seen.right, 200);
  EXPECT_EQ(layout.seen.bottom, 100);
  EXPECT_EQ(layout.GetCore()->refCount, 2);

  ::MoveWindow(handle, 0, 0, 260, 140, TRUE);
  EXPECT_EQ(layout.arranged, 2);
  EXPECT_EQ(layout.seen.right, 260);
  EXPECT_EQ(layout.seen.bottom, 140);

  // A layout set over it takes its place; the first one gets its reference back.
  CountingLayout replacement;
  ASSERT_EQ(window.SetLayout(replacement), 1);
  EXPECT_EQ(layout.GetCore()->refCount, 1);
  EXPECT_EQ(replacement.GetCore()->refCount, 2);

  ::DestroyWindow(handle);
  EXPECT_EQ(replacement.GetCore()->refCount, 1);
  EXPECT_EQ(window.GetProperty(keys::kLayout), 0);
}

// --- the window's end ---------------------------------------------------------------

TEST_F(MessageDispatchTest, WindowEndReleasesOwnedCursorAndFontButKeepsTheName) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window);
  ASSERT_NE(handle, nullptr);
  const HCURSOR cursor = ::CopyIcon(::LoadCursorW(nullptr, WideResource(IDC_CROSS)));
  const HFONT font = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                                   0, L"Tahoma");
  ASSERT_TRUE(IsLiveIcon(cursor));
  window.SetProperty(keys::kCursor, reinterpret_cast<std::intptr_t>(cursor));
  window.SetProperty(keys::kFont, reinterpret_cast<std::intptr_t>(font));
  window.SetName("stays");
  qoWindowBase child;  // a child core held through "Controls", as markup creation leaves it
  HashMap* children = CreateHashMap(MapKind::kInteger, MapKind::kInteger);
  AddRef(child.GetCore());
  MapPut(children, 1, reinterpret_cast<std::intptr_t>(child.GetCore()));
  MapPut(children, 2, 0);
  window.SetProperty(keys::kControls, reinterpret_cast<std::intptr_t>(children));
  window.SetProperty(keys::kBorder, 3);
  ASSERT_EQ(child.GetRefCount(), 2);

  ::DestroyWindow(handle);
  EXPECT_EQ(child.GetRefCount(), 1);
  EXPECT_EQ(window.GetProperty(keys::kControls), 0);
  EXPECT_EQ(window.HasProperty(keys::kBorder), 0);
  EXPECT_FALSE(IsLiveIcon(cursor));
  LOGFONTW described{};
  EXPECT_EQ(::GetObjectW(font, sizeof(described), &described), 0);
  EXPECT_EQ(window.GetProperty(keys::kCursor), 0);
  EXPECT_EQ(window.GetProperty(keys::kFont), 0);
  EXPECT_EQ(window.GetName(), "stays");
}

TEST_F(MessageDispatchTest, OwnedCursorShowsOverTheClientAreaOnly) {
  qoWindowBase window;
  const HWND handle = CreateTopWindow(window);
  ASSERT_NE(handle, nullptr);
  const HCURSOR cross = ::CopyIcon(::LoadCursorW(nullptr, WideResource(IDC_CROSS)));
  window.SetProperty(keys::kCursor, reinterpret_cast<std::intptr_t>(cross));
  const HCURSOR arrow = ::LoadCursorW(nullptr, WideResource(IDC_ARROW));

  ::SetCursor(arrow);
  EXPECT_EQ(::SendMessageW(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle),
                           MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)),
            0);
  EXPECT_EQ(::GetCursor(), arrow);
  EXPECT_EQ(::SendMessageW(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            reinterpret_cast<LRESULT>(arrow));
  EXPECT_EQ(::GetCursor(), cross);
  ::SetCursor(arrow);
  ::DestroyWindow(handle);
}

}  // namespace
}  // namespace marlivo::ui
