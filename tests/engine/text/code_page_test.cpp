// Conversions use code page 936 whatever the system's ANSI code page.
#include "engine/text/code_page.h"

#include <gtest/gtest.h>

namespace marlivo::text {
namespace {

TEST(CodePageTest, GbkRoundTripsThroughUtf16AndUtf8) {
  const std::string gbk = "\xBD\xF0 Gold";  // 金 Gold
  EXPECT_EQ(GbkToWide(gbk), L"\x91D1 Gold");
  EXPECT_EQ(WideToGbk(L"\x91D1 Gold"), gbk);
  EXPECT_EQ(GbkToUtf16(gbk), u"\x91D1 Gold");
  EXPECT_EQ(Utf16ToGbk(u"\x91D1 Gold"), gbk);
  EXPECT_EQ(GbkToUtf8(gbk), "\xE9\x87\x91 Gold");
  EXPECT_EQ(Utf8ToGbk("\xE9\x87\x91 Gold"), gbk);
  EXPECT_EQ(GbkToWide(""), L"");
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(CodePageTest, CharactersGbkLacksAreMarkedOrRefused) {
  const std::wstring korean = L"\xD55C";  // 한: not in GBK
  EXPECT_EQ(WideToGbk(korean), "?");
  EXPECT_FALSE(WideToGbkExact(korean).has_value());
  EXPECT_FALSE(WideToGbkExact(L"a\xD55C" L"b").has_value());
  ASSERT_TRUE(WideToGbkExact(L"\x91D1").has_value());
  EXPECT_EQ(*WideToGbkExact(L"\x91D1"), "\xBD\xF0");
  ASSERT_TRUE(WideToGbkExact(L"").has_value());
  EXPECT_EQ(*WideToGbkExact(L""), "");
}

TEST(CodePageTest, InvalidUtf8BecomesReplacementCharacters) {
  const std::wstring wide = Utf8ToWide("a\xFF" "b");
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[0], L'a');
  EXPECT_EQ(wide[1], L'\xFFFD');
  EXPECT_EQ(wide[2], L'b');
}

}  // namespace
}  // namespace marlivo::text
