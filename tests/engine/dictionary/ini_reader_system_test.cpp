// Our ini reader gives what the system's GetPrivateProfileStringA gives under code page
// 936, on a table of ini files: case folding of Chinese, Greek, Cyrillic and fullwidth
// letters, blanks, quotation marks, comments, section lines, byte order marks.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/dictionary.h"
#include "engine/dictionary/dictionary_text.h"
#include "engine/dictionary/ini_reader.h"
#include "tests/support/temp_folder.h"

namespace marlivo::dictionary {
namespace {

struct Row {
  std::string content;
  std::string section;
  std::vector<std::string> keys;
};

std::string Utf16Bytes(std::wstring_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t ch : text) {
    const char high = static_cast<char>((ch >> 8) & 0xFF);
    const char low = static_cast<char>(ch & 0xFF);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

std::string Hex(std::string_view text) {
  std::string hex;
  char part[8];
  for (unsigned char ch : text) {
    if (ch >= 0x20 && ch < 0x7F) {
      hex.push_back(static_cast<char>(ch));
    } else {
      std::snprintf(part, sizeof part, "\\x%02X", ch);
      hex += part;
    }
  }
  return hex;
}

std::vector<Row> Rows() {
  using namespace std::string_literals;
  const std::string kGold = "\xBD\xF0";  // 金
  return {
      {"[dic]\r\nGold=Au\r\n", "dic", {"Gold", "gold", "  GOLD\t", "Gol", "Gold2", ""}},
      {"[DIC]\r\ngold = Au \r\n", "dic", {"Gold"}},
      {"[Dic]\r\nA=1\r\n[dic]\r\nA=2\r\nB=3\r\n", "dic", {"A", "B"}},
      {"[dic]\r\nA=1\r\nA=2\r\na=3\r\n", "dic", {"A"}},
      {"[dic]\r\nq1=\"x\"\r\nq2='y'\r\nq3=\"z'\r\nq4=\"\r\nq5=\"\"\r\nq6=\"a\"b\"\r\n"
       "q7= \" s \" \r\nq8=x\"y\"\r\nq9=''\r\n",
       "dic", {"q1", "q2", "q3", "q4", "q5", "q6", "q7", "q8", "q9"}},
      {"[dic]\r\nbare\r\nbare=later\r\n", "dic", {"bare"}},
      {"[dic]\r\n;Gold=c\r\n#Gold=h\r\n//Gold=s\r\nGold=v\r\n", "dic",
       {"Gold", ";Gold", "#Gold", "//Gold"}},
      {"[dic]\r\n;comment line\r\n  ; Gold = spaced\r\n", "dic", {";comment line", "; Gold"}},
      {"[dic]\r\n\tTab\t=\tT\t\r\n\x1AZ=z\x1A\r\n\v\fVF=vf\f\r\n", "dic",
       {"Tab", "Z", "VF", "\x1AZ"}},
      {"[dic]\r\n\xA1\xA1Wide\xA1\xA1=\xA1\xA1W\xA1\xA1\r\n", "dic",
       {"Wide", "\xA1\xA1Wide", "\xA1\xA1Wide\xA1\xA1"}},
      {"[dic]\r\nA=1\rB=2\r\nC=3\n\rD=4\r\r\nE=5", "dic", {"A", "B", "C", "D", "E"}},
      {"[dic]\nA=1\nB=2", "dic", {"A", "B"}},
      {"[ dic ]\r\nA=1\r\n", "dic", {"A"}},
      {"[\tDIC\x1A]\r\nA=1\r\n[\xA1\xA1" "dic]\r\nB=2\r\n", "dic", {"A", "B"}},
      {"[dic] trailing text\r\nA=1\r\n", "dic", {"A"}},
      {"[dic]]\r\nA=1\r\n[dic]\r\nA=2\r\n", "dic", {"A"}},
      {"[di]c]\r\nA=1\r\n[dic]\r\nA=2\r\n", "di]c", {"A"}},
      {"[dic\r\nA=1\r\n[dic]\r\nA=2\r\n", "dic", {"A", "[dic"}},
      {"  [dic]  \r\nA=1\r\n", "dic", {"A"}},
      {"A=0\r\n[dic]\r\nB=2\r\n[]\r\nC=3\r\n", "dic", {"A", "B", "C"}},
      {"[dic]\r\nN\0ul=v\0x\r\nM =m\r\n"s, "dic", {"N", "Nul", "M"}},
      {"[dic]\r\nEmpty=\r\nSpaces=   \r\n=novalue\r\n", "dic", {"Empty", "Spaces", "="}},
      {"[dic]\r\na=b=c\r\nx = y = z\r\n", "dic", {"a", "a=b", "x", "x = y"}},
      {"[dic]\r\nGold Satin=x\r\n", "dic", {"Gold Satin", "Gold", "Gold  Satin", "gold satin"}},
      // Case of non-Latin letters: Greek, Cyrillic, fullwidth, Roman numerals, pinyin.
      {"[dic]\r\n\xA6\xA1=greek\r\n\xA7\xA1=cyrillic\r\n\xA3\xC1=fullwidth\r\n"
       "\xA2\xF1=roman\r\n\xA8\xA1=pinyin\r\n",
       "dic",
       {"\xA6\xC1", "\xA6\xA1", "\xA7\xD1", "\xA3\xE1", "\xA2\xA1", "\xA8\xA1", "A", "a"}},
      // Second bytes in the range of Latin letters: a Latin fold would take these two
      // different characters for one.
      {"[dic]\r\n\x81\x41=upper\r\n\x81\x62=lower\r\n", "dic",
       {"\x81\x41", "\x81\x61", "\x81\x62", "\x81\x42"}},
      {"[\xB4\xCA\xB5\xE4]\r\n" + kGold + "=Au\r\n[dic]\r\n" + kGold + "=gold\r\n",
       "\xB4\xCA\xB5\xE4", {kGold}},
      {"[dic]\r\nLong=" + std::string(5000, 'v') + "\r\n", "dic", {"Long"}},
      {"[configs]\r\nMaterialFolder=C:\\m\r\nFrom=1\r\n[dic]\r\nFrom=x\r\n", "configs",
       {"MaterialFolder", "materialfolder", "From", "Missing"}},
      {"\xEF\xBB\xBF[dic]\r\n\xE9\x87\x91=Au\r\nGold=\xE9\x87\x91\r\n", "dic", {kGold, "Gold"}},
      {Utf16Bytes(L"[dic]\r\n\x91D1=Au\r\nGold=\x91D1\r\n", false), "dic", {kGold, "Gold"}},
      {Utf16Bytes(L"[dic]\r\n\x91D1=Au\r\nGold=\x91D1\r\n", true), "dic", {kGold, "Gold"}},
      {"", "dic", {"Gold"}},
  };
}

TEST(IniReaderSystemTest, SameResultAsTheSystemsReaderOnEveryRow) {
  ASSERT_EQ(GetACP(), 936u) << "this comparison needs code page 936";
  testing::TempFolder temp;
  const std::vector<Row> rows = Rows();
  std::vector<char> buffer(1 << 16);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    // One file per row: the system's reader keeps files it has read in a cache.
    const std::string name = "row" + std::to_string(r) + ".ini";
    temp.WriteFile(name, row.content);
    const std::string path = temp.Join(name);
    const std::string text = DecodeDictionaryText(row.content);
    for (const std::string& key : row.keys) {
      SCOPED_TRACE("row " + std::to_string(r) + " [" + Hex(row.section) + "] key \"" +
                   Hex(key) + "\"");
      const DWORD length = GetPrivateProfileStringA(row.section.c_str(), key.c_str(), "",
                                                    buffer.data(),
                                                    static_cast<DWORD>(buffer.size()),
                                                    path.c_str());
      const std::string system(buffer.data(), length);
      EXPECT_EQ(Hex(ReadIniValue(text, row.section, key)), Hex(system));
      if (row.section == "dic") {
        EXPECT_EQ(Hex(engine::ForwardLookup(path, key)), Hex(system));
      }
    }
  }
}

}  // namespace
}  // namespace marlivo::dictionary
