// Reading a file's whole content.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marlivo::files {

// What tells one version of a file from another cheaply: its size and last-write time.
struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t last_write = 0;  // FILETIME as one number
  bool operator==(const FileStamp&) const = default;
};

// The stamp of a file as the folder shows it; nothing when it is missing or a folder.
std::optional<FileStamp> GetFileStamp(const std::wstring& system_path);

// The whole content of the file, opened for reading while others may read, write,
// rename or delete it; nothing when it cannot be opened or a read fails part way (a
// half-read file must never pass for the file's content).
std::optional<std::string> ReadWholeFile(std::string_view gbk_path);
std::optional<std::string> ReadWholeFile(const std::wstring& system_path);
// The same, with the stamp of the version read, taken from the open file before reading,
// so that a change made while reading shows as a different stamp afterwards.
std::optional<std::string> ReadWholeFile(const std::wstring& system_path, FileStamp* stamp);

// The same, with a file that cannot be read reading as the empty text.
std::string ReadFileOrEmpty(std::string_view gbk_path);

}  // namespace marlivo::files
