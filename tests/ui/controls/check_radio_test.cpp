// Check states, and the radio level's group logic: a click on a plain radio button
// checks it and unchecks its group, with CheckRadioButton over the group's id range.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/check_box.h"

namespace marlivo::ui {
namespace {

using testing::HostWindow;

TEST(CheckStateTest, CheckedSetsAndReadsTheSystemState) {
  HostWindow host;
  qoCheckBox check;
  EXPECT_EQ(check.Checked(), 0);  // no window yet
  ASSERT_EQ(check.CreateOn(host.window(), "c", 0, 0), 1);
  EXPECT_EQ(check.Checked(), 0);
  check.Checked(1);
  EXPECT_EQ(check.SendMessage(BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(check.Checked(), 1);
  check.Checked(0);
  EXPECT_EQ(check.Checked(), 0);
  // Indeterminate counts as checked.
  check.SendMessage(BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(check.Checked(), 1);
}

int g_clicked = 0;
int CountClick(HWND, int) {
  ++g_clicked;
  return 0;
}

// A row of the parent's buttons, in Z order (creation order).
struct ButtonSetup {
  enum Kind { kRadio, kCheck } kind;
  int id;
  DWORD extraStyle;  // WS_GROUP for a radio that starts a group
  bool checked;      // before the click
};

struct GroupCase {
  const char* name;
  std::vector<ButtonSetup> buttons;
  int clicked;                 // index of the radio clicked
  std::vector<bool> expected;  // check states after the click
};

const GroupCase kGroupCases[] = {
    {"two radios: the unchecked one takes the check",
     {{ButtonSetup::kRadio, 20, 0, true}, {ButtonSetup::kRadio, 21, 0, false}},
     1,
     {false, true}},
    {"a click on the checked radio changes nothing",
     {{ButtonSetup::kRadio, 20, 0, true}, {ButtonSetup::kRadio, 21, 0, false}},
     0,
     {true, false}},
    {"a WS_GROUP radio starts another group, untouched",
     {{ButtonSetup::kRadio, 30, 0, false},
      {ButtonSetup::kRadio, 31, 0, true},
      {ButtonSetup::kRadio, 32, WS_GROUP, true}},
     0,
     {true, false, true}},
    {"the clicked radio's group is the one after the WS_GROUP radio",
     {{ButtonSetup::kRadio, 40, 0, true},
      {ButtonSetup::kRadio, 41, WS_GROUP, true},
      {ButtonSetup::kRadio, 42, 0, false}},
     2,
     {true, false, true}},
    {"a check box whose id lies inside the group's range is unchecked too",
     {{ButtonSetup::kRadio, 50, 0, true},
      {ButtonSetup::kCheck, 51, 0, true},
      {ButtonSetup::kRadio, 52, 0, false}},
     2,
     {false, false, true}},
    {"a check box outside the range keeps its state",
     {{ButtonSetup::kRadio, 60, 0, true},
      {ButtonSetup::kCheck, 70, 0, true},
      {ButtonSetup::kRadio, 61, 0, false}},
     2,
     {false, true, true}},
};

class RadioGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(RadioGroupTest, ClickChecksTheRadioAndUnchecksItsGroup) {
  const GroupCase& c = GetParam();
  HostWindow host;
  std::vector<std::unique_ptr<qoPushButton>> buttons;
  int y = 0;
  for (const ButtonSetup& button : c.buttons) {
    if (button.kind == ButtonSetup::kRadio) {
      auto radio = std::make_unique<qoRadioButton>();
      ASSERT_EQ(radio->CreateOn(host.window(), "r", 0, y, std::nullopt, button.id,
                                button.extraStyle),
                1);
      buttons.push_back(std::move(radio));
    } else {
      auto check = std::make_unique<qoCheckBox>();
      ASSERT_EQ(check->CreateOn(host.window(), "c", 0, y, std::nullopt, button.id), 1);
      buttons.push_back(std::move(check));
    }
    buttons.back()->SendMessage(BM_SETCHECK, button.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    y += 34;
  }
  g_clicked = 0;
  buttons[c.clicked]->SetOnClick(CountClick);

  buttons[c.clicked]->SendMessage(BM_CLICK, 0, 0);

  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i]->SendMessage(BM_GETCHECK, 0, 0) == BST_CHECKED, c.expected[i])
        << "button " << i;
  }
  // The group logic does not take the click from "OnClick".
  EXPECT_EQ(g_clicked, 1);
}

INSTANTIATE_TEST_SUITE_P(Groups, RadioGroupTest, ::testing::ValuesIn(kGroupCases),
                         [](const ::testing::TestParamInfo<GroupCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

TEST(RadioGroupTest, TheProgramsPairWithDefaultIdsUncheckEachOther) {
  HostWindow host;
  qoRadioButton fromFilename;
  qoRadioButton fromProperties;
  ASSERT_EQ(fromFilename.CreateOn(host.window(), "From Filename", 62, 278, SIZE{120, 24},
                                  std::nullopt, 0),
            1);
  ASSERT_EQ(fromProperties.CreateOn(host.window(), "From Properties", 242, 278,
                                    SIZE{120, 24}, std::nullopt, 0),
            1);
  ASSERT_LT(fromProperties.GetID(), fromFilename.GetID());
  ASSERT_LT(fromFilename.GetID(), 0);
  fromFilename.Checked(1);
  fromProperties.Checked(0);

  fromProperties.SendMessage(BM_CLICK, 0, 0);
  EXPECT_EQ(fromFilename.Checked(), 0);
  EXPECT_EQ(fromProperties.Checked(), 1);

  fromFilename.SendMessage(BM_CLICK, 0, 0);
  EXPECT_EQ(fromFilename.Checked(), 1);
  EXPECT_EQ(fromProperties.Checked(), 0);
}

TEST(RadioGroupTest, ACommandWithoutTheRadiosWindowRunsNoGroupLogic) {
  HostWindow host;
  qoRadioButton first;
  qoRadioButton second;
  ASSERT_EQ(first.CreateOn(host.window(), "a", 0, 0, std::nullopt, 5), 1);
  ASSERT_EQ(second.CreateOn(host.window(), "b", 0, 40, std::nullopt, 6), 1);
  first.Checked(1);
  // The core gets the notification as its parent would pass it on, but with lParam 0.
  ObjectCore* core = second.GetCore();
  int handled = 0;
  core->hooks->ReflectHook(core, host.window(), WM_COMMAND, MAKEWPARAM(6, BN_CLICKED), 0,
                           &handled);
  EXPECT_EQ(first.Checked(), 1);
  EXPECT_EQ(second.Checked(), 0);
}

}  // namespace
}  // namespace marlivo::ui
