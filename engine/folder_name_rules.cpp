// The folder name checks.
#include "engine/folder_name_rules.h"

#include <string>

namespace marlivo::engine {
namespace {

constexpr std::wstring_view kForbiddenCharacters = L"\\/<>:\"|?*";

bool IsReservedDeviceName(std::wstring_view name) {
  // The device is the part before the first dot, spaces before that dot included
  // ("NUL .txt" opens the device too).
  std::wstring stem(name.substr(0, name.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  for (wchar_t& c : stem) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL") return true;
  if (stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0)) {
    return stem[3] >= L'1' && stem[3] <= L'9';
  }
  return false;
}

}  // namespace

bool IsAcceptableFolderName(std::wstring_view name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  for (const wchar_t c : name) {
    if (c < 0x20 || kForbiddenCharacters.find(c) != std::wstring_view::npos) return false;
  }
  if (name.back() == L'.' || name.back() == L' ') return false;
  return !IsReservedDeviceName(name);
}

}  // namespace marlivo::engine
