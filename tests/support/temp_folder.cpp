// Temporary test folders, made and removed through the W functions and long paths.
#include "tests/support/temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "engine/text/code_page.h"

namespace marlivo::testing {
namespace {

std::atomic<unsigned> folder_counter{0};

std::wstring Wide(std::string_view gbk) { return files::ToSystemPath(gbk); }

void RemoveTreeWide(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  {
    files::UniqueFindHandle search(
        FindFirstFileW(files::ToSystemPath(folder + L"\\*").c_str(), &found));
    if (search.valid()) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = files::ToSystemPath(folder + L"\\" + name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTreeWide(folder + L"\\" + name);
        } else {
          SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(child.c_str());
        }
      } while (FindNextFileW(search.get(), &found));
    }
  }
  const std::wstring self = files::ToSystemPath(folder);
  SetFileAttributesW(self.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryW(self.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, base);
  std::wstring folder(base, length);
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  wchar_t name[64];
  swprintf(name, 64, L"\\marlivo-test-%lu-%u", GetCurrentProcessId(),
           folder_counter.fetch_add(1));
  folder += name;
  RemoveTreeWide(folder);
  if (!CreateDirectoryW(folder.c_str(), nullptr)) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  path_ = text::WideToGbk(folder);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::Join(std::string_view relative) const {
  return path_ + "\\" + std::string(relative);
}

void TempFolder::WriteFile(std::string_view relative, std::string_view content) const {
  const std::string path = Join(relative);
  const std::size_t slash = path.find_last_of('\\');
  MakeFolders(path.substr(0, slash));
  files::UniqueHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file.valid() ||
      !::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                   &written, nullptr) ||
      written != content.size()) {
    throw std::runtime_error("cannot write a test file");
  }
}

std::vector<std::string> TempFolder::List(std::string_view relative) const {
  const std::string folder = relative.empty() ? path_ : Join(relative);
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  files::UniqueFindHandle search(FindFirstFileW(Wide(folder + "\\*").c_str(), &found));
  if (!search.valid()) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    names.push_back(text::WideToGbk(name));
  } while (FindNextFileW(search.get(), &found));
  std::sort(names.begin(), names.end());
  return names;
}

bool MakeFolders(std::string_view gbk_path) {
  const std::wstring path = text::GbkToWide(gbk_path);
  for (std::size_t at = path.find(L'\\', 3); ; at = path.find(L'\\', at + 1)) {
    const std::wstring part = files::ToSystemPath(path.substr(0, at));
    CreateDirectoryW(part.c_str(), nullptr);
    if (at == std::wstring::npos) break;
  }
  const DWORD attributes = GetFileAttributesW(Wide(gbk_path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(std::string_view gbk_path) { RemoveTreeWide(text::GbkToWide(gbk_path)); }

}  // namespace marlivo::testing
