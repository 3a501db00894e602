// Paths between the program's GBK text and the UTF-16 paths of the W functions.
//
// Every path the engine hands to Windows goes through ToSystemPath, and every name it
// gets back from Windows through ToGbkPath, so that Chinese names work whatever the
// system's ANSI code page and trees deeper than MAX_PATH stay reachable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlivo::files {

// A GBK path as the W functions want it: converted with code page 936 and, when it is
// too long for the classic limit, made absolute (GetFullPathNameW) and given the
// "\\?\" (or "\\?\UNC\") form.
std::wstring ToSystemPath(std::string_view gbk_path);

// The same for a path that is already UTF-16 (for instance a folder joined with a name
// that FindFirstFileW returned).
std::wstring ToSystemPath(std::wstring_view wide_path);

// A UTF-16 name or path as GBK text, without the "\\?\" form that ToSystemPath may have
// added; nothing when code page 936 cannot hold every character exactly, since the
// nearest GBK text would name another file or none.
std::optional<std::string> ToGbkPath(std::wstring_view wide_path);

}  // namespace marlivo::files
