// Our own reader of ini files over GBK bytes, with the rules of the system's profile
// reader (GetPrivateProfileStringA under code page 936).
//
// Why our own: the system's reader interprets 8-bit text in the ANSI code page, so on
// a system whose code page is not 936 it folds the case of GBK bytes as if they were
// Latin letters and takes two different Chinese names for one.
//
// The rules, as the system's reader applies them (each one checked against it on a
// table of files):
//  - a line ends at LF or CR; blanks (tab, LF, VT, FF, CR, space and Ctrl-Z; not the
//    ideographic space) at both ends of a line do not count;
//  - a line that then begins with "[" and holds a "]" starts a section, named by the
//    text between the "[" and the last "]", without blanks at its ends;
//  - any other line is an entry: its name is the text before the first "=", without
//    the blanks before that "=", its value the text after it, without the blanks after
//    it; a line without "=" is a name without a value. There are no comment lines of
//    their own: a line ";x=y" is the entry ";x", which no plain name ever looks up;
//  - names are compared as UTF-16 text (converted from code page 936) in which only
//    the ASCII letters a to z and A to Z match without regard to case: the system's
//    reader leaves the case of Greek, Cyrillic and fullwidth letters as it is, and a
//    second byte of a Chinese character that looks like a Latin letter is never
//    folded. The looked-up name loses its blanks at both ends first; the first section
//    of that name counts, and in it the first entry of that name;
//  - a value enclosed in one pair of double or single quotation marks loses them;
//  - a zero byte ends a name or a value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marlivo::dictionary {

// One entry line of a section, as it stands in the text (before quotation marks are
// dropped or a zero byte cuts it).
struct IniEntry {
  std::string_view name;
  std::string_view value;
  bool has_value = false;  // the line holds an "="
  std::size_t line_start = 0;  // offset of the line in the text
  std::size_t line_end = 0;    // offset of its end (the LF or CR, or the end of the text)
};

// The first section of a name, as the reader sees it.
struct IniSection {
  bool found = false;
  std::size_t header_end = 0;  // offset of the end of the section line (before its break)
  std::vector<IniEntry> entries;  // in file order
};
IniSection FindIniSection(std::string_view text, std::string_view section);

// The entries of the first section called `section`; empty when there is none.
std::vector<IniEntry> ReadIniSection(std::string_view text, std::string_view section);

// The value of `key` in the first section called `section`, as the system returns it;
// the empty text when the key, the section or a value is missing.
std::string ReadIniValue(std::string_view text, std::string_view section,
                         std::string_view key);

// A value as the system returns it: cut at a zero byte, one pair of enclosing quotation
// marks dropped.
std::string IniValueText(std::string_view value);

// A name as the system compares it: cut at a zero byte, blanks at both ends gone,
// converted from GBK, ASCII letters in upper case. Two names match when these are equal.
std::wstring FoldIniName(std::string_view name);

}  // namespace marlivo::dictionary
