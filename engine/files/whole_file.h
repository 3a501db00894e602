// Reading a file's whole content.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlivo::files {

// The whole content of the file, opened for reading while others may read, write,
// rename or delete it; nothing when it cannot be opened or a read fails part way (a
// half-read file must never pass for the file's content).
std::optional<std::string> ReadWholeFile(std::string_view gbk_path);
std::optional<std::string> ReadWholeFile(const std::wstring& system_path);

// The same, with a file that cannot be read reading as the empty text.
std::string ReadFileOrEmpty(std::string_view gbk_path);

}  // namespace marlivo::files
