// The depth-first walk that fills MaterialFileList.
#include "engine/material_collection.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "engine/log_messages.h"
#include "engine/text/code_page.h"

namespace marlivo::engine {
namespace {

struct Folder {
  std::string gbk;    // ends with "\"
  std::wstring wide;  // the same path, ends with "\"
};

bool IsDotEntry(std::wstring_view name) { return name == L"." || name == L".."; }

}  // namespace

bool IsMaterialFileName(std::wstring_view name) {
  constexpr std::wstring_view kExtension = L".mtl";
  if (name.size() < kExtension.size()) return false;
  const std::wstring_view tail = name.substr(name.size() - kExtension.size());
  for (std::size_t i = 0; i < kExtension.size(); ++i) {
    wchar_t c = tail[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != kExtension[i]) return false;
  }
  return true;
}

void CollectMaterialFiles(JobState& state, std::string_view folder) {
  Folder root{std::string(folder), text::GbkToWide(folder)};
  if (root.gbk.empty() || root.gbk.back() != '\\') {
    root.gbk.push_back('\\');
    root.wide.push_back(L'\\');
  }
  // An explicit stack instead of recursion: a tree deeper than MAX_PATH must not
  // exhaust the worker's stack. Subfolders go on in reverse so they come off in order.
  std::vector<Folder> pending;
  pending.push_back(std::move(root));
  while (!pending.empty() && !state.StopRequested()) {
    Folder current = std::move(pending.back());
    pending.pop_back();
    state.Changes().RemoveLeftovers(current.gbk);

    const std::wstring pattern = files::ToSystemPath(current.wide + L"*");
    WIN32_FIND_DATAW found{};
    files::UniqueFindHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                    FindExSearchNameMatch, nullptr,
                                                    FIND_FIRST_EX_LARGE_FETCH));
    if (!search.valid()) continue;
    std::vector<Folder> subfolders;
    do {
      const std::wstring_view name = found.cFileName;
      const bool is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (is_folder) {
        if (IsDotEntry(name) || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
          continue;
        }
      } else if (!IsMaterialFileName(name) || files::IsReplaceLeftoverName(name)) {
        continue;
      }
      const std::optional<std::string> gbk_name = files::ToGbkPath(name);
      if (!gbk_name) {
        state.RunLog.AppendLog(
            QuotedLogLine(kNotInCodePagePrefix, current.gbk + text::WideToGbk(name)));
        continue;
      }
      if (is_folder) {
        subfolders.push_back(
            {current.gbk + *gbk_name + "\\", current.wide + std::wstring(name) + L"\\"});
      } else {
        state.MaterialFileList.push_back(current.gbk + *gbk_name);
      }
    } while (FindNextFileW(search.get(), &found));
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) {
      pending.push_back(std::move(*it));
    }
  }
}

}  // namespace marlivo::engine
