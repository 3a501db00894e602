// The folder pass, with the checks that keep every folder inside its parent.
#include "engine/folder_pass.h"

#include <windows.h>

#include <vector>

#include "engine/dictionary.h"
#include "engine/folder_listing.h"
#include "engine/folder_name_rules.h"
#include "engine/job_status.h"
#include "engine/log_messages.h"
#include "engine/path_parts.h"
#include "engine/text/code_page.h"
#include "engine/text/gbk_text.h"

namespace marlivo::engine {
namespace {

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

void RenameOne(JobState& state, const std::string& folder, const std::string& parent,
               const std::string& new_name) {
  const std::string new_path = parent + new_name;
  if (new_path == folder) return;  // the name it has already
  if (!StaysInParent(parent, new_name)) {
    state.RunLog.AppendLog(QuotedLogLine(kBadFolderNamePrefix, new_name));
    return;
  }
  switch (state.Changes().RenameFolder(folder, new_path)) {
    case ChangeOutcome::kDone:
      return;
    case ChangeOutcome::kExists:
      state.RunLog.AppendLog(QuotedLogLine(kFolderExistsPrefix, new_path));
      return;
    case ChangeOutcome::kReadOnly:
    case ChangeOutcome::kInUse:
    case ChangeOutcome::kFailed:
      state.RunLog.AppendLog(QuotedLogLine(kCannotRenamePrefix, folder));
      return;
  }
}

}  // namespace

bool StaysInParent(std::string_view parent, std::string_view new_name) {
  const std::wstring name = text::GbkToWide(new_name);
  if (!IsAcceptableFolderName(name)) return false;
  const std::wstring wide_parent = text::GbkToWide(parent);
  const std::wstring full_parent = FullPath(wide_parent);
  const std::wstring full = FullPath(wide_parent + name);
  if (full_parent.empty() || full.empty()) return false;
  const std::size_t last = full.find_last_of(L'\\');
  if (last == std::wstring::npos) return false;
  std::wstring expected = full_parent;
  if (expected.back() != L'\\') expected.push_back(L'\\');
  return full.compare(0, last + 1, expected) == 0 && full.substr(last + 1) == name;
}

void RunFolderPass(JobFrontEnd& front_end, JobState& state, std::string_view material_folder) {
  const bool invert = front_end.GetCheckState(JobInput::kInvertCheck) != 0;
  const bool double_lang = front_end.GetCheckState(JobInput::kFolderDoubleLangCheck) != 0;

  std::vector<std::string> folders;
  std::vector<std::string> unnamed;
  EnumerateSubfolders(material_folder, folders, true, true, &unnamed);
  for (const std::string& path : unnamed) {
    state.RunLog.AppendLog(QuotedLogLine(kNotInCodePagePrefix, path));
  }
  // Descending order puts every folder before its ancestors: its subfolders are renamed
  // first, so the paths still to be visited stay valid.
  SortTextsDescending(folders);

  const std::string& dictionary = state.DefaultDictionaryPath;
  const std::size_t count = folders.size();
  for (std::size_t i = 0; i < count && !state.StopRequested(); ++i) {
    const std::string& folder = folders[i];
    ReportProgress(front_end, i + 1, count);
    const std::string name = BaseName(folder);
    const std::string parent = ParentPath(folder);
    SetStatus(front_end, name);

    std::string new_name;
    if (invert) {
      const std::string value =
          double_lang ? text::TextBetween(name + "$]", state.NameSeparator, "$]") : name;
      new_name = ReverseLookup(dictionary, value, state.RunLog);
      if (text::IsBlank(new_name)) {
        state.RunLog.AppendLog(QuotedLogLine(kNotFindDicPrefix, value));
        continue;
      }
    } else {
      new_name = ForwardLookup(dictionary, name);
      if (text::IsBlank(new_name)) {
        state.RunLog.AppendLog(QuotedLogLine(kNotFindDicPrefix, name));
        continue;
      }
      if (double_lang) new_name = name + state.NameSeparator + new_name;
    }
    RenameOne(state, folder, parent, new_name);
  }
}

}  // namespace marlivo::engine
