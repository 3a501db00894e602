// The Start command's checks, and its worker: one run at a time.
#include "engine/start_command.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/job/recording_front_end.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::RecordingFrontEnd;
using testing::TempFolder;

TEST(StartCommandTest, ChecksBothPaths) {
  TempFolder temp;
  temp.WriteFile("lib\\a.mtl", "x");
  temp.WriteFile("\xBD\xF0\xCA\xF4\\a.mtl", "x");  // 金属
  testing::MakeFolders(temp.Join("empty"));
  temp.WriteFile("dic.ini", "[dic]\r\n");
  temp.WriteFile("dic.INI", "[dic]\r\n");
  temp.WriteFile("\xB4\xCA\xB5\xE4.ini", "[dic]\r\n");  // 词典.ini
  temp.WriteFile("dic.ini.txt", "");
  testing::MakeFolders(temp.Join("folder.ini"));
  const std::string lib = temp.Join("lib");
  const std::string dic = temp.Join("dic.ini");
  // Deeper than MAX_PATH.
  std::string deep = temp.path();
  for (int i = 0; i < 30; ++i) deep += "\\\xC9\xEE\xB2\xE3\xC4\xBF\xC2\xBC" + std::to_string(i);  // 深层目录
  temp.WriteFile(deep.substr(temp.path().size() + 1) + "\\a.mtl", "x");
  ASSERT_GT(deep.size(), 300u);

  struct Case {
    std::string folder;
    std::string dictionary;
    bool passes;
  };
  const Case cases[] = {
      {lib, dic, true},
      {"  " + lib + " \xA1\xA1", "\xA1\xA1 " + dic + "  ", true},  // blanks are trimmed
      {temp.Join("\xBD\xF0\xCA\xF4"), temp.Join("\xB4\xCA\xB5\xE4.ini"), true},
      {deep, dic, true},
      {temp.Join("folder.ini"), temp.Join("folder.ini"), false},  // an empty folder
      {lib, temp.Join("folder.ini"), true},  // a folder named *.ini exists and ends in .ini
      {temp.Join("empty"), dic, false},
      {temp.Join("missing"), dic, false},
      {temp.Join("dic.ini"), dic, false},  // a file is no folder
      {"", dic, false},
      {lib, temp.Join("dic.INI"), false},
      {lib, temp.Join("missing.ini"), false},
      {lib, temp.Join("dic.ini.txt"), false},
      {lib, "", false},
      {"\t" + lib, dic, false},  // a tab is no blank
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StartChecksPass(c.folder, c.dictionary), c.passes) << c.folder << " | " << c.dictionary;
  }
}

TEST(StartCommandTest, FailedCheckShowsErrorAndStartsNothing) {
  TempFolder temp;
  testing::MakeFolders(temp.Join("empty"));
  temp.WriteFile("dic.ini", "[dic]\r\n");
  RecordingFrontEnd front_end;
  front_end.material_folder = temp.Join("empty");
  front_end.dic_file = temp.Join("dic.ini");
  JobState state;
  bool saved = false;
  state.save_settings = [&saved] { return saved = true; };
  EXPECT_EQ(StartCommand(front_end, state), StartResult::kRejected);
  EXPECT_FALSE(state.IsRunning());
  state.WaitForRun();
  EXPECT_EQ(front_end.Events(), std::vector<std::string>{"status:error!"});
  EXPECT_FALSE(saved);
}

TEST(StartCommandTest, RunsTheJobOnAWorkerOneRunAtATime) {
  TempFolder temp;
  temp.WriteFile("lib\\a.mtl", testing::MaterialContent(" \"a\" "));
  temp.WriteFile("dic.ini", "[dic]\r\n");
  RecordingFrontEnd front_end;
  front_end.material_folder = temp.Join("lib");
  front_end.dic_file = temp.Join("dic.ini");
  front_end.Check(JobInput::kFolderNameCheck, 0);
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");

  // The settings hook runs on the worker before the inputs are locked; while it waits,
  // a second Start must not start a second worker.
  std::mutex gate;
  gate.lock();
  int saves = 0;
  state.save_settings = [&] {
    ++saves;
    std::lock_guard<std::mutex> wait(gate);
    return true;
  };
  ASSERT_EQ(StartCommand(front_end, state), StartResult::kStarted);
  EXPECT_TRUE(state.IsRunning());
  EXPECT_EQ(StartCommand(front_end, state), StartResult::kBusy);
  gate.unlock();
  state.WaitForRun();
  EXPECT_FALSE(state.IsRunning());
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(front_end.Events("status:").back(), "done it!");
  EXPECT_EQ(state.MaterialFileList, std::vector<std::string>{temp.Join("lib\\a.mtl")});

  // A later Start makes a fresh run.
  front_end.ClearEvents();
  ASSERT_EQ(StartCommand(front_end, state), StartResult::kStarted);
  state.WaitForRun();
  EXPECT_EQ(saves, 2);
  EXPECT_EQ(front_end.Events("status:").back(), "done it!");
}

}  // namespace
}  // namespace marlivo::engine
