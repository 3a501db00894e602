// The pattern engine on its own: the shared table of cases, and what the table cannot
// show: rejected patterns, the step budget, very deep patterns and long subjects
// (which a recursive matcher would not survive), bounded replacements and letter case.
#include "engine/regex/regex.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/regex/case_fold.h"
#include "engine/regex/matcher.h"
#include "tests/engine/regex/describe.h"
#include "tests/engine/regex/regex_cases.h"

namespace marlivo::regex {
namespace {

using testing::Printable;

Options OptionsOf(std::string_view flags) {
  Options options;
  options.global = flags.find('g') != std::string_view::npos;
  options.ignore_case = flags.find('i') != std::string_view::npos;
  options.multiline = flags.find('m') != std::string_view::npos;
  return options;
}

std::string Describe(const Regex& regex, std::u16string_view subject) {
  if (!regex.IsValid()) return "error";
  const SearchResult result = regex.Search(subject);
  if (result.gave_up) return "gave up";
  std::string out;
  for (const Match& match : result.matches) {
    testing::DescribeMatch(out, match.whole.index,
                           subject.substr(match.whole.index, match.whole.length),
                           match.whole.length);
    if (match.groups.empty()) continue;
    testing::BeginGroups(out);
    for (std::size_t g = 0; g < match.groups.size(); ++g) {
      const Span& span = match.groups[g];
      const std::u16string_view text = span.matched() ? subject.substr(span.index, span.length)
                                                      : std::u16string_view();
      testing::DescribeGroup(out, g == 0, span.matched() ? &text : nullptr);
    }
    testing::EndGroups(out);
  }
  return out;
}

TEST(RegexTest, SearchCasesGiveTheirResults) {
  for (const testing::SearchCase& row : testing::kSearchCases) {
    const Regex regex(row.pattern, OptionsOf(row.flags));
    EXPECT_EQ(Describe(regex, row.subject), row.expected)
        << "pattern " << Printable(row.pattern) << " flags \"" << row.flags << "\" subject "
        << Printable(row.subject);
  }
}

TEST(RegexTest, ReplaceCasesGiveTheirResults) {
  for (const testing::ReplaceCase& row : testing::kReplaceCases) {
    Options options;
    options.global = row.global;
    const std::optional<std::u16string> replaced =
        Regex(row.pattern, options).Replace(row.subject, row.replacement);
    ASSERT_TRUE(replaced.has_value()) << Printable(row.pattern);
    EXPECT_EQ(Printable(*replaced), Printable(row.expected))
        << "pattern " << Printable(row.pattern) << " replacement " << Printable(row.replacement);
  }
}

TEST(RegexTest, RejectedPatternFindsNothingAndReplacesNothing) {
  const Regex regex(u"(a", Options{false, true, true});
  EXPECT_FALSE(regex.IsValid());
  EXPECT_EQ(regex.GroupCount(), 0);
  const SearchResult result = regex.Search(u"aaa");
  EXPECT_TRUE(result.matches.empty());
  EXPECT_FALSE(result.gave_up);
  EXPECT_FALSE(regex.Replace(u"aaa", u"b").has_value());
}

std::u16string Repeat(std::u16string_view piece, std::size_t times) {
  std::u16string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out.append(piece);
  return out;
}

TEST(RegexTest, ExponentialBacktrackingGivesUpAsIfNothingMatched) {
  const std::u16string subject = u"x" + Repeat(u"a", 40) + u"c";
  for (const char16_t* pattern : {u"(a+)+b", u"(a|aa)*b", u"(?:a*)*b", u"(a*)*\\1b"}) {
    const SearchResult result = Regex(pattern, Options{}).Search(subject);
    EXPECT_TRUE(result.gave_up) << Printable(pattern);
    EXPECT_TRUE(result.matches.empty()) << Printable(pattern);
  }
  // The match before the runaway part is dropped too: the whole search counts as
  // one without matches.
  Options global;
  global.global = true;
  const Regex regex(u"x|(a+)+b", global);
  const SearchResult result = regex.Search(subject);
  EXPECT_TRUE(result.gave_up);
  EXPECT_TRUE(result.matches.empty());
  EXPECT_EQ(regex.Replace(subject, u"y"), subject);
}

TEST(RegexTest, BudgetIsCountedInSteps) {
  const std::u16string subject = Repeat(u"b", 1000) + u"a";
  const Regex regex(u"(?:b|c)a", Options{});
  EXPECT_TRUE(regex.Search(subject, 500).gave_up);
  const SearchResult result = regex.Search(subject, 1'000'000);
  EXPECT_FALSE(result.gave_up);
  ASSERT_EQ(result.matches.size(), 1u);
  EXPECT_EQ(result.matches[0].whole.index, 999u);
}

TEST(RegexTest, DeeplyNestedPatternsCompileAndMatch) {
  constexpr std::size_t kDepth = 100'000;
  const Regex groups(Repeat(u"(", kDepth) + u"a" + Repeat(u")", kDepth), Options{});
  ASSERT_TRUE(groups.IsValid());
  EXPECT_EQ(groups.GroupCount(), static_cast<std::int32_t>(kDepth));
  SearchResult result = groups.Search(u"ba");
  ASSERT_EQ(result.matches.size(), 1u);
  EXPECT_EQ(result.matches[0].groups.back().index, 1u);

  const Regex looks(Repeat(u"(?=", 10'000) + u"a" + Repeat(u")", 10'000) + u"a", Options{});
  ASSERT_TRUE(looks.IsValid());
  result = looks.Search(u"ba");
  ASSERT_EQ(result.matches.size(), 1u);
  EXPECT_EQ(result.matches[0].whole.index, 1u);

  const Regex loops(Repeat(u"(?:", 1000) + u"a" + Repeat(u")*", 1000) + u"b", Options{});
  ASSERT_TRUE(loops.IsValid());
  EXPECT_EQ(loops.Search(u"aab").matches.size(), 1u);

  EXPECT_FALSE(Regex(Repeat(u"(", kDepth) + u"a" + Repeat(u")", kDepth - 1), Options{}).IsValid());
}

TEST(RegexTest, LongSubjectsMatchWithoutRecursion) {
  const std::u16string subject = Repeat(u"ab", 100'000) + u"c";
  const SearchResult result = Regex(u"(a|b)*c", Options{}).Search(subject);
  ASSERT_FALSE(result.gave_up);
  ASSERT_EQ(result.matches.size(), 1u);
  EXPECT_EQ(result.matches[0].whole.length, subject.size());
  EXPECT_EQ(result.matches[0].groups[0].index, subject.size() - 2);

  // A loop that keeps more backtracking state than the stack may hold gives up.
  const std::u16string longer = Repeat(u"a", kMaxBacktrackEntries) + u"c";
  EXPECT_TRUE(Regex(u"(a|b)*c", Options{}).Search(longer).gave_up);
}

TEST(RegexTest, ReverseLookupPatternStaysWithinBudgetOnABigSection) {
  std::u16string section = u"\r\n";
  for (int i = 0; i < 100'000; ++i) {
    const std::string line = "name" + std::to_string(i) + "=value" + std::to_string(i) + "\r\n";
    section.append(line.begin(), line.end());
  }
  Options options;
  options.global = true;
  options.multiline = true;
  const SearchResult result = Regex(u"^(.*?)=value77777$", options).Search(section);
  ASSERT_FALSE(result.gave_up);
  ASSERT_EQ(result.matches.size(), 1u);
  const Span key = result.matches[0].groups[0];
  EXPECT_EQ(section.substr(key.index, key.length), u"name77777");
}

TEST(RegexTest, ReplacementThatWouldExplodeLeavesTheSubject) {
  Options global;
  global.global = true;
  const std::u16string subject = Repeat(u"x", 5000);
  // Every one of the 5001 empty matches would copy all the text before it four times.
  EXPECT_EQ(Regex(u"", global).Replace(subject, u"$`$`$`$`"), subject);
  EXPECT_EQ(Regex(u"", global).Replace(u"ab", u"$`"), u"aabab");
}

TEST(RegexTest, LetterCaseCoversTheScriptsOfDictionaryNames) {
  struct Pair {
    char16_t small;
    char16_t capital;
  };
  constexpr Pair kPairs[] = {
      {u'a', u'A'},       {u'z', u'Z'},       {0x00E9, 0x00C9},  // é É
      {0x00FF, 0x0178},                                          // ÿ Ÿ
      {0x0101, 0x0100},   {0x013A, 0x0139},   {0x017A, 0x0179},  // ā Ā, ĺ Ĺ, ź Ź
      {0x03C3, 0x03A3},   {0x03C2, 0x03A3},                      // σ ς Σ
      {0x0430, 0x0410},   {0x0451, 0x0401},                      // а А, ё Ё
      {0xFF41, 0xFF21},   {0xFF5A, 0xFF3A},                      // ａ Ａ, ｚ Ｚ
  };
  for (const Pair& pair : kPairs) {
    EXPECT_EQ(UpperCase(pair.small), pair.capital) << std::hex << int{pair.small};
    EXPECT_EQ(UpperCase(pair.capital), pair.capital) << std::hex << int{pair.capital};
    const std::u16string small(1, pair.small);
    const std::u16string capital(1, pair.capital);
    Options ignore_case;
    ignore_case.ignore_case = true;
    EXPECT_EQ(Regex(capital, ignore_case).Search(small).matches.size(), 1u);
    EXPECT_EQ(Regex(u"[" + small + u"]", ignore_case).Search(capital).matches.size(), 1u);
    EXPECT_EQ(Regex(u"[^" + small + u"]", ignore_case).Search(capital).matches.size(), 0u);
    EXPECT_TRUE(Regex(capital, Options{}).Search(small).matches.empty());
  }
  // No case: signs, the dotless i, CJK.
  for (char16_t c : {u'1', u'_', char16_t{0x00D7}, char16_t{0x00F7}, char16_t{0x0131},
                     char16_t{0x0138}, char16_t{0x4E2D}}) {
    EXPECT_EQ(UpperCase(c), c) << std::hex << int{c};
    EXPECT_EQ(LowerCase(c), c) << std::hex << int{c};
  }
  char16_t variants[3];
  EXPECT_EQ(CaseVariants(0x03C2, variants), 3);  // ς Σ σ
}

}  // namespace
}  // namespace marlivo::regex
