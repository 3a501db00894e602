// Compares the pattern engine with Wine's own regular-expression object, created through
// COM in this test only: first on the table of cases (regex_cases.h), where every
// difference is written down with its reason, then on patterns and subjects drawn from
// a small grammar, which must agree as the facade reads them.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/regex/regex.h"
#include "tests/engine/regex/describe.h"
#include "tests/engine/regex/regex_cases.h"
#include "tests/engine/regex/script_regexp.h"

namespace marlivo::testing {
namespace {

struct Flags {
  bool global;
  bool ignore_case;
  bool multiline;
};

Flags FlagsOf(std::string_view flags) {
  return {flags.find('g') != std::string_view::npos, flags.find('i') != std::string_view::npos,
          flags.find('m') != std::string_view::npos};
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// How the two engines are compared: exactly, or as the facade reads a group (a group
// that took no part reads as the empty text).
enum class Groups { kExact, kAsText };

// Groups left out of a comparison ("*" on both sides); group 1 is masked[0].
using GroupMask = std::vector<bool>;

bool Masked(const GroupMask& mask, std::size_t group_index) {
  return group_index < mask.size() && mask[group_index];
}

std::string DescribeOurs(std::u16string_view pattern, std::u16string_view subject, Flags flags,
                         Groups groups, const GroupMask& mask = {}) {
  regex::Options options;
  options.global = flags.global;
  options.ignore_case = flags.ignore_case;
  options.multiline = flags.multiline;
  const regex::Regex regex(pattern, options);
  if (!regex.IsValid()) return "error";
  const regex::SearchResult result = regex.Search(subject);
  if (result.gave_up) return "gave up";
  std::string out;
  for (const regex::Match& match : result.matches) {
    DescribeMatch(out, match.whole.index, subject.substr(match.whole.index, match.whole.length),
                  match.whole.length);
    if (match.groups.empty()) continue;
    BeginGroups(out);
    for (std::size_t g = 0; g < match.groups.size(); ++g) {
      const regex::Span& span = match.groups[g];
      const std::u16string_view text =
          span.matched() ? subject.substr(span.index, span.length) : std::u16string_view();
      const bool as_text = span.matched() || groups == Groups::kAsText;
      const std::u16string_view star = u"*";
      DescribeGroup(out, g == 0, Masked(mask, g) ? &star : as_text ? &text : nullptr);
    }
    EndGroups(out);
  }
  return out;
}

std::string DescribeWine(ScriptRegExp& object, std::u16string_view pattern,
                         std::u16string_view subject, Flags flags, Groups groups,
                         const GroupMask& mask = {}) {
  if (!object.Configure(Wide(pattern), flags.ignore_case, flags.multiline, flags.global)) {
    return "(configure failed)";
  }
  const auto matches = object.Execute(Wide(subject));
  if (!matches) return "error";
  std::string out;
  for (const ScriptMatch& match : *matches) {
    const std::u16string value(match.value.begin(), match.value.end());
    DescribeMatch(out, static_cast<std::size_t>(match.first_index), value,
                  static_cast<std::size_t>(match.length));
    if (match.submatches.empty()) continue;
    BeginGroups(out);
    for (std::size_t g = 0; g < match.submatches.size(); ++g) {
      const auto& item = match.submatches[g];
      const std::u16string text = item ? std::u16string(item->begin(), item->end()) : u"";
      const std::u16string_view view = text;
      const std::u16string_view star = u"*";
      DescribeGroup(out, g == 0,
                    Masked(mask, g) ? &star : item || groups == Groups::kAsText ? &view : nullptr);
    }
    EndGroups(out);
  }
  return out;
}

class RegexWineDifferentialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(apartment_.result()));
    HRESULT failure = S_OK;
    object_ = ScriptRegExp::Create(&failure);
    ASSERT_TRUE(object_.has_value()) << "VBScript.RegExp cannot be created: 0x" << std::hex
                                     << static_cast<unsigned long>(failure);
  }
  void TearDown() override { object_.reset(); }

  ComApartment apartment_;
  std::optional<ScriptRegExp> object_;
};

TEST_F(RegexWineDifferentialTest, TableAgreesExceptWhereARowSaysWhy) {
  int compared = 0;
  for (const SearchCase& row : kSearchCases) {
    const Flags flags = FlagsOf(row.flags);
    const std::string context = "pattern " + Printable(row.pattern) + " flags \"" + row.flags +
                                "\" subject " + Printable(row.subject);
    EXPECT_EQ(DescribeOurs(row.pattern, row.subject, flags, Groups::kExact), row.expected)
        << context;
    if (row.wine != nullptr) {
      // A recorded difference carries its reason, and is a difference.
      EXPECT_NE(row.why, nullptr) << context;
      EXPECT_STRNE(row.wine, row.expected) << context;
    }
    if (row.wine == kNotSentToWine) continue;
    const char* wine_expected = row.wine != nullptr ? row.wine : row.expected;
    EXPECT_EQ(DescribeWine(*object_, row.pattern, row.subject, flags, Groups::kExact),
              wine_expected)
        << context;
    ++compared;
  }
  EXPECT_GT(compared, 100);
}

TEST_F(RegexWineDifferentialTest, ReplacementsAgree) {
  for (const ReplaceCase& row : kReplaceCases) {
    if (row.not_sent_because != nullptr) continue;
    ASSERT_TRUE(object_->Configure(Wide(row.pattern), false, false, row.global));
    const auto wine = object_->Replace(Wide(row.subject), Wide(row.replacement));
    ASSERT_TRUE(wine.has_value()) << Printable(row.pattern);
    EXPECT_EQ(Printable(std::u16string(wine->begin(), wine->end())), Printable(row.expected))
        << "pattern " << Printable(row.pattern) << " replacement "
        << Printable(row.replacement);
  }
}

// Draws patterns from a grammar that leaves out what the table already records as
// different or what Wine's object gets wrong: CR and the Unicode line and space
// characters, global searches, quantified lookaheads, captures and lazy quantifiers
// inside lookaheads, back-references to a group that is still open or that sits in a
// loop. The texts of groups in a loop are masked, since Wine keeps a text that a
// dropped round has reset.
class PatternGrammar {
 public:
  explicit PatternGrammar(std::uint32_t seed) : random_(seed) {}

  struct Drawn {
    std::u16string pattern;
    GroupMask looped;  // per group: inside a quantified group
  };

  Drawn Pattern() {
    groups_ = 0;
    closed_.clear();
    looped_.clear();
    loop_depth_ = 0;
    Drawn drawn;
    Alternation(drawn.pattern, 0, true);
    drawn.looped = looped_;
    return drawn;
  }

  std::u16string Subject() {
    static constexpr char16_t kAlphabet[] = u"aab1 A\n";
    std::u16string out;
    const unsigned length = Below(9);
    for (unsigned i = 0; i < length; ++i) out.push_back(kAlphabet[Below(7)]);
    return out;
  }

  bool Chance(unsigned percent) { return Below(100) < percent; }

 private:
  // The generator's own draw, the same with every standard library.
  unsigned Below(unsigned bound) { return static_cast<unsigned>(random_() % bound); }

  void Alternation(std::u16string& out, int depth, bool captures) {
    Sequence(out, depth, captures);
    if (Chance(20)) {
      out.push_back(u'|');
      Sequence(out, depth, captures);
    }
  }

  void Sequence(std::u16string& out, int depth, bool captures) {
    const unsigned terms = 1 + Below(3);
    for (unsigned i = 0; i < terms; ++i) Term(out, depth, captures);
  }

  void Term(std::u16string& out, int depth, bool captures) {
    static constexpr const char16_t* kAtoms[] = {u"a", u"b", u"A", u".", u"[ab]", u"[^a]",
                                                 u"\\d", u"\\w", u"\\s", u"1", u" ", u"[a-b1]"};
    static constexpr const char16_t* kAssertions[] = {u"^", u"$", u"\\b", u"\\B"};
    // The greedy ones first: a lookahead draws from those only.
    static constexpr const char16_t* kQuantifiers[] = {u"*", u"+", u"?", u"{1,2}", u"{2}",
                                                       u"*?", u"+?", u"??", u"{0,2}?"};
    const unsigned kind = Below(10);
    // The quantifier is drawn first, so that groups inside it know they are in a loop.
    const char16_t* quantifier =
        Chance(40) ? kQuantifiers[Below(in_look_ > 0 ? 5 : 9)] : nullptr;
    if (kind < 5 || depth >= 2) {
      out += kAtoms[Below(12)];
    } else if (kind == 5) {
      out += kAssertions[Below(4)];
      return;
    } else if (kind == 6 && !closed_.empty() && captures) {
      out.push_back(u'\\');
      const int group = closed_[Below(static_cast<unsigned>(closed_.size()))];
      out.push_back(static_cast<char16_t>(u'0' + group));
    } else if (kind == 7) {
      out += Chance(50) ? u"(?=" : u"(?!";
      ++in_look_;
      Alternation(out, depth + 1, false);
      --in_look_;
      out.push_back(u')');
      return;
    } else {
      const bool capture = captures && Chance(70) && groups_ < 9;
      if (quantifier != nullptr) ++loop_depth_;
      const int group = capture ? ++groups_ : 0;
      if (capture) looped_.push_back(loop_depth_ > 0);
      out += capture ? u"(" : u"(?:";
      Alternation(out, depth + 1, captures);
      out.push_back(u')');
      if (quantifier != nullptr) --loop_depth_;
      if (capture && !looped_[static_cast<std::size_t>(group - 1)]) closed_.push_back(group);
    }
    if (quantifier != nullptr) out += quantifier;
  }

  std::mt19937 random_;
  int groups_ = 0;
  int in_look_ = 0;  // inside a lookahead: greedy quantifiers only
  // Groups outside loops whose ")" is behind: the ones a back-reference may name.
  std::vector<int> closed_;
  GroupMask looped_;
  int loop_depth_ = 0;
};

TEST_F(RegexWineDifferentialTest, GrammarPatternsAgreeAsTheFacadeReadsThem) {
  constexpr int kCases = 10000;
  PatternGrammar grammar(20240611);
  int matched = 0;
  int failures = 0;
  for (int i = 0; i < kCases && failures < 20; ++i) {
    const PatternGrammar::Drawn drawn = grammar.Pattern();
    const std::u16string& pattern = drawn.pattern;
    const Flags flags{false, grammar.Chance(30), grammar.Chance(50)};
    for (int s = 0; s < 3; ++s) {
      const std::u16string subject = grammar.Subject();
      const std::string ours =
          DescribeOurs(pattern, subject, flags, Groups::kAsText, drawn.looped);
      const std::string wine =
          DescribeWine(*object_, pattern, subject, flags, Groups::kAsText, drawn.looped);
      if (!ours.empty() && ours != "error") ++matched;
      if (ours != wine) ++failures;
      EXPECT_EQ(ours, wine) << "pattern " << Printable(pattern) << (flags.ignore_case ? " i" : "")
                            << (flags.multiline ? " m" : "") << " subject " << Printable(subject);
    }
  }
  // The grammar must reach matches, not only rejections and misses.
  EXPECT_GT(matched, kCases / 2);
}

}  // namespace
}  // namespace marlivo::testing
