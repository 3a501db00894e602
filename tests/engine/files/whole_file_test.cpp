// Whole-file reads: every byte, and "could not open" told apart from "empty".
#include "engine/files/whole_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/files/system_path.h"
#include "engine/files/unique_handle.h"
#include "tests/support/temp_folder.h"

namespace marlivo::files {
namespace {

TEST(WholeFileTest, ReadsEveryByteAndTellsMissingFromEmpty) {
  testing::TempFolder temp;
  std::string binary("a\0b\x1A\r\n\xFF", 7);
  binary += std::string(3 << 20, 'x');  // several read chunks
  temp.WriteFile("binary.mtl", binary);
  temp.WriteFile("empty.mtl", "");

  EXPECT_EQ(ReadWholeFile(temp.Join("binary.mtl")), binary);
  EXPECT_EQ(ReadWholeFile(temp.Join("empty.mtl")), std::string());
  EXPECT_EQ(ReadWholeFile(temp.Join("missing.mtl")), std::nullopt);
  EXPECT_EQ(ReadWholeFile(temp.path()), std::nullopt);  // a folder
  EXPECT_EQ(ReadFileOrEmpty(temp.Join("missing.mtl")), "");
  EXPECT_EQ(ReadFileOrEmpty(temp.Join("binary.mtl")), binary);
}

TEST(WholeFileTest, ReadsFilesThatOthersHoldOpenForWriting) {
  testing::TempFolder temp;
  temp.WriteFile("dic.ini", "[dic]\r\nGold=Au\r\n");
  // A dictionary open in an editor, read-only or not, is still readable...
  UniqueHandle writer(CreateFileW(ToSystemPath(temp.Join("dic.ini")).c_str(),
                                  GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer.valid());
  EXPECT_EQ(ReadWholeFile(temp.Join("dic.ini")), "[dic]\r\nGold=Au\r\n");
  writer.reset();
  // ... and a read-only file too.
  ASSERT_TRUE(SetFileAttributesW(ToSystemPath(temp.Join("dic.ini")).c_str(),
                                 FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReadWholeFile(temp.Join("dic.ini")), "[dic]\r\nGold=Au\r\n");
  // A file held without sharing cannot be read, and says so.
  ASSERT_TRUE(SetFileAttributesW(ToSystemPath(temp.Join("dic.ini")).c_str(),
                                 FILE_ATTRIBUTE_NORMAL));
  UniqueHandle exclusive(CreateFileW(ToSystemPath(temp.Join("dic.ini")).c_str(),
                                     GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(exclusive.valid());
  EXPECT_EQ(ReadWholeFile(temp.Join("dic.ini")), std::nullopt);
}

}  // namespace
}  // namespace marlivo::files
