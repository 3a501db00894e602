// The run log's lines, and its copy taken while another thread appends.
#include "engine/run_log.h"

#include <gtest/gtest.h>

#include <thread>

namespace marlivo::engine {
namespace {

TEST(RunLogTest, EachMessageEndsWithCrLf) {
  RunLog log;
  EXPECT_TRUE(log.IsEmpty());
  log.AppendLog(QuotedLogLine("not find dic ", "Gold"));
  log.AppendLog("");
  EXPECT_EQ(log.Copy(), "not find dic \"Gold\"\r\n\r\n");
  log.Clear();
  EXPECT_TRUE(log.IsEmpty());
  EXPECT_EQ(log.Copy(), "");
}

TEST(RunLogTest, CopiesTakenDuringAppendsHoldWholeLinesOnly) {
  RunLog log;
  constexpr int kLines = 20000;
  std::thread writer([&log] {
    for (int i = 0; i < kLines; ++i) log.AppendLog("error:not find dic \"x\"");
  });
  for (int i = 0; i < 200; ++i) {
    const std::string copy = log.Copy();
    ASSERT_EQ(copy.size() % 24, 0u);  // 22 bytes of text and CR LF per line
  }
  writer.join();
  EXPECT_EQ(log.Copy().size(), 24u * kLines);
}

}  // namespace
}  // namespace marlivo::engine
