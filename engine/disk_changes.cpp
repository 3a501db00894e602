// Material files replaced through the safe replacement, folders renamed with one move.
#include "engine/disk_changes.h"

#include <windows.h>

#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"

namespace marlivo::engine {
namespace {

// The waits before each attempt at a folder rename that failed because a program held
// something inside the folder for a moment (an indexer, a virus scanner).
constexpr DWORD kRenameRetryDelaysMs[] = {0, 1, 10, 20, 40};

bool IsBusyError(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_LOCK_VIOLATION;
}

}  // namespace

ChangeOutcome DiskChanges::ReplaceMaterial(const std::string& path, std::string_view,
                                           std::string_view, std::string_view content) {
  // Written through to the disk before the rename: the cost is small next to the
  // rename itself, and a power loss then leaves the old or the new content.
  const files::ReplaceResult result = files::ReplaceFileContent(path, content);
  switch (result.outcome) {
    case files::ReplaceOutcome::kReplaced: return ChangeOutcome::kDone;
    case files::ReplaceOutcome::kReadOnly: return ChangeOutcome::kReadOnly;
    case files::ReplaceOutcome::kLocked: return ChangeOutcome::kInUse;
    case files::ReplaceOutcome::kFailed: break;
  }
  return ChangeOutcome::kFailed;
}

ChangeOutcome DiskChanges::RenameFolder(const std::string& old_path,
                                        const std::string& new_path) {
  const std::wstring from = files::ToSystemPath(old_path);
  const std::wstring to = files::ToSystemPath(new_path);
  DWORD error = ERROR_SUCCESS;
  for (const DWORD delay : kRenameRetryDelaysMs) {
    if (delay) Sleep(delay);
    // No MOVEFILE_REPLACE_EXISTING: a folder never takes the place of another.
    if (MoveFileExW(from.c_str(), to.c_str(), 0)) return ChangeOutcome::kDone;
    error = GetLastError();
    if (!IsBusyError(error)) break;
  }
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return ChangeOutcome::kExists;
  if (IsBusyError(error)) return ChangeOutcome::kInUse;
  return ChangeOutcome::kFailed;
}

void DiskChanges::RemoveLeftovers(const std::string& folder) {
  files::RemoveReplaceLeftovers(folder);
}

}  // namespace marlivo::engine
