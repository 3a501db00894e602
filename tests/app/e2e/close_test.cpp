// Closing the main window while a run is under way: the job stops after the material at
// hand, the program waits for it and ends with exit code 0, and every file is whole,
// either as it was or as the run rewrote it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/app/e2e/e2e_fixture.h"

namespace marlivo::e2e {
namespace {

constexpr int kShelves = 10;
constexpr int kFiles = 1500;

std::string FilePath(int i) {
  return "library\\shelf" + std::to_string(i % kShelves) + "\\Gold" + std::to_string(i) + ".mtl";
}

TEST(CloseTest, ClosingDuringARunStopsItCleanly) {
  KeyShotInstallations no_installations;
  ProgramFolder folder;
  folder.WriteDictionary(Gbk(L"[dic]\r\nGold=黄金\r\n"));
  const std::string before = QuotedMaterial("Gold");
  const std::string after = QuotedMaterial(Utf8(L"黄金"));
  for (int i = 0; i < kFiles; ++i) folder.temp().WriteFile(FilePath(i), before);

  RunningProgram program(folder);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, Wide(folder.Join("library"))));
  // Every header names "Gold", which the dictionary translates.
  ASSERT_TRUE(window.Click(Control::kFromPropertiesRadio));
  ASSERT_TRUE(window.Click(Control::kStartButton));
  ASSERT_FALSE(window.IsEnabled(Control::kStartButton)) << "the click did not start a run";
  // Close once the run is at work on the materials.
  ASSERT_TRUE(WaitUntil([&] { return StartsWith(window.Text(Control::kStatusLabel), L"Gold"); }));
  ASSERT_FALSE(window.IsEnabled(Control::kStartButton)) << "the run ended before the close";
  program.process().Close(window.window());
  EXPECT_EQ(program.process().WaitForExit(), std::optional<DWORD>(0));

  int renamed = 0;
  for (int i = 0; i < kFiles; ++i) {
    const std::optional<std::string> content = ReadFileBytes(folder.Join(FilePath(i)));
    ASSERT_TRUE(content.has_value()) << FilePath(i);
    if (*content == after) {
      ++renamed;
    } else {
      ASSERT_EQ(*content, before) << FilePath(i) << " is neither old nor new";
    }
  }
  // The material at hand was finished; the rest were not begun.
  EXPECT_GE(renamed, 1);
  EXPECT_LT(renamed, kFiles);
  // Nothing but the library's own files is left behind.
  for (int shelf = 0; shelf < kShelves; ++shelf) {
    EXPECT_EQ(folder.temp().List("library\\shelf" + std::to_string(shelf)).size(),
              static_cast<size_t>(kFiles / kShelves));
  }
}

}  // namespace
}  // namespace marlivo::e2e
