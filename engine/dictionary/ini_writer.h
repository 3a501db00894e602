// Our own writer of ini values: one key's value changed and every other byte of the
// file kept as it was.
//
// Why our own: the system's WritePrivateProfileStringA rewrites the whole file from
// what its reader understood of it (blanks around "=" and in front of names vanish, a
// bare CR splits a line, blank lines disappear), and since every run saves the settings
// into the dictionary before its lookups, the reverse lookups would then search another
// dictionary than the one the user wrote.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::dictionary {

// `text` with `key` of `section` set to `value`, found by the reader's rules:
//  - an existing key keeps its line; only the value's bytes change (a line without "="
//    gets one);
//  - a missing key becomes a line "key=value" after the last entry line of the section
//    (after the section line when the section has none);
//  - a missing section is added at the end of the text on lines of its own.
// Lines are ended with CR LF. A value holding a line break or a zero byte is cut there,
// since the reader would stop there anyway and the rest would become lines of their
// own.
std::string SetIniValue(std::string_view text, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace marlivo::dictionary
