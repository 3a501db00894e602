// The pattern engine: a compiled pattern that searches UTF-16 text and replaces what
// it finds. Its language is that of the VBScript-style regular-expression object:
// classes, ranges and negated classes, \d \D \w \W \s \S \b \B, \f \n \r \t \v, \cX,
// \xhh, \uhhhh, octal escapes, * + ? {n} {n,} {n,m} and their lazy forms,
// alternation, ( ), (?: ), (?= ), (?! ) and back-references. "." is any character but
// LF; with multiline, "^" and "$" also match just after and just before a CR or an LF.
//
// Every search has a step budget. A search that spends it gives up and reports no
// matches at all, as if the pattern matched nothing. Platform-free: no Windows header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/regex/match.h"

namespace marlivo::regex {

struct Program;

struct Options {
  bool ignore_case = false;
  bool multiline = false;
  bool global = false;  // every match, not only the first
};

struct SearchResult {
  std::vector<Match> matches;
  bool gave_up = false;  // the budget ran out; `matches` is then empty
};

// Generous: far more than any sound pattern needs over a subject of this length, and
// still bounded by it.
std::uint64_t DefaultStepBudget(std::size_t subject_length);

class Regex {
 public:
  Regex(std::u16string_view pattern, Options options);

  // False when the pattern language rejects the pattern; it then never matches.
  bool IsValid() const { return program_ != nullptr; }
  std::int32_t GroupCount() const;
  const Options& options() const { return options_; }

  // The first match, or with Options::global every non-overlapping match from the start
  // of the subject; after an empty match the next search starts one character further.
  SearchResult Search(std::u16string_view subject) const;
  SearchResult Search(std::u16string_view subject, std::uint64_t step_budget) const;

  // The subject with every match of Search replaced by `replacement`, in which $1 to
  // $99 stand for a group's text, $& for the match, $` for the text before it, $' for
  // the text after it and $$ for "$". Nothing when the pattern is invalid.
  std::optional<std::u16string> Replace(std::u16string_view subject,
                                        std::u16string_view replacement) const;

 private:
  std::shared_ptr<const Program> program_;
  Options options_;
};

// The replacement of Regex::Replace applied to `matches` found in `subject` by a pattern
// with `group_count` groups. When the text would grow beyond a bound proportional to
// the subject, the matches are dropped and the subject comes back unchanged, as after
// a search that gave up.
std::u16string ReplaceMatches(std::u16string_view subject, const std::vector<Match>& matches,
                              std::int32_t group_count, std::u16string_view replacement);

}  // namespace marlivo::regex
