// The Start command's four checks and the start of the worker.
#include "engine/start_command.h"

#include <windows.h>

#include "engine/files/system_path.h"
#include "engine/path_parts.h"
#include "engine/rename_job.h"
#include "engine/job_status.h"
#include "engine/text/gbk_text.h"

namespace marlivo::engine {
namespace {

inline constexpr std::string_view kDictionaryExtension = ".ini";

// A folder with no entry besides "." and ".."; false for a missing path or a file.
bool IsEmptyFolder(const std::wstring& folder) {
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  std::wstring pattern = folder;
  if (pattern.empty() || (pattern.back() != L'\\' && pattern.back() != L'/')) pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  bool empty = true;
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") {
      empty = false;
      break;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return empty;
}

}  // namespace

bool StartChecksPass(std::string_view material_folder, std::string_view dic_file) {
  const std::string folder = text::Trim(material_folder);
  const std::wstring system_folder = files::ToSystemPath(folder);
  if (folder.empty()) return false;
  if (IsEmptyFolder(system_folder)) return false;
  const DWORD folder_attributes = GetFileAttributesW(system_folder.c_str());
  if (folder_attributes == INVALID_FILE_ATTRIBUTES ||
      !(folder_attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  const std::string dictionary = text::Trim(dic_file);
  if (dictionary.empty()) return false;
  if (GetFileAttributesW(files::ToSystemPath(dictionary).c_str()) == INVALID_FILE_ATTRIBUTES) {
    return false;
  }
  return ExtensionPart(dictionary) == kDictionaryExtension;
}

StartResult StartCommand(JobFrontEnd& front_end, JobState& state) {
  if (state.IsRunning()) return StartResult::kBusy;
  if (!StartChecksPass(front_end.GetMaterialFolderText(), front_end.GetDicFileText())) {
    SetStatus(front_end, kErrorStatus);
    return StartResult::kRejected;
  }
  if (!state.BeginRun()) return StartResult::kBusy;
  state.StartWorker([&front_end, &state] {
    RenameJob(front_end, state);
    state.EndRun();
  });
  return StartResult::kStarted;
}

}  // namespace marlivo::engine
