// Character-stepped search and slicing of GBK text; byte search of raw content.
#include "engine/text/gbk_text.h"

namespace marlivo::text {

std::size_t NextCharIndex(std::string_view text, std::size_t index) {
  if (index >= text.size()) return text.size();
  if (IsGbkLeadByte(static_cast<unsigned char>(text[index])) && index + 1 < text.size()) {
    return index + 2;
  }
  return index + 1;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from) {
  if (from > text.size()) return std::string_view::npos;
  if (needle.empty()) return from;
  for (std::size_t i = from; i < text.size(); i = NextCharIndex(text, i)) {
    if (text.size() - i < needle.size()) break;
    if (text.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view text, char ch) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
    if (text[i] == ch) last = i;
  }
  return last;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = FindText(text, from, pos);
    if (hit == std::string_view::npos) break;
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

std::string TextBetween(std::string_view text, std::string_view start_marker,
                        std::string_view end_marker) {
  const std::string start = ReplaceAll(start_marker, kQuoteWord, "\"");
  const std::string end = ReplaceAll(end_marker, kQuoteWord, "\"");
  const std::size_t start_at = FindText(text, start);
  if (start_at == std::string_view::npos) return {};
  const std::size_t body = start_at + start.size();
  const std::size_t end_at = FindText(text, end, body);
  if (end_at == std::string_view::npos) return {};
  return std::string(text.substr(body, end_at - body));
}

namespace {

// Length of the blank at `index`, 0 when the character there is no blank.
std::size_t BlankLength(std::string_view text, std::size_t index) {
  if (text[index] == ' ') return 1;
  if (text.compare(index, kIdeographicSpace.size(), kIdeographicSpace) == 0) {
    return kIdeographicSpace.size();
  }
  return 0;
}

}  // namespace

std::string Trim(std::string_view text) {
  // Trailing blanks are only known once the characters are stepped through from the
  // start: "\xA1" could be the second byte of another character.
  std::size_t first = text.size();
  std::size_t end = 0;
  bool leading = true;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t blank = BlankLength(text, i);
    const std::size_t next = blank ? i + blank : NextCharIndex(text, i);
    if (!blank) {
      if (leading) {
        first = i;
        leading = false;
      }
      end = next;
    }
    i = next;
  }
  if (leading) return {};
  return std::string(text.substr(first, end - first));
}

bool IsBlank(std::string_view text) { return Trim(text).empty(); }

std::string BytesBetween(std::string_view bytes, std::string_view start_marker,
                         std::string_view end_marker) {
  const std::size_t start_at = bytes.find(start_marker);
  if (start_at == std::string_view::npos) return {};
  const std::size_t body = start_at + start_marker.size();
  const std::size_t end_at = bytes.find(end_marker, body);
  if (end_at == std::string_view::npos) return {};
  return std::string(bytes.substr(body, end_at - body));
}

}  // namespace marlivo::text
