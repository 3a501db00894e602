// The colour level: "OnClick" raised through the parent's reflection of BN_CLICKED,
// Enter on a focused button, and the answers to the parent's WM_CTLCOLOR... messages,
// in the DC, in the brush and in the pixels.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/label.h"
#include "ui/controls/push_button.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

using testing::Canvas;
using testing::HostWindow;

struct Click {
  HWND window;
  int id;
};
std::vector<Click> g_clicks;

int RecordClick(HWND window, int id) {
  g_clicks.push_back({window, id});
  return 0;
}

class ClickTest : public ::testing::Test {
 protected:
  void SetUp() override { g_clicks.clear(); }
};

TEST_F(ClickTest, EachButtonClassRaisesOnClickWithItsWindowAndId) {
  HostWindow host;
  qoPushButton button;
  qoCheckBox check;
  qoRadioButton radio;
  ASSERT_EQ(button.CreateOn(host.window(), "b", 0, 0, std::nullopt, 11), 1);
  ASSERT_EQ(check.CreateOn(host.window(), "c", 0, 40), 1);
  ASSERT_EQ(radio.CreateOn(host.window(), "r", 0, 80, std::nullopt, -300), 1);
  for (qoPushButton* clicked : std::vector<qoPushButton*>{&button, &check, &radio}) {
    EXPECT_EQ(clicked->SetOnClick(RecordClick), 0);
  }

  for (qoPushButton* clicked : std::vector<qoPushButton*>{&button, &check, &radio}) {
    g_clicks.clear();
    clicked->SendMessage(BM_CLICK, 0, 0);
    ASSERT_EQ(g_clicks.size(), 1u);
    EXPECT_EQ(g_clicks[0].window, clicked->GetHwnd());
    EXPECT_EQ(g_clicks[0].id, clicked->GetID());
  }
  EXPECT_EQ(radio.GetID(), -300);  // negative ids survive the 16-bit notification
  EXPECT_EQ(check.Checked(), 1);   // the automatic box toggled as it was clicked
}

TEST_F(ClickTest, EnterOnTheFocusedButtonClicksItOnce) {
  HostWindow host;
  qoPushButton button;
  ASSERT_EQ(button.CreateOn(host.window(), "b", 0, 0), 1);
  button.SetOnClick(RecordClick);
  button.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].window, button.GetHwnd());
  // Other keys are the button's own business.
  button.SendMessage(WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(g_clicks.size(), 1u);
}

// What a control answers when its parent is asked for the colours of its DC.
struct ColourCase {
  const char* name;
  std::function<std::unique_ptr<qoColorControl>(HWND host)> make;
  UINT message;
  bool answered;          // the control's brush is the answer
  COLORREF textColour;
  int backgroundMode;     // OPAQUE or TRANSPARENT
  COLORREF backColour;    // the DC's background colour (when opaque)
};

constexpr COLORREF kSentinel = RGB(1, 2, 3);  // the DC's colours before the message

std::unique_ptr<qoColorControl> LabelOn(HWND host) {
  auto label = std::make_unique<qoLabel>();
  label->CreateOn(host, "x", 0, 0);
  return label;
}

const ColourCase kColourCases[] = {
    {"label: black on the face colour", LabelOn, WM_CTLCOLORSTATIC, true, RGB(0, 0, 0), OPAQUE,
     ::GetSysColor(COLOR_BTNFACE)},
    {"edit: black on white",
     [](HWND host) -> std::unique_ptr<qoColorControl> {
       auto edit = std::make_unique<qoEdit>();
       edit->CreateOn(host, "x", 0, 0);
       return edit;
     },
     WM_CTLCOLOREDIT, true, RGB(0, 0, 0), OPAQUE, RGB(255, 255, 255)},
    {"button never coloured: the system's colours and brush",
     [](HWND host) -> std::unique_ptr<qoColorControl> {
       auto button = std::make_unique<qoPushButton>();
       button->CreateOn(host, "x", 0, 0);
       return button;
     },
     WM_CTLCOLORBTN, false, ::GetSysColor(COLOR_WINDOWTEXT), OPAQUE,
     ::GetSysColor(COLOR_BTNFACE)},
    {"button with a text colour: brush of the face colour",
     [](HWND host) -> std::unique_ptr<qoColorControl> {
       auto button = std::make_unique<qoPushButton>();
       button->CreateOn(host, "x", 0, 0);
       button->TextColor(RGB(0, 0, 200));
       return button;
     },
     WM_CTLCOLORBTN, true, RGB(0, 0, 200), OPAQUE, ::GetSysColor(COLOR_BTNFACE)},
    {"check box on a chosen colour",
     [](HWND host) -> std::unique_ptr<qoColorControl> {
       auto check = std::make_unique<qoCheckBox>();
       check->CreateOn(host, "x", 0, 0);
       check->BackColor(RGB(10, 20, 30));
       return check;
     },
     WM_CTLCOLORSTATIC, true, RGB(0, 0, 0), OPAQUE, RGB(10, 20, 30)},
    {"transparent label",
     [](HWND host) -> std::unique_ptr<qoColorControl> {
       auto label = LabelOn(host);
       label->BackColor(kTransparentColor);
       return label;
     },
     WM_CTLCOLORSTATIC, true, RGB(0, 0, 0), TRANSPARENT, kSentinel},
};

class ColourAnswerTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourAnswerTest, ParentAnswersWithTheControlsColours) {
  const ColourCase& c = GetParam();
  HostWindow host;
  std::unique_ptr<qoColorControl> control = c.make(host.window());
  ASSERT_NE(control->GetHwnd(), nullptr);
  Canvas canvas(4, 4);
  ::SetTextColor(canvas.dc(), kSentinel);
  ::SetBkColor(canvas.dc(), kSentinel);
  ::SetBkMode(canvas.dc(), OPAQUE);

  const LRESULT answer =
      ::SendMessageW(host.window(), c.message, reinterpret_cast<WPARAM>(canvas.dc()),
                     reinterpret_cast<LPARAM>(control->GetHwnd()));
  const auto brush = control->GetProperty(keys::kBackBrush);
  if (c.answered) {
    EXPECT_NE(brush, 0);
    EXPECT_EQ(answer, brush);
  } else {
    // Not claimed: the parent's default processing answers with the system's brush.
    EXPECT_EQ(brush, 0);
    EXPECT_EQ(answer, reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE)));
  }
  EXPECT_EQ(::GetTextColor(canvas.dc()), c.textColour);
  EXPECT_EQ(::GetBkMode(canvas.dc()), c.backgroundMode);
  EXPECT_EQ(::GetBkColor(canvas.dc()), c.backColour);
}

INSTANTIATE_TEST_SUITE_P(Controls, ColourAnswerTest, ::testing::ValuesIn(kColourCases),
                         [](const ::testing::TestParamInfo<ColourCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

TEST(ColourPixelsTest, LabelPaintsItsBackgroundOrLetsTheParentsShowThrough) {
  HostWindow host;
  qoLabel label;
  ASSERT_EQ(label.CreateOn(host.window(), "", 0, 0, SIZE{40, 20}), 1);
  label.BackColor(RGB(200, 0, 0));
  {
    Canvas canvas(40, 20, RGB(0, 255, 0));
    canvas.PrintClient(label.GetHwnd());
    EXPECT_EQ(canvas.Pixel(2, 2), RGB(200, 0, 0));
    EXPECT_EQ(canvas.Pixel(37, 17), RGB(200, 0, 0));
  }
  label.BackColor(kTransparentColor);
  EXPECT_EQ(label.BackColor(), -1);
  {
    Canvas canvas(40, 20, RGB(0, 255, 0));
    canvas.PrintClient(label.GetHwnd());
    EXPECT_EQ(canvas.Pixel(2, 2), RGB(0, 255, 0));
  }
}

TEST(ColourLifecycleTest, TheBrushGoesWithTheWindowAndTheColoursStay) {
  HostWindow host;
  qoLabel label;
  ASSERT_EQ(label.CreateOn(host.window(), "x", 0, 0), 1);
  label.BackColor(RGB(1, 1, 1));
  const auto brush = reinterpret_cast<HGDIOBJ>(label.GetProperty(keys::kBackBrush));
  ASSERT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  // Setting a colour again replaces the brush and deletes the old one.
  label.BackColor(RGB(2, 2, 2));
  const auto second = reinterpret_cast<HGDIOBJ>(label.GetProperty(keys::kBackBrush));
  EXPECT_EQ(::GetObjectType(brush), 0u);

  ::DestroyWindow(label.GetHwnd());
  EXPECT_EQ(label.GetProperty(keys::kBackBrush), 0);
  EXPECT_EQ(::GetObjectType(second), 0u);
  EXPECT_EQ(label.BackColor(), static_cast<std::intptr_t>(RGB(2, 2, 2)));

  // A new window of the same object starts without a brush until a colour is set; the
  // text colour then makes one from the kept background colour.
  ASSERT_EQ(label.CreateChild(host.window(), L"y", 0, 0, 10, 10, 5, 0, 0, L"Static"), 1);
  EXPECT_EQ(label.GetProperty(keys::kBackBrush), 0);
  EXPECT_EQ(label.TextColor(RGB(9, 9, 9)), 1);
  Canvas canvas(4, 4);
  const LRESULT answer =
      ::SendMessageW(host.window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.dc()),
                     reinterpret_cast<LPARAM>(label.GetHwnd()));
  EXPECT_EQ(answer, label.GetProperty(keys::kBackBrush));
  EXPECT_EQ(::GetBkColor(canvas.dc()), RGB(2, 2, 2));
}

}  // namespace
}  // namespace marlivo::ui
