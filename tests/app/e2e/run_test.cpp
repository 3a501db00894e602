// Full runs from the window, as a user starts them: each mode of the material pass and
// of the folder pass with its results checked on disk, the settings saved at the start of
// a run, the run log saved by a double click on the status line, the inputs locked while
// a run is under way, and the radio pair.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/app/e2e/e2e_fixture.h"

namespace marlivo::e2e {
namespace {

// The dictionary beside the program, which the folder pass always reads.
std::string Dictionary() {
  return Gbk(L"[dic]\r\nGold=黄金\r\nSilver=白银\r\nOak=橡木\r\nMetal=金属\r\nPolished=抛光\r\n"
             L"Wood=木材\r\n");
}

// Names as material headers hold them (UTF-8) and as folder names (GBK).
std::string U8(const wchar_t* text) { return Utf8(text); }
std::string G(const wchar_t* text) { return Gbk(text); }

// A material library: relative path (GBK) -> file content; folders end with "\".
using Library = std::map<std::string, std::string>;

Library EnglishLibrary() {
  return {
      {"Gold.mtl", QuotedMaterial("Gold")},
      {"Silver.mtl", HexMaterial("Silver")},
      {"Unknown.mtl", QuotedMaterial("Unknown")},
      {"Renamed.mtl", QuotedMaterial("Gold")},  // its file name is not its material's
      {"NoHeader.mtl", "no header here\r\n"},
      {"Metal\\Oak.mtl", QuotedMaterial("Oak")},
      {"Metal\\Polished\\", ""},
      {"Wood\\", ""},
      {"Misc\\", ""},
      {".cache\\Gold.mtl", QuotedMaterial("Gold")},  // collected; the folder is never renamed
  };
}

Library ChineseLibrary() {
  return {
      {"a.mtl", QuotedMaterial(U8(L"黄金"))},
      {"b.mtl", HexMaterial(U8(L"未知"))},
      {G(L"金属\\抛光\\c.mtl"), QuotedMaterial(U8(L"橡木"))},
      {G(L"木材\\"), ""},
      {G(L"杂项\\"), ""},
  };
}

void WriteLibrary(const ProgramFolder& folder, const std::string& root, const Library& library) {
  for (const auto& [path, content] : library) {
    if (!path.empty() && path.back() == '\\') {
      ASSERT_TRUE(testing::MakeFolders(folder.Join(root + "\\" + path.substr(0, path.size() - 1))));
    } else {
      folder.temp().WriteFile(root + "\\" + path, content);
    }
  }
}

// The library with an entry for every folder that holds something, as a tree read back
// from disk shows them.
Library WithFolders(Library library) {
  Library folders;
  for (const auto& entry : library) {
    const std::string& path = entry.first;
    for (size_t at = path.find('\\'); at != std::string::npos && at + 1 < path.size();
         at = path.find('\\', at + 1)) {
      folders[path.substr(0, at + 1)] = "";
    }
  }
  library.merge(folders);
  return library;
}

// Every file of a tree (relative GBK path -> content) and every folder (path + "\").
void ReadTree(const testing::TempFolder& temp, const std::string& relative,
              const std::string& prefix, Library& tree) {
  for (const std::string& name : temp.List(relative)) {
    const std::string path = relative + "\\" + name;
    const std::optional<std::string> content = ReadFileBytes(temp.Join(path));
    if (content) {
      tree[prefix + name] = *content;
    } else {
      tree[prefix + name + "\\"] = "";
      ReadTree(temp, path, prefix + name + "\\", tree);
    }
  }
}

struct Options {
  bool material_name = true;
  bool folder_name = true;
  bool from_properties = false;
  bool material_double_lang = false;
  bool folder_double_lang = false;
  bool invert = false;
};

::testing::AssertionResult SetCheck(MainWindow& window, Control control, bool ticked) {
  if ((window.CheckState(control) == BST_CHECKED) != ticked) window.Click(control);
  if ((window.CheckState(control) == BST_CHECKED) != ticked) {
    return ::testing::AssertionFailure() << ControlName(control) << " does not change";
  }
  return ::testing::AssertionSuccess();
}

void SetOptions(MainWindow& window, const Options& options) {
  ASSERT_TRUE(SetCheck(window, Control::kMaterialNameCheck, options.material_name));
  ASSERT_TRUE(SetCheck(window, Control::kFolderNameCheck, options.folder_name));
  ASSERT_TRUE(SetCheck(window, Control::kMaterialDoubleLangCheck, options.material_double_lang));
  ASSERT_TRUE(SetCheck(window, Control::kFolderDoubleLangCheck, options.folder_double_lang));
  ASSERT_TRUE(SetCheck(window, Control::kInvertCheck, options.invert));
  ASSERT_TRUE(window.Click(options.from_properties ? Control::kFromPropertiesRadio
                                                   : Control::kFromFilenameRadio));
}

std::wstring Setting(const std::string& dictionary, const wchar_t* key) {
  wchar_t value[256] = L"";
  GetPrivateProfileStringW(L"configs", key, L"(none)", value, 256, Wide(dictionary).c_str());
  return value;
}

std::vector<std::string> SortedLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end == std::string::npos ? text.size() : end + 2;
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

class RunTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_.WriteDictionary(Dictionary()); }

  KeyShotInstallations no_installations_;
  ProgramFolder folder_;
};

TEST_F(RunTest, EveryModeChangesTheLibraryOnDisk) {
  struct Case {
    const char* what;
    Options options;
    std::function<Library()> library;
    Library changes;  // what the run changes in the library (the rest stays)
    std::vector<std::string> log;  // the log's lines, sorted; the library's path as "@"
  };
  const Case cases[] = {
      {"materials from their file names",
       {.material_name = true, .folder_name = false},
       EnglishLibrary,
       {{"Gold.mtl", QuotedMaterial(U8(L"黄金"))},
        {"Silver.mtl", HexMaterial(U8(L"白银"))},
        {"Metal\\Oak.mtl", QuotedMaterial(U8(L"橡木"))},
        {".cache\\Gold.mtl", QuotedMaterial(U8(L"黄金"))}},
       {}},
      {"materials from their headers, double language",
       {.material_name = true, .folder_name = false, .from_properties = true,
        .material_double_lang = true},
       EnglishLibrary,
       {{"Gold.mtl", QuotedMaterial(U8(L"Gold - 黄金"))},
        {"Silver.mtl", HexMaterial(U8(L"Silver - 白银"))},
        {"Renamed.mtl", QuotedMaterial(U8(L"Gold - 黄金"))},
        {"Metal\\Oak.mtl", QuotedMaterial(U8(L"Oak - 橡木"))},
        {".cache\\Gold.mtl", QuotedMaterial(U8(L"Gold - 黄金"))}},
       {"not find dic \"@\\NoHeader.mtl\""}},
      {"materials back from their headers",
       {.material_name = true, .folder_name = false, .from_properties = true, .invert = true},
       ChineseLibrary,
       {{"a.mtl", QuotedMaterial("Gold")}, {G(L"金属\\抛光\\c.mtl"), QuotedMaterial("Oak")}},
       {G(L"error:not find dic \"未知\"")}},
      {"folders",
       {.material_name = false, .folder_name = true},
       EnglishLibrary,
       {{G(L"金属\\"), ""}, {G(L"金属\\抛光\\"), ""}, {G(L"金属\\Oak.mtl"), QuotedMaterial("Oak")},
        {G(L"木材\\"), ""}},
       {"not find dic \"Misc\""}},
      {"folders, double language",
       {.material_name = false, .folder_name = true, .folder_double_lang = true},
       EnglishLibrary,
       {{G(L"Metal - 金属\\"), ""}, {G(L"Metal - 金属\\Polished - 抛光\\"), ""},
        {G(L"Metal - 金属\\Oak.mtl"), QuotedMaterial("Oak")}, {G(L"Wood - 木材\\"), ""}},
       {"not find dic \"Misc\""}},
      {"folders back",
       {.material_name = false, .folder_name = true, .invert = true},
       ChineseLibrary,
       {{"Metal\\", ""}, {"Metal\\Polished\\", ""},
        {"Metal\\Polished\\c.mtl", QuotedMaterial(U8(L"橡木"))}, {"Wood\\", ""}},
       {G(L"not find dic \"杂项\"")}},
  };
  // The folders that a folder run renames leave the library; these are their old names.
  const std::map<std::string, std::vector<std::string>> renamed_away = {
      {"folders", {"Metal\\", "Metal\\Polished\\", "Metal\\Oak.mtl", "Wood\\"}},
      {"folders, double language", {"Metal\\", "Metal\\Polished\\", "Metal\\Oak.mtl", "Wood\\"}},
      {"folders back",
       {G(L"金属\\"), G(L"金属\\抛光\\"), G(L"金属\\抛光\\c.mtl"), G(L"木材\\")}},
  };

  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string root = "library" + std::to_string(++number);
    const Library before = c.library();
    WriteLibrary(folder_, root, before);
    DeleteFileW(Wide(folder_.Join("log.txt")).c_str());

    ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, Wide(folder_.Join(root))));
    SetOptions(window, c.options);
    ASSERT_TRUE(RunToTheEnd(window));

    Library expected = before;
    if (auto away = renamed_away.find(c.what); away != renamed_away.end()) {
      for (const std::string& path : away->second) expected.erase(path);
    }
    for (const auto& [path, content] : c.changes) expected[path] = content;
    Library after;
    ReadTree(folder_.temp(), root, "", after);
    EXPECT_EQ(after, WithFolders(expected));
    EXPECT_EQ(window.ProgressPosition(), 100);

    // The run began by saving the settings into the dictionary that the field names.
    const std::string dictionary = folder_.DictionaryPath();
    EXPECT_EQ(Setting(dictionary, L"MaterialFolder"), Wide(folder_.Join(root)));
    EXPECT_EQ(Setting(dictionary, L"MaterialFolde"), c.options.material_name ? L"true" : L"false");
    EXPECT_EQ(Setting(dictionary, L"FolderName"), c.options.folder_name ? L"true" : L"false");
    EXPECT_EQ(Setting(dictionary, L"MaterialFoldeDoubleLang"),
              c.options.material_double_lang ? L"true" : L"false");
    EXPECT_EQ(Setting(dictionary, L"FolderNameDoubleLang"),
              c.options.folder_double_lang ? L"true" : L"false");
    EXPECT_EQ(Setting(dictionary, L"From"), c.options.from_properties ? L"1" : L"0");

    // The double click saves what the run logged, and does nothing when it logged nothing.
    ASSERT_TRUE(window.DoubleClick(Control::kStatusLabel));
    const std::optional<std::string> log = ReadFileBytes(folder_.Join("log.txt"));
    if (c.log.empty()) {
      EXPECT_EQ(window.Text(Control::kStatusLabel), kDone);
      EXPECT_FALSE(log.has_value());
    } else {
      EXPECT_EQ(window.Text(Control::kStatusLabel), kSaved);
      ASSERT_TRUE(log.has_value());
      ASSERT_GE(log->size(), 2u);
      EXPECT_EQ(log->substr(log->size() - 2), "\r\n");
      std::vector<std::string> wanted;
      for (std::string line : c.log) {
        if (const size_t at = line.find('@'); at != std::string::npos) {
          line.replace(at, 1, folder_.Join(root));
        }
        wanted.push_back(line);
      }
      std::sort(wanted.begin(), wanted.end());
      EXPECT_EQ(SortedLines(log->substr(0, log->size() - 2)), wanted);
    }
  }
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

// A library big enough that a run lasts while the test looks at the window.
void WriteBigLibrary(const ProgramFolder& folder, const std::string& root, int files) {
  for (int i = 0; i < files; ++i) {
    folder.temp().WriteFile(root + "\\shelf" + std::to_string(i % 10) + "\\Gold" +
                                std::to_string(i) + ".mtl",
                            QuotedMaterial("Gold"));
  }
}

TEST_F(RunTest, InputsAreLockedWhileARunIsUnderWay) {
  WriteBigLibrary(folder_, "library", 400);
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, Wide(folder_.Join("library"))));
  ASSERT_TRUE(window.Click(Control::kFromPropertiesRadio));

  ASSERT_TRUE(window.Click(Control::kStartButton));
  // Locked by the click itself, before the worker starts: a second click cannot start
  // a second run.
  for (Control input : kLockedControls) {
    EXPECT_FALSE(window.IsEnabled(input)) << ControlName(input);
  }
  for (Control shown : {Control::kMaterialFolderLabel, Control::kDicFileLabel,
                        Control::kStatusLabel, Control::kProgressBar, Control::kBannerPicture}) {
    EXPECT_TRUE(window.IsEnabled(shown)) << ControlName(shown);
  }
  // While it runs, the status line names the material at hand.
  EXPECT_TRUE(WaitUntil([&] {
    const std::wstring status = window.Text(Control::kStatusLabel);
    return StartsWith(status, L"Gold") || status == kDone;
  }));

  ASSERT_TRUE(WaitUntil([&] { return window.IsEnabled(Control::kStartButton); }));
  EXPECT_EQ(window.Text(Control::kStatusLabel), kDone);
  for (Control input : kLockedControls) {
    EXPECT_TRUE(window.IsEnabled(input)) << ControlName(input);
  }
  EXPECT_EQ(window.ProgressPosition(), 100);
  EXPECT_EQ(HeaderName(ReadFileBytes(folder_.Join("library\\shelf3\\Gold13.mtl")).value_or("")),
            std::optional<std::string>(U8(L"黄金")));
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

// The status line stays enabled during a run, so the log can be saved while the run
// appends to it: what is saved is a copy of whole lines, the start of the final log.
TEST_F(RunTest, TheLogCanBeSavedWhileARunWritesIt) {
  constexpr int kFiles = 600;
  for (int i = 0; i < kFiles; ++i) {
    folder_.temp().WriteFile("library\\NoHeader" + std::to_string(i) + ".mtl", "no header\r\n");
  }
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, Wide(folder_.Join("library"))));
  ASSERT_TRUE(SetCheck(window, Control::kFolderNameCheck, false));
  ASSERT_TRUE(window.Click(Control::kFromPropertiesRadio));  // every file logs its path

  ASSERT_TRUE(window.Click(Control::kStartButton));
  ASSERT_TRUE(WaitUntil([&] { return window.ProgressPosition() >= 2; }));
  ASSERT_TRUE(window.DoubleClick(Control::kStatusLabel));
  const std::string during = ReadFileBytes(folder_.Join("log.txt")).value_or("");
  ASSERT_TRUE(WaitUntil([&] { return window.IsEnabled(Control::kStartButton); }));
  ASSERT_TRUE(window.DoubleClick(Control::kStatusLabel));
  const std::string after = ReadFileBytes(folder_.Join("log.txt")).value_or("");

  const std::string prefix = "not find dic \"" + folder_.Join("library\\NoHeader");
  const std::vector<std::string> lines = SortedLines(after.substr(0, after.size() - 2));
  ASSERT_EQ(lines.size(), static_cast<size_t>(kFiles));
  for (const std::string& line : lines) {
    EXPECT_EQ(line.substr(0, prefix.size()), prefix) << line;
    EXPECT_EQ(line.substr(line.size() - 5), ".mtl\"") << line;
  }
  ASSERT_FALSE(during.empty());
  EXPECT_EQ(during.substr(during.size() - 2), "\r\n");
  EXPECT_EQ(after.substr(0, during.size()), during);
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

TEST_F(RunTest, TheLogIsSavedOnlyWhenARunLoggedSomething) {
  WriteLibrary(folder_, "library", EnglishLibrary());
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();

  // Before any run there is no log to save.
  ASSERT_TRUE(window.DoubleClick(Control::kStatusLabel));
  EXPECT_EQ(window.Text(Control::kStatusLabel), L"");
  EXPECT_FALSE(PathExists(folder_.Join("log.txt")));

  ASSERT_TRUE(window.SetText(Control::kMaterialFolderEdit, Wide(folder_.Join("library"))));
  ASSERT_TRUE(SetCheck(window, Control::kMaterialNameCheck, false));
  ASSERT_TRUE(RunToTheEnd(window));
  ASSERT_TRUE(window.DoubleClick(Control::kStatusLabel));
  EXPECT_EQ(window.Text(Control::kStatusLabel), kSaved);
  EXPECT_EQ(ReadFileBytes(folder_.Join("log.txt")),
            std::optional<std::string>("not find dic \"Misc\"\r\n"));

  // A second run starts a fresh log: the folders are translated now, so only the one
  // that has no translation is logged, once.
  ASSERT_TRUE(RunToTheEnd(window));
  ASSERT_TRUE(window.DoubleClick(Control::kStatusLabel));
  EXPECT_EQ(window.Text(Control::kStatusLabel), kSaved);
  const std::string second = ReadFileBytes(folder_.Join("log.txt")).value_or("");
  ASSERT_GE(second.size(), 2u);
  std::vector<std::string> wanted = {"not find dic \"Misc\"", G(L"not find dic \"金属\""),
                                     G(L"not find dic \"抛光\""), G(L"not find dic \"木材\"")};
  std::sort(wanted.begin(), wanted.end());
  EXPECT_EQ(SortedLines(second.substr(0, second.size() - 2)), wanted);
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

TEST_F(RunTest, TheRadioButtonsAreOnePair) {
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  struct Step {
    Control click;
    int from_filename, from_properties;
  } steps[] = {
      {Control::kFromPropertiesRadio, 0, 1},
      {Control::kFromPropertiesRadio, 0, 1},
      {Control::kFromFilenameRadio, 1, 0},
      {Control::kFromPropertiesRadio, 0, 1},
  };
  for (const Step& step : steps) {
    ASSERT_TRUE(window.Click(step.click));
    EXPECT_EQ(window.CheckState(Control::kFromFilenameRadio), step.from_filename);
    EXPECT_EQ(window.CheckState(Control::kFromPropertiesRadio), step.from_properties);
  }
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace marlivo::e2e
