// The pattern matcher's facade: one object runs a search over a GBK text in a single
// step (Execute) and keeps its result, which the other operations read. The reverse
// dictionary lookup is its user. Nothing here reports an error: a rejected pattern, a
// search that gives up, or a match or group that does not exist read as no matches,
// 0 and the empty text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace marlivo::engine {

class RegexObject {
 public:
  RegexObject();
  virtual ~RegexObject();
  RegexObject(const RegexObject&) = delete;
  RegexObject& operator=(const RegexObject&) = delete;

  // The operations, in their fixed order. Texts are GBK.

  // Drops the engine, the matches and the subject; the object reads as new again.
  virtual void Destroy();

  // A new object sharing this one's engine and matches, with its own copy of the subject.
  virtual std::unique_ptr<RegexObject> Clone() const;

  // Searches `subject` for `pattern` with a fresh engine; nothing of an earlier call
  // survives. With `quote_substitution`, every "#引号" in the pattern stands for a
  // double quote. True when the search ran (the pattern was accepted), whether or not
  // anything matched.
  virtual bool Execute(std::string_view pattern, std::string_view subject,
                       std::optional<bool> case_sensitive = std::nullopt,
                       std::optional<bool> multiline = std::nullopt,
                       std::optional<bool> global = std::nullopt,
                       bool quote_substitution = false);

  // Does nothing; it keeps its place in the order of the operations.
  virtual void Reserved();

  // The pattern of the last Execute, after quote substitution; empty before the first.
  virtual std::string GetPattern() const;

  // The last subject with the last pattern's matches replaced by `replacement` ($1 to
  // $99, $&, $`, $', $$); the empty text when there is no accepted pattern.
  virtual std::string Replace(std::string_view replacement) const;

  virtual std::int32_t GetMatchCount() const;

  // The text of match `match` (from 1). `position`, when given, receives the match's
  // 0-based character index in the subject, or -1 when there is no such match.
  virtual std::string GetMatchText(std::int32_t match, std::int32_t* position = nullptr) const;

  // The text of group `group` (from 1) of match `match` (from 1); the empty text when
  // either does not exist or the group took no part in the match. `position` as for
  // GetMatchText, for the group.
  virtual std::string GetSubMatchText(std::int32_t match, std::int32_t group,
                                      std::int32_t* position = nullptr) const;

  // The number of groups of the first match; 0 when nothing matched.
  virtual std::int32_t GetSubMatchCount() const;

 private:
  struct Engine;
  struct Matches;

  std::shared_ptr<const Engine> engine_;
  std::shared_ptr<const Matches> matches_;  // none after a rejected pattern
  std::u16string subject_;
};

}  // namespace marlivo::engine
