// The label (text on the face colour, repaint without erase when resized) and the
// progress bar (range, position, the filled part of the bar).
#include <gtest/gtest.h>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/label.h"
#include "ui/controls/progress_bar.h"

namespace marlivo::ui {
namespace {

using testing::Canvas;
using testing::HostWindow;
using testing::MessageRecorder;

TEST(LabelTest, NewTextIsPaintedOnTheFaceColour) {
  HostWindow host;
  qoLabel status;
  ASSERT_EQ(status.CreateOn(host.window(), "", 63, 106, SIZE{298, 32}, std::nullopt,
                            0x54000200),
            1);
  EXPECT_EQ(status.Text("done it!"), "");
  EXPECT_EQ(status.Text(), "done it!");
  Canvas canvas(298, 32, RGB(0, 255, 0));
  canvas.PrintClient(status.GetHwnd());
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(canvas.Pixel(0, 0), face);
  EXPECT_EQ(canvas.Pixel(297, 31), face);
  // The text itself is black: some pixel of the middle row is.
  bool black = false;
  for (int x = 0; x < 298 && !black; ++x) black = canvas.Pixel(x, 16) == RGB(0, 0, 0);
  EXPECT_TRUE(black);
}

TEST(LabelTest, AResizedLabelRepaintsWithoutErasing) {
  HostWindow host(HostWindow::Shown::kYes);  // hidden windows are not painted
  qoLabel label;
  ASSERT_EQ(label.CreateOn(host.window(), "x", 0, 0), 1);
  ::UpdateWindow(label.GetHwnd());
  MessageRecorder seen(label);

  label.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(80, 24));
  ::UpdateWindow(label.GetHwnd());
  EXPECT_EQ(seen.Count(WM_PAINT), 1);
  EXPECT_EQ(seen.Count(WM_ERASEBKGND), 0);

  // Against that: an invalidation that asks for erasing is seen as one.
  seen.Clear();
  label.Invalidate(TRUE);
  ::UpdateWindow(label.GetHwnd());
  EXPECT_EQ(seen.Count(WM_PAINT), 1);
  EXPECT_EQ(seen.Count(WM_ERASEBKGND), 1);
}

TEST(ProgressBarTest, RangeAndPosition) {
  HostWindow host;
  qoProgressBar bar;
  EXPECT_EQ(bar.Position(), 0);  // no window
  ASSERT_EQ(bar.CreateOn(host.window(), std::nullopt, 62, 240, SIZE{300, 16}, std::nullopt, 0),
            1);
  bar.SetRange(0, 100);
  EXPECT_EQ(bar.Position(0), 0);
  EXPECT_EQ(bar.Position(50), 0);
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_EQ(bar.Position(80), 50);
  EXPECT_EQ(bar.GetRange().iLow, 0);
  EXPECT_EQ(bar.GetRange().iHigh, 100);

  // The range is 16-bit: 70000 becomes 70000 - 65536.
  bar.SetRange(0, 70000);
  EXPECT_EQ(bar.GetRange().iHigh, 70000 - 65536);

  bar.SetBarColor(RGB(0, 0, 255));
  EXPECT_EQ(bar.GetBarColor(), RGB(0, 0, 255));
  bar.SetBkColor(RGB(255, 255, 0));
  EXPECT_EQ(bar.GetBkColor(), RGB(255, 255, 0));
  EXPECT_EQ(bar.SetStep(5), 10);  // the previous step, the bar's default
}

TEST(ProgressBarTest, HalfThePositionFillsHalfTheBar) {
  HostWindow host;
  qoProgressBar bar;
  ASSERT_EQ(bar.CreateOn(host.window(), std::nullopt, 0, 0, SIZE{300, 16}, std::nullopt,
                         PBS_SMOOTH),
            1);
  bar.SetRange(0, 100);
  bar.Position(50);
  const RECT client = bar.GetClientRect();
  const int width = client.right - client.left;
  Canvas canvas(width, client.bottom, RGB(0, 255, 0));
  canvas.PrintClient(bar.GetHwnd());
  // The colours are the bar's own (a visual style may draw them): the filled part is
  // whatever colour the bar has near its start, the empty part near its end.
  const int middle = client.bottom / 2;
  const COLORREF filled = canvas.Pixel(8, middle);
  const COLORREF empty = canvas.Pixel(width - 8, middle);
  ASSERT_NE(filled, empty);
  int lastFilled = -1;
  for (int x = 0; x < width; ++x) {
    if (canvas.Pixel(x, middle) == filled) lastFilled = x;
  }
  EXPECT_NEAR(lastFilled, width / 2, 4);
}

}  // namespace
}  // namespace marlivo::ui
