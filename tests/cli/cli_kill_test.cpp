// Kills real runs of marlivo-cli.exe at random moments over a library of a few thousand
// files. After each kill every file must hold, byte for byte, either its old or its new
// content, and after the next run no stray file may be left.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <set>

#include "engine/files/whole_file.h"
#include "engine/material_header.h"
#include "engine/text/code_page.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/library_snapshot.h"
#include "tests/support/temp_folder.h"

namespace marlivo::testing {
namespace {

constexpr int kFiles = 2000;
constexpr int kFolders = 40;
constexpr int kKillsWanted = 30;
constexpr int kAttemptsAtMost = 80;
constexpr long long kKillWithinMs = 3000;

std::wstring W(const std::string& gbk) { return text::GbkToWide(gbk); }

TEST(CliKillTest, EveryFileIsOldOrNewAfterEachKillAndNoStrayFileOutlivesTheNextRun) {
  TempFolder temp;
  CliTool tool(temp.path());
  // Two dictionaries that turn the names into each other: each run flips what the
  // previous one (or the previous kill) left.
  temp.WriteFile("forth.ini", "[dic]\r\nGold=\xBB\xC6\xBD\xF0\r\n");
  temp.WriteFile("back.ini", "[dic]\r\n\xBB\xC6\xBD\xF0=Gold\r\n");

  std::vector<std::string> relative;
  std::vector<std::string> gold;
  std::vector<std::string> huang_jin;
  for (int i = 0; i < kFiles; ++i) {
    const std::string name = "lib\\group" + std::to_string(i % kFolders) + "\\m" + std::to_string(i) + ".mtl";
    const std::string field = i % 2 ? " \"Gold\" " : " xX476f6c64 ";
    // Sizes from a few hundred bytes to about 6 KB, each file's body its own.
    const std::string body = "\r\n" + std::string(static_cast<std::size_t>(200 + (i * 997) % 6000), static_cast<char>('a' + i % 26));
    const std::string content = "// " + std::to_string(i) + "\r\n#define material" + field + "{" + body + "}\r\n";
    temp.WriteFile(name, content);
    relative.push_back(name);
    gold.push_back(content);
    huang_jin.push_back(*engine::RewriteMaterialHeader(content, "\xE9\xBB\x84\xE9\x87\x91"));
  }
  const std::vector<std::wstring> base_args = {L"--materials", W(temp.Join("lib")), L"--material-name",
                                               L"--from-properties", L"--dic"};
  auto args_for = [&](int run) {
    std::vector<std::wstring> args = base_args;
    args.push_back(W(temp.Join(run % 2 ? "back.ini" : "forth.ini")));
    return args;
  };
  const std::set<std::string> expected_names = [&] {
    std::set<std::string> names;
    for (const auto& [path, content] : TakeSnapshot(temp.Join("lib"))) names.insert(path);
    return names;
  }();

  // One whole run sets the range of the kill moments.
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(tool.Run(args_for(0)).exit_code, 0u);
  const auto full_run_ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - started).count();
  for (int i = 0; i < kFiles; ++i) {
    ASSERT_EQ(files::ReadFileOrEmpty(temp.Join(relative[i])), huang_jin[i]);
  }

  const unsigned seed = static_cast<unsigned>(std::random_device{}());
  std::mt19937 random(seed);
  // Any moment of a run will do; the first seconds of it hold hundreds of replacements
  // and keep the test short (each replacement is flushed to the disk, which is slow).
  std::uniform_int_distribution<long long> moment(0, std::min<long long>(full_run_ms, kKillWithinMs));
  int kills = 0;
  int mixed = 0;
  int leftovers_seen = 0;
  for (int attempt = 1; attempt <= kAttemptsAtMost && kills < kKillsWanted; ++attempt) {
    const PROCESS_INFORMATION process = tool.Start(args_for(attempt));
    Sleep(static_cast<DWORD>(moment(random)));
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process.hProcess, 9);
      ++kills;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    const Snapshot after_kill = TakeSnapshot(temp.Join("lib"));
    int old_ones = 0;
    for (int i = 0; i < kFiles; ++i) {
      const auto found = after_kill.find(relative[i].substr(4));
      ASSERT_NE(found, after_kill.end()) << relative[i] << " is gone (seed " << seed << ")";
      ASSERT_TRUE(found->second == gold[i] || found->second == huang_jin[i])
          << relative[i] << " is neither old nor new after attempt " << attempt << " (seed " << seed << ")";
      old_ones += found->second == (attempt % 2 ? huang_jin[i] : gold[i]);
    }
    if (old_ones > 0 && old_ones < kFiles) ++mixed;
    if (after_kill.size() > expected_names.size()) ++leftovers_seen;

    // The next run (folders only: no dictionary beside the tool, so nothing is renamed)
    // cleans up what the kill left.
    const CliResult next = tool.Run({L"--materials", W(temp.Join("lib")), L"--folder-name",
                                     L"--dic", W(temp.Join("forth.ini"))});
    ASSERT_EQ(next.exit_code, 0u);
    std::set<std::string> names;
    for (const auto& [path, content] : TakeSnapshot(temp.Join("lib"))) names.insert(path);
    ASSERT_EQ(names, expected_names) << "stray files after the next run (seed " << seed << ")";
  }
  std::printf("kills=%d mid-run=%d with-leftovers=%d full-run-ms=%lld seed=%u\n", kills, mixed,
              leftovers_seen, static_cast<long long>(full_run_ms), seed);
  EXPECT_GE(kills, kKillsWanted);
}

}  // namespace
}  // namespace marlivo::testing
