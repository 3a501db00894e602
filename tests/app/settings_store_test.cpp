// The settings in section "configs" of real dictionary files: what each stored value
// does to the controls, and saves that change the six keys and not one byte more.
#include "app/settings_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/dictionary.h"
#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "tests/support/temp_folder.h"

namespace marlivo::app {
namespace {

using engine::JobInput;
using testing::TempFolder;

const std::string kGoldFolder = "C:\\\xB2\xC4\xD6\xCA";  // C:\材质

// The six controls as plain state, reached the way the window's are.
class FakeFrontEnd : public engine::JobFrontEnd {
 public:
  std::string folder = "untouched";
  std::string dic_file;
  std::map<JobInput, int> checks;

  std::string GetMaterialFolderText() override { return folder; }
  void SetMaterialFolderText(std::string_view text) override { folder = text; }
  std::string GetDicFileText() override { return dic_file; }
  int GetCheckState(JobInput input) override { return checks[input]; }
  void SetCheckState(JobInput input, int state) override { checks[input] = state; }
  void SetInputEnabled(JobInput, bool) override {}
  void ShowStatus(std::string_view) override {}
  void ShowProgress(int) override {}
};

// Material Name, Folder Name, the two Double Lang boxes, From Filename, From Properties.
struct States {
  int material_name, folder_name, material_double, folder_double, from_file, from_props;
  bool operator==(const States&) const = default;
};

States StatesOf(FakeFrontEnd& front_end) {
  return {front_end.checks[JobInput::kMaterialNameCheck],
          front_end.checks[JobInput::kFolderNameCheck],
          front_end.checks[JobInput::kMaterialDoubleLangCheck],
          front_end.checks[JobInput::kFolderDoubleLangCheck],
          front_end.checks[JobInput::kFromFilenameRadio],
          front_end.checks[JobInput::kFromPropertiesRadio]};
}

void PrintTo(const States& s, std::ostream* out) {
  *out << s.material_name << s.folder_name << s.material_double << s.folder_double << " "
       << s.from_file << s.from_props;
}

TEST(SettingsStoreTest, EachStoredValueSetsTheControlsAsTheTableSays) {
  TempFolder temp;
  const States kDefaults{1, 1, 0, 0, 1, 0};
  struct Case {
    std::string configs;  // lines of section "configs"
    std::string folder;   // the folder field afterwards
    States states;        // from a start of all 2 ("indeterminate": untouched shows)
  } const cases[] = {
      {"", "untouched", kDefaults},
      {"MaterialFolder=" + kGoldFolder + "\r\n", kGoldFolder, kDefaults},
      {"FolderName=TRUE\r\nMaterialFolde=True\r\nFolderNameDoubleLang=true\r\n"
       "MaterialFoldeDoubleLang=tRuE\r\nFrom=1\r\n",
       "untouched", {1, 1, 1, 1, 0, 1}},
      {"FolderName=1\r\nMaterialFolde=yes\r\nFolderNameDoubleLang=false\r\n"
       "MaterialFoldeDoubleLang=no\r\nFrom=0\r\n",
       "untouched", {0, 0, 0, 0, 1, 0}},
      {"From=2\r\n", "untouched", {1, 1, 0, 0, 2, 2}},
      {"From=\r\nMaterialFolder=\r\n", "untouched", kDefaults},
      {"from = \"1\"\r\nfoldername = ' true '\r\n", "untouched", {1, 0, 0, 0, 0, 1}},
  };
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.configs);
    const std::string name = std::to_string(row++).append(".ini");
    temp.WriteFile(name, "[dic]\r\nFrom=1\r\n[configs]\r\n" + c.configs + "[x]\r\nFrom=1\r\n");
    FakeFrontEnd front_end;
    for (JobInput input : engine::kLockedInputs) front_end.checks[input] = 2;
    LoadSettings(front_end, temp.Join(name));
    EXPECT_EQ(front_end.folder, c.folder);
    EXPECT_EQ(StatesOf(front_end), c.states);
  }

  // Missing files and folders read as files without settings.
  for (const std::string& path : {temp.Join("missing.ini"), temp.path()}) {
    FakeFrontEnd front_end;
    LoadSettings(front_end, path);
    EXPECT_EQ(front_end.folder, "untouched");
    EXPECT_EQ(StatesOf(front_end), kDefaults);
  }
}

TEST(SettingsStoreTest, SaveChangesTheKeysAndNotOneByteMore) {
  TempFolder temp;
  // Blanks, a bare CR, blank lines, comments, "=" inside entries and a second
  // "configs" section: all of it must survive byte for byte.
  const std::string before =
      "; my dictionary\r\n"
      "[dic]\r\n"
      "  Lead=Pb\r\n"
      "Key = Value\r\n"
      "a=b=c\rbare CR\r\n"
      "\r\n"
      "[Configs]\r\n"
      "MaterialFolder = old folder   \r\n"
      "; note inside configs\r\n"
      "from\r\n"
      "FolderName=\r\n"
      "\r\n"
      "[dic2]\r\n"
      "x=y\n"
      "[configs]\r\n"
      "MaterialFolde=second section\r\n";
  const std::string after =
      "; my dictionary\r\n"
      "[dic]\r\n"
      "  Lead=Pb\r\n"
      "Key = Value\r\n"
      "a=b=c\rbare CR\r\n"
      "\r\n"
      "[Configs]\r\n"
      "MaterialFolder = " + kGoldFolder + "   \r\n"
      "; note inside configs\r\n"
      "from=1\r\n"
      "FolderName=false\r\n"
      "MaterialFolde=true\r\n"
      "FolderNameDoubleLang=true\r\n"
      "MaterialFoldeDoubleLang=false\r\n"
      "\r\n"
      "[dic2]\r\n"
      "x=y\n"
      "[configs]\r\n"
      "MaterialFolde=second section\r\n";
  temp.WriteFile("dic.ini", before);
  FakeFrontEnd front_end;
  front_end.dic_file = temp.Join("dic.ini");
  front_end.folder = kGoldFolder;
  front_end.checks = {{JobInput::kMaterialNameCheck, 1},
                      {JobInput::kFolderNameCheck, 2},  // only exactly 1 counts
                      {JobInput::kFolderDoubleLangCheck, 1},
                      {JobInput::kFromFilenameRadio, 1},
                      {JobInput::kFromPropertiesRadio, 1}};  // both: the later wins
  EXPECT_TRUE(SaveSettings(front_end));
  EXPECT_EQ(files::ReadWholeFile(front_end.dic_file), after);

  // The dictionary lookups see the same dictionary as before the save.
  EXPECT_EQ(engine::ForwardLookup(front_end.dic_file, "Lead"), "Pb");

  // Loading what was saved gives the controls back.
  FakeFrontEnd loaded;
  LoadSettings(loaded, front_end.dic_file);
  EXPECT_EQ(loaded.folder, kGoldFolder);
  EXPECT_EQ(StatesOf(loaded), (States{1, 0, 0, 1, 0, 1}));

  // A second save of the same states changes nothing at all.
  EXPECT_TRUE(SaveSettings(front_end));
  EXPECT_EQ(files::ReadWholeFile(front_end.dic_file), after);
}

TEST(SettingsStoreTest, SaveAddsAMissingSectionAndMakesAMissingFile) {
  TempFolder temp;
  FakeFrontEnd front_end;
  front_end.folder = " " + kGoldFolder + " ";  // untrimmed, as typed
  front_end.checks = {{JobInput::kMaterialNameCheck, 1}, {JobInput::kFolderNameCheck, 1}};
  const std::string six =
      "[configs]\r\n"
      "MaterialFolder= " + kGoldFolder + " \r\n"
      "FolderName=true\r\n"
      "MaterialFolde=true\r\n"
      "FolderNameDoubleLang=false\r\n"
      "MaterialFoldeDoubleLang=false\r\n"
      "From=\r\n";
  struct Case {
    std::string name;
    std::string before;  // "-" for no file
    std::string after;
  } const cases[] = {
      {"ends.ini", "[dic]\r\nGold=Au", "[dic]\r\nGold=Au\r\n" + six},
      {"lf.ini", "[dic]\nGold=Au\n", "[dic]\nGold=Au\n" + six},
      {"empty.ini", "", six},
      {"new.ini", "-", six},
      // A file whose last line has no line break keeps it that way.
      {"header.ini", "[dic]\r\n[configs]", "[dic]\r\n" + six.substr(0, six.size() - 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.before != "-") temp.WriteFile(c.name, c.before);
    front_end.dic_file = temp.Join(c.name);
    EXPECT_TRUE(SaveSettings(front_end));
    EXPECT_EQ(files::ReadWholeFile(front_end.dic_file), c.after);
  }
}

TEST(SettingsStoreTest, FilesThatCannotTakeTheSettingsAreLeftAsTheyWere) {
  TempFolder temp;
  FakeFrontEnd front_end;
  const std::string content = "[configs]\r\nFrom=1\r\n";
  temp.WriteFile("ro.ini", content);
  front_end.dic_file = temp.Join("ro.ini");
  ASSERT_TRUE(SetFileAttributesW(files::ToSystemPath(front_end.dic_file).c_str(),
                                 FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(SaveSettings(front_end));
  EXPECT_EQ(files::ReadWholeFile(front_end.dic_file), content);

  // UTF-16 text would be damaged by GBK bytes; it stays untouched.
  const std::string utf16("\xFF\xFE[\0c\0]\0", 8);
  temp.WriteFile("utf16.ini", utf16);
  front_end.dic_file = temp.Join("utf16.ini");
  EXPECT_FALSE(SaveSettings(front_end));
  EXPECT_EQ(files::ReadWholeFile(front_end.dic_file), utf16);

  EXPECT_FALSE(SaveSettings(front_end = FakeFrontEnd{}));  // an empty field
  front_end.dic_file = temp.Join("no folder\\dic.ini");
  EXPECT_FALSE(SaveSettings(front_end));
}

TEST(SettingsStoreTest, AUtf8DictionaryGetsUtf8Values) {
  TempFolder temp;
  temp.WriteFile("utf8.ini", "\xEF\xBB\xBF[dic]\r\n\xE9\x87\x91=Au\r\n");
  FakeFrontEnd front_end;
  front_end.dic_file = temp.Join("utf8.ini");
  front_end.folder = kGoldFolder;
  EXPECT_TRUE(SaveSettings(front_end));
  const std::string text = *files::ReadWholeFile(front_end.dic_file);
  EXPECT_NE(text.find("MaterialFolder=C:\\\xE6\x9D\x90\xE8\xB4\xA8\r\n"), std::string::npos);
  FakeFrontEnd loaded;
  LoadSettings(loaded, front_end.dic_file);
  EXPECT_EQ(loaded.folder, kGoldFolder);
  EXPECT_EQ(engine::ForwardLookup(front_end.dic_file, "\xBD\xF0"), "Au");
}

}  // namespace
}  // namespace marlivo::app
