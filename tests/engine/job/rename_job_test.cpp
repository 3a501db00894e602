// The job's order of work: settings, lock, log and list emptied, collection, passes,
// "done it!", unlock; and the stop request between items.
#include "engine/rename_job.h"

#include <gtest/gtest.h>

#include "engine/files/whole_file.h"
#include "tests/engine/job/recording_front_end.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

using testing::MaterialContent;
using testing::RecordingFrontEnd;
using testing::TempFolder;

std::vector<std::string> LockEvents(bool enabled) {
  std::vector<std::string> events;
  for (const JobInput input : kLockedInputs) {
    events.push_back((enabled ? "enable:" : "disable:") + std::to_string(static_cast<int>(input)));
  }
  return events;
}

TEST(RenameJobTest, NothingTickedDoesNothing) {
  TempFolder temp;
  temp.WriteFile("lib\\Gold.mtl", MaterialContent(" \"Gold\" "));
  RecordingFrontEnd front_end;
  front_end.material_folder = temp.Join("lib");
  front_end.Check(JobInput::kMaterialNameCheck, 0);
  front_end.Check(JobInput::kFolderNameCheck, 0);
  JobState state;
  state.RunLog.AppendLog("earlier run");
  bool saved = false;
  state.save_settings = [&saved] { return saved = true; };
  RenameJob(front_end, state);
  EXPECT_TRUE(front_end.Events().empty());
  EXPECT_FALSE(saved);
  EXPECT_EQ(state.RunLog.Copy(), "earlier run\r\n");
}

TEST(RenameJobTest, StepsComeInTheirOrder) {
  TempFolder temp;
  temp.WriteFile("lib\\Gold.mtl", MaterialContent(" \"Gold\" "));
  temp.WriteFile("lib\\sub\\Silver.mtl", MaterialContent(" \"Silver\" "));
  temp.WriteFile("dic.ini", "[dic]\r\nGold=Au\r\n");
  RecordingFrontEnd front_end;
  front_end.material_folder = temp.Join("lib");
  front_end.dic_file = "  " + temp.Join("dic.ini") + " ";
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");
  state.RunLog.AppendLog("earlier run");
  state.MaterialFileList.push_back("earlier file");
  state.save_settings = [&] {
    front_end.Record("save");
    // Saved before the log of the previous run is emptied.
    EXPECT_EQ(state.RunLog.Copy(), "earlier run\r\n");
    return true;
  };
  RenameJob(front_end, state);

  std::vector<std::string> expected = {"save"};
  for (const std::string& e : LockEvents(false)) expected.push_back(e);
  // The material pass: two files; the folder pass: one folder, not in the dictionary.
  for (const char* e : {"progress:50", "status:Gold", "progress:100", "status:Silver",
                        "progress:100", "status:sub", "status:done it!"}) {
    expected.push_back(e);
  }
  for (const std::string& e : LockEvents(true)) expected.push_back(e);
  EXPECT_EQ(front_end.Events(), expected);
  EXPECT_EQ(state.MaterialFileList,
            (std::vector<std::string>{temp.Join("lib\\Gold.mtl"), temp.Join("lib\\sub\\Silver.mtl")}));
  EXPECT_EQ(state.RunLog.Copy(), "not find dic \"sub\"\r\n");
  EXPECT_EQ(files::ReadFileOrEmpty(temp.Join("lib\\Gold.mtl")), MaterialContent(" \"Au\" "));
}

TEST(RenameJobTest, FolderNameAloneStillCollectsAndAnEmptyPassKeepsTheBar) {
  TempFolder temp;
  temp.WriteFile("lib\\Gold.mtl", MaterialContent(" \"Gold\" "));
  temp.WriteFile("dic.ini", "[dic]\r\nGold=Au\r\n");
  RecordingFrontEnd front_end;
  front_end.material_folder = temp.Join("lib");
  front_end.dic_file = temp.Join("dic.ini");
  front_end.Check(JobInput::kMaterialNameCheck, 0);
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");
  RenameJob(front_end, state);
  EXPECT_EQ(state.MaterialFileList, std::vector<std::string>{temp.Join("lib\\Gold.mtl")});
  EXPECT_TRUE(front_end.Events("progress:").empty());
  EXPECT_EQ(front_end.Events("status:"), std::vector<std::string>{"done it!"});
  // The material file is untouched: only folders were asked for.
  EXPECT_EQ(files::ReadFileOrEmpty(temp.Join("lib\\Gold.mtl")), MaterialContent(" \"Gold\" "));
}

// A front end that asks the job to stop when the status line shows a given name.
class StoppingFrontEnd final : public JobFrontEnd {
 public:
  StoppingFrontEnd(RecordingFrontEnd& inner, JobState& state, std::string stop_at)
      : inner_(inner), state_(state), stop_at_(std::move(stop_at)) {}
  std::string GetMaterialFolderText() override { return inner_.GetMaterialFolderText(); }
  void SetMaterialFolderText(std::string_view text) override { inner_.SetMaterialFolderText(text); }
  std::string GetDicFileText() override { return inner_.GetDicFileText(); }
  int GetCheckState(JobInput input) override { return inner_.GetCheckState(input); }
  void SetCheckState(JobInput input, int state) override { inner_.SetCheckState(input, state); }
  void SetInputEnabled(JobInput input, bool enabled) override { inner_.SetInputEnabled(input, enabled); }
  void ShowStatus(std::string_view text) override {
    inner_.ShowStatus(text);
    if (text == stop_at_) state_.RequestStop();
  }
  void ShowProgress(int position) override { inner_.ShowProgress(position); }

 private:
  RecordingFrontEnd& inner_;
  JobState& state_;
  std::string stop_at_;
};

TEST(RenameJobTest, StopRequestFinishesTheItemAtHandAndTakesNoOther) {
  TempFolder temp;
  for (const char* name : {"A", "B", "C"}) {
    temp.WriteFile(std::string("lib\\") + name + ".mtl", MaterialContent(" \"x\" "));
  }
  temp.WriteFile("lib\\A\\inner.mtl", MaterialContent(" \"x\" "));
  temp.WriteFile("dic.ini", "[dic]\r\nA=a\r\nB=b\r\nC=c\r\ninner=i\r\n");
  RecordingFrontEnd recorder;
  recorder.material_folder = temp.Join("lib");
  recorder.dic_file = temp.Join("dic.ini");
  JobState state;
  state.DefaultDictionaryPath = temp.Join("dic.ini");
  StoppingFrontEnd front_end(recorder, state, "B");
  RenameJob(front_end, state);

  std::vector<std::string> rewritten;
  for (const std::string& path : state.MaterialFileList) {
    if (files::ReadFileOrEmpty(path) != MaterialContent(" \"x\" ")) rewritten.push_back(path);
  }
  ASSERT_EQ(state.MaterialFileList.size(), 4u);
  // The files are listed in order; the one at hand when the stop came is finished.
  const std::vector<std::string> statuses = recorder.Events("status:");
  ASSERT_FALSE(statuses.empty());
  EXPECT_EQ(statuses.back(), "stopped!");
  EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "B"), 1);
  EXPECT_EQ(rewritten.size(), static_cast<std::size_t>(statuses.size() - 1));
  EXPECT_EQ(rewritten.back(), temp.Join("lib\\B.mtl"));
  // The folder pass never started, and the inputs are unlocked.
  EXPECT_EQ(recorder.Events().back(), LockEvents(true).back());
  EXPECT_TRUE(temp.List("lib") == (std::vector<std::string>{"A", "A.mtl", "B.mtl", "C.mtl"}));
}

}  // namespace
}  // namespace marlivo::engine
