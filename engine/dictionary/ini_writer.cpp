// Changes one value of an ini text in place.
#include "engine/dictionary/ini_writer.h"

#include "engine/dictionary/ini_reader.h"

namespace marlivo::dictionary {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The offset after the line break that begins at `at` (CR LF, CR or LF); `at` itself
// when the text ends there.
std::size_t AfterLineBreak(std::string_view text, std::size_t at) {
  if (at >= text.size()) return text.size();
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return at + 2;
  return at + 1;
}

std::string_view CutAtLineBreak(std::string_view value) {
  return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace

std::string SetIniValue(std::string_view text, std::string_view section,
                        std::string_view key, std::string_view value) {
  value = CutAtLineBreak(value);
  const IniSection found = FindIniSection(text, section);
  std::string result;
  result.reserve(text.size() + section.size() + key.size() + value.size() + 8);

  if (!found.found) {
    result.append(text);
    if (!result.empty() && result.back() != '\n' && result.back() != '\r') {
      result.append(kLineBreak);
    }
    result.append("[").append(section).append("]").append(kLineBreak);
    result.append(key).append("=").append(value).append(kLineBreak);
    return result;
  }

  const std::wstring wanted = FoldIniName(key);
  for (const IniEntry& entry : found.entries) {
    if (FoldIniName(entry.name) != wanted || wanted.empty()) continue;
    // The first entry of that name is the one the reader finds: change it alone.
    if (entry.has_value) {
      const std::size_t start = static_cast<std::size_t>(entry.value.data() - text.data());
      result.append(text.substr(0, start)).append(value);
      result.append(text.substr(start + entry.value.size()));
    } else {
      const std::size_t end = static_cast<std::size_t>(entry.name.data() - text.data()) +
                              entry.name.size();
      result.append(text.substr(0, end)).append("=").append(value);
      result.append(text.substr(end));
    }
    return result;
  }

  const std::size_t anchor =
      found.entries.empty() ? found.header_end : found.entries.back().line_end;
  const std::size_t at = AfterLineBreak(text, anchor);
  result.append(text.substr(0, at));
  if (at == anchor) result.append(kLineBreak);  // the last line had no break
  result.append(key).append("=").append(value);
  if (at != anchor) result.append(kLineBreak);
  result.append(text.substr(at));
  return result;
}

}  // namespace marlivo::dictionary
