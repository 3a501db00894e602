// The collection of material files: depth-first order, what counts as a material file,
// the leftovers of a killed run, names that code page 936 cannot hold, deep trees.
#include "engine/material_collection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/files/system_path.h"
#include "engine/text/code_page.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::TempFolder;

// The collected paths relative to `root`.
std::vector<std::string> Collected(const JobState& state, const std::string& root) {
  std::vector<std::string> relative;
  for (const std::string& path : state.MaterialFileList) {
    EXPECT_EQ(path.compare(0, root.size() + 1, root + "\\"), 0) << path;
    relative.push_back(path.substr(root.size() + 1));
  }
  return relative;
}

std::size_t IndexOf(const std::vector<std::string>& list, const std::string& item) {
  return static_cast<std::size_t>(std::find(list.begin(), list.end(), item) - list.begin());
}

TEST(MaterialCollectionTest, FilesOfAFolderComeBeforeItsSubfoldersWholeTrees) {
  TempFolder temp;
  for (const char* file : {"lib\\top1.mtl", "lib\\top2.MTL", "lib\\A\\a.mtl", "lib\\A\\deep\\ad.mtl",
                           "lib\\B\\b.mtl", "lib\\.hidden\\h.mtl", "lib\\\xBD\xF0\xCA\xF4\\\xBB\xC6\xBD\xF0.mtl",
                           "lib\\A\\x.mtlx", "lib\\A\\x.mtl.bak", "lib\\A\\notes.txt"}) {
    temp.WriteFile(file, "x");
  }
  testing::MakeFolders(temp.Join("lib\\folder.mtl"));
  JobState state;
  CollectMaterialFiles(state, temp.Join("lib"));
  const std::vector<std::string> got = Collected(state, temp.Join("lib"));

  std::vector<std::string> sorted = got;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{".hidden\\h.mtl", "A\\a.mtl", "A\\deep\\ad.mtl",
                                              "B\\b.mtl", "top1.mtl", "top2.MTL",
                                              "\xBD\xF0\xCA\xF4\\\xBB\xC6\xBD\xF0.mtl"}));
  // The folder's own files first; a subfolder's whole tree before the next subfolder.
  EXPECT_LT(IndexOf(got, "top1.mtl"), 2u);
  EXPECT_LT(IndexOf(got, "top2.MTL"), 2u);
  EXPECT_EQ(IndexOf(got, "A\\deep\\ad.mtl"), IndexOf(got, "A\\a.mtl") + 1);
  EXPECT_TRUE(state.RunLog.IsEmpty());
}

TEST(MaterialCollectionTest, TrailingBackslashAndMissingFolders) {
  TempFolder temp;
  temp.WriteFile("lib\\a.mtl", "x");
  JobState state;
  CollectMaterialFiles(state, temp.Join("lib\\"));
  EXPECT_EQ(state.MaterialFileList, std::vector<std::string>{temp.Join("lib\\a.mtl")});
  JobState missing;
  CollectMaterialFiles(missing, temp.Join("nothing here"));
  EXPECT_TRUE(missing.MaterialFileList.empty());
}

TEST(MaterialCollectionTest, LeftoversOfAKilledRunAreDeletedAndNeverCollected) {
  TempFolder temp;
  temp.WriteFile("lib\\a.mtl", "x");
  temp.WriteFile("lib\\sub\\.marlivo-0000001200000003.tmp", "half");
  temp.WriteFile("lib\\.marlivo-00000012000000ff.tmp", "half");
  temp.WriteFile("lib\\.marlivo-notours.tmp", "someone else's");
  JobState state;
  CollectMaterialFiles(state, temp.Join("lib"));
  EXPECT_EQ(state.MaterialFileList, std::vector<std::string>{temp.Join("lib\\a.mtl")});
  EXPECT_EQ(temp.List("lib"), (std::vector<std::string>{".marlivo-notours.tmp", "a.mtl", "sub"}));
  EXPECT_TRUE(temp.List("lib\\sub").empty());
}

TEST(MaterialCollectionTest, NameThatCodePage936CannotHoldIsLoggedAndLeftOut) {
  TempFolder temp;
  temp.WriteFile("lib\\a.mtl", "x");
  // U+1F600 and U+00E5 have no GBK form: their nearest GBK text ("?", "a") would name
  // another file or none.
  const std::wstring folder = text::GbkToWide(temp.Join("lib"));
  for (const wchar_t* name : {L"\\smile\xD83D\xDE00.mtl", L"\\r\x00E5.mtl", L"\\ra.mtl"}) {
    const HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  JobState state;
  CollectMaterialFiles(state, temp.Join("lib"));
  std::vector<std::string> got = state.MaterialFileList;
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (std::vector<std::string>{temp.Join("lib\\a.mtl"), temp.Join("lib\\ra.mtl")}));
  const std::string log = state.RunLog.Copy();
  EXPECT_NE(log.find("error:name not in code page 936 \"" + temp.Join("lib\\smile")), std::string::npos) << log;
  EXPECT_NE(log.find("error:name not in code page 936 \"" + temp.Join("lib\\r")), std::string::npos) << log;
}

TEST(MaterialCollectionTest, TreesDeeperThanMaxPath) {
  TempFolder temp;
  std::string relative = "lib";
  for (int i = 0; i < 40; ++i) relative += "\\\xC9\xEE\xB2\xE3" + std::to_string(i);  // 深层
  temp.WriteFile(relative + "\\\xBD\xF0.mtl", "x");
  ASSERT_GT(temp.Join(relative).size(), 300u);
  JobState state;
  CollectMaterialFiles(state, temp.Join("lib"));
  EXPECT_EQ(state.MaterialFileList, std::vector<std::string>{temp.Join(relative + "\\\xBD\xF0.mtl")});
}

}  // namespace
}  // namespace marlivo::engine
