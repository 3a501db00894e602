// Compiling a pattern and running its searches.
#include "engine/regex/regex.h"

#include <limits>

#include "engine/regex/compiler.h"
#include "engine/regex/matcher.h"
#include "engine/regex/program.h"

namespace marlivo::regex {
namespace {

constexpr std::uint64_t kBaseSteps = 10'000'000;
constexpr std::uint64_t kStepsPerChar = 100;

// Positions inside the matcher are 32-bit.
constexpr std::size_t kMaxSubjectLength =
    static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - 1;

}  // namespace

std::uint64_t DefaultStepBudget(std::size_t subject_length) {
  return kBaseSteps + kStepsPerChar * static_cast<std::uint64_t>(subject_length);
}

Regex::Regex(std::u16string_view pattern, Options options) : options_(options) {
  std::optional<Program> program = Compile(pattern, options.ignore_case, options.multiline);
  if (program) program_ = std::make_shared<const Program>(std::move(*program));
}

std::int32_t Regex::GroupCount() const { return program_ ? program_->group_count : 0; }

SearchResult Regex::Search(std::u16string_view subject) const {
  return Search(subject, DefaultStepBudget(subject.size()));
}

SearchResult Regex::Search(std::u16string_view subject, std::uint64_t step_budget) const {
  SearchResult result;
  if (!program_) return result;
  if (subject.size() > kMaxSubjectLength) {
    result.gave_up = true;
    return result;
  }
  Matcher matcher(*program_, subject, step_budget);
  std::size_t from = 0;
  while (from <= subject.size()) {
    Match match;
    const Matcher::Outcome outcome = matcher.Find(from, match);
    if (outcome == Matcher::Outcome::kGaveUp) {
      result.matches.clear();
      result.gave_up = true;
      return result;
    }
    if (outcome == Matcher::Outcome::kNotFound) break;
    from = match.whole.end() + (match.whole.length == 0 ? 1 : 0);
    result.matches.push_back(std::move(match));
    if (!options_.global) break;
  }
  return result;
}

std::optional<std::u16string> Regex::Replace(std::u16string_view subject,
                                             std::u16string_view replacement) const {
  if (!program_) return std::nullopt;
  return ReplaceMatches(subject, Search(subject).matches, program_->group_count, replacement);
}

}  // namespace marlivo::regex
