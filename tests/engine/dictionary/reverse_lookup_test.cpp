// The reverse lookup on real files: the pattern's rules, the multiple-results line,
// write-protected and malformed dictionaries, and the index of plain names agreeing
// with the pattern engine on generated dictionaries.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/dictionary.h"
#include "engine/dictionary/pattern_search.h"
#include "engine/dictionary/reverse_search.h"
#include "engine/files/system_path.h"
#include "engine/run_log.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using namespace std::string_literals;
using testing::TempFolder;

const std::string kGold = "\xBD\xF0";  // 金
// A character whose second byte is "[": it must not end the section.
const std::string kTrailBracket = "\x81\x5B";

TEST(ReverseLookupTest, FindsTheKeyAsThePatternSearchDoes) {
  TempFolder temp;
  const std::string dic =
      "[configs]\r\nFrom=0\r\n"
      "[dic]\r\n"
      "Gold=Au\r\n"
      "Key = Value\r\n"
      "  Lead=Pb\r\n"
      "a=b=c\r\n"
      "Two1=Twice\r\nTwo2=Twice\r\n"
      "Paren=x(1){3}]\r\n"
      "Dot=a.c\r\n"
      "Blank=\r\n" +
      kGold + kTrailBracket + "=Jin\r\n"
      "Bare=cr\rBefore=after\r\n"
      "Stop=here[\r\nAfter=bracket\r\n"
      "[dic]\r\nSecond=section\r\n";
  temp.WriteFile("dic.ini", dic);
  const std::string path = temp.Join("dic.ini");
  struct Case {
    std::string name;
    std::string key;
    bool multiple = false;
  } const cases[] = {
      {"Au", "Gold"},
      {"Value", ""},        // the text after "=" begins with a blank
      {" Value", "Key "},
      {"Pb", "  Lead"},     // the key keeps its blanks
      {"c", "a=b"},
      {"b=c", "a"},
      {"Twice", "", true},
      {"x(1){3}]", "Paren"},    // brackets are escaped
      {"a.c", "Dot"},
      {"abc", ""},
      {"a_c", ""},
      {".*", "", true},         // pattern syntax keeps its meaning: every entry matches
      {"", "Blank"},
      {"Jin", kGold + kTrailBracket},
      {"after", "Bare=cr\rBefore"},  // ".*?" crosses a bare CR
      {"cr", "Bare"},
      {"here[", ""},              // "[" ends the searchable section...
      {"here", "Stop"},           // ... right there
      {"bracket", ""},
      {"section", ""},            // only the first "[dic]" counts
      {"0", ""},                  // nor does "configs"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunLog log;
    EXPECT_EQ(ReverseLookup(path, c.name, log), c.key);
    EXPECT_EQ(log.Copy(), c.multiple ? "error:multiple results \"" + c.name + "\"\r\n" : "");
  }
}

TEST(ReverseLookupTest, WriteProtectedUnreadableAndOddDictionaries) {
  TempFolder temp;
  RunLog log;
  temp.WriteFile("ro.ini", "[dic]\r\nGold=Au\r\n");
  ASSERT_TRUE(SetFileAttributesW(files::ToSystemPath(temp.Join("ro.ini")).c_str(),
                                 FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReverseLookup(temp.Join("ro.ini"), "Au", log), "Gold");
  EXPECT_EQ(ReverseLookup(temp.Join("missing.ini"), "", log), "");

  auto utf16 = [](std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t ch : text) {
      bytes.push_back(static_cast<char>(ch & 0xFF));
      bytes.push_back(static_cast<char>(ch >> 8));
    }
    return bytes;
  };
  struct Case {
    std::string content;
    std::string name;
    std::string key;
  } const cases[] = {
      {"[DIC]\r\nGold=Au\r\n", "Au", ""},  // the section line must be exactly "[dic]"
      {"Gold=Au\r\n", "Au", ""},           // no sections
      {"[dic]\nGold=Au\nLead=Pb", "Pb", "Lead"},
      {"[dic]\r\nGold=Au\x1A\r\nLead=Pb\r\n", "Pb", ""},  // Ctrl-Z ends the text
      {"[dic]\r\nGold=Au\r\n\0Lead=Pb\r\n"s, "Pb", ""},
      {"\xEF\xBB\xBF[dic]\r\n\xE9\x87\x91=Au\r\n", "Au", kGold},
      {utf16(L"[dic]\r\n\x91D1=Au\r\n"), "Au", kGold},
      {"[dic]\r\n" + std::string(1 << 18, 'k') + "=Au\r\nb=" + std::string(1 << 18, '='),
       "Au", std::string(1 << 18, 'k')},
      {"[dic]\r\n" + std::string(1 << 18, '=') + "\r\n", "=", std::string((1 << 18) - 2, '=')},
      {"[dic]\r\na=x\r\nb=x\r\n", "x", ""},
  };
  int row = 0;
  for (const Case& c : cases) {
    const std::string name = std::to_string(row++).append(".ini");
    SCOPED_TRACE(name);
    temp.WriteFile(name, c.content);
    EXPECT_EQ(ReverseLookup(temp.Join(name), c.name, log), c.key);
    EXPECT_EQ(dictionary::PlainReverseLookup(temp.Join(name), c.name, log), c.key);
  }
  EXPECT_EQ(log.Copy(), "error:multiple results \"x\"\r\nerror:multiple results \"x\"\r\n");
}

// Random dictionaries from pieces that matter to the pattern: "=", CR, LF, "[", blanks,
// double-byte characters (one with "[" as its second byte), and repeated values.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "A", "B", "ab", "=", "=", "==", "\r", "\n", "\r\n", "\r\n", " ", "[", "]",
      "\xBD\xF0", kTrailBracket, "(", ")", "[dic]", "\r\n[dic]\r\n", "\x1A"};
  std::string text = std::uniform_int_distribution<int>(0, 3)(random) ? "[dic]\r\n" : "";
  const int count = std::uniform_int_distribution<int>(0, 60)(random);
  for (int i = 0; i < count; ++i) {
    text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  }
  return text;
}

// Plain names worth asking for: every text after an "=" up to a line break, and a few
// short random ones.
std::vector<std::string> NamesIn(const std::string& text, std::mt19937& random) {
  std::vector<std::string> names = {"", "A", "B", "=", "A=B", "\xBD\xF0", kTrailBracket};
  for (std::size_t at = text.find('='); at != std::string::npos; at = text.find('=', at + 1)) {
    const std::size_t end = text.find_first_of("\r\n", at + 1);
    names.push_back(text.substr(at + 1, end == std::string::npos ? end : end - at - 1));
  }
  const int extra = std::uniform_int_distribution<int>(0, 3)(random);
  for (int i = 0; i < extra; ++i) names.push_back(RandomText(random).substr(0, 4));
  return names;
}

TEST(ReverseLookupTest, IndexAndPatternEngineAgreeOnGeneratedDictionaries) {
  TempFolder temp;
  std::mt19937 random(20240611);
  int compared = 0;
  for (int round = 0; round < 400; ++round) {
    const std::string text = RandomText(random);
    const std::string section = dictionary::ReverseSearchText(text);
    const dictionary::ReverseIndex index(section);
    for (const std::string& name : NamesIn(text, random)) {
      if (!dictionary::IsPlainReverseName(name)) continue;
      const dictionary::ReverseResult engine = dictionary::PatternReverseSearch(section, name);
      const dictionary::ReverseResult indexed = index.Find(name);
      ASSERT_EQ(indexed.count, engine.count) << "text [" << text << "] name [" << name << "]";
      if (engine.count == 1) {
        ASSERT_EQ(indexed.first_key, engine.first_key)
            << "text [" << text << "] name [" << name << "]";
      }
      ++compared;
    }
    // And through the files, log lines included.
    if (round % 20 == 0) {
      const std::string file = std::to_string(round).append(".ini");
      temp.WriteFile(file, text);
      const std::string path = temp.Join(file);
      for (const std::string& name : NamesIn(text, random)) {
        RunLog cached, plain;
        EXPECT_EQ(ReverseLookup(path, name, cached),
                  dictionary::PlainReverseLookup(path, name, plain));
        EXPECT_EQ(cached.Copy(), plain.Copy());
      }
    }
  }
  EXPECT_GT(compared, 4000);
}

}  // namespace
}  // namespace marlivo::engine
