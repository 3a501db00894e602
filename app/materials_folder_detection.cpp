// The registry read of the materials folder, through the W functions: the value is
// UTF-16 in the registry and becomes GBK text with code page 936, whatever the system's
// ANSI code page.
#include "app/materials_folder_detection.h"

#include <windows.h>

#include <optional>
#include <string>

#include "engine/files/system_path.h"
#include "engine/job_status.h"

namespace marlivo::app {
namespace {

constexpr std::wstring_view kKeyPrefix = L"SOFTWARE\\Luxion\\KeyShot ";
constexpr wchar_t kValueName[] = L"ResourceFolder";
constexpr std::wstring_view kVersions[] = {L"9", L"8", L"7", L"6", L"5", L"4", L"3", L"2", L"1"};
constexpr std::wstring_view kMaterialsSuffix = L"\\Materials";

class RegistryKey {
 public:
  explicit RegistryKey(const std::wstring& path) {
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key_) !=
        ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value's text, nothing when the value does not exist. A value of another type
// than REG_SZ or REG_EXPAND_SZ reads as the empty text; an expandable one as stored.
std::optional<std::wstring> ReadResourceFolder(std::wstring_view version) {
  RegistryKey key(std::wstring(kKeyPrefix) + std::wstring(version));
  if (!key.get()) return std::nullopt;
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LONG result = RegQueryValueExW(key.get(), kValueName, nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    if (result == ERROR_MORE_DATA) {
      buffer.resize(bytes / sizeof(wchar_t) + 2);
      continue;
    }
    if (result != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::wstring();
    buffer.resize(bytes / sizeof(wchar_t));
    while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
    return buffer;
  }
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(files::ToSystemPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void DetectMaterialsFolder(engine::JobFrontEnd& front_end) {
  engine::SetStatus(front_end, engine::kWaitingStatus);
  for (const std::wstring_view version : kVersions) {
    const std::optional<std::wstring> resource_folder = ReadResourceFolder(version);
    if (!resource_folder) continue;
    const std::wstring candidate = *resource_folder + std::wstring(kMaterialsSuffix);
    if (!IsFolder(candidate)) continue;
    // A folder whose name code page 936 cannot hold is passed over: its nearest GBK
    // text would name another folder or none.
    const std::optional<std::string> gbk = files::ToGbkPath(candidate);
    if (!gbk) continue;
    front_end.SetMaterialFolderText(*gbk);
    break;
  }
  engine::SetStatus(front_end, "");
}

}  // namespace marlivo::app
