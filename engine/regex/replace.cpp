// The replacement text of Regex::Replace, with its "$" forms.
#include <cstdint>

#include "engine/regex/regex.h"

namespace marlivo::regex {
namespace {

// However the "$" forms repeat the subject, a replacement never makes a text longer
// than this: it bounds the memory that one call can ask for.
std::size_t MaxReplacedLength(std::size_t subject_length) {
  return 16 * subject_length + (std::size_t{1} << 24);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Appends `match`'s replacement to `out`; false, with `out` left part-way, as soon as
// `out` would pass `limit`.
bool AppendReplacement(std::u16string& out, std::u16string_view subject, const Match& match,
                       std::int32_t group_count, std::u16string_view replacement,
                       std::size_t limit) {
  auto append_span = [&](const Span& span) {
    if (span.matched()) out.append(subject.substr(span.index, span.length));
  };
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    // No single piece is longer than the subject.
    if (out.size() > limit || limit - out.size() < subject.size() + 1) return false;
    const char16_t c = replacement[i];
    if (c != u'$' || i + 1 == replacement.size()) {
      out.push_back(c);
      continue;
    }
    const char16_t next = replacement[i + 1];
    if (next == u'$') {
      out.push_back(u'$');
      ++i;
    } else if (next == u'&') {
      append_span(match.whole);
      ++i;
    } else if (next == u'`') {
      out.append(subject.substr(0, match.whole.index));
      ++i;
    } else if (next == u'\'') {
      out.append(subject.substr(match.whole.end()));
      ++i;
    } else if (IsDigit(next)) {
      // Two digits when they name a group, else one digit when it does; "$0" and a
      // "$" before a group the pattern lacks stay as they are.
      const int one = next - u'0';
      const bool has_second = i + 2 < replacement.size() && IsDigit(replacement[i + 2]);
      const int two = has_second ? one * 10 + (replacement[i + 2] - u'0') : 0;
      if (has_second && two >= 1 && two <= group_count) {
        append_span(match.groups[static_cast<std::size_t>(two - 1)]);
        i += 2;
      } else if (one >= 1 && one <= group_count) {
        append_span(match.groups[static_cast<std::size_t>(one - 1)]);
        ++i;
      } else {
        out.push_back(c);
      }
    } else {
      out.push_back(c);
    }
  }
  return true;
}

}  // namespace

std::u16string ReplaceMatches(std::u16string_view subject, const std::vector<Match>& matches,
                              std::int32_t group_count, std::u16string_view replacement) {
  const std::size_t limit = MaxReplacedLength(subject.size());
  std::u16string out;
  std::size_t copied = 0;
  for (const Match& match : matches) {
    out.append(subject.substr(copied, match.whole.index - copied));
    if (!AppendReplacement(out, subject, match, group_count, replacement, limit)) {
      return std::u16string(subject);
    }
    copied = match.whole.end();
  }
  out.append(subject.substr(copied));
  return out;
}

}  // namespace marlivo::regex
