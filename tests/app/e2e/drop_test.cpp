// Files dropped on the two fields, as the shell drops them: the materials field takes
// whatever comes, the dictionary field takes an existing path and loads its settings.
// The dropped names are UTF-16 and reach the program's GBK texts through code page 936,
// whatever the system's ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/app/e2e/e2e_fixture.h"

namespace marlivo::e2e {
namespace {

class DropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::MakeFolders(folder_.Join(Gbk(L"材质库\\金属"))));
    ASSERT_TRUE(testing::MakeFolders(folder_.Join("other")));
    folder_.temp().WriteFile(Gbk(L"设置.txt"),
                             "[configs]\r\nMaterialFolder=C:\\stored\r\nFolderName=false\r\n"
                             "MaterialFoldeDoubleLang=true\r\nFrom=1\r\n");
  }

  KeyShotInstallations no_installations_;
  ProgramFolder folder_;
};

TEST_F(DropTest, TheMaterialsFieldTakesWhatIsDropped) {
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  const std::wstring library = Wide(folder_.Join(Gbk(L"材质库")));
  const std::wstring other = Wide(folder_.Join("other"));

  ASSERT_TRUE(window.DropFiles(Control::kMaterialFolderEdit, {library}));
  EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), library);

  // Nothing is checked: a missing path is taken as it comes.
  const std::wstring missing = Wide(folder_.Join("missing"));
  ASSERT_TRUE(window.DropFiles(Control::kMaterialFolderEdit, {missing}));
  EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), missing);

  // Two folders come as one text, joined by CR LF, into the single-line field.
  ASSERT_TRUE(window.DropFiles(Control::kMaterialFolderEdit, {library, other}));
  EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), library + L"\r\n" + other);
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

TEST_F(DropTest, TheDictionaryFieldTakesAnExistingPathAndLoadsItsSettings) {
  RunningProgram program(folder_);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();
  const std::wstring settings = Wide(folder_.Join(Gbk(L"设置.txt")));

  // Any existing file, whatever its extension.
  ASSERT_TRUE(window.DropFiles(Control::kDicFileEdit, {settings}));
  EXPECT_EQ(window.Text(Control::kDicFileEdit), settings);
  EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), L"C:\\stored");
  EXPECT_EQ(window.CheckState(Control::kFolderNameCheck), 0);
  EXPECT_EQ(window.CheckState(Control::kMaterialNameCheck), 1);
  EXPECT_EQ(window.CheckState(Control::kMaterialDoubleLangCheck), 1);
  EXPECT_EQ(window.CheckState(Control::kFromPropertiesRadio), 1);
  EXPECT_EQ(window.CheckState(Control::kFromFilenameRadio), 0);

  // A missing path, and two files at once (their joined text names nothing), change
  // nothing.
  ASSERT_TRUE(window.DropFiles(Control::kDicFileEdit, {Wide(folder_.Join("gone.ini"))}));
  ASSERT_TRUE(window.DropFiles(Control::kDicFileEdit, {settings, settings}));
  EXPECT_EQ(window.Text(Control::kDicFileEdit), settings);
  EXPECT_EQ(window.CheckState(Control::kFolderNameCheck), 0);
  EXPECT_EQ(window.CheckState(Control::kFromPropertiesRadio), 1);

  // A folder exists too; read as a profile file it holds nothing, so the options go back
  // to their defaults and the materials field keeps its text.
  const std::wstring other = Wide(folder_.Join("other"));
  ASSERT_TRUE(window.DropFiles(Control::kDicFileEdit, {other}));
  EXPECT_EQ(window.Text(Control::kDicFileEdit), other);
  EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), L"C:\\stored");
  EXPECT_EQ(window.CheckState(Control::kFolderNameCheck), 1);
  EXPECT_EQ(window.CheckState(Control::kMaterialNameCheck), 1);
  EXPECT_EQ(window.CheckState(Control::kMaterialDoubleLangCheck), 0);
  EXPECT_EQ(window.CheckState(Control::kFromFilenameRadio), 1);
  EXPECT_EQ(window.CheckState(Control::kFromPropertiesRadio), 0);
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace marlivo::e2e
