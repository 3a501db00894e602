// The pattern matcher's facade over GBK texts, as the reverse dictionary lookup and
// other callers use it. Run under ANSI code pages 936 and 1252: the texts must convert
// with 936 either way.
#include "engine/regex_object.h"

#include <gtest/gtest.h>

#include <string>

namespace marlivo::engine {
namespace {

// GBK bytes of the names in these tests.
constexpr char kGold[] = "\xBD\xF0";            // 金
constexpr char kGoldColour[] = "\xBD\xF0\xC9\xAB";  // 金色
constexpr char kSilver[] = "\xD2\xF8";          // 银
// 乗 and 昞: their second bytes are "\" and "[", which a byte-wise reading would take
// for pattern syntax.
constexpr char kBackslashTrail[] = "\x81\x5C";
constexpr char kBracketTrail[] = "\x81\x5B";

std::string LookupPattern(const std::string& name) { return "^(.*?)=" + name + "$"; }

TEST(RegexObjectTest, ReverseLookupFindsTheKeyOfAGbkValue) {
  const std::string section = std::string("\r\nGold=") + kGold + "\r\n" + kGoldColour +
                              "=Gold colour\r\nSilver=" + kSilver + "\r\n";
  struct Row {
    std::string name;
    std::string key;
  };
  const Row rows[] = {{kGold, "Gold"}, {"Gold colour", kGoldColour}, {kSilver, "Silver"}};
  for (const Row& row : rows) {
    RegexObject object;
    object.Execute(LookupPattern(row.name), section, true);
    EXPECT_EQ(object.GetMatchCount(), 1) << row.key;
    EXPECT_EQ(object.GetSubMatchText(1, 1), row.key);
    object.Destroy();
  }
}

TEST(RegexObjectTest, DoubleByteCharactersAreNeverPatternSyntax) {
  const std::string section = std::string("\r\nA=") + kBackslashTrail + "\r\nB=" +
                              kBracketTrail + "\r\nC=" + kBackslashTrail + kBracketTrail + "\r\n";
  RegexObject object;
  object.Execute(LookupPattern(kBackslashTrail), section, true);
  ASSERT_EQ(object.GetMatchCount(), 1);
  EXPECT_EQ(object.GetSubMatchText(1, 1), "A");
  object.Execute(LookupPattern(kBracketTrail), section, true);
  ASSERT_EQ(object.GetMatchCount(), 1);
  EXPECT_EQ(object.GetSubMatchText(1, 1), "B");
  object.Execute(LookupPattern(std::string(kBackslashTrail) + kBracketTrail), section, true);
  ASSERT_EQ(object.GetMatchCount(), 1);
  EXPECT_EQ(object.GetSubMatchText(1, 1), "C");
}

TEST(RegexObjectTest, OptionsDefaultToCaseInsensitiveMultilineGlobal) {
  RegexObject object;
  EXPECT_TRUE(object.Execute("^a", "A1\r\na2\nA3"));
  EXPECT_EQ(object.GetMatchCount(), 3);
  object.Execute("^a", "A1\r\na2\nA3", true);
  EXPECT_EQ(object.GetMatchCount(), 1);
  EXPECT_EQ(object.GetMatchText(1), "a");
  object.Execute("^a", "A1\r\na2\nA3", false, false);
  EXPECT_EQ(object.GetMatchCount(), 1);
  object.Execute("a", "A1\r\na2\nA3", std::nullopt, std::nullopt, false);
  EXPECT_EQ(object.GetMatchCount(), 1);
  EXPECT_EQ(object.GetMatchText(1), "A");
}

TEST(RegexObjectTest, QuoteWordStandsForADoubleQuoteOnlyWhenAsked) {
  const std::string pattern = "#\xD2\xFD\xBA\xC5(.*?)#\xD2\xFD\xBA\xC5";  // #引号(.*?)#引号
  const std::string subject = std::string("name \"") + kGold + "\"";
  RegexObject object;
  EXPECT_TRUE(object.Execute(pattern, subject, std::nullopt, std::nullopt, std::nullopt, true));
  EXPECT_EQ(object.GetPattern(), "\"(.*?)\"");
  EXPECT_EQ(object.GetSubMatchText(1, 1), kGold);
  EXPECT_TRUE(object.Execute(pattern, subject));
  EXPECT_EQ(object.GetPattern(), pattern);
  EXPECT_EQ(object.GetMatchCount(), 0);
}

TEST(RegexObjectTest, RejectedPatternFailsQuietly) {
  RegexObject object;
  ASSERT_TRUE(object.Execute("(a)", "a"));
  EXPECT_FALSE(object.Execute("a**", "aaa", true));
  EXPECT_EQ(object.GetPattern(), "a**");
  EXPECT_EQ(object.GetMatchCount(), 0);
  EXPECT_EQ(object.GetMatchText(1), "");
  EXPECT_EQ(object.GetSubMatchText(1, 1), "");
  EXPECT_EQ(object.GetSubMatchCount(), 0);
  EXPECT_EQ(object.Replace("b"), "");
}

TEST(RegexObjectTest, RunawaySearchReadsAsNoMatches) {
  RegexObject object;
  EXPECT_TRUE(object.Execute("(a+)+b", std::string(40, 'a') + "c"));
  EXPECT_EQ(object.GetMatchCount(), 0);
  EXPECT_EQ(object.Replace("x"), std::string(40, 'a') + "c");
}

TEST(RegexObjectTest, EachExecuteStartsOver) {
  RegexObject object;
  object.Execute("(b)(c)?", "abcab", true);
  ASSERT_EQ(object.GetMatchCount(), 2);
  EXPECT_EQ(object.GetSubMatchCount(), 2);
  object.Execute("x(y)", "abcab", true);
  EXPECT_EQ(object.GetMatchCount(), 0);
  EXPECT_EQ(object.GetMatchText(1), "");
  EXPECT_EQ(object.GetSubMatchText(1, 1), "");
  EXPECT_EQ(object.GetSubMatchCount(), 0);
  EXPECT_EQ(object.Replace("z"), "abcab");
}

TEST(RegexObjectTest, MissingMatchesAndGroupsReadAsEmpty) {
  RegexObject object;
  object.Execute("(b)(c)?", "abcab", true);
  std::int32_t position = 99;
  const struct {
    std::int32_t match;
    std::int32_t group;
  } missing[] = {{0, 1}, {3, 1}, {-1, 1}, {1, 0}, {1, 3}, {2, 2}};
  for (const auto& row : missing) {
    position = 99;
    EXPECT_EQ(object.GetSubMatchText(row.match, row.group, &position), "")
        << row.match << "," << row.group;
    EXPECT_EQ(position, -1) << row.match << "," << row.group;
  }
  for (std::int32_t match : {0, 3, -5}) {
    position = 99;
    EXPECT_EQ(object.GetMatchText(match, &position), "") << match;
    EXPECT_EQ(position, -1);
  }
}

TEST(RegexObjectTest, PositionsAreCharacterIndexesOfTheMatchAndTheGroup) {
  // Characters, not bytes: 金 is two bytes but one character.
  const std::string subject = std::string(kGold) + "aa" + kGold + "aab";
  RegexObject object;
  object.Execute("a(a)", subject, true);
  ASSERT_EQ(object.GetMatchCount(), 2);
  std::int32_t position = -1;
  EXPECT_EQ(object.GetMatchText(2, &position), "aa");
  EXPECT_EQ(position, 4);
  EXPECT_EQ(object.GetSubMatchText(2, 1, &position), "a");
  EXPECT_EQ(position, 5);
  // The group's own place, although its text also occurs earlier in the match.
  object.Execute("a+(a)b", subject, true);
  EXPECT_EQ(object.GetSubMatchText(1, 1, &position), "a");
  EXPECT_EQ(position, 5);
}

TEST(RegexObjectTest, ReplaceUsesTheLastPatternOptionsAndSubject) {
  RegexObject object;
  const std::string subject = std::string(kGold) + "ab " + kGold + "cd";
  object.Execute(std::string(kGold) + "(\\w+)", subject);
  EXPECT_EQ(object.Replace("[$1]"), "[ab] [cd]");
  EXPECT_EQ(object.Replace(std::string("$&") + kSilver), std::string(kGold) + "ab" + kSilver +
                                                              " " + kGold + "cd" + kSilver);
  object.Execute(std::string(kGold) + "(\\w+)", subject, std::nullopt, std::nullopt, false);
  EXPECT_EQ(object.Replace("[$1]"), "[ab] " + std::string(kGold) + "cd");
}

TEST(RegexObjectTest, CloneSharesTheResultAndGoesOnAlone) {
  auto object = std::make_unique<RegexObject>();
  object->Execute("(a)b", "xab", true);
  std::unique_ptr<RegexObject> clone = object->Clone();
  EXPECT_EQ(clone->GetPattern(), "(a)b");
  EXPECT_EQ(clone->GetMatchCount(), 1);
  EXPECT_EQ(clone->GetSubMatchText(1, 1), "a");
  EXPECT_EQ(clone->Replace("-"), "x-");

  object->Destroy();
  object.reset();
  EXPECT_EQ(clone->GetMatchText(1), "ab");

  std::unique_ptr<RegexObject> second = clone->Clone();
  second->Execute("z", "zz", true);
  EXPECT_EQ(second->GetMatchCount(), 2);
  EXPECT_EQ(clone->GetMatchCount(), 1);
  EXPECT_EQ(clone->GetPattern(), "(a)b");
}

TEST(RegexObjectTest, NewAndDestroyedObjectsHoldNothing) {
  RegexObject object;
  EXPECT_EQ(object.GetPattern(), "");
  EXPECT_EQ(object.GetMatchCount(), 0);
  EXPECT_EQ(object.Replace("x"), "");
  EXPECT_EQ(object.GetSubMatchText(1, 1), "");
  object.Reserved();
  object.Execute("a", "a");
  object.Destroy();
  EXPECT_EQ(object.GetPattern(), "");
  EXPECT_EQ(object.GetMatchCount(), 0);
  EXPECT_EQ(object.GetMatchText(1), "");
  EXPECT_EQ(object.Replace("x"), "");
}

}  // namespace
}  // namespace marlivo::engine
