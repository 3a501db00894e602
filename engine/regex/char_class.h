// A set of UTF-16 code units for "[...]", ".", "\d", "\w", "\s" and their negations.
// Platform-free: no Windows header.
#pragma once

#include <vector>

namespace marlivo::regex {

struct CharRange {
  char16_t first;
  char16_t last;  // inclusive
};

class CharClass {
 public:
  void Add(char16_t c) { Add(c, c); }
  void Add(char16_t first, char16_t last);
  // Adds every unit of `other`, negation included.
  void Add(const CharClass& other);
  void Negate() { negated_ = !negated_; }

  // Sorts and merges the ranges, so that Contains can search them; call once after
  // the last Add.
  void Seal();

  // With `ignore_case`, `c` belongs when any character of the same letter does.
  bool Contains(char16_t c, bool ignore_case) const;

  static CharClass Digits();      // \d
  static CharClass WordChars();   // \w
  static CharClass Spaces();      // \s

 private:
  bool ContainsExactly(char16_t c) const;

  std::vector<CharRange> ranges_;
  bool negated_ = false;
};

// The characters of \w, which also decide \b and \B.
inline bool IsWordChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'_';
}

}  // namespace marlivo::regex
