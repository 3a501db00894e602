// The folder name rules on their own, UTF-16 names.
#include "engine/folder_name_rules.h"

#include <gtest/gtest.h>

namespace marlivo::engine {
namespace {

TEST(FolderNameRulesTest, RefusesWhatAFolderCannotCarryInPlace) {
  const wchar_t* refused[] = {L"", L".", L"..", L"a\\b", L"a/b", L"a<b", L"a>b", L"a:b",
                              L"a\"b", L"a|b", L"a?b", L"a*b", (L"a\x01" L"b"), L"a\x1F",
                              L"end.", L"end ", L"CON", L"con", L"Prn.txt", L"AUX.tar.gz",
                              L"NUL ", L"nul .x", L"COM1", L"com9.log", L"LPT1", L"lpt5.a"};
  for (const wchar_t* name : refused) EXPECT_FALSE(IsAcceptableFolderName(name)) << name;
  const wchar_t* accepted[] = {L"Gold", L"Gold - Au", L".git", L"a.b", L"CONSOLE", L"COM0",
                               L"COM10", L"LPT", L"xCON", L"\x91D1\x5C5E", L" lead", L"a b",
                               L"\x7F"};
  for (const wchar_t* name : accepted) EXPECT_TRUE(IsAcceptableFolderName(name)) << name;
}

}  // namespace
}  // namespace marlivo::engine
