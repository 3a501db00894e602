// The parts of a GBK path that the passes use: the base name of a file or folder and
// its parent. Platform-free: the engine's paths are GBK text with "\" separators, and
// every search steps one character at a time so that a "\" or "." inside a double-byte
// character is never taken for a separator.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::engine {

// The last component of `path`, as the shell's file-name part gives it: the text after
// the last "\" (or "/" or ":"); the empty text when the path ends with "\".
std::string_view FileNamePart(std::string_view path);

// The extension of a path's last component as the shell's extension part gives it: from
// its last "." to the end, the empty text when there is none. A space or "\" after the
// last "." means there is none, as the shell has it ("a.b c" has no extension).
std::string_view ExtensionPart(std::string_view path);

// The last component of `path` without its extension: "C:\m\Gold.Satin.mtl" gives
// "Gold.Satin", a component ".mtl" the empty text, a path ending with "\" the empty text.
std::string BaseName(std::string_view path);

// The path up to and including its last "\"; the empty text when it holds none.
std::string ParentPath(std::string_view path);

}  // namespace marlivo::engine
