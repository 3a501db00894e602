// The dry run's plan: lines in a real run's order, renames played on the names they
// free and take, nothing changed on disk.
#include "engine/planned_changes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::TempFolder;

TEST(PlannedChangesTest, FolderRenamesSeeTheNamesEarlierRenamesFreedAndTook) {
  TempFolder temp;
  for (const char* folder : {"lib\\A", "lib\\B", "lib\\C", "lib\\gold"}) {
    ASSERT_TRUE(testing::MakeFolders(temp.Join(folder)));
  }
  temp.WriteFile("lib\\file", "x");
  std::vector<std::string> lines;
  PlannedChanges plan([&lines](std::string_view line) { lines.emplace_back(line); });
  const std::string lib = temp.Join("lib") + "\\";

  EXPECT_EQ(plan.RenameFolder(lib + "C", lib + "D"), ChangeOutcome::kDone);   // C is free now
  EXPECT_EQ(plan.RenameFolder(lib + "B", lib + "C"), ChangeOutcome::kDone);   // so B may take it
  EXPECT_EQ(plan.RenameFolder(lib + "A", lib + "D"), ChangeOutcome::kExists); // D was taken
  EXPECT_EQ(plan.RenameFolder(lib + "A", lib + "FILE"), ChangeOutcome::kExists);  // case aside
  EXPECT_EQ(plan.RenameFolder(lib + "gold", lib + "Gold"), ChangeOutcome::kDone);  // case only
  EXPECT_EQ(lines, (std::vector<std::string>{"folder " + lib + "C -> " + lib + "D",
                                             "folder " + lib + "B -> " + lib + "C",
                                             "folder " + lib + "gold -> " + lib + "Gold"}));
  EXPECT_EQ(temp.List("lib"), (std::vector<std::string>{"A", "B", "C", "file", "gold"}));
}

TEST(PlannedChangesTest, MaterialLinesAndReadOnlyFiles) {
  TempFolder temp;
  temp.WriteFile("a.mtl", "old");
  temp.WriteFile("ro.mtl", "old");
  SetFileAttributesW(files::ToSystemPath(temp.Join("ro.mtl")).c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<std::string> lines;
  PlannedChanges plan([&lines](std::string_view line) { lines.emplace_back(line); });
  EXPECT_EQ(plan.ReplaceMaterial(temp.Join("a.mtl"), "Gold", "\xBD\xF0", "new"), ChangeOutcome::kDone);
  EXPECT_EQ(plan.ReplaceMaterial(temp.Join("ro.mtl"), "Gold", "Au", "new"), ChangeOutcome::kReadOnly);
  EXPECT_EQ(lines, std::vector<std::string>{"material " + temp.Join("a.mtl") + ": Gold -> \xBD\xF0"});
  EXPECT_EQ(files::ReadFileOrEmpty(temp.Join("a.mtl")), "old");
}

}  // namespace
}  // namespace marlivo::engine
