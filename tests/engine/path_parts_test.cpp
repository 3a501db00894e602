// Base names and parent paths of GBK paths, double-byte characters included.
#include "engine/path_parts.h"

#include <gtest/gtest.h>

namespace marlivo::engine {
namespace {

struct BaseNameCase {
  const char* path;
  const char* base_name;
};

TEST(PathPartsTest, BaseNameDropsFolderAndExtension) {
  const BaseNameCase cases[] = {
      {"C:\\m\\Gold.Satin.mtl", "Gold.Satin"},
      {"C:\\m\\.mtl", ""},
      {"C:\\m\\", ""},
      {"C:\\m\\Metal 1.5", "Metal 1"},
      {"C:\\m\\Gold", "Gold"},
      {"Gold.mtl", "Gold"},
      // A space after the last dot: no extension, as the shell has it.
      {"C:\\m\\Gold. Satin", "Gold. Satin"},
      {"C:\\a.b\\Gold", "Gold"},
      // "\x95\x5C" is one double-byte character whose second byte is "\".
      {"C:\\m\\\x95\x5C.mtl", "\x95\x5C"},
      // "\xB5\x2E"-like pairs: a "." byte inside a character is no dot.
      {"C:\\m\\\xD6\xD0\xCE\xC4.mtl", "\xD6\xD0\xCE\xC4"},
  };
  for (const BaseNameCase& c : cases) EXPECT_EQ(BaseName(c.path), c.base_name) << c.path;
}

TEST(PathPartsTest, ParentPathKeepsTheLastBackslash) {
  EXPECT_EQ(ParentPath("C:\\m\\A\\B"), "C:\\m\\A\\");
  EXPECT_EQ(ParentPath("C:\\m\\A\\"), "C:\\m\\A\\");
  EXPECT_EQ(ParentPath("no separator"), "");
  // The trailing "\x5C" is the second byte of a character, not a separator.
  EXPECT_EQ(ParentPath("C:\\m\\\x95\x5C"), "C:\\m\\");
}

TEST(PathPartsTest, ExtensionIsWhatTheStartCommandCompares) {
  EXPECT_EQ(ExtensionPart("C:\\d\\dic.ini"), ".ini");
  EXPECT_EQ(ExtensionPart("C:\\d\\dic.INI"), ".INI");
  EXPECT_EQ(ExtensionPart("C:\\d.ini\\dic"), "");
  EXPECT_EQ(ExtensionPart("C:\\d\\my dic.ini"), ".ini");
  EXPECT_EQ(ExtensionPart("C:\\d\\dic.ini.bak"), ".bak");
}

}  // namespace
}  // namespace marlivo::engine
