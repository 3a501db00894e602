// Listing of the folders below a folder, for the folder pass.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace marlivo::engine {

// Appends the folders of `folder` (GBK) to `result`, in listing order: full paths or
// names only; with `recursive`, then each one's own folders (for those that have any),
// to any depth. Folders whose name begins with "." are left out with everything below
// them; a folder that is a link (a reparse point) is listed but not entered. A folder
// whose name code page 936 cannot hold is left out with everything below it, and its
// path (as near as GBK comes) goes to `unnamed` when given. Returns how many folders
// were appended.
std::size_t EnumerateSubfolders(std::string_view folder, std::vector<std::string>& result,
                                bool full_paths, bool recursive,
                                std::vector<std::string>* unnamed = nullptr);

// True when `folder` holds at least one folder other than "." and "..", whatever its
// name (a name beginning with "." counts here).
bool HasSubfolder(std::string_view folder);

// Sorts the texts ascending under a locale-aware, case-sensitive comparison, then
// reverses them: every folder path then comes before the paths of its ancestors.
void SortTextsDescending(std::vector<std::string>& texts);

}  // namespace marlivo::engine
