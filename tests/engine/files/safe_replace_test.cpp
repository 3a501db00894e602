// The safe replacement on real files: content in place with name and attributes kept,
// read-only and locked files left alone, nothing stray left behind.
#include "engine/files/safe_replace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "engine/files/whole_file.h"
#include "tests/support/temp_folder.h"

namespace marlivo::files {
namespace {

using testing::TempFolder;

const std::string kGold = "\xBD\xF0";  // 金

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(ToSystemPath(path).c_str());
}

TEST(SafeReplaceTest, ReplacesTheWholeContentAndLeavesNothingElse) {
  TempFolder temp;
  const std::string deep = [&] {
    std::string folder = "deep";
    while (folder.size() < 300) folder += "\\" + kGold + std::string(30, 'd');
    return folder;
  }();
  struct Case {
    std::string folder;  // relative to the temporary folder
    std::string name;
    std::string old_content;
    std::string new_content;
  };
  const Case cases[] = {
      {"plain", "Gold.mtl", "#define material \"Gold\" {\r\n}", "#define material xX41 {"},
      {kGold, kGold + ".mtl", "old", std::string(2 << 20, 'n')},  // Chinese, long
      {deep, kGold + " Satin.mtl", "old", "new"},                 // beyond MAX_PATH
      {"shrink", "a.mtl", std::string(5000, 'o'), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder + "\\" + c.name);
    temp.WriteFile(c.folder + "\\" + c.name, c.old_content);
    const std::string path = temp.Join(c.folder + "\\" + c.name);
    const ReplaceResult result = ReplaceFileContent(path, c.new_content);
    EXPECT_EQ(result.outcome, ReplaceOutcome::kReplaced);
    EXPECT_EQ(result.error, 0u);
    EXPECT_EQ(ReadWholeFile(path), c.new_content);
    EXPECT_EQ(temp.List(c.folder), std::vector<std::string>{c.name});
  }
}

TEST(SafeReplaceTest, KeepsTheFilesAttributes) {
  TempFolder temp;
  const DWORD kinds[] = {FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_HIDDEN,
                         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM};
  for (DWORD kind : kinds) {
    SCOPED_TRACE(kind);
    temp.WriteFile("Gold.mtl", "old");
    const std::string path = temp.Join("Gold.mtl");
    ASSERT_TRUE(SetFileAttributesW(ToSystemPath(path).c_str(), kind));
    const DWORD before = Attributes(path);
    ASSERT_EQ(before & kind, kind);
    EXPECT_EQ(ReplaceFileContent(path, "new").outcome, ReplaceOutcome::kReplaced);
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_EQ(Attributes(path), before);
    SetFileAttributesW(ToSystemPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST(SafeReplaceTest, LeavesReadOnlyAndLockedFilesAsTheyWere) {
  TempFolder temp;
  temp.WriteFile("ro.mtl", "old read-only");
  const std::string read_only = temp.Join("ro.mtl");
  ASSERT_TRUE(SetFileAttributesW(ToSystemPath(read_only).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReplaceFileContent(read_only, "new").outcome, ReplaceOutcome::kReadOnly);
  EXPECT_EQ(ReadWholeFile(read_only), "old read-only");
  EXPECT_NE(Attributes(read_only) & FILE_ATTRIBUTE_READONLY, 0u);

  temp.WriteFile("held.mtl", "old held");
  const std::string held = temp.Join("held.mtl");
  {
    // Another program holds the file open without sharing, through every retry.
    UniqueHandle holder(CreateFileW(ToSystemPath(held).c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder.valid());
    const ReplaceResult result = ReplaceFileContent(held, "new");
    EXPECT_EQ(result.outcome, ReplaceOutcome::kLocked);
    EXPECT_NE(result.error, 0u);
  }
  EXPECT_EQ(ReadWholeFile(held), "old held");
  EXPECT_EQ(temp.List(), (std::vector<std::string>{"held.mtl", "ro.mtl"}));
  // Once let go, the same file is replaced.
  EXPECT_EQ(ReplaceFileContent(held, "new").outcome, ReplaceOutcome::kReplaced);
  EXPECT_EQ(ReadWholeFile(held), "new");
}

TEST(SafeReplaceTest, MissingFilesFailUnlessAskedToCreate) {
  TempFolder temp;
  const std::string path = temp.Join(kGold + ".ini");
  const ReplaceResult refused = ReplaceFileContent(path, "x");
  EXPECT_EQ(refused.outcome, ReplaceOutcome::kFailed);
  EXPECT_EQ(refused.error, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(temp.List().empty());

  ReplaceOptions create;
  create.if_missing = IfMissing::kCreate;
  EXPECT_EQ(ReplaceFileContent(path, "[configs]\r\n", create).outcome,
            ReplaceOutcome::kReplaced);
  EXPECT_EQ(ReadWholeFile(path), "[configs]\r\n");
  EXPECT_EQ(ReplaceFileContent(temp.Join("no folder\\dic.ini"), "x", create).outcome,
            ReplaceOutcome::kFailed);
  EXPECT_EQ(ReplaceFileContent(temp.path(), "x", create).outcome, ReplaceOutcome::kFailed);
  EXPECT_EQ(temp.List(), std::vector<std::string>{kGold + ".ini"});
}

TEST(SafeReplaceTest, LeftoverNamesAreOursAlone) {
  struct Case {
    std::wstring name;
    bool ours;
  };
  const Case cases[] = {
      {L".marlivo-00001a2c00000003.tmp", true},
      {L".marlivo-0000000000000000.tmp", true},
      {L".marlivo-00001A2C00000003.tmp", false},  // we write lower-case digits
      {L".marlivo-00001a2c0000003.tmp", false},
      {L".marlivo-00001a2c00000003.tmp.mtl", false},
      {L".marlivo-00001a2c00000003.TMP", false},
      {L"marlivo-00001a2c00000003.tmp", false},
      {L".marlivo-00001a2c0000000g.tmp", false},
      {L"Gold.mtl", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsReplaceLeftoverName(c.name), c.ours) << std::string(c.name.begin(), c.name.end());
  }
}

TEST(SafeReplaceTest, CleanUpRemovesOnlyLeftoversOfAKilledRun) {
  TempFolder temp;
  const char* const leftovers[] = {".marlivo-00001a2c00000003.tmp",
                                   ".marlivo-0000ffff00000000.tmp"};
  const char* const user_files[] = {"Gold.mtl", ".marlivo-notours.tmp", "x.tmp",
                                    ".marlivo-00001a2c00000003.tmp.bak"};
  for (const char* name : leftovers) temp.WriteFile(name, "half");
  for (const char* name : user_files) temp.WriteFile(name, "user");
  temp.WriteFile("sub\\.marlivo-00001a2c00000004.tmp", "half");

  // A leftover never passes for a material file, not even through its 8.3 name.
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(ToSystemPath(temp.Join("*.mtl")).c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  int matches = 0;
  do {
    EXPECT_EQ(std::wstring(found.cFileName), L"Gold.mtl");
    ++matches;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  EXPECT_EQ(matches, 1);

  EXPECT_EQ(RemoveReplaceLeftovers(temp.path()), 2u);
  EXPECT_EQ(temp.List(), (std::vector<std::string>{".marlivo-00001a2c00000003.tmp.bak",
                                                   ".marlivo-notours.tmp", "Gold.mtl",
                                                   "sub", "x.tmp"}));
  EXPECT_EQ(temp.List("sub"), std::vector<std::string>{".marlivo-00001a2c00000004.tmp"});
  EXPECT_EQ(RemoveReplaceLeftovers(temp.path() + "\\"), 0u);
  EXPECT_EQ(RemoveReplaceLeftovers(temp.Join("missing")), 0u);
}

}  // namespace
}  // namespace marlivo::files
