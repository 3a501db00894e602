// The default control ids: the controls that a process makes without ids get -1, -2, ...
// in creation order, whatever their classes, and an explicit id takes none of them.
#include <gtest/gtest.h>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/label.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/push_button.h"

namespace marlivo::ui {
namespace {

using testing::HostWindow;

TEST(DefaultIdTest, ControlsWithoutIdsCountDownFromMinusOneAcrossClasses) {
  HostWindow host;
  qoPushButton button;
  qoLabel label;
  qoEdit withId;
  qoRadioButton radio;
  qoEdit edit;
  qoProgressBar bar;
  ASSERT_EQ(button.CreateOn(host.window(), "a", 0, 0), 1);
  ASSERT_EQ(label.CreateOnW(host.object(), L"b", 0, 40), 1);
  ASSERT_EQ(withId.CreateOn(host.window(), "", 0, 80, std::nullopt, 500), 1);
  ASSERT_EQ(radio.CreateOn(host.window(), "c", 0, 120), 1);
  ASSERT_EQ(edit.CreateOnW(host.window(), std::nullopt, 0, 160), 1);
  ASSERT_EQ(bar.CreateOn(host.window(), std::nullopt, 0, 200), 1);

  EXPECT_EQ(button.GetID(), -1);
  EXPECT_EQ(label.GetID(), -2);
  EXPECT_EQ(withId.GetID(), 500);
  EXPECT_EQ(radio.GetID(), -3);
  EXPECT_EQ(edit.GetID(), -4);
  EXPECT_EQ(bar.GetID(), -5);
  // The system finds them by those ids.
  EXPECT_EQ(::GetDlgItem(host.window(), -4), edit.GetHwnd());
}

}  // namespace
}  // namespace marlivo::ui
