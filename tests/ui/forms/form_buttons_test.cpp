// The default and cancel buttons of a form, worked as a user works them: keys posted to
// the focused window and run through the program's message loop, which turns Enter and
// Esc into the form's OK and Cancel commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/push_button.h"
#include "ui/forms/form_window.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

using testing::PrepareControls;
using testing::TestApplication;

std::vector<std::string> g_clicked;  // captions of the buttons clicked, in order
HWND g_formWindow = nullptr;

int NoteClick(HWND button, int) {
  wchar_t caption[16] = {};
  ::GetWindowTextW(button, caption, 16);
  std::string text;
  for (const wchar_t* c = caption; *c != L'\0'; ++c) text += static_cast<char>(*c);
  // A click that comes while the form is already gone would say so.
  if (!::IsWindow(g_formWindow)) text += " (form gone)";
  g_clicked.push_back(text);
  return 0;
}

class FormButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareControls();
    g_clicked.clear();
    ASSERT_EQ(form_.CreateFormW(nullptr, L"buttons", POINT{0, 0}, SIZE{300, 200},
                                WS_POPUP | WS_VISIBLE),
              1);
    g_formWindow = form_.GetHwnd();
    ASSERT_EQ(ok_.CreateOn(form_, "OK", 10, 10), 1);
    ASSERT_EQ(other_.CreateOn(form_, "Other", 100, 10), 1);
    ASSERT_EQ(cancel_.CreateOn(form_, "Cancel", 190, 10), 1);
    ASSERT_EQ(field_.CreateOn(form_, "", 10, 60, SIZE{200, 24}), 1);
    for (qoPushButton* button : {&ok_, &other_, &cancel_}) button->SetOnClick(NoteClick);
    ::SetForegroundWindow(form_.GetHwnd());
    field_.SetFocus();
  }
  void TearDown() override {
    if (form_.IsWindow()) ::DestroyWindow(form_.GetHwnd());
  }

  // Posts the key to the focused window and runs the program's loop until it is done.
  void Press(WPARAM key) {
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    TestApplication().Quit();
    TestApplication().Run(form_, 0);
  }

  qoWindow form_;
  qoPushButton ok_;
  qoPushButton other_;
  qoPushButton cancel_;
  qoEdit field_;
};

TEST_F(FormButtonsTest, EnterClicksTheDefaultButtonOnly) {
  Press(VK_RETURN);
  EXPECT_TRUE(g_clicked.empty());  // no default button: swallowed, nothing clicked

  EXPECT_EQ(ok_.DefaultButton(1), 0);
  EXPECT_EQ(ok_.DefaultButton(), 1);
  EXPECT_EQ(form_.GetProperty(keys::kDefaultButton),
            reinterpret_cast<std::intptr_t>(ok_.GetCore()));
  EXPECT_EQ(ok_.GetRefCount(), 2);
  Press(VK_RETURN);
  EXPECT_EQ(g_clicked, std::vector<std::string>{"OK"});

  // A second default button takes the role; the first keeps its style bit.
  g_clicked.clear();
  other_.DefaultButton(1);
  EXPECT_EQ(ok_.DefaultButton(), 1);
  EXPECT_EQ(ok_.GetRefCount(), 1);
  Press(VK_RETURN);
  EXPECT_EQ(g_clicked, std::vector<std::string>{"Other"});

  g_clicked.clear();
  EXPECT_EQ(other_.DefaultButton(0), 1);
  EXPECT_EQ(form_.GetProperty(keys::kDefaultButton), 0);
  Press(VK_RETURN);
  EXPECT_TRUE(g_clicked.empty());
}

TEST_F(FormButtonsTest, EnterInASingleLineEditClicksTheDefaultButtonThroughItsParent) {
  ok_.DefaultButton(1);
  // The key as the edit itself gets it when no loop took it first.
  field_.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(g_clicked, std::vector<std::string>{"OK"});
}

TEST_F(FormButtonsTest, EscapeClicksTheCancelButtonAndThenClosesTheForm) {
  EXPECT_EQ(cancel_.Cancel(1), 0);
  EXPECT_EQ(cancel_.Cancel(), 1);
  Press(VK_ESCAPE);
  EXPECT_EQ(g_clicked, std::vector<std::string>{"Cancel"});
  EXPECT_TRUE(form_.IsWindow());  // "EscClose" is off

  g_clicked.clear();
  form_.EscClose(1);
  Press(VK_ESCAPE);
  EXPECT_EQ(g_clicked, std::vector<std::string>{"Cancel"});
  EXPECT_FALSE(form_.IsWindow());
}

TEST_F(FormButtonsTest, TheFormGivesBackItsButtonsWhenItsWindowGoes) {
  ok_.DefaultButton(1);
  cancel_.Cancel(1);
  ASSERT_EQ(ok_.GetRefCount(), 2);
  ASSERT_EQ(cancel_.GetRefCount(), 2);
  ::DestroyWindow(form_.GetHwnd());
  EXPECT_EQ(ok_.GetRefCount(), 1);
  EXPECT_EQ(cancel_.GetRefCount(), 1);
  EXPECT_EQ(form_.GetProperty(keys::kCancelButton), 0);
}

TEST(FormButtonsRootTest, ARootThatIsNoFrameworkWindowGetsNoRoles) {
  PrepareControls();
  const HWND plain = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                       nullptr, nullptr, nullptr);
  qoPushButton button;
  ASSERT_EQ(button.CreateOn(plain, "b", 0, 0), 1);
  EXPECT_EQ(button.DefaultButton(1), 0);
  EXPECT_EQ(button.DefaultButton(), 0);  // nothing registered, the style unchanged
  EXPECT_EQ(button.Cancel(1), 0);
  EXPECT_EQ(button.Cancel(), 1);  // the button's own state is still stored
  EXPECT_EQ(button.GetRefCount(), 1);
  ::DestroyWindow(plain);
}

TEST(FormButtonsRootTest, EnterOnAButtonWhoseRootIsNoFormStillClicksIt) {
  testing::HostWindow host;  // a framework window, but not a form
  qoPushButton button;
  ASSERT_EQ(button.CreateOn(host.window(), "b", 0, 0), 1);
  g_clicked.clear();
  g_formWindow = host.window();
  button.SetOnClick(NoteClick);
  button.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(g_clicked, std::vector<std::string>{"b"});
}

}  // namespace
}  // namespace marlivo::ui
