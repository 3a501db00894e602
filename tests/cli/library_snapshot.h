// A folder tree's names and file contents, for comparing trees before and after a run.
#pragma once

#include <map>
#include <string>

namespace marlivo::testing {

// Relative GBK path of every file and folder below `folder` -> the file's content, or
// "<folder>" for a folder.
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::string& folder);

inline constexpr const char* kFolderMark = "<folder>";

}  // namespace marlivo::testing
