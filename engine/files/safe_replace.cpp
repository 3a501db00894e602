// The safe replacement of a file: temporary file, every byte written, one rename.
#include "engine/files/safe_replace.h"

#include <windows.h>

#include <atomic>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "engine/text/code_page.h"

namespace marlivo::files {
namespace {

constexpr std::wstring_view kTempPrefix = L".marlivo-";
constexpr std::wstring_view kTempExtension = L".tmp";
constexpr std::size_t kTempTagDigits = 16;  // process id and a counter, 8 hex digits each

// The waits before each attempt at the rename. A virus scanner or an indexer holds a
// freshly written file for a moment; these are the waits that git for Windows uses.
constexpr DWORD kRetryDelaysMs[] = {0, 1, 10, 20, 40};

// Attributes the new file takes over from the old one. Read-only never reaches here;
// compression and encryption cannot be set through the attributes.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::atomic<unsigned> temp_counter{0};
std::atomic<std::uint64_t> replace_generation{0};

bool IsBusyError(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_LOCK_VIOLATION || error == ERROR_USER_MAPPED_FILE;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::wstring();
  return path.substr(0, slash + 1);
}

std::wstring TempName() {
  wchar_t tag[kTempTagDigits + 1];
  const unsigned serial = temp_counter.fetch_add(1, std::memory_order_relaxed);
  static constexpr wchar_t kHex[] = L"0123456789abcdef";
  const unsigned long long value =
      (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) | serial;
  for (std::size_t i = 0; i < kTempTagDigits; ++i) {
    tag[i] = kHex[(value >> (4 * (kTempTagDigits - 1 - i))) & 0xF];
  }
  tag[kTempTagDigits] = L'\0';
  return std::wstring(kTempPrefix) + tag + std::wstring(kTempExtension);
}

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = content.size() > (1u << 30) ? (1u << 30)
                                                    : static_cast<DWORD>(content.size());
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    content.remove_prefix(written);
  }
  return true;
}

ReplaceResult Result(ReplaceOutcome outcome, DWORD error) { return {outcome, error}; }

}  // namespace

ReplaceResult ReplaceFileContent(const std::wstring& system_path, std::string_view content,
                                 const ReplaceOptions& options) {
  WIN32_FILE_ATTRIBUTE_DATA old_file{};
  bool exists = true;
  if (!GetFileAttributesExW(system_path.c_str(), GetFileExInfoStandard, &old_file)) {
    const DWORD error = GetLastError();
    // A missing folder fails in both modes: the file could not be made there.
    if (error != ERROR_FILE_NOT_FOUND || options.if_missing == IfMissing::kFail) {
      return Result(IsBusyError(error) ? ReplaceOutcome::kLocked : ReplaceOutcome::kFailed,
                    error);
    }
    exists = false;
    old_file.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
  }
  if (old_file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    return Result(ReplaceOutcome::kFailed, ERROR_ACCESS_DENIED);
  }
  // Checked here and not left to the system: under Wine running as root a read-only
  // file can still be opened for writing and renamed over, where Windows refuses both.
  if (old_file.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
    return Result(ReplaceOutcome::kReadOnly, ERROR_ACCESS_DENIED);
  }

  const std::wstring folder = FolderOf(system_path);
  std::wstring temp_path;
  UniqueHandle temp;
  for (int attempt = 0; attempt < 8 && !temp.valid(); ++attempt) {
    temp_path = folder + TempName();
    temp.reset(CreateFileW(temp_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           old_file.dwFileAttributes & kKeptAttributes, nullptr));
    if (!temp.valid() && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (!temp.valid()) return Result(ReplaceOutcome::kFailed, GetLastError());

  bool written = WriteAll(temp.get(), content);
  if (written && exists) {
    SetFileTime(temp.get(), &old_file.ftCreationTime, nullptr, nullptr);
  }
  if (written && options.flush) written = FlushFileBuffers(temp.get()) != FALSE;
  const DWORD write_error = written ? ERROR_SUCCESS : GetLastError();
  temp.reset();
  if (!written) {
    DeleteFileW(temp_path.c_str());
    return Result(ReplaceOutcome::kFailed, write_error);
  }

  // One rename that replaces: atomic for the name, so there is no moment at which the
  // file is missing or half written. (ReplaceFileW with a backup name renames twice and
  // leaves such a moment between its two steps.)
  const DWORD flags = (exists ? MOVEFILE_REPLACE_EXISTING : 0) |
                      (options.flush ? MOVEFILE_WRITE_THROUGH : 0);
  DWORD error = ERROR_SUCCESS;
  for (DWORD delay : kRetryDelaysMs) {
    if (delay) Sleep(delay);
    if (MoveFileExW(temp_path.c_str(), system_path.c_str(), flags)) {
      replace_generation.fetch_add(1, std::memory_order_release);
      return Result(ReplaceOutcome::kReplaced, ERROR_SUCCESS);
    }
    error = GetLastError();
    if (!IsBusyError(error)) break;
  }
  DeleteFileW(temp_path.c_str());
  return Result(IsBusyError(error) ? ReplaceOutcome::kLocked : ReplaceOutcome::kFailed,
                error);
}

ReplaceResult ReplaceFileContent(std::string_view gbk_path, std::string_view content,
                                 const ReplaceOptions& options) {
  return ReplaceFileContent(ToSystemPath(gbk_path), content, options);
}

std::uint64_t ReplaceGeneration() {
  return replace_generation.load(std::memory_order_acquire);
}

bool IsReplaceLeftoverName(std::wstring_view name) {
  if (name.size() != kTempPrefix.size() + kTempTagDigits + kTempExtension.size()) {
    return false;
  }
  if (name.substr(0, kTempPrefix.size()) != kTempPrefix) return false;
  if (name.substr(name.size() - kTempExtension.size()) != kTempExtension) return false;
  for (wchar_t ch : name.substr(kTempPrefix.size(), kTempTagDigits)) {
    if (!((ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'f'))) return false;
  }
  return true;
}

std::size_t RemoveReplaceLeftovers(std::string_view gbk_folder) {
  std::wstring folder = text::GbkToWide(gbk_folder);
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  const std::wstring pattern = ToSystemPath(folder + std::wstring(kTempPrefix) + L"*");
  WIN32_FIND_DATAW found{};
  UniqueFindHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0));
  if (!search.valid()) return 0;
  std::size_t removed = 0;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!IsReplaceLeftoverName(found.cFileName)) continue;
    if (DeleteFileW(ToSystemPath(folder + found.cFileName).c_str())) ++removed;
  } while (FindNextFileW(search.get(), &found));
  return removed;
}

std::string_view ReplaceOutcomeName(ReplaceOutcome outcome) {
  switch (outcome) {
    case ReplaceOutcome::kReplaced: return "replaced";
    case ReplaceOutcome::kReadOnly: return "read-only";
    case ReplaceOutcome::kLocked: return "locked";
    case ReplaceOutcome::kFailed: return "failed";
  }
  return "failed";
}

}  // namespace marlivo::files
