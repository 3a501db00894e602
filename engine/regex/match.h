// What a search finds: where each match and each of its groups lies in the subject.
// Platform-free: no Windows header.
#pragma once

#include <cstddef>
#include <vector>

namespace marlivo::regex {

inline constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);

// A stretch of the subject, in UTF-16 code units; `index` is kNoPosition for a group
// that took no part in the match.
struct Span {
  std::size_t index = kNoPosition;
  std::size_t length = 0;

  bool matched() const { return index != kNoPosition; }
  std::size_t end() const { return index + length; }
};

struct Match {
  Span whole;
  std::vector<Span> groups;  // groups[0] is group 1
};

}  // namespace marlivo::regex
