// What "Start" does with the two paths before any work: each way it refuses them with
// "error!" and changes nothing else, a click with neither pass ticked, and the blanks it
// ignores around both paths.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/app/e2e/e2e_fixture.h"

namespace marlivo::e2e {
namespace {

constexpr char kDictionary[] = "[dic]\r\nGold=\xBB\xC6\xBD\xF0\r\n";  // Gold=黄金

// A program folder with a dictionary beside the program, a library with one material,
// an empty folder, a plain file and a dictionary with the wrong case of extension.
class StartCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteDictionary(kDictionary);
    folder_.temp().WriteFile("library\\Gold.mtl", QuotedMaterial("Old Gold"));
    ASSERT_TRUE(testing::MakeFolders(folder_.Join("empty")));
    folder_.temp().WriteFile("notes.txt", "not a folder");
    folder_.temp().WriteFile("dic.INI", kDictionary);
    folder_.temp().WriteFile("dic.ini.txt", kDictionary);
  }

  KeyShotInstallations no_installations_;
  ProgramFolder folder_;
};

TEST_F(StartCommandTest, RefusesPathsThatDoNotPassWithErrorAndNothingElse) {
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  const std::wstring library = Wide(folder_.Join("library"));
  const std::wstring dictionary = Wide(folder_.DictionaryPath());
  struct Case {
    const char* what;
    std::wstring material_folder;
    std::wstring dic_file;
  } cases[] = {
      {"no materials folder", L"", dictionary},
      {"a blank materials folder", L"   ", dictionary},
      {"an empty materials folder", Wide(folder_.Join("empty")), dictionary},
      {"a missing materials folder", Wide(folder_.Join("missing")), dictionary},
      {"a file as materials folder", Wide(folder_.Join("notes.txt")), dictionary},
      {"no dictionary", library, L""},
      {"a missing dictionary", library, Wide(folder_.Join("other.ini"))},
      {"a dictionary ending in .INI", library, Wide(folder_.Join("dic.INI"))},
      {"a dictionary ending in .txt", library, Wide(folder_.Join("dic.ini.txt"))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Each case starts from a status line that is not "error!".
    ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, library));
    ASSERT_TRUE(window.SetText(Control::kDicFileEdit, dictionary));
    ASSERT_TRUE(RunToTheEnd(window));

    ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, c.material_folder));
    ASSERT_TRUE(window.SetText(Control::kDicFileEdit, c.dic_file));
    const std::optional<std::string> dictionary_before = ReadFileBytes(folder_.DictionaryPath());
    ASSERT_TRUE(window.Click(Control::kStartButton));
    // The checks run inside the click, so the answer is there when the click returns.
    EXPECT_EQ(window.Text(Control::kStatusLabel), kError);
    for (Control input : kLockedControls) {
      EXPECT_TRUE(window.IsEnabled(input)) << ControlName(input);
    }
    // No settings were saved and the library was left alone.
    EXPECT_EQ(ReadFileBytes(folder_.DictionaryPath()), dictionary_before);
    EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), c.material_folder);
  }
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

TEST_F(StartCommandTest, WithNeitherPassTickedStartChangesNothing) {
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, Wide(folder_.Join("library"))));
  ASSERT_TRUE(window.Click(Control::kMaterialNameCheck));
  ASSERT_TRUE(window.Click(Control::kFolderNameCheck));
  ASSERT_EQ(window.CheckState(Control::kMaterialNameCheck), 0);
  ASSERT_EQ(window.CheckState(Control::kFolderNameCheck), 0);

  ASSERT_TRUE(window.Click(Control::kStartButton));
  // The click locked nothing and showed nothing.
  EXPECT_EQ(window.Text(Control::kStatusLabel), L"");
  for (Control input : kLockedControls) {
    EXPECT_TRUE(window.IsEnabled(input)) << ControlName(input);
  }
  // The program waits for a run before it ends, so once it has ended, whatever the click
  // started is over: no settings were saved and no file was touched.
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
  EXPECT_EQ(ReadFileBytes(folder_.DictionaryPath()), std::optional<std::string>(kDictionary));
  EXPECT_EQ(ReadFileBytes(folder_.Join("library\\Gold.mtl")),
            std::optional<std::string>(QuotedMaterial("Old Gold")));
}

TEST_F(StartCommandTest, BlanksAroundBothPathsAreIgnored) {
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  // Typed key by key, with ASCII and ideographic spaces around the paths.
  ASSERT_TRUE(window.Type(Control::kMaterialFolderEdit,
                          L"  \u3000" + Wide(folder_.Join("library")) + L" "));
  ASSERT_TRUE(window.Type(Control::kDicFileEdit, L" " + Wide(folder_.DictionaryPath()) + L"\u3000"));
  ASSERT_TRUE(window.Click(Control::kFolderNameCheck));  // materials only
  ASSERT_TRUE(RunToTheEnd(window));
  EXPECT_EQ(HeaderName(ReadFileBytes(folder_.Join("library\\Gold.mtl")).value_or("")),
            std::optional<std::string>("\xE9\xBB\x84\xE9\x87\x91"));  // 黄金 in UTF-8
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace marlivo::e2e
