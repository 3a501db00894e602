// Folder listing for the folder pass, and its descending sort.
#include "engine/folder_listing.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "engine/text/code_page.h"

namespace marlivo::engine {
namespace {

std::string WithBackslash(std::string_view folder) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path.push_back('\\');
  return path;
}

// Calls `visit(name, attributes)` for each folder entry of `folder` (GBK, ending with
// "\") other than "." and ".."; stops early when `visit` returns false.
template <typename Visit>
void ForEachSubfolder(const std::string& folder, Visit visit) {
  const std::wstring pattern = files::ToSystemPath(folder + "*");
  WIN32_FIND_DATAW found{};
  files::UniqueFindHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                  FindExSearchLimitToDirectories, nullptr,
                                                  FIND_FIRST_EX_LARGE_FETCH));
  if (!search.valid()) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    const std::wstring_view name = found.cFileName;
    if (name.empty() || name == L"." || name == L"..") continue;
    if (!visit(name, found.dwFileAttributes)) return;
  } while (FindNextFileW(search.get(), &found));
}

}  // namespace

std::size_t EnumerateSubfolders(std::string_view folder, std::vector<std::string>& result,
                                bool full_paths, bool recursive,
                                std::vector<std::string>* unnamed) {
  const std::string path = WithBackslash(folder);
  std::vector<std::string> entered;  // names whose folders the recursion enters
  std::size_t added = 0;
  ForEachSubfolder(path, [&](std::wstring_view name, DWORD attributes) {
    if (name.front() == L'.') return true;
    const std::optional<std::string> gbk_name = files::ToGbkPath(name);
    if (!gbk_name) {
      if (unnamed) unnamed->push_back(path + text::WideToGbk(name));
      return true;
    }
    result.push_back(full_paths ? path + *gbk_name : *gbk_name);
    ++added;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) entered.push_back(*gbk_name);
    return true;
  });
  if (recursive) {
    for (const std::string& name : entered) {
      const std::string child = path + name;
      if (HasSubfolder(child)) {
        added += EnumerateSubfolders(child, result, full_paths, recursive, unnamed);
      }
    }
  }
  return added;
}

bool HasSubfolder(std::string_view folder) {
  bool found = false;
  ForEachSubfolder(WithBackslash(folder), [&found](std::wstring_view, DWORD) {
    found = true;
    return false;
  });
  return found;
}

void SortTextsDescending(std::vector<std::string>& texts) {
  // Compared as UTF-16 (from code page 936) under the invariant locale: the order is
  // then the same on every Windows, whatever its language and ANSI code page, and a
  // path still sorts after its own proper prefixes, which is what the pass needs. Equal
  // comparisons fall back to the bytes, so the order never depends on the input's.
  struct Keyed {
    std::wstring key;
    std::string text;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(texts.size());
  for (std::string& text : texts) keyed.push_back({text::GbkToWide(text), std::move(text)});
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    const int order = CompareStringW(LOCALE_INVARIANT, 0, a.key.data(),
                                     static_cast<int>(a.key.size()), b.key.data(),
                                     static_cast<int>(b.key.size()));
    if (order != CSTR_EQUAL && order != 0) return order == CSTR_LESS_THAN;
    return a.text < b.text;
  });
  texts.clear();
  for (auto it = keyed.rbegin(); it != keyed.rend(); ++it) texts.push_back(std::move(it->text));
}

}  // namespace marlivo::engine
