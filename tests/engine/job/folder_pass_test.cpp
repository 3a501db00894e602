// The folder pass on real folder trees: deepest first, dot folders left alone, double
// language both ways, and every new name that would move a folder out of its parent or
// that a folder cannot carry refused and logged.
#include "engine/folder_pass.h"

#include <gtest/gtest.h>

#include "engine/folder_name_rules.h"
#include "tests/engine/job/recording_front_end.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::RecordingFrontEnd;
using testing::TempFolder;

// Every folder below `root`, relative and sorted.
std::vector<std::string> Tree(const TempFolder& temp, const std::string& relative) {
  std::vector<std::string> all;
  std::vector<std::string> pending = {""};
  while (!pending.empty()) {
    const std::string at = pending.back();
    pending.pop_back();
    for (const std::string& name : temp.List(at.empty() ? relative : relative + "\\" + at)) {
      const std::string child = at.empty() ? name : at + "\\" + name;
      all.push_back(child);
      pending.push_back(child);
    }
  }
  std::sort(all.begin(), all.end());
  return all;
}

struct PassResult {
  std::vector<std::string> tree;
  std::string log;
  std::vector<std::string> statuses;
};

PassResult RunPass(const std::vector<std::string>& folders, const std::string& dictionary,
            bool invert = false, bool double_lang = false) {
  TempFolder temp;
  for (const std::string& folder : folders) testing::MakeFolders(temp.Join("lib\\" + folder));
  temp.WriteFile("dic.ini", dictionary);
  RecordingFrontEnd front_end;
  front_end.Check(JobInput::kInvertCheck, invert);
  front_end.Check(JobInput::kFolderDoubleLangCheck, double_lang);
  front_end.dic_file = "not used by the folder pass";
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");
  RunFolderPass(front_end, state, temp.Join("lib"));
  return {Tree(temp, "lib"), state.RunLog.Copy(), front_end.Events("status:")};
}

TEST(FolderPassTest, DeepestFirstSoNestedRenamesHold) {
  const PassResult run = RunPass({"A\\B", "\xBD\xF0\\\xD2\xF8", ".git\\A", ".cache"},
                          "[dic]\r\nA=A2\r\nB=B2\r\n\xBD\xF0=Gold\r\n\xD2\xF8=\xD2\xF8\xC9\xAB\r\n");
  EXPECT_EQ(run.tree, (std::vector<std::string>{".cache", ".git", ".git\\A", "A2", "A2\\B2",
                                                "Gold", "Gold\\\xD2\xF8\xC9\xAB"}));
  EXPECT_EQ(run.log, "");
  // B is shown before A, 银 before 金: each folder before its parent.
  auto at = [&](const char* name) {
    return std::find(run.statuses.begin(), run.statuses.end(), name) - run.statuses.begin();
  };
  EXPECT_LT(at("B"), at("A"));
  EXPECT_LT(at("\xD2\xF8"), at("\xBD\xF0"));
  EXPECT_EQ(run.statuses.size(), 4u);
}

TEST(FolderPassTest, DoubleLanguageBothWaysAndBaseNames) {
  const std::string dictionary = "[dic]\r\nGold=Au\r\nMetal 1=Steel\r\n";
  EXPECT_EQ(RunPass({"Gold", "Metal 1.5", "Lead"}, dictionary, false, true).tree,
            (std::vector<std::string>{"Gold - Au", "Lead", "Metal 1 - Steel"}));
  const PassResult inverted = RunPass({"Gold - Au", "Au", "Plain"}, dictionary, true, true);
  // "Au" holds no separator: looked up as the empty text. "Gold - Au" by "Au".
  EXPECT_EQ(inverted.tree, (std::vector<std::string>{"Au", "Gold", "Plain"}));
  EXPECT_EQ(inverted.log, "not find dic \"\"\r\nnot find dic \"\"\r\n");
  const PassResult forward = RunPass({"Lead"}, dictionary);
  EXPECT_EQ(forward.log, "not find dic \"Lead\"\r\n");
  const PassResult backward = RunPass({"Lead"}, dictionary, true);
  EXPECT_EQ(backward.log, "not find dic \"Lead\"\r\n");
}

TEST(FolderPassTest, ATakenNameLeavesTheFolderAndIsLogged) {
  TempFolder temp;
  testing::MakeFolders(temp.Join("lib\\Gold"));
  testing::MakeFolders(temp.Join("lib\\Au"));
  temp.WriteFile("dic.ini", "[dic]\r\nGold=Au\r\n");
  RecordingFrontEnd front_end;
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");
  RunFolderPass(front_end, state, temp.Join("lib"));
  EXPECT_EQ(temp.List("lib"), (std::vector<std::string>{"Au", "Gold"}));
  EXPECT_NE(state.RunLog.Copy().find("error:folder exists \"" + temp.Join("lib\\Au") + "\"\r\n"),
            std::string::npos)
      << state.RunLog.Copy();
}

TEST(FolderPassTest, NamesThatWouldLeaveTheParentAreRefused) {
  const char* bad[] = {"..", ".", "..\\..\\escaped", "a\\b", "x/y", "CON", "com1.txt", "Lpt9",
                       "nul .txt", "a:b", "a*b", "a?b", "a|b", "a\"b", "a<b", "a>b", "trail.",
                       "tab\there", "\\\\server\\share"};
  for (const char* name : bad) {
    SCOPED_TRACE(name);
    const PassResult run = RunPass({"Gold"}, std::string("[dic]\r\nGold=") + name + "\r\n");
    EXPECT_EQ(run.tree, std::vector<std::string>{"Gold"});
    EXPECT_EQ(run.log, std::string("error:bad folder name \"") + name + "\"\r\n");
  }
  // Names that look odd but stay in place.
  const char* fine[] = {"CONSOLE", "COM10", "a.b", ".starts with a dot", "\x95\x5C", "x y"};
  for (const char* name : fine) {
    SCOPED_TRACE(name);
    const PassResult run = RunPass({"Gold"}, std::string("[dic]\r\nGold=") + name + "\r\n");
    EXPECT_EQ(run.tree, std::vector<std::string>{name});
    EXPECT_EQ(run.log, "");
  }
}

TEST(FolderPassTest, UntrimmedFolderTextListsNothingAndTreesBeyondMaxPathWork) {
  TempFolder temp;
  std::string relative = "lib";
  for (int i = 0; i < 30; ++i) relative += "\\\xC9\xEE\xB2\xE3\xC4\xBF\xC2\xBC" + std::to_string(i);
  relative += "\\Gold";
  ASSERT_TRUE(testing::MakeFolders(temp.Join(relative)));
  ASSERT_GT(temp.Join(relative).size(), 300u);
  temp.WriteFile("dic.ini", "[dic]\r\nGold=\xBD\xF0\r\n");
  RecordingFrontEnd front_end;
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");
  RunFolderPass(front_end, state, " " + temp.Join("lib"));
  EXPECT_TRUE(front_end.Events().empty());
  RunFolderPass(front_end, state, temp.Join("lib"));
  const std::string parent = relative.substr(0, relative.size() - 4);
  EXPECT_EQ(temp.List(parent), std::vector<std::string>{"\xBD\xF0"});
}

TEST(FolderNameRulesTest, StaysInParentChecksTheFullPath) {
  TempFolder temp;
  const std::string parent = temp.path() + "\\";
  EXPECT_TRUE(StaysInParent(parent, "Gold"));
  EXPECT_TRUE(StaysInParent(parent, "\xBD\xF0 - Gold"));
  EXPECT_FALSE(StaysInParent(parent, ".."));
  EXPECT_FALSE(StaysInParent(parent, "a\\..\\..\\b"));
  EXPECT_FALSE(StaysInParent(parent, ""));
  EXPECT_FALSE(StaysInParent(parent, "AUX"));
}

}  // namespace
}  // namespace marlivo::engine
