// The test prefix gives the main window's font family, 微软雅黑, to an installed CJK
// font, so that the program's font path runs under the tests as on Windows: GDI finds
// the family by that name and GDI+ makes a family of it.
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

namespace marlivo::e2e {
namespace {

constexpr wchar_t kWindowFontFamily[] = L"\u5FAE\u8F6F\u96C5\u9ED1";  // 微软雅黑

int CALLBACK CountFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return 1;
}

TEST(PrefixFontsTest, TheWindowFontFamilyIsInstalled) {
  HDC screen = GetDC(nullptr);
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcscpy(wanted.lfFaceName, kWindowFontFamily);
  int families = 0;
  EnumFontFamiliesExW(screen, &wanted, CountFamily, reinterpret_cast<LPARAM>(&families), 0);
  EXPECT_GT(families, 0) << "GDI lists no family named 微软雅黑";

  // A font of that name draws with a CJK face, not a Latin fallback: the face has a
  // glyph for 微.
  wanted.lfHeight = -12;
  HFONT font = CreateFontIndirectW(&wanted);
  HGDIOBJ old = SelectObject(screen, font);
  WORD glyph = 0;
  EXPECT_EQ(GetGlyphIndicesW(screen, kWindowFontFamily, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS),
            1u);
  EXPECT_NE(glyph, 0xFFFF);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);

  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  Gdiplus::GpFontFamily* family = nullptr;
  EXPECT_EQ(Gdiplus::DllExports::GdipCreateFontFamilyFromName(kWindowFontFamily, nullptr,
                                                              &family),
            Gdiplus::Ok);
  if (family) Gdiplus::DllExports::GdipDeleteFontFamily(family);
  Gdiplus::GdiplusShutdown(token);
}

}  // namespace
}  // namespace marlivo::e2e
