// A window's own font and cursor, exchanged with font and cursor objects: the window
// owns exactly one of each, and hands out copies.
#include <gtest/gtest.h>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/application.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/gdi/font.h"
#include "ui/framework/gdi/icon.h"
#include "ui/framework/window_base.h"

namespace marlivo::ui {
namespace {

using testing::CreateTopWindow;
using testing::IsLiveIcon;
using testing::PrepareFramework;

// Installed on the test machines; Wine shows the system's fonts.
constexpr wchar_t kFamily[] = L"DejaVu Sans";

bool IsLiveFont(HFONT font) {
  LOGFONTW described{};
  return ::GetObjectW(font, sizeof(described), &described) != 0;
}

class WindowFontCursorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static qoApplication application;  // starts GDI+ for the font objects
    application.Initialise();
    PrepareFramework();
  }
  // A standard edit control, which keeps the font it is given and answers WM_GETFONT.
  static HWND MakeEdit(qoWindowBase& window) {
    const HWND edit = ::CreateWindowExW(0, L"Edit", L"text", WS_POPUP | WS_VISIBLE, 50, 50,
                                        120, 30, nullptr, nullptr, nullptr, nullptr);
    window.SubclassWindow(edit);
    return edit;
  }
};

TEST_F(WindowFontCursorTest, SetFontTwiceLeavesOneOwnedFont) {
  gdi::qoFont regular;
  gdi::qoFont bold;
  ASSERT_EQ(regular.CreateW(kFamily, 12.0f), 1);
  ASSERT_EQ(bold.CreateW(kFamily, 20.0f, gdi::kFontStyleBold), 1);
  qoWindowBase window;
  const HWND edit = MakeEdit(window);
  ASSERT_NE(edit, nullptr);

  window.SetFont(regular);
  const auto first = reinterpret_cast<HFONT>(window.GetProperty(keys::kFont));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(window.SendMessage(WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(first));

  window.SetFont(bold);
  const auto second = reinterpret_cast<HFONT>(window.GetProperty(keys::kFont));
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_FALSE(IsLiveFont(first));
  EXPECT_TRUE(IsLiveFont(second));
  EXPECT_EQ(window.SendMessage(WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(second));
  LOGFONTW described{};
  ::GetObjectW(second, sizeof(described), &described);
  EXPECT_EQ(described.lfWeight, FW_BOLD);

  // Back as a font object: the window's font, as GDI+ sees it.
  const gdi::qoFont back = window.GetFont();
  ASSERT_NE(back.GetHandle(), nullptr);
  EXPECT_EQ(back.GetFontStyle(), gdi::kFontStyleBold);
  EXPECT_EQ(back.GetFamily().GetNameW(), kFamily);

  ::DestroyWindow(edit);
  EXPECT_FALSE(IsLiveFont(second));  // the window's end deletes what it owned
}

TEST_F(WindowFontCursorTest, EmptyFontObjectLeavesTheWindowWithoutAFont) {
  gdi::qoFont empty;
  qoWindowBase window;
  const HWND edit = MakeEdit(window);
  window.SetFont(empty);
  EXPECT_EQ(window.GetProperty(keys::kFont), 0);
  EXPECT_EQ(window.SendMessage(WM_GETFONT, 0, 0), 0);
  ::DestroyWindow(edit);
}

TEST_F(WindowFontCursorTest, GetFontWithoutAWindowFontIsTheDefaultGuiFont) {
  qoWindowBase window;
  ASSERT_NE(CreateTopWindow(window), nullptr);  // the form class keeps no font
  const gdi::qoFont font = window.GetFont();
  ASSERT_NE(font.GetHandle(), nullptr);
  gdi::qoFont expected;
  const HDC dc = ::GetDC(window.GetHwnd());
  ASSERT_EQ(expected.CreateDefault(dc), 1);
  ::ReleaseDC(window.GetHwnd(), dc);
  EXPECT_FLOAT_EQ(font.GetSize(), expected.GetSize());
  EXPECT_EQ(font.GetFamily().GetNameW(), expected.GetFamily().GetNameW());
  ::DestroyWindow(window.GetHwnd());
}

TEST_F(WindowFontCursorTest, SetCursorAndGetCursorHandOutCopies) {
  gdi::qoIcon cross;
  gdi::qoIcon beam;
  ASSERT_EQ(cross.LoadSystemCursor(WideResource(IDC_CROSS)), 1);
  ASSERT_EQ(beam.LoadSystemCursor(WideResource(IDC_IBEAM)), 1);
  qoWindowBase window;
  ASSERT_NE(CreateTopWindow(window), nullptr);

  const HCURSOR arrow = ::LoadCursorW(nullptr, WideResource(IDC_ARROW));
  ::SetCursor(arrow);
  EXPECT_EQ(window.SetCursor(cross), arrow);
  const auto owned = reinterpret_cast<HCURSOR>(window.GetProperty(keys::kCursor));
  EXPECT_NE(owned, cross.GetHandle());
  EXPECT_TRUE(IsLiveIcon(owned));
  EXPECT_EQ(::GetCursor(), owned);
  {
    const gdi::qoIcon given = window.GetCursor();
    EXPECT_NE(given.GetHandle(), nullptr);
    EXPECT_NE(given.GetHandle(), owned);
  }  // the object destroys its own copy
  EXPECT_TRUE(IsLiveIcon(owned));
  EXPECT_TRUE(IsLiveIcon(cross.GetHandle()));

  window.SetCursor(beam);
  const auto next = reinterpret_cast<HCURSOR>(window.GetProperty(keys::kCursor));
  EXPECT_FALSE(IsLiveIcon(owned));  // the earlier copy went
  EXPECT_TRUE(IsLiveIcon(next));
  ::SetCursor(arrow);
  ::DestroyWindow(window.GetHwnd());
  EXPECT_FALSE(IsLiveIcon(next));

  qoWindowBase none;
  EXPECT_EQ(none.GetCursor().GetHandle(), nullptr);
}

}  // namespace
}  // namespace marlivo::ui
