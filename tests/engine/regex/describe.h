// A search result as one short line, so that tables of cases can state what they
// expect: "1:aa 4:aaa" is two matches at indexes 1 and 4; "0:aa(a,-)" one match whose
// first group is "a" and whose second took no part. Characters outside printable
// ASCII are written \uXXXX. "error" stands for a rejected pattern.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace marlivo::testing {

inline std::string Printable(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    }
  }
  return out;
}

// Adds one match; `length` is written after a "#" only when the value's own length
// disagrees with it.
inline void DescribeMatch(std::string& out, std::size_t index, std::u16string_view value,
                          std::size_t length) {
  if (!out.empty()) out.push_back(' ');
  out.append(std::to_string(index)).append(1, ':').append(Printable(value));
  if (length != value.size()) out.append(1, '#').append(std::to_string(length));
}

inline void BeginGroups(std::string& out) { out.push_back('('); }
inline void DescribeGroup(std::string& out, bool first, const std::u16string_view* text) {
  if (!first) out.push_back(',');
  out += text == nullptr ? std::string("-") : Printable(*text);
}
inline void EndGroups(std::string& out) { out.push_back(')'); }

}  // namespace marlivo::testing
