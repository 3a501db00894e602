// The run log's file: exactly the log's bytes, nothing for an empty log.
#include "engine/save_log.h"

#include <gtest/gtest.h>

#include "engine/files/whole_file.h"
#include "engine/text/code_page.h"
#include "tests/engine/job/recording_front_end.h"
#include "tests/support/temp_folder.h"

namespace marlivo::engine {
namespace {

TEST(SaveLogTest, WritesTheLogsBytesAndReplacesAnOldFile) {
  testing::TempFolder temp;
  const std::wstring path = text::GbkToWide(temp.Join("\xC8\xD5\xD6\xBE.txt"));  // 日志.txt
  temp.WriteFile("\xC8\xD5\xD6\xBE.txt", "an older, longer log file\r\n\r\n\r\n");
  JobState state;
  state.RunLog.AppendLog(QuotedLogLine("not find dic ", "\xBD\xF0"));
  state.RunLog.AppendLog(QuotedLogLine("error:not find dic ", "x"));
  ASSERT_TRUE(WriteLogFile(path, state.RunLog.Copy()));
  EXPECT_EQ(files::ReadFileOrEmpty(temp.Join("\xC8\xD5\xD6\xBE.txt")),
            "not find dic \"\xBD\xF0\"\r\nerror:not find dic \"x\"\r\n");
  EXPECT_EQ(temp.List().size(), 1u);
  EXPECT_FALSE(WriteLogFile(text::GbkToWide(temp.Join("missing folder\\log.txt")), "x"));
}

TEST(SaveLogTest, AnEmptyLogSavesNothingAndShowsNothing) {
  testing::RecordingFrontEnd front_end;
  JobState state;
  SaveLog(front_end, state);
  EXPECT_TRUE(front_end.Events().empty());
}

}  // namespace
}  // namespace marlivo::engine
