// The reverse lookup's search text, pattern, and its index of plain names.
#include "engine/dictionary/reverse_search.h"

#include "engine/text/code_page.h"
#include "engine/text/gbk_text.h"

namespace marlivo::dictionary {
namespace {

constexpr std::uint64_t kHashBase = 0x100000001B3ull;

// Hash of text[from, to), as the index computes it from the end backwards.
std::uint64_t Hash(std::u16string_view text) {
  std::uint64_t hash = 0;
  for (std::size_t i = text.size(); i-- > 0;) hash = hash * kHashBase + text[i] + 1;
  return hash ^ (text.size() * 0x9E3779B97F4A7C15ull);
}

std::u16string ToU16(std::string_view gbk) {
  const std::wstring wide = text::GbkToWide(gbk);
  return std::u16string(wide.begin(), wide.end());
}

std::string FromU16(std::u16string_view text) {
  return text::WideToGbk(std::wstring(text.begin(), text.end()));
}

}  // namespace

std::string ReverseSearchText(std::string_view dictionary_text) {
  const std::size_t stop = dictionary_text.find_first_of(std::string_view("\0\x1A", 2));
  std::string text(dictionary_text.substr(0, stop));
  text += "\r\n[";
  return text::TextBetween(text, "[dic]", "[");
}

std::string EscapeReverseName(std::string_view name) {
  std::string escaped;
  escaped.reserve(name.size() + 8);
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t next = text::NextCharIndex(name, i);
    const char ch = name[i];
    if (next == i + 1 && (ch == '(' || ch == ')' || ch == '[' || ch == ']' || ch == '{' ||
                          ch == '}')) {
      escaped.push_back('\\');
    }
    escaped.append(name.substr(i, next - i));
    i = next;
  }
  return escaped;
}

std::string ReversePattern(std::string_view name) {
  return "^(.*?)=" + EscapeReverseName(name) + "$";
}

bool IsPlainReverseName(std::string_view name) {
  constexpr std::string_view kSyntax = ".*+?|^$\\\r\n";
  for (std::size_t i = 0; i < name.size(); i = text::NextCharIndex(name, i)) {
    if (text::NextCharIndex(name, i) == i + 1 && kSyntax.find(name[i]) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

ReverseIndex::ReverseIndex(std::string_view section_text) : text_(ToU16(section_text)) {
  const std::size_t size = text_.size();
  std::size_t line_start = 0;
  while (line_start <= size) {
    std::size_t line_end = text_.find(u'\n', line_start);
    if (line_end == std::u16string::npos) line_end = size;
    // Stretches of the line between CRs, each scanned from its end so that the hash of
    // the text after every "=" comes in one step.
    std::size_t stretch_end = line_end;
    for (;;) {
      std::size_t stretch_start = line_start;
      for (std::size_t i = stretch_end; i > line_start; --i) {
        if (text_[i - 1] == u'\r') {
          stretch_start = i;
          break;
        }
      }
      std::uint64_t hash = 0;
      for (std::size_t i = stretch_end; i-- > stretch_start;) {
        if (text_[i] == u'=') {
          const std::size_t length = stretch_end - (i + 1);
          places_.emplace(hash ^ (length * 0x9E3779B97F4A7C15ull),
                          Place{line_start, i, length});
        }
        hash = hash * kHashBase + text_[i] + 1;
      }
      if (stretch_start == line_start) break;
      stretch_end = stretch_start - 1;  // the CR
    }
    line_start = line_end + 1;
  }
}

ReverseResult ReverseIndex::Find(std::string_view plain_name) const {
  const std::u16string name = ToU16(plain_name);
  ReverseResult result;
  const Place* first = nullptr;
  const auto [begin, end] = places_.equal_range(Hash(name));
  for (auto it = begin; it != end; ++it) {
    const Place& place = it->second;
    if (place.value_length != name.size() ||
        std::u16string_view(text_).substr(place.equals + 1, name.size()) != name) {
      continue;
    }
    ++result.count;
    if (!first || place.equals < first->equals) first = &place;
  }
  if (first) {
    result.first_key =
        FromU16(std::u16string_view(text_).substr(first->line_start,
                                                  first->equals - first->line_start));
  }
  return result;
}

}  // namespace marlivo::dictionary
