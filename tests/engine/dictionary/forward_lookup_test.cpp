// The forward lookup on real dictionary files, under both code pages: the rules of the
// system's reader, Chinese names that a Latin fold of GBK bytes would confuse, files
// that change between lookups, write-protected and malformed dictionaries.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/dictionary.h"
#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using namespace std::string_literals;
using testing::TempFolder;
using testing::Utf16FileBytes;

const std::string kGold = "\xBD\xF0";       // 金
const std::string kUpperA = "\x81\x41";     // two Chinese characters whose second bytes
const std::string kLowerA = "\x81\x61";     // are "A" and "a"

TEST(ForwardLookupTest, FindsNamesAsTheSystemsReaderDoes) {
  TempFolder temp;
  std::string content =
      "[configs]\r\nGold=not here\r\n"
      "[DIC]\r\n"
      "gold=Au\r\n"
      "Key = Value \r\n"
      "Empty=\r\n"
      "Quoted=\"  spaced  \"\r\n"
      "  Lead=Pb\r\n";
  for (const auto& [name, value] : {std::pair{kGold, "Jin"}, std::pair{kUpperA, "upper"},
                                    std::pair{kLowerA, "lower"}}) {
    content.append(name).append("=").append(value).append("\r\n");
  }
  content += "Gold=second\r\n";
  temp.WriteFile("dic.ini", content);
  const std::string dic = temp.Join("dic.ini");
  struct Case {
    std::string name;
    std::string value;
  } const cases[] = {
      {"Gold", "Au"},   {"GOLD", "Au"},   {" gold\t", "Au"},         {"Key", "Value"},
      {"Empty", ""},    {"Quoted", "  spaced  "},                    {"Lead", "Pb"},
      {kGold, "Jin"},   {kUpperA, "upper"}, {kLowerA, "lower"},      {"Missing", ""},
      {"", ""},         {"Gold=Au", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ForwardLookup(dic, c.name), c.value) << c.name;
  }
  EXPECT_EQ(ForwardLookup(temp.Join("missing.ini"), "Gold"), "");
  EXPECT_EQ(ForwardLookup(temp.path(), "Gold"), "");  // a folder
}

TEST(ForwardLookupTest, WorksInChineseFoldersAndOnWriteProtectedFiles) {
  TempFolder temp;
  const std::string relative = kGold + "\\" + kGold + ".ini";
  temp.WriteFile(relative, "[dic]\r\n" + kGold + "=Au\r\n");
  const std::string dic = temp.Join(relative);
  ASSERT_TRUE(SetFileAttributesW(files::ToSystemPath(dic).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ForwardLookup(dic, kGold), "Au");
}

TEST(ForwardLookupTest, FollowsTheFileWhenItChanges) {
  TempFolder temp;
  const std::string dic = temp.Join("dic.ini");
  temp.WriteFile("dic.ini", "[dic]\r\nGold=Au\r\n");
  EXPECT_EQ(ForwardLookup(dic, "Gold"), "Au");
  // Replaced by this process: seen at once.
  ASSERT_EQ(files::ReplaceFileContent(dic, "[dic]\r\nGold=Aurum\r\n").outcome,
            files::ReplaceOutcome::kReplaced);
  EXPECT_EQ(ForwardLookup(dic, "Gold"), "Aurum");
  // Written by someone else, with the same size: seen once its stamp has been asked
  // for again, which the lookups do at most once a millisecond.
  Sleep(20);
  temp.WriteFile("dic.ini", "[dic]\r\nGold=AuAu!\r\n");
  Sleep(20);
  EXPECT_EQ(ForwardLookup(dic, "Gold"), "AuAu!");
  DeleteFileW(files::ToSystemPath(dic).c_str());
  Sleep(20);  // past the stamp's interval again, or the lookup answers from the cache
  EXPECT_EQ(ForwardLookup(dic, "Gold"), "");
}

TEST(ForwardLookupTest, MalformedDictionariesGiveSensibleResults) {
  TempFolder temp;
  const std::string long_value(3 << 20, 'v');
  struct Case {
    std::string content;
    std::string name;
    std::string value;
  } const cases[] = {
      {"Gold=Au\r\n", "Gold", ""},                                  // no sections
      {"\xEF\xBB\xBF[dic]\r\n\xE9\x87\x91=Au\r\n", kGold, "Au"},   // UTF-8 with its mark
      {Utf16FileBytes(L"[dic]\r\n\x91D1=Au\r\n"), kGold, "Au"},          // UTF-16 with its mark
      {Utf16FileBytes(L"[dic]\r\nGold=\xD55C\r\n"), "Gold", "?"},        // GBK lacks it
      {"[dic]\r\nGold=" + long_value + "\r\nB=b", "Gold", long_value},  // values of any length
      {"[dic]\r\n" + std::string(1 << 20, '=') + "\r\nB=b", "B", "b"},
      {"[dic]\r\nGold=A\0u\r\n"s, "Gold", "A"},
      {"\0\0\0\0"s, "Gold", ""},
      {"", "Gold", ""},
  };
  int row = 0;
  for (const Case& c : cases) {
    const std::string name = std::to_string(row++).append(".ini");
    temp.WriteFile(name, c.content);
    EXPECT_EQ(ForwardLookup(temp.Join(name), c.name), c.value) << name;
  }
}

TEST(ForwardLookupTest, LookupsOnSeveralThreadsWhileTheFileIsReplaced) {
  TempFolder temp;
  const std::string dic = temp.Join("dic.ini");
  std::string big = "[dic]\r\n";
  for (int i = 0; i < 20000; ++i) big.append("n").append(std::to_string(i)).append("=v\r\n");
  temp.WriteFile("dic.ini", big + "Gold=old\r\n");
  std::atomic<bool> stop{false};
  std::atomic<int> odd{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 3; ++t) {
    readers.emplace_back([&] {
      while (!stop) {
        const std::string value = ForwardLookup(dic, "Gold");
        if (value != "old" && value != "new") ++odd;
      }
    });
  }
  for (int i = 0; i < 20; ++i) {
    files::ReplaceFileContent(dic, big + (i % 2 ? "Gold=old\r\n" : "Gold=new\r\n"));
  }
  stop = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(odd, 0);
  EXPECT_EQ(ForwardLookup(dic, "Gold"), "old");
}

}  // namespace
}  // namespace marlivo::engine
