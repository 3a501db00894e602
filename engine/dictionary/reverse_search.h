// The pieces of the reverse lookup: the text it searches, the pattern it builds, and an
// index that answers plain names exactly as the pattern search would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace marlivo::dictionary {

// The text that the reverse lookup searches: the dictionary text up to its first zero
// or Ctrl-Z byte, with CR LF "[" appended so that a last section also ends with "[",
// then the text between the first "[dic]" (exact case) and the next "[".
std::string ReverseSearchText(std::string_view dictionary_text);

// The name with a backslash before every "(", ")", "[", "]", "{" and "}"; any other
// pattern syntax in it keeps its meaning.
std::string EscapeReverseName(std::string_view name);

// "^(.*?)=" + the escaped name + "$".
std::string ReversePattern(std::string_view name);

// True when the escaped name matches only itself: it holds none of . * + ? | ^ $ \,
// no CR and no LF (the escaped brackets are literal). Such a name may be answered by
// ReverseIndex.
bool IsPlainReverseName(std::string_view name);

// What the reverse search gives for one name: the number of matches and the text of the
// first group of the first match.
struct ReverseResult {
  std::size_t count = 0;
  std::string first_key;
};

// Every place where the pattern of a plain name can match, indexed by the text it
// would match after the "=".
//
// Under the pattern's rules (multiline: "^" at the start and after CR or LF, "$" at the
// end and before CR or LF; "." is anything but LF; global, non-overlapping), a plain
// name N matches once for each stretch of the text between CRs and LFs that holds an
// "=" followed by exactly N up to the stretch's end (at most one "=" per stretch can be
// so followed). The first match starts at the beginning of its LF-ended line, not of
// its stretch, since ".*?" crosses CRs: its key runs from there to that "=". The
// search works on the UTF-16 text that the pattern engine sees.
class ReverseIndex {
 public:
  explicit ReverseIndex(std::string_view section_text);

  ReverseResult Find(std::string_view plain_name) const;

 private:
  struct Place {
    std::size_t line_start;   // start of the LF-ended line
    std::size_t equals;       // the "="
    std::size_t value_length; // from after the "=" to the end of the stretch
  };

  std::u16string text_;
  std::unordered_multimap<std::uint64_t, Place> places_;  // by hash of the value
};

}  // namespace marlivo::dictionary
