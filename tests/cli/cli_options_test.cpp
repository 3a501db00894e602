// The console tool's flags: the window's initial states, and what makes a usage error.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace marlivo::cli {
namespace {

CliOptions Parse(std::vector<std::wstring> args) {
  const ParseResult result = ParseCliOptions(args);
  EXPECT_TRUE(result.options.has_value());
  return result.options.value_or(CliOptions{});
}

TEST(CliOptionsTest, StartsFromTheWindowsInitialStates) {
  const CliOptions none = Parse({});
  EXPECT_TRUE(none.material_name && none.folder_name);
  EXPECT_FALSE(none.from_properties || none.material_double_lang || none.folder_double_lang ||
               none.invert || none.dry_run || none.help);
  EXPECT_FALSE(none.materials || none.dic || none.log);

  const CliOptions materials = Parse({L"--material-name"});
  EXPECT_TRUE(materials.material_name);
  EXPECT_FALSE(materials.folder_name);
  const CliOptions folders = Parse({L"--folder-name"});
  EXPECT_FALSE(folders.material_name);
  EXPECT_TRUE(folders.folder_name);
  const CliOptions both = Parse({L"--folder-name", L"--material-name"});
  EXPECT_TRUE(both.material_name && both.folder_name);

  const CliOptions all = Parse({L"--materials", L"C:\\lib", L"--dic", L"\x8BCD.ini", L"--log",
                                L"log.txt", L"--from-properties", L"--material-double-lang",
                                L"--folder-double-lang", L"--invert", L"--dry-run"});
  EXPECT_EQ(*all.materials, L"C:\\lib");
  EXPECT_EQ(*all.dic, L"\x8BCD.ini");
  EXPECT_EQ(*all.log, L"log.txt");
  EXPECT_TRUE(all.from_properties && all.material_double_lang && all.folder_double_lang &&
              all.invert && all.dry_run);
  EXPECT_TRUE(Parse({L"--from-properties", L"--from-properties"}).from_properties);
  EXPECT_FALSE(Parse({L"--from-filename"}).from_properties);
  EXPECT_TRUE(Parse({L"--help"}).help);
  // A value may look like a flag: it is the value all the same.
  EXPECT_EQ(*Parse({L"--materials", L"--invert"}).materials, L"--invert");
}

TEST(CliOptionsTest, UsageErrors) {
  const std::vector<std::vector<std::wstring>> bad = {
      {L"--materials"},
      {L"--dic"},
      {L"--log"},
      {L"--materials", L"a", L"--materials", L"b"},
      {L"--from-filename", L"--from-properties"},
      {L"--unknown"},
      {L"C:\\lib"},
  };
  for (const auto& args : bad) {
    const ParseResult result = ParseCliOptions(args);
    EXPECT_FALSE(result.options.has_value()) << args.front();
    EXPECT_FALSE(result.error.empty());
  }
}

}  // namespace
}  // namespace marlivo::cli
