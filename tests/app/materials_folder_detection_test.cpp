// Detection of the materials folder from the registry keys of the installed renderer,
// on the test prefix's real registry.
#include "app/materials_folder_detection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/text/code_page.h"
#include "tests/engine/job/recording_front_end.h"
#include "tests/support/temp_folder.h"

namespace marlivo::app {
namespace {

using testing::RecordingFrontEnd;
using testing::TempFolder;

const std::wstring kLuxionKey = L"SOFTWARE\\Luxion";

// Sets "ResourceFolder" under the key of `version`; removes every key on destruction.
class Installations {
 public:
  Installations() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kLuxionKey.c_str()); }
  ~Installations() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kLuxionKey.c_str()); }
  void Add(int version, const std::wstring& value, DWORD type = REG_SZ) {
    HKEY key = nullptr;
    const std::wstring path = kLuxionKey + L"\\KeyShot " + std::to_wstring(version);
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (type == REG_DWORD) {
      const DWORD number = 7;
      RegSetValueExW(key, L"ResourceFolder", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                     sizeof number);
    } else {
      RegSetValueExW(key, L"ResourceFolder", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
  }
};

std::string Detect() {
  RecordingFrontEnd front_end;
  DetectMaterialsFolder(front_end);
  EXPECT_EQ(front_end.Events("status:"), (std::vector<std::string>{"waiting...", ""}));
  const std::vector<std::string> set = front_end.Events("folder:");
  EXPECT_LE(set.size(), 1u);
  return set.empty() ? std::string("(untouched)") : set.front();
}

TEST(MaterialsFolderDetectionTest, NewestVersionWithAnExistingFolderWins) {
  TempFolder temp;
  for (const char* folder : {"ks9\\Materials", "ks8\\Materials", "ks7\\Materials",
                             "\xBD\xF0\\Materials"}) {
    ASSERT_TRUE(testing::MakeFolders(temp.Join(folder)));
  }
  const std::wstring base = text::GbkToWide(temp.path());
  {
    Installations keys;
    EXPECT_EQ(Detect(), "(untouched)");
  }
  {
    Installations keys;
    keys.Add(9, base + L"\\ks9");
    keys.Add(8, base + L"\\ks8");
    EXPECT_EQ(Detect(), temp.Join("ks9\\Materials"));
  }
  {
    Installations keys;
    keys.Add(9, base + L"\\missing");
    keys.Add(8, base + L"\\ks8");
    EXPECT_EQ(Detect(), temp.Join("ks8\\Materials"));
  }
  {
    Installations keys;
    keys.Add(9, base + L"\\ks9\\");  // a backslash at the end: taken as it is
    EXPECT_EQ(Detect(), temp.Join("ks9\\\\Materials"));
  }
  {
    Installations keys;
    keys.Add(9, L"", REG_DWORD);  // not text: "\Materials" alone, which is not there
    keys.Add(6, L"%TEMP%\\ks7", REG_EXPAND_SZ);  // not expanded
    keys.Add(5, base + L"\\ks7", REG_EXPAND_SZ);
    EXPECT_EQ(Detect(), temp.Join("ks7\\Materials"));
  }
  {
    Installations keys;
    keys.Add(3, base + L"\\\x91D1");  // 金
    EXPECT_EQ(Detect(), temp.Join("\xBD\xF0\\Materials"));
  }
  {
    Installations keys;
    keys.Add(9, std::wstring(5000, L'x'));  // longer than any first buffer
    keys.Add(1, base + L"\\ks8");
    EXPECT_EQ(Detect(), temp.Join("ks8\\Materials"));
  }
}

}  // namespace
}  // namespace marlivo::app
