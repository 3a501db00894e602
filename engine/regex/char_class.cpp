// Character sets as sorted, merged ranges.
#include "engine/regex/char_class.h"

#include <algorithm>

#include "engine/regex/case_fold.h"

namespace marlivo::regex {

void CharClass::Add(char16_t first, char16_t last) { ranges_.push_back({first, last}); }

void CharClass::Add(const CharClass& other) {
  if (!other.negated_) {
    ranges_.insert(ranges_.end(), other.ranges_.begin(), other.ranges_.end());
    return;
  }
  // The complement of a sealed set: the gaps between its ranges.
  char32_t next = 0;
  for (const CharRange& range : other.ranges_) {
    if (range.first > next) {
      Add(static_cast<char16_t>(next), static_cast<char16_t>(range.first - 1));
    }
    next = static_cast<char32_t>(range.last) + 1;
  }
  if (next <= 0xFFFF) Add(static_cast<char16_t>(next), 0xFFFF);
}

void CharClass::Seal() {
  std::sort(ranges_.begin(), ranges_.end(),
            [](const CharRange& a, const CharRange& b) { return a.first < b.first; });
  std::vector<CharRange> merged;
  for (const CharRange& range : ranges_) {
    if (!merged.empty() && static_cast<char32_t>(range.first) <= merged.back().last + 1u) {
      merged.back().last = std::max(merged.back().last, range.last);
    } else {
      merged.push_back(range);
    }
  }
  ranges_ = std::move(merged);
}

bool CharClass::ContainsExactly(char16_t c) const {
  auto starts_after = [](char16_t value, const CharRange& range) { return value < range.first; };
  auto it = std::upper_bound(ranges_.begin(), ranges_.end(), c, starts_after);
  return it != ranges_.begin() && c <= (it - 1)->last;
}

bool CharClass::Contains(char16_t c, bool ignore_case) const {
  bool found = ContainsExactly(c);
  if (!found && ignore_case) {
    char16_t variants[3];
    const int count = CaseVariants(c, variants);
    for (int i = 1; i < count && !found; ++i) found = ContainsExactly(variants[i]);
  }
  return found != negated_;
}

CharClass CharClass::Digits() {
  CharClass set;
  set.Add(u'0', u'9');
  set.Seal();
  return set;
}

CharClass CharClass::WordChars() {
  CharClass set;
  set.Add(u'0', u'9');
  set.Add(u'A', u'Z');
  set.Add(u'_');
  set.Add(u'a', u'z');
  set.Seal();
  return set;
}

// Space, tab, LF, VT, FF and CR: the white space of this pattern language.
CharClass CharClass::Spaces() {
  CharClass set;
  set.Add(u'\t', u'\r');
  set.Add(u' ');
  set.Seal();
  return set;
}

}  // namespace marlivo::regex
