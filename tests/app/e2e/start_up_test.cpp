// The program as it starts: its window, its controls and their first states, the
// settings it loads from "dic.ini" beside it, the materials folder it finds through the
// renderer's registry keys, the fonts of the captions and the resources it carries.
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/app/e2e/driver/control_fonts.h"
#include "tests/app/e2e/e2e_fixture.h"

namespace marlivo::e2e {
namespace {

constexpr wchar_t kWindowFontFamily[] = L"\u5FAE\u8F6F\u96C5\u9ED1";  // 微软雅黑

struct Caption {
  Control control;
  const wchar_t* text;
};
constexpr Caption kCaptions[] = {
    {Control::kStartButton, L"Start"},
    {Control::kMaterialFolderLabel, L"Material Folder:"},
    {Control::kDicFileLabel, L"Dic File:"},
    {Control::kFromFilenameRadio, L"From Filename"},
    {Control::kFromPropertiesRadio, L"From Properties"},
    {Control::kMaterialNameCheck, L"Material Name"},
    {Control::kFolderNameCheck, L"Folder Name"},
    {Control::kMaterialDoubleLangCheck, L"Double Lang"},
    {Control::kFolderDoubleLangCheck, L"Double Lang"},
    {Control::kInvertCheck, L"Invert"},
};

// The six options that the settings mirror, and "Invert", as check states.
struct Options {
  int material_name, folder_name, material_double_lang, folder_double_lang, invert;
  int from_filename, from_properties;
};
constexpr Options kFirstStartOptions = {1, 1, 0, 0, 0, 1, 0};

Options ReadOptions(const MainWindow& window) {
  return {window.CheckState(Control::kMaterialNameCheck),
          window.CheckState(Control::kFolderNameCheck),
          window.CheckState(Control::kMaterialDoubleLangCheck),
          window.CheckState(Control::kFolderDoubleLangCheck),
          window.CheckState(Control::kInvertCheck),
          window.CheckState(Control::kFromFilenameRadio),
          window.CheckState(Control::kFromPropertiesRadio)};
}

void ExpectOptions(const MainWindow& window, const Options& expected) {
  const Options shown = ReadOptions(window);
  EXPECT_EQ(shown.material_name, expected.material_name) << "\"Material Name\"";
  EXPECT_EQ(shown.folder_name, expected.folder_name) << "\"Folder Name\"";
  EXPECT_EQ(shown.material_double_lang, expected.material_double_lang)
      << "materials \"Double Lang\"";
  EXPECT_EQ(shown.folder_double_lang, expected.folder_double_lang) << "folders \"Double Lang\"";
  EXPECT_EQ(shown.invert, expected.invert) << "\"Invert\"";
  EXPECT_EQ(shown.from_filename, expected.from_filename) << "\"From Filename\"";
  EXPECT_EQ(shown.from_properties, expected.from_properties) << "\"From Properties\"";
}

TEST(StartUpTest, FirstStartShowsTheDefaultsInACentredFixedWindow) {
  KeyShotInstallations none;
  ProgramFolder folder;
  RunningProgram program(folder);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();

  // 430 x 480 with its frame, centred on the screen, never at the position that the
  // program passes when it creates the window.
  const RECT rect = window.WindowRect();
  EXPECT_EQ(rect.right - rect.left, 430);
  EXPECT_EQ(rect.bottom - rect.top, 480);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 430) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2);
  EXPECT_FALSE(rect.left == 745 && rect.top == 300);

  // Caption, system menu and minimise box; no sizing frame and no maximise box. A
  // top-level window without owner and without WS_EX_TOOLWINDOW has a taskbar button.
  const DWORD style = window.WindowStyle();
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(GetWindow(window.window(), GW_OWNER), nullptr);
  EXPECT_FALSE(window.WindowExStyle() & WS_EX_TOOLWINDOW);
  // The minimise box, then a click on the taskbar button, as the system menu sends them.
  PostMessageW(window.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(window.window()) != FALSE; }));
  PostMessageW(window.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(window.window()) == FALSE; }));
  const RECT restored = window.WindowRect();
  EXPECT_TRUE(EqualRect(&restored, &rect));

  for (const Caption& caption : kCaptions) {
    EXPECT_EQ(window.Text(caption.control), caption.text) << ControlName(caption.control);
  }
  EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), L"");
  EXPECT_EQ(window.Text(Control::kDicFileEdit), L"");
  EXPECT_EQ(window.Text(Control::kStatusLabel), L"");
  ExpectOptions(window, kFirstStartOptions);
  EXPECT_EQ(window.ProgressPosition(), 0);
  EXPECT_EQ(window.ProgressRange(), std::make_pair(0, 100));
  for (const ControlPlace& place : kControlPlaces) {
    EXPECT_TRUE(window.IsEnabled(place.control)) << place.name;
    // No control is made a tab stop. The system itself gives a checked radio button
    // WS_TABSTOP (BM_SETCHECK), so the radios carry it as their check states do.
    const bool radio = place.control == Control::kFromFilenameRadio ||
                       place.control == Control::kFromPropertiesRadio;
    EXPECT_EQ((window.Style(place.control) & WS_TABSTOP) != 0,
              radio && window.CheckState(place.control) == BST_CHECKED)
        << place.name;
  }

  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

// The style bits that the main window's table gives each control, and what the fields'
// settings make of their extended styles.
TEST(StartUpTest, ControlsCarryTheirStyles) {
  KeyShotInstallations none;
  ProgramFolder folder;
  RunningProgram program(folder);
  ASSERT_TRUE(program.Start());
  MainWindow& window = program.window();

  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  struct Case {
    Control control;
    DWORD bits;      // must all be set
    DWORD low_type;  // the button or static type in the low bits, or ~0 to skip
  } cases[] = {
      {Control::kStartButton, 0x54002F00, BS_PUSHBUTTON},
      {Control::kMaterialFolderEdit, 0x54000080 | WS_BORDER, ~0u},
      {Control::kDicFileEdit, 0x54000080 | WS_BORDER, ~0u},
      {Control::kMaterialFolderLabel, 0x54000200 | SS_NOTIFY, ~0u},
      {Control::kDicFileLabel, 0x54000200 | SS_NOTIFY, ~0u},
      {Control::kStatusLabel, 0x54000200 | SS_NOTIFY, ~0u},
      {Control::kFromFilenameRadio, kChild, BS_RADIOBUTTON},
      {Control::kFromPropertiesRadio, kChild, BS_RADIOBUTTON},
      {Control::kMaterialNameCheck, 0x54002D03, BS_AUTOCHECKBOX},
      {Control::kFolderNameCheck, 0x54002D03, BS_AUTOCHECKBOX},
      {Control::kMaterialDoubleLangCheck, 0x54002D03, BS_AUTOCHECKBOX},
      {Control::kFolderDoubleLangCheck, 0x54002D03, BS_AUTOCHECKBOX},
      {Control::kInvertCheck, 0x54002D03, BS_AUTOCHECKBOX},
      {Control::kProgressBar, kChild, ~0u},
      {Control::kBannerPicture, 0x5400010D, ~0u},
  };
  for (const Case& c : cases) {
    const DWORD style = window.Style(c.control);
    EXPECT_EQ(style & c.bits, c.bits) << ControlName(c.control) << " style " << std::hex << style;
    if (c.low_type != ~0u) {
      EXPECT_EQ(style & BS_TYPEMASK, c.low_type) << ControlName(c.control);
    }
  }
  // The fields take dropped files and have a plain border instead of the client edge.
  for (Control field : {Control::kMaterialFolderEdit, Control::kDicFileEdit}) {
    const DWORD ex_style = window.ExStyle(field);
    EXPECT_TRUE(ex_style & WS_EX_ACCEPTFILES) << ControlName(field);
    EXPECT_FALSE(ex_style & WS_EX_CLIENTEDGE) << ControlName(field);
  }
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

// What a "configs" section in the "dic.ini" beside the program does to the controls.
TEST(StartUpTest, SettingsComeFromTheDictionaryBesideTheProgram) {
  KeyShotInstallations none;
  struct Case {
    const char* what;
    std::string configs;  // the lines of section "configs", or "-" for no such section
    std::wstring material_folder;
    Options options;
  } cases[] = {
      {"every key",
       "MaterialFolder=D:\\KS Library\\Materials\r\nFolderName=false\r\nMaterialFolde=TRUE\r\n"
       "FolderNameDoubleLang=true\r\nMaterialFoldeDoubleLang=True\r\nFrom=1\r\n",
       L"D:\\KS Library\\Materials", {1, 0, 1, 1, 0, 0, 1}},
      {"only the folder", "MaterialFolder=C:\\m\r\n", L"C:\\m", kFirstStartOptions},
      {"values that are not true, From 2",
       "FolderName=1\r\nMaterialFolde=yes\r\nFolderNameDoubleLang=True\r\nFrom=2\r\n", L"",
       {0, 0, 0, 1, 0, 1, 0}},
      {"empty values", "MaterialFolder=\r\nFolderName=\r\nFrom=\r\n", L"", kFirstStartOptions},
      {"no section", "-", L"", kFirstStartOptions},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramFolder folder;
    std::string dictionary;
    if (c.configs != "-") dictionary += "[configs]\r\n" + c.configs;
    dictionary += "[dic]\r\nGold=\xBB\xC6\xBD\xF0\r\n";
    folder.WriteDictionary(dictionary);
    RunningProgram program(folder);
    ASSERT_TRUE(program.Start());
    MainWindow& window = program.window();
    EXPECT_EQ(window.Text(Control::kDicFileEdit), Wide(folder.DictionaryPath()));
    EXPECT_EQ(window.Text(Control::kMaterialFolderEdit), c.material_folder);
    ExpectOptions(window, c.options);
    EXPECT_EQ(window.Text(Control::kStatusLabel), L"");
    // Loading is reading: the file is as it was.
    EXPECT_EQ(ReadFileBytes(folder.DictionaryPath()), std::optional<std::string>(dictionary));
    EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
  }
}

// The materials folder of the newest installation whose "Materials" folder exists, found
// through the registry when the field is still empty after the settings.
TEST(StartUpTest, MaterialsFolderComesFromTheRegistry) {
  testing::TempFolder installs;
  for (const char* path : {"ks9\\Materials", "ks8\\Materials"}) {
    ASSERT_TRUE(testing::MakeFolders(installs.Join(path)));
  }
  const std::wstring base = Wide(installs.path());
  struct Key {
    int version;
    std::wstring resource_folder;
  };
  struct Case {
    const char* what;
    std::vector<Key> keys;
    const char* stored_folder;  // "MaterialFolder" in the dic.ini beside the program
    std::wstring expected;
  } cases[] = {
      {"9 and 8, both complete", {{9, base + L"\\ks9"}, {8, base + L"\\ks8"}}, nullptr,
       base + L"\\ks9\\Materials"},
      {"9 without its folder, 8 complete", {{9, base + L"\\gone"}, {8, base + L"\\ks8"}},
       nullptr, base + L"\\ks8\\Materials"},
      {"only versions without folders", {{9, base + L"\\gone"}, {3, base + L"\\none"}}, nullptr,
       L""},
      {"a value ending in a backslash, tested as it is", {{9, base + L"\\ks9\\"}}, nullptr,
       base + L"\\ks9\\\\Materials"},
      {"a stored folder, even a missing one, wins", {{9, base + L"\\ks9"}}, "C:\\gone\\lib",
       L"C:\\gone\\lib"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KeyShotInstallations installations;
    for (const Key& key : c.keys) installations.Add(key.version, key.resource_folder);
    ProgramFolder folder;
    if (c.stored_folder) {
      folder.WriteDictionary(std::string("[configs]\r\nMaterialFolder=") + c.stored_folder +
                             "\r\n");
    }
    RunningProgram program(folder);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.window().Text(Control::kMaterialFolderEdit), c.expected);
    // "waiting..." is shown only while the window is still hidden.
    EXPECT_EQ(program.window().Text(Control::kStatusLabel), L"");
    EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
  }
}

// The family that GDI+ gives for the window's font name here: its name is what a GDI
// font made from a GDI+ font of that family carries.
std::wstring ResolvedFamilyName() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return {};
  std::wstring name;
  Gdiplus::GpFontFamily* family = nullptr;
  if (Gdiplus::DllExports::GdipCreateFontFamilyFromName(kWindowFontFamily, nullptr, &family) ==
      Gdiplus::Ok) {
    wchar_t buffer[LF_FACESIZE] = L"";
    Gdiplus::DllExports::GdipGetFamilyName(family, buffer, LANG_NEUTRAL);
    name = buffer;
    Gdiplus::DllExports::GdipDeleteFontFamily(family);
  }
  Gdiplus::GdiplusShutdown(token);
  return name;
}

TEST(StartUpTest, StartIsBoldAndEveryOtherCaptionRegular) {
  const std::wstring family = ResolvedFamilyName();
  ASSERT_FALSE(family.empty()) << "the prefix has no font family for 微软雅黑";
  KeyShotInstallations none;
  ProgramFolder folder;
  RunningProgram program(folder);
  ASSERT_TRUE(program.Start());
  const Control with_font[] = {
      Control::kStartButton,        Control::kMaterialFolderEdit,
      Control::kDicFileEdit,        Control::kMaterialFolderLabel,
      Control::kDicFileLabel,       Control::kStatusLabel,
      Control::kFromFilenameRadio,  Control::kFromPropertiesRadio,
      Control::kMaterialNameCheck,  Control::kFolderNameCheck,
      Control::kMaterialDoubleLangCheck, Control::kFolderDoubleLangCheck,
      Control::kInvertCheck,
  };
  std::vector<HWND> windows;
  for (Control control : with_font) windows.push_back(program.window().handle(control));
  std::string problem;
  const auto fonts = ReadControlFonts(program.process().handle(), windows, &problem);
  ASSERT_EQ(fonts.size(), windows.size()) << problem;
  for (size_t i = 0; i < fonts.size(); ++i) {
    SCOPED_TRACE(ControlName(with_font[i]));
    ASSERT_TRUE(fonts[i].has_value()) << "no font of its own";
    EXPECT_EQ(std::wstring(fonts[i]->lfFaceName), family);
    EXPECT_EQ(fonts[i]->lfWeight, i == 0 ? FW_BOLD : FW_NORMAL);
    EXPECT_FALSE(fonts[i]->lfItalic);
  }
  EXPECT_EQ(program.CloseAndWait(), std::optional<DWORD>(0));
}

// The manifest asks for administrator rights and the version 6 common controls; the icon
// group 129 holds one 48 x 48 32-bit image.
TEST(StartUpTest, ProgramCarriesItsManifestAndIcon) {
  const std::wstring program = OwnFolder() + L"\\Marlivo.exe";
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  HRSRC manifest_info = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(manifest_info, nullptr);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, manifest_info)));
  const std::string manifest(bytes, SizeofResource(module, manifest_info));
  EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
  EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);

#pragma pack(push, 2)
  struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
  };
  struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
  };
#pragma pack(pop)
  HRSRC group_info = FindResourceW(module, MAKEINTRESOURCEW(129), MAKEINTRESOURCEW(14));
  ASSERT_NE(group_info, nullptr);
  const auto* group = static_cast<const GroupIcon*>(LockResource(LoadResource(module, group_info)));
  ASSERT_EQ(group->count, 1);
  EXPECT_EQ(group->entries[0].width, 48);
  EXPECT_EQ(group->entries[0].height, 48);
  EXPECT_EQ(group->entries[0].bit_count, 32);
  FreeLibrary(module);
}

}  // namespace
}  // namespace marlivo::e2e
