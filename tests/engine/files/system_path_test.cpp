// GBK paths reach the W functions intact, also with Chinese names and beyond MAX_PATH,
// whatever the ANSI code page; names GBK cannot hold are refused, never approximated.
#include "engine/files/system_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/files/whole_file.h"
#include "engine/text/code_page.h"
#include "tests/support/temp_folder.h"

namespace marlivo::files {
namespace {

const std::string kGold = "\xBD\xF0";        // 金
const std::string kSatin = "\xB1\xE6\xB1\xE6";  // a two-character GBK name

TEST(SystemPathTest, ShortPathsAreOnlyConverted) {
  EXPECT_EQ(ToSystemPath(std::string("C:\\m\\") + kGold + ".mtl"), L"C:\\m\\\x91D1.mtl");
  EXPECT_EQ(ToSystemPath(std::string_view("relative\\a.mtl")), L"relative\\a.mtl");
  EXPECT_EQ(ToSystemPath(std::string_view("")), L"");
}

TEST(SystemPathTest, LongPathsGetTheLongFormOfTheSameFile) {
  const std::string part(100, 'p');
  const std::string path = "C:\\" + part + "/" + part + "\\.\\x\\..\\" + part + "\\f.mtl";
  const std::wstring wide_part(100, L'p');
  EXPECT_EQ(ToSystemPath(path),
            L"\\\\?\\C:\\" + wide_part + L"\\" + wide_part + L"\\" + wide_part + L"\\f.mtl");
  EXPECT_EQ(ToSystemPath("\\\\server\\share\\" + part + "\\" + part + "\\" + part),
            L"\\\\?\\UNC\\server\\share\\" + wide_part + L"\\" + wide_part + L"\\" +
                wide_part);
  const std::wstring already = L"\\\\?\\C:\\" + wide_part + L"\\" + wide_part + L"\\" +
                               wide_part + L"\\..";
  EXPECT_EQ(ToSystemPath(std::wstring_view(already)), already);
}

TEST(SystemPathTest, GbkTextComesBackOnlyWhenExact) {
  EXPECT_EQ(ToGbkPath(L"C:\\m\\\x91D1.mtl"), "C:\\m\\" + kGold + ".mtl");
  EXPECT_EQ(ToGbkPath(L"\\\\?\\C:\\m\\\x91D1"), "C:\\m\\" + kGold);
  EXPECT_EQ(ToGbkPath(L"\\\\?\\UNC\\server\\share\\a"), "\\\\server\\share\\a");
  EXPECT_EQ(ToGbkPath(L""), "");
  // Korean, and a Latin letter that a best fit would turn into a plain "a".
  EXPECT_EQ(ToGbkPath(L"C:\\m\\\xD55C.mtl"), std::nullopt);
  EXPECT_EQ(ToGbkPath(L"C:\\m\\\x00C0.mtl"), std::nullopt);
}

TEST(SystemPathTest, ChineseNamesDeeperThanMaxPathAreRealFiles) {
  testing::TempFolder temp;
  std::string folder = temp.path();
  while (folder.size() < 400) folder += "\\" + kSatin + std::string(40, 'd') + kGold;
  ASSERT_TRUE(testing::MakeFolders(folder));
  const std::string file = folder + "\\" + kGold + ".mtl";
  ASSERT_GT(ToSystemPath(file).size(), static_cast<std::size_t>(MAX_PATH));
  temp.WriteFile(file.substr(temp.path().size() + 1), "deep");
  EXPECT_EQ(ReadWholeFile(file), "deep");

  // The name as the system lists it comes back as the GBK text it was made from.
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(ToSystemPath(folder + "\\*.mtl").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(ToGbkPath(found.cFileName), kGold + ".mtl");
}

}  // namespace
}  // namespace marlivo::files
