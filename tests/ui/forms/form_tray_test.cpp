// The tray icon of a form: the block it keeps, the shell calls it makes, its texts, and
// its end with the window.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/forms/form_window.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

using testing::IsLiveIcon;
using testing::PrepareControls;

NOTIFYICONDATAW* BlockOf(const qoForm& form) {
  return reinterpret_cast<NOTIFYICONDATAW*>(form.GetProperty(keys::kNotifyIconData));
}

class FormTrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareControls();
    ASSERT_EQ(form_.CreateFormW(nullptr, L"tray"), 1);
    ASSERT_EQ(icon_.LoadSystemIcon(WideResource(IDI_APPLICATION)), 1);
  }
  void TearDown() override {
    if (form_.IsWindow()) ::DestroyWindow(form_.GetHwnd());
  }

  qoWindow form_;
  gdi::qoIcon icon_;
};

TEST_F(FormTrayTest, WithoutATrayIconEveryTrayOperationAnswersZero) {
  EXPECT_EQ(form_.SetNotifyTipW(L"tip"), 0);
  EXPECT_EQ(form_.SetNotifyIcon(icon_), 0);
  EXPECT_EQ(form_.ShowBalloonW(L"text", L"title"), 0);
  EXPECT_EQ(form_.RemoveNotifyIcon(), 0);
  gdi::qoIcon empty;
  EXPECT_EQ(form_.AddNotifyIconW(empty, L"no icon"), 0);  // removes instead: nothing there
  EXPECT_EQ(BlockOf(form_), nullptr);
}

TEST_F(FormTrayTest, TheIconGoesIntoTheTrayWithItsBlock) {
  EXPECT_EQ(form_.AddNotifyIcon(icon_, "\xB2\xC4\xD6\xCA"), 1);  // 材质
  NOTIFYICONDATAW* block = BlockOf(form_);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->cbSize, static_cast<DWORD>(NOTIFYICONDATAW_V2_SIZE));
  EXPECT_EQ(block->hWnd, form_.GetHwnd());
  EXPECT_EQ(block->uID, 1u);
  EXPECT_EQ(block->uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(block->uCallbackMessage, 0x3019u);
  EXPECT_STREQ(block->szTip, L"\x6750\x8D28");
  const auto copy = reinterpret_cast<HICON>(form_.GetProperty(keys::kNotifyIcon));
  EXPECT_EQ(block->hIcon, copy);
  EXPECT_NE(copy, icon_.GetHandle());
  EXPECT_NE(form_.GetProperty(keys::kTaskbarCreatedMessage), 0);

  // Adding again replaces the icon in the tray rather than failing on the one there.
  EXPECT_EQ(form_.AddNotifyIconW(icon_, L"again"), 1);
  EXPECT_FALSE(IsLiveIcon(copy));

  EXPECT_EQ(form_.SetNotifyTipW(L"changed"), 1);
  EXPECT_STREQ(BlockOf(form_)->szTip, L"changed");
  EXPECT_EQ(form_.SetNotifyIcon(icon_), 1);
  EXPECT_EQ(form_.RemoveNotifyIcon(), 1);
  EXPECT_NE(BlockOf(form_), nullptr);  // kept, so that a shell restart puts it back
}

TEST_F(FormTrayTest, BalloonTextsAndTooLongTextsStayWithinTheirFields) {
  ASSERT_EQ(form_.AddNotifyIconW(icon_, std::wstring(300, L'a').c_str()), 1);
  NOTIFYICONDATAW* block = BlockOf(form_);
  // Cut to the field and still terminated.
  EXPECT_EQ(std::wstring(block->szTip), std::wstring(127, L'a'));

  EXPECT_EQ(form_.ShowBalloon("done it!", "Marlivo"), 1);
  EXPECT_EQ(block->uFlags,
            static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_STATE | NIF_INFO));
  EXPECT_STREQ(block->szInfo, L"done it!");
  EXPECT_STREQ(block->szInfoTitle, L"Marlivo");
  EXPECT_EQ(block->uTimeout, 10000u);
  EXPECT_EQ(block->dwInfoFlags, static_cast<DWORD>(NIIF_INFO));

  form_.ShowBalloonW(std::wstring(400, L'b').c_str(), std::wstring(100, L'c').c_str(),
                     NIIF_WARNING, 3000);
  EXPECT_EQ(std::wstring(block->szInfo), std::wstring(255, L'b'));
  EXPECT_EQ(std::wstring(block->szInfoTitle), std::wstring(63, L'c'));
  EXPECT_EQ(block->uTimeout, 3000u);
  EXPECT_EQ(block->dwInfoFlags, static_cast<DWORD>(NIIF_WARNING));

  // The shell's restart message puts the icon back as a plain icon.
  form_.SendMessage(static_cast<UINT>(form_.GetProperty(keys::kTaskbarCreatedMessage)), 0, 0);
  EXPECT_EQ(block->uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(form_.SetNotifyTipW(L"still there"), 1);
}

TEST_F(FormTrayTest, TheTrayIconGoesWithTheWindow) {
  ASSERT_EQ(form_.AddNotifyIconW(icon_), 1);
  const auto copy = reinterpret_cast<HICON>(form_.GetProperty(keys::kNotifyIcon));
  ::DestroyWindow(form_.GetHwnd());
  EXPECT_EQ(BlockOf(form_), nullptr);
  EXPECT_EQ(form_.GetProperty(keys::kNotifyIcon), 0);
  EXPECT_FALSE(IsLiveIcon(copy));
}

}  // namespace
}  // namespace marlivo::ui
