// The edit box: its text in both forms, the edit-message wrappers, "OnTextChange", Tab
// and Enter for single-line use, and the vertically centred formatting rectangle.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/edit_box.h"
#include "ui/framework/application.h"
#include "ui/controls/push_button.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

using testing::HostWindow;
using testing::MessageRecorder;

// 材质库 (material library) in GBK and UTF-16.
constexpr char kGbkText[] = "D:\\\xB2\xC4\xD6\xCA\xBF\xE2";
constexpr wchar_t kWideText[] = L"D:\\\x6750\x8D28\x5E93";

TEST(EditTextTest, GbkAndUtf16TextsMeetInTheWindow) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), kGbkText, 0, 0, SIZE{300, 24}), 1);
  EXPECT_EQ(edit.TextW(), kWideText);
  EXPECT_EQ(edit.Text(), kGbkText);
  EXPECT_EQ(edit.TextW(L"\x4E2D"), L"");  // setting returns the empty text
  EXPECT_EQ(edit.Text(), "\xD6\xD0");      // 中
}

TEST(EditTextTest, AppendTextGoesToTheEndWhateverIsSelected) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), "abc", 0, 0), 1);
  edit.SetSel(0, 1);
  edit.AppendText("d\xD6\xD0");
  EXPECT_EQ(edit.TextW(), L"abcd\x4E2D");
  DWORD start = 0;
  DWORD end = 0;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 5u);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(edit.CanUndo(), 1);
  edit.Undo();
  EXPECT_EQ(edit.TextW(), L"abc");
}

TEST(EditTextTest, LinesOfAMultiLineEdit) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOnW(host.window(), L"one\r\n\x4E2D\x6587\r\n\r\nlast", 0, 0,
                           SIZE{200, 100}, std::nullopt, ES_MULTILINE | ES_AUTOVSCROLL),
            1);
  EXPECT_EQ(edit.GetLineCount(), 4);
  EXPECT_EQ(edit.GetLineW(0), L"one");
  EXPECT_EQ(edit.GetLine(1), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(edit.GetLineW(2), L"");
  EXPECT_EQ(edit.GetLineW(3), L"last");
  EXPECT_EQ(edit.GetLineW(9), L"");
  EXPECT_EQ(edit.GetLineLength(3), 4);
  EXPECT_EQ(edit.LineIndex(1), 5);
  EXPECT_EQ(edit.LineFromChar(6), 1);
  edit.SetSel(7, 7);
  int line = -1;
  EXPECT_EQ(edit.GetCaretLineCol(line), 2);
  EXPECT_EQ(line, 1);
}

TEST(EditTextTest, LineScrollOfZeroLinesScrollsOne) {
  HostWindow host;
  qoEdit edit;
  std::wstring text;
  for (int i = 0; i < 30; ++i) text += L"line\r\n";
  ASSERT_EQ(edit.CreateOnW(host.window(), text.c_str(), 0, 0, SIZE{200, 60}, std::nullopt,
                           ES_MULTILINE | WS_VSCROLL),
            1);
  ASSERT_EQ(edit.GetFirstVisibleLine(), 0);
  EXPECT_EQ(edit.LineScroll(0, 0), 1);
  EXPECT_EQ(edit.GetFirstVisibleLine(), 1);
  edit.SetSel(edit.LineIndex(7), edit.LineIndex(7));
  EXPECT_EQ(edit.ScrollCaretToTop(), 1);
  EXPECT_EQ(edit.GetFirstVisibleLine(), 7);
}

TEST(EditTextTest, PasswordCharacterLimitAndReadOnly) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), "", 0, 0), 1);
  EXPECT_EQ(edit.GetPasswordCharW(), L"");
  edit.SetPasswordChar("*");
  EXPECT_EQ(edit.GetPasswordCharW(), L"*");
  edit.MaxLength(5);
  EXPECT_EQ(edit.MaxLength(), 5);
  edit.ReplaceSel("1234567");
  EXPECT_EQ(edit.Text(), "12345");
  EXPECT_EQ(edit.GetModify(), 1);
  edit.SetModify(0);
  EXPECT_EQ(edit.GetModify(), 0);
  EXPECT_EQ(edit.SetReadOnly(), 1);
  EXPECT_NE(edit.GetWindowStyle() & ES_READONLY, 0u);
}

std::vector<std::pair<HWND, int>> g_changes;
int RecordChange(HWND window, int id) {
  g_changes.push_back({window, id});
  return 0;
}

TEST(EditEventTest, TextChangeIsRaisedWithTheEditAndItsId) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), "", 0, 0, std::nullopt, -42), 1);
  edit.SetOnTextChange(RecordChange);
  g_changes.clear();
  edit.ReplaceSel("x");
  ASSERT_EQ(g_changes.size(), 1u);
  EXPECT_EQ(g_changes[0].first, edit.GetHwnd());
  EXPECT_EQ(g_changes[0].second, -42);
}

int CountOkCommands(const MessageRecorder& recorder) {
  int count = 0;
  for (const auto& seen : recorder.messages()) {
    if (seen.message == WM_COMMAND && seen.wParam == MAKEWPARAM(IDOK, 0) && seen.lParam == 0) {
      ++count;
    }
  }
  return count;
}

TEST(EditKeyTest, EnterInASingleLineEditIsTheParentsOkCommand) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), "", 0, 0), 1);
  MessageRecorder parent(host.object());
  EXPECT_EQ(edit.SendMessage(WM_KEYDOWN, VK_RETURN, 0), 0);
  EXPECT_EQ(CountOkCommands(parent), 1);

  // An edit that keeps Enter ("qoStyle" bit 2) sends nothing.
  edit.SetStyle(kStyleOwnEnter);
  parent.Clear();
  edit.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(CountOkCommands(parent), 0);
}

TEST(EditKeyTest, AMultiLineEditWithWantReturnKeepsEnter) {
  HostWindow host;
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), "", 0, 0, SIZE{100, 60}, std::nullopt,
                          ES_MULTILINE | ES_WANTRETURN),
            1);
  EXPECT_EQ(edit.GetStyle(), kStyleOwnEnter);
  MessageRecorder parent(host.object());
  edit.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  edit.SendMessage(WM_CHAR, VK_RETURN, 0);
  EXPECT_EQ(CountOkCommands(parent), 0);
  EXPECT_EQ(edit.GetLineCount(), 2);  // the edit inserted a line break
}

TEST(EditKeyTest, TabMovesTheFocusToTheNextTabStopUnlessTheEditKeepsIt) {
  HostWindow host(HostWindow::Shown::kYes);
  qoEdit first;
  qoEdit second;
  ASSERT_EQ(first.CreateOn(host.window(), "", 0, 0), 1);
  ASSERT_EQ(second.CreateOn(host.window(), "", 0, 40), 1);
  ::SetForegroundWindow(host.window());
  first.SetFocus();
  ASSERT_EQ(first.HasFocus(), 1);

  EXPECT_EQ(first.SendMessage(WM_KEYDOWN, VK_TAB, 0), 0);
  EXPECT_EQ(second.HasFocus(), 1);

  second.SetStyle(kStyleOwnTab);
  second.SendMessage(WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(second.HasFocus(), 1);
}

// The formatting rectangles the edit was given, as the system received them (the edit
// then narrows them by its margins and edge, and to whole lines).
std::vector<RECT> g_formatRects;
LRESULT RecordFormatRect(HWND, UINT message, WPARAM, LPARAM lParam, int*) {
  if (message == EM_SETRECT) g_formatRects.push_back(*reinterpret_cast<const RECT*>(lParam));
  return 0;
}

void ExpectRect(const RECT& rect, int left, int top, int right, int bottom) {
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.top, top);
  EXPECT_EQ(rect.right, right);
  EXPECT_EQ(rect.bottom, bottom);
}

TEST(EditLayoutTest, CentredFormattingRectangleFollowsTheClientHeight) {
  HostWindow host;
  qoEdit edit;
  // A client area 40 pixels high: the window adds the client edge on each side.
  ASSERT_EQ(edit.CreateOn(host.window(), "x", 0, 0, SIZE{104, 44}, std::nullopt,
                          ES_MULTILINE),
            1);
  const RECT client = edit.GetClientRect();
  ASSERT_EQ(client.bottom - client.top, 40);
  TEXTMETRICW metrics{};
  const HDC dc = ::GetDC(edit.GetHwnd());
  ::GetTextMetricsW(dc, &metrics);
  ::ReleaseDC(edit.GetHwnd(), dc);
  ASSERT_EQ(metrics.tmHeight, 16) << "the plain DC's font of this system";
  g_formatRects.clear();
  edit.SetOnWndMsg(RecordFormatRect);

  EXPECT_EQ(edit.vCenter(1), 1);
  EXPECT_EQ(edit.vCenter(), 1);
  ASSERT_EQ(g_formatRects.size(), 1u);
  ExpectRect(g_formatRects[0], 1, 13, client.right - 1, 29);
  // GetRect answers the edit's formatting rectangle: inside the one given, not the
  // window's rectangle.
  const RECT format = edit.GetRect();
  EXPECT_GE(format.left, 1);
  EXPECT_GE(format.top, 13);
  EXPECT_LE(format.bottom, 29);
  EXPECT_LT(format.right, 104);

  // Every later resize lays it out again.
  edit.SetSize(SIZE{104, 64});
  ASSERT_EQ(g_formatRects.size(), 2u);
  ExpectRect(g_formatRects[1], 1, 23, client.right - 1, 39);  // (60 - 16) / 2 + 1

  edit.vCenter(0);
  ASSERT_EQ(g_formatRects.size(), 3u);
  ExpectRect(g_formatRects[2], 1, 1, client.right - 1, 59);
  edit.SetOnWndMsg(nullptr);
}

}  // namespace
}  // namespace marlivo::ui
