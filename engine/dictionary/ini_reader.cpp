// The ini reader: lines, sections and entries of GBK text, names folded as the system
// folds them.
#include "engine/dictionary/ini_reader.h"

#include "engine/text/code_page.h"
#include "engine/text/gbk_text.h"

namespace marlivo::dictionary {
namespace {

// Length of the blank at `index`, 0 when the character there is none: tab, LF, VT, FF,
// CR, space and Ctrl-Z, as the system's reader counts them. (It takes the ideographic
// space for a character like any other.)
std::size_t BlankLength(std::string_view text, std::size_t index) {
  const unsigned char byte = static_cast<unsigned char>(text[index]);
  return (byte >= 0x09 && byte <= 0x0D) || byte == 0x20 || byte == 0x1A ? 1 : 0;
}

std::string_view TrimLeading(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t blank = BlankLength(text, i);
    if (!blank) break;
    i += blank;
  }
  return text.substr(i);
}

// Blanks are single bytes below 0x40, which are never the second byte of a GBK
// character, so trailing ones can be found from the end.
std::string_view TrimTrailing(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && BlankLength(text, end - 1)) --end;
  return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimTrailing(TrimLeading(text)); }

std::string_view CutAtZero(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::wstring Fold(std::string_view name) {
  std::wstring wide = text::GbkToWide(name);
  for (wchar_t& ch : wide) {
    if (ch >= L'a' && ch <= L'z') ch = static_cast<wchar_t>(ch - L'a' + L'A');
  }
  return wide;
}

// A stored name is already trimmed as part of its line; a zero byte then ends it.
std::wstring FoldStoredName(std::string_view name) { return Fold(CutAtZero(name)); }

struct Line {
  std::string_view text;  // trimmed
  std::size_t start;
  std::size_t end;
};

// Calls `visit(line)` for each non-blank line; stops when it returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(start, end - start));
    if (!line.empty() && !visit(Line{line, start, end})) return;
    start = end + 1;
  }
}

// The section name of a line, or false when the line is no section line.
bool SectionName(std::string_view line, std::string_view* name) {
  if (line.empty() || line[0] != '[') return false;
  const std::size_t close = text::FindLastChar(line, ']');
  if (close == std::string_view::npos || close == 0) return false;
  *name = Trim(line.substr(1, close - 1));
  return true;
}

IniEntry Entry(const Line& line) {
  IniEntry entry;
  entry.line_start = line.start;
  entry.line_end = line.end;
  const std::size_t equals = line.text.find('=');  // "=" is never a second byte
  if (equals == std::string_view::npos) {
    entry.name = line.text;
    return entry;
  }
  entry.name = TrimTrailing(line.text.substr(0, equals));
  entry.value = TrimLeading(line.text.substr(equals + 1));
  entry.has_value = true;
  return entry;
}

}  // namespace

std::wstring FoldIniName(std::string_view name) { return Fold(Trim(CutAtZero(name))); }

IniSection FindIniSection(std::string_view text, std::string_view section) {
  const std::wstring wanted = FoldIniName(section);
  IniSection found;
  bool inside = false;
  ForEachLine(text, [&](const Line& line) {
    std::string_view name;
    if (SectionName(line.text, &name)) {
      if (inside) return false;  // only the first section of that name counts
      // A section with an empty name is the text before the first section, which no
      // name looks up.
      inside = !CutAtZero(name).empty() && FoldStoredName(name) == wanted;
      if (inside) {
        found.found = true;
        found.header_end = line.end;
      }
      return true;
    }
    if (inside) found.entries.push_back(Entry(line));
    return true;
  });
  return found;
}

std::vector<IniEntry> ReadIniSection(std::string_view text, std::string_view section) {
  return FindIniSection(text, section).entries;
}

std::string IniValueText(std::string_view value) {
  value = CutAtZero(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

std::string ReadIniValue(std::string_view text, std::string_view section,
                         std::string_view key) {
  const std::wstring wanted = FoldIniName(key);
  if (wanted.empty()) return {};
  for (const IniEntry& entry : ReadIniSection(text, section)) {
    if (FoldStoredName(entry.name) == wanted) {
      return entry.has_value ? IniValueText(entry.value) : std::string();
    }
  }
  return {};
}

}  // namespace marlivo::dictionary
