// Folder tree snapshots through the W functions.
#include "tests/cli/library_snapshot.h"

#include <windows.h>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "engine/files/whole_file.h"
#include "engine/text/code_page.h"

namespace marlivo::testing {
namespace {

void Walk(const std::string& root, const std::string& relative, Snapshot& snapshot) {
  const std::string folder = relative.empty() ? root : root + "\\" + relative;
  WIN32_FIND_DATAW found{};
  files::UniqueFindHandle search(
      FindFirstFileW(files::ToSystemPath(folder + "\\*").c_str(), &found));
  if (!search.valid()) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::string child =
        (relative.empty() ? "" : relative + "\\") + text::WideToGbk(name);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      snapshot[child] = kFolderMark;
      Walk(root, child, snapshot);
    } else {
      snapshot[child] = files::ReadWholeFile(root + "\\" + child).value_or("<unreadable>");
    }
  } while (FindNextFileW(search.get(), &found));
}

}  // namespace

Snapshot TakeSnapshot(const std::string& folder) {
  Snapshot snapshot;
  Walk(folder, "", snapshot);
  return snapshot;
}

}  // namespace marlivo::testing
