// Character-stepped searching and slicing of GBK text.
#include "engine/text/gbk_text.h"

#include <gtest/gtest.h>

namespace marlivo::text {
namespace {

// D8 5B and 81 5C are GBK characters whose second bytes are "[" and "\".
constexpr std::string_view kTrailBracket = "\xD8\x5B";
constexpr std::string_view kTrailBackslash = "\x81\x5C";

TEST(GbkTextTest, SearchesNeverStartInsideADoubleByteCharacter) {
  const std::string text = std::string(kTrailBracket) + "x[y";
  EXPECT_EQ(FindText(text, "["), 3u);
  EXPECT_EQ(FindText(text, "[", 4), std::string_view::npos);
  EXPECT_EQ(FindText(text, "x["), 2u);
  EXPECT_EQ(FindText(text, ""), 0u);
  EXPECT_EQ(FindText("abc", "abcd"), std::string_view::npos);
  const std::string path = "C:\\m\\" + std::string(kTrailBackslash);
  EXPECT_EQ(FindLastChar(path, '\\'), 4u);
  EXPECT_EQ(FindLastChar("abc", '\\'), std::string_view::npos);
}

TEST(GbkTextTest, LeadByteAtTheEndCountsAsOneCharacter) {
  EXPECT_EQ(NextCharIndex("a\x81", 1), 2u);
  EXPECT_EQ(NextCharIndex("\x80[", 0), 1u);  // 0x80 is no lead byte in code page 936
  EXPECT_EQ(NextCharIndex("\xFF[", 0), 1u);
  EXPECT_EQ(FindText("\x80[", "["), 1u);
}

struct BetweenCase {
  std::string_view text, start, end, expected;
};

TEST(GbkTextTest, TextBetweenTakesTheFirstStartAndTheFirstEndAfterIt) {
  const BetweenCase cases[] = {
      {"a[dic]b=c\r\n[x]", "[dic]", "[", "b=c\r\n"},
      {"[dic][", "[dic]", "[", ""},
      {"no marker", "[dic]", "[", ""},
      {"[dic] no end", "[dic]", "[", ""},
      {"x]y]z", "]", "]", "y"},
      {"say \"hi\" now", "#\xD2\xFD\xBA\xC5", "#\xD2\xFD\xBA\xC5", "hi"},  // "#引号"
      {"Gold - Or$]", " - ", "$]", "Or"},
      {"Gold$]", " - ", "$]", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected) << c.text;
  }
  // The end marker is never found inside a double-byte character.
  const std::string text = "[dic]" + std::string(kTrailBracket) + "=v[";
  EXPECT_EQ(TextBetween(text, "[dic]", "["), std::string(kTrailBracket) + "=v");
}

TEST(GbkTextTest, TrimRemovesSpacesAndIdeographicSpacesOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\xA1\xA1 x\xA1\xA1"), "x");
  EXPECT_EQ(Trim("\tx\r\n"), "\tx\r\n");
  EXPECT_EQ(Trim(" \xA1\xA1 "), "");
  EXPECT_EQ(Trim(""), "");
  // "\xB0\xA1" is the character 啊: its second byte is no half of a blank.
  EXPECT_EQ(Trim("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  EXPECT_EQ(Trim("\xA1\xB0\xA1"), "\xA1\xB0\xA1");
  EXPECT_TRUE(IsBlank(" \xA1\xA1"));
  EXPECT_FALSE(IsBlank(" .\xA1\xA1"));
}

TEST(GbkTextTest, ReplaceAllStepsByCharacter) {
  EXPECT_EQ(ReplaceAll("a#\xD2\xFD\xBA\xC5" "b", kQuoteWord, "\""), "a\"b");
  EXPECT_EQ(ReplaceAll(std::string(kTrailBracket) + "[", "[", "("),
            std::string(kTrailBracket) + "(");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(GbkTextTest, BytesBetweenComparesRawBytes) {
  EXPECT_EQ(BytesBetween("x#define material \"Gold\" {y", "#define material", "{"),
            " \"Gold\" ");
  EXPECT_EQ(BytesBetween("#define material", "#define material", "{"), "");
  EXPECT_EQ(BytesBetween("{ #define material", "#define material", "{"), "");
  // Over raw bytes a marker may start at any byte, even the second of a pair.
  EXPECT_EQ(BytesBetween(std::string(kTrailBracket) + "a]", "[", "]"), "a");
  const std::string with_zero("#define material\0x{", 19);
  EXPECT_EQ(BytesBetween(with_zero, "#define material", "{"), std::string("\0x", 2));
}

}  // namespace
}  // namespace marlivo::text
