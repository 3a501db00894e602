// The program's folder from GetModuleFileNameW, grown until the whole name fits.
#include "engine/program_folder.h"

#include <windows.h>

#include <optional>

#include "engine/files/system_path.h"

namespace marlivo::engine {

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t last = path.find_last_of(L'\\');
  if (last == std::wstring::npos) return {};
  path.resize(last);
  return path;
}

std::string DefaultDictionaryPathOfProgram() {
  const std::optional<std::string> folder = files::ToGbkPath(ProgramFolder());
  if (!folder || folder->empty()) return {};
  return *folder + "\\dic.ini";
}

}  // namespace marlivo::engine
