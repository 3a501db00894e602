// The facade over the pattern engine.
//
// Texts cross into the engine as UTF-16 converted with code page 936, never with the
// system's ANSI code page: the program's 8-bit texts are GBK on every system, and on an
// English Windows the ANSI code page would garble every Chinese name. The engine is the
// program's own, so there is no COM object to create and no apartment to join.
#include "engine/regex_object.h"

#include <vector>

#include "engine/regex/regex.h"
#include "engine/text/code_page.h"
#include "engine/text/gbk_text.h"

namespace marlivo::engine {
namespace {

constexpr std::int32_t kNoPosition = -1;

// wchar_t is UTF-16 on Windows, so the two kinds of text differ in type only.
std::u16string ToUtf16(std::string_view gbk) {
  const std::wstring wide = text::GbkToWide(gbk);
  return std::u16string(wide.begin(), wide.end());
}

std::string ToGbk(std::u16string_view utf16) {
  return text::WideToGbk(std::wstring(utf16.begin(), utf16.end()));
}

}  // namespace

struct RegexObject::Engine {
  std::u16string pattern;
  regex::Regex regex;
};

struct RegexObject::Matches {
  std::vector<regex::Match> list;
};

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;

void RegexObject::Destroy() {
  engine_.reset();
  matches_.reset();
  subject_.clear();
}

std::unique_ptr<RegexObject> RegexObject::Clone() const {
  auto copy = std::make_unique<RegexObject>();
  copy->engine_ = engine_;
  copy->matches_ = matches_;
  copy->subject_ = subject_;
  return copy;
}

bool RegexObject::Execute(std::string_view pattern, std::string_view subject,
                          std::optional<bool> case_sensitive, std::optional<bool> multiline,
                          std::optional<bool> global, bool quote_substitution) {
  regex::Options options;
  options.ignore_case = !case_sensitive.value_or(false);
  options.multiline = multiline.value_or(true);
  options.global = global.value_or(true);

  engine_.reset();
  matches_.reset();

  std::u16string pattern16 =
      quote_substitution ? ToUtf16(text::ReplaceAll(pattern, text::kQuoteWord, "\""))
                         : ToUtf16(pattern);
  regex::Regex compiled(pattern16, options);
  auto engine = std::make_shared<Engine>(Engine{std::move(pattern16), std::move(compiled)});
  engine_ = engine;
  subject_ = ToUtf16(subject);

  if (!engine->regex.IsValid()) return false;
  // A search that spends its step budget comes back without matches.
  auto matches = std::make_shared<Matches>();
  matches->list = engine->regex.Search(subject_).matches;
  matches_ = std::move(matches);
  return true;
}

void RegexObject::Reserved() {}

std::string RegexObject::GetPattern() const {
  return engine_ ? ToGbk(engine_->pattern) : std::string();
}

std::string RegexObject::Replace(std::string_view replacement) const {
  if (!engine_ || !matches_) return {};
  return ToGbk(regex::ReplaceMatches(subject_, matches_->list, engine_->regex.GroupCount(),
                                     ToUtf16(replacement)));
}

std::int32_t RegexObject::GetMatchCount() const {
  return matches_ ? static_cast<std::int32_t>(matches_->list.size()) : 0;
}

std::string RegexObject::GetMatchText(std::int32_t match, std::int32_t* position) const {
  if (position != nullptr) *position = kNoPosition;
  if (match < 1 || match > GetMatchCount()) return {};
  const regex::Span& span = matches_->list[static_cast<std::size_t>(match - 1)].whole;
  if (position != nullptr) *position = static_cast<std::int32_t>(span.index);
  return ToGbk(std::u16string_view(subject_).substr(span.index, span.length));
}

std::string RegexObject::GetSubMatchText(std::int32_t match, std::int32_t group,
                                         std::int32_t* position) const {
  if (position != nullptr) *position = kNoPosition;
  if (match < 1 || match > GetMatchCount()) return {};
  const auto& groups = matches_->list[static_cast<std::size_t>(match - 1)].groups;
  if (group < 1 || static_cast<std::size_t>(group) > groups.size()) return {};
  const regex::Span& span = groups[static_cast<std::size_t>(group - 1)];
  if (!span.matched()) return {};
  if (position != nullptr) *position = static_cast<std::int32_t>(span.index);
  return ToGbk(std::u16string_view(subject_).substr(span.index, span.length));
}

std::int32_t RegexObject::GetSubMatchCount() const {
  if (GetMatchCount() == 0) return 0;
  return static_cast<std::int32_t>(matches_->list.front().groups.size());
}

}  // namespace marlivo::engine
