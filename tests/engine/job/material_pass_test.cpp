// The material pass on real files: each name source and direction, the two header
// forms, Chinese names, and the files it must leave as they were.
#include "engine/material_pass.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "tests/engine/job/recording_front_end.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::MaterialContent;
using testing::RecordingFrontEnd;
using testing::TempFolder;

// 金 黄金 银 in GBK, and the UTF-8 bytes that a material file holds for them.
constexpr std::string_view kJin = "\xBD\xF0";
constexpr std::string_view kHuangJin = "\xBB\xC6\xBD\xF0";
constexpr std::string_view kYin = "\xD2\xF8";
constexpr std::string_view kJinUtf8 = "\xE9\x87\x91";
constexpr std::string_view kHuangJinUtf8 = "\xE9\xBB\x84\xE9\x87\x91";

const std::string kDictionary = std::string("[configs]\r\nFrom=0\r\n[dic]\r\n") +
                                "Gold=Au\r\n" + std::string(kJin) + "=" + std::string(kHuangJin) +
                                "\r\nBlank=  \r\nSilver=Ag\r\nMetal 1=Steel\r\nTin=Dup\r\n"
                                "Zinc=Dup\r\n" + std::string(kYin) + "=Ag2\r\n";

enum Flags : unsigned {
  kForward = 0,
  kFromProperties = 1,
  kInvert = 2,
  kDoubleLang = 4,
};

struct Case {
  const char* what;
  std::string file_name;  // GBK
  std::string content;
  unsigned flags;
  std::string expected;   // the content afterwards; empty: unchanged
  std::string log;        // the run log, with {path} for the file's path
};

std::string Replace(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

TEST(MaterialPassTest, RenamesEachWayAndLeavesTheRestAsItWas) {
  using namespace std::string_view_literals;
  const std::string jin_quoted = " \"" + std::string(kJinUtf8) + "\" ";
  const std::string no_header = "just text, no header {\r\n";
  const Case cases[] = {
      {"quoted stays quoted", "Gold.mtl", MaterialContent(" \"Gold\" "), kForward,
       MaterialContent(" \"Au\" "), ""},
      {"hex stays hex, lower case", "Gold.mtl", MaterialContent(" xX476F6C64 "), kForward,
       MaterialContent(" xX4175 "), ""},
      {"blanks around the field do not survive", "Gold.mtl", MaterialContent("\t  \"x\"\t\t"),
       kForward, MaterialContent(" \"Au\" "), ""},
      {"Chinese file name", std::string(kJin) + ".mtl", MaterialContent(" \"old\" "), kForward,
       MaterialContent(" \"" + std::string(kHuangJinUtf8) + "\" "), ""},
      {"double language", "Gold.mtl", MaterialContent(" \"x\" "), kDoubleLang,
       MaterialContent(" \"Gold - Au\" "), ""},
      {"a blank value leaves the file", "Blank.mtl", MaterialContent(" \"x\" "), kForward, "", ""},
      {"not in the dictionary: silent", "Copper.mtl", MaterialContent(" \"x\" "), kForward, "", ""},
      {"the base name loses its last extension only", "Metal 1.5.mtl", MaterialContent(" \"x\" "),
       kForward, "", ""},
      {"no header, From Filename", "Gold.mtl", no_header, kForward, "",
       "error:no material header \"{path}\"\r\n"},
      {"empty file, From Filename", "Gold.mtl", "", kForward, "",
       "error:no material header \"{path}\"\r\n"},
      {"truncated after the keyword", "Gold.mtl", "#define material \"Gol", kForward, "",
       "error:no material header \"{path}\"\r\n"},
      {"invert from the file name ignores the dictionary", "Copper.mtl",
       MaterialContent(" xX41 "), kInvert, MaterialContent(" xX436f70706572 "), ""},
      {"from the header, forward", "x.mtl", MaterialContent(" \"Silver\" "), kFromProperties,
       MaterialContent(" \"Ag\" "), ""},
      {"from a Chinese header", "x.mtl", MaterialContent(jin_quoted), kFromProperties,
       MaterialContent(" \"" + std::string(kHuangJinUtf8) + "\" "), ""},
      {"from a hex header", "x.mtl", MaterialContent(" xX476f6c64 "), kFromProperties,
       MaterialContent(" xX4175 "), ""},
      {"from the header, none there", "x.mtl", no_header, kFromProperties, "",
       "not find dic \"{path}\"\r\n"},
      {"from the header, empty name", "x.mtl", MaterialContent(" \"\" "), kFromProperties, "",
       "not find dic \"{path}\"\r\n"},
      {"invert from the header", "x.mtl", MaterialContent(" \"Ag\" "), kFromProperties | kInvert,
       MaterialContent(" \"Silver\" "), ""},
      {"invert to a Chinese name", "x.mtl", MaterialContent(" \"Ag2\" "), kFromProperties | kInvert,
       MaterialContent(" \"\xE9\x93\xB6\" "), ""},
      {"invert, not found", "x.mtl", MaterialContent(" \"Lead\" "), kFromProperties | kInvert, "",
       "error:not find dic \"Lead\"\r\n"},
      {"invert, found twice", "x.mtl", MaterialContent(" \"Dup\" "), kFromProperties | kInvert, "",
       "error:multiple results \"Dup\"\r\nerror:not find dic \"Dup\"\r\n"},
      {"invert, double language: the part after the separator", "x.mtl",
       MaterialContent(" \"Silber - Ag\" "), kFromProperties | kInvert | kDoubleLang,
       MaterialContent(" \"Silver\" "), ""},
      {"invert, double language, no separator: the empty text", "x.mtl",
       MaterialContent(" \"Ag\" "), kFromProperties | kInvert | kDoubleLang, "",
       "error:not find dic \"\"\r\n"},
      {"invalid UTF-8 in the header", "x.mtl", MaterialContent(" \"\xFF\xFE\xC0\" "),
       kFromProperties, "", ""},
      {"binary content", "Gold.mtl", std::string("\0\x01\xFF#define material\0\x80{\xFE"sv),
       kForward, std::string("\0\x01\xFF#define material xX4175 {\xFE"sv), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder temp;
    temp.WriteFile("dic.ini", kDictionary);
    temp.WriteFile(c.file_name, c.content);
    const std::string path = temp.Join(c.file_name);
    RecordingFrontEnd front_end;
    if (c.flags & kFromProperties) front_end.FromProperties();
    front_end.Check(JobInput::kInvertCheck, (c.flags & kInvert) ? 1 : 0);
    front_end.Check(JobInput::kMaterialDoubleLangCheck, (c.flags & kDoubleLang) ? 1 : 0);
    JobState state;
    RunMaterialPass(front_end, state, {path}, temp.Join("dic.ini"));
    EXPECT_EQ(files::ReadFileOrEmpty(path), c.expected.empty() ? c.content : c.expected);
    EXPECT_EQ(state.RunLog.Copy(), Replace(c.log, "{path}", path));
    EXPECT_EQ(temp.List().size(), 2u);  // no file left beside it
  }
}

TEST(MaterialPassTest, ProgressAndStatusForEachFile) {
  TempFolder temp;
  temp.WriteFile("dic.ini", kDictionary);
  std::vector<std::string> paths;
  for (const char* name : {"Gold.mtl", "a.b.mtl", ".mtl"}) {
    temp.WriteFile(name, MaterialContent(" \"x\" "));
    paths.push_back(temp.Join(name));
  }
  RecordingFrontEnd front_end;
  JobState state;
  RunMaterialPass(front_end, state, paths, temp.Join("dic.ini"));
  EXPECT_EQ(front_end.Events(), (std::vector<std::string>{"progress:33", "status:Gold",
                                                          "progress:66", "status:a.b",
                                                          "progress:100", "status:"}));
}

TEST(MaterialPassTest, ReadOnlyAndLockedFilesAreLeftAndLogged) {
  TempFolder temp;
  temp.WriteFile("dic.ini", kDictionary);
  temp.WriteFile("ro\\Gold.mtl", MaterialContent(" \"x\" "));
  temp.WriteFile("held\\Gold.mtl", MaterialContent(" \"x\" "));
  temp.WriteFile("ok\\Gold.mtl", MaterialContent(" \"x\" "));
  const std::string read_only = temp.Join("ro\\Gold.mtl");
  const std::string held = temp.Join("held\\Gold.mtl");
  SetFileAttributesW(files::ToSystemPath(read_only).c_str(), FILE_ATTRIBUTE_READONLY);
  // Held open by another program that lets others read but not delete or replace it.
  const HANDLE holder = CreateFileW(files::ToSystemPath(held).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  RecordingFrontEnd front_end;
  JobState state;
  RunMaterialPass(front_end, state, {read_only, held, temp.Join("ok\\Gold.mtl")},
                  temp.Join("dic.ini"));
  CloseHandle(holder);
  EXPECT_EQ(files::ReadFileOrEmpty(read_only), MaterialContent(" \"x\" "));
  EXPECT_EQ(files::ReadFileOrEmpty(held), MaterialContent(" \"x\" "));
  EXPECT_EQ(files::ReadFileOrEmpty(temp.Join("ok\\Gold.mtl")), MaterialContent(" \"Au\" "));
  EXPECT_EQ(GetFileAttributesW(files::ToSystemPath(read_only).c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  const std::string log = state.RunLog.Copy();
  EXPECT_NE(log.find("error:file is read-only \"" + read_only + "\"\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("\"" + held + "\"\r\n"), std::string::npos) << log;
  EXPECT_EQ(temp.List("held"), std::vector<std::string>{"Gold.mtl"});
}

TEST(MaterialPassTest, AHundredMegabyteFileIsRewrittenWhole) {
  TempFolder temp;
  temp.WriteFile("dic.ini", kDictionary);
  std::string content = MaterialContent(" \"x\" ");
  content.append(100u << 20, '\x7F');
  temp.WriteFile("Gold.mtl", content);
  RecordingFrontEnd front_end;
  JobState state;
  RunMaterialPass(front_end, state, {temp.Join("Gold.mtl")}, temp.Join("dic.ini"));
  const std::string after = files::ReadFileOrEmpty(temp.Join("Gold.mtl"));
  ASSERT_EQ(after.size(), content.size() + 1);
  EXPECT_EQ(after.compare(0, 50, MaterialContent(" \"Au\" "), 0, 50), 0);
  EXPECT_EQ(after.find_first_not_of('\x7F', MaterialContent(" \"Au\" ").size()), std::string::npos);
}

TEST(MaterialPassTest, ReadMaterialNameDecodesTheHeader) {
  TempFolder temp;
  temp.WriteFile("a.mtl", MaterialContent(" \"" + std::string(kJinUtf8) + "\" "));
  temp.WriteFile("b.mtl", MaterialContent(" xXe98791 "));
  temp.WriteFile("c.mtl", "no header");
  EXPECT_EQ(ReadMaterialName(temp.Join("a.mtl")), kJin);
  EXPECT_EQ(ReadMaterialName(temp.Join("b.mtl")), kJin);
  EXPECT_EQ(ReadMaterialName(temp.Join("c.mtl")), "");
  EXPECT_EQ(ReadMaterialName(temp.Join("missing.mtl")), "");
}

}  // namespace
}  // namespace marlivo::engine

namespace marlivo::engine {
namespace {

TEST(MaterialPassTest, OddDictionariesNeverBreakARun) {
  using namespace std::string_literals;
  const std::string long_line = "[dic]\r\nGold=" + std::string(1u << 20, 'A') + "\r\n";
  const std::string dictionaries[] = {
      "",
      "Gold=Au\r\n",                                    // no section
      "\xEF\xBB\xBF[dic]\r\nGold=Au\r\n",               // a UTF-8 byte order mark
      "\xFF\xFE[\0d\0i\0c\0]\0\r\0\n\0G\0o\0l\0d\0=\0A\0u\0"s,  // UTF-16 text
      long_line,
      "[dic]\r\n" + std::string(5000, '=') + "\r\n[dic\r\n=\r\n\0\x1A[dic]\r\nGold=Au"s,
      "[dic]\r\nGold=Au\rSilver=Ag\n\n\n[\r\n",
  };
  for (const std::string& dictionary : dictionaries) {
    for (const bool invert : {false, true}) {
      testing::TempFolder temp;
      temp.WriteFile("dic.ini", dictionary);
      temp.WriteFile("Gold.mtl", testing::MaterialContent(" \"Gold\" "));
      testing::RecordingFrontEnd front_end;
      front_end.FromProperties();
      front_end.Check(JobInput::kInvertCheck, invert);
      JobState state;
      RunMaterialPass(front_end, state, {temp.Join("Gold.mtl")}, temp.Join("dic.ini"));
      const std::string after = files::ReadFileOrEmpty(temp.Join("Gold.mtl"));
      // Whatever the dictionary gives, the file holds a whole header.
      EXPECT_EQ(after.compare(0, 30, "// material\r\n#define material "), 0);
      EXPECT_NE(after.find("{\r\n  diffuse 0.5 0.5 0.5\r\n}\r\n"), std::string::npos);
      EXPECT_EQ(temp.List().size(), 2u);
    }
  }
}

}  // namespace
}  // namespace marlivo::engine
