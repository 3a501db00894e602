// marlivo-cli.exe started as a user starts it: exit codes, output, the dry run against a
// real run on the same tree, the log file, detection, and files held or read by other
// programs while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "engine/material_header.h"
#include "engine/text/code_page.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/library_snapshot.h"
#include "tests/support/temp_folder.h"

namespace marlivo::testing {
namespace {

std::wstring W(const std::string& gbk) { return text::GbkToWide(gbk); }

std::string Material(std::string_view utf8_name, bool quoted) {
  std::string field;
  if (quoted) {
    field.push_back('"');
    field.append(utf8_name);
    field.push_back('"');
  } else {
    field = "xX";
    static const char digits[] = "0123456789abcdef";
    for (const unsigned char c : utf8_name) {
      field.push_back(digits[c >> 4]);
      field.push_back(digits[c & 15]);
    }
  }
  return "// sample\r\n#define material " + field + " {\r\n  color 1 0 0\r\n}\r\n";
}

// A library whose folder renames free and take each other's names, with Chinese names,
// a collision, a dot folder and a file without a header.
void MakeLibrary(const TempFolder& temp) {
  int n = 0;
  for (const char* file : {"A\\Gold.mtl", "B\\Silver.mtl", "C\\Copper.mtl", "Outer\\Inner\\Gold.mtl",
                           "Outer\\Lead.mtl", "\xBD\xF0\\\xD2\xF8.mtl", "Taken\\Gold.mtl",
                           "Au\\x.mtl", ".git\\Gold.mtl", "Gold.mtl", "Unknown.mtl"}) {
    const std::string path = std::string("lib\\") + file;
    const std::string base = path.substr(path.find_last_of('\\') + 1);
    temp.WriteFile(path, Material(text::GbkToUtf8(base.substr(0, base.size() - 4)), ++n % 2 == 0));
  }
  temp.WriteFile("lib\\Outer\\notes.mtl", "no header in here");
}

// Forward: Gold->Au, C->D, B->C, A->B (each rename frees the name the next one takes),
// Taken->Au (taken), 金->Gold, 银->Silber.
const std::string kDictionary =
    "[dic]\r\nGold=Au\r\nSilver=Ag\r\nCopper=Cu\r\nC=D\r\nB=C\r\nA=B\r\nOuter=Aussen\r\n"
    "Inner=Innen\r\nTaken=Au\r\nnotes=Notizen\r\n\xBD\xF0=Gold\r\n\xD2\xF8=Silber\r\n";

struct Fixture {
  TempFolder temp;
  std::string lib;
  std::string dic;
  CliTool tool{temp.path()};
  Fixture() : lib(temp.Join("lib")), dic(temp.Join("dic.ini")) {
    MakeLibrary(temp);
    temp.WriteFile("dic.ini", kDictionary);  // beside the tool: the folder pass reads it
  }
};

TEST(CliRunTest, UsageHelpAndFailedChecks) {
  TempFolder temp;
  CliTool tool(temp.path());
  const CliResult help = tool.Run({L"--help"});
  EXPECT_EQ(help.exit_code, 0u);
  EXPECT_NE(help.output.find("usage: marlivo-cli"), std::string::npos);
  for (const std::vector<std::wstring>& args :
       {std::vector<std::wstring>{L"--bogus"}, {L"--materials"}, {L"--from-filename", L"--from-properties"}}) {
    const CliResult bad = tool.Run(args);
    EXPECT_EQ(bad.exit_code, 64u);
    EXPECT_NE(bad.errors.find("usage: marlivo-cli"), std::string::npos);
    EXPECT_EQ(bad.output, "");
  }
  testing::MakeFolders(temp.Join("empty"));
  // Not beside the tool: the file system would find it there as "dic.ini".
  temp.WriteFile("upper\\dic.INI", "[dic]\r\n");
  temp.WriteFile("lib\\a.mtl", "x");
  const CliResult empty = tool.Run({L"--materials", W(temp.Join("empty")), L"--dic", W(temp.Join("upper\\dic.INI"))});
  EXPECT_EQ(empty.exit_code, 2u);
  EXPECT_EQ(empty.output, "error!\n");
  const CliResult upper = tool.Run({L"--materials", W(temp.Join("lib")), L"--dic", W(temp.Join("upper\\dic.INI"))});
  EXPECT_EQ(upper.exit_code, 2u);
  EXPECT_EQ(upper.output, "error!\n");
  // No --dic and no dic.ini beside the tool: the field stays empty.
  const CliResult no_dic = tool.Run({L"--materials", W(temp.Join("lib"))});
  EXPECT_EQ(no_dic.exit_code, 2u);
  EXPECT_EQ(files::ReadFileOrEmpty(temp.Join("lib\\a.mtl")), "x");
}

TEST(CliRunTest, DryRunPrintsExactlyTheChangesOfARealRunAndChangesNothing) {
  Fixture dry;
  Fixture real;
  const Snapshot before = TakeSnapshot(dry.lib);
  const std::string dictionary_before = files::ReadFileOrEmpty(dry.dic);
  const CliResult planned = dry.tool.Run({L"--materials", W(dry.lib), L"--dic", W(dry.dic), L"--dry-run"});
  ASSERT_EQ(planned.exit_code, 0u) << planned.output << planned.errors;
  // Nothing changed: no file, no folder, no settings in the dictionary.
  EXPECT_EQ(TakeSnapshot(dry.lib), before);
  EXPECT_EQ(files::ReadFileOrEmpty(dry.dic), dictionary_before);

  const CliResult done = real.tool.Run({L"--materials", W(real.lib), L"--dic", W(real.dic)});
  ASSERT_EQ(done.exit_code, 0u) << done.output << done.errors;
  EXPECT_EQ(Lines(done.output).back(), "done it!");
  EXPECT_EQ(Lines(planned.output).back(), "done it!");

  // Play the dry run's folder lines on its own tree, in order; every material line names
  // a file whose header the real run rewrote to that name.
  std::vector<std::pair<std::string, std::string>> renames;
  std::vector<std::pair<std::string, std::string>> materials;
  for (const std::string& utf8 : Lines(planned.output)) {
    const std::string line = text::Utf8ToGbk(utf8);
    if (line.rfind("folder ", 0) == 0) {
      const std::size_t arrow = line.find(" -> ");
      renames.emplace_back(line.substr(7, arrow - 7), line.substr(arrow + 4));
    } else if (line.rfind("material ", 0) == 0) {
      const std::size_t colon = line.find(".mtl: ");
      const std::size_t arrow = line.find(" -> ", colon);
      materials.emplace_back(line.substr(9, colon + 4 - 9), line.substr(arrow + 4));
    }
  }
  ASSERT_FALSE(renames.empty());
  for (const auto& [from, to] : renames) {
    EXPECT_TRUE(MoveFileW(files::ToSystemPath(from).c_str(), files::ToSystemPath(to).c_str()))
        << from << " -> " << to;
  }
  auto moved = [&](std::string path) {
    for (const auto& [from, to] : renames) {
      if (path.compare(0, from.size() + 1, from + "\\") == 0) path = to + path.substr(from.size());
    }
    return path;
  };
  Snapshot expected = TakeSnapshot(dry.lib);
  for (const auto& [path, name] : materials) {
    const std::string relative = moved(path).substr(dry.lib.size() + 1);
    ASSERT_TRUE(expected.count(relative)) << relative;
    const auto rewritten = engine::RewriteMaterialHeader(expected[relative], text::GbkToUtf8(name));
    ASSERT_TRUE(rewritten);
    expected[relative] = *rewritten;
  }
  EXPECT_EQ(TakeSnapshot(real.lib), expected);

  // The chain of renames, the taken name and the untouched dot folder, as planned.
  EXPECT_TRUE(expected.count("D\\Copper.mtl") && expected.count("C\\Silver.mtl") &&
              expected.count("B\\Gold.mtl") && expected.count("Aussen\\Innen\\Gold.mtl") &&
              expected.count("Taken\\Gold.mtl") && expected.count(".git\\Gold.mtl") &&
              expected.count("Gold\\\xD2\xF8.mtl"));
  const std::string log = text::Utf8ToGbk(done.output);
  EXPECT_NE(log.find("error:folder exists \"" + real.lib + "\\Au\""), std::string::npos) << log;
  EXPECT_NE(log.find("error:no material header \"" + real.lib + "\\Outer\\notes.mtl\""), std::string::npos);
  // The real run saved its settings into the dictionary it was given.
  EXPECT_NE(files::ReadFileOrEmpty(real.dic).find("[configs]"), std::string::npos);
}

TEST(CliRunTest, LogFileHoldsTheRunLogsBytes) {
  Fixture f;
  const std::string log_path = f.temp.Join("\xC8\xD5\xD6\xBE.txt");
  const CliResult run = f.tool.Run({L"--materials", W(f.lib), L"--dic", W(f.dic), L"--from-properties",
                                    L"--invert", L"--material-name", L"--log", W(log_path)});
  ASSERT_EQ(run.exit_code, 0u) << run.errors;
  const std::string log = files::ReadFileOrEmpty(log_path);
  // Every header name is looked up backward; "Silver" is nobody's value.
  EXPECT_NE(log.find("error:not find dic \"Silver\"\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("not find dic \"" + f.lib + "\\Outer\\notes.mtl\"\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find('\n') , log.find("\r\n") + 1);
  // The same lines as the console shows, in the same order.
  std::string shown;
  for (const std::string& line : Lines(run.output)) {
    if (line.rfind("[", 0) != 0 && line != "done it!") shown += text::Utf8ToGbk(line) + "\r\n";
  }
  EXPECT_EQ(shown, log);
}

TEST(CliRunTest, AFileHeldOpenWithoutSharingIsLeftAndTheRunFinishes) {
  Fixture f;
  const std::string held = f.lib + "\\A\\Gold.mtl";
  const std::string before = files::ReadFileOrEmpty(held);
  const HANDLE holder = CreateFileW(files::ToSystemPath(held).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const CliResult run = f.tool.Run({L"--materials", W(f.lib), L"--dic", W(f.dic), L"--material-name"});
  CloseHandle(holder);
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(Lines(run.output).back(), "done it!");
  EXPECT_EQ(files::ReadFileOrEmpty(held), before);
  EXPECT_NE(text::Utf8ToGbk(run.output).find("\"" + held + "\""), std::string::npos) << run.output;
  // The others were renamed.
  EXPECT_EQ(engine::DecodeHeaderName(files::ReadFileOrEmpty(f.lib + "\\Gold.mtl"), text::Utf8ToGbk), "Au");
}

TEST(CliRunTest, AReaderDuringARunSeesOnlyOldOrNewContent) {
  TempFolder temp;
  CliTool tool(temp.path());
  temp.WriteFile("dic.ini", "[dic]\r\nGold=\xBB\xC6\xBD\xF0\r\n");
  std::vector<std::string> paths;
  for (int i = 0; i < 400; ++i) {
    const std::string relative = "lib\\f" + std::to_string(i % 20) + "\\Gold" + std::to_string(i) + ".mtl";
    temp.WriteFile(relative, Material("Gold", i % 2 == 0) + std::string(static_cast<std::size_t>(i) * 37, 'p'));
    paths.push_back(temp.Join(relative));
  }
  temp.WriteFile("lib\\Gold.mtl", Material("Gold", true));
  // From the headers: every file's name is "Gold", whatever its file name.
  std::vector<std::string> old_content, new_content;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    old_content.push_back(files::ReadFileOrEmpty(paths[i]));
    new_content.push_back(*engine::RewriteMaterialHeader(old_content[i], "\xE9\xBB\x84\xE9\x87\x91"));
  }
  std::atomic<bool> running{true};
  std::atomic<int> reads{0}, bad{0};
  std::thread reader([&] {
    while (running.load()) {
      for (std::size_t i = 0; i < paths.size() && running.load(); ++i) {
        const auto content = files::ReadWholeFile(paths[i]);
        if (!content) continue;  // between the two names of a rename some systems say "not found"
        ++reads;
        if (*content != old_content[i] && *content != new_content[i]) ++bad;
      }
    }
  });
  const CliResult run = tool.Run({L"--materials", W(temp.Join("lib")), L"--dic", W(temp.Join("dic.ini")),
                                  L"--from-properties", L"--material-name"});
  running.store(false);
  reader.join();
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(bad.load(), 0) << "of " << reads.load() << " reads";
  EXPECT_GT(reads.load(), 0);
  // A file that the reader held at the moment of its replacement may be left as it was,
  // and is then named in the log.
  const std::string output = text::Utf8ToGbk(run.output);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::string content = files::ReadFileOrEmpty(paths[i]);
    EXPECT_TRUE(content == new_content[i] || content == old_content[i]) << paths[i];
    if (content == old_content[i]) {
      EXPECT_NE(output.find("\"" + paths[i] + "\""), std::string::npos) << paths[i];
    }
  }
}

}  // namespace
}  // namespace marlivo::testing
