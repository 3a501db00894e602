// The folder listing and the descending sort that the folder pass relies on.
#include "engine/folder_listing.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::TempFolder;

TEST(FolderListingTest, EnumeratesBelowLeavingOutDotFolders) {
  TempFolder temp;
  for (const char* folder : {"lib\\A\\B\\C", "lib\\A\\.git\\objects", "lib\\.cache\\X",
                             "lib\\\xBD\xF0\xCA\xF4\\\xD2\xF8"}) {
    ASSERT_TRUE(testing::MakeFolders(temp.Join(folder)));
  }
  temp.WriteFile("lib\\file.mtl", "x");
  const std::string lib = temp.Join("lib");

  std::vector<std::string> full;
  EXPECT_EQ(EnumerateSubfolders(lib, full, true, true), 5u);
  std::sort(full.begin(), full.end());
  EXPECT_EQ(full, (std::vector<std::string>{lib + "\\A", lib + "\\A\\B", lib + "\\A\\B\\C",
                                            lib + "\\\xBD\xF0\xCA\xF4",
                                            lib + "\\\xBD\xF0\xCA\xF4\\\xD2\xF8"}));
  std::vector<std::string> names;
  EXPECT_EQ(EnumerateSubfolders(lib + "\\", names, false, false), 2u);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"A", "\xBD\xF0\xCA\xF4"}));
  std::vector<std::string> none;
  EXPECT_EQ(EnumerateSubfolders(temp.Join("missing"), none, true, true), 0u);
  EXPECT_TRUE(none.empty());
}

TEST(FolderListingTest, HasSubfolderCountsDotFoldersButNoFiles) {
  TempFolder temp;
  ASSERT_TRUE(testing::MakeFolders(temp.Join("dot\\.git")));
  temp.WriteFile("files\\a.mtl", "x");
  EXPECT_TRUE(HasSubfolder(temp.Join("dot")));
  EXPECT_TRUE(HasSubfolder(temp.path() + "\\"));
  EXPECT_FALSE(HasSubfolder(temp.Join("files")));
  EXPECT_FALSE(HasSubfolder(temp.Join("missing")));
}

TEST(FolderListingTest, SortPutsEveryFolderBeforeItsAncestors) {
  std::vector<std::string> paths = {
      "C:\\m\\A", "C:\\m\\A\\B", "C:\\m\\A B", "C:\\m\\A-B", "C:\\m\\A\\B\\C", "C:\\m\\a",
      "C:\\m\\\xBD\xF0", "C:\\m\\\xBD\xF0\\\xD2\xF8", "C:\\m\\\x95\x5C", "C:\\m\\\x95\x5C\\x",
      "C:\\m\\Z", "C:\\m\\A.1", "C:\\m\\A.1\\x"};
  const std::vector<std::string> input = paths;
  SortTextsDescending(paths);
  ASSERT_EQ(paths.size(), input.size());
  for (std::size_t i = 0; i < paths.size(); ++i) {
    for (std::size_t j = i + 1; j < paths.size(); ++j) {
      // Every folder comes before its ancestors: a later path never lies below an
      // earlier one.
      EXPECT_NE(paths[j].compare(0, paths[i].size() + 1, paths[i] + "\\"), 0)
          << paths[j] << " after its ancestor " << paths[i];
    }
  }
  std::vector<std::string> again = input;
  std::reverse(again.begin(), again.end());
  SortTextsDescending(again);
  EXPECT_EQ(again, paths);  // the order does not depend on the input's
}

}  // namespace
}  // namespace marlivo::engine
