// The font object: fonts from family names (UTF-16 and GBK), from GDI fonts and
// LOGFONTs, GDI fonts made from it, and shared ownership.
#include "ui/framework/gdi/font.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/ui/framework/gdi/gdiplus_started.h"

namespace marlivo::gdi {
namespace {

// Installed on the test machines (Wine shows the system's fonts); the second is the
// CJK family that the test prefix also maps the program's font family to.
constexpr const wchar_t* kLatinFamily = L"DejaVu Sans";
constexpr const wchar_t* kCjkFamily = L"WenQuanYi Micro Hei";
// 文泉驿微米黑, the CJK family's Chinese name, in GBK.
constexpr const char* kCjkFamilyGbk = "\xCE\xC4\xC8\xAA\xE6\xE4\xCE\xA2\xC3\xD7\xBA\xDA";

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

std::wstring FaceOf(HFONT font) {
  LOGFONTW logFont{};
  if (GetObjectW(font, sizeof(logFont), &logFont) == 0) return {};
  return logFont.lfFaceName;
}

TEST(FontTest, CreatePassesSizeStyleAndUnitThrough) {
  struct Case {
    std::optional<int> style;
    std::optional<int> unit;
    int expectedStyle;
    int expectedUnit;
  } cases[] = {
      {std::nullopt, std::nullopt, 0, 0},  // omitted: regular, UnitWorld
      {0, std::nullopt, 0, 0},
      {kFontStyleBold, std::nullopt, 1, 0},
      {kFontStyleItalic | kFontStyleUnderline, kUnitPoint, 6, 3},
      {kFontStyleRegular, kUnitPixel, 0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expectedStyle * 10 + c.expectedUnit);
    qoFont font;
    ASSERT_EQ(font.CreateW(kLatinFamily, 12.0f, c.style, c.unit), 1);
    EXPECT_NE(font.GetHandle(), nullptr);
    EXPECT_FLOAT_EQ(font.GetSize(), 12.0f);
    EXPECT_EQ(font.GetFontStyle(), c.expectedStyle);
    EXPECT_EQ(font.GetUnit(), c.expectedUnit);
    EXPECT_EQ(font.GetFamily().GetNameW(), kLatinFamily);
  }
}

TEST(FontTest, CreateTakesTheFamilyNameAsGbkText) {
  qoFont font;
  ASSERT_EQ(font.Create("DejaVu Sans", 12.0f, 1), 1);
  EXPECT_EQ(font.GetFontStyle(), 1);
  // The Chinese name of the CJK family, converted with 936 whatever the ANSI code page.
  if (GetACP() != 936) {
    GTEST_SKIP() << "Wine's GDI+ finds a family by its Chinese name only when the ANSI "
                    "code page is 936; Windows finds it under every code page";
  }
  qoFont chinese;
  ASSERT_EQ(chinese.Create(kCjkFamilyGbk, 12.0f), 1);
  qoFont english;
  ASSERT_EQ(english.CreateW(kCjkFamily, 12.0f), 1);
  EXPECT_EQ(chinese.GetFamily().GetNameW(), english.GetFamily().GetNameW());
}

TEST(FontTest, UnknownFamilyFailsAndLeavesTheObjectEmpty) {
  qoFont font;
  ASSERT_EQ(font.CreateW(kLatinFamily, 12.0f), 1);
  EXPECT_EQ(font.CreateW(L"No Such Family Marlivo", 12.0f), 0);
  EXPECT_EQ(font.GetHandle(), nullptr);
  EXPECT_EQ(font.Create("", 12.0f), 0);
  EXPECT_EQ(font.GetHandle(), nullptr);
  // An empty object answers with zeros and makes no GDI font.
  EXPECT_EQ(font.ToHFONT(), nullptr);
  EXPECT_EQ(font.GetFontStyle(), 0);
  EXPECT_FLOAT_EQ(font.GetSize(), 0.0f);
  EXPECT_EQ(font.Clone().GetHandle(), nullptr);
  EXPECT_EQ(font.GetFamily().GetHandle(), nullptr);
  LOGFONTW logFont{};
  EXPECT_EQ(font.GetLogFontW(nullptr, &logFont), 0);
}

int g_fontCleanups = 0;

void CountingFontCleanup(WrapperCore* core) {
  ++g_fontCleanups;
  FontCleanup(core);
}

TEST(FontTest, CopiesShareTheFontAndTheLastReleaseDeletesItOnce) {
  g_fontCleanups = 0;
  std::optional<qoFont> font(std::in_place);
  ASSERT_EQ(font->CreateW(kLatinFamily, 14.0f), 1);
  font->GetCore()->hooks->CleanupHook = CountingFontCleanup;
  {
    qoFont copy = *font;
    EXPECT_EQ(copy.GetHandle(), font->GetHandle());
  }
  EXPECT_EQ(g_fontCleanups, 0);
  EXPECT_FLOAT_EQ(font->GetSize(), 14.0f);  // still usable after the copy went
  qoFont second = *font;
  font.reset();
  EXPECT_EQ(g_fontCleanups, 0);
  EXPECT_FLOAT_EQ(second.GetSize(), 14.0f);
  second = qoFont();
  EXPECT_EQ(g_fontCleanups, 1);
}

TEST(FontTest, CloneSurvivesTheOriginal) {
  std::optional<qoFont> font(std::in_place);
  ASSERT_EQ(font->CreateW(kLatinFamily, 9.0f, kFontStyleBold), 1);
  qoFont clone = font->Clone();
  ASSERT_NE(clone.GetHandle(), nullptr);
  EXPECT_NE(clone.GetHandle(), font->GetHandle());
  font.reset();
  EXPECT_FLOAT_EQ(clone.GetSize(), 9.0f);
  EXPECT_EQ(clone.GetFontStyle(), kFontStyleBold);
}

TEST(FontTest, ToHFONTGivesANewGdiFontToEachCaller) {
  qoFont font;
  ASSERT_EQ(font.CreateW(kLatinFamily, 20.0f, kFontStyleBold, kUnitPixel), 1);
  HFONT first = font.ToHFONT();
  HFONT second = font.ToHFONT();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  LOGFONTW logFont{};
  ASSERT_NE(GetObjectW(first, sizeof(logFont), &logFont), 0);
  EXPECT_EQ(std::wstring(logFont.lfFaceName), kLatinFamily);
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_EQ(logFont.lfHeight, -20);  // 20 pixels, whatever the resolution
  DeleteObject(first);
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(FaceOf(second), kLatinFamily);
  DeleteObject(second);
}

TEST(FontTest, LogFontHeightFollowsTheGraphicsResolution) {
  ScreenDc screen;
  qoGraphics graphics(screen.get());
  ASSERT_NE(graphics.GetHandle(), nullptr);
  Gdiplus::REAL dpi = 0;
  ASSERT_EQ(gp::GdipGetDpiY(graphics.GetHandle(), &dpi), kGdipOk);
  qoFont font;
  ASSERT_EQ(font.CreateW(kLatinFamily, 12.0f, kFontStyleRegular, kUnitPoint), 1);
  LOGFONTW logFont{};
  ASSERT_EQ(font.GetLogFontW(&graphics, &logFont), 1);
  // 12 points are 12/72 inch.
  EXPECT_EQ(logFont.lfHeight, -static_cast<LONG>(12.0f * dpi / 72.0f + 0.5f));
  LOGFONTA ansi{};
  ASSERT_EQ(font.GetLogFontA(&graphics, &ansi), 1);
  EXPECT_EQ(ansi.lfHeight, logFont.lfHeight);
  EXPECT_STREQ(ansi.lfFaceName, "DejaVu Sans");
  EXPECT_GT(font.GetHeight(graphics), 12.0f * dpi / 72.0f);  // the line spacing exceeds the em
  EXPECT_NEAR(font.GetHeightGivenDPI(144.0f), 2.0f * font.GetHeightGivenDPI(72.0f), 0.01f);
}

TEST(FontTest, FontsFromGdiFontsAndLogFonts) {
  ScreenDc screen;
  LOGFONTW source{};
  source.lfHeight = -15;
  source.lfWeight = FW_BOLD;
  source.lfItalic = TRUE;
  lstrcpyW(source.lfFaceName, kLatinFamily);
  HFONT gdiFont = CreateFontIndirectW(&source);
  ASSERT_NE(gdiFont, nullptr);

  qoFont fromHfont;
  ASSERT_EQ(fromHfont.CreateFromHFONT(screen.get(), gdiFont), 1);
  EXPECT_EQ(fromHfont.GetFamily().GetNameW(), kLatinFamily);
  EXPECT_EQ(fromHfont.GetFontStyle(), kFontStyleBold | kFontStyleItalic);
  HFONT back = fromHfont.ToHFONT();
  LOGFONTW round{};
  ASSERT_NE(GetObjectW(back, sizeof(round), &round), 0);
  // GDI+ keeps the height as an em size of its own; back in GDI it may round by a pixel.
  EXPECT_NEAR(round.lfHeight, -15, 1);
  DeleteObject(back);

  qoFont fromLogFont;
  ASSERT_EQ(fromLogFont.CreateFromLogFontW(screen.get(), &source), 1);
  EXPECT_EQ(fromLogFont.GetFontStyle(), kFontStyleBold | kFontStyleItalic);
  LOGFONTA ansiSource{};
  ansiSource.lfHeight = -11;
  lstrcpyA(ansiSource.lfFaceName, "DejaVu Sans");
  ASSERT_EQ(fromLogFont.CreateFromLogFontA(screen.get(), &ansiSource), 1);
  EXPECT_EQ(fromLogFont.GetFontStyle(), kFontStyleRegular);

  // Without a GDI font or a LOGFONT: the font selected in the context.
  HDC memory = CreateCompatibleDC(screen.get());
  HGDIOBJ old = SelectObject(memory, gdiFont);
  qoFont selected;
  ASSERT_EQ(selected.CreateFromHFONT(memory, nullptr), 1);
  EXPECT_EQ(selected.GetFamily().GetNameW(), kLatinFamily);
  ASSERT_EQ(selected.CreateFromLogFontW(memory, nullptr), 1);
  EXPECT_EQ(selected.GetFontStyle(), kFontStyleBold | kFontStyleItalic);
  ASSERT_EQ(selected.CreateFromDC(memory), 1);
  EXPECT_EQ(selected.GetFamily().GetNameW(), kLatinFamily);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(gdiFont);
}

TEST(FontTest, CreateDefaultTakesTheStockGuiFont) {
  LOGFONTW stock{};
  ASSERT_NE(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock), 0);
  qoFont font;
  ASSERT_EQ(font.CreateDefault(), 1);
  HFONT made = font.ToHFONT();
  ASSERT_NE(made, nullptr);
  LOGFONTW back{};
  ASSERT_NE(GetObjectW(made, sizeof(back), &back), 0);
  EXPECT_EQ(std::abs(back.lfHeight), std::abs(stock.lfHeight));
  DeleteObject(made);
  ScreenDc screen;
  EXPECT_EQ(font.CreateDefault(screen.get()), 1);
}

TEST(FontTest, FromFamilyObject) {
  qoFontFamily family;
  qoFontCollection installed;
  ASSERT_EQ(family.CreateW(kLatinFamily, installed), 1);
  qoFont font;
  ASSERT_EQ(font.CreateFromFamily(family, 10.5f, kFontStyleStrikeout), 1);
  EXPECT_FLOAT_EQ(font.GetSize(), 10.5f);
  EXPECT_EQ(font.GetFontStyle(), kFontStyleStrikeout);
  EXPECT_EQ(font.CreateFromFamily(qoFontFamily(), 10.0f), 0);
  EXPECT_EQ(font.GetHandle(), nullptr);
}

}  // namespace
}  // namespace marlivo::gdi
