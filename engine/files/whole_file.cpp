// Whole-file reads through CreateFileW with generous sharing.
#include "engine/files/whole_file.h"

#include <windows.h>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"

namespace marlivo::files {

namespace {

std::uint64_t Combine(DWORD high, DWORD low) {
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

}  // namespace

std::optional<FileStamp> GetFileStamp(const std::wstring& system_path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(system_path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return FileStamp{Combine(data.nFileSizeHigh, data.nFileSizeLow),
                   Combine(data.ftLastWriteTime.dwHighDateTime,
                           data.ftLastWriteTime.dwLowDateTime)};
}

std::optional<std::string> ReadWholeFile(const std::wstring& system_path) {
  return ReadWholeFile(system_path, nullptr);
}

std::optional<std::string> ReadWholeFile(const std::wstring& system_path, FileStamp* stamp) {
  // Sharing delete as well lets another program (or our own safe replacement on
  // another thread) put a new version in place while we read the old one.
  UniqueHandle file(CreateFileW(system_path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
  if (stamp) {
    FILETIME last_write{};
    if (!GetFileTime(file.get(), nullptr, nullptr, &last_write)) return std::nullopt;
    *stamp = FileStamp{static_cast<std::uint64_t>(size.QuadPart),
                       Combine(last_write.dwHighDateTime, last_write.dwLowDateTime)};
  }

  // Read to the end as it is now, not to the size seen at opening: the file may grow.
  // Each read asks for what the size says is left plus a little, so that a small file
  // costs one read of its size and one of the little: a fixed large chunk would make
  // every read of a 4 KB file allocate and clear a megabyte, which under Wine costs
  // milliseconds a file.
  constexpr std::size_t kChunk = 1 << 20;
  constexpr std::size_t kSlack = 4096;
  const std::size_t expected = static_cast<std::size_t>(size.QuadPart);
  std::string content;
  std::size_t used = 0;
  for (;;) {
    const std::size_t left = expected > used ? expected - used : 0;
    const std::size_t want = left + kSlack < kChunk ? left + kSlack : kChunk;
    content.resize(used + want);
    DWORD read = 0;
    if (!ReadFile(file.get(), content.data() + used, static_cast<DWORD>(want), &read, nullptr)) {
      return std::nullopt;
    }
    used += read;
    if (read == 0) break;
  }
  content.resize(used);
  return content;
}

std::optional<std::string> ReadWholeFile(std::string_view gbk_path) {
  return ReadWholeFile(ToSystemPath(gbk_path));
}

std::string ReadFileOrEmpty(std::string_view gbk_path) {
  std::optional<std::string> content = ReadWholeFile(gbk_path);
  return content ? std::move(*content) : std::string();
}

}  // namespace marlivo::files
