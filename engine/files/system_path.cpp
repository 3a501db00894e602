// GBK paths to and from the UTF-16 paths of the W functions, with the long form.
#include "engine/files/system_path.h"

#include <windows.h>

#include "engine/text/code_page.h"

namespace marlivo::files {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";

// Paths from this length on get the long form. CreateDirectoryW refuses a classic path
// longer than MAX_PATH - 12 (room for an 8.3 name), so the limit is below MAX_PATH.
constexpr std::size_t kLongPathLength = MAX_PATH - 12;

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::wstring FullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  for (int attempt = 0; size != 0 && attempt < 3; ++attempt) {
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0) break;
    if (length < size) {
      full.resize(length);
      return full;
    }
    size = length;  // the current folder changed between the two calls
  }
  return path;
}

}  // namespace

std::wstring ToSystemPath(std::wstring_view wide_path) {
  std::wstring path(wide_path);
  if (path.size() < kLongPathLength || StartsWith(path, kLongPrefix) ||
      StartsWith(path, kDevicePrefix)) {
    return path;
  }
  // GetFullPathNameW does what the classic form does implicitly ("/" to "\", "." and
  // ".." resolved, trailing dots and spaces of the last part dropped), so the long form
  // names the same file the short form would.
  std::wstring full = FullPath(path);
  if (StartsWith(full, L"\\\\")) {
    return std::wstring(kLongUncPrefix) + full.substr(2);
  }
  return std::wstring(kLongPrefix) + full;
}

std::wstring ToSystemPath(std::string_view gbk_path) {
  return ToSystemPath(text::GbkToWide(gbk_path));
}

std::optional<std::string> ToGbkPath(std::wstring_view wide_path) {
  std::wstring path(wide_path);
  if (StartsWith(path, kLongUncPrefix)) {
    path = L"\\\\" + path.substr(kLongUncPrefix.size());
  } else if (StartsWith(path, kLongPrefix)) {
    path = path.substr(kLongPrefix.size());
  }
  return text::WideToGbkExact(path);
}

}  // namespace marlivo::files
