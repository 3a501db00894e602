// The dry run's plan of material rewrites and folder renames.
#include "engine/planned_changes.h"

#include <windows.h>

#include "engine/files/system_path.h"
#include "engine/text/code_page.h"

namespace marlivo::engine {
namespace {

// File names compare without regard to case, as the file system compares them.
std::wstring CaseKey(const std::string& path) {
  std::wstring key = text::GbkToWide(path);
  if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(files::ToSystemPath(path).c_str());
}

}  // namespace

ChangeOutcome PlannedChanges::ReplaceMaterial(const std::string& path,
                                              std::string_view old_name,
                                              std::string_view new_name, std::string_view) {
  const DWORD attributes = Attributes(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return ChangeOutcome::kReadOnly;
  }
  std::string line = "material ";
  line.append(path).append(": ").append(old_name).append(" -> ").append(new_name);
  sink_(line);
  return ChangeOutcome::kDone;
}

bool PlannedChanges::Exists(const std::wstring& key, const std::string& path) const {
  if (taken_.count(key)) return true;
  if (freed_.count(key)) return false;
  return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

ChangeOutcome PlannedChanges::RenameFolder(const std::string& old_path,
                                           const std::string& new_path) {
  const std::wstring old_key = CaseKey(old_path);
  const std::wstring new_key = CaseKey(new_path);
  // A new name that differs only in case names the folder itself: the rename changes
  // the case, as a real one does.
  if (new_key != old_key && Exists(new_key, new_path)) return ChangeOutcome::kExists;
  taken_.erase(old_key);
  freed_.insert(old_key);
  freed_.erase(new_key);
  taken_.insert(new_key);
  std::string line = "folder ";
  line.append(old_path).append(" -> ").append(new_path);
  sink_(line);
  return ChangeOutcome::kDone;
}

}  // namespace marlivo::engine
