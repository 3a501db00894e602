// The control base: what each class's creation makes (class, styles, size, caption,
// type, binding, font), refusals, borders on live controls, taking over dialog items
// and the MDI client.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

#include "tests/ui/controls/controls_test_support.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/label.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/push_button.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

using testing::HostWindow;
using testing::MessageRecorder;

struct CreationCase {
  const char* name;
  // Makes the control on the host at (10, 10); creation's result.
  std::function<int(qoControl& control, HWND host)> create;
  std::function<std::unique_ptr<qoControl>()> make;
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
  SIZE size;
  const wchar_t* text;
  const char* type;
};

template <typename T>
std::function<std::unique_ptr<qoControl>()> Make() {
  return [] { return std::make_unique<T>(); };
}

template <typename T, typename... Args>
std::function<int(qoControl&, HWND)> CreateOn(Args... args) {
  return [=](qoControl& control, HWND host) {
    return static_cast<T&>(control).CreateOn(host, args...);
  };
}

template <typename T, typename... Args>
std::function<int(qoControl&, HWND)> CreateOnW(Args... args) {
  return [=](qoControl& control, HWND host) {
    return static_cast<T&>(control).CreateOnW(host, args...);
  };
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;  // 0x54000000
constexpr std::optional<const char*> kNoText = std::nullopt;
constexpr std::optional<const wchar_t*> kNoTextW = std::nullopt;
constexpr std::optional<SIZE> kNoSize = std::nullopt;
constexpr std::optional<int> kNoId = std::nullopt;

const CreationCase kCreationCases[] = {
    {"button, all defaults", CreateOn<qoPushButton>(kNoText, 10, 10), Make<qoPushButton>(),
     L"Button", kChild | WS_TABSTOP, 0, {80, 32}, L"\x6309\x94AE", "\xB0\xB4\xC5\xA5"},
    {"button, UTF-16 caption and the program's style",
     CreateOnW<qoPushButton>(L"Start", 10, 10, SIZE{300, 48}, kNoId, DWORD{0x54002F00}),
     Make<qoPushButton>(), L"Button", 0x54002F00, 0, {300, 48}, L"Start", "\xB0\xB4\xC5\xA5"},
    {"check box, all defaults", CreateOn<qoCheckBox>(kNoText, 10, 10), Make<qoCheckBox>(),
     L"Button", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, {80, 32}, L"\x9009\x62E9\x6846",
     "\xD1\xA1\xD4\xF1\xBF\xF2"},
    {"check box, the program's style",
     CreateOn<qoCheckBox>("Invert", 10, 10, SIZE{55, 24}, kNoId, DWORD{0x54002D03}),
     Make<qoCheckBox>(), L"Button", 0x54002D03, 0, {55, 24}, L"Invert",
     "\xD1\xA1\xD4\xF1\xBF\xF2"},
    {"radio button, all defaults: no tab stop", CreateOnW<qoRadioButton>(kNoTextW, 10, 10),
     Make<qoRadioButton>(), L"Button", kChild | BS_RADIOBUTTON, 0, {80, 32},
     L"\x5355\x9009\x6846", "\xB5\xA5\xD1\xA1\xBF\xF2"},
    {"label, the program's style gains SS_NOTIFY",
     CreateOn<qoLabel>(kNoText, 10, 10, kNoSize, kNoId, DWORD{0x54000200}), Make<qoLabel>(),
     L"Static", 0x54000300, 0, {80, 24}, L"\x6807\x7B7E", "\xB1\xEA\xC7\xA9"},
    {"label, GBK caption, default style",
     CreateOn<qoLabel>("\xB2\xC4\xD6\xCA", 10, 10), Make<qoLabel>(),  // 材质
     L"Static", kChild | SS_CENTERIMAGE | SS_NOTIFY, 0, {80, 24}, L"\x6750\x8D28",
     "\xB1\xEA\xC7\xA9"},
    {"edit, all defaults", CreateOn<qoEdit>(kNoText, 10, 10), Make<qoEdit>(), L"Edit",
     kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {80, 20}, L"",
     "\xB1\xE0\xBC\xAD\xBF\xF2"},
    {"progress bar, all defaults", CreateOn<qoProgressBar>(kNoText, 10, 10),
     Make<qoProgressBar>(), L"msctls_progress32", kChild, 0, {120, 24}, L"",
     "\xBD\xF8\xB6\xC8\xCC\xF5"},
};

class ControlCreationTest : public ::testing::TestWithParam<CreationCase> {};

TEST_P(ControlCreationTest, MakesABoundChildWithTheClassDefaults) {
  const CreationCase& c = GetParam();
  HostWindow host;
  std::unique_ptr<qoControl> control = c.make();
  EXPECT_EQ(control->GetType(), c.type);
  ASSERT_EQ(c.create(*control, host.window()), 1);
  const HWND window = control->GetHwnd();
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(control->GetClassNameW(), c.className);
  EXPECT_EQ(::GetParent(window), host.window());
  EXPECT_EQ(control->GetWindowStyle(), c.style);
  EXPECT_EQ(control->GetWindowExStyle(), c.exStyle);
  EXPECT_EQ(control->GetSize().cx, c.size.cx);
  EXPECT_EQ(control->GetSize().cy, c.size.cy);
  EXPECT_EQ(control->GetPosition().x, 10);
  EXPECT_EQ(control->GetTextW(), c.text);
  EXPECT_EQ(FindCore(window), control->GetCore());
  EXPECT_EQ(::SendMessageW(window, WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT)));

  // A second creation on the bound object is refused and makes nothing.
  EXPECT_EQ(c.create(*control, host.window()), 0);
  EXPECT_EQ(control->GetHwnd(), window);
  EXPECT_EQ(host.ChildCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Classes, ControlCreationTest, ::testing::ValuesIn(kCreationCases),
                         [](const ::testing::TestParamInfo<CreationCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

// A copy of a control is an object of the same class on the same core.
template <typename T>
void ExpectCopyOfSameClass() {
  T original;
  const std::unique_ptr<qoWindowBase> copy = std::as_const(original).Copy();
  EXPECT_NE(dynamic_cast<T*>(copy.get()), nullptr) << typeid(T).name();
  EXPECT_EQ(copy->GetCore(), original.GetCore());
  EXPECT_EQ(original.GetRefCount(), 2);
  EXPECT_EQ(copy->GetType(), original.GetType());
}

TEST(ControlBaseTest, CopiesKeepTheirClassAndShareTheCore) {
  ExpectCopyOfSameClass<qoControl>();
  ExpectCopyOfSameClass<qoColorControl>();
  ExpectCopyOfSameClass<qoPushButton>();
  ExpectCopyOfSameClass<qoCheckBox>();
  ExpectCopyOfSameClass<qoRadioButton>();
  ExpectCopyOfSameClass<qoEdit>();
  ExpectCopyOfSameClass<qoLabel>();
  ExpectCopyOfSameClass<qoProgressBar>();
}

TEST(ControlBaseTest, AButtonShowsAndOwnsACopyOfItsIcon) {
  HostWindow host;
  qoPushButton button;
  ASSERT_EQ(button.CreateOn(host.window(), "", 0, 0), 1);
  gdi::qoIcon icon;
  ASSERT_EQ(icon.LoadSystemIcon(WideResource(IDI_APPLICATION)), 1);
  button.SetIcon(icon);
  EXPECT_NE(button.GetWindowStyle() & BS_ICON, 0u);
  const auto shown = reinterpret_cast<HICON>(button.SendMessage(BM_GETIMAGE, IMAGE_ICON, 0));
  ASSERT_NE(shown, nullptr);
  EXPECT_NE(shown, icon.GetHandle());  // a copy, not the object's icon
  EXPECT_EQ(button.GetProperty(keys::kButtonIcon), reinterpret_cast<std::intptr_t>(shown));
  {
    gdi::qoIcon read = button.GetIcon();
    EXPECT_NE(read.GetHandle(), nullptr);
    EXPECT_NE(read.GetHandle(), shown);
  }
  EXPECT_TRUE(testing::IsLiveIcon(shown));  // the read copy went, the button's stays

  // A second icon replaces the first copy; the window's end destroys the second.
  button.SetIcon(icon);
  const auto second = reinterpret_cast<HICON>(button.GetProperty(keys::kButtonIcon));
  EXPECT_FALSE(testing::IsLiveIcon(shown));
  ::DestroyWindow(button.GetHwnd());
  EXPECT_FALSE(testing::IsLiveIcon(second));
  EXPECT_EQ(button.GetProperty(keys::kButtonIcon), 0);
  EXPECT_TRUE(testing::IsLiveIcon(icon.GetHandle()));
}

TEST(ControlBaseTest, CreationOfAnObjectWithoutCoreMakesNoWindow) {
  HostWindow host;
  qoLabel label;
  ObjectCore** slot = label.GetCoreSlot();
  Release(*slot);
  *slot = nullptr;
  EXPECT_EQ(label.CreateOn(host.window(), "x", 0, 0), 0);
  EXPECT_EQ(label.CreateChild(host.window(), L"x", 0, 0, 10, 10, 1, 0, 0, L"Static"), 0);
  EXPECT_EQ(host.ChildCount(), 0);
}

TEST(ControlBaseTest, CreateMakesAChildThatOnlyAFrameworkClassBinds) {
  HostWindow host;
  // A framework class binds the core in its own procedure, inside the creation.
  qoControl framework;
  ASSERT_EQ(framework.Create(host.window(), L"", 0, 0, 40, 30, reinterpret_cast<HMENU>(21),
                             0, 0, L"qoWindow"),
            1);
  ASSERT_NE(framework.GetHwnd(), nullptr);
  EXPECT_EQ(framework.GetWindowStyle(), static_cast<DWORD>(WS_CHILD | WS_VISIBLE |
                                                           WS_CLIPSIBLINGS));
  EXPECT_EQ(framework.GetID(), 21);
  // A standard class is made but not subclassed: the object stays without a window.
  qoControl standard;
  EXPECT_EQ(standard.Create(host.window(), L"", 0, 40, 40, 30, reinterpret_cast<HMENU>(22),
                            0, 0, L"Static"),
            1);
  EXPECT_EQ(standard.GetHwnd(), nullptr);
  EXPECT_NE(::GetDlgItem(host.window(), 22), nullptr);
}

TEST(ControlBaseTest, CreationFailsCleanlyForAnUnknownClass) {
  HostWindow host;
  qoControl control;
  EXPECT_EQ(control.CreateChild(host.window(), L"", 0, 0, 10, 10, 1, 0, 0, L"NoSuchClass"), 0);
  EXPECT_EQ(control.GetHwnd(), nullptr);
}

TEST(ControlBaseTest, BorderAtCreationAndOnALiveControl) {
  HostWindow host;
  // Kind 5 on the live field of the program: the client edge goes, a plain border comes.
  qoEdit edit;
  ASSERT_EQ(edit.CreateOn(host.window(), "", 10, 10, SIZE{300, 24}, std::nullopt, 0x54000080,
                          WS_EX_CLIENTEDGE),
            1);
  EXPECT_EQ(edit.Border(5), 0);
  EXPECT_EQ(edit.GetWindowStyle() & WS_BORDER, static_cast<DWORD>(WS_BORDER));
  EXPECT_EQ(edit.GetWindowExStyle() & WS_EX_CLIENTEDGE, 0u);
  EXPECT_EQ(edit.Border(), 5);

  // A kind stored before creation is applied to the styles the creation is given.
  qoLabel label;
  label.Border(3);
  ASSERT_EQ(label.CreateOn(host.window(), "x", 10, 50, std::nullopt, std::nullopt,
                           WS_BORDER),
            1);
  EXPECT_EQ(label.GetWindowStyle() & WS_BORDER, 0u);
  EXPECT_EQ(label.GetWindowExStyle() & WS_EX_STATICEDGE, static_cast<DWORD>(WS_EX_STATICEDGE));
}

TEST(ControlBaseTest, BindDlgItemTakesOverAnExistingChild) {
  HostWindow host;
  const HWND item = ::CreateWindowExW(0, L"Static", L"old", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                      host.window(), reinterpret_cast<HMENU>(77), nullptr,
                                      nullptr);
  ASSERT_NE(item, nullptr);
  ::SendMessageW(item, WM_SETFONT, 0, 0);
  qoLabel label;
  EXPECT_EQ(label.BindDlgItem(host.object(), 78, 1), 0);
  EXPECT_EQ(label.GetHwnd(), nullptr);

  ASSERT_EQ(label.BindDlgItem(host.object(), 77, 1), 1);
  EXPECT_EQ(label.GetHwnd(), item);
  EXPECT_EQ(label.GetID(), 77);
  EXPECT_EQ(FindCore(item), label.GetCore());
  EXPECT_EQ(::SendMessageW(item, WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT)));
  EXPECT_EQ(label.Text(), "old");
}

TEST(ControlBaseTest, MdiClientIsBoundAndWorksAsTheSystemsMdiClient) {
  HostWindow host;
  qoControl client;
  MessageRecorder recorder(client);
  const HWND window =
      client.CreateMDIClient(host.window(), L"", 0, 0, 200, 150, 9, WS_VISIBLE, 0);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(client.GetHwnd(), window);
  EXPECT_EQ(client.GetClassNameW(), L"qoMDIClient");
  EXPECT_EQ(client.GetID(), 9);
  EXPECT_GT(recorder.Count(WM_NCCREATE), 0);

  // The system's MDI client procedure answers behind the hooks: a child made through it
  // is its active child.
  MDICREATESTRUCTW child{};
  child.szClass = L"qoWindow";
  child.szTitle = L"child";
  child.cx = 100;
  child.cy = 80;
  const auto made = reinterpret_cast<HWND>(
      ::SendMessageW(window, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(::SendMessageW(window, WM_MDIGETACTIVE, 0, 0), reinterpret_cast<LRESULT>(made));

  ::DestroyWindow(window);
  EXPECT_EQ(client.GetHwnd(), nullptr);
  EXPECT_EQ(FindCore(window), nullptr);
}

}  // namespace
}  // namespace marlivo::ui
